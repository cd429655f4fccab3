#include "dialogs/import_dialog.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"

namespace {

using namespace doc_test;

TEST(ImportDialog, OkNeedsASelectedRowOfTheListAndRunningAgainForgetsTheChoice) {
    CQuillmarkData_MainData contest = Contest();
    CImportDialog dialog;
    ASSERT_TRUE(dialog.AddCandidate("a.qmk", &contest));
    CScriptedOperator op;
    EXPECT_FALSE(dialog.OnOK(op));
    EXPECT_EQ(MessagesOf(op),
              (std::vector<Shown>{
                  {"アイテムが選択されていません。インポートしたいファイルを選択してください。",
                   "クイルマーク - インポート", kWarning}}));
    EXPECT_EQ(dialog.GetChosenContest(), nullptr);
    dialog.SetSelectedRow(0);
    EXPECT_TRUE(dialog.OnOK(op));
    EXPECT_EQ(dialog.GetChosenContest(), &contest);
    EXPECT_EQ(op.Messages().size(), 1u);
    op.AnswerDialog(message_box::kIdCancel);
    EXPECT_EQ(dialog.DoModal(op), message_box::kIdCancel);
    EXPECT_EQ(dialog.GetChosenContest(), nullptr);

    // A selection outside the list selects nothing.
    EXPECT_FALSE(dialog.AddCandidate("none", nullptr));
    for (int row : {1, -2, 100}) {
        dialog.SetSelectedRow(0);
        dialog.SetSelectedRow(row);
        EXPECT_EQ(dialog.GetSelectedRow(), -1) << row;
    }
    EXPECT_EQ(dialog.GetRowTexts(1), (std::array<Cp932, 5>{}));
    EXPECT_EQ(dialog.GetCandidateContest(-1), nullptr);
}

}  // namespace
