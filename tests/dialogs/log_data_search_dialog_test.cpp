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
    for (int c = 0; c < D::kCriterionCount; ++c) {
        D dialog(kNow);
        dialog.SetEnteredRange(kNow, kNow);
        dialog.SetEnteredCallSign("JA1");
        dialog.SetEnteredSentContestNumber("599");
        dialog.SetEnteredReceivedContestNumber("599");
        dialog.SetComment("x");
        dialog.SetSwitch(c, D::kMustNotMatch);
        EXPECT_TRUE(dialog.OnSearchStart().ok()) << c;
    }
}

TEST_F(LogDataSearchDialogTest, DateRangeIsStoredOnlyWhenItsSwitchIsOnAndItIsInOrder) {
    dialog_.SetSwitch(D::kFirst, D::kMustMatch);
    dialog_.SetEnteredRange(kNow - 60, kNow);
    ASSERT_TRUE(dialog_.OnSearchStart().ok());
    EXPECT_EQ(dialog_.GetFrom(), kNow) << "switch off: the range stays as stored";

    dialog_.SetSwitch(D::kDateTime, D::kMustMatch);
    ASSERT_TRUE(dialog_.OnSearchStart().ok());
    EXPECT_EQ(dialog_.GetFrom(), kNow - 60);
    EXPECT_EQ(dialog_.GetTo(), kNow);

    dialog_.SetEnteredRange(kNow + 1, kNow);
    const auto result = dialog_.OnSearchStart();
    EXPECT_EQ(result.message, J("条件の入力に誤りがあります。"));
    EXPECT_EQ(dialog_.GetFrom(), kNow - 60) << "a refused range is not stored";

    dialog_.SetEnteredRange(kNow, kNow);
    EXPECT_TRUE(dialog_.OnSearchStart().ok()) << "equal ends are accepted";
}

TEST_F(LogDataSearchDialogTest, TextsAreStoredWithThePunctuationMarksMadeTheFirst) {
    dialog_.SetSwitch(D::kCallSign, D::kMustMatch);
    dialog_.SetSwitch(D::kReceivedContestNumber, D::kMustMatch);
    dialog_.SetEnteredCallSign("JA1ABC,1");
    dialog_.SetEnteredSentContestNumber("599.10");
    dialog_.SetEnteredReceivedContestNumber("599.10,x");
    ASSERT_TRUE(dialog_.OnSearchStart().ok());
    EXPECT_EQ(dialog_.GetCallSign(), "JA1ABC/1");
    EXPECT_EQ(dialog_.GetReceivedContestNumber(), "599/10/x");
    EXPECT_TRUE(dialog_.GetSentContestNumber().empty()) << "switch off: not stored";
    EXPECT_EQ(dialog_.GetEnteredCallSign(), "JA1ABC,1") << "the field keeps what was typed";
}

TEST_F(LogDataSearchDialogTest, DoubleByteTextsAreNotBrokenByNormalising) {
    // "ー" is 0x81 0x5B; its trail byte is no mark, and "ソ" (0x83 0x5C) carries a backslash
    // trail byte that must not be taken for the mark "\".
    dialog_.SetPunctuationMarks("/\\");
    dialog_.SetSwitch(D::kCallSign, D::kMustMatch);
    dialog_.SetEnteredCallSign("\x83\x5C\\A");
    ASSERT_TRUE(dialog_.OnSearchStart().ok());
    EXPECT_EQ(dialog_.GetCallSign(), "\x83\x5C/A");
    // A full-width mark becomes the first mark too.
    dialog_.SetPunctuationMarks("/\x81\x5E");
    dialog_.SetEnteredCallSign(
        "A\x81\x5E"
        "B");
    ASSERT_TRUE(dialog_.OnSearchStart().ok());
    EXPECT_EQ(dialog_.GetCallSign(), "A/B");
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
Setup Both(Setup first, Setup second) {
    return [=](D& d) {
        first(d);
        second(d);
    };
}

// Each case's message and the field to focus (as numbered in Field) are in the golden file.
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
};

// Then the points ranges (the stored range after each) and a refusal as the operator sees it.
TEST_F(LogDataSearchDialogTest, ChecksInOrderWithTheirFields) {
    std::ostringstream seen;
    for (const auto& [name, setup] : kChecks) {
        D dialog = dialog_;
        setup(dialog);
        const auto result = dialog.OnSearchStart();
        seen << name << ": focus " << static_cast<int>(result.focus) << " " << U(result.message)
             << "\n";
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
