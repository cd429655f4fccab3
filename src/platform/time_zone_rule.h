#pragma once

#include <cstdint>
#include <optional>

#include "platform/calendar_time.h"
#include "platform/cp932.h"

// The rule that turns stored times (seconds since 1970-01-01 00:00 UTC) into the calendar
// fields shown to the operator, and the fields the operator enters back into seconds: the
// process's local time zone (TZ as the process was started with) or UTC. The settings pick
// one from the UTC display switch and hand it to every view, printout and export. The rule
// only reads the time-zone environment, never changes it, so rules of both kinds can be used
// side by side. Every 64-bit time converts: where the C library cannot (years beyond its
// range), the calendar is computed directly with the zone's offset at the nearest moment it
// can handle.
class CTimeZoneRule {
public:
    static CTimeZoneRule Local();
    static CTimeZoneRule Utc();
    static CTimeZoneRule ForDisplay(bool is_display_utc) {
        return is_display_utc ? Utc() : Local();
    }

    bool IsUtc() const { return utc_; }

    CalendarTime ToCalendarTime(int64_t seconds) const;

    // The moment named by year, month, day, hour, minute and second (the other fields are
    // ignored). Fields outside their range carry over as the calendar does: 31 April is
    // 1 May, hour 24 is the next day, month 0 is December of the year before. For a local
    // time that falls twice or never (daylight-saving changes) the C library's choice holds.
    // nullopt only when the moment lies outside the 64-bit range of seconds.
    std::optional<int64_t> ToSeconds(const CalendarTime& fields) const;

    // Zone names as the C library has them, e.g. "JST"; "UTC" for the UTC rule. The daylight
    // name is empty when the zone keeps no daylight-saving time in the current year.
    Cp932 StandardName() const;
    Cp932 DaylightName() const;

    friend bool operator==(const CTimeZoneRule&, const CTimeZoneRule&) = default;

private:
    explicit CTimeZoneRule(bool utc) : utc_(utc) {}

    bool utc_;
};

// The current time, seconds since 1970-01-01 00:00 UTC.
int64_t CurrentTime();
