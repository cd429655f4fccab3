#include <gtest/gtest.h>

#include <vector>

#include "doc_session.h"

namespace {

using namespace doc_test;

// Entries 0 … 4 of the active 7 MHz band, in stored (time) order.
class SortCommand : public DocSession {
protected:
    void SetUp() override {
        SetUpContest({7});
        const char* const calls[] = {"JA1CCC", "JA1AAA", "JA1BBB", "JA1AAA", "JA1ABC"};
        for (int i = 0; i < 5; ++i) {
            Add(0, kTime + 60 * i, calls[i], "599/" + std::to_string(10 + i));
        }
    }
    std::vector<int> sorted_;
};

// Only the missing active band is told, and no status follows.
TEST_F(SortCommand, WithoutContestActiveBandOrRowsReturnsFalse) {
    sorted_ = {1, 2};
    EXPECT_FALSE(doc_.SortLogDisplay(2, {}, sorted_));
    EXPECT_TRUE(sorted_.empty()) << "no rows: the list is emptied";
    Log().ClearActiveBand();
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0}, sorted_));
    doc_.GetContest() = CQuillmarkData_MainData();
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0}, sorted_));
    ExpectSeen("sort_refusals");
}

TEST_F(SortCommand, ByCallSignShowsTheProgressWindowAndCompletes) {
    ASSERT_TRUE(doc_.SortLogDisplay(2, {0, 1, 2, 3, 4}, sorted_)) << operator_.Transcript();
    // AAA (1, 3 in display order), ABC, BBB, CCC.
    EXPECT_EQ(sorted_, (std::vector<int>{1, 3, 4, 2, 0}));
    EXPECT_GE(operator_.PumpCount(), 1);
    ASSERT_TRUE(doc_.SortLogDisplay(1, {2}, sorted_));
    EXPECT_EQ(sorted_, std::vector<int>{2});
    // The status text comes before the window shows; the window closes before the end text;
    // sorting changes only the view.
    ExpectSeen("sort_by_call_sign");
}

TEST_F(SortCommand, CancelKeepsTheShownOrderAndSaysSo) {
    operator_.CancelProgressAfterPumps(1);
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0, 1, 2, 3, 4}, sorted_));
    EXPECT_EQ(sorted_, (std::vector<int>{0, 1, 2, 3, 4}));
    ExpectSeen("sort_cancelled");
}

TEST_F(SortCommand, CompareLogDataFollowsTheActiveBand) {
    EXPECT_LT(doc_.CompareLogData(1, 0, 2), 0);
    EXPECT_GT(doc_.CompareLogData(0, 1, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(1, 3, 2), 0);
    // Out of range and unknown keys are equal.
    EXPECT_EQ(doc_.CompareLogData(-1, 0, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(0, 5, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(1, 0, 13), 0);
    // The punctuation setting decides the joining delimiter.
    Add(0, kTime + 600, "JA1AAA,1", "599/50");
    Add(0, kTime + 660, "JA1AAA", "599/60");
    settings_.SetPunctuationMarks("-/");
    EXPECT_GT(doc_.CompareLogData(5, 6, 2), 0);
    EXPECT_LT(doc_.CompareLogData(5, 0, 2), 0) << "'-' sorts before letters";
}

}  // namespace
