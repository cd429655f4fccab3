#include "document/export_mode_table.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "dialogs/log_data_input_pages.h"
#include "platform/safe_file.h"

namespace {

using Cells = std::vector<std::string>;

Cells CellsOf(const export_mode::Row& row) {
    const auto dash = [](std::string_view cell) {
        return cell.empty() ? std::string("—") : std::string(cell);
    };
    return {std::string(row.mode), dash(row.jarl), dash(row.cabrillo), dash(row.adif_mode),
            std::string(row.adif_submode)};
}

TEST(ExportModeTable, CoversTheWizardsModeListInItsOrder) {
    std::vector<std::string> wizard;
    for (const Cp932& mode : CLogDataInput_ElectricWaveType::GetModeList()) {
        wizard.push_back(mode);
    }
    wizard.erase(wizard.begin());  // "（指定しない）"
    std::vector<std::string> listed;
    for (const export_mode::Row& row : export_mode::Table()) {
        if (row.in_wizard_list) {
            listed.emplace_back(row.mode);
        }
    }
    EXPECT_EQ(listed, wizard);
}

// No rig mode (CW-U, USB, PKTUSB) can leak into Cabrillo's mode column, and a submode never
// stands without its mode.
TEST(ExportModeTable, CabrilloGetsOnlyItsFiveModesAndSubmodesHaveAMode) {
    const std::set<std::string_view> cabrillo = {"", "CW", "PH", "FM", "RY", "DG"};
    for (const export_mode::Row& row : export_mode::Table()) {
        EXPECT_TRUE(cabrillo.count(row.cabrillo)) << row.mode;
        EXPECT_TRUE(row.adif_submode.empty() || !row.adif_mode.empty()) << row.mode;
    }
}

TEST(ExportModeTable, FindsATextWhateverItsCaseAndBlanks) {
    ASSERT_NE(export_mode::Find(" a3j "), nullptr);
    EXPECT_EQ(export_mode::Find(" a3j ")->cabrillo, "PH");
    EXPECT_EQ(export_mode::Find("usb")->adif_submode, "USB");
    EXPECT_EQ(export_mode::Find(""), nullptr);
    EXPECT_EQ(export_mode::Find("CW-U"), nullptr);
}

// The help page shows the table the exporters use, row for row.
TEST(ExportModeTable, IsTheTableOfTheHelpPage) {
    std::string page;
    ASSERT_TRUE(safe_file::ReadWholeFile(
        std::string(QUILLMARK_SOURCE_DIR) + "/data/help/index.html", page));
    const size_t start = page.find("<a name=\"submission\">");
    ASSERT_NE(start, std::string::npos);
    const std::string section = page.substr(start, page.find("</table>", start) - start);
    std::vector<Cells> shown;
    const std::regex row(
        "<tr><td>(.*?)</td><td>(.*?)</td><td>(.*?)</td><td>(.*?)</td><td>(.*?)</td></tr>");
    for (auto it = std::sregex_iterator(section.begin(), section.end(), row);
         it != std::sregex_iterator(); ++it) {
        shown.push_back({(*it)[1], (*it)[2], (*it)[3], (*it)[4], (*it)[5]});
    }
    std::vector<Cells> table;
    for (const export_mode::Row& r : export_mode::Table()) {
        table.push_back(CellsOf(r));
    }
    EXPECT_EQ(shown, table);
}

}  // namespace
