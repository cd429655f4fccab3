// A whole session at the radio: a new contest through the setup wizard, three bands, then
// one input run with ten contacts, the operator's mistakes and second thoughts included.
// Everything the operator saw and every update the views got is checked in order.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "citycode/city_code_main_data.h"
#include "citycode/city_code_organization.h"
#include "contest_setup_script.h"
#include "dialogs/band_information_dialog.h"
#include "dialogs/contest_type_sheet.h"
#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using Sheet = CLogDataInputSheet;

class Session : public testing::Test, public IDocumentListener {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetUnderDecimalPoint(3);
        settings_.SetIsDisplayUTC(1);
        settings_.SetIsAutomaticSavingEnabled(0);
        settings_.SetIsInputPointsEveryTime(0);
        settings_.SetIsInputElectricWaveTypeEveryTime(0);
        settings_.SetIsInputCQEveryTime(0);
        settings_.SetIsInputCardDataEveryTime(0);
        settings_.SetIsInputCommentsEveryTime(0);
        settings_.SetDefaultPoints(1);
        settings_.SetDefaultSettingOfCardDemand(0);
        doc_.SetProgramFolder(folder_.Path());
        doc_.SetUserDataFolder(folder_.Path());
        doc_.AddListener(this);

        // The city code file as it is kept on disk: CP932, CR LF.
        const std::string path = folder_ / "codes.ini";
        std::ofstream(path, std::ios::binary)
            << J("// 都市コード\r\n13:東京都:ﾄｳｷｮｳﾄ\r\n11:埼玉県:ｻｲﾀﾏｹﾝ\r\n");
        ASSERT_TRUE(city_database_.LoadFromFile(path));
        city_codes_.Register(&city_database_);
    }
    void TearDown() override { doc_.RemoveListener(this); }

    // Each update is kept with the number of operator events before it, so the log can show
    // it in its place.
    void OnUpdate(CDocumentBase&, int hint) override {
        hints_.push_back({operator_.Events().size(), hint});
    }

    // --- The operator's answers. ---
    void AnswerBand(double frequency, std::string sent) {
        operator_.AnswerDialog(message_box::kIdOk, [=, this](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CBandInformationDialog&>(state);
            dialog.SetFrequency(frequency);
            dialog.SetUnitIndex(CBandInformationDialog::kUnitIndexMega);
            dialog.SetSentContestNumberText(sent);
            dialog.SetMode("CW");
            EXPECT_TRUE(dialog.OnOK(operator_, kDelimiters));
        });
    }
    void TypeCallSign(std::string call) {
        operator_.AnswerDialog(message_box::kIdOk, [call](CDialogState& state, int) {
            auto& sheet = dynamic_cast<Sheet&>(state);
            sheet.GetCallSignPage().SetEditText(call);
            EXPECT_EQ(sheet.Next(), Sheet::NextResult::finished);
        });
    }
    // Next on the call sign page as it is shown (the call sign kept from before).
    void AcceptShownCallSign(Cp932* shown) {
        operator_.AnswerDialog(message_box::kIdOk, [shown](CDialogState& state, int) {
            auto& sheet = dynamic_cast<Sheet&>(state);
            *shown = sheet.GetCallSignPage().GetEditText();
            EXPECT_EQ(sheet.Next(), Sheet::NextResult::finished);
        });
    }
    void CancelCallSign() {
        operator_.AnswerDialog(message_box::kIdCancel, [](CDialogState& state, int) {
            dynamic_cast<Sheet&>(state).Cancel();
        });
    }
    void EnterReceived(std::string received) {
        operator_.AnswerDialog(message_box::kIdOk, [received](CDialogState& state, int) {
            auto& sheet = dynamic_cast<Sheet&>(state);
            sheet.GetContestNumberPage().SetReceivedEditText(received);
            EXPECT_EQ(sheet.Next(), Sheet::NextResult::finished);
        });
    }
    void CancelDetails() {
        operator_.AnswerDialog(message_box::kIdCancel, [](CDialogState& state, int) {
            dynamic_cast<Sheet&>(state).Cancel();
        });
    }
    void Confirm(int answer) { operator_.AnswerDialog(answer); }
    void LogContact(std::string call, std::string received, bool first) {
        TypeCallSign(call);
        EnterReceived(received);
        Confirm(message_box::kIdOk);
        if (first) {
            operator_.AnswerMessage(message_box::kIdOk);
        }
    }

    // What the operator saw since the last call, with the views' updates in their places.
    std::vector<std::string> TakeLog() {
        std::vector<std::string> log;
        size_t next_hint = 0;
        const auto& events = operator_.Events();
        for (size_t i = 0; i <= events.size(); ++i) {
            while (next_hint < hints_.size() && hints_[next_hint].first == i) {
                log.push_back("hint " + std::to_string(hints_[next_hint++].second));
            }
            if (i == events.size()) {
                break;
            }
            const auto& event = events[i];
            using Kind = CScriptedOperator::Event::Kind;
            const std::string text = Cp932ToUtf8(event.text);
            if (event.kind == Kind::message) {
                log.push_back("message [" + Cp932ToUtf8(event.caption) + "] " +
                              std::to_string(event.value) + " -> " + std::to_string(event.result) +
                              ": " + text);
            } else if (event.kind == Kind::status) {
                log.push_back("status: " + text);
            } else if (event.kind == Kind::dialog) {
                log.push_back("dialog " + text + " " + std::to_string(event.value) + " -> " +
                              std::to_string(event.result));
            }
        }
        EXPECT_EQ(operator_.UnscriptedCount(), 0) << operator_.Transcript();
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0) << operator_.Transcript();
        operator_.ClearRecords();
        hints_.clear();
        return log;
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainData city_database_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
    std::vector<std::pair<size_t, int>> hints_;
};

TEST_F(Session, SetUpThreeBandsAndLogTenContacts) {
    // --- The new contest: a two-part contest number whose second part is the multiplier. ---
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        sheet.Next();
        sheet.GetParameter1Page().SetContestNumberParameterCount(2);
        sheet.GetParameter1Page().SetMultiplierParameterPosition(3);
        EXPECT_FALSE(sheet.Next());  // the operator reads the warning and corrects the position
        sheet.GetParameter1Page().SetMultiplierParameterPosition(2);
        contest_setup_script::FinishWizard(sheet, {.name = "ALL JA1",
                                                   .category_code = "XMA",
                                                   .category_name = "Multi",
                                                   .own_call_sign = "JA1ZZZ",
                                                   .start = {2021, 4, 29, 21, 0, 0},
                                                   .end = {2021, 4, 30, 21, 0, 0}});
    });
    operator_.AnswerMessage(message_box::kIdOk);
    ASSERT_TRUE(doc_.OnNewDocument());
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{
                             "message [クイルマーク - 警告] 48 -> 1: "
                             "コンテストナンバーのマルチパラメータの位置の入力に誤りがあります。",
                             "dialog CContestTypeSheet 0 -> 12325",
                             "hint -1",
                         }));

    // --- Three bands: 14 MHz first, then 3.5 and 7 MHz without making them active. ---
    AnswerBand(14, "599/100");
    AnswerBand(3.5, "599/100");
    operator_.AnswerMessage(message_box::kIdNo);
    AnswerBand(7, "599/100");
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{
                             "dialog CBandInformationDialog 0 -> 1",
                             "hint -1",
                             "status: 新たな周波数帯の追加を完了しました。",
                             "dialog CBandInformationDialog 0 -> 1",
                             "message [クイルマーク - 新たな周波数帯の追加] 36 -> 7: "
                             "この周波数帯をアクティブにしますか？",
                             "hint -3",
                             "status: 新たな周波数帯の追加を完了しました。",
                             "dialog CBandInformationDialog 0 -> 1",
                             "message [クイルマーク - 新たな周波数帯の追加] 36 -> 7: "
                             "この周波数帯をアクティブにしますか？",
                             "hint -3",
                             "status: 新たな周波数帯の追加を完了しました。",
                         }));

    // --- One input run on 14 MHz. ---
    Cp932 shown_after_details_cancelled;
    Cp932 shown_after_confirmation_cancelled;
    LogContact("JA1AAA", "599/13", true);  // First, a city of the file
    TypeCallSign("JA1ZZZ");                // the own call sign
    operator_.AnswerMessage(message_box::kIdOk);
    LogContact("JA1BBB", "599/13", false);
    TypeCallSign("JA1AAA");  // Second
    Confirm(message_box::kIdOk);
    TypeCallSign("JA1CCC");
    CancelDetails();  // back to the call sign, still shown
    AcceptShownCallSign(&shown_after_details_cancelled);
    EnterReceived("599/10");
    Confirm(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);  // First, not in the file
    TypeCallSign("JA1DDD");
    EnterReceived("599/11");
    Confirm(message_box::kIdCancel);  // not logged yet
    AcceptShownCallSign(&shown_after_confirmation_cancelled);
    EnterReceived("599/11");
    Confirm(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);  // First, a city of the file
    LogContact("JA1EEE", "599/13", false);
    LogContact("JA1FFF", "599/10", false);
    LogContact("JA1GGG", "599/12", true);
    LogContact("JA1HHH", "599/11", false);
    LogContact("JA1III", "599/12", false);
    LogContact("JA1JJJ", "599/13", false);
    CancelCallSign();
    EXPECT_EQ(doc_.InputLogData(false), 1);

    EXPECT_EQ(shown_after_details_cancelled, "JA1CCC");
    EXPECT_EQ(shown_after_confirmation_cancelled, "JA1DDD");
    // The wizard runs its call sign page (mask 2), then the contest number page (mask 4).
    const std::string call = "dialog CLogDataInputSheet 2 -> 1";
    const std::string details = "dialog CLogDataInputSheet 4 -> 1";
    const std::string confirmed = "dialog CLogDataConfirmDialog 0 -> 1";
    const auto done = [](const std::string& station) {
        return "status: 【 " + station + " 】 ログデータの入力を完了しました。";
    };
    const auto first = [](const std::string& text) {
        return "message [クイルマーク - お知らせ] 64 -> 1: " + text + "\n\nこのマルチは初回です。";
    };
    const std::vector<std::string> expected = {
        // JA1AAA: a new multiplier that the city code file knows.
        call,
        details,
        confirmed,
        first("【 13 】\n東京都     [ ﾄｳｷｮｳﾄ ]"),
        done("JA1AAA"),
        "hint -2",
        // The own call sign.
        call,
        "status: 【 警告 】 JA1ZZZ は、自局の呼出符号です。",
        "message [クイルマーク - 誤入力の警告] 48 -> 1: 【 JA1ZZZ "
        "】\n\nこれは、自局の呼出符号です。",
        // JA1BBB: a multiplier already worked.
        call,
        details,
        confirmed,
        done("JA1BBB"),
        "hint -2",
        // JA1AAA again: Second.
        call,
        "SECOND",
        "dialog CLogDataConfirmDialog 0 -> 1",
        // JA1CCC: details cancelled, the call sign shown again, then logged.
        call,
        "dialog CLogDataInputSheet 4 -> 2",
        call,
        details,
        confirmed,
        first("【 10 】"),
        done("JA1CCC"),
        "hint -2",
        // JA1DDD: the confirmation cancelled, then logged.
        call,
        details,
        "dialog CLogDataConfirmDialog 0 -> 2",
        "status: ログデータの入力を中止しました。",
        call,
        details,
        confirmed,
        first("【 11 】\n埼玉県     [ ｻｲﾀﾏｹﾝ ]"),
        done("JA1DDD"),
        "hint -2",
        // Six more, one of them with a new multiplier.
        call,
        details,
        confirmed,
        done("JA1EEE"),
        "hint -2",
        call,
        details,
        confirmed,
        done("JA1FFF"),
        "hint -2",
        call,
        details,
        confirmed,
        first("【 12 】"),
        done("JA1GGG"),
        "hint -2",
        call,
        details,
        confirmed,
        done("JA1HHH"),
        "hint -2",
        call,
        details,
        confirmed,
        done("JA1III"),
        "hint -2",
        call,
        details,
        confirmed,
        done("JA1JJJ"),
        "hint -2",
        // The end of the run.
        "dialog CLogDataInputSheet 2 -> 2",
        "status: ログデータの入力を終了しました。",
    };
    std::vector<std::string> log = TakeLog();
    // The Second status line carries the time of the first contact, which the run stamped.
    for (std::string& line : log) {
        if (line.rfind("status: 【 Second 】 ", 0) == 0) {
            EXPECT_NE(line.find(" ◆ JA1AAA ◆ 599/100 ◆ 599/13 ◆ 1"), std::string::npos) << line;
            line = "SECOND";
        }
    }
    EXPECT_EQ(log, expected);

    // --- The resulting model. ---
    const CQuillmarkData_MainData& contest = doc_.GetContest();
    ASSERT_EQ(contest.GetBandCount(), 3);
    EXPECT_EQ(contest.GetBandAt(0)->GetBand().GetFrequency(), 3.5);
    EXPECT_EQ(contest.GetBandAt(1)->GetBand().GetFrequency(), 7);
    EXPECT_EQ(contest.GetBandAt(2)->GetBand().GetFrequency(), 14);
    EXPECT_EQ(contest.GetActiveBandIndex(), 2);
    EXPECT_EQ(contest.GetBandAt(0)->GetEntryCount(), 0);
    EXPECT_EQ(contest.GetBandAt(1)->GetEntryCount(), 0);
    const CQuillmarkData_SubMainData& band = *contest.GetBandAt(2);
    const std::vector<std::pair<std::string, std::string>> logged = {
        {"JA1AAA", "599/13"}, {"JA1BBB", "599/13"}, {"JA1CCC", "599/10"}, {"JA1DDD", "599/11"},
        {"JA1EEE", "599/13"}, {"JA1FFF", "599/10"}, {"JA1GGG", "599/12"}, {"JA1HHH", "599/11"},
        {"JA1III", "599/12"}, {"JA1JJJ", "599/13"}};
    ASSERT_EQ(band.GetEntryCount(), 10);
    int firsts = 0;
    for (int i = 0; i < 10; ++i) {
        const CQuillmarkData_LogDataItem& entry = *band.GetEntryAt(i);
        EXPECT_EQ(entry.GetCallSign().GetText(kDelimiters), logged[i].first);
        EXPECT_EQ(entry.GetReceivedContestNumber().GetText(kDelimiters), logged[i].second);
        EXPECT_EQ(entry.GetSentContestNumber().GetText(kDelimiters), "599/100");
        EXPECT_EQ(entry.GetMode(), "CW");
        firsts += entry.GetFirst() == 1 ? 1 : 0;
    }
    EXPECT_EQ(firsts, 4);
    EXPECT_EQ(contest.GetTotalEntryCount(), 10);
    EXPECT_EQ(contest.GetTotalMultiplierCount(), 4);
    EXPECT_EQ(contest.GetTotalPoints(), 10);
    EXPECT_EQ(contest.GetScore(), 40);
    EXPECT_EQ(contest.GetContestName(), "ALL JA1");
    EXPECT_TRUE(doc_.IsModified());
}

}  // namespace
