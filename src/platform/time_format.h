#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/calendar_time.h"
#include "platform/cp932.h"

class CTimeZoneRule;

// The names that %a, %A, %b, %B and %p put into formatted times, in CP932. User() takes them
// from the LC_TIME locale of the process environment (LC_ALL, LC_TIME, then LANG); when that
// is the C/POSIX locale, unknown, or names something CP932 cannot hold, the Japanese names
// (日曜日 .. 土曜日, 1月 .. 12月, 午前/午後) are used, as the program's screens are Japanese.
struct TimeNames {
    std::array<Cp932, 7> weekdays;        // Sunday first
    std::array<Cp932, 7> short_weekdays;  // Sunday first
    std::array<Cp932, 12> months;
    std::array<Cp932, 12> short_months;
    Cp932 am;
    Cp932 pm;

    static TimeNames Japanese();
    // The names of the named locale, group by group falling back to the Japanese ones.
    static TimeNames ForLocale(std::string_view locale_name);
    // The names of the environment's locale, read once per process.
    static const TimeNames& User();
};

// Formats calendar fields with the time-format codes of the old C runtime. Format and result
// are CP932; double-byte characters are copied whole. Codes:
//   %Y year (4 digits at least)  %y year in the century (2 digits)  %m month  %d day
//   %H hour (00-23)  %I hour (01-12)  %M minute  %S second  %j day of the year (3 digits)
//   %U, %W week of the year (weeks starting Sunday, Monday)  %w weekday (0 = Sunday)
//   %a %A weekday name (short, full)  %b %B month name  %p AM/PM name
//   %x date "%Y/%m/%d"  %X time "%H:%M:%S"  %c "%x %X"   (%#x, %#c: "%#Y年%#m月%#d日" forms)
//   %z offset from UTC "+hhmm"  %Z nothing (the zone's name is not part of the fields)
//   %% a percent sign.
// The '#' flag (%#d, %#H, ...) drops leading zeros from numbers. An unknown code, or a '%'
// at the end, is copied as it stands. Formatting never fails: fields out of their range
// print as their numbers, names take the value modulo the count.
Cp932 FormatTime(std::string_view format, const CalendarTime& time,
                 const TimeNames& names = TimeNames::User());

// The same for a stored time shown under rule.
Cp932 FormatTime(std::string_view format, int64_t seconds, const CTimeZoneRule& rule,
                 const TimeNames& names = TimeNames::User());
