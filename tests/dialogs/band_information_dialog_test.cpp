#include "dialogs/band_information_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"

namespace {

using namespace doc_test;

TEST(BandInformationDialog, UnitCodesMapToListIndicesBothWays) {
    for (auto [unit, index] : {std::pair{3, 0}, std::pair{6, 1}, std::pair{9, 2}}) {
        CBandInformationDialog dialog;
        ASSERT_TRUE(dialog.SetBand(Band(1.9, unit)));
        EXPECT_EQ(dialog.GetUnitIndex(), index);
        EXPECT_TRUE(dialog.GetBand().IsIdenticalTo(Band(1.9, unit))) << unit;
    }
    CBandInformationDialog dialog;
    dialog.SetFrequency(14);
    EXPECT_FALSE(dialog.SetBand(CQuillmarkData_BandItem())) << "an invalid band";
    EXPECT_EQ(dialog.GetFrequency(), 14) << "keeps the controls";
    dialog.SetUnitIndex(3);
    EXPECT_FALSE(dialog.GetBand().IsValid()) << "an index outside the list";
}

TEST(BandInformationDialog, SentNumberIsShownWithTheFirstDelimiterAndLimitedByTheFormat) {
    CBandInformationDialog dialog;
    dialog.SetSentContestNumber(Number("599,100", NumberFormat()));
    dialog.LoadSentContestNumberText(kDelimiters);
    EXPECT_EQ(dialog.GetSentContestNumberText(), "599/100");
    dialog.SetContestNumberType(NumberFormat());
    EXPECT_EQ(dialog.GetSentContestNumberTextLimit(), 3 + 6 + 1);
    CQuillmarkData_ContestNumberType unlimited;
    unlimited.SetFormat(1, -1, {Attributes(0, -1)});
    dialog.SetContestNumberType(unlimited);
    EXPECT_EQ(dialog.GetSentContestNumberTextLimit(), -1);
}

// The frequency is checked before the sent number; each refusal names its field.
TEST(BandInformationDialog, OkRefusesABadFrequencyOrSentNumber) {
    using Field = CBandInformationDialog::Field;
    const char* const kFrequency = "周波数帯の入力に誤りがあります。";
    const char* const kSent = "自局の送信コンテストナンバーの入力に誤りがあります。";
    const struct {
        double frequency;
        const char* sent;
        const char* warning;
        Field focus;
    } cases[] = {
        {0.0, "599/100", kFrequency, Field::frequency},
        {-7.0, "599/100", kFrequency, Field::frequency},
        {std::numeric_limits<double>::quiet_NaN(), "599/100", kFrequency, Field::frequency},
        {std::numeric_limits<double>::infinity(), "599/100", kFrequency, Field::frequency},
        {0.0, "x", kFrequency, Field::frequency},
        {7.0, "", kSent, Field::sent_contest_number},
        {7.0, "599", kSent, Field::sent_contest_number},
        {7.0, "599/1", kSent, Field::sent_contest_number},
        {7.0, "5999/100", kSent, Field::sent_contest_number},
        {7.0, "599/100/7", kSent, Field::sent_contest_number},
    };
    for (const auto& c : cases) {
        CScriptedOperator op;
        CBandInformationDialog dialog;
        dialog.SetContestNumberType(NumberFormat());
        dialog.SetFrequency(c.frequency);
        dialog.SetSentContestNumberText(c.sent);
        EXPECT_FALSE(dialog.OnOK(op, kDelimiters)) << c.frequency << " " << c.sent;
        EXPECT_EQ(MessagesOf(op),
                  (std::vector<Shown>{{c.warning, "クイルマーク - 警告", kWarning}}));
        EXPECT_EQ(dialog.GetFocusField(), c.focus);
        EXPECT_FALSE(dialog.GetSentContestNumber().IsValid());
    }
}

}  // namespace
