#include "platform/time_zone_rule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "case_table.h"

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// The clock fields of a calendar time, for comparing in one go.
auto Clock(const CalendarTime& t) {
    return std::tuple(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// "YEAR MONTH DAY HOUR MINUTE SECOND" of a case table.
CalendarTime FieldsOf(const std::string& text) {
    CalendarTime t{};
    std::istringstream(text) >> t.year >> t.month >> t.day >> t.hour >> t.minute >> t.second;
    return t;
}

TEST(UtcCalendar, SplitsAndJoinsKnownMoments) {
    for (const auto& c : platform_test::CaseTable("platform/utc_calendar.txt", 4)) {
        SCOPED_TRACE(c[0]);
        const int64_t seconds = std::stoll(c[0]);
        const CalendarTime t = CTimeZoneRule::Utc().ToCalendarTime(seconds);
        EXPECT_EQ(Clock(t), Clock(FieldsOf(c[1])));
        EXPECT_EQ(std::tuple(t.weekday, t.yearday, t.is_daylight, t.utc_offset),
                  std::tuple(std::stoi(c[2]), std::stoi(c[3]), false, 0));
        EXPECT_EQ(CTimeZoneRule::Utc().ToSeconds(t), seconds);
    }
}

// glibc's gmtime_r is an independent calendar: the two must agree wherever it works.
TEST(UtcCalendar, AgreesWithTheCLibraryOverAWideRange) {
    std::mt19937_64 next(88172645463325252ULL);  // the same moments on every run
    const auto rule = CTimeZoneRule::Utc();
    for (int i = 0; i < 20000; ++i) {
        // Spread over about +-1e9 years, and densely around 1970.
        const int64_t range = i % 2 == 0 ? (int64_t{1} << 55) : (int64_t{1} << 33);
        const int64_t seconds =
            static_cast<int64_t>(next() % (2 * static_cast<uint64_t>(range))) - range;
        const time_t t = seconds;
        std::tm tm{};
        ASSERT_NE(gmtime_r(&t, &tm), nullptr);
        const CalendarTime c = rule.ToCalendarTime(seconds);
        ASSERT_EQ(std::tuple_cat(Clock(c), std::tuple(c.weekday, c.yearday)),
                  std::tuple(int64_t{tm.tm_year} + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                             tm.tm_min, tm.tm_sec, tm.tm_wday, tm.tm_yday))
            << seconds;
        ASSERT_EQ(rule.ToSeconds(c), seconds);
    }
}

TEST(UtcCalendar, FieldsAtTheLimitsGiveAMomentOrAreRefusedWithoutOverflow) {
    for (const auto& c : platform_test::CaseTable("platform/utc_field_limits.txt", 2)) {
        const auto seconds = CTimeZoneRule::Utc().ToSeconds(FieldsOf(c[0]));
        if (c[1] == "refused" || c[1] == "a moment") {
            EXPECT_EQ(seconds.has_value(), c[1] == "a moment") << c[0];
        } else {
            EXPECT_EQ(seconds, std::stoll(c[1])) << c[0];
        }
    }
}

// Runs a test under a fixed TZ and puts the process's TZ back afterwards. POSIX zone strings
// need no zone database.
class LocalRule : public ::testing::Test {
protected:
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalRule() override {
        old_tz_ ? setenv("TZ", old_tz_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    // Copied at once: setenv may invalidate what getenv gave.
    const char* const tz_ = std::getenv("TZ");
    const std::optional<std::string> old_tz_ = tz_ ? std::optional<std::string>(tz_) : std::nullopt;
};

// Japan time is named and has no daylight time; times far from today follow its offset; entered
// fields carry over like the calendar, in UTC and in Japan time alike.
TEST_F(LocalRule, JapanTimeIsNamedAndFollowsItsOffsetAndEnteredFieldsCarryOver) {
    UseZone("JST-9");
    const auto local = CTimeZoneRule::Local();
    const auto utc = CTimeZoneRule::Utc();
    EXPECT_FALSE(local.IsUtc());
    EXPECT_FALSE(local.ToCalendarTime(0).is_daylight);
    // mktime's -1 is also a real moment, one second before the epoch.
    EXPECT_EQ(local.ToSeconds(CalendarTime{1970, 1, 1, 9}), 0);
    EXPECT_EQ(local.ToSeconds(CalendarTime{1970, 1, 1, 8, 59, 59}), -1);
    EXPECT_EQ(local.StandardName(), "JST");
    EXPECT_EQ(local.DaylightName(), "");
    EXPECT_EQ(utc.StandardName(), "UTC");
    const int64_t edge = int64_t{1} << 55;
    for (const int64_t t : {int64_t{-5'000'000'000}, int64_t{-2147483648LL}, int64_t{2147483648LL},
                            int64_t{100'000'000'000}, edge - 1, edge, edge + 1, -edge - 1, -edge,
                            -edge + 1, kMax - 32400, kMin, kMin + 1}) {
        SCOPED_TRACE(t);
        const CalendarTime l = local.ToCalendarTime(t);
        if (t <= kMax - 32400) {
            EXPECT_EQ(Clock(l), Clock(utc.ToCalendarTime(t + 32400)));
        }
        EXPECT_EQ(l.utc_offset, 32400);
        EXPECT_EQ(local.ToSeconds(l), t);
    }
    // The last moment of all still has a local calendar form.
    const CalendarTime last = local.ToCalendarTime(kMax);
    EXPECT_EQ(last.utc_offset, 32400);
    EXPECT_EQ(local.ToSeconds(last), kMax);
    // Nine hours before the first moment of all cannot be named in seconds.
    EXPECT_EQ(local.ToSeconds(CalendarTime{-292277022657, 1, 27, 8 + 9, 29, 51}), std::nullopt);
    EXPECT_EQ(local.ToSeconds(CalendarTime{-292277022657, 1, 27, 8 + 9, 29, 52}), kMin);
    for (const auto& [rule, offset] : {std::pair{utc, 0}, std::pair{local, 32400}}) {
        for (const auto& c : platform_test::CaseTable("platform/calendar_carry_over.txt", 3)) {
            SCOPED_TRACE(c[0]);
            const CalendarTime expected = FieldsOf(c[2]);
            const auto seconds = rule.ToSeconds(FieldsOf(c[1]));
            ASSERT_TRUE(seconds.has_value());
            EXPECT_EQ(seconds, rule.ToSeconds(expected));
            EXPECT_EQ(Clock(rule.ToCalendarTime(*seconds)), Clock(expected));
            EXPECT_EQ(*seconds, *utc.ToSeconds(expected) - offset);
        }
    }
}

TEST_F(LocalRule, DaylightSavingTimeIsReported) {
    UseZone("EST5EDT,M3.2.0,M11.1.0");
    const auto rule = CTimeZoneRule::Local();
    EXPECT_EQ(rule.StandardName(), "EST");
    EXPECT_EQ(rule.DaylightName(), "EDT");
    for (const auto& c : platform_test::CaseTable("platform/daylight_times.txt", 5)) {
        SCOPED_TRACE(c[0]);
        const auto seconds = rule.ToSeconds(FieldsOf(c[1]));
        ASSERT_TRUE(seconds.has_value());
        EXPECT_EQ(seconds, CTimeZoneRule::Utc().ToSeconds(FieldsOf(c[2])));
        const CalendarTime back = rule.ToCalendarTime(*seconds);
        EXPECT_EQ(Clock(back), Clock(FieldsOf(c[1])));
        EXPECT_EQ(back.is_daylight, c[3] == "daylight");
        EXPECT_EQ(back.utc_offset, std::stoi(c[4]) * 3600);
    }
    // 02:30 does not exist on 10 March 2024; 01:30 exists twice on 3 November.
    const auto gap = rule.ToSeconds(CalendarTime{2024, 3, 10, 2, 30});
    ASSERT_TRUE(gap.has_value());
    const auto before = *CTimeZoneRule::Utc().ToSeconds(CalendarTime{2024, 3, 10, 6, 30});
    EXPECT_TRUE(*gap == before || *gap == before + 3600) << *gap;
    const auto twice = rule.ToSeconds(CalendarTime{2024, 11, 3, 1, 30});
    ASSERT_TRUE(twice.has_value());
    EXPECT_EQ(Clock(rule.ToCalendarTime(*twice)), Clock(CalendarTime{2024, 11, 3, 1, 30}));
}

}  // namespace
