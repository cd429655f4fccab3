#include "dialogs/system_setting_sheet.h"

#include <gtest/gtest.h>

#include "../platform/case_table.h"
#include "dialog_golden.h"
#include "dialogs/summary_sheet_dialog.h"
#include "settings/quillmark_system.h"

namespace {

using namespace dialog_test;
using platform_test::CaseRow;
using platform_test::CaseTable;

std::string Seen(const SettingCheck& check) {
    return std::to_string(check.passed) + ", focus " + std::to_string(check.focus) + " [" +
           U(check.caption) + "] " + U(check.warning) + "\n";
}

// Each page's check of the default points and the decimals (a wrong number on another page
// does not hold this one), then the replacement pairs that cannot work (an empty source, a
// destination that feeds the source; a double-byte source character is one character, not
// two bytes to look for), with their warnings and focus in the golden file.
TEST(SystemSettingSheet, NumbersOutOfRangeAndPairsThatCannotWorkAreRefused) {
    std::string seen;
    for (const CaseRow& row : CaseTable("dialogs/setting_numbers.txt", 3)) {
        CSystemSettingSheet sheet;
        sheet.GetValues().default_points = std::stoi(row[1]);
        sheet.GetValues().under_decimal_point = std::stoi(row[2]);
        seen += "page " + row[0] + " points " + row[1] + " decimals " + row[2] + ": " +
                Seen(sheet.CheckPage(std::stoi(row[0])));
    }
    CSystemSettingSheet sheet;
    sheet.GetValues().under_decimal_point = 9;
    EXPECT_EQ(sheet.FirstFailingPage(), CSystemSettingSheet::kDisplaying);
    seen += "add empty: " + Seen(sheet.AddPair("", "x"));
    seen += "add ab -> xbx: " + Seen(sheet.AddPair("ab", "xbx"));
    seen += "add ＝ -> 59/: " + Seen(sheet.AddPair(J("＝"), "59/"));
    seen += "change 0 to ＝ -> ５＝: " + Seen(sheet.ChangePair(0, J("＝"), J("５＝")));
    seen += "change 5: " + Seen(sheet.ChangePair(5, "a", "b"));
    seen += "change 0 to = -> 59/: " + Seen(sheet.ChangePair(0, "=", "59/"));
    ExpectGolden("dialogs/system_setting_checks", seen);
    ASSERT_EQ(sheet.GetValues().pairs.size(), 1u);
    EXPECT_EQ(sheet.GetValues().pairs[0].source, "=");
    EXPECT_TRUE(sheet.RemovePair(0));
    EXPECT_FALSE(sheet.RemovePair(0));
}

TEST(SystemSettingSheet, OkRedrawsOnlyWhenWhatTheViewsShowChanged) {
    for (const CaseRow& row : CaseTable("dialogs/setting_redraws.txt", 4)) {
        CQuillmarkSystem settings;
        settings.Validate(false);
        CSystemSettingSheet sheet;
        sheet.FillFrom(settings);
        sheet.GetValues().punctuation_marks = row[0];
        sheet.GetValues().under_decimal_point = std::stoi(row[1]);
        sheet.GetValues().display_utc = std::stoi(row[2]);
        EXPECT_EQ(sheet.ApplyTo(settings), row[3] == "redraws") << row[0] << row[1] << row[2];
        EXPECT_EQ(settings.GetPunctuationMarks(), row[0]);
    }
}

// An empty pair list becomes the default pairs of the new delimiter; the summary dialog checks
// its coefficient only while it is used, and its changes redraw.
TEST(SystemSettingSheet, AnEmptyPairListBecomesTheDefaultsAndTheCoefficientIsCheckedWhileUsed) {
    CQuillmarkSystem settings;
    CSystemSettingSheet sheet;
    sheet.FillFrom(settings);
    sheet.GetValues().punctuation_marks = "-";
    sheet.GetValues().pairs.clear();
    sheet.ApplyTo(settings);
    ASSERT_EQ(settings.GetReplacementPairCount(), 2);
    EXPECT_EQ(settings.GetDestinationCharacters(1), "59-");
    sheet.RestoreDefaultPairs();
    EXPECT_EQ(sheet.GetValues().pairs[0], (CSystemSettingSheet::Pair{" ", "-"}));
    CSummarySheetDialog dialog;
    dialog.FillFrom(settings);
    dialog.SetStationParameter(0);
    EXPECT_TRUE(dialog.Check().passed);
    dialog.SetUseStationParameter(1);
    EXPECT_EQ(dialog.Check().warning, J("1 から 100 までの整数を入力してください。"));
    dialog.SetStationParameter(100);
    EXPECT_TRUE(dialog.Check().passed);
    dialog.SetText(CSummarySheetDialog::kRemarks, J("意見\r\n二行目"));
    EXPECT_TRUE(dialog.ApplyTo(settings));
    EXPECT_EQ(settings.GetRemarks(), J("意見\r\n二行目"));
    EXPECT_FALSE(dialog.ApplyTo(settings));  // nothing changed the second time
    dialog.SetUseStationParameter(0);
    dialog.SetStationParameter(7);
    EXPECT_TRUE(dialog.ApplyTo(settings));
    dialog.SetStationParameter(8);  // not used: the score does not change
    EXPECT_FALSE(dialog.ApplyTo(settings));
}

}  // namespace
