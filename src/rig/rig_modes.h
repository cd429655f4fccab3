#pragma once

#include <array>
#include <string_view>

#include "platform/cp932.h"

// The radio's modes as Hamlib names them, and the mode text of the contest each becomes
// (one of the log entry wizard's list). The table is what the help page shows.
namespace rig_modes {

struct Mapping {
    const char* radio;    // Hamlib's name ("USB", "PKTUSB")
    const char* contest;  // the mode text, UTF-8 ("AM(SSB)")
};

const std::array<Mapping, 14>& Table();
// The contest's mode text (CP932) for a radio mode; empty for one the table does not know.
Cp932 ContestModeOf(std::string_view radio_mode);

}  // namespace rig_modes
