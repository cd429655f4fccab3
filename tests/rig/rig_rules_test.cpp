#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "../model/model_test_util.h"
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

TEST(BandPlan, TheRadioFindsTheContestsBandWhateverItsUnitOrLabel) {
    CQuillmarkData_MainData contest;
    for (const auto& [frequency, unit] : std::initializer_list<std::pair<double, int>>{
             {1.9, 6}, {3.5, 6}, {7000, 3}, {1200, 6}, {10.1, 9}, {144, 6}, {145.5, 6}}) {
        ASSERT_GE(contest.AddBand(Band(frequency, unit)), 0);
    }
    auto frequency_of = [&](double hz) {
        const int index = band_plan::ContestBandOf(contest, hz);
        return index < 0 ? -1.0 : contest.GetBandAt(index)->GetBand().GetFrequency();
    };
    // Lower edges (7 MHz is in kHz in the contest), the customary 1200 label below the
    // allocation, the nearer of two contest bands in one amateur band, and -1 for an amateur
    // band the contest lacks or a frequency outside every band.
    const double cases[][2] = {{7.0e6, 7000},    {7.3e6, 7000},  {3.799e6, 3.5}, {1.8105e6, 1.9},
                               {1295.0e6, 1200}, {10.2e9, 10.1}, {144.1e6, 144}, {145.6e6, 145.5},
                               {14.025e6, -1},   {7.301e6, -1}};
    for (const auto& [hz, band] : cases) {
        EXPECT_EQ(frequency_of(hz), band) << hz;
    }
    EXPECT_FALSE(band_plan::BandOf(9.0e6));
    EXPECT_FALSE(band_plan::BandOf(0));
    EXPECT_EQ(band_plan::BandOf(21.2e6)->label, 21);
    EXPECT_EQ(band_plan::FrequencyText(7.0255e6), "7.026 MHz");
    EXPECT_EQ(band_plan::FrequencyText(1296.1e6), "1296.100 MHz");
}

TEST(RigModes, EveryRadioModeBecomesAModeOfTheLogEntryList) {
    const std::vector<Cp932>& list = CBandInformationDialog::GetModeList();
    for (const rig_modes::Mapping& mapping : rig_modes::Table()) {
        EXPECT_NE(std::find(list.begin(), list.end(), rig_modes::ContestModeOf(mapping.radio)),
                  list.end())
            << mapping.radio;
    }
    EXPECT_EQ(rig_modes::ContestModeOf("LSB"), "AM(SSB)");
    EXPECT_EQ(rig_modes::ContestModeOf("AM"), "AM(DSB)");
    EXPECT_EQ(rig_modes::ContestModeOf("PKTUSB"), "F1");
    EXPECT_EQ(rig_modes::ContestModeOf(""), "");
    EXPECT_EQ(rig_modes::ContestModeOf("usb"), "");  // Hamlib's names are upper case
}

TEST(RigStatusText, ThePaneSaysFrequencyAndModeOrWhyNot) {
    EXPECT_EQ(rig_status_text::Connected(7.025e6, "CW"), "無線機: 7.025 MHz CW");
    EXPECT_EQ(rig_status_text::Connected(7.025e6, ""), "無線機: 7.025 MHz");
    EXPECT_EQ(rig_status_text::NotConnected("応答がありません"),
              "無線機: 未接続 (応答がありません)");
    EXPECT_EQ(rig_status_text::NotConnected(""), "無線機: 未接続");
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
    EXPECT_EQ(loaded.connection, CRigSettings::kOff);
    EXPECT_EQ(loaded.speed, CRigSettings::kDefaultSpeed);
    EXPECT_EQ(loaded.network_port, CRigSettings::kDefaultNetworkPort);
    EXPECT_EQ(loaded.host, "localhost");
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
    shown.connection = CRigSettings::kRigctld;
    EXPECT_EQ(sheet.CheckPage(CSystemSettingSheet::kRadio).focus,
              CSystemSettingSheet::kRigHostEdit);
    shown.host = "localhost";
    shown.network_port = 0;
    check = sheet.CheckPage(CSystemSettingSheet::kRadio);
    EXPECT_EQ(check.focus, CSystemSettingSheet::kRigNetworkPortEdit);
    EXPECT_EQ(Cp932ToUtf8(check.warning), "1 から 65535 までの整数を入力してください。");
    shown.network_port = 4532;
    EXPECT_TRUE(sheet.ApplyRigTo(rig));
    EXPECT_EQ(rig.connection, CRigSettings::kRigctld);
    EXPECT_FALSE(sheet.ApplyRigTo(rig));
    EXPECT_EQ(Cp932ToUtf8(CSystemSettingSheet::GetPageTitle(CSystemSettingSheet::kRadio)),
              "無線機");
}

// The help page shows the table the program uses, row for row.
TEST(RigModes, IsTheTableOfTheHelpPage) {
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
