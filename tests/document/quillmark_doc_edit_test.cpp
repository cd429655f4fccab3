#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "doc_session.h"

namespace {

using namespace doc_test;

constexpr int kQuestion = message_box::kOkCancel | message_box::kIconQuestion;
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
    const struct {
        std::function<int(CQuillmarkDoc&)> run;
        const char* title;
    } operations[] = {
        {[](CQuillmarkDoc& d) { return d.DeleteLogData(0); }, "ログデータの削除"},
        {[](CQuillmarkDoc& d) { return d.ChangeLogData(0); }, "ログデータの変更"},
        {[](CQuillmarkDoc& d) { return d.ChangeSentContestNumbers({0}); },
         "ログデータの送信コンテストナンバーの一括変更"},
        {[](CQuillmarkDoc& d) { return d.ChangePoints({0}); }, "ログデータの得点の一括変更"},
        {[](CQuillmarkDoc& d) { return d.ChangeModes({0}); }, "ログデータの電波の型式の一括変更"},
        {[](CQuillmarkDoc& d) { return d.ChangeCallingMethods({0}); },
         "ログデータの呼び出しの方法の一括変更"},
        {[](CQuillmarkDoc& d) { return d.ChangeCardData({0}); },
         "ログデータのカード情報の一括変更"},
    };
    Log().ClearActiveBand();
    for (const auto& operation : operations) {
        operator_.ClearRecords();
        EXPECT_EQ(operation.run(doc_), 0) << operation.title;
        EXPECT_EQ(
            Messages(),
            (std::vector<Shown>{{"作業を行いたい周波数帯をアクティブにしてください。",
                                 std::string("クイルマーク - ") + operation.title, kWarning}}));
    }
    EXPECT_FALSE(doc_.IsModified());
}

// ---------------------------------------------------------------- delete

TEST_F(LogEditing, DeletingTheFirstEntryPassesFirstToTheNextByTime) {
    AnswerConfirmation(kOk);
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.DeleteLogData(0), 1);

    EXPECT_EQ(Calls(0), (Texts{"JA1BBB*", "JA1CCC*"}));
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_EQ(Statuses(), (Texts{"ログデータを削除しています。しばらくお待ちください．．．",
                                 "ログデータの削除を完了しました。"}));
    ASSERT_EQ(confirmations_.size(), 2u);
    EXPECT_EQ(U(confirmations_[0].GetCaption()), "ログデータ削除の確認");
    EXPECT_EQ(U(confirmations_[0].GetMessage()), "このログデータを削除します。よろしいですか？");
    EXPECT_EQ(confirmations_[0].GetIcon(), CLogDataConfirmDialog::kIconQuestion);
    EXPECT_EQ(U(confirmations_[1].GetCaption()), "ログデータ削除の確認（最終確認）");
    EXPECT_EQ(U(confirmations_[1].GetMessage()),
              "このログデータを本当に削除します。よろしいですか？");
    EXPECT_EQ(confirmations_[1].GetIcon(), CLogDataConfirmDialog::kIconExclamation);
    for (const auto& shown : confirmations_) {
        EXPECT_EQ(Row(shown), "JA1AAA|599/100|599/13|1|CW|0|0|");
        EXPECT_EQ(U(shown.GetDateText()), "2021 年  6 月 5 日   9 時 30 分 00 秒");
        EXPECT_EQ(shown.GetShowFlags(), CLogDataConfirmDialog::kShowDate |
                                            CLogDataConfirmDialog::kShowCardSent |
                                            CLogDataConfirmDialog::kShowCardReceived);
    }
}

TEST_F(LogEditing, CancelAtEitherDeleteConfirmationKeepsTheEntry) {
    for (const std::vector<int>& answers :
         std::vector<std::vector<int>>{{kCancel}, {kOk, kCancel}}) {
        operator_.ClearRecords();
        for (int answer : answers) {
            operator_.AnswerDialog(answer);
        }
        EXPECT_EQ(doc_.DeleteLogData(1), 0);
        EXPECT_EQ(Statuses(), Texts{"ログデータの削除を中止しました。"});
        EXPECT_EQ(operator_.Dialogs().size(), answers.size());
    }
    EXPECT_EQ(Active().GetEntryCount(), 3);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}

// ---------------------------------------------------------------- change

TEST_F(LogEditing, ChangingOnlyTheCommentKeepsTheOrderAndHintsTheEntry) {
    Texts guidance;
    AnswerChange({{kCommentsPage, [&guidance](Sheet& sheet) {
                       for (const auto* page : sheet.GetRunPages()) {
                           guidance.push_back(U(page->GetGuidance()));
                       }
                       sheet.GetCommentsPage().SetEditText("QRP");
                   }}});
    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();

    EXPECT_EQ(At(1).GetComment(), "QRP");
    EXPECT_EQ(Calls(0), (Texts{"JA1AAA*", "JA1BBB*", "JA1CCC"}));
    EXPECT_EQ(views_.hints, std::vector<int>{1});
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Statuses(), (Texts{"ログデータを変更しています。しばらくお待ちください．．．",
                                 "ログデータの変更を完了しました。"}));
    EXPECT_EQ(Dialogs(), (Texts{"CLogDataConfirmDialog:0", "CLogDataInputSheet:255",
                                "CLogDataConfirmDialog:0"}));
    EXPECT_EQ(guidance,
              (Texts{"交信日時を入力してください．．．", "呼出符号を入力してください．．．",
                     "コンテストナンバーを入力してください．．．", "得点を入力してください．．．",
                     "電波の型式を選択してください．．．", "呼び出しの方法を選択してください．．．",
                     "カード情報を入力してください．．．",
                     "何かメモしておくことがあれば、入力してください．．．"}));
    ASSERT_EQ(confirmations_.size(), 2u);
    EXPECT_EQ(U(confirmations_[0].GetCaption()), "ログデータ変更の確認");
    EXPECT_EQ(U(confirmations_[0].GetMessage()), "このログデータを変更します。よろしいですか？");
    EXPECT_EQ(Row(confirmations_[0]), "JA1BBB|599/100|599/14|1|CW|0|0|");
    EXPECT_EQ(U(confirmations_[1].GetCaption()), "ログデータ変更の確認");
    EXPECT_EQ(U(confirmations_[1].GetMessage()), "このように変更します。よろしいですか？");
    EXPECT_EQ(Row(confirmations_[1]), "JA1BBB|599/100|599/14|1|CW|0|0|QRP");
}

TEST_F(LogEditing, WizardShowsEveryStoredFieldAndKeepsThemWhenOnlyNextIsPressed) {
    CQuillmarkData_LogDataItem entry = At(2);
    entry.SetPoints(7);
    entry.SetMode("FM");
    entry.SetCallingMethod(true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetComment("old");
    Active().SetEntryAt(2, entry);
    Texts shown;
    AnswerChange(
        {{kCallSignPage,
          [&](Sheet& sheet) { shown.push_back(U(sheet.GetCallSignPage().GetEditText())); }},
         {kNumberPage,
          [&](Sheet& sheet) {
              const auto& page = sheet.GetContestNumberPage();
              EXPECT_TRUE(page.IsSentEditable() && page.IsReceivedEditable());
              shown.push_back(U(page.GetSentEditText() + " " + page.GetReceivedEditText()));
          }},
         {kCardPage, [&](Sheet& sheet) {
              const auto& card = sheet.GetCardPage();
              for (auto box : {CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent,
                               CLogDataInput_Card::kReceived}) {
                  EXPECT_EQ(card.GetMode(box), CLogDataInput_Card::kModeTwoState);
                  shown.push_back(std::to_string(card.GetBoxState(box)));
              }
          }}});
    EXPECT_EQ(doc_.ChangeLogData(2), 1) << operator_.Transcript();
    EXPECT_EQ(shown, (Texts{"JA1CCC", "599/100 579/13", "0", "1", "0"}));
    EXPECT_EQ(At(2), entry);
    EXPECT_EQ(views_.hints, std::vector<int>{2});
}

TEST_F(LogEditing, ChangingTheTimeResortsTheBandAndAssignsFirstAgain) {
    // JA1AAA moves from 9:30 to 9:33, after JA1CCC with the same multiplier.
    AnswerChange({{kDatePage, [](Sheet& sheet) {
                       sheet.GetDatePage().SetField(CLogDataInput_Date::kMinute, 33);
                   }}});
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    EXPECT_EQ(Calls(0), (Texts{"JA1BBB*", "JA1CCC*", "JA1AAA"}));
    EXPECT_EQ(At(2).GetTime(), kTime + 180);
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_EQ(U(confirmations_.back().GetDateText()), "2021 年  6 月 5 日   9 時 33 分 00 秒");
}

TEST_F(LogEditing, ReceivedNumberToAnotherMultiplierAssignsFirstAgainWithoutResorting) {
    // JA1AAA's multiplier 13 becomes 15: JA1CCC is now the first 13.
    AnswerChange({{kNumberPage, [](Sheet& sheet) {
                       sheet.GetContestNumberPage().SetReceivedEditText("599/15");
                   }}});
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    EXPECT_EQ(Calls(0), (Texts{"JA1AAA*", "JA1BBB*", "JA1CCC*"}));
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
}

TEST_F(LogEditing, CallSignOfAnotherWorkedStationIsRefusedAndTheWizardComesBack) {
    AnswerConfirmation(kOk);
    operator_.AnswerDialog(kOk, Wizard({{kCallSignPage, [](Sheet& sheet) {
                                             sheet.GetCallSignPage().SetEditText("JA1AAA/P");
                                         }}}));
    // The wizard comes back as the operator left it.
    Cp932 shown;
    operator_.AnswerDialog(kOk, Wizard({{kCallSignPage, [&](Sheet& sheet) {
                                             shown = sheet.GetCallSignPage().GetEditText();
                                             sheet.GetCallSignPage().SetEditText("JA1DDD");
                                         }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();

    EXPECT_EQ(Messages(), (std::vector<Shown>{{"【 JA1AAA/P 】\n\nこの呼出符号は重複します。"
                                               "別の呼出符号に変えてください。",
                                               "クイルマーク - 重複の警告", kWarning}}));
    EXPECT_EQ(shown, "JA1AAA/P");
    EXPECT_EQ(Calls(0), (Texts{"JA1AAA*", "JA1DDD*", "JA1CCC"}));
}

TEST_F(LogEditing, KeepingTheStoredStationIsNoDuplicateEvenWhenWorkedTwice) {
    Add(0, kTime + 180, "JA1BBB", "599/14");
    AnswerChange(
        {{kCallSignPage, [](Sheet& sheet) { sheet.GetCallSignPage().SetEditText("JA1BBB/P"); }}});
    EXPECT_EQ(doc_.ChangeLogData(3), 1) << operator_.Transcript();
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(At(3).GetCallSign().GetText(kDelimiters), "JA1BBB/P");
}

TEST_F(LogEditing, CancelAtAnyStepOfTheChangeLeavesTheEntry) {
    const std::function<void(CScriptedOperator&)> scripts[] = {
        [](CScriptedOperator& op) { op.AnswerDialog(kCancel); },
        [](CScriptedOperator& op) {
            op.AnswerDialog(kOk);
            op.AnswerDialog(kCancel);
        },
        [](CScriptedOperator& op) {
            op.AnswerDialog(kOk);
            op.AnswerDialog(kOk, Wizard({{kCommentsPage, [](Sheet& sheet) {
                                              sheet.GetCommentsPage().SetEditText("X");
                                          }}}));
            op.AnswerDialog(kCancel);
        },
    };
    const auto before = Active().GetEntries();
    for (const auto& script : scripts) {
        operator_.ClearRecords();
        script(operator_);
        EXPECT_EQ(doc_.ChangeLogData(0), 0);
        EXPECT_EQ(Statuses(), Texts{"ログデータの変更を中止しました。"});
        ExpectAllScripted();
    }
    EXPECT_EQ(Active().GetEntries(), before);
    EXPECT_FALSE(doc_.IsModified());
}

// ---------------------------------------------------------------- batch changes

TEST_F(LogEditing, SentNumberBatchStartsFromTheBandsNumberAndChangesOnlyTheSelection) {
    Texts shown;
    AnswerBatch({{kNumberPage, [&](Sheet& sheet) {
                      const auto& page = sheet.GetContestNumberPage();
                      EXPECT_FALSE(page.IsReceivedEditable());
                      shown = {U(page.GetSentEditText()), U(page.GetGuidance())};
                      sheet.GetContestNumberPage().SetSentEditText("599/20");
                  }}});
    EXPECT_EQ(doc_.ChangeSentContestNumbers({2, 0}), 1) << operator_.Transcript();

    EXPECT_EQ(shown, (Texts{"599/100", "送信コンテストナンバーを入力してください．．．"}));
    const std::string title = "クイルマーク - ログデータの送信コンテストナンバーの一括変更確認";
    EXPECT_EQ(Messages(),
              (std::vector<Shown>{
                  {"現在選択されている 2 個のログデータの送信コンテストナンバーを変更します。"
                   "よろしいですか？",
                   title, kQuestion},
                  {"現在選択されている 2 個のログデータの送信コンテストナンバーを、\n\n\t599/20"
                   "\n\nに変更します。よろしいですか？",
                   title, kQuestion}}));
    EXPECT_EQ(Dialogs(), Texts{"CLogDataInputSheet:4"});
    EXPECT_EQ(Row(At(0)), "JA1AAA|599/20|599/13|1|CW|0|0|");
    EXPECT_EQ(Row(At(1)), "JA1BBB|599/100|599/14|1|CW|0|0|");
    EXPECT_EQ(Row(At(2)), "JA1CCC|599/20|579/13|1|CW|0|0|");
    // The band's own default is not a batch change's business.
    EXPECT_EQ(Active().GetSentContestNumber().GetText(kDelimiters), "599/100");
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Statuses(),
              (Texts{"ログデータの送信コンテストナンバーの一括変更をしています。しばらくお待ちく"
                     "ださい．．．",
                     "ログデータの送信コンテストナンバーの一括変更を完了しました。"}));
}

TEST_F(LogEditing, CancelAtTheSecondQuestionGoesBackToThePage) {
    std::vector<int> shown;
    const auto points = [&shown](int value) {
        return PageWork{{kPointsPage, [&shown, value](Sheet& sheet) {
                             shown.push_back(sheet.GetPointsPage().GetEditValue());
                             sheet.GetPointsPage().SetEditValue(value);
                         }}};
    };
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard(points(5)));
    operator_.AnswerMessage(kCancel);
    operator_.AnswerDialog(kOk, Wizard(points(3)));
    operator_.AnswerMessage(kOk);
    EXPECT_EQ(doc_.ChangePoints({1}), 1) << operator_.Transcript();

    EXPECT_EQ(shown, (std::vector<int>{1, 5}));
    const std::string title = "クイルマーク - ログデータの得点の一括変更確認";
    const std::string change = "現在選択されている 1 個のログデータの得点を、 ";
    EXPECT_EQ(Messages(), (std::vector<Shown>{
                              {"現在選択されている 1 個のログデータの得点を変更します。よろしい"
                               "ですか？",
                               title, kQuestion},
                              {change + "5 点に変更します。よろしいですか？", title, kQuestion},
                              {change + "3 点に変更します。よろしいですか？", title, kQuestion}}));
    EXPECT_EQ(At(1).GetPoints(), 3);
    EXPECT_EQ(At(0).GetPoints(), 1);
}

TEST_F(LogEditing, ModeAndCallingMethodBatchesNameTheChoice) {
    const struct {
        std::function<int(CQuillmarkDoc&)> run;
        PageWork work;
        const char* count;
        const char* name;
        const char* shown;
        const char* rows[3];
    } cases[] = {
        {[](CQuillmarkDoc& d) {
             return d.ChangeModes({0, 1, 2});
         },
         {{kModePage,
           [](Sheet& sheet) {
               auto& page = sheet.GetElectricWaveTypePage();
               EXPECT_EQ(page.GetSelectedText(), "CW") << "the band's mode";
               page.SelectText(page.GetNoModeText());
           }}},
         "3",
         "電波の型式",
         "（指定しない）",
         {"JA1AAA|599/100|599/13|1||0|0|", "JA1BBB|599/100|599/14|1||0|0|",
          "JA1CCC|599/100|579/13|1||0|0|"}},
        {[](CQuillmarkDoc& d) { return d.ChangeCallingMethods({1}); },
         {{kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(0); }}},
         "1",
         "呼び出しの方法",
         "[ 呼び出し ]",
         {"JA1AAA|599/100|599/13|1||0|0|", "JA1BBB|599/100|599/14|1||1|0|",
          "JA1CCC|599/100|579/13|1||0|0|"}},
        {[](CQuillmarkDoc& d) { return d.ChangeCallingMethods({1}); },
         {{kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(1); }}},
         "1",
         "呼び出しの方法",
         "[ 応答 ]",
         {"JA1AAA|599/100|599/13|1||0|0|", "JA1BBB|599/100|599/14|1||0|0|",
          "JA1CCC|599/100|579/13|1||0|0|"}},
    };
    for (const auto& c : cases) {
        operator_.ClearRecords();
        AnswerBatch(c.work);
        EXPECT_EQ(c.run(doc_), 1) << operator_.Transcript();
        ASSERT_EQ(Messages().size(), 2u);
        EXPECT_EQ(Messages()[1].text, std::string("現在選択されている ") + c.count +
                                          " 個のログデータの" + c.name + "を、\n\n\t" + c.shown +
                                          "\n\nに変更します。よろしいですか？");
        EXPECT_EQ(Statuses().back(),
                  std::string("ログデータの") + c.name + "の一括変更を完了しました。");
        EXPECT_EQ((Texts{Row(At(0)), Row(At(1)), Row(At(2))}),
                  (Texts{c.rows[0], c.rows[1], c.rows[2]}));
    }
    EXPECT_EQ(Active().GetMode(), "CW");
}

TEST_F(LogEditing, CardBatchSetsClearsAndLeavesEachFlag) {
    CQuillmarkData_LogDataItem entry = At(1);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardReceived, true);
    Active().SetEntryAt(1, entry);
    AnswerBatch({{kCardPage, [](Sheet& sheet) {
                      auto& card = sheet.GetCardPage();
                      for (auto box : {CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent,
                                       CLogDataInput_Card::kReceived}) {
                          EXPECT_EQ(card.GetMode(box), CLogDataInput_Card::kModeThreeState);
                          EXPECT_EQ(card.GetBoxState(box), 2) << "unchanged";
                      }
                      card.CheckBox(CLogDataInput_Card::kRequested, 1);
                      card.CheckBox(CLogDataInput_Card::kSent, 0);
                  }}});
    EXPECT_EQ(doc_.ChangeCardData({1, 2}), 1) << operator_.Transcript();

    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1],
              (Shown{"現在選択されている 2 個のログデータのカード情報を、以下のような状態に変更し"
                     "ます。\n\n\tカード要求 [○]\n\tカード送出 [－]\n\tカード受取 [変更しない]"
                     "\n\nよろしいですか？",
                     "クイルマーク - ログデータのカード情報の一括変更確認", kQuestion}));
    EXPECT_EQ(At(1).GetCardFlags(), CQuillmarkData_LogDataItem::kCardRequested |
                                        CQuillmarkData_LogDataItem::kCardReceived);
    EXPECT_EQ(At(2).GetCardFlags(), CQuillmarkData_LogDataItem::kCardRequested);
    EXPECT_EQ(At(0).GetCardFlags(), 0);
}

// The question's lines are pinned by the neighbour above.
TEST_F(LogEditing, CardBatchLeftUnchangedStillRewritesAndMarksModified) {
    const auto before = Active().GetEntries();
    AnswerBatch({});
    EXPECT_EQ(doc_.ChangeCardData({0, 1}), 1) << operator_.Transcript();
    EXPECT_EQ(Active().GetEntries(), before);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
}

TEST_F(LogEditing, CancelAtTheFirstQuestionOrInTheWizardStopsTheBatch) {
    operator_.AnswerMessage(kCancel);
    EXPECT_EQ(doc_.ChangeModes({0}), 0);
    EXPECT_TRUE(operator_.Dialogs().empty());
    EXPECT_EQ(Statuses().back(), "ログデータの電波の型式の一括変更を中止しました。");

    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kCancel);
    EXPECT_EQ(doc_.ChangeCallingMethods({0}), 0);
    EXPECT_EQ(Statuses().back(), "ログデータの呼び出しの方法の一括変更を中止しました。");
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}

}  // namespace
