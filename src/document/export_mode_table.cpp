#include "document/export_mode_table.h"

#include <array>

namespace export_mode {
namespace {

// The old emission classes of the wizard's list read as the letters say: A amplitude and
// F frequency modulation; 1 keyed carrier (Morse, or frequency-shift keying for F1 = RTTY);
// 2 Morse by a keyed tone (MCW), so CW; 3 telephony, A3A/A3H/A3J being single sideband;
// 4 facsimile; 5 television; 9 composite emissions, which name no one mode and are left
// without a submission mode. Cabrillo knows no image modes.
constexpr std::array<Row, 28> kRows = {{
    {"CW", "CW", "CW", "CW", "", true},
    {"AM(DSB)", "AM", "PH", "AM", "", true},
    {"AM(SSB)", "SSB", "PH", "SSB", "", true},
    {"FM", "FM", "FM", "FM", "", true},
    {"A1", "CW", "CW", "CW", "", true},
    {"A2", "CW", "CW", "CW", "", true},
    {"A3", "AM", "PH", "AM", "", true},
    {"A3A", "SSB", "PH", "SSB", "", true},
    {"A3H", "SSB", "PH", "SSB", "", true},
    {"A3J", "SSB", "PH", "SSB", "", true},
    {"A5", "ATV", "", "ATV", "", true},
    {"A5C", "ATV", "", "ATV", "", true},
    {"A9", "", "", "", "", true},
    {"A9C", "", "", "", "", true},
    {"F1", "RTTY", "RY", "RTTY", "", true},
    {"F2", "CW", "CW", "CW", "", true},
    {"F3", "FM", "FM", "FM", "", true},
    {"F4", "FAX", "", "FAX", "", true},
    {"F5", "ATV", "", "ATV", "", true},
    {"F9", "", "", "", "", true},
    {"SSB", "SSB", "PH", "SSB", "", false},
    {"USB", "SSB", "PH", "SSB", "USB", false},
    {"LSB", "SSB", "PH", "SSB", "LSB", false},
    {"AM", "AM", "PH", "AM", "", false},
    {"RTTY", "RTTY", "RY", "RTTY", "", false},
    {"PSK31", "PSK", "DG", "PSK", "PSK31", false},
    {"FT8", "FT8", "DG", "FT8", "", false},
    {"FT4", "FT4", "DG", "MFSK", "FT4", false},
}};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::span<const Row> Table() {
    return kRows;
}

const Row* Find(std::string_view mode) {
    while (!mode.empty() && mode.front() == ' ') {
        mode.remove_prefix(1);
    }
    while (!mode.empty() && mode.back() == ' ') {
        mode.remove_suffix(1);
    }
    if (mode.empty()) {
        return nullptr;
    }
    for (const Row& row : kRows) {
        if (SameIgnoringCase(row.mode, mode)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace export_mode
