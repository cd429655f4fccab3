#include "dialogs/progress_dialog.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"

namespace {

using doc_test::J;
using doc_test::U;
using Kind = CScriptedOperator::Event::Kind;

std::vector<Kind> KindsOf(const CScriptedOperator& op) {
    std::vector<Kind> kinds;
    for (const auto& event : op.Events()) {
        kinds.push_back(event.kind);
    }
    return kinds;
}

TEST(ProgressDialog, ShowCreatesTheWindowWithEveryFieldThenUpdatesPartByPart) {
    CScriptedOperator op;
    CProgressDialog progress(op);
    progress.SetProgressText(0, J("クイルマーク - 旧バージョンのデータファイルのコンバート"));
    progress.SetProgressText(1, "one");
    progress.SetProgressRange(0, 200);
    progress.SetProgressPos(50);
    progress.EnableCancel(true);
    progress.Show();
    EXPECT_EQ(progress.GetState(), CProgressDialog::kStateShown);
    ASSERT_EQ(op.Events().size(), 6u) << op.Transcript();
    EXPECT_EQ(op.Events()[1].text, J("クイルマーク - 旧バージョンのデータファイルのコンバート"));
    EXPECT_EQ(op.Events()[2].text, "one\n\n");
    EXPECT_EQ(op.Events()[3].text, "0-200");
    EXPECT_EQ(op.Events()[4].text, J("25 % 完了"));
    EXPECT_EQ(op.Events()[5].value, 1);

    op.ClearRecords();
    progress.SetProgressText(2, "two");
    progress.SetProgressPos(100);
    progress.SetProgressRange(0, 400);
    progress.EnableCancel(false);
    EXPECT_EQ(KindsOf(op), (std::vector<Kind>{Kind::progress_lines, Kind::progress_position,
                                              Kind::progress_range, Kind::progress_cancel_button}));
    EXPECT_EQ(op.Events()[0].text, "one\ntwo\n");
    EXPECT_EQ(op.Events()[1].text, J("50 % 完了"));
    EXPECT_EQ(op.Events()[3].value, 0);
    // The caption is sent only when it changes.
    op.ClearRecords();
    progress.SetProgressText(0, J("クイルマーク - 旧バージョンのデータファイルのコンバート"));
    EXPECT_TRUE(op.Events().empty());
    progress.SetProgressText(0, "other");
    EXPECT_EQ(KindsOf(op), std::vector<Kind>{Kind::progress_caption});
}

TEST(ProgressDialog, PercentIsPositionTimesHundredOverTheSpan) {
    const struct {
        int lower, upper, position;
        const char* text;
    } cases[] = {{0, 100, 0, "0 % 完了"},
                 {0, 100, 100, "100 % 完了"},
                 {0, 3, 1, "33 % 完了"},
                 {0, 200, 199, "99 % 完了"},
                 {10, 10, 5, "0 % 完了"},  // empty range: no division by zero
                 {0, 1, 2000000000, "200000000000 % 完了"}};
    for (const auto& c : cases) {
        CScriptedOperator op;
        CProgressDialog progress(op);
        progress.SetProgressRange(c.lower, c.upper);
        progress.SetProgressPos(c.position);
        EXPECT_EQ(U(progress.GetPercentText()), c.text);
    }
}

TEST(ProgressDialog, CancelButtonSetsCancelledUntilTheNextShow) {
    CScriptedOperator op;
    CProgressDialog progress(op);
    progress.EnableCancel(true);
    progress.Show();
    op.CancelProgressAfterPumps(2);
    progress.Sink().PumpEvents();
    EXPECT_FALSE(progress.IsCancelled());
    progress.Sink().PumpEvents();
    EXPECT_TRUE(progress.IsCancelled());
    progress.Close();
    EXPECT_TRUE(progress.IsCancelled());
    progress.Show();
    EXPECT_FALSE(progress.IsCancelled());
}

TEST(ProgressDialog, CloseHidesAndTheDestructorClosesAShownWindow) {
    CScriptedOperator op;
    {
        CProgressDialog progress(op);
        progress.Show();
        EXPECT_TRUE(op.IsProgressShown());
        progress.Close();
        EXPECT_EQ(progress.GetState(), CProgressDialog::kStateHidden);
        EXPECT_FALSE(op.IsProgressShown());
        progress.Close();  // a second close does nothing
        progress.Show();
        progress.Show();  // and a second show creates no second window
    }
    EXPECT_FALSE(op.IsProgressShown());
    EXPECT_EQ(KindsOf(op).back(), Kind::progress_close);
    int shows = 0;
    for (Kind kind : KindsOf(op)) {
        shows += kind == Kind::progress_show ? 1 : 0;
    }
    EXPECT_EQ(shows, 2);
}

// Records the progress state while a message box is up.
class StateWatchingOperator : public CScriptedOperator {
public:
    int ShowMessage(const Cp932& text, const Cp932& caption, int style) override {
        state_during_message = watched->GetState();
        return CScriptedOperator::ShowMessage(text, caption, style);
    }
    const CProgressDialog* watched = nullptr;
    int state_during_message = -1;
};

TEST(ProgressDialog, MessageOverAShownWindowKeepsItUpdating) {
    StateWatchingOperator op;
    CProgressDialog progress(op);
    op.watched = &progress;
    progress.Show();
    op.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(
        progress.ShowMessage("text", "caption", message_box::kYesNo | message_box::kIconQuestion),
        message_box::kIdNo);
    EXPECT_EQ(op.state_during_message, CProgressDialog::kStateMessage);
    EXPECT_EQ(progress.GetState(), CProgressDialog::kStateShown);
    op.ClearRecords();
    progress.SetProgressPos(10);
    EXPECT_EQ(KindsOf(op), std::vector<Kind>{Kind::progress_position});
}

TEST(ProgressDialog, SinkReportsThroughTheWindowAndTheOperator) {
    CScriptedOperator op;
    CProgressDialog progress(op);
    IProgressSink& sink = progress.Sink();
    sink.SetStatusText("status");
    sink.SetProgressText(1, "line");
    sink.SetProgressRange(0, 4);
    sink.SetProgressPos(1);
    sink.ShowProgress();
    EXPECT_TRUE(progress.IsShown());
    sink.ShowNotice("notice", "caption");
    sink.CloseProgress();
    EXPECT_FALSE(progress.IsShown());
    EXPECT_EQ(op.StatusTexts(), std::vector<Cp932>{"status"});
    EXPECT_EQ(progress.GetProgressText(1), "line");
    EXPECT_EQ(progress.GetPercentText(), J("25 % 完了"));
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].style, message_box::kOk | message_box::kIconInformation);
}

TEST(ProgressDialog, TextIndexOutsideZeroToThreeIsRefusedAndBeepsOnlyWhenSet) {
    CScriptedOperator op;
    CProgressDialog progress(op);
    for (int index : {-1, 4, 100}) {
        EXPECT_FALSE(progress.SetProgressText(index, "x")) << index;
        EXPECT_EQ(progress.GetProgressText(index), "") << index;
    }
    EXPECT_TRUE(progress.SetProgressText(3, "3"));
    EXPECT_EQ(progress.GetProgressText(3), "3");
    progress.Beep(48);
    progress.SetBeep(false);
    progress.Beep(64);
    progress.SetBeep(true);
    progress.Beep(16);
    EXPECT_EQ(op.Beeps(), (std::vector<int>{48, 16}));
}
}  // namespace
