#pragma once

#include <cstdint>

// One moment split into the calendar fields the operator reads and types (proleptic
// Gregorian calendar). Filled by CTimeZoneRule, read by FormatTime. The year is 64-bit so
// that every 64-bit count of seconds has a calendar form.
struct CalendarTime {
    int64_t year = 1970;       // full year; 0 is 1 BC, and so on
    int month = 1;             // 1 .. 12
    int day = 1;               // 1 .. 31
    int hour = 0;              // 0 .. 23
    int minute = 0;            // 0 .. 59
    int second = 0;            // 0 .. 59
    int weekday = 4;           // 0 = Sunday .. 6 = Saturday
    int yearday = 0;           // 0 = 1 January .. 365
    bool is_daylight = false;  // daylight-saving time was in force
    int utc_offset = 0;        // seconds east of UTC in force at that moment

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};
