// What the contest window shows: status bar, tree and list texts, the graph's geometry, and
// how the log list follows the document's updates.
#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"
#include "ui/frames/main_status_texts.h"
#include "ui/views/contest_texts.h"
#include "ui/views/graph_layout.h"
#include "ui/views/index_list_model.h"
#include "ui/views/quillmark_graph_view.h"
#include "ui/views/quillmark_log_view.h"
#include "ui_test_util.h"

namespace {

using doc_test::Contest;
using doc_test::Entry;
using doc_test::J;
using doc_test::Utc;

Cp932 BandTextOf(double mhz) {
    return model_test::Band(mhz, 6).GetBandText(3, 1, false);
}

// A contest of 2021-06-05 00:00 to 06-06 00:00 UTC with 7 MHz (two entries, one First on
// the same multiplier) and 14 MHz (empty), 7 MHz active.
CQuillmarkData_MainData TwoBands(int multiplier = 1) {
    CQuillmarkData_MainData contest = Contest(multiplier);
    for (const double mhz : {7.0, 14.0}) {
        contest.AddBand(model_test::Band(mhz, 6));
    }
    CQuillmarkData_SubMainData* band = contest.GetBandAt(0);
    band->SetMode("CW");
    band->SetSentContestNumber(model_test::Number("599/10", contest.GetContestNumberType()));
    band->SetCallingMethod(true);
    band->AddEntry(Entry(contest, Utc(2021, 6, 5, 0, 1), "JA1AAA", "599/10", "599/25", 2, ""));
    band->AddEntry(Entry(contest, Utc(2021, 6, 5, 0, 7), "JA2BBB", "599/10", "599/25", 3));
    contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
    contest.SetActiveBandAt(0);
    return contest;
}

TEST(ContestTexts, StatusBarWithAndWithoutActiveBandAndMultiplier) {
    CQuillmarkSystem settings;
    EXPECT_TRUE(contest_texts::StatusPanes(nullptr, settings).empty());
    CQuillmarkData_MainData contest = TwoBands();
    std::vector<Cp932> texts;
    for (const auto& pane : contest_texts::StatusPanes(&contest, settings)) {
        texts.push_back(pane.text);
    }
    EXPECT_EQ(texts, (std::vector<Cp932>{"JA1ZZZ", "599/10", BandTextOf(7.0), "CW", "", "CQ", "",
                                         J("局 : 2 ／ 2"), J("ﾏﾙﾁ : 1 ／ 1"), J("点 : 5 ／ 5"), "",
                                         J("総得点 : 5")}));

    contest.ClearActiveBand();
    settings.SetIsUseStationParameter(1);
    settings.SetStationParameter(3);
    const auto panes = contest_texts::StatusPanes(&contest, settings);
    EXPECT_EQ(panes[1].text, "---");
    EXPECT_EQ(panes[2].text, J("（現在、アクティブな周波数帯はありません。）"));
    EXPECT_EQ(panes[3].text, "---");
    EXPECT_EQ(panes[5].text, "---");
    EXPECT_EQ(panes[7].text, J("局 : 2"));
    EXPECT_EQ(panes[11].text, J("総得点 : 15"));

    CQuillmarkData_MainData plain = TwoBands(-1);
    const auto no_multiplier = contest_texts::StatusPanes(&plain, CQuillmarkSystem());
    EXPECT_EQ(no_multiplier[8].text, J("ﾏﾙﾁ : －"));
    EXPECT_EQ(no_multiplier[11].text, J("総得点 : 5"));  // points × 1
}

TEST(ContestTexts, TreeAndListWithoutMultiplierSystemAndEmptyMode) {
    const CQuillmarkSystem settings;
    CQuillmarkData_MainData contest = TwoBands(-1);
    const contest_texts::ContestTree tree = contest_texts::TreeOf(contest, settings);
    const Cp932 none = J("（このコンテストでは、マルチ制をサポートしていません。）");
    EXPECT_EQ(tree.values[6], none);
    ASSERT_EQ(tree.bands.size(), 2u);
    EXPECT_EQ(tree.bands[0].values[4], none);
    EXPECT_EQ(tree.bands[1].values[4], none);
    EXPECT_EQ(tree.bands[1].values[0], J("（指定されていません。）"));
    EXPECT_EQ(tree.bands[0].values[2], J("呼び出し"));
    EXPECT_TRUE(tree.bands[0].title.ends_with(J(" （アクティブ）")));
    EXPECT_FALSE(tree.bands[1].title.ends_with(J(" （アクティブ）")));
    EXPECT_EQ(tree.values[4], J("2021 年  6 月 5 日 - 0 時 00 分 00 秒  →  2021 年  6 月 6 日 - 0 "
                                "時 00 分 00 秒"));

    const CQuillmarkData_LogDataItem& first = contest.GetBandAt(0)->GetEntries()[0];
    CQuillmarkSystem utc;
    utc.SetIsDisplayUTC(1);
    EXPECT_EQ(contest_texts::LogCell(first, 0, contest, utc), "2021  06/05   00:01:00");
    EXPECT_EQ(contest_texts::LogCell(first, 4, contest, utc), "");  // First, but no system
    EXPECT_EQ(contest_texts::LogCell(first, 6, contest, utc), "---");
    EXPECT_EQ(contest_texts::LogCell(first, 7, contest, utc), "Non-CQ");
    EXPECT_EQ(contest_texts::LogCell(first, 8, contest, utc), J("－"));
    CQuillmarkData_MainData with = TwoBands();
    EXPECT_EQ(contest_texts::LogCell(with.GetBandAt(0)->GetEntries()[0], 4, with, utc), "25");
    EXPECT_EQ(contest_texts::LogCell(with.GetBandAt(0)->GetEntries()[1], 4, with, utc), "");
}

TEST(MainStatusTexts, TimeZonePaneAndClockFollowTheSettings) {
    EXPECT_EQ(main_status_texts::TimeZoneIndicator(true, "JST", "JDT"), "UTC");
    EXPECT_EQ(main_status_texts::TimeZoneIndicator(false, "", ""), "Local [JST]");
    EXPECT_EQ(main_status_texts::TimeZoneIndicator(false, "", "JDT"), "Local [JDT]");
    EXPECT_EQ(main_status_texts::TimeZoneIndicator(false, "JST", ""), "Local [JST]");
    EXPECT_EQ(main_status_texts::TimeZoneIndicator(false, "CET", "CEST"), "Local [CEST (CET)]");

    CQuillmarkSystem settings;
    settings.SetIsDisplayUTC(1);
    settings.SetDateDisplayString("%H:%M %Z");
    EXPECT_EQ(main_status_texts::Clock(settings, Utc(2021, 6, 5, 13, 4)), "13:04 ");
    settings.SetIsDisplayingDateEnabled(0);
    EXPECT_EQ(main_status_texts::Clock(settings, Utc(2021, 6, 5, 13, 4)), "");
}

TEST(GraphLayout, HeightsGridAndStateFollowTheCounts) {
    const CTimeZoneRule utc = CTimeZoneRule::Utc();
    const int64_t start = Utc(2021, 6, 5, 0, 0);
    const int64_t end = Utc(2021, 6, 6, 0, 0);
    graph_layout::Series series;
    series.valid = series.shown = true;
    series.title = "S";
    series.bucket_count = 480;
    series.counts = {60, 40};  // a total of exactly 100
    graph_layout::Drawing d = graph_layout::Compute({series}, start, end, start + 600, 60, 12, utc);
    EXPECT_EQ(d.plot_height, 150);
    EXPECT_EQ(d.plot_width, 486);
    int grid_lines = 0;
    for (const auto& line : d.lines) {
        grid_lines += line.pen == graph_layout::Pen::grid ? 1 : 0;
    }
    EXPECT_EQ(grid_lines, 1);
    ASSERT_EQ(d.polylines.size(), 1u);
    // From the origin up one step per bucket, then across to the end of the counts.
    const int x0 = 66, y0 = 150 + 29 - 1;
    EXPECT_EQ(d.polylines[0].points,
              (std::vector<std::pair<int, int>>{
                  {x0, y0}, {x0 + 1, y0 - 60}, {x0 + 2, y0 - 100}, {x0 + 3, y0 - 100}}));
    EXPECT_EQ(d.labels.back().text,
              J("コンテスト中です。（コンテスト終了 : 2021 年  6 月 6 日 - 0 時 "
                "00 分 00 秒 ）"));

    series.shown = false;
    d = graph_layout::Compute({series}, start, end, start - 1, 60, 12, utc);
    EXPECT_EQ(d.plot_height, 50);
    EXPECT_EQ(d.plot_width, 6);
    EXPECT_TRUE(d.polylines.empty());
    EXPECT_TRUE(d.labels.back().text.starts_with(J("コンテスト開始前です。（コンテスト開始 : ")));
    d = graph_layout::Compute({series}, start, end, end, 60, 12, utc);
    EXPECT_EQ(d.labels.back().text, J("コンテストはすでに終了しました。"));
}

class ViewsOfADocument : public testing::Test {
protected:
    ViewsOfADocument() {
        doc_->GetContest() = TwoBands();
        doc_->RebuildGraphData();
    }
    ui_test::AppGuard app_;
    CScriptedOperator op_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    std::shared_ptr<CQuillmarkDoc> doc_ =
        std::make_shared<CQuillmarkDoc>(op_, settings_, &city_codes_);
};

TEST_F(ViewsOfADocument, GraphBucketsCountTheEndedBucketsAndAllOnceTheContestIsOver) {
    // Three-minute buckets: the entries at 00:01 and 00:07 fall in buckets 0 and 2.
    const auto during = graph_layout::RecomputeSeries(*doc_, Utc(2021, 6, 5, 0, 10));
    ASSERT_EQ(during.size(), 6u);
    EXPECT_EQ(during[0].counts, (std::vector<int64_t>{1, 0, 1}));
    EXPECT_EQ(during[2].counts, (std::vector<int64_t>{2, 0, 3}));  // points
    EXPECT_EQ(during[4].counts, (std::vector<int64_t>{1, 0, 0}));  // active band multipliers
    const auto before = graph_layout::RecomputeSeries(*doc_, Utc(2021, 6, 4, 0, 0));
    EXPECT_TRUE(before[0].counts.empty());
    const auto after = graph_layout::RecomputeSeries(*doc_, Utc(2021, 6, 7, 0, 0));
    EXPECT_EQ(after[0].counts.size(), 480u);
}

TEST_F(ViewsOfADocument, GraphTimerRedrawsAtTheStartAndWhenABucketEnds) {
    CQuillmarkGraphView graph(doc_);
    graph.RecomputeAt(Utc(2021, 6, 4, 23, 59));
    graph.SetLastTick(Utc(2021, 6, 4, 23, 59));
    const auto state = [&graph] { return graph.LastDrawing().labels.back().text; };
    EXPECT_TRUE(state().starts_with(J("コンテスト開始前です。")));
    // The start passes: redrawn at once although no bucket has ended yet.
    graph.Tick(Utc(2021, 6, 5, 0, 0, 1));
    EXPECT_TRUE(state().starts_with(J("コンテスト中です。")));
    EXPECT_TRUE(graph.SeriesList()[0].counts.empty());
    // An appended entry (-2) waits for the bucket to end; then the tick catches up.
    doc_->UpdateAllViews(-2);
    graph.Tick(Utc(2021, 6, 5, 0, 2));
    EXPECT_TRUE(graph.SeriesList()[0].counts.empty());
    graph.Tick(Utc(2021, 6, 5, 0, 3, 1));
    EXPECT_EQ(graph.SeriesList()[0].counts, (std::vector<int64_t>{1}));
    graph.Tick(Utc(2021, 6, 6, 0, 0));
    EXPECT_EQ(state(), J("コンテストはすでに終了しました。"));
}

TEST_F(ViewsOfADocument, LogListRefillsInBandOrderAfterAnyChangeToAnArrangedList) {
    CQuillmarkLogView view(doc_);
    EXPECT_EQ(view.GetListState(), CQuillmarkLogView::kBandOrder);
    EXPECT_EQ(view.Model()->Items(), (std::vector<int>{0, 1}));
    view.FillInOrder({1, 0});
    EXPECT_EQ(view.GetListState(), CQuillmarkLogView::kArranged);
    // One entry appended while the list is sorted: a full refill, not an append.
    CQuillmarkData_SubMainData* band = doc_->GetContest().GetActiveBand();
    band->AddEntry(Entry(doc_->GetContest(), Utc(2021, 6, 5, 1, 0), "JA3CCC", "599/10", "599/30"));
    doc_->UpdateAllViews(-2);
    EXPECT_EQ(view.Model()->Items(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(view.GetListState(), CQuillmarkLogView::kBandOrder);
    // Hidden rows come back with the next update, whatever its hint.
    view.SelectOnly(1);
    view.RemoveSelected();
    EXPECT_EQ(view.Model()->Items(), (std::vector<int>{0, 2}));
    doc_->UpdateAllViews(-3);
    EXPECT_EQ(view.Model()->Items(), (std::vector<int>{0, 1, 2}));
    // In band order a hint below -2 changes no rows, and -2 appends the last entry only.
    doc_->UpdateAllViews(-7);
    EXPECT_EQ(view.Model()->rowCount(), 3);
    band->AddEntry(Entry(doc_->GetContest(), Utc(2021, 6, 5, 1, 5), "JA4DDD", "599/10", "599/31"));
    doc_->UpdateAllViews(-2);
    EXPECT_EQ(view.Model()->Items(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(view.Model()->CellText(3, 1), QStringLiteral("JA4DDD"));
    doc_->GetContest().ClearActiveBand();
    doc_->UpdateAllViews(-1);
    EXPECT_EQ(view.Model()->rowCount(), 0);
    EXPECT_FALSE(view.SetStyle(4));
    EXPECT_TRUE(view.SetStyle(CIndexListView::kDetails));  // the style in force
}

}  // namespace
