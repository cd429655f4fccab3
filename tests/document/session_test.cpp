// A whole session at the radio: a new contest through the setup wizard, three bands, then
// one input run, the operator's mistakes and second thoughts included. Everything the
// operator saw and every update the views got is checked in order, against the golden
// tests/data/document/session.txt.

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

    // What the operator saw since the last call, one line each, with the wizard pages and the
    // views' updates in their places.
    std::string TakeLog() {
        std::string log;
        size_t next_hint = 0;
        size_t run = 0;
        const auto& events = operator_.Events();
        for (size_t i = 0; i <= events.size(); ++i) {
            while (next_hint < hints_.size() && hints_[next_hint].first == i) {
                log += "hint " + std::to_string(hints_[next_hint++].second) + "\n";
            }
            if (i == events.size()) {
                break;
            }
            using Kind = CScriptedOperator::Event::Kind;
            const auto& event = events[i];
            const std::string value =
                " " + std::to_string(event.value) + " -> " + std::to_string(event.result);
            if (event.kind == Kind::message) {
                log += "message [" + U(event.caption) + "]" + value + ": " + U(event.text) + "\n";
            } else if (event.kind == Kind::status) {
                log += "status: " + U(event.text) + "\n";
            } else if (event.kind == Kind::dialog) {
                log += "dialog " + U(event.text) + value + "\n" + shown_in_run_[run++];
            }
        }
        ExpectAllScripted();
        ClearRecords();
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
    std::string seen = "--- the new contest\n" + TakeLog();

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
    seen += "--- three bands\n" + TakeLog();

    // --- One input run on 14 MHz. ---
    LogContact("JA1AAA", "599/13", true);  // First, a city of the file
    AnswerCallSign("JA1ZZZ");              // the own call sign
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCallSign("JA1AAA");  // Second
    AnswerConfirmation();
    AnswerCallSign("JA1CCC");
    AnswerCancel();  // on the details: back to the call sign, still shown
    operator_.AnswerDialog(message_box::kIdOk, Wizard());
    AnswerDetails("599/10");
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);  // First, not in the file
    AnswerCallSign("JA1DDD");
    AnswerDetails("599/11");
    AnswerConfirmation(message_box::kIdCancel);  // not logged yet
    operator_.AnswerDialog(message_box::kIdOk, Wizard());
    AnswerDetails("599/11");
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);  // First, a city of the file
    LogContact("JA1EEE", "599/13", false);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);

    // The Second status line carries the time of the first contact, which the run stamped.
    const std::string run = TakeLog();
    const std::string second = "status: 【 Second 】 ";
    const size_t at = run.find(second);
    ASSERT_NE(at, std::string::npos) << run;
    const size_t time_end = run.find(" ◆ ", at);
    seen +=
        "--- one input run\n" + run.substr(0, at + second.size()) + "<time>" + run.substr(time_end);
    // The resulting contest: 14 MHz active behind 3.5 and 7 MHz, four entries. (The
    // confirmations show the clock's date.)
    confirmations_.clear();
    ExpectGolden("session", seen + "--- the resulting contest\n" + Seen());
    EXPECT_EQ(Log().GetScore(), 12);
}

}  // namespace
