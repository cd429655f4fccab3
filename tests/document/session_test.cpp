// A whole session at the radio: a new contest through the setup wizard, three bands, then
// one input run, the operator's mistakes and second thoughts included. Everything the
// operator saw and every update the views got is checked in order.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "contest_setup_script.h"
#include "dialogs/contest_type_sheet.h"
#include "doc_session.h"

namespace {

using namespace doc_test;

class Session : public DocSession, public IDocumentListener {
protected:
    void SetUp() override {
        settings_.SetDefaultSettingOfCardDemand(0);
        doc_.AddListener(this);
        // The city code file as it is kept on disk: CP932, CR LF.
        const std::string path = folder_ / "codes.ini";
        std::ofstream(path, std::ios::binary)
            << J("// 都市コード\r\n13:東京都:ﾄｳｷｮｳﾄ\r\n11:埼玉県:ｻｲﾀﾏｹﾝ\r\n");
        ASSERT_TRUE(city_database_.LoadFromFile(path));
        city_codes_.Register(&city_database_);
    }
    void TearDown() override { doc_.RemoveListener(this); }
    // Each update is kept with the number of operator events before it.
    void OnUpdate(CDocumentBase&, int hint) override {
        hints_.push_back({operator_.Events().size(), hint});
    }

    // What the operator saw since the last call, with the views' updates in their places.
    Texts TakeLog() {
        Texts log;
        size_t next_hint = 0;
        const auto& events = operator_.Events();
        for (size_t i = 0; i <= events.size(); ++i) {
            while (next_hint < hints_.size() && hints_[next_hint].first == i) {
                log.push_back("hint " + std::to_string(hints_[next_hint++].second));
            }
            if (i == events.size()) {
                break;
            }
            using Kind = CScriptedOperator::Event::Kind;
            const auto& event = events[i];
            const std::string value =
                " " + std::to_string(event.value) + " -> " + std::to_string(event.result);
            if (event.kind == Kind::message) {
                log.push_back("message [" + U(event.caption) + "]" + value + ": " + U(event.text));
            } else if (event.kind == Kind::status) {
                log.push_back("status: " + U(event.text));
            } else if (event.kind == Kind::dialog) {
                log.push_back("dialog " + U(event.text) + value);
            }
        }
        ExpectAllScripted();
        operator_.ClearRecords();
        hints_.clear();
        return log;
    }

    std::vector<std::pair<size_t, int>> hints_;
};

TEST_F(Session, SetUpThreeBandsAndLogContacts) {
    // --- The new contest: a two-part contest number whose second part is the multiplier. ---
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        sheet.Next();
        sheet.GetParameter1Page().SetContestNumberParameterCount(2);
        sheet.GetParameter1Page().SetMultiplierParameterPosition(3);
        EXPECT_FALSE(sheet.Next());  // the operator reads the warning and corrects the position
        sheet.GetParameter1Page().SetMultiplierParameterPosition(2);
        contest_setup_script::FinishWizard(sheet, {.name = "ALL JA1"});
    });
    operator_.AnswerMessage(message_box::kIdOk);
    ASSERT_TRUE(doc_.OnNewDocument());
    EXPECT_EQ(TakeLog(),
              (Texts{"message [クイルマーク - 警告] 48 -> 1: "
                     "コンテストナンバーのマルチパラメータの位置の入力に誤りがあります。",
                     "dialog CContestTypeSheet 0 -> 12325", "hint -1"}));

    // --- Three bands: 14 MHz first, then 3.5 and 7 MHz without making them active; the bands
    // sort by frequency and 14 MHz stays active. ---
    AnswerBand({14, 1, "599/100", "CW", 0});
    for (const double frequency : {3.5, 7.0}) {
        AnswerBand({frequency, 1, "599/100", "CW", 0});
        operator_.AnswerMessage(message_box::kIdNo);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc_.AddNewBand(), 1);
    }
    const std::string added = "status: 新たな周波数帯の追加を完了しました。";
    const std::string band = "dialog CBandInformationDialog 0 -> 1";
    const std::string activate =
        "message [クイルマーク - 新たな周波数帯の追加] 36 -> 7: "
        "この周波数帯をアクティブにしますか？";
    EXPECT_EQ(TakeLog(), (Texts{band, "hint -1", added, band, activate, "hint -3", added, band,
                                activate, "hint -3", added}));

    // --- One input run on 14 MHz. ---
    Cp932 shown_after_details_cancelled;
    Cp932 shown_after_confirmation_cancelled;
    const auto keep = [](Cp932* shown) {
        return [shown](Sheet& s) { *shown = s.GetCallSignPage().GetEditText(); };
    };
    LogContact("JA1AAA", "599/13", true);  // First, a city of the file
    AnswerCallSign("JA1ZZZ");              // the own call sign
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCallSign("JA1AAA");  // Second
    AnswerConfirmation();
    AnswerCallSign("JA1CCC");
    AnswerCancel();  // on the details: back to the call sign, still shown
    operator_.AnswerDialog(message_box::kIdOk,
                           Wizard({{kCallSignPage, keep(&shown_after_details_cancelled)}}));
    AnswerDetails("599/10");
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);  // First, not in the file
    AnswerCallSign("JA1DDD");
    AnswerDetails("599/11");
    AnswerConfirmation(message_box::kIdCancel);  // not logged yet
    operator_.AnswerDialog(message_box::kIdOk,
                           Wizard({{kCallSignPage, keep(&shown_after_confirmation_cancelled)}}));
    AnswerDetails("599/11");
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);  // First, a city of the file
    LogContact("JA1EEE", "599/13", false);
    AnswerCancel();
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
    Texts log = TakeLog();
    // The Second status line carries the time of the first contact, which the run stamped.
    for (std::string& line : log) {
        if (line.starts_with("status: 【 Second 】 ")) {
            EXPECT_TRUE(line.ends_with(" ◆ JA1AAA ◆ 599/100 ◆ 599/13 ◆ 1")) << line;
            line = "SECOND";
        }
    }
    EXPECT_EQ(log, (Texts{// JA1AAA: a new multiplier that the city code file knows.
                          call, details, confirmed, first("【 13 】\n東京都     [ ﾄｳｷｮｳﾄ ]"),
                          done("JA1AAA"), "hint -2",
                          // The own call sign.
                          call, "status: 【 警告 】 JA1ZZZ は、自局の呼出符号です。",
                          "message [クイルマーク - 誤入力の警告] 48 -> 1: 【 JA1ZZZ 】\n\nこれは、"
                          "自局の呼出符号です。",
                          // JA1AAA again: Second.
                          call, "SECOND", confirmed,
                          // JA1CCC: details cancelled, the call sign shown again, then logged.
                          call, "dialog CLogDataInputSheet 4 -> 2", call, details, confirmed,
                          first("【 10 】"), done("JA1CCC"), "hint -2",
                          // JA1DDD: the confirmation cancelled, then logged.
                          call, details, "dialog CLogDataConfirmDialog 0 -> 2",
                          "status: ログデータの入力を中止しました。", call, details, confirmed,
                          first("【 11 】\n埼玉県     [ ｻｲﾀﾏｹﾝ ]"), done("JA1DDD"), "hint -2",
                          // JA1EEE: a multiplier already worked.
                          call, details, confirmed, done("JA1EEE"), "hint -2",
                          // The end of the run.
                          "dialog CLogDataInputSheet 2 -> 2",
                          "status: ログデータの入力を終了しました。"}));

    // --- The resulting contest. ---
    EXPECT_EQ(Log().GetActiveBandIndex(), 2);
    EXPECT_EQ(BandAt(0).GetBand(), Band(3.5, 6));
    EXPECT_EQ(BandAt(2).GetBand(), Band(14, 6));
    EXPECT_EQ(Log().GetTotalEntryCount(), 4);
    EXPECT_EQ(Calls(2), (Texts{"JA1AAA*", "JA1CCC*", "JA1DDD*", "JA1EEE"}));
    EXPECT_EQ(Row(*BandAt(2).GetEntryAt(3)), "JA1EEE|599/100|599/13|1|CW|1|0|");
    EXPECT_EQ(Log().GetScore(), 12);
    EXPECT_EQ(Log().GetContestName(), "ALL JA1");
    EXPECT_TRUE(doc_.IsModified());
}

}  // namespace
