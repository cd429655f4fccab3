#include <gtest/gtest.h>

#include <vector>

#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using Kind = CScriptedOperator::Event::Kind;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);

class SortCommand : public testing::Test {
protected:
    // Entries 0 … 4 of the active 7 MHz band, in stored (time) order.
    void SetUpLog() {
        doc_.GetContest() = Contest();
        doc_.GetContest().AddBand(Band(7, 6));
        doc_.GetContest().SetActiveBand(Band(7, 6));
        Add("JA1CCC", "599/20", 1, true);
        Add("JA1AAA", "599/30", 1, false);
        Add("JA1BBB", "599/10", 1, true);
        Add("JA1AAA", "599/40", 1, false);
        Add("JA1ABC", "599/05", 1, true);
    }

    void Add(std::string_view call, std::string_view received, int points, bool first) {
        CQuillmarkData_SubMainData* band = doc_.GetContest().GetActiveBand();
        const int64_t time = kTime + static_cast<int64_t>(band->GetEntries().size()) * 60;
        auto entry = Entry(doc_.GetContest(), time, call, "599/100", received, points);
        entry.SetFirst(first);
        band->AddEntry(entry);
    }

    std::vector<Cp932> ProgressLines() const {
        std::vector<Cp932> lines;
        for (const auto& event : operator_.Events()) {
            if (event.kind == Kind::progress_lines) {
                lines.push_back(event.text);
            }
        }
        return lines;
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
};

TEST_F(SortCommand, WithoutActiveBandAsksForOne) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    doc_.GetContest().ClearActiveBand();
    std::vector<int> sorted;
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0}, sorted));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("ソートを行いたい周波数帯をアクティブにしてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータのソート"));
    EXPECT_EQ(operator_.Messages()[0].style, message_box::kOk | message_box::kIconExclamation);
    EXPECT_TRUE(operator_.StatusTexts().empty());
}

TEST_F(SortCommand, WithoutRowsEmptiesTheListAndReturnsFalse) {
    SetUpLog();
    std::vector<int> sorted = {1, 2};
    EXPECT_FALSE(doc_.SortLogDisplay(2, {}, sorted));
    EXPECT_TRUE(sorted.empty());
    EXPECT_TRUE(operator_.Events().empty());
}

TEST_F(SortCommand, ByCallSignShowsTheProgressWindowAndCompletes) {
    SetUpLog();
    std::vector<int> sorted;
    ASSERT_TRUE(doc_.SortLogDisplay(2, {0, 1, 2, 3, 4}, sorted)) << operator_.Transcript();
    // AAA (1, 3 in display order), ABC, BBB, CCC.
    EXPECT_EQ(sorted, (std::vector<int>{1, 3, 4, 2, 0}));
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("ソートをしています。しばらくお待ちください．．．"),
                                  J("ソートを完了しました。")}));
    ASSERT_FALSE(ProgressLines().empty());
    EXPECT_EQ(ProgressLines()[0],
              J("与えられた条件により、ログデータをソートしています。しばらくお待ちください．．．\n"
                "[条件] ： 呼出符号\n"));
    ASSERT_FALSE(operator_.ProgressTexts().empty());
    EXPECT_EQ(operator_.ProgressTexts()[0], J("クイルマーク - ログデータのソート"));
    // The status text comes before the window shows; the window closes before the end text.
    const auto& events = operator_.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.front().kind, Kind::status);
    EXPECT_EQ(events[1].kind, Kind::progress_show);
    EXPECT_EQ(events[events.size() - 2].kind, Kind::progress_close);
    EXPECT_FALSE(operator_.IsProgressShown());
    EXPECT_GE(operator_.PumpCount(), 1);
    EXPECT_FALSE(doc_.IsModified()) << "sorting changes only the view";
}

TEST_F(SortCommand, ProgressWindowHasCancelAndTheRowRange) {
    SetUpLog();
    std::vector<int> sorted;
    ASSERT_TRUE(doc_.SortLogDisplay(6, {4, 3, 2, 1, 0}, sorted));
    bool range_seen = false;
    bool cancel_on = false;
    for (const auto& event : operator_.Events()) {
        range_seen = range_seen || (event.kind == Kind::progress_range && event.text == "0-5");
        cancel_on = cancel_on || (event.kind == Kind::progress_cancel_button && event.value == 1);
    }
    EXPECT_TRUE(range_seen) << operator_.Transcript();
    EXPECT_TRUE(cancel_on) << operator_.Transcript();
}

TEST_F(SortCommand, CancelKeepsTheShownOrderAndSaysSo) {
    SetUpLog();
    operator_.CancelProgressAfterPumps(1);
    std::vector<int> sorted;
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0, 1, 2, 3, 4}, sorted));
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(operator_.LastStatusText(), J("ソートを中断しました。"));
    EXPECT_FALSE(operator_.IsProgressShown());
}

TEST_F(SortCommand, CompareLogDataFollowsTheActiveBand) {
    SetUpLog();
    EXPECT_LT(doc_.CompareLogData(1, 0, 2), 0);
    EXPECT_GT(doc_.CompareLogData(0, 1, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(1, 3, 2), 0);
    // Out of range and unknown keys are equal.
    EXPECT_EQ(doc_.CompareLogData(-1, 0, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(0, 5, 2), 0);
    EXPECT_EQ(doc_.CompareLogData(1, 0, 13), 0);
    // The punctuation setting decides the joining delimiter.
    Add("JA1AAA,1", "599/50", 1, false);
    Add("JA1AAA", "599/60", 1, false);
    settings_.SetPunctuationMarks("-/");
    EXPECT_GT(doc_.CompareLogData(5, 6, 2), 0);
    EXPECT_LT(doc_.CompareLogData(5, 0, 2), 0) << "'-' sorts before letters";
}

TEST_F(SortCommand, WithoutContestReturnsFalseSilently) {
    std::vector<int> sorted = {9};
    EXPECT_FALSE(doc_.SortLogDisplay(2, {0}, sorted));
    EXPECT_TRUE(operator_.Events().empty());
}

TEST_F(SortCommand, SingleRowCompletes) {
    SetUpLog();
    std::vector<int> sorted;
    ASSERT_TRUE(doc_.SortLogDisplay(1, {2}, sorted));
    EXPECT_EQ(sorted, std::vector<int>{2});
    EXPECT_EQ(operator_.LastStatusText(), J("ソートを完了しました。"));
}
}  // namespace
