#include "rig/rig_modes.h"

#include "platform/cp932_convert.h"

namespace rig_modes {

const std::array<Mapping, 14>& Table() {
    // Teletype by frequency shift is F1; data through an SSB or FM transmitter comes nearest
    // to F1 and F2 of the list.
    static const std::array<Mapping, 14> table = {{
        {"CW", "CW"},
        {"CWR", "CW"},
        {"USB", "AM(SSB)"},
        {"LSB", "AM(SSB)"},
        {"AM", "AM(DSB)"},
        {"AMS", "AM(DSB)"},
        {"FM", "FM"},
        {"WFM", "FM"},
        {"FMN", "FM"},
        {"RTTY", "F1"},
        {"RTTYR", "F1"},
        {"PKTUSB", "F1"},
        {"PKTLSB", "F1"},
        {"PKTFM", "F2"},
    }};
    return table;
}

Cp932 ContestModeOf(std::string_view radio_mode) {
    for (const Mapping& mapping : Table()) {
        if (radio_mode == mapping.radio) {
            return Utf8ToCp932(mapping.contest);
        }
    }
    return {};
}

}  // namespace rig_modes
