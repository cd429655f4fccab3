#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);
constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kQuestion = message_box::kOkCancel | message_box::kIconQuestion;
constexpr int kOk = message_box::kIdOk;
constexpr int kCancel = message_box::kIdCancel;

class HintRecorder : public IDocumentListener {
public:
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// What the operator does on each page of the wizard (by page bit) before pressing Next.
using PageWork = std::map<int, std::function<void(CLogDataInputSheet&)>>;

// Works through the wizard: on every page the work for it, then Next, until the wizard ends
// or a page refuses (the wizard then counts as cancelled).
CScriptedOperator::DialogFiller Wizard(PageWork work = {}) {
    return [work](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CLogDataInputSheet&>(state);
        while (CLogDataInputPage* page = sheet.GetActivePage()) {
            if (const auto it = work.find(page->GetPageBit()); it != work.end()) {
                it->second(sheet);
            }
            if (sheet.Next() != CLogDataInputSheet::NextResult::moved) {
                return;
            }
        }
    };
}

class LogEditing : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetIsDisplayUTC(1);
        doc_.AddListener(&views_);
        doc_.GetContest() = doc_test::Contest();
        Log().AddBand(Band(7, 6));
        Log().SetActiveBandAt(0);
        Active().SetMode("CW");
        Active().SetSentContestNumber(Number("599/10", Log().GetContestNumberType()));
        // Multiplier 13 worked at 9:30 and 9:32, 14 at 9:31.
        AddEntry(kTime, "JA1AAA", "599/13", true);
        AddEntry(kTime + 60, "JA1BBB", "599/14", true);
        AddEntry(kTime + 120, "JA1CCC", "579/13", false);
    }
    void TearDown() override { doc_.RemoveListener(&views_); }

    CQuillmarkData_MainData& Log() { return doc_.GetContest(); }
    CQuillmarkData_SubMainData& Active() { return *Log().GetActiveBand(); }
    void AddEntry(int64_t time, std::string_view call, std::string_view received, bool first) {
        auto entry = Entry(Log(), time, call, "599/10", received);
        entry.SetFirst(first);
        Active().AddEntry(entry);
    }
    const CQuillmarkData_LogDataItem& At(int i) { return *Active().GetEntryAt(i); }
    std::vector<Cp932> Calls() {
        std::vector<Cp932> calls;
        for (const auto& entry : Active().GetEntries()) {
            calls.push_back(entry.GetCallSign().GetText(kDelimiters));
        }
        return calls;
    }
    std::vector<int> Firsts() {
        std::vector<int> firsts;
        for (const auto& entry : Active().GetEntries()) {
            firsts.push_back(entry.GetFirst());
        }
        return firsts;
    }

    // Answers a confirmation and keeps what it showed.
    void AnswerConfirmation(int result) {
        operator_.AnswerDialog(result, [this](CDialogState& state, int) {
            confirmations_.push_back(dynamic_cast<CLogDataConfirmDialog&>(state));
        });
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CQuillmarkDoc doc_{operator_, settings_, nullptr};
    HintRecorder views_;
    std::vector<CLogDataConfirmDialog> confirmations_;
};

// ---------------------------------------------------------------- common refusals

struct Operation {
    const char* name;
    std::function<int(CQuillmarkDoc&)> run;
    const char* title;
};

const Operation kOperations[] = {
    {"delete", [](CQuillmarkDoc& d) { return d.DeleteLogData(0); },
     "クイルマーク - ログデータの削除"},
    {"change", [](CQuillmarkDoc& d) { return d.ChangeLogData(0); },
     "クイルマーク - ログデータの変更"},
    {"sent", [](CQuillmarkDoc& d) { return d.ChangeSentContestNumbers({0}); },
     "クイルマーク - ログデータの送信コンテストナンバーの一括変更"},
    {"points", [](CQuillmarkDoc& d) { return d.ChangePoints({0}); },
     "クイルマーク - ログデータの得点の一括変更"},
    {"modes", [](CQuillmarkDoc& d) { return d.ChangeModes({0}); },
     "クイルマーク - ログデータの電波の型式の一括変更"},
    {"calling", [](CQuillmarkDoc& d) { return d.ChangeCallingMethods({0}); },
     "クイルマーク - ログデータの呼び出しの方法の一括変更"},
    {"card", [](CQuillmarkDoc& d) { return d.ChangeCardData({0}); },
     "クイルマーク - ログデータのカード情報の一括変更"},
};

TEST_F(LogEditing, EveryOperationRefusesWithoutAnActiveBand) {
    Log().ClearActiveBand();
    for (const Operation& operation : kOperations) {
        operator_.ClearRecords();
        EXPECT_EQ(operation.run(doc_), 0) << operation.name;
        ASSERT_EQ(operator_.Messages().size(), 1u) << operation.name;
        EXPECT_EQ(operator_.Messages()[0].text,
                  J("作業を行いたい周波数帯をアクティブにしてください。"));
        EXPECT_EQ(operator_.Messages()[0].caption, J(operation.title)) << operation.name;
        EXPECT_EQ(operator_.Messages()[0].style, kWarning);
    }
    EXPECT_FALSE(doc_.IsModified());
}

// ---------------------------------------------------------------- delete

TEST_F(LogEditing, DeletingTheFirstEntryPassesFirstToTheNextByTime) {
    AnswerConfirmation(kOk);
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.DeleteLogData(0), 1);

    EXPECT_EQ(Calls(), (std::vector<Cp932>{"JA1BBB", "JA1CCC"}));
    EXPECT_EQ(Firsts(), (std::vector<int>{1, 1}));
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("ログデータを削除しています。しばらくお待ちください．．．"),
                                  J("ログデータの削除を完了しました。")}));

    ASSERT_EQ(confirmations_.size(), 2u);
    EXPECT_EQ(confirmations_[0].GetCaption(), J("ログデータ削除の確認"));
    EXPECT_EQ(confirmations_[0].GetMessage(), J("このログデータを削除します。よろしいですか？"));
    EXPECT_EQ(confirmations_[0].GetIcon(), CLogDataConfirmDialog::kIconQuestion);
    EXPECT_EQ(confirmations_[1].GetCaption(), J("ログデータ削除の確認（最終確認）"));
    EXPECT_EQ(confirmations_[1].GetMessage(),
              J("このログデータを本当に削除します。よろしいですか？"));
    EXPECT_EQ(confirmations_[1].GetIcon(), CLogDataConfirmDialog::kIconExclamation);
    for (const auto& shown : confirmations_) {
        EXPECT_EQ(shown.GetCallSign(), "JA1AAA");
        EXPECT_EQ(shown.GetDateText(), J("2021 年  6 月 5 日   9 時 30 分 00 秒"));
        EXPECT_EQ(shown.GetShowFlags(), CLogDataConfirmDialog::kShowDate |
                                            CLogDataConfirmDialog::kShowCardSent |
                                            CLogDataConfirmDialog::kShowCardReceived);
    }
}

// ---------------------------------------------------------------- change

TEST_F(LogEditing, ChangingOnlyTheCommentKeepsTheOrderAndHintsTheEntry) {
    AnswerConfirmation(kOk);
    std::vector<Cp932> guidance;
    operator_.AnswerDialog(kOk, Wizard({{128, [&guidance](CLogDataInputSheet& sheet) {
                                             for (const auto* page : sheet.GetRunPages()) {
                                                 guidance.push_back(page->GetGuidance());
                                             }
                                             sheet.GetCommentsPage().SetEditText("QRP");
                                         }}}));
    AnswerConfirmation(kOk);

    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();

    EXPECT_EQ(At(1).GetComment(), "QRP");
    EXPECT_EQ(Calls(), (std::vector<Cp932>{"JA1AAA", "JA1BBB", "JA1CCC"}));
    EXPECT_EQ(Firsts(), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(views_.hints, std::vector<int>{1});
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("ログデータを変更しています。しばらくお待ちください．．．"),
                                  J("ログデータの変更を完了しました。")}));

    ASSERT_EQ(operator_.Dialogs().size(), 3u);
    EXPECT_EQ(operator_.Dialogs()[1].name, "CLogDataInputSheet");
    EXPECT_EQ(operator_.Dialogs()[1].mask, 255);
    EXPECT_EQ(
        guidance,
        (std::vector<Cp932>{
            J("交信日時を入力してください．．．"), J("呼出符号を入力してください．．．"),
            J("コンテストナンバーを入力してください．．．"), J("得点を入力してください．．．"),
            J("電波の型式を選択してください．．．"), J("呼び出しの方法を選択してください．．．"),
            J("カード情報を入力してください．．．"),
            J("何かメモしておくことがあれば、入力してください．．．")}));
    ASSERT_EQ(confirmations_.size(), 2u);
    EXPECT_EQ(confirmations_[0].GetCaption(), J("ログデータ変更の確認"));
    EXPECT_EQ(confirmations_[0].GetMessage(), J("このログデータを変更します。よろしいですか？"));
    EXPECT_EQ(confirmations_[0].GetComment(), "");
    EXPECT_EQ(confirmations_[1].GetCaption(), J("ログデータ変更の確認"));
    EXPECT_EQ(confirmations_[1].GetMessage(), J("このように変更します。よろしいですか？"));
    EXPECT_EQ(confirmations_[1].GetComment(), "QRP");
    EXPECT_EQ(confirmations_[1].GetCallSign(), "JA1BBB");
}

TEST_F(LogEditing, WizardShowsEveryStoredFieldAndKeepsThemWhenOnlyNextIsPressed) {
    CQuillmarkData_LogDataItem entry = At(2);
    entry.SetPoints(7);
    entry.SetMode("FM");
    entry.SetCallingMethod(true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetComment("old");
    Active().SetEntryAt(2, entry);
    AnswerConfirmation(kOk);
    operator_.AnswerDialog(
        kOk,
        Wizard({{2,
                 [](CLogDataInputSheet& sheet) {
                     EXPECT_EQ(sheet.GetCallSignPage().GetEditText(), "JA1CCC");
                 }},
                {4,
                 [](CLogDataInputSheet& sheet) {
                     const auto& page = sheet.GetContestNumberPage();
                     EXPECT_TRUE(page.IsSentEditable());
                     EXPECT_TRUE(page.IsReceivedEditable());
                     EXPECT_EQ(page.GetSentEditText(), "599/10");
                     EXPECT_EQ(page.GetReceivedEditText(), "579/13");
                 }},
                {64, [](CLogDataInputSheet& sheet) {
                     const auto& card = sheet.GetCardPage();
                     for (auto box : {CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent,
                                      CLogDataInput_Card::kReceived}) {
                         EXPECT_EQ(card.GetMode(box), CLogDataInput_Card::kModeTwoState);
                     }
                     EXPECT_EQ(card.GetBoxState(CLogDataInput_Card::kSent), 1);
                 }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(2), 1) << operator_.Transcript();
    EXPECT_EQ(At(2), entry);
    EXPECT_EQ(views_.hints, std::vector<int>{2});
}

TEST_F(LogEditing, ChangingTheTimeResortsTheBandAndAssignsFirstAgain) {
    AnswerConfirmation(kOk);
    // JA1AAA moves from 9:30 to 9:33, after JA1CCC with the same multiplier.
    operator_.AnswerDialog(kOk, Wizard({{1, [](CLogDataInputSheet& sheet) {
                                             sheet.GetDatePage().SetField(
                                                 CLogDataInput_Date::kMinute, 33);
                                         }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    EXPECT_EQ(Calls(), (std::vector<Cp932>{"JA1BBB", "JA1CCC", "JA1AAA"}));
    EXPECT_EQ(Firsts(), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(At(2).GetTime(), kTime + 180);
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_EQ(confirmations_.back().GetDateText(), J("2021 年  6 月 5 日   9 時 33 分 00 秒"));
}

TEST_F(LogEditing, ReceivedNumberToAnotherMultiplierAssignsFirstAgainWithoutResorting) {
    AnswerConfirmation(kOk);
    // JA1AAA's multiplier 13 becomes 15: JA1CCC is now the first 13.
    operator_.AnswerDialog(kOk,
                           Wizard({{4, [](CLogDataInputSheet& sheet) {
                                        sheet.GetContestNumberPage().SetReceivedEditText("599/15");
                                    }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(0), 1) << operator_.Transcript();
    EXPECT_EQ(Calls(), (std::vector<Cp932>{"JA1AAA", "JA1BBB", "JA1CCC"}));
    EXPECT_EQ(Firsts(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
}

TEST_F(LogEditing, CallSignOfAnotherWorkedStationIsRefusedAndTheWizardComesBack) {
    AnswerConfirmation(kOk);
    operator_.AnswerDialog(kOk, Wizard({{2, [](CLogDataInputSheet& sheet) {
                                             sheet.GetCallSignPage().SetEditText("JA1AAA/P");
                                         }}}));
    // The wizard comes back as the operator left it.
    operator_.AnswerDialog(kOk, Wizard({{2, [](CLogDataInputSheet& sheet) {
                                             EXPECT_EQ(sheet.GetCallSignPage().GetEditText(),
                                                       "JA1AAA/P");
                                             sheet.GetCallSignPage().SetEditText("JA1DDD");
                                         }}}));
    AnswerConfirmation(kOk);

    EXPECT_EQ(doc_.ChangeLogData(1), 1) << operator_.Transcript();

    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("【 JA1AAA/P 】\n\nこの呼出符号は重複します。別の呼出符号に変えてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 重複の警告"));
    EXPECT_EQ(operator_.Messages()[0].style, kWarning);
    EXPECT_EQ(Calls(), (std::vector<Cp932>{"JA1AAA", "JA1DDD", "JA1CCC"}));
}

TEST_F(LogEditing, KeepingTheStoredStationIsNoDuplicateEvenWhenWorkedTwice) {
    AddEntry(kTime + 180, "JA1BBB", "599/14", false);
    AnswerConfirmation(kOk);
    operator_.AnswerDialog(kOk, Wizard({{2, [](CLogDataInputSheet& sheet) {
                                             sheet.GetCallSignPage().SetEditText("JA1BBB/P");
                                         }}}));
    AnswerConfirmation(kOk);
    EXPECT_EQ(doc_.ChangeLogData(3), 1) << operator_.Transcript();
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(At(3).GetCallSign().GetText(kDelimiters), "JA1BBB/P");
}

// ---------------------------------------------------------------- batch changes

TEST_F(LogEditing, SentNumberBatchStartsFromTheBandsNumberAndChangesOnlyTheSelection) {
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard({{4, [](CLogDataInputSheet& sheet) {
                                             const auto& page = sheet.GetContestNumberPage();
                                             EXPECT_EQ(page.GetSentEditText(), "599/10");
                                             EXPECT_FALSE(page.IsReceivedEditable());
                                             EXPECT_EQ(page.GetGuidance(),
                                                       J("送信コンテストナンバーを入力して"
                                                         "ください．．．"));
                                             sheet.GetContestNumberPage().SetSentEditText("599/20");
                                         }}}));
    operator_.AnswerMessage(kOk);

    EXPECT_EQ(doc_.ChangeSentContestNumbers({2, 0}), 1) << operator_.Transcript();

    const Cp932 title = J("クイルマーク - ログデータの送信コンテストナンバーの一括変更確認");
    ASSERT_EQ(operator_.Messages().size(), 2u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("現在選択されている 2 個のログデータの送信コンテストナンバーを変更します。"
                "よろしいですか？"));
    EXPECT_EQ(operator_.Messages()[1].text,
              J("現在選択されている 2 個のログデータの送信コンテストナンバーを、\n\n\t599/20"
                "\n\nに変更します。よろしいですか？"));
    for (const auto& message : operator_.Messages()) {
        EXPECT_EQ(message.caption, title);
        EXPECT_EQ(message.style, kQuestion);
    }
    ASSERT_EQ(operator_.Dialogs().size(), 1u);
    EXPECT_EQ(operator_.Dialogs()[0].mask, 4);
    for (int i : {0, 2}) {
        EXPECT_EQ(At(i).GetSentContestNumber().GetText(kDelimiters), "599/20");
        EXPECT_EQ(At(i).GetReceivedContestNumber().GetText(kDelimiters),
                  i == 0 ? "599/13" : "579/13");
    }
    EXPECT_EQ(At(1).GetSentContestNumber().GetText(kDelimiters), "599/10");
    // The band's own default is not a batch change's business.
    EXPECT_EQ(Active().GetSentContestNumber().GetText(kDelimiters), "599/10");
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(
        operator_.StatusTexts(),
        (std::vector<Cp932>{J("ログデータの送信コンテストナンバーの一括変更をしています。しばらくお"
                              "待ちください．．．"),
                            J("ログデータの送信コンテストナンバーの一括変更を完了しました。")}));
}

TEST_F(LogEditing, CancelAtTheSecondQuestionGoesBackToThePage) {
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard({{8, [](CLogDataInputSheet& sheet) {
                                             EXPECT_EQ(sheet.GetPointsPage().GetEditValue(), 1);
                                             sheet.GetPointsPage().SetEditValue(5);
                                         }}}));
    operator_.AnswerMessage(kCancel);
    operator_.AnswerDialog(kOk, Wizard({{8, [](CLogDataInputSheet& sheet) {
                                             EXPECT_EQ(sheet.GetPointsPage().GetEditValue(), 5);
                                             sheet.GetPointsPage().SetEditValue(3);
                                         }}}));
    operator_.AnswerMessage(kOk);

    EXPECT_EQ(doc_.ChangePoints({1}), 1) << operator_.Transcript();

    ASSERT_EQ(operator_.Messages().size(), 3u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("現在選択されている 1 個のログデータの得点を変更します。よろしいですか？"));
    EXPECT_EQ(
        operator_.Messages()[1].text,
        J("現在選択されている 1 個のログデータの得点を、 5 点に変更します。よろしいですか？"));
    EXPECT_EQ(
        operator_.Messages()[2].text,
        J("現在選択されている 1 個のログデータの得点を、 3 点に変更します。よろしいですか？"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータの得点の一括変更確認"));
    EXPECT_EQ(At(1).GetPoints(), 3);
    EXPECT_EQ(At(0).GetPoints(), 1);
}

TEST_F(LogEditing, ModeBatchNamesTheEmptyModeAndStartsFromTheBandsMode) {
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard({{16, [](CLogDataInputSheet& sheet) {
                                             auto& page = sheet.GetElectricWaveTypePage();
                                             EXPECT_EQ(page.GetSelectedText(), "CW");
                                             page.SelectText(page.GetNoModeText());
                                         }}}));
    operator_.AnswerMessage(kOk);
    EXPECT_EQ(doc_.ChangeModes({0, 1, 2}), 1) << operator_.Transcript();
    ASSERT_EQ(operator_.Messages().size(), 2u);
    EXPECT_EQ(operator_.Messages()[1].text,
              J("現在選択されている 3 個のログデータの電波の型式を、\n\n\t（指定しない）\n\nに"
                "変更します。よろしいですか？"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(At(i).GetMode(), "");
    }
    EXPECT_EQ(Active().GetMode(), "CW");
    EXPECT_EQ(operator_.LastStatusText(), J("ログデータの電波の型式の一括変更を完了しました。"));
}

TEST_F(LogEditing, CallingMethodBatchAsksWithTheMethodsName) {
    const struct {
        int radio;
        const char* shown;
        int stored;
    } cases[] = {{0, "[ 呼び出し ]", 1}, {1, "[ 応答 ]", 0}};
    for (const auto& c : cases) {
        operator_.ClearRecords();
        operator_.AnswerMessage(kOk);
        operator_.AnswerDialog(kOk, Wizard({{32, [&c](CLogDataInputSheet& sheet) {
                                                 sheet.GetCQPage().SelectRadio(c.radio);
                                             }}}));
        operator_.AnswerMessage(kOk);
        EXPECT_EQ(doc_.ChangeCallingMethods({1}), 1);
        ASSERT_EQ(operator_.Messages().size(), 2u);
        EXPECT_EQ(operator_.Messages()[1].text,
                  J("現在選択されている 1 個のログデータの呼び出しの方法を、\n\n\t") + J(c.shown) +
                      J("\n\nに変更します。よろしいですか？"));
        EXPECT_EQ(At(1).GetCallingMethod(), c.stored);
    }
}

TEST_F(LogEditing, CardBatchLeftUnchangedStillRewritesAndMarksModified) {
    CQuillmarkData_LogDataItem entry = At(0);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardReceived, true);
    Active().SetEntryAt(0, entry);
    const auto before = Active().GetEntries();
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(
        kOk,
        Wizard({{64, [](CLogDataInputSheet& sheet) {
                     const auto& card = sheet.GetCardPage();
                     for (auto box : {CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent,
                                      CLogDataInput_Card::kReceived}) {
                         EXPECT_EQ(card.GetMode(box), CLogDataInput_Card::kModeThreeState);
                         EXPECT_EQ(card.GetBoxState(box), 2);
                     }
                 }}}));
    operator_.AnswerMessage(kOk);

    EXPECT_EQ(doc_.ChangeCardData({0, 1}), 1) << operator_.Transcript();

    ASSERT_EQ(operator_.Messages().size(), 2u);
    EXPECT_EQ(operator_.Messages()[1].text,
              J("現在選択されている 2 個のログデータのカード情報を、以下のような状態に変更します。"
                "\n\n\tカード要求 [変更しない]\n\tカード送出 [変更しない]\n\tカード受取 "
                "[変更しない]\n\nよろしいですか？"));
    EXPECT_EQ(operator_.Messages()[1].caption,
              J("クイルマーク - ログデータのカード情報の一括変更確認"));
    EXPECT_EQ(Active().GetEntries(), before);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(views_.hints, std::vector<int>{-1});
}

TEST_F(LogEditing, CardBatchSetsClearsAndLeavesEachFlag) {
    CQuillmarkData_LogDataItem entry = At(1);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardSent, true);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardReceived, true);
    Active().SetEntryAt(1, entry);
    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kOk, Wizard({{64, [](CLogDataInputSheet& sheet) {
                                             auto& card = sheet.GetCardPage();
                                             card.CheckBox(CLogDataInput_Card::kRequested, 1);
                                             card.CheckBox(CLogDataInput_Card::kSent, 0);
                                         }}}));
    operator_.AnswerMessage(kOk);

    EXPECT_EQ(doc_.ChangeCardData({1, 2}), 1) << operator_.Transcript();

    ASSERT_EQ(operator_.Messages().size(), 2u);
    EXPECT_EQ(operator_.Messages()[1].text,
              J("現在選択されている 2 個のログデータのカード情報を、以下のような状態に変更します。"
                "\n\n\tカード要求 [○]\n\tカード送出 [－]\n\tカード受取 [変更しない]\n\n"
                "よろしいですか？"));
    EXPECT_EQ(At(1).GetCardFlags(), CQuillmarkData_LogDataItem::kCardRequested |
                                        CQuillmarkData_LogDataItem::kCardReceived);
    EXPECT_EQ(At(2).GetCardFlags(), CQuillmarkData_LogDataItem::kCardRequested);
    EXPECT_EQ(At(0).GetCardFlags(), 0);
}

TEST_F(LogEditing, CancelAtEitherDeleteConfirmationKeepsTheEntry) {
    for (const std::vector<int>& answers :
         std::vector<std::vector<int>>{{kCancel}, {kOk, kCancel}}) {
        operator_.ClearRecords();
        for (int answer : answers) {
            operator_.AnswerDialog(answer);
        }
        EXPECT_EQ(doc_.DeleteLogData(1), 0);
        EXPECT_EQ(operator_.StatusTexts(),
                  std::vector<Cp932>{J("ログデータの削除を中止しました。")});
        EXPECT_EQ(operator_.Dialogs().size(), answers.size());
    }
    EXPECT_EQ(Active().GetEntryCount(), 3);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}

TEST_F(LogEditing, CancelAtAnyStepOfTheChangeLeavesTheEntry) {
    struct Script {
        const char* name;
        std::function<void(CScriptedOperator&)> answer;
    };
    const Script scripts[] = {
        {"first confirmation", [](CScriptedOperator& op) { op.AnswerDialog(kCancel); }},
        {"wizard",
         [](CScriptedOperator& op) {
             op.AnswerDialog(kOk);
             op.AnswerDialog(kCancel);
         }},
        {"last confirmation",
         [](CScriptedOperator& op) {
             op.AnswerDialog(kOk);
             op.AnswerDialog(kOk, Wizard({{128, [](CLogDataInputSheet& sheet) {
                                               sheet.GetCommentsPage().SetEditText("X");
                                           }}}));
             op.AnswerDialog(kCancel);
         }},
    };
    const auto before = Active().GetEntries();
    for (const Script& script : scripts) {
        operator_.ClearRecords();
        script.answer(operator_);
        EXPECT_EQ(doc_.ChangeLogData(0), 0) << script.name;
        EXPECT_EQ(operator_.StatusTexts(),
                  std::vector<Cp932>{J("ログデータの変更を中止しました。")})
            << script.name;
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0) << script.name;
    }
    EXPECT_EQ(Active().GetEntries(), before);
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(LogEditing, CancelAtTheFirstQuestionOrInTheWizardStopsTheBatch) {
    operator_.AnswerMessage(kCancel);
    EXPECT_EQ(doc_.ChangeModes({0}), 0);
    EXPECT_TRUE(operator_.Dialogs().empty());
    EXPECT_EQ(operator_.LastStatusText(), J("ログデータの電波の型式の一括変更を中止しました。"));

    operator_.AnswerMessage(kOk);
    operator_.AnswerDialog(kCancel);
    EXPECT_EQ(doc_.ChangeCallingMethods({0}), 0);
    EXPECT_EQ(operator_.LastStatusText(),
              J("ログデータの呼び出しの方法の一括変更を中止しました。"));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}
}  // namespace
