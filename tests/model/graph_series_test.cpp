#include "model/graph_series.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "model/contest.h"
#include "model_test_util.h"

namespace {

using model_test::Band;
using model_test::Entry;

constexpr int64_t kBucket = 180;

class GraphSeriesTest : public testing::Test {
protected:
    void SetUp() override {
        contest_ = model_test::Contest();
        contest_.SetStartTime(kStart);
        contest_.SetEndTime(kStart + 24 * 3600);
        contest_.AddBand(Band(7, 6));
        contest_.AddBand(Band(14, 6));
        auto* seven = contest_.GetBandAt(0);
        seven->AddEntry(Entry(kStart + 10, "JA1AAA", "59/12", 2));
        seven->AddEntry(Entry(kStart + 200, "JA1BBB", "59/12", 1));
        seven->AddEntry(Entry(kStart + 400, "JA1CCC", "59/13", 0));
        contest_.GetBandAt(1)->AddEntry(Entry(kStart + 100, "JA1AAA", "59/12", 3));
        contest_.RebuildAll(6);
    }

    static constexpr int64_t kStart = 1000000;
    CQuillmarkData_MainData contest_;
};

TEST_F(GraphSeriesTest, SetSourceRefusesNullsBadBucketsAndASecondCall) {
    CQuillmarkData_GraphDataItem series(GraphKind::stations);
    // Without a source there is nothing to count.
    EXPECT_EQ(std::tuple(series.GetBucketCount(), series.GetBucketIndex(0), series.GetEventCount(),
                         series.GetFirstEventPosition()),
              std::tuple(-1, -1, -1, -1));
    EXPECT_FALSE(series.SetSource(nullptr, &contest_, kBucket));
    EXPECT_FALSE(
        series.SetSource(&contest_, static_cast<const CQuillmarkData_MainData*>(nullptr), kBucket));
    EXPECT_FALSE(series.SetSource(
        &contest_, static_cast<const CQuillmarkData_SubMainData*>(nullptr), kBucket));
    EXPECT_FALSE(series.SetSource(&contest_, &contest_, 0));
    EXPECT_FALSE(series.SetSource(&contest_, &contest_, -180));
    ASSERT_TRUE(series.SetSource(&contest_, &contest_, kBucket));
    EXPECT_FALSE(series.SetSource(&contest_, contest_.GetBandAt(0), kBucket));
    series.DeleteContents();
    EXPECT_TRUE(series.SetSource(&contest_, contest_.GetBandAt(0), kBucket));
}

// Counting per bucket stops at the limit, and the walk of events at its end.
TEST_F(GraphSeriesTest, BucketsRoundAPartialBucketUpAndTimesClampToThePeriod) {
    CQuillmarkData_GraphDataItem series(GraphKind::stations);
    ASSERT_TRUE(series.SetSource(&contest_, &contest_, kBucket));
    // Times +10 and +100 in bucket 0, +200 in 1, +400 in 2 (the golden shows them all).
    EXPECT_EQ(series.CountEventsPerBucket(2), (std::vector<int64_t>{2, 1}));
    EXPECT_TRUE(series.CountEventsPerBucket(0).empty());
    EXPECT_EQ(series.CountEventsPerBucket(1000000).size(), 480u);
    int64_t cursor = 99;
    EXPECT_EQ(series.GetNextEvent(cursor), -1);
    EXPECT_EQ(cursor, -1);
    for (const auto& c : platform_test::CaseTable("model/graph_buckets.txt", 3)) {
        const int64_t seconds = std::stoll(c[1]);
        contest_.SetEndTime(kStart + (c[0] == "end" ? seconds : 24 * 3600));
        EXPECT_EQ(c[0] == "end" ? series.GetBucketCount() : series.GetBucketIndex(kStart + seconds),
                  std::stoll(c[2]))
            << c[0] << " " << c[1];
    }
}

TEST_F(GraphSeriesTest, EveryTimeFallsIntoABucketAndTheEndIntoTheLast) {
    CQuillmarkData_GraphDataItem series(GraphKind::stations);
    for (const int64_t bucket : {1, 7, 60, 180, 1000}) {
        for (int64_t length = 1; length <= 400; length += 3) {
            series.DeleteContents();
            contest_.SetEndTime(kStart + length);
            ASSERT_TRUE(series.SetSource(&contest_, &contest_, bucket));
            const int64_t count = series.GetBucketCount();
            ASSERT_EQ(series.GetBucketIndex(kStart + length), count - 1)
                << "bucket " << bucket << " length " << length;
            for (int64_t t = kStart - 2; t <= kStart + length + 2; ++t) {
                const int64_t index = series.GetBucketIndex(t);
                ASSERT_GE(index, 0);
                ASSERT_LT(index, count);
            }
        }
    }
}

TEST_F(GraphSeriesTest, ExtremeTimesDoNotOverflow) {
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    contest_.SetStartTime(kMin);
    contest_.SetEndTime(kMax);
    CQuillmarkData_GraphDataItem series(GraphKind::stations);
    ASSERT_TRUE(series.SetSource(&contest_, &contest_, kBucket));
    const int64_t count = series.GetBucketCount();
    EXPECT_GT(count, 0);
    EXPECT_LT(series.GetBucketIndex(kMax), count);
    EXPECT_EQ(series.GetBucketIndex(kMin), 0);
}

// Stations count every entry, multipliers the First ones, points each entry as often as its
// points (so the 14 MHz entry, given -5, none); all bands in band order, or one band.
TEST_F(GraphSeriesTest, EventsOfEachKindAndSourceAndTheirBuckets) {
    auto entry = *contest_.GetBandAt(1)->GetEntryAt(0);
    entry.SetPoints(-5);
    contest_.GetBandAt(1)->SetEntryAt(0, entry);
    std::ostringstream text;
    for (const auto& [kind, name] : {std::pair{GraphKind::stations, "stations"},
                                     std::pair{GraphKind::multipliers, "multipliers"},
                                     std::pair{GraphKind::points, "points"}}) {
        for (int source = -1; source < contest_.GetBandCount(); ++source) {
            CQuillmarkData_GraphDataItem series(kind);
            ASSERT_TRUE(source < 0
                            ? series.SetSource(&contest_, &contest_, kBucket)
                            : series.SetSource(&contest_, contest_.GetBandAt(source), kBucket));
            text << name
                 << (source < 0 ? ", all bands:" : ", band " + std::to_string(source) + ":");
            for (int64_t cursor = series.GetFirstEventPosition(); cursor != -1;) {
                text << " +" << series.GetNextEvent(cursor) - kStart;
            }
            text << "; " << series.GetEventCount() << " events; of " << series.GetBucketCount()
                 << " buckets";
            const auto counts = series.CountEventsPerBucket(series.GetBucketCount());
            for (size_t b = 0; b < counts.size(); ++b) {
                if (counts[b] != 0) {
                    text << " " << b << ":" << counts[b];
                }
            }
            text << "\n";
        }
    }
    platform_test::ExpectGolden("model/graph_events", text.str());
}

TEST(GraphDataItem, NegativePenWidthIsRefusedAndResetRestoresTheDefaults) {
    CQuillmarkData_GraphDataItem series(GraphKind::points);
    series.SetShown(true);
    series.SetColour(0x123456);
    EXPECT_TRUE(series.SetPenWidth(0));
    EXPECT_FALSE(series.SetPenWidth(-1));
    EXPECT_EQ(series.GetPenWidth(), 0);
    series.DeleteContents();
    EXPECT_EQ(std::tuple(series.IsShown(), series.GetColour(), series.GetPenWidth()),
              std::tuple(0, 0x8000, 1));
}

}  // namespace
