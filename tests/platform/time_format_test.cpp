#include "platform/time_format.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>
#include <string>

#include "case_table.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"

namespace {

using std::string_view_literals::operator""sv;

// Tuesday 5 March 2024, 07:08:09: every field has a leading zero to drop.
const CalendarTime kMorning{2024, 3, 5, 7, 8, 9, 2, 64};
// Saturday 28 December 2024, 23:45:56: no field has one.
const CalendarTime kEvening{2024, 12, 28, 23, 45, 56, 6, 362};

Cp932 Format(std::string_view utf8_format, const CalendarTime& t) {
    return FormatTime(Utf8ToCp932(utf8_format), t, TimeNames::Japanese());
}

// Every code on a morning whose fields all have a leading zero to drop, and an evening
// whose fields have none.
TEST(TimeFormat, CodesExpandWithAndWithoutLeadingZeros) {
    for (const auto& c : platform_test::CaseTable("platform/time_format_codes.txt", 3)) {
        EXPECT_EQ(Cp932ToUtf8(Format(c[0], kMorning)), c[1]) << c[0];
        EXPECT_EQ(Cp932ToUtf8(Format(c[0], kEvening)), c[2]) << c[0];
    }
    CalendarTime t = kMorning;
    t.hour = 0;
    EXPECT_EQ(Cp932ToUtf8(Format("%I %p", t)), "12 午前");
    t.hour = 12;
    t.utc_offset = -(4 * 3600 + 30 * 60);
    EXPECT_EQ(Cp932ToUtf8(Format("%I %p %z", t)), "12 午後 -0430");
    // ソ and 表 end in 0x5C; ① in 0x40: none of them may disturb the codes next to them.
    EXPECT_EQ(Cp932ToUtf8(Format("ソ%#d表①%H", kMorning)), "ソ5表①07");
    // A broken lead byte before '%' is one byte, and the code after it still expands.
    EXPECT_EQ(FormatTime("\x83%Y"sv, kMorning, TimeNames::Japanese()),
              std::string("\x83") + "2024");
}

TEST(TimeFormat, YearsFarFromToday) {
    for (const auto& c : platform_test::CaseTable("platform/time_format_years.txt", 3)) {
        CalendarTime t = kMorning;
        t.year = std::stoll(c[0]);
        EXPECT_EQ(Format(c[1], t), c[2]) << c[0];
    }
}

TEST(TimeFormat, FieldsOutOfRangeStillFormat) {
    const int small = std::numeric_limits<int>::min();
    const int big = std::numeric_limits<int>::max();
    CalendarTime t{2024, 13, 0, -5, 61, 60, -1, 400};
    EXPECT_EQ(Cp932ToUtf8(Format("%m %d %H %M %S %A %B %j", t)), "13 00 -05 61 60 土曜日 1月 401");
    t = CalendarTime{2024, small, small, small, small, small, small, small};
    t.utc_offset = small;
    const Cp932 low = Format("%Y%y%m%d%H%I%M%S%j%w%U%W%a%A%b%B%p%c%x%X%z%#d", t);
    EXPECT_FALSE(low.empty());
    EXPECT_NE(low.find("-2147483648"), std::string::npos);
    t = CalendarTime{2024, big, big, big, big, big, big, big};
    t.utc_offset = big;
    EXPECT_FALSE(Format("%Y%y%m%d%H%I%M%S%j%w%U%W%a%A%b%B%p%c%x%X%z%#d", t).empty());
    // Wherever the local rule puts the last moment of all, it still has a text.
    EXPECT_FALSE(
        FormatTime("%c", std::numeric_limits<int64_t>::max(), CTimeZoneRule::Local()).empty());
}

// Numeric codes agree with glibc's strftime over many days of several years.
TEST(TimeFormat, NumericCodesAgreeWithTheCLibrary) {
    const auto rule = CTimeZoneRule::Utc();
    const char* const format = "%Y %y %m %d %H %I %M %S %j %w %U %W";
    for (int64_t t = -2'000'000'000; t < 4'200'000'000; t += 86400 * 3 + 3671) {
        const time_t tt = t;
        std::tm tm{};
        ASSERT_NE(gmtime_r(&tt, &tm), nullptr);
        char buffer[128];
        ASSERT_GT(strftime(buffer, sizeof buffer, format, &tm), 0u);
        ASSERT_EQ(FormatTime(format, t, rule, TimeNames::Japanese()), buffer) << t;
    }
}

TEST(TimeNames, PlainOrUnknownLocalesGiveJapaneseNames) {
    const TimeNames japanese = TimeNames::Japanese();
    for (const char* name :
         {"", "C", "POSIX", "C.UTF-8", "C.utf8", "xx_NOWHERE.UTF-8", "/etc/passwd"}) {
        const TimeNames names = TimeNames::ForLocale(name);
        EXPECT_EQ(names.weekdays, japanese.weekdays) << name;
        EXPECT_EQ(names.months, japanese.months) << name;
        EXPECT_EQ(names.am, japanese.am) << name;
    }
    for (const auto& name : TimeNames::User().weekdays)
        EXPECT_FALSE(name.empty());
}

}  // namespace
