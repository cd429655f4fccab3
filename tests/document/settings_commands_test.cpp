#include "document/settings_commands.h"

#include <gtest/gtest.h>

#include "../platform/golden.h"
#include "dialogs/scripted_operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "document_test_util.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::J;

// The sheet's status texts come only around a redraw, which only a change the views show
// asks for; the summary dialog's end is told either way. Statuses and dialogs in the golden.
TEST(SettingsCommands, TheSheetRedrawsOnlyWhenNeededAndTheSummaryDialogTellsItsEnd) {
    CQuillmarkSystem settings;
    CScriptedOperator op;
    int redraws = 0;
    const auto redraw = [&] { ++redraws; };
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().display_utc = 1;
    });
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().default_points = 7;
    });
    op.AnswerDialog(message_box::kIdCancel, [](CDialogState& state, int) {
        static_cast<CSystemSettingSheet&>(state).GetValues().default_points = 9;
    });
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 1);
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 1);
    EXPECT_EQ(settings_commands::RunSettingsSheet(settings, op, redraw), 0);
    EXPECT_TRUE(settings.IsDisplayingUtc());
    EXPECT_EQ(settings.GetDefaultPoints(), 7);
    EXPECT_EQ(redraws, 1);

    op.AnswerDialog(message_box::kIdCancel);
    op.AnswerDialog(message_box::kIdOk, [](CDialogState& state, int) {
        auto& dialog = static_cast<CSummarySheetDialog&>(state);
        dialog.SetText(CSummarySheetDialog::kName, J("山田"));
        dialog.SetUseStationParameter(1);
    });
    EXPECT_EQ(settings_commands::RunSummarySheetDialog(settings, op, redraw), 0);
    EXPECT_EQ(settings_commands::RunSummarySheetDialog(settings, op, redraw), 1);
    EXPECT_EQ(settings.GetName(), J("山田"));
    EXPECT_EQ(redraws, 2);
    platform_test::ExpectGolden("document/settings_commands", op.Transcript());
}

}  // namespace
