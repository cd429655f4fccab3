#pragma once

#include <span>
#include <string_view>

// The one table that turns the mode text of a contact (the modes of the log entry wizard's
// list, plus a few texts that older files and other programs put there) into the mode of each
// submission format: the JARL electronic log's MODE column, Cabrillo's two-letter mode and
// ADIF's MODE with its SUBMODE. The help page shows the same table. An empty cell means the
// format has no mode for it: such a contact cannot be written in that format. Used by the
// three submission exporters.
namespace export_mode {

struct Row {
    std::string_view mode;          // the contact's mode text (ASCII in every row)
    std::string_view jarl;          // JARL electronic log: CW, SSB, AM, FM, RTTY, …
    std::string_view cabrillo;      // CW, PH, FM, RY, DG
    std::string_view adif_mode;     // an ADIF MODE enumeration value
    std::string_view adif_submode;  // its SUBMODE, empty when none applies
    bool in_wizard_list;            // false for the texts only older files carry
};

std::span<const Row> Table();

// The row of a mode text (ASCII letters compared without case, surrounding blanks ignored);
// null for an empty or unknown text.
const Row* Find(std::string_view mode);

}  // namespace export_mode
