#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "citycode/city_code_organization.h"
#include "contest_setup_script.h"
#include "dialogs/contest_type_sheet.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using namespace contest_setup_script;
using Fields = CContestTypePage_MainInformation_1::DateTimeFields;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);

struct HintRecorder : IDocumentListener {
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

class ContestSetup : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetIsDisplayUTC(1);
        settings_.SetIsAutomaticSavingEnabled(0);
        doc_.SetProgramFolder(folder_.Path());
        doc_.SetUserDataFolder(folder_.Path());
        doc_.AddListener(&hints_);
    }
    void TearDown() override { doc_.RemoveListener(&hints_); }

    // A contest as an earlier setup left it, with one contact on 14 MHz.
    void SetUpExistingContest() {
        doc_.GetContest() = Contest();
        doc_.GetContest().SetCategoryCode("C");
        doc_.GetContest().SetCategoryName("Single");
        doc_.GetContest().AddBand(Band(7, 6));
        doc_.GetContest().AddBand(Band(14, 6));
        doc_.GetContest().SetActiveBandAt(1);
        doc_.GetContest().GetBandAt(1)->AddEntry(
            Entry(doc_.GetContest(), kTime, "JA1ABC", "599/100", "599/13"));
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
    HintRecorder hints_;
};

// --- A new contest. ---

TEST_F(ContestSetup, FinishedWizardDefinesTheContest) {
    Cp932 caption;
    int mode = 0;
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [&](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        caption = sheet.GetCaption();
        mode = sheet.GetMode();
        FinishWizard(sheet, {});
    });
    EXPECT_EQ(doc_.SetupNewContest(), 1);

    EXPECT_EQ(caption, J("クイルマーク - 新規コンテスト情報の設定"));
    EXPECT_EQ(mode, 1);
    const CQuillmarkData_MainData& contest = doc_.GetContest();
    ASSERT_TRUE(contest.IsValid());
    EXPECT_EQ(contest.GetContestName(), "ALL JA");
    EXPECT_EQ(contest.GetCategoryCode(), "XMA");
    EXPECT_EQ(contest.GetCategoryName(), "Multi");
    EXPECT_EQ(contest.GetStartTime(), Utc(2021, 4, 29, 21, 0));
    EXPECT_EQ(contest.GetEndTime(), Utc(2021, 4, 30, 21, 0));
    CQuillmarkData_CallSignType call_format;
    call_format.SetDefaultFormat(2, 0);
    CQuillmarkData_ContestNumberType number_format;
    number_format.SetDefaultFormat(4, 1);
    EXPECT_EQ(contest.GetCallSignType(), call_format);
    EXPECT_EQ(contest.GetContestNumberType(), number_format);
    EXPECT_EQ(contest.GetOwnCallSign(), CallSign("JA1ZZZ", call_format));
    EXPECT_EQ(contest.GetBandCount(), 0);
    EXPECT_EQ(contest.GetActiveBandIndex(), -1);

    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(hints_.hints, std::vector<int>{-1});
    EXPECT_TRUE(operator_.StatusTexts().empty());
    EXPECT_TRUE(doc_.GetGraphSeries(0)->IsValid());
    EXPECT_TRUE(doc_.GetGraphSeries(1)->IsValid());
    EXPECT_FALSE(doc_.GetGraphSeries(3)->IsValid());
}

TEST_F(ContestSetup, NewDocumentFailsWhenTheWizardIsCancelled) {
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_FALSE(doc_.OnNewDocument());
    AnswerFinishedWizard(operator_);
    EXPECT_TRUE(doc_.OnNewDocument());
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(doc_.GetContest().GetContestName(), "ALL JA");
}

TEST_F(ContestSetup, SetupOverAnExistingContestFailsAndKeepsIt) {
    SetUpExistingContest();
    const CQuillmarkData_MainData before = doc_.GetContest();
    AnswerFinishedWizard(operator_);
    EXPECT_EQ(doc_.SetupNewContest(), 0);
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("新規コンテスト情報の設定に失敗しました。")});
    EXPECT_EQ(doc_.GetContest(), before);
    EXPECT_FALSE(doc_.IsModified());
}

// --- Changing the contest. ---

TEST_F(ContestSetup, ChangePreloadsTheWizardAndTakesOverOnlyTheDescription) {
    SetUpExistingContest();
    const CQuillmarkData_MainData before = doc_.GetContest();
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [&](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        EXPECT_EQ(sheet.GetCaption(), J("クイルマーク - 既存のコンテスト情報の設定変更"));
        EXPECT_EQ(sheet.GetMode(), 2);
        const auto& main = sheet.GetMainInformation1Page();
        EXPECT_EQ(main.GetContestNameText(), "TEST");
        EXPECT_EQ(main.GetCategoryCode(), "C");
        EXPECT_EQ(main.GetCategoryName(), "Single");
        EXPECT_EQ(main.GetOwnCallSignText(), "JA1ZZZ");
        EXPECT_EQ(main.GetStartFields(), (Fields{2021, 6, 5, 0, 0, 0}));
        EXPECT_EQ(main.GetEndFields(), (Fields{2021, 6, 6, 0, 0, 0}));
        EXPECT_EQ(sheet.GetParameter2Page().GetCallSignType(), CallSignFormat());
        FinishWizard(sheet, {.name = "RENAMED",
                             .category_code = "M",
                             .category_name = "Multi",
                             .own_call_sign = "JA1YYY/2",
                             .start = {2021, 6, 5, 3, 0, 0},
                             .end = {2021, 6, 7, 3, 0, 0}});
        EXPECT_EQ(sheet.GetParameter1Page().GetContestNumberParameterCount(), 2);
    });
    EXPECT_EQ(doc_.ChangeContest(), 1);

    const CQuillmarkData_MainData& contest = doc_.GetContest();
    EXPECT_EQ(contest.GetContestName(), "RENAMED");
    EXPECT_EQ(contest.GetCategoryCode(), "M");
    EXPECT_EQ(contest.GetCategoryName(), "Multi");
    EXPECT_EQ(contest.GetOwnCallSign(), CallSign("JA1YYY/2", CallSignFormat()));
    EXPECT_EQ(contest.GetStartTime(), Utc(2021, 6, 5, 3, 0));
    EXPECT_EQ(contest.GetEndTime(), Utc(2021, 6, 7, 3, 0));
    EXPECT_EQ(contest.GetCallSignType(), before.GetCallSignType());
    EXPECT_EQ(contest.GetContestNumberType(), before.GetContestNumberType());
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        EXPECT_EQ(*contest.GetBandAt(i), *before.GetBandAt(i));
    }
    EXPECT_EQ(contest.GetActiveBandIndex(), 1);
    EXPECT_EQ(hints_.hints, std::vector<int>{-3});
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("既存のコンテスト情報の設定変更を完了しました。")});
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(ContestSetup, ChangeRefusesTheCallOfALoggedStation) {
    SetUpExistingContest();
    operator_.AnswerDialog(CContestTypeSheet::kIdWizardFinish, [](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        sheet.Next();
        sheet.Next();
        sheet.Next();
        sheet.GetMainInformation1Page().SetOwnCallSignText("JA1ABC");
        EXPECT_FALSE(sheet.Next());
        sheet.GetMainInformation1Page().SetOwnCallSignText("JA1ABD");
        EXPECT_TRUE(sheet.Next());
        EXPECT_TRUE(sheet.Next());
    });
    EXPECT_EQ(doc_.ChangeContest(), 1);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("入力された自局の呼出符号は、既存のログデータの呼出符号と重複します。"
                "別の呼出符号に変えてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
    EXPECT_EQ(doc_.GetContest().GetOwnCallSign(), CallSign("JA1ABD", CallSignFormat()));
}

// --- Opening an empty file. ---

TEST_F(ContestSetup, EmptyFileBecomesANewContestSavedAtOnce) {
    const std::string path = folder_ / "new.qmk";
    std::ofstream(path).close();
    AnswerFinishedWizard(operator_);
    ASSERT_TRUE(doc_.OnOpenDocument(path));

    EXPECT_EQ(doc_.GetPathName(), path);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_GT(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(doc_.GetContest().GetContestName(), "ALL JA");

    CScriptedOperator other_operator;
    CQuillmarkDoc reopened(other_operator, settings_, &city_codes_);
    ASSERT_TRUE(reopened.OnOpenDocument(path)) << other_operator.Transcript();
    EXPECT_EQ(reopened.GetContest(), doc_.GetContest());
}

TEST_F(ContestSetup, EmptyFileWithTheWizardCancelledIsNotOpened) {
    const std::string path = folder_ / "new.qmk";
    std::ofstream(path).close();
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_FALSE(doc_.OnOpenDocument(path));
    EXPECT_EQ(doc_.GetPathName(), "");
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_FALSE(doc_.GetContest().IsValid());
}

TEST_F(ContestSetup, ChangeWithoutContestDoesNothingSilently) {
    EXPECT_EQ(doc_.ChangeContest(), 0);
    EXPECT_TRUE(operator_.Events().empty());
}

TEST_F(ContestSetup, CancelledChangeKeepsTheContest) {
    SetUpExistingContest();
    const CQuillmarkData_MainData before = doc_.GetContest();
    operator_.AnswerDialog(message_box::kIdCancel, [](CDialogState& state, int) {
        auto& sheet = dynamic_cast<CContestTypeSheet&>(state);
        sheet.Next();
        sheet.Next();
        sheet.Next();
        sheet.GetMainInformation1Page().SetContestNameText("GONE");
        sheet.Next();
    });
    EXPECT_EQ(doc_.ChangeContest(), 0);
    EXPECT_EQ(doc_.GetContest(), before);
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("既存のコンテスト情報の設定変更を中止しました。")});
    EXPECT_TRUE(hints_.hints.empty());
    EXPECT_FALSE(doc_.IsModified());
}
}  // namespace
