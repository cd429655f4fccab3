#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "contest_setup_script.h"
#include "dialogs/contest_type_sheet.h"
#include "doc_session.h"

namespace {

using namespace doc_test;
using namespace contest_setup_script;

class ContestSetup : public DocSession {
protected:
    // A contest as an earlier setup left it, with one contact on 14 MHz.
    void SetUpExistingContest() {
        SetUpContest({7, 14}, 1);
        Log().SetCategoryCode("C");
        Log().SetCategoryName("Single");
        Add(1, kTime, "JA1ABC", "599/13");
    }
    // What the wizard shows on opening: its caption, its mode and the main information (the
    // period in change mode only: a new contest's follows the clock).
    void NoteSheet(const CContestTypeSheet& sheet) {
        const auto& main = sheet.GetMainInformation1Page();
        std::string fields;
        if (sheet.GetMode() == contest_type::kModeChange) {
            for (const auto& moment : {main.GetStartFields(), main.GetEndFields()}) {
                for (const int field : moment) {
                    fields += " " + std::to_string(field);
                }
            }
        }
        NoteShown("wizard [" + U(sheet.GetCaption()) + "] mode " + std::to_string(sheet.GetMode()) +
                  ": " + U(main.GetContestNameText()) + " [" + U(main.GetCategoryCode()) + "] " +
                  U(main.GetCategoryName()) + ", " + U(main.GetOwnCallSignText()) + "," + fields);
    }
    // The wizard as the operator works it: Next to the main information page, then body.
    void AnswerChange(int result, std::function<void(CContestTypeSheet&)> body) {
        operator_.AnswerDialog(result, [body](CDialogState& state, int) {
            auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
            for (int i = 0; i < 3; ++i) {
                sheet.Next();
            }
            body(sheet);
        });
    }
};

// --- A new contest. ---

// The wizard's values, no bands and no active band.
TEST_F(ContestSetup, FinishedWizardDefinesTheContest) {
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [this](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        NoteSheet(sheet);
        FinishWizard(sheet, {});
    });
    EXPECT_EQ(doc_.SetupNewContest(), 1);
    EXPECT_EQ(Log().GetCallSignType(), model_test::CallSignFormat(2, 0));
    EXPECT_EQ(Log().GetContestNumberType(), model_test::ContestNumberFormat(4, 1));
    ExpectSeen("contest_defined");
}

TEST_F(ContestSetup, NewDocumentFailsWhenTheWizardIsCancelled) {
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_FALSE(doc_.OnNewDocument());
    AnswerFinishedWizard(operator_);
    EXPECT_TRUE(doc_.OnNewDocument());
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Log().GetContestName(), "ALL JA");
}

TEST_F(ContestSetup, SetupOverAnExistingContestFailsAndKeepsIt) {
    SetUpExistingContest();
    const CQuillmarkData_MainData before = Log();
    AnswerFinishedWizard(operator_);
    EXPECT_EQ(doc_.SetupNewContest(), 0);
    EXPECT_EQ(Log(), before);
    ExpectSeen("contest_setup_over_an_existing_one");
}

// --- Changing the contest. ---

TEST_F(ContestSetup, ChangePreloadsTheWizardAndTakesOverOnlyTheDescription) {
    SetUpExistingContest();
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [this](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        NoteSheet(sheet);
        EXPECT_EQ(sheet.GetParameter2Page().GetCallSignType(), CallSignFormat());
        // The sheet searches the log for the own call sign (its rule is the sheet's own).
        for (int i = 0; i < 3; ++i) {
            sheet.Next();
        }
        sheet.GetMainInformation1Page().SetOwnCallSignText("JA1ABC");
        EXPECT_FALSE(sheet.Next());
        FinishWizard(sheet, {.name = "RENAMED",
                             .category_code = "M",
                             .category_name = "Multi",
                             .own_call_sign = "JA1YYY/2",
                             .start = {2021, 6, 5, 3, 0, 0},
                             .end = {2021, 6, 7, 3, 0, 0}});
        EXPECT_EQ(sheet.GetParameter1Page().GetContestNumberParameterCount(), 2);
    });
    EXPECT_EQ(doc_.ChangeContest(), 1);
    EXPECT_EQ(Log().GetCallSignType(), CallSignFormat());
    EXPECT_EQ(Log().GetContestNumberType(), NumberFormat());
    // The bands, entries and the active band are kept.
    ExpectSeen("contest_changed");
}

TEST_F(ContestSetup, ChangeCancelledChangesNothing) {
    SetUpExistingContest();
    const CQuillmarkData_MainData before = Log();
    AnswerChange(message_box::kIdCancel, [](CContestTypeSheet& sheet) {
        sheet.GetMainInformation1Page().SetContestNameText("GONE");
        sheet.Next();
    });
    EXPECT_EQ(doc_.ChangeContest(), 0);
    EXPECT_EQ(Log(), before);
    ExpectSeen("contest_change_cancelled");
}

// --- Opening an empty file. ---

TEST_F(ContestSetup, EmptyFileBecomesANewContestSavedAtOnce) {
    const std::string path = folder_ / "new.qmk";
    std::ofstream(path).close();
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_FALSE(doc_.OnOpenDocument(path)) << "the wizard cancelled";
    EXPECT_EQ(doc_.GetPathName(), "");
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_FALSE(Log().IsValid());

    AnswerFinishedWizard(operator_);
    ASSERT_TRUE(doc_.OnOpenDocument(path));
    EXPECT_EQ(doc_.GetPathName(), path);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(Log().GetContestName(), "ALL JA");
    CScriptedOperator other_operator;
    CQuillmarkDoc reopened(other_operator, settings_, &city_codes_);
    ASSERT_TRUE(reopened.OnOpenDocument(path)) << other_operator.Transcript();
    EXPECT_EQ(reopened.GetContest(), Log());
}

}  // namespace
