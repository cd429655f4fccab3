// What the contest window shows: status bar, tree and list texts, the graph's geometry, and
// how the log list follows the document's updates.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

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

// A contest of 2021-06-05 00:00 to 06-06 00:00 UTC with 7 MHz (two entries, one First on
// the same multiplier) and 14 MHz (empty), 7 MHz active.
CQuillmarkData_MainData TwoBands(int multiplier = 1) {
    CQuillmarkData_MainData contest = Contest(multiplier);
    contest.AddBand(model_test::Band(7, 6));
    contest.AddBand(model_test::Band(14, 6));
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

// Every text of the contest window's status bar, tree and list for TwoBands with and without
// a multiplier system, an active band and the score's coefficient, and the main status bar's
// time zone pane and clock: whole in the golden file.
TEST(ContestTexts, StatusBarTreeListAndClockOfAContest) {
    std::ostringstream seen;
    const auto panes = [&seen](const char* what, const CQuillmarkData_MainData* contest,
                               const CQuillmarkSystem& settings) {
        seen << "status bar, " << what << ":";
        for (const auto& pane : contest_texts::StatusPanes(contest, settings)) {
            seen << " |" << Cp932ToUtf8(pane.text);
        }
        seen << "\n";
    };
    CQuillmarkSystem settings;
    panes("no contest", nullptr, settings);
    CQuillmarkData_MainData with = TwoBands();
    const CQuillmarkData_MainData plain = TwoBands(-1);
    panes("7 MHz active", &with, settings);
    panes("no multiplier system", &plain, settings);
    CQuillmarkSystem utc;
    utc.SetIsDisplayUTC(1);
    for (const CQuillmarkData_MainData* contest : {&std::as_const(with), &plain}) {
        const contest_texts::ContestTree tree = contest_texts::TreeOf(*contest, settings);
        for (size_t i = 0; i < tree.values.size(); ++i) {
            seen << contest_texts::ContestLabels()[i] << ": " << Cp932ToUtf8(tree.values[i])
                 << "\n";
        }
        for (const contest_texts::BandNode& band : tree.bands) {
            seen << "  " << Cp932ToUtf8(band.title) << "\n";
            for (size_t i = 0; i < band.values.size(); ++i) {
                seen << "    " << contest_texts::BandLabels()[i] << ": "
                     << Cp932ToUtf8(band.values[i]) << "\n";
            }
        }
        for (const auto& entry : contest->GetBandAt(0)->GetEntries()) {
            for (int column = 0; column < contest_texts::kLogColumnCount; ++column) {
                seen << contest_texts::LogColumns()[column].title << "="
                     << Cp932ToUtf8(contest_texts::LogCell(entry, column, *contest, utc)) << " ";
            }
            seen << "\n";
        }
    }
    with.ClearActiveBand();
    settings.SetIsUseStationParameter(1);
    settings.SetStationParameter(3);
    panes("no active band, coefficient 3", &with, settings);
    for (const auto& [standard, daylight] :
         {std::pair{"", ""}, {"", "JDT"}, {"JST", ""}, {"CET", "CEST"}}) {
        seen << "zone " << standard << "/" << daylight << ": "
             << main_status_texts::TimeZoneIndicator(false, standard, daylight) << "\n";
    }
    seen << "zone in UTC: " << main_status_texts::TimeZoneIndicator(true, "JST", "JDT") << "\n";
    utc.SetDateDisplayString("%H:%M %Z");
    seen << "clock: " << main_status_texts::Clock(utc, Utc(2021, 6, 5, 13, 4)) << "|\n";
    utc.SetIsDisplayingDateEnabled(0);
    seen << "clock off: " << main_status_texts::Clock(utc, Utc(2021, 6, 5, 13, 4)) << "|\n";
    ui_test::ExpectGolden("ui/contest_texts", seen.str());
}

// The graph of one series of 60 and 40 (a total of exactly 100: one grid line) ten minutes
// into the contest, then hidden before the start and at the end: sizes, lines, the series
// drawn from the origin up one step per bucket, and the labels, in the golden file.
TEST(GraphLayout, SizesLinesSeriesAndLabelsFollowTheCountsAndTheTime) {
    const CTimeZoneRule utc = CTimeZoneRule::Utc();
    const int64_t start = Utc(2021, 6, 5, 0, 0);
    const int64_t end = Utc(2021, 6, 6, 0, 0);
    graph_layout::Series series{
        .valid = true, .shown = true, .title = "S", .bucket_count = 480, .counts = {60, 40}};
    std::ostringstream seen;
    for (const int64_t now : {start + 600, start - 1, end}) {
        const graph_layout::Drawing d =
            graph_layout::Compute({series}, start, end, now, 60, 12, utc);
        seen << "--- at " << now - start << ": " << d.width << "x" << d.height << ", plot "
             << d.plot_width << "x" << d.plot_height << "\n";
        for (const auto& line : d.lines) {
            seen << "line " << line.x1 << "," << line.y1 << " " << line.x2 << "," << line.y2 << " "
                 << static_cast<int>(line.pen) << "\n";
        }
        for (const auto& polyline : d.polylines) {
            seen << "series " << polyline.width << " " << polyline.colour << ":";
            for (const auto& [x, y] : polyline.points) {
                seen << " " << x << "," << y;
            }
            seen << "\n";
        }
        for (const auto& label : d.labels) {
            seen << "label " << label.x << "," << label.y << " " << label.anchor << ": "
                 << Cp932ToUtf8(label.text) << "\n";
        }
        series.shown = false;
    }
    ui_test::ExpectGolden("ui/graph_layout", seen.str());
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

// Three-minute buckets: the entries at 00:01 and 00:07 fall in buckets 0 and 2, counted once
// each bucket has ended, and all of them once the contest is over.
TEST_F(ViewsOfADocument, GraphTimerRedrawsAtTheStartAndWhenABucketEnds) {
    CQuillmarkGraphView graph(doc_);
    graph.RecomputeAt(Utc(2021, 6, 4, 23, 59));
    graph.SetLastTick(Utc(2021, 6, 4, 23, 59));
    const auto state = [&graph] { return graph.LastDrawing().labels.back().text; };
    EXPECT_TRUE(state().starts_with(J("コンテスト開始前です。")));
    EXPECT_TRUE(graph.SeriesList()[0].counts.empty());
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
    graph.Tick(Utc(2021, 6, 5, 0, 10));
    ASSERT_EQ(graph.SeriesList().size(), 6u);
    EXPECT_EQ(graph.SeriesList()[0].counts, (std::vector<int64_t>{1, 0, 1}));
    EXPECT_EQ(graph.SeriesList()[2].counts, (std::vector<int64_t>{2, 0, 3}));  // points
    EXPECT_EQ(graph.SeriesList()[4].counts, (std::vector<int64_t>{1, 0, 0}));  // multipliers
    graph.Tick(Utc(2021, 6, 6, 0, 0));
    EXPECT_EQ(state(), J("コンテストはすでに終了しました。"));
    EXPECT_EQ(graph.SeriesList()[0].counts.size(), 480u);
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
