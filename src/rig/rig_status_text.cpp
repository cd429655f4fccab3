#include "rig/rig_status_text.h"

#include "rig/band_plan.h"

namespace rig_status_text {

std::string Connected(double hz, std::string_view mode) {
    std::string text = "無線機: " + band_plan::FrequencyText(hz);
    if (!mode.empty()) {
        text += " ";
        text += mode;
    }
    return text;
}

std::string NotConnected(std::string_view reason) {
    std::string text = "無線機: 未接続";
    if (!reason.empty()) {
        text += " (";
        text += reason;
        text += ")";
    }
    return text;
}

}  // namespace rig_status_text
