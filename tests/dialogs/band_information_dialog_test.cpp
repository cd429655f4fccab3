#include "dialogs/band_information_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"

namespace {

using namespace doc_test;

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

TEST(BandInformationDialog, UnitCodesMapToListIndicesBothWays) {
    const struct {
        int unit;
        int index;
    } cases[] = {{3, 0}, {6, 1}, {9, 2}};
    for (const auto& c : cases) {
        CBandInformationDialog dialog;
        ASSERT_TRUE(dialog.SetBand(Band(1.9, c.unit)));
        EXPECT_EQ(dialog.GetUnitIndex(), c.index);
        EXPECT_TRUE(dialog.GetBand().IsIdenticalTo(Band(1.9, c.unit))) << c.unit;
    }
}

TEST(BandInformationDialog, InvalidBandIsRefusedAndKeepsTheControls) {
    CBandInformationDialog dialog;
    dialog.SetFrequency(14);
    EXPECT_FALSE(dialog.SetBand(CQuillmarkData_BandItem()));
    EXPECT_EQ(dialog.GetFrequency(), 14);
}

TEST(BandInformationDialog, ModeFromAnOlderFileSurvivesTheDialog) {
    CBandInformationDialog dialog;
    dialog.SetMode("SSB");
    EXPECT_EQ(dialog.GetMode(), "SSB");
}

TEST(BandInformationDialog, OpeningShowsTheItemWithTheFirstDelimiter) {
    CBandInformationDialog dialog;
    dialog.SetSentContestNumber(Number("599,100", NumberFormat()));
    dialog.LoadSentContestNumberText(kDelimiters);
    EXPECT_EQ(dialog.GetSentContestNumberText(), "599/100");
}

class BandInformationOk : public testing::Test {
protected:
    void SetUp() override { dialog_.SetContestNumberType(NumberFormat()); }

    CScriptedOperator operator_;
    CBandInformationDialog dialog_;
};

TEST_F(BandInformationOk, RefusesFrequenciesThatAreNotPositiveNumbers) {
    const double cases[] = {0.0, -7.0, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()};
    for (const double frequency : cases) {
        operator_.ClearRecords();
        dialog_.SetFrequency(frequency);
        dialog_.SetSentContestNumberText("599/100");
        EXPECT_FALSE(dialog_.OnOK(operator_, kDelimiters)) << frequency;
        ASSERT_EQ(operator_.Messages().size(), 1u);
        EXPECT_EQ(operator_.Messages()[0].text, J("周波数帯の入力に誤りがあります。"));
        EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
        EXPECT_EQ(operator_.Messages()[0].style, kWarning);
        EXPECT_EQ(dialog_.GetFocusField(), CBandInformationDialog::Field::frequency);
    }
}

TEST_F(BandInformationOk, FrequencyIsCheckedBeforeTheSentNumber) {
    dialog_.SetFrequency(0);
    dialog_.SetSentContestNumberText("x");
    EXPECT_FALSE(dialog_.OnOK(operator_, kDelimiters));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J("周波数帯の入力に誤りがあります。"));
}

TEST_F(BandInformationOk, RefusesASentNumberTheFormatDoesNotAccept) {
    const char* const cases[] = {"", "599", "599/1", "5999/100", "599/100/7"};
    for (const char* text : cases) {
        operator_.ClearRecords();
        dialog_.SetSentContestNumberText(text);
        EXPECT_FALSE(dialog_.OnOK(operator_, kDelimiters)) << text;
        ASSERT_EQ(operator_.Messages().size(), 1u);
        EXPECT_EQ(operator_.Messages()[0].text,
                  J("自局の送信コンテストナンバーの入力に誤りがあります。"));
        EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
        EXPECT_EQ(dialog_.GetFocusField(), CBandInformationDialog::Field::sent_contest_number);
        EXPECT_FALSE(dialog_.GetSentContestNumber().IsValid());
    }
}

TEST(BandInformationDialog, StartsAtSevenMegahertzCallingWithNoMode) {
    const CBandInformationDialog dialog;
    EXPECT_EQ(dialog.GetBand(), Band(7, 6));
    EXPECT_EQ(dialog.GetBand().GetUnit(), 6);
    EXPECT_EQ(dialog.GetModeSelection(), J("（指定しない）"));
    EXPECT_EQ(dialog.GetMode(), "");
    EXPECT_EQ(dialog.GetCallingMethod(), 1);
}

TEST(BandInformationDialog, UnitIndexOutsideTheListGivesNoBand) {
    CBandInformationDialog dialog;
    dialog.SetUnitIndex(3);
    EXPECT_FALSE(dialog.GetBand().IsValid());
}

TEST(BandInformationDialog, SentNumberTextLimitFollowsTheFormat) {
    CBandInformationDialog dialog;
    dialog.SetContestNumberType(NumberFormat());
    EXPECT_EQ(dialog.GetSentContestNumberTextLimit(), 3 + 6 + 1);
    CQuillmarkData_ContestNumberType unlimited;
    unlimited.SetFormat(1, -1, {Attributes(0, -1)});
    dialog.SetContestNumberType(unlimited);
    EXPECT_EQ(dialog.GetSentContestNumberTextLimit(), -1);
}
}  // namespace
