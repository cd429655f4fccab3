#include "dialogs/band_information_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../platform/case_table.h"
#include "dialog_golden.h"

namespace {

using namespace dialog_test;
using platform_test::CaseRow;
using platform_test::CaseTable;

// The third unit (the document's sessions show the dialog opened on kHz and MHz bands), an
// invalid band and an index outside the list; the sent number shown with the first delimiter,
// its length limited by the format.
TEST(BandInformationDialog, UnitsAndTheSentNumbersTextAndLimit) {
    CBandInformationDialog dialog;
    ASSERT_TRUE(dialog.SetBand(Band(1.2, 9)));
    EXPECT_EQ(dialog.GetUnitIndex(), 2);
    EXPECT_TRUE(dialog.GetBand().IsIdenticalTo(Band(1.2, 9)));
    dialog.SetFrequency(14);
    EXPECT_FALSE(dialog.SetBand(CQuillmarkData_BandItem())) << "an invalid band";
    EXPECT_EQ(dialog.GetFrequency(), 14) << "keeps the controls";
    dialog.SetUnitIndex(3);
    EXPECT_FALSE(dialog.GetBand().IsValid()) << "an index outside the list";
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

// The frequency is checked before the sent number; each refusal names its field (frequency
// 1, sent number 2) and keeps no sent number.
TEST(BandInformationDialog, OkRefusesABadFrequencyOrSentNumber) {
    std::ostringstream seen;
    CScriptedOperator op;
    CBandInformationDialog dialog;
    dialog.SetContestNumberType(NumberFormat());
    for (const CaseRow& row : CaseTable("dialogs/band_information_refusal_cases.txt", 2)) {
        dialog.SetFrequency(std::stod(row[0]));
        dialog.SetSentContestNumberText(row[1]);
        const bool accepted = dialog.OnOK(op, kDelimiters);
        seen << row[0] << " " << row[1] << ": " << accepted << ", focus "
             << static_cast<int>(dialog.GetFocusField()) << " " << Told(op);
        EXPECT_FALSE(dialog.GetSentContestNumber().IsValid());
    }
    ExpectGolden("dialogs/band_information_refusals", seen.str());
}

}  // namespace
