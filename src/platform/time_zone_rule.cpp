#include "platform/time_zone_rule.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <ctime>

#include "platform/cp932_convert.h"

namespace {

static_assert(sizeof(time_t) == 8, "times need a 64-bit time_t");

constexpr int64_t kSecondsPerDay = 86400;
// Far enough for every 64-bit count of seconds (about 2.9e11 years) with room for offsets,
// small enough that day counts stay far inside 64 bits.
constexpr int64_t kMaxYear = 300'000'000'000;
// The C library's calendar keeps the year in an int; within this range it always can.
constexpr int64_t kLibraryTimeLimit = int64_t{1} << 55;

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

int64_t FloorMod(int64_t a, int64_t b) {
    const int64_t r = a % b;
    return r < 0 ? r + b : r;
}

// Days since 1970-01-01 of year-month-day (month 1 .. 12, day counted on from the 1st).
int64_t DaysFromCivil(int64_t year, int month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = FloorDiv(year, 400);
    const int64_t year_of_era = year - era * 400;
    const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

// A moment as whole days since 1970-01-01 and the second within that day (0 .. 86399), so
// that wall-clock times a zone offset beyond the 64-bit range can still be handled.
struct DayTime {
    int64_t days;
    int64_t second_of_day;
};

// t seen at offset seconds east of UTC.
DayTime Split(int64_t t, int64_t offset) {
    const int64_t second_of_day = FloorMod(t, kSecondsPerDay) + offset;
    return {FloorDiv(t, kSecondsPerDay) + FloorDiv(second_of_day, kSecondsPerDay),
            FloorMod(second_of_day, kSecondsPerDay)};
}

// The moment whose wall clock at offset seconds east of UTC is local, or nullopt outside the
// 64-bit range.
std::optional<int64_t> Join(DayTime local, int64_t offset) {
    const int64_t shifted = local.second_of_day - offset;
    const int64_t days = local.days + FloorDiv(shifted, kSecondsPerDay);
    const int64_t second_of_day = FloorMod(shifted, kSecondsPerDay);
    // Before 1970 count from the end of the day, so the product stays in range whenever the
    // result does.
    const int64_t whole_days = days < 0 ? days + 1 : days;
    const int64_t rest = days < 0 ? second_of_day - kSecondsPerDay : second_of_day;
    int64_t seconds = 0;
    if (__builtin_mul_overflow(whole_days, kSecondsPerDay, &seconds))
        return std::nullopt;
    if (__builtin_add_overflow(seconds, rest, &seconds))
        return std::nullopt;
    return seconds;
}

// The calendar fields of a wall-clock moment, by arithmetic alone.
CalendarTime Breakdown(DayTime moment, int64_t offset) {
    const int64_t z = moment.days + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t day_of_era = z - era * 146097;
    const int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const int64_t month_index = (5 * day_of_year + 2) / 153;  // 0 = March

    CalendarTime result;
    result.day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
    result.month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
    result.year = year_of_era + era * 400 + (result.month <= 2 ? 1 : 0);
    result.hour = static_cast<int>(moment.second_of_day / 3600);
    result.minute = static_cast<int>(moment.second_of_day / 60 % 60);
    result.second = static_cast<int>(moment.second_of_day % 60);
    result.weekday = static_cast<int>(FloorMod(moment.days + 4, 7));  // 1970-01-01: Thursday
    result.yearday = static_cast<int>(moment.days - DaysFromCivil(result.year, 1, 1));
    result.utc_offset = static_cast<int>(offset);
    return result;
}

// The wall-clock moment the fields name, carrying out-of-range fields over.
std::optional<DayTime> WallClock(const CalendarTime& fields) {
    const int64_t month_index = int64_t{fields.month} - 1;
    int64_t year = 0;
    if (__builtin_add_overflow(fields.year, FloorDiv(month_index, 12), &year))
        return std::nullopt;
    if (year > kMaxYear || year < -kMaxYear)
        return std::nullopt;
    const int month = static_cast<int>(FloorMod(month_index, 12)) + 1;
    const int64_t time_of_day =
        int64_t{fields.hour} * 3600 + int64_t{fields.minute} * 60 + int64_t{fields.second};
    return DayTime{DaysFromCivil(year, month, fields.day) + FloorDiv(time_of_day, kSecondsPerDay),
                   FloorMod(time_of_day, kSecondsPerDay)};
}

CalendarTime FromTm(const std::tm& tm) {
    CalendarTime result;
    result.year = int64_t{tm.tm_year} + 1900;
    result.month = tm.tm_mon + 1;
    result.day = tm.tm_mday;
    result.hour = tm.tm_hour;
    result.minute = tm.tm_min;
    result.second = tm.tm_sec;
    result.weekday = tm.tm_wday;
    result.yearday = tm.tm_yday;
    result.is_daylight = tm.tm_isdst > 0;
    result.utc_offset = static_cast<int>(tm.tm_gmtoff);
    return result;
}

int64_t ClampToLibrary(int64_t t) {
    return t > kLibraryTimeLimit    ? kLibraryTimeLimit
           : t < -kLibraryTimeLimit ? -kLibraryTimeLimit
                                    : t;
}

// The local zone's state at the moment nearest to t that the C library can handle.
std::tm LocalTmNear(int64_t t) {
    const time_t clamped = ClampToLibrary(t);
    std::tm tm{};
    if (!localtime_r(&clamped, &tm))
        tm = std::tm{};
    return tm;
}

bool SameClock(const std::tm& tm, const CalendarTime& fields) {
    return int64_t{tm.tm_year} + 1900 == fields.year && tm.tm_mon + 1 == fields.month &&
           tm.tm_mday == fields.day && tm.tm_hour == fields.hour && tm.tm_min == fields.minute &&
           tm.tm_sec == fields.second;
}

CalendarTime LocalCalendarTime(int64_t seconds) {
    const time_t t = seconds;
    std::tm tm{};
    if (seconds == ClampToLibrary(seconds) && localtime_r(&t, &tm))
        return FromTm(tm);
    const std::tm near = LocalTmNear(seconds);
    CalendarTime result = Breakdown(Split(seconds, near.tm_gmtoff), near.tm_gmtoff);
    result.is_daylight = near.tm_isdst > 0;
    return result;
}

std::optional<int64_t> LocalSeconds(const CalendarTime& fields) {
    const std::optional<DayTime> wall = WallClock(fields);
    if (!wall)
        return std::nullopt;
    constexpr int64_t kLibraryDays = kLibraryTimeLimit / kSecondsPerDay;
    if (wall->days < kLibraryDays && wall->days > -kLibraryDays) {
        // Hand mktime fields already in range, so its own carrying cannot overflow.
        const CalendarTime normal = Breakdown(*wall, 0);
        std::tm tm{};
        tm.tm_year = static_cast<int>(normal.year - 1900);
        tm.tm_mon = normal.month - 1;
        tm.tm_mday = normal.day;
        tm.tm_hour = normal.hour;
        tm.tm_min = normal.minute;
        tm.tm_sec = normal.second;
        tm.tm_isdst = -1;
        const time_t result = mktime(&tm);
        if (result != static_cast<time_t>(-1))
            return result;
        // -1 is also 1969-12-31 23:59:59 UTC.
        std::tm check{};
        const time_t minus_one = -1;
        if (localtime_r(&minus_one, &check) && SameClock(check, normal))
            return -1;
    }
    const int64_t near_days = std::clamp(wall->days, -kLibraryDays, kLibraryDays);
    return Join(*wall, LocalTmNear(near_days * kSecondsPerDay).tm_gmtoff);
}

struct LocalZoneNames {
    Cp932 standard;
    Cp932 daylight;
};

// Looks at now and half a year on, so both seasons of the current year are seen.
LocalZoneNames ReadLocalZoneNames() {
    LocalZoneNames names;
    const int64_t now = CurrentTime();
    for (const int64_t t : {now, now + 183 * kSecondsPerDay}) {
        const std::tm tm = LocalTmNear(t);
        const Cp932 name = tm.tm_zone ? Utf8ToCp932(tm.tm_zone) : Cp932();
        if (tm.tm_isdst > 0) {
            if (names.daylight.empty())
                names.daylight = name;
        } else if (names.standard.empty()) {
            names.standard = name;
        }
    }
    return names;
}

}  // namespace

CTimeZoneRule CTimeZoneRule::Local() {
    return CTimeZoneRule(false);
}

CTimeZoneRule CTimeZoneRule::Utc() {
    return CTimeZoneRule(true);
}

CalendarTime CTimeZoneRule::ToCalendarTime(int64_t seconds) const {
    return utc_ ? Breakdown(Split(seconds, 0), 0) : LocalCalendarTime(seconds);
}

std::optional<int64_t> CTimeZoneRule::ToSeconds(const CalendarTime& fields) const {
    if (!utc_)
        return LocalSeconds(fields);
    const std::optional<DayTime> wall = WallClock(fields);
    return wall ? Join(*wall, 0) : std::nullopt;
}

Cp932 CTimeZoneRule::StandardName() const {
    return utc_ ? Cp932("UTC") : ReadLocalZoneNames().standard;
}

Cp932 CTimeZoneRule::DaylightName() const {
    return utc_ ? Cp932() : ReadLocalZoneNames().daylight;
}

int64_t CurrentTime() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return now.time_since_epoch().count();
}
