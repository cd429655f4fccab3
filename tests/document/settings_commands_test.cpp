#include "document/settings_commands.h"

#include <gtest/gtest.h>

#include "dialogs/scripted_operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "document_test_util.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::J;

const Cp932 kRedrawing = J("すべてのビューを再描画しています。しばらくお待ちください．．．");
const Cp932 kRedrawn = J("すべてのビューの再描画が終了しました。");

TEST(SettingsCommands, SheetRedrawsBetweenTheTwoStatusTextsOnlyWhenNeeded) {
    CQuillmarkSystem settings;
    CScriptedOperator op;
    int redraws = 0;
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().display_utc = 1;
    });
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().default_points = 7;
    });
    op.AnswerDialog(message_box::kIdCancel, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().default_points = 9;
    });
    const auto redraw = [&] { ++redraws; };
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 1);
    EXPECT_TRUE(settings.IsDisplayingUtc());
    EXPECT_EQ(op.StatusTexts(), (std::vector<Cp932>{kRedrawing, kRedrawn}));
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 1);
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 0);
    EXPECT_EQ(settings.GetDefaultPoints(), 7);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(op.StatusTexts().size(), 2u);
}

TEST(SettingsCommands, SummaryDialogReportsItsEndInTheStatusBar) {
    CQuillmarkSystem settings;
    CScriptedOperator op;
    int redraws = 0;
    op.AnswerDialog(message_box::kIdCancel);
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        auto& dialog = static_cast<CSummarySheetDialog&>(state);
        dialog.SetText(CSummarySheetDialog::kName, J("山田"));
        dialog.SetUseStationParameter(1);
    });
    const auto redraw = [&] { ++redraws; };
    EXPECT_EQ(settings_commands::RunSummarySheetDialog(settings, op, redraw), 0);
    EXPECT_EQ(op.LastStatusText(), J("サマリーシート用情報の設定を中止しました。"));
    EXPECT_EQ(settings_commands::RunSummarySheetDialog(settings, op, redraw), 1);
    EXPECT_EQ(settings.GetName(), J("山田"));
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(op.StatusTexts(),
              (std::vector<Cp932>{J("サマリーシート用情報の設定を中止しました。"), kRedrawing,
                                  kRedrawn, J("サマリーシート用情報の設定を完了しました。")}));
}

}  // namespace
