#pragma once

#include <cstdint>

#include "platform/cp932.h"

class CQuillmarkSystem;

// The texts of the main status bar's clock panes, as plain functions of the settings and
// the time, so that what the operator reads there is tested without a window.
namespace main_status_texts {

// The time-zone pane: "UTC" while dates are shown in UTC; otherwise "Local [" + the zone's
// names + "]": the daylight name followed by the standard name in parentheses when the zone
// keeps daylight-saving time, the one name it has otherwise, "JST" when it has none.
Cp932 TimeZoneIndicator(bool display_utc, const Cp932& standard_name, const Cp932& daylight_name);
// The same for the settings and the process's own zone.
Cp932 TimeZoneIndicator(const CQuillmarkSystem& settings);
// The clock pane: now under DateDisplayString in the display zone; empty while the clock
// is switched off.
Cp932 Clock(const CQuillmarkSystem& settings, int64_t now);

}  // namespace main_status_texts
