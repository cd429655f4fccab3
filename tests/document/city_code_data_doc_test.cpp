#include "document/city_code_data_doc.h"

#include <gtest/gtest.h>

#include <fstream>

#include "doc_session.h"

namespace {

using doc_test::J;
using doc_test::WithoutProgressPositions;

class CityCodeDataDocTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Codes 100, 101, 102 with names in reverse order of their codes.
    void OpenThree() {
        ASSERT_TRUE(doc_.OnOpenDocument(
            Write("a.ini", J("100:丙市:へいし\n101:乙市:おつし\n102:甲市:こうし\n"))));
        op_.ClearRecords();
    }
    void AnswerCondition(const char* code, bool worked = false) {
        op_.AnswerDialog(message_box::kIdOk, [code, worked](CDialogState& state, int) {
            auto& dialog = static_cast<CCityCodeSearchDialog&>(state);
            dialog.SetCode(true, code);
            dialog.SetWorkedMultipliers(worked);
        });
    }

    doc_test::TempFolder folder_;
    CScriptedOperator op_;
    CCityCodeDataDoc doc_{op_};
};

TEST_F(CityCodeDataDocTest, OpeningDependsOnTheFileAndItsExtension) {
    EXPECT_FALSE(doc_.OnOpenDocument(Write("empty.ini", "")));
    ASSERT_EQ(op_.Messages().size(), 1u);  // refused, but never silently
    EXPECT_TRUE(doc_.OnOpenDocument(Write("UPPER.INI", "1:a:b\n2:c:d")));
    EXPECT_EQ(doc_.GetDatabase().GetItemCount(), 2);
    EXPECT_TRUE(doc_.OnOpenDocument(Write("list.txt", "1:a:b\n")));
    EXPECT_EQ(doc_.GetDatabase().GetItemCount(), 0);
    EXPECT_FALSE(doc_.OnOpenDocument(folder_ / "missing.ini"));
    EXPECT_EQ(op_.Messages().back().text, CCityCodeData_MainData::OpenFailedMessage());
    EXPECT_FALSE(op_.IsProgressShown());
}

TEST_F(CityCodeDataDocTest, SortingAReducedListSortsOnlyThoseRowsAndCancelKeepsThem) {
    OpenThree();
    std::vector<int> rows = {2, 0};
    EXPECT_TRUE(doc_.SortList(0, rows));
    EXPECT_EQ(rows, (std::vector<int>{0, 2}));
    EXPECT_EQ(op_.LastStatusText(), J("ソートを完了しました。"));
    rows = doc_.AllRows();
    EXPECT_TRUE(doc_.SortList(2, rows));  // おつし < こうし < へいし
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 0}));
    op_.CancelProgressAfterPumps(1);
    std::vector<int> kept = {0, 1, 2};
    EXPECT_FALSE(doc_.SortList(1, kept));
    EXPECT_EQ(kept, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(op_.LastStatusText(), J("ソートを中断しました。"));
    std::vector<int> none;
    EXPECT_FALSE(doc_.SortList(0, none));
}

TEST_F(CityCodeDataDocTest, SearchRefusesWorkedMultipliersAndAsksAgainUntilSomethingIsFound) {
    std::vector<int> found;
    EXPECT_FALSE(doc_.SearchList(found));  // an empty database
    const std::string refused = op_.Transcript();
    OpenThree();
    AnswerCondition("1", true);
    AnswerCondition("9");
    AnswerCondition("10");
    EXPECT_TRUE(doc_.SearchList(found));
    EXPECT_EQ(found, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(doc_.IsConditionActive());
    op_.AnswerDialog(message_box::kIdCancel);
    EXPECT_FALSE(doc_.SearchList(found));
    EXPECT_FALSE(doc_.IsConditionActive());
    platform_test::ExpectGolden("document/city_code_search",
                                WithoutProgressPositions(refused + op_.Transcript()));
}

TEST_F(CityCodeDataDocTest, StepSearchAsksFirstWithoutAConditionAndThenStepsWithIt) {
    OpenThree();
    const std::vector<int> rows = {0, 1, 2};
    AnswerCondition("10");
    EXPECT_EQ(doc_.StepSearch(0, rows, false, true), 1);  // F3 without a condition asks
    EXPECT_EQ(op_.Dialogs().size(), 1u);
    EXPECT_EQ(doc_.StepSearch(1, rows, false, true), 2);
    EXPECT_EQ(doc_.StepSearch(2, rows, false, true), -1);  // nothing after the last row
    EXPECT_EQ(doc_.StepSearch(2, rows, true, true), 1);
    EXPECT_EQ(op_.Dialogs().size(), 1u);

    // The candidate form asks every time; without a match it asks again.
    AnswerCondition("101");
    AnswerCondition("100");
    EXPECT_EQ(doc_.StepSearch(1, rows, true, false), 0);
    EXPECT_EQ(op_.Dialogs().size(), 3u);                   // "101" is the start row itself
    EXPECT_EQ(doc_.StepSearch(1, rows, false, true), -1);  // F3 stops after one miss
    EXPECT_EQ(op_.Dialogs().size(), 3u);
    EXPECT_EQ(doc_.StepSearch(0, {}, false, true), -1);
    platform_test::ExpectGolden("document/city_code_step_search", op_.Transcript());
}

}  // namespace
