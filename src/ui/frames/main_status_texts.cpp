#include "ui/frames/main_status_texts.h"

#include "platform/time_format.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"

namespace main_status_texts {

Cp932 TimeZoneIndicator(bool display_utc, const Cp932& standard_name, const Cp932& daylight_name) {
    if (display_utc) {
        return "UTC";
    }
    if (standard_name.empty() && daylight_name.empty()) {
        return "Local [JST]";
    }
    if (standard_name.empty()) {
        return "Local [" + daylight_name + "]";
    }
    if (daylight_name.empty()) {
        return "Local [" + standard_name + "]";
    }
    return "Local [" + daylight_name + " (" + standard_name + ")]";
}

Cp932 TimeZoneIndicator(const CQuillmarkSystem& settings) {
    const CTimeZoneRule local = CTimeZoneRule::Local();
    return TimeZoneIndicator(settings.IsDisplayingUtc(), local.StandardName(),
                             local.DaylightName());
}

Cp932 Clock(const CQuillmarkSystem& settings, int64_t now) {
    if (settings.GetIsDisplayingDateEnabled() != 1) {
        return {};
    }
    return FormatTime(settings.GetDateDisplayString(), now, settings.GetDisplayTimeZoneRule());
}

}  // namespace main_status_texts
