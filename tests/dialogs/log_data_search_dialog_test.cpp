#include "dialogs/log_data_search_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "dialog_golden.h"

namespace {

using namespace dialog_test;
using D = CLogDataSearchDialog;
using Field = D::Field;

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

TEST_F(LogDataSearchDialogTest, EachSwitchAloneCountsAsACriterion) {
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
}

// One text criterion: its switch (1 must match, 2 must not), its text and its parameter box.
using Setup = std::function<void(D&)>;
Setup Text(int criterion, int on, const char* text, bool parameter_on = false, int parameter = 0) {
    return [=](D& d) {
        d.SetSwitch(criterion, on);
        if (criterion == D::kCallSign) {
            d.SetEnteredCallSign(text);
            d.SetCallSignParameter(parameter_on, parameter);
        } else if (criterion == D::kSentContestNumber) {
            d.SetEnteredSentContestNumber(text);
            d.SetSentContestNumberParameter(parameter_on, parameter);
        } else if (criterion == D::kReceivedContestNumber) {
            d.SetEnteredReceivedContestNumber(text);
            d.SetReceivedContestNumberParameter(parameter_on, parameter);
        } else {
            d.SetComment(text);
        }
    };
}
Setup Range(int64_t from, int64_t to) {
    return [=](D& d) {
        d.SetSwitch(D::kDateTime, 1);
        d.SetEnteredRange(from, to);
    };
}
Setup Both(Setup first, Setup second) {
    return [=](D& d) {
        first(d);
        second(d);
    };
}

// Each case's message and the field to focus (as numbered in Field), and what the dialog then
// stored (the range from the time it was opened), are in the golden file.
const std::pair<const char*, Setup> kChecks[] = {
    {"call sign parameter zero", Text(D::kCallSign, 1, "JA", true, 0)},
    {"call sign parameter beyond the format", Text(D::kCallSign, 2, "JA", true, 3)},
    {"call sign parameter box off ignores the number", Text(D::kCallSign, 1, "JA", false, 9)},
    {"parameter checked before the empty text", Text(D::kCallSign, 1, "", true, 3)},
    {"empty call sign", Text(D::kCallSign, 2, "")},
    {"sent parameter", Text(D::kSentContestNumber, 1, "5", true, 3)},
    {"empty sent", Text(D::kSentContestNumber, 1, "")},
    {"received parameter", Text(D::kReceivedContestNumber, 1, "5", true, 0)},
    {"empty received", Text(D::kReceivedContestNumber, 2, "")},
    {"sent checked before received",
     Both(Text(D::kReceivedContestNumber, 1, ""), Text(D::kSentContestNumber, 1, ""))},
    {"empty comment that must be contained", Text(D::kComment, 1, "")},
    {"empty comment that must not be contained is accepted", Text(D::kComment, 2, "")},
    {"range checked before everything", Both(
                                            [](D& d) {
                                                d.SetSwitch(D::kDateTime, 1);
                                                d.SetEnteredRange(10, 9);
                                            },
                                            Text(D::kCallSign, 1, ""))},
    {"nothing switched on", [](D&) {}},
    // The range is stored only when its switch is on and it is in order.
    {"a range whose switch is off",
     [](D& d) {
         d.SetSwitch(D::kFirst, 1);
         d.SetEnteredRange(kNow - 60, kNow);
     }},
    {"a range in order", Range(kNow - 60, kNow)},
    {"a range in reverse", Range(kNow + 1, kNow)},
    {"a range of equal ends", Range(kNow, kNow)},
    // The texts are stored with the punctuation marks made the first; the field keeps what was
    // typed, and a text whose switch is off is not stored.
    {"marks in the texts", Both(Text(D::kCallSign, 1, "JA1ABC,1"),
                                Both(Text(D::kReceivedContestNumber, 1, "599.10,x"),
                                     [](D& d) { d.SetEnteredSentContestNumber("599.10"); }))},
    // "ソ" (0x83 0x5C) carries a backslash trail byte that must not be taken for the mark "\".
    {"a trail byte like a mark",
     Both([](D& d) { d.SetPunctuationMarks("/\\"); }, Text(D::kCallSign, 1, "\x83\x5C\\A"))},
    {"a full-width mark",
     Both([](D& d) { d.SetPunctuationMarks("/\x81\x5E"); }, Text(D::kCallSign, 1,
                                                                 "A\x81\x5E"
                                                                 "B"))},
};

// Then the points ranges (the stored range after each) and a refusal as the operator sees it.
TEST_F(LogDataSearchDialogTest, ChecksInOrderWithTheirFields) {
    std::ostringstream seen;
    for (const auto& [name, setup] : kChecks) {
        D dialog = dialog_;
        setup(dialog);
        const auto result = dialog.OnSearchStart();
        seen << name << ": focus " << static_cast<int>(result.focus) << " " << U(result.message)
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

TEST_F(LogDataSearchDialogTest, AnEmptyFormatClearsItsParameterBoxes) {
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
}  // namespace
