#include <gtest/gtest.h>

#include <functional>

#include "doc_session.h"

namespace {

using namespace doc_test;

constexpr int kOk = message_box::kIdOk;
constexpr int kCancel = message_box::kIdCancel;

// The active 7 MHz band: multiplier 13 worked at 9:30 and 9:32, 14 at 9:31.
class LogEditing : public DocSession {
protected:
    void SetUp() override {
        SetUpContest({7});
        Add(0, kTime, "JA1AAA", "599/13", true);
        Add(0, kTime + 60, "JA1BBB", "599/14", true);
        Add(0, kTime + 120, "JA1CCC", "579/13", false);
    }
    CQuillmarkData_SubMainData& Active() { return *Log().GetActiveBand(); }
    const CQuillmarkData_LogDataItem& At(int i) { return *Active().GetEntryAt(i); }
    // The operator works the wizard with these works, with OK on both confirmations.
    void AnswerChange(PageWork work) {
        AnswerConfirmation(kOk);
        operator_.AnswerDialog(kOk, Wizard(std::move(work)));
        AnswerConfirmation(kOk);
    }
    // The batch change's two questions answered OK around the wizard.
    void AnswerBatch(PageWork work) {
        operator_.AnswerMessage(kOk);
        operator_.AnswerDialog(kOk, Wizard(std::move(work)));
        operator_.AnswerMessage(kOk);
    }
};

// ---------------------------------------------------------------- common refusals

TEST_F(LogEditing, EveryOperationRefusesWithoutAnActiveBand) {
    Log().ClearActiveBand();
    EXPECT_EQ(doc_.DeleteLogData(0), 0);
    EXPECT_EQ(doc_.ChangeLogData(0), 0);
    EXPECT_EQ(doc_.ChangeSentContestNumbers({0}), 0);
    EXPECT_EQ(doc_.ChangePoints({0}), 0);
    EXPECT_EQ(doc_.ChangeModes({0}), 0);
    EXPECT_EQ(doc_.ChangeCallingMethods({0}), 0);
    EXPECT_EQ(doc_.ChangeCardData({0}), 0);
    // Each refusal names its command.
    ExpectSeen("edit_refused_without_an_active_band");
}

// ---------------------------------------------------------------- delete

TEST_F(LogEditing, DeletingTheFirstEntryPassesFirstToTheNextByTime) {
    AnswerConfirmation(kOk);
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.DeleteLogData(0), 1);
    ExpectSeen("edit_delete_first");
}

TEST_F(LogEditing, CancelAtEitherDeleteConfirmationKeepsTheEntry) {
    for (const int answer : {kCancel, kOk, kCancel}) {
        operator_.AnswerDialog(answer);
    }
    EXPECT_EQ(doc_.DeleteLogData(1), 0);
    EXPECT_EQ(doc_.DeleteLogData(1), 0);
    ExpectSeen("edit_delete_cancelled");
}

// ---------------------------------------------------------------- change

TEST_F(LogEditing, ChangingOnlyTheCommentKeepsTheOrderAndHintsTheEntry) {
    AnswerChange(
        {{kCommentsPage, [](Sheet& sheet) { sheet.GetCommentsPage().SetEditText("QRP"); }}});
    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();
    ExpectSeen("edit_comment");
}

TEST_F(LogEditing, WizardShowsEveryStoredFieldAndKeepsThemWhenOnlyNextIsPressed) {
    CQuillmarkData_LogDataItem entry = At(2);
    entry.SetPoints(7);
    entry.SetMode("FM");
    entry.SetCallingMethod(true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetComment("old");
    Active().SetEntryAt(2, entry);
    AnswerChange({});
    EXPECT_EQ(doc_.ChangeLogData(2), 1) << operator_.Transcript();
    EXPECT_EQ(At(2), entry);
    ExpectSeen("edit_shows_every_stored_field");
}

TEST_F(LogEditing, ChangingTheTimeResortsTheBandAndAssignsFirstAgain) {
    // JA1AAA moves from 9:30 to 9:33, after JA1CCC with the same multiplier.
    AnswerChange({{kDatePage, [](Sheet& sheet) {
                       sheet.GetDatePage().SetField(CLogDataInput_Date::kMinute, 33);
                   }}});
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    EXPECT_EQ(At(2).GetTime(), kTime + 180);
    ExpectSeen("edit_time_resorts");
}

TEST_F(LogEditing, ReceivedNumberToAnotherMultiplierAssignsFirstAgainWithoutResorting) {
    // JA1AAA's multiplier 13 becomes 15: JA1CCC is now the first 13.
    AnswerChange({{kNumberPage, [](Sheet& sheet) {
                       sheet.GetContestNumberPage().SetReceivedEditText("599/15");
                   }}});
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    ExpectSeen("edit_received_number_new_first");
}

TEST_F(LogEditing, CallSignOfAnotherWorkedStationIsRefusedAndTheWizardComesBack) {
    AnswerConfirmation(kOk);
    operator_.AnswerDialog(kOk, Wizard({{kCallSignPage, [](Sheet& sheet) {
                                             sheet.GetCallSignPage().SetEditText("JA1AAA/P");
                                         }}}));
    operator_.AnswerMessage(kOk);
    // The wizard comes back as the operator left it.
    operator_.AnswerDialog(kOk, Wizard({{kCallSignPage, [&](Sheet& sheet) {
                                             sheet.GetCallSignPage().SetEditText("JA1DDD");
                                         }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();
    ExpectSeen("edit_duplicate_call_sign");
}

TEST_F(LogEditing, KeepingTheStoredStationIsNoDuplicateEvenWhenWorkedTwice) {
    Add(0, kTime + 180, "JA1BBB", "599/14");
    AnswerChange(
        {{kCallSignPage, [](Sheet& sheet) { sheet.GetCallSignPage().SetEditText("JA1BBB/P"); }}});
    EXPECT_EQ(doc_.ChangeLogData(3), 1) << operator_.Transcript();
    ExpectSeen("edit_keeps_the_stored_station");
}

TEST_F(LogEditing, CancelAtAnyStepOfTheChangeLeavesTheEntry) {
    const std::function<void(CScriptedOperator&)> scripts[] = {
        [](CScriptedOperator& op) { op.AnswerDialog(kCancel); },
        [](CScriptedOperator& op) {
            op.AnswerDialog(kOk);
            op.AnswerDialog(kCancel);
        },
        [this](CScriptedOperator& op) {
            op.AnswerDialog(kOk);
            op.AnswerDialog(kOk, Wizard({{kCommentsPage, [](Sheet& sheet) {
                                              sheet.GetCommentsPage().SetEditText("X");
                                          }}}));
            op.AnswerDialog(kCancel);
        },
    };
    for (const auto& script : scripts) {
        script(operator_);
        EXPECT_EQ(doc_.ChangeLogData(0), 0);
    }
    ExpectSeen("edit_change_cancelled");
}

// ---------------------------------------------------------------- batch changes

TEST_F(LogEditing, SentNumberBatchStartsFromTheBandsNumberAndChangesOnlyTheSelection) {
    AnswerBatch({{kNumberPage,
                  [](Sheet& sheet) { sheet.GetContestNumberPage().SetSentEditText("599/20"); }}});
    EXPECT_EQ(doc_.ChangeSentContestNumbers({2, 0}), 1) << operator_.Transcript();
    // The band's own default stays: it is not a batch change's business.
    ExpectSeen("edit_sent_number_batch");
}

TEST_F(LogEditing, CancelAtTheSecondQuestionGoesBackToThePage) {
    const auto points = [](int value) {
        return PageWork{
            {kPointsPage, [value](Sheet& sheet) { sheet.GetPointsPage().SetEditValue(value); }}};
    };
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard(points(5)));
    operator_.AnswerMessage(kCancel);
    operator_.AnswerDialog(kOk, Wizard(points(3)));
    operator_.AnswerMessage(kOk);
    EXPECT_EQ(doc_.ChangePoints({1}), 1) << operator_.Transcript();
    ExpectSeen("edit_points_batch_second_question_cancelled");
}

TEST_F(LogEditing, ModeAndCallingMethodBatchesNameTheChoice) {
    const struct {
        std::function<int(CQuillmarkDoc&)> run;
        PageWork work;
    } cases[] = {
        {[](CQuillmarkDoc& d) {
             return d.ChangeModes({0, 1, 2});
         },
         {{kModePage,
           [](Sheet& sheet) {
               auto& page = sheet.GetElectricWaveTypePage();
               page.SelectText(page.GetNoModeText());
           }}}},
        {[](CQuillmarkDoc& d) { return d.ChangeCallingMethods({1}); },
         {{kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(0); }}}},
        {[](CQuillmarkDoc& d) { return d.ChangeCallingMethods({1}); },
         {{kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(1); }}}},
    };
    for (const auto& c : cases) {
        AnswerBatch(c.work);
        EXPECT_EQ(c.run(doc_), 1) << operator_.Transcript();
    }
    // Each question names the choice; the band's mode stays.
    ExpectSeen("edit_mode_and_calling_method_batches");
}

TEST_F(LogEditing, CardBatchSetsClearsAndLeavesEachFlag) {
    CQuillmarkData_LogDataItem entry = At(1);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardReceived, true);
    Active().SetEntryAt(1, entry);
    AnswerBatch({{kCardPage, [](Sheet& sheet) {
                      auto& card = sheet.GetCardPage();
                      card.CheckBox(CLogDataInput_Card::kRequested, 1);
                      card.CheckBox(CLogDataInput_Card::kSent, 0);
                  }}});
    EXPECT_EQ(doc_.ChangeCardData({1, 2}), 1) << operator_.Transcript();
    // The second question lists each box's new state; entry 0 keeps its flags.
    ExpectSeen("edit_card_batch");
}

// The question's lines are pinned by the neighbour above.
TEST_F(LogEditing, CardBatchLeftUnchangedStillRewritesAndMarksModified) {
    AnswerBatch({});
    EXPECT_EQ(doc_.ChangeCardData({0, 1}), 1) << operator_.Transcript();
    ExpectSeen("edit_card_batch_unchanged");
}

TEST_F(LogEditing, CancelAtTheFirstQuestionOrInTheWizardStopsTheBatch) {
    operator_.AnswerMessage(kCancel);
    EXPECT_EQ(doc_.ChangeModes({0}), 0);
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kCancel);
    EXPECT_EQ(doc_.ChangeCallingMethods({0}), 0);
    ExpectSeen("edit_batch_cancelled");
}

}  // namespace
