#pragma once

#include <string>
#include <string_view>

// What the main status bar's radio pane reads: "7.025 MHz CW" while the radio answers,
// "無線機: 未接続 (応答がありません)" while it does not (UTF-8).
namespace rig_status_text {

std::string Connected(double hz, std::string_view mode);
std::string NotConnected(std::string_view reason);

}  // namespace rig_status_text
