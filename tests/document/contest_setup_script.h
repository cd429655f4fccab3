#pragma once

#include <gtest/gtest.h>

#include <string>

#include "dialogs/contest_type_sheet.h"
#include "dialogs/scripted_operator.h"

// The operator's part in the contest setup wizard, for the document tests: what to type on
// the main information page, then Next through every page and Finish.
namespace contest_setup_script {

struct MainInformation {
    std::string name = "ALL JA";
    std::string category_code = "XMA";
    std::string category_name = "Multi";
    std::string own_call_sign = "JA1ZZZ";
    CContestTypePage_MainInformation_1::DateTimeFields start = {2021, 4, 29, 21, 0, 0};
    CContestTypePage_MainInformation_1::DateTimeFields end = {2021, 4, 30, 21, 0, 0};
};

// Walks the shown wizard from the page it shows to Finish; every Next must pass.
inline void FinishWizard(CContestTypeSheet& sheet, const MainInformation& input) {
    while (sheet.GetActivePageIndex() < CContestTypeSheet::kPageMainInformation1) {
        ASSERT_TRUE(sheet.Next()) << sheet.GetActivePageIndex();
    }
    auto& main = sheet.GetMainInformation1Page();
    main.SetContestNameText(input.name);
    main.SetCategoryCode(input.category_code);
    main.SetCategoryName(input.category_name);
    main.SetOwnCallSignText(input.own_call_sign);
    main.SetStartFields(input.start);
    main.SetEndFields(input.end);
    ASSERT_TRUE(sheet.Next());
    ASSERT_TRUE(sheet.Next());
    ASSERT_TRUE(sheet.Finish());
}

// Scripts one run of the wizard that the operator finishes with input.
inline void AnswerFinishedWizard(CScriptedOperator& op, const MainInformation& input = {}) {
    op.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [input](CDialogState& state, int) {
        FinishWizard(dynamic_cast<CContestTypeSheet&>(state), input);
    });
}

}  // namespace contest_setup_script
