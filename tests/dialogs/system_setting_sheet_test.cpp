#include "dialogs/system_setting_sheet.h"

#include <gtest/gtest.h>

#include "dialog_golden.h"
#include "dialogs/summary_sheet_dialog.h"
#include "settings/quillmark_system.h"

namespace {

using namespace dialog_test;

std::string Seen(const SettingCheck& check) {
    return std::to_string(check.passed) + ", focus " + std::to_string(check.focus) + " [" +
           U(check.caption) + "] " + U(check.warning) + "\n";
}

// Each page's check of the default points and the decimals (a wrong number on another page
// does not hold this one), then the replacement pairs that cannot work (an empty source, a
// destination that feeds the source; a double-byte source character is one character, not
// two bytes to look for), with their warnings and focus in the golden file.
TEST(SystemSettingSheet, NumbersOutOfRangeAndPairsThatCannotWorkAreRefused) {
    const std::array<int, 3> cases[] = {{CSystemSettingSheet::kAddingLogData, 1, 3},
                                        {CSystemSettingSheet::kAddingLogData, 30000, 3},
                                        {CSystemSettingSheet::kAddingLogData, 0, 3},
                                        {CSystemSettingSheet::kAddingLogData, 30001, 3},
                                        {CSystemSettingSheet::kDisplaying, 1, 0},
                                        {CSystemSettingSheet::kDisplaying, 1, 6},
                                        {CSystemSettingSheet::kSystem, 0, 9}};
    std::string seen;
    for (const auto& [page, points, decimals] : cases) {
        CSystemSettingSheet sheet;
        sheet.GetValues().default_points = points;
        sheet.GetValues().under_decimal_point = decimals;
        seen += "page " + std::to_string(page) + " points " + std::to_string(points) +
                " decimals " + std::to_string(decimals) + ": " + Seen(sheet.CheckPage(page));
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
    struct Case {
        const char* marks;
        int decimals;
        int utc;
        bool redraw;
    } const cases[] = {
        {"/,.", 3, 0, false}, {"/-", 3, 0, false},  // only the later delimiters changed
        {"-/,.", 3, 0, true}, {"/,.", 2, 0, true}, {"/,.", 3, 1, true},
    };
    for (const Case& c : cases) {
        CQuillmarkSystem settings;
        settings.Validate(false);
        CSystemSettingSheet sheet;
        sheet.FillFrom(settings);
        sheet.GetValues().punctuation_marks = c.marks;
        sheet.GetValues().under_decimal_point = c.decimals;
        sheet.GetValues().display_utc = c.utc;
        EXPECT_EQ(sheet.ApplyTo(settings), c.redraw) << c.marks << c.decimals << c.utc;
        EXPECT_EQ(settings.GetPunctuationMarks(), c.marks);
    }
}

TEST(SystemSettingSheet, AnEmptyPairListBecomesTheDefaultPairsOfTheNewDelimiter) {
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
}

TEST(SummarySheetDialog, CoefficientIsCheckedOnlyWhileUsedAndChangesRedraw) {
    CQuillmarkSystem settings;
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
