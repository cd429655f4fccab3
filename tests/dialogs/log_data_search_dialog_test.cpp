#include "dialogs/log_data_search_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../platform/case_table.h"
#include "dialog_golden.h"

namespace {

using namespace dialog_test;
using D = CLogDataSearchDialog;
using platform_test::CaseRow;
using platform_test::CaseTable;
using platform_test::Items;
using platform_test::Unescaped;

const int64_t kNow = Utc(2021, 6, 5, 12, 0);

class LogDataSearchDialogTest : public testing::Test {
protected:
    void SetUp() override {
        dialog_.SetCallSignType(CallSignFormat());     // 2 parameters
        dialog_.SetContestNumberType(NumberFormat());  // 2 parameters
        dialog_.SetPunctuationMarks("/,.");
    }

    D dialog_{kNow};
};

// Each switch alone counts as a criterion; an empty format clears its parameter boxes.
TEST_F(LogDataSearchDialogTest, EachSwitchAloneCountsAndAnEmptyFormatClearsItsBoxes) {
    dialog_.SetEnteredRange(kNow, kNow);
    dialog_.SetEnteredCallSign("JA1");
    dialog_.SetEnteredSentContestNumber("599");
    dialog_.SetEnteredReceivedContestNumber("599");
    dialog_.SetComment("x");
    for (int c = 0; c < D::kCriterionCount; ++c) {
        dialog_.SetSwitch(c, D::kMustNotMatch);
        EXPECT_TRUE(dialog_.OnSearchStart().ok()) << c;
        dialog_.SetSwitch(c, D::kOff);
    }
    dialog_.SetCallSignParameter(true, 1);
    dialog_.SetSentContestNumberParameter(true, 1);
    dialog_.SetReceivedContestNumberParameter(true, 2);
    dialog_.SetContestNumberType(CQuillmarkData_ContestNumberType());
    EXPECT_EQ(dialog_.GetContestNumberParameterCount(), 0);
    EXPECT_FALSE(dialog_.IsSentContestNumberParameterOn());
    EXPECT_FALSE(dialog_.IsReceivedContestNumberParameterOn());
    EXPECT_TRUE(dialog_.IsCallSignParameterOn());
    EXPECT_EQ(dialog_.GetCallSignParameterCount(), 2);
}

// Applies one case's settings of tests/data/dialogs/log_data_search_cases.txt.
void Apply(D& d, const std::string& settings) {
    for (const std::string& setting : Items(settings)) {
        std::istringstream in(setting);
        std::string what, state, text, box, number;
        in >> what >> state >> text >> box >> number;
        text = text == "\"\"" ? "" : Unescaped(text);
        const bool on = box == "on";
        const int parameter = number.empty() ? 0 : std::stoi(number);
        if (what == "marks") {
            d.SetPunctuationMarks(Unescaped(state));
        } else if (what == "range" || what == "entered") {
            d.SetSwitch(D::kDateTime, what == "range" ? D::kMustMatch : D::kOff);
            d.SetEnteredRange(kNow + std::stoi(state), kNow + std::stoi(text));
        } else if (what == "call") {
            d.SetSwitch(D::kCallSign, std::stoi(state));
            d.SetEnteredCallSign(text);
            d.SetCallSignParameter(on, parameter);
        } else if (what == "sent") {
            d.SetSwitch(D::kSentContestNumber, std::stoi(state));
            d.SetEnteredSentContestNumber(text);
            d.SetSentContestNumberParameter(on, parameter);
        } else if (what == "received") {
            d.SetSwitch(D::kReceivedContestNumber, std::stoi(state));
            d.SetEnteredReceivedContestNumber(text);
            d.SetReceivedContestNumberParameter(on, parameter);
        } else if (what == "comment") {
            d.SetSwitch(D::kComment, std::stoi(state));
            d.SetComment(text);
        }
    }
}

// Each case's message and the field to focus (as numbered in D::Field), and what the dialog
// then stored (the range from the time it was opened), then the points ranges (the stored
// range after each) and a refusal as the operator sees it, are in the golden file.
TEST_F(LogDataSearchDialogTest, ChecksInOrderWithTheirFields) {
    std::ostringstream seen;
    for (const CaseRow& row : CaseTable("dialogs/log_data_search_cases.txt", 2)) {
        D dialog = dialog_;
        Apply(dialog, row[1]);
        const auto result = dialog.OnSearchStart();
        seen << row[0] << ": focus " << static_cast<int>(result.focus) << " " << U(result.message)
             << " | stored " << dialog.GetFrom() - kNow << " to " << dialog.GetTo() - kNow
             << ", call " << U(dialog.GetCallSign()) << " (" << U(dialog.GetEnteredCallSign())
             << "), sent " << dialog.GetSentContestNumber() << ", received "
             << dialog.GetReceivedContestNumber() << "\n";
    }
    dialog_.SetSwitch(D::kPoints, D::kMustMatch);
    for (const auto& [from, to] :
         {std::pair{1, 1}, {1, 30000}, {5, 4}, {0, 4}, {1, 30001}, {-3, -1}}) {
        dialog_.SetEnteredPoints(from, to);
        const auto result = dialog_.OnSearchStart();
        seen << "points " << from << "-" << to << ": " << U(result.message) << ", stored "
             << dialog_.GetPointsFrom() << "-" << dialog_.GetPointsTo() << "\n";
    }
    CScriptedOperator op;
    dialog_.SetEnteredPoints(1, 1);
    dialog_.SetSwitch(D::kComment, 1);
    seen << "shown: " << dialog_.OnSearchStart(op) << " " << Told(op);
    dialog_.SetComment("QSL");
    seen << "shown: " << dialog_.OnSearchStart(op) << " " << Told(op);
    ExpectGolden("dialogs/log_data_search_checks", seen.str());
}
}  // namespace
