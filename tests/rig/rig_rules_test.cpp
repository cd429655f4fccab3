#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "../model/model_test_util.h"
#include "../platform/golden.h"
#include "dialogs/band_information_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/safe_file.h"
#include "rig/band_plan.h"
#include "rig/rig_modes.h"
#include "rig/rig_status_text.h"
#include "settings/memory_settings_store.h"
#include "settings/rig_settings.h"

namespace {

using model_test::Band;

// The contest band the radio's frequency falls in (7 MHz is in kHz in the contest; the
// customary 1200 label lies below the allocation; of two contest bands in one amateur band
// the nearer; -1 for an amateur band the contest lacks or no band at all), the amateur band
// (-1: none) and the frequency as the pane shows it; then the radio's modes as the log's and the
// pane's texts, in the golden file.
TEST(BandPlan, TheRadioFindsTheContestsBandWhateverItsUnitOrLabel) {
    CQuillmarkData_MainData contest;
    for (const auto& [frequency, unit] : std::initializer_list<std::pair<double, int>>{
             {1.9, 6}, {3.5, 6}, {7000, 3}, {1200, 6}, {10.1, 9}, {144, 6}, {145.5, 6}}) {
        ASSERT_GE(contest.AddBand(Band(frequency, unit)), 0);
    }
    std::ostringstream seen;
    for (const double hz : {7.0e6, 7.3e6, 3.799e6, 1.8105e6, 1295.0e6, 10.2e9, 144.1e6, 145.6e6,
                            14.025e6, 7.301e6, 21.2e6, 9.0e6, 0.0, 7.0255e6, 1296.1e6}) {
        const int index = band_plan::ContestBandOf(contest, hz);
        const auto band = band_plan::BandOf(hz);
        seen << hz << " Hz: contest band "
             << (index < 0 ? -1.0 : contest.GetBandAt(index)->GetBand().GetFrequency())
             << ", amateur band " << (band ? band->label : -1.0) << ", "
             << band_plan::FrequencyText(hz) << "\n";
    }
    // Hamlib's names are upper case.
    for (const char* mode : {"LSB", "AM", "PKTUSB", "", "usb"}) {
        seen << "mode " << mode << ": " << Cp932ToUtf8(rig_modes::ContestModeOf(mode)) << "\n";
    }
    seen << rig_status_text::Connected(7.025e6, "CW") << "\n"
         << rig_status_text::Connected(7.025e6, "") << "\n"
         << rig_status_text::NotConnected("応答がありません") << "\n"
         << rig_status_text::NotConnected("") << "\n";
    platform_test::ExpectGolden("rig/band_plan", seen.str());
}

TEST(RigSettings, OffByDefaultLeavesTheStoreAloneAndBadValuesBecomeDefaults) {
    CMemorySettingsStore store;
    CRigSettings rig;
    rig.Load(store);
    EXPECT_EQ(rig, CRigSettings());
    rig.Save(store);
    EXPECT_TRUE(store.GetKeys("RigControl").empty());

    rig.connection = CRigSettings::kRigctld;
    rig.host = "shack.local";
    rig.network_port = 4533;
    rig.Save(store);
    CRigSettings loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded, rig);
    // Turned off again: the stored connection must say so.
    rig.connection = CRigSettings::kOff;
    rig.Save(store);
    loaded.Load(store);
    EXPECT_EQ(loaded.connection, CRigSettings::kOff);

    store.SetInt("RigControl", "Connection", 7);
    store.SetInt("RigControl", "Speed", 1234);
    store.SetInt("RigControl", "NetworkPort", 70000);
    store.SetString("RigControl", "Host", "");
    loaded.Load(store);
    EXPECT_EQ(loaded, CRigSettings());
}

TEST(RigSettingPage, ChecksTheChosenConnectionOnlyAndReportsAChange) {
    CSystemSettingSheet sheet;
    CRigSettings rig;
    sheet.FillRigFrom(rig);
    CRigSettings& shown = sheet.GetValues().rig;
    shown.serial_port.clear();
    shown.host.clear();
    EXPECT_TRUE(sheet.CheckPage(CSystemSettingSheet::kRadio).passed);  // off: nothing to check
    shown.connection = CRigSettings::kHamlib;
    SettingCheck check = sheet.CheckPage(CSystemSettingSheet::kRadio);
    EXPECT_FALSE(check.passed);
    EXPECT_EQ(check.focus, CSystemSettingSheet::kRigSerialPortEdit);
    EXPECT_EQ(sheet.FirstFailingPage(), CSystemSettingSheet::kRadio);
    // The daemon's missing host, and the page's title, are the settings window's to show.
    shown.connection = CRigSettings::kRigctld;
    shown.host = "localhost";
    shown.network_port = 0;
    check = sheet.CheckPage(CSystemSettingSheet::kRadio);
    EXPECT_EQ(check.focus, CSystemSettingSheet::kRigNetworkPortEdit);
    EXPECT_EQ(Cp932ToUtf8(check.warning), "1 から 65535 までの整数を入力してください。");
    shown.network_port = 4532;
    EXPECT_TRUE(sheet.ApplyRigTo(rig));
    EXPECT_EQ(rig.connection, CRigSettings::kRigctld);
    EXPECT_FALSE(sheet.ApplyRigTo(rig));
}

// Every radio mode is a mode of the log entry list, and the help page shows the table the
// program uses, row for row.
TEST(RigModes, EachBecomesAModeOfTheListAsTheHelpPageShows) {
    const std::vector<Cp932>& list = CBandInformationDialog::GetModeList();
    for (const rig_modes::Mapping& mapping : rig_modes::Table()) {
        EXPECT_NE(std::find(list.begin(), list.end(), rig_modes::ContestModeOf(mapping.radio)),
                  list.end())
            << mapping.radio;
    }
    std::string page;
    ASSERT_TRUE(safe_file::ReadWholeFile(
        std::string(QUILLMARK_SOURCE_DIR) + "/data/help/index.html", page));
    const size_t start = page.find("<a name=\"radio\">");
    ASSERT_NE(start, std::string::npos);
    const std::string section = page.substr(start, page.find("</table>", start) - start);
    std::vector<std::pair<std::string, std::string>> shown;
    const std::regex row("<tr><td>(.*?)</td><td>(.*?)</td></tr>");
    for (auto it = std::sregex_iterator(section.begin(), section.end(), row);
         it != std::sregex_iterator(); ++it) {
        shown.emplace_back((*it)[1], (*it)[2]);
    }
    std::vector<std::pair<std::string, std::string>> table;
    for (const rig_modes::Mapping& mapping : rig_modes::Table()) {
        table.emplace_back(mapping.radio, mapping.contest);
    }
    EXPECT_EQ(shown, table);
}

}  // namespace
