#include "dialogs/progress_dialog.h"

#include <gtest/gtest.h>

#include "../platform/case_table.h"
#include "dialog_golden.h"

namespace {

using namespace dialog_test;
using platform_test::CaseRow;
using platform_test::CaseTable;

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

// What the window was sent, in the golden file: every field at the first show, then only
// the parts that changed (the caption only when it is another), a question over the shown
// window, beeps only while they are on, one close however often Close is called, one window
// however often Show is, the sink's reports, and the destructor closing a shown window.
TEST(ProgressDialog, WhatTheWindowIsSentFromTheFirstShowToTheDestructor) {
    StateWatchingOperator op;
    const Cp932 caption = J("クイルマーク - 旧バージョンのデータファイルのコンバート");
    {
        CProgressDialog progress(op);
        op.watched = &progress;
        progress.SetProgressText(0, caption);
        progress.SetProgressText(1, "one");
        progress.SetProgressRange(0, 200);
        progress.SetProgressPos(50);
        progress.EnableCancel(true);
        progress.Show();
        EXPECT_EQ(progress.GetState(), CProgressDialog::kStateShown);
        progress.SetProgressText(2, "two");
        progress.SetProgressPos(100);
        progress.SetProgressRange(0, 400);
        progress.EnableCancel(false);
        progress.SetProgressText(0, caption);
        progress.SetProgressText(0, "other");
        op.AnswerMessage(message_box::kIdNo);
        EXPECT_EQ(progress.ShowMessage("text", "caption",
                                       message_box::kYesNo | message_box::kIconQuestion),
                  message_box::kIdNo);
        EXPECT_EQ(op.state_during_message, CProgressDialog::kStateMessage);
        EXPECT_EQ(progress.GetState(), CProgressDialog::kStateShown);
        progress.SetProgressPos(10);
        for (int index : {-1, 4, 100}) {
            EXPECT_FALSE(progress.SetProgressText(index, "x")) << index;
            EXPECT_EQ(progress.GetProgressText(index), "") << index;
        }
        EXPECT_TRUE(progress.SetProgressText(3, "3"));
        progress.Beep(48);
        progress.SetBeep(false);
        progress.Beep(64);
        progress.SetBeep(true);
        progress.Beep(16);
        progress.Close();
        EXPECT_EQ(progress.GetState(), CProgressDialog::kStateHidden);
        progress.Close();
        IProgressSink& sink = progress.Sink();
        sink.SetStatusText("status");
        sink.SetProgressText(1, "line");
        sink.SetProgressRange(0, 4);
        sink.SetProgressPos(1);
        sink.ShowProgress();
        sink.ShowProgress();
        EXPECT_TRUE(progress.IsShown());
        sink.ShowNotice("notice", "caption");
        sink.CloseProgress();
        EXPECT_FALSE(progress.IsShown());
        progress.Show();
    }
    EXPECT_FALSE(op.IsProgressShown());
    ExpectGolden("dialogs/progress_session", op.Transcript());
}

// An empty range divides by nothing; a position far beyond the range does not overflow. The
// cancel button sets cancelled until the next show.
TEST(ProgressDialog, PercentIsPositionTimesHundredOverTheSpanAndCancelLastsUntilTheNextShow) {
    CScriptedOperator op;
    CProgressDialog progress(op);
    for (const CaseRow& row : CaseTable("dialogs/progress_percents.txt", 4)) {
        progress.SetProgressRange(std::stoi(row[0]), std::stoi(row[1]));
        progress.SetProgressPos(std::stoi(row[2]));
        EXPECT_EQ(U(progress.GetPercentText()), row[3]);
    }
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

}  // namespace
