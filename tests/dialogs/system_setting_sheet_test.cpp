#include "dialogs/system_setting_sheet.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "dialogs/summary_sheet_dialog.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::J;

TEST(SystemSettingSheet, NumbersOutsideTheirRangeKeepTheirPageWithTheRangeMessage) {
    struct Case {
        int page;
        int points;
        int decimals;
        bool passes;
        const char* message;
        int focus;
    } const cases[] = {
        {CSystemSettingSheet::kAddingLogData, 1, 3, true, "", 0},
        {CSystemSettingSheet::kAddingLogData, 30000, 3, true, "", 0},
        {CSystemSettingSheet::kAddingLogData, 0, 3, false,
         "1 から 30000 までの整数を入力してください。", CSystemSettingSheet::kDefaultPointsEdit},
        {CSystemSettingSheet::kAddingLogData, 30001, 3, false,
         "1 から 30000 までの整数を入力してください。", CSystemSettingSheet::kDefaultPointsEdit},
        {CSystemSettingSheet::kDisplaying, 1, 0, true, "", 0},
        {CSystemSettingSheet::kDisplaying, 1, 6, false, "0 から 5 までの整数を入力してください。",
         CSystemSettingSheet::kUnderDecimalPointEdit},
        // A wrong number on another page does not hold this one.
        {CSystemSettingSheet::kSystem, 0, 9, true, "", 0},
    };
    for (const Case& c : cases) {
        CSystemSettingSheet sheet;
        sheet.GetValues().default_points = c.points;
        sheet.GetValues().under_decimal_point = c.decimals;
        const SettingCheck check = sheet.CheckPage(c.page);
        EXPECT_EQ(check.passed, c.passes) << c.page << " " << c.points << " " << c.decimals;
        EXPECT_EQ(check.warning, J(c.message));
        EXPECT_EQ(check.focus, c.focus);
        if (!c.passes) {
            EXPECT_EQ(check.caption, J("クイルマーク"));
        }
    }
    CSystemSettingSheet sheet;
    sheet.GetValues().under_decimal_point = 9;
    EXPECT_EQ(sheet.FirstFailingPage(), CSystemSettingSheet::kDisplaying);
}

TEST(SystemSettingSheet, PairsThatCannotWorkAreRefusedWithAWarning) {
    CSystemSettingSheet sheet;
    EXPECT_FALSE(sheet.AddPair("", "x").passed);
    const SettingCheck feeding = sheet.AddPair("ab", "xbx");
    EXPECT_FALSE(feeding.passed);
    EXPECT_EQ(feeding.caption, J("クイルマーク - 警告"));
    EXPECT_EQ(feeding.focus, CSystemSettingSheet::kPairDestinationEdit);
    // A double-byte source character is one character, not two bytes to look for.
    EXPECT_TRUE(sheet.AddPair(J("＝"), "59/").passed);
    EXPECT_FALSE(sheet.ChangePair(0, J("＝"), J("５＝")).passed);
    EXPECT_FALSE(sheet.ChangePair(5, "a", "b").passed);
    EXPECT_TRUE(sheet.ChangePair(0, "=", "59/").passed);
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
