#include "dialogs/log_data_input_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <sstream>

#include "../platform/case_table.h"
#include "dialog_golden.h"
#include "platform/time_format.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"

namespace {

using namespace dialog_test;
using Next = CLogDataInputSheet::NextResult;
using Card = CLogDataInput_Card;
using Sheet = CLogDataInputSheet;
using platform_test::CaseRow;
using platform_test::CaseTable;
using platform_test::Items;

// The date page's fields in the order of CLogDataInput_Date::Field, as the tables name them.
const char* const kDateFields[] = {"year", "month", "day", "hour", "minute", "second"};

// What the pages hold once the wizard has run (an invalid value shows empty).
std::string Stored(Sheet& sheet) {
    const auto& numbers = sheet.GetContestNumberPage();
    const Card& card = sheet.GetCardPage();
    return "call " + sheet.GetCallSignPage().GetCallSign().GetText("/") + " | sent " +
           numbers.GetSentContestNumber().GetText("/") + " | received " +
           numbers.GetReceivedContestNumber().GetText("/") + " | points " +
           std::to_string(sheet.GetPointsPage().GetPoints()) + " | " +
           U(FormatTime("%Y-%m-%d %H:%M:%S", sheet.GetDatePage().GetDate(), CTimeZoneRule::Utc())) +
           " | mode " + U(sheet.GetElectricWaveTypePage().GetMode()) + " | method " +
           std::to_string(sheet.GetCQPage().GetCallingMethod()) + " | cards " +
           std::to_string(card.GetValue(Card::kRequested)) +
           std::to_string(card.GetValue(Card::kSent)) +
           std::to_string(card.GetValue(Card::kReceived)) + "\n";
}

class LogDataInputSheet : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetIsDisplayUTC(1);
        sheet_.GetCallSignPage().SetCallSignType(CallSignFormat());
        sheet_.GetContestNumberPage().SetContestNumberType(NumberFormat());
    }
    // The operator works the wizard; the run's result is the sheet's, not the window's.
    void Operate(std::function<void(Sheet&)> work) {
        operator_.AnswerDialog(message_box::kIdCancel, [work](CDialogState& dialog, int) {
            work(dynamic_cast<Sheet&>(dialog));
        });
    }
    // Runs the pages of mask with the operator's work, and writes down the result and what
    // the pages then hold under what.
    void RunSeen(const char* what, int mask, std::function<void(Sheet&)> work) {
        Operate(std::move(work));
        const int result = sheet_.RunWizard(mask);
        seen_ << what << ": " << result << ", " << Stored(sheet_);
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    Sheet sheet_{operator_, settings_, J("クイルマーク - ログデータの入力")};
    std::ostringstream seen_;
};

// Each run's result (1 finished, 2 cancelled) and what the pages hold after it, in the
// golden file (the pages' order and what each shows are the document sessions'): Next on the only
// page finishes and a finished wizard takes no more buttons; Back stores nothing (the page reopens
// with its stored value) and Cancel keeps the pages left with Next but not the cancelled page;
// typed text is replaced and upper-cased as the operator types (a blank becomes "/", "=" or
// "+" becomes "59/"; double-byte characters are left alone: 0x83 0x61 "ヂ" has a trail byte
// that is a lower-case letter, 0xB1 is "ｱ"); points outside their range are refused.
TEST_F(LogDataInputSheet, RunsOfTheWizardAndWhatThePagesKeep) {
    RunSeen("the only page", 2, [](Sheet& sheet) {
        sheet.GetCallSignPage().SetEditText("JA1ABC");
        EXPECT_EQ(sheet.Next(), Next::finished);
        EXPECT_EQ(sheet.Next(), Next::not_running);
    });
    EXPECT_FALSE(sheet_.IsRunning());

    sheet_.GetPointsPage().SetPoints(5);
    RunSeen("back, then cancel", 2 | 4 | 8, [](Sheet& sheet) {
        EXPECT_FALSE(sheet.HasBackButton());
        EXPECT_FALSE(sheet.Back());
        ASSERT_EQ(sheet.Next(), Next::moved);
        EXPECT_TRUE(sheet.HasBackButton());
        sheet.GetContestNumberPage().SetReceivedEditText("599/77");
        ASSERT_TRUE(sheet.Back());
        EXPECT_EQ(sheet.GetActivePage(), &sheet.GetCallSignPage());
        EXPECT_EQ(sheet.GetCallSignPage().GetEditText(), "JA1ABC");
        ASSERT_EQ(sheet.Next(), Next::moved);
        EXPECT_EQ(sheet.GetContestNumberPage().GetReceivedEditText(), "");
        sheet.GetContestNumberPage().SetSentEditText("599/100");
        sheet.GetContestNumberPage().SetReceivedEditText("599/13");
        ASSERT_EQ(sheet.Next(), Next::moved);
        sheet.GetPointsPage().SetEditValue(9);
        sheet.Cancel();
    });

    RunSeen("typed", 2 | 4, [](Sheet& sheet) {
        sheet.GetCallSignPage().SetEditText("");
        sheet.GetCallSignPage().TypeText(
            "\x83\x61"
            "a\xB1");
        EXPECT_EQ(sheet.GetCallSignPage().GetEditText(),
                  "\x83\x61"
                  "A\xB1");
        sheet.GetCallSignPage().SetEditText("");
        sheet.GetCallSignPage().TypeText("ja1abc 1");
        ASSERT_EQ(sheet.Next(), Next::moved);
        sheet.GetContestNumberPage().SetSentEditText("");
        sheet.GetContestNumberPage().SetReceivedEditText("");
        sheet.GetContestNumberPage().TypeSentText("599");
        sheet.GetContestNumberPage().TypeSentText(" 100");
        sheet.GetContestNumberPage().TypeReceivedText("+13");
        EXPECT_EQ(sheet.GetContestNumberPage().GetSentEditText(), "599/100");
        EXPECT_EQ(sheet.Next(), Next::finished);
    });

    EXPECT_TRUE(sheet_.GetPointsPage().SetPoints(30000));
    EXPECT_FALSE(sheet_.GetPointsPage().SetPoints(0));
    EXPECT_FALSE(sheet_.GetPointsPage().SetPoints(30001));
    RunSeen("points", 8, [&](Sheet& sheet) {
        EXPECT_EQ(sheet.GetPointsPage().GetEditValue(), 30000);
        sheet.GetPointsPage().SetEditValue(1);
        EXPECT_EQ(sheet.Next(), Next::finished);
    });

    // A date overflow carries over as the calendar does (its own carrying over is tested
    // with the time zone rules), and the ends of the years the page takes. (The page shows
    // the stored time: the document's sessions show each page as opened.)
    for (const std::array<int, 6>& fields : {std::array<int, 6>{2021, 4, 31, 10, 0, 0},
                                             {2037, 12, 31, 23, 59, 59},
                                             {1970, 1, 1, 0, 0, 0}}) {
        RunSeen("date fields", 1, [&](Sheet& sheet) {
            for (int i = 0; i < 6; ++i) {
                sheet.GetDatePage().SetField(static_cast<CLogDataInput_Date::Field>(i), fields[i]);
            }
            EXPECT_EQ(sheet.Next(), Next::finished);
        });
    }
    ExpectGolden("dialogs/log_data_input_runs", seen_.str());
}

// Each page refuses what breaks its field with a warning and the control to focus, stays,
// and stores nothing: one sheet runs all the cases, so anything stored would show in the
// next case's kept values.
TEST_F(LogDataInputSheet, EachPageRefusesWhatBreaksItsField) {
    std::ostringstream seen;
    sheet_.GetDatePage().SetDate(Utc(2021, 6, 5, 9, 30));
    sheet_.GetPointsPage().SetPoints(3);
    for (const CaseRow& row : CaseTable("dialogs/log_data_input_refusal_cases.txt", 3)) {
        const int page = std::stoi(row[0]);
        const std::string& value = row[2];
        Operate([&](Sheet& s) {
            if (row[1] == "call") {
                s.GetCallSignPage().SetEditText(value);
            } else if (row[1] == "numbers") {
                s.GetContestNumberPage().SetSentEditText(Items(value)[0]);
                s.GetContestNumberPage().SetReceivedEditText(Items(value)[1]);
            } else if (row[1] == "points") {
                s.GetPointsPage().SetEditValue(std::stoi(value));
            } else {
                const auto field =
                    std::find(std::begin(kDateFields), std::end(kDateFields), row[1]);
                s.GetDatePage().SetField(
                    static_cast<CLogDataInput_Date::Field>(field - std::begin(kDateFields)),
                    std::stoi(value));
            }
            EXPECT_EQ(s.Next(), Next::refused);
            EXPECT_EQ(s.GetActivePage()->GetPageBit(), page);
            seen << row[1] << " " << value << ": page " << page << ", focus "
                 << s.GetLastCheck().focus << " ";
            s.Cancel();
        });
        EXPECT_EQ(sheet_.RunWizard(page), 2);
        seen << Told(operator_) << "  kept: " << Stored(sheet_);
    }
    ExpectGolden("dialogs/log_data_input_refusals", seen.str());
}

// The mode list with its no-mode item (a mode of an older log that the list lacks survives
// a run), the calling method's radio buttons and neither, and the card boxes following their
// modes (a two-state box cannot show "unchanged": it opens cleared), in one run.
TEST_F(LogDataInputSheet, ModeCallingMethodAndCardPagesRefuseWhatTheirControlsCannotShow) {
    const auto& list = CLogDataInput_ElectricWaveType::GetModeList();
    ASSERT_EQ(list.size(), 21u);
    EXPECT_EQ((Texts{U(list[0]), list[1], list[3], list[20]}),
              (Texts{"（指定しない）", "CW", "AM(SSB)", "F9"}));
    sheet_.GetElectricWaveTypePage().SetMode("FM");
    CLogDataInput_CQ& cq = sheet_.GetCQPage();
    EXPECT_EQ(cq.GetCallingMethod(), 1);
    EXPECT_TRUE(cq.SetCallingMethod(0));
    EXPECT_FALSE(cq.SetCallingMethod(2));
    CLogDataInput_Card& card = sheet_.GetCardPage();
    EXPECT_FALSE(card.SetMode(Card::kSent, 3));
    EXPECT_FALSE(card.SetValue(Card::kSent, 3));
    ASSERT_TRUE(card.SetMode(Card::kRequested, Card::kModeTwoState));
    ASSERT_TRUE(card.SetMode(Card::kSent, Card::kModeThreeState));
    ASSERT_TRUE(card.SetMode(Card::kReceived, Card::kModeHidden));
    for (Card::Box box : {Card::kRequested, Card::kSent, Card::kReceived}) {
        card.SetValue(box, Card::kIndeterminate);
    }
    RunSeen("mode, method and cards", 16 | 32 | 64, [](Sheet& sheet) {
        CLogDataInput_ElectricWaveType& mode = sheet.GetElectricWaveTypePage();
        EXPECT_EQ(mode.GetSelectedText(), "FM");
        EXPECT_FALSE(mode.SelectText("SSTV"));
        EXPECT_TRUE(mode.SelectText(J("（指定しない）")));
        ASSERT_EQ(sheet.Next(), Next::moved);
        EXPECT_EQ(sheet.GetCQPage().GetSelectedRadio(), 1);  // "応答"
        EXPECT_FALSE(sheet.GetCQPage().SelectRadio(2));
        EXPECT_TRUE(sheet.GetCQPage().SelectRadio(CLogDataInput_CQ::kNoRadio));
        ASSERT_EQ(sheet.Next(), Next::moved);
        CLogDataInput_Card& page = sheet.GetCardPage();
        EXPECT_EQ(page.GetBoxState(Card::kRequested), Card::kOff);
        EXPECT_EQ(page.GetBoxState(Card::kSent), Card::kIndeterminate);
        EXPECT_FALSE(page.CheckBox(Card::kRequested, Card::kIndeterminate));
        EXPECT_FALSE(page.CheckBox(Card::kReceived, Card::kOn));
        EXPECT_TRUE(page.CheckBox(Card::kRequested, Card::kOn));
        EXPECT_EQ(sheet.Next(), Next::finished);
    });
    sheet_.GetElectricWaveTypePage().SetMode("PSK31");
    RunSeen("an old mode", 16, [](Sheet& sheet) { sheet.Next(); });
    ExpectGolden("dialogs/log_data_input_controls", seen_.str());
}

}  // namespace
