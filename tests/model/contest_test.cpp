#include "model/contest.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <tuple>
#include <vector>

#include "../platform/case_table.h"
#include "model_test_util.h"

namespace {

using model_test::Band;
using model_test::Entry;

// Frequencies of the contest's bands in list order, in MHz.
std::vector<double> BandsInMhz(const CQuillmarkData_MainData& contest) {
    std::vector<double> bands;
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        CQuillmarkData_BandItem band = contest.GetBandAt(i)->GetBand();
        band.ConvertToUnit(6);
        bands.push_back(band.GetFrequency());
    }
    return bands;
}

CQuillmarkData_MainData ContestWithBands(std::initializer_list<double> mhz) {
    auto contest = model_test::Contest();
    for (const double frequency : mhz) {
        contest.AddBand(Band(frequency, 6));
    }
    return contest;
}

TEST(MainData, SetContestOnceAndSettersNeedAValidContest) {
    CQuillmarkData_MainData contest;
    EXPECT_FALSE(contest.SetContestName("X"));
    EXPECT_FALSE(contest.SetCategoryCode("X"));
    EXPECT_FALSE(contest.SetStartTime(1));
    EXPECT_EQ(contest.GetStartTime(), -2);
    EXPECT_EQ(contest.GetContestName(), "");
    // The totals of a contest that is not valid are -1.
    EXPECT_EQ(std::tuple(contest.GetTotalEntryCount(), contest.GetTotalMultiplierCount(),
                         contest.GetTotalPoints(), contest.GetScore()),
              std::tuple(-1, -1, -1, -1));
    EXPECT_EQ(contest.GetTotalEntryAt(0), nullptr);

    const auto format = model_test::CallSignFormat();
    ASSERT_TRUE(contest.SetContest("ALL JA", 100, 200, model_test::CallSign("JA1ZZZ", format),
                                   format, model_test::ContestNumberFormat()));
    EXPECT_FALSE(contest.SetContest("OTHER", 1, 2, model_test::CallSign("JA1ZZZ", format), format,
                                    model_test::ContestNumberFormat()));
    EXPECT_EQ(contest.GetContestName(), "ALL JA");
    EXPECT_EQ(contest.GetActiveBandIndex(), -1);

    // SetContest keeps items and formats as given; the setters require valid arguments.
    CQuillmarkData_MainData loose;
    ASSERT_TRUE(loose.SetContest("X", 1, 2, CQuillmarkData_CallSignItem(),
                                 CQuillmarkData_CallSignType(), model_test::ContestNumberFormat()));
    EXPECT_FALSE(loose.GetOwnCallSign().IsValid());
    EXPECT_FALSE(loose.GetCallSignType().IsValid());
    EXPECT_FALSE(loose.SetOwnCallSign(CQuillmarkData_CallSignItem()));
    EXPECT_FALSE(loose.SetCallSignType(CQuillmarkData_CallSignType()));
    EXPECT_FALSE(loose.SetContestNumberType(CQuillmarkData_ContestNumberType()));
}

TEST(BandList, AddingTheSameBandInAnotherUnitIsRefused) {
    auto contest = model_test::Contest();
    EXPECT_EQ(contest.AddBand(Band(7000, 3)), 0);
    EXPECT_EQ(contest.AddBand(Band(7, 6)), -1);
    EXPECT_EQ(contest.AddBand(Band(1.9, 6)), 1);
    EXPECT_EQ(contest.AddBand(Band(1900, 3)), -1);
    EXPECT_EQ(contest.AddBand(CQuillmarkData_BandItem()), -1);
    EXPECT_EQ(contest.GetBandCount(), 2);
    EXPECT_EQ(contest.FindBand(Band(0.007, 9)), contest.GetBandAt(0));
    EXPECT_EQ(contest.FindBand(Band(14, 6)), nullptr);
    EXPECT_EQ(contest.FindBandIndex(Band(1900, 3)), 1);
}

TEST(BandList, AddBandObjectRefusesNullDuplicatesAndInvalidBandsAndKeepsThePointer) {
    auto contest = ContestWithBands({7});
    std::unique_ptr<CQuillmarkData_SubMainData> none;
    EXPECT_EQ(contest.AddBandObject(std::move(none)), -1);

    auto duplicate = std::make_unique<CQuillmarkData_SubMainData>();
    duplicate->SetBand(Band(7000, 3));
    EXPECT_EQ(contest.AddBandObject(std::move(duplicate)), -1);
    EXPECT_NE(duplicate, nullptr);  // still the caller's

    EXPECT_EQ(contest.AddBandObject(std::make_unique<CQuillmarkData_SubMainData>()), -1);

    auto fresh = std::make_unique<CQuillmarkData_SubMainData>();
    fresh->SetBand(Band(14, 6));
    const CQuillmarkData_SubMainData* raw = fresh.get();
    EXPECT_EQ(contest.AddBandObject(std::move(fresh)), 1);
    EXPECT_EQ(contest.GetBandAt(1), raw);
}

TEST(BandList, ActiveBandBySelectionAndIndex) {
    auto contest = ContestWithBands({7, 14});
    EXPECT_EQ(contest.GetActiveBand(), nullptr);
    EXPECT_FALSE(contest.SetActiveBandAt(2));
    EXPECT_FALSE(contest.SetActiveBandAt(-1));
    EXPECT_FALSE(contest.SetActiveBand(Band(21, 6)));
    EXPECT_TRUE(contest.SetActiveBand(Band(14000, 3)));
    EXPECT_EQ(contest.GetActiveBandIndex(), 1);
    EXPECT_EQ(contest.GetActiveBand(), contest.GetBandAt(1));
    contest.ClearActiveBand();
    EXPECT_EQ(contest.GetActiveBandIndex(), -1);
    EXPECT_EQ(contest.GetBandCount(), 2);
}

// Each removal path (delete and detach, by band and by index) follows the same rule.
TEST(BandList, ActiveBandAfterARemovalFollowsTheRule) {
    for (const auto& row : platform_test::CaseTable("model/active_band_after_removal.txt", 4)) {
        const struct {
            int bands, active, removed, active_after;
        } c{std::stoi(row[0]), std::stoi(row[1]), std::stoi(row[2]), std::stoi(row[3])};
        for (int way = 0; way < 4; ++way) {
            SCOPED_TRACE(testing::Message() << c.bands << " bands, active " << c.active
                                            << ", removed " << c.removed << ", way " << way);
            auto contest = model_test::Contest();
            for (int i = 0; i < c.bands; ++i) {
                contest.AddBand(Band(7 * (i + 1), 6));
            }
            if (c.active >= 0) {
                ASSERT_TRUE(contest.SetActiveBandAt(c.active));
            }
            const CQuillmarkData_BandItem band = contest.GetBandAt(c.removed)->GetBand();
            const bool removed = way == 0   ? contest.DeleteBandAt(c.removed)
                                 : way == 1 ? contest.DeleteBand(band)
                                 : way == 2 ? contest.DetachBandAt(c.removed) != nullptr
                                            : contest.DetachBand(band) != nullptr;
            ASSERT_TRUE(removed);
            EXPECT_EQ(contest.GetBandCount(), c.bands - 1);
            EXPECT_EQ(contest.GetActiveBandIndex(), c.active_after);
        }
    }
}

TEST(BandList, DetachedBandKeepsItsEntriesAndBelongsToTheCaller) {
    auto contest = ContestWithBands({7, 14});
    contest.GetBandAt(1)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    std::unique_ptr<CQuillmarkData_SubMainData> band = contest.DetachBandAt(1);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetEntryCount(), 1);
    EXPECT_EQ(contest.GetBandCount(), 1);
    EXPECT_EQ(contest.DetachBandAt(5), nullptr);
    EXPECT_FALSE(contest.DeleteBand(Band(14, 6)));
    contest.SetActiveBandAt(0);
    contest.DeleteAllBands();
    EXPECT_EQ(contest.GetBandCount(), 0);
    EXPECT_EQ(contest.GetActiveBandIndex(), -1);
}

TEST(BandList, ChangeBandKeepsEntriesAndRefusesAClash) {
    auto contest = ContestWithBands({7, 14});
    contest.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    EXPECT_FALSE(contest.ChangeBandAt(0, Band(14000, 3)));
    EXPECT_FALSE(contest.ChangeBandAt(2, Band(21, 6)));
    EXPECT_FALSE(contest.ChangeBandAt(0, CQuillmarkData_BandItem()));
    EXPECT_FALSE(contest.ChangeBand(Band(50, 6), Band(21, 6)));
    // The same band in another unit is not a clash with itself.
    EXPECT_TRUE(contest.ChangeBand(Band(7, 6), Band(7000, 3)));
    EXPECT_TRUE(contest.ChangeBand(Band(7000, 3), Band(21, 6)));
    EXPECT_EQ(contest.GetBandAt(0)->GetBand(), Band(21, 6));
    EXPECT_EQ(contest.GetBandAt(0)->GetEntryCount(), 1);
}

TEST(BandList, SortBandsOrdersByFrequencyAndKeepsTheActiveBand) {
    auto contest = model_test::Contest();
    contest.AddBand(Band(14, 6));
    contest.AddBand(Band(1900, 3));
    contest.AddBand(Band(1.2, 9));
    contest.AddBand(Band(7000, 3));
    contest.AddBand(Band(3.5, 6));
    contest.SetActiveBandAt(3);  // 7000 kHz
    contest.SortBands();
    EXPECT_EQ(BandsInMhz(contest), (std::vector<double>{1.9, 3.5, 7, 14, 1200}));
    EXPECT_EQ(contest.GetActiveBandIndex(), 2);
    EXPECT_EQ(contest.GetActiveBand()->GetBand(), Band(7, 6));
}

TEST(Totals, CountAcrossBandsInBandOrder) {
    auto contest = ContestWithBands({7, 14});
    auto* seven = contest.GetBandAt(0);
    auto* fourteen = contest.GetBandAt(1);
    seven->AddEntry(Entry(3, "JA1AAA", "59/12", 2));
    seven->AddEntry(Entry(1, "JA1BBB", "59/13", 1));
    fourteen->AddEntry(Entry(2, "JA1AAA", "59/12", 5));
    contest.RebuildAll(6);
    // The same multiplier on two bands counts on each.
    EXPECT_EQ(std::tuple(contest.GetTotalEntryCount(), contest.GetTotalPoints(),
                         contest.GetTotalMultiplierCount(), contest.GetScore()),
              std::tuple(3, 8, 3, 24));
    EXPECT_EQ(contest.GetTotalEntryAt(0)->GetCallSign().GetParameter(0), "JA1BBB");
    EXPECT_EQ(contest.GetTotalEntryAt(2), fourteen->GetEntryAt(0));
    EXPECT_EQ(contest.GetTotalEntryAt(3), nullptr);
    EXPECT_EQ(contest.GetTotalEntryAt(-1), nullptr);
}

TEST(Totals, WithoutAMultiplierTheScoreIsThePoints) {
    auto contest = model_test::Contest(-1);
    contest.AddBand(Band(7, 6));
    contest.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12", 4));
    EXPECT_EQ(contest.GetTotalMultiplierCount(), -1);
    EXPECT_EQ(contest.GetScore(), 4);
}

// Multipliers worth many points each: a score beyond 32 bits, and one beyond 63 bits that
// saturates instead of overflowing (70,000 x 70,000 x (2^31 - 1)).
TEST(Totals, ScoreBeyondThirtyTwoBitsAndSaturatingBeyondSixtyThree) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int entries;
        int32_t points;
        int64_t score;
    } cases[] = {{500, 30000, int64_t{7500000000}},
                 {70000, kMax, std::numeric_limits<int64_t>::max()}};
    for (const auto& c : cases) {
        auto contest = ContestWithBands({7});
        for (int i = 0; i < c.entries; ++i) {
            contest.GetBandAt(0)->AddEntry(
                Entry(i, "JA1AAA", "59/" + std::to_string(100000 + i), c.points));
        }
        contest.RebuildAll(6);
        EXPECT_EQ(contest.GetTotalPoints(), int64_t{c.points} * c.entries);
        EXPECT_EQ(contest.GetTotalMultiplierCount(), c.entries);
        EXPECT_EQ(contest.GetScore(), c.score);
    }
}

TEST(Contest, CopyFromIsDeepAndEqual) {
    auto contest = ContestWithBands({7, 14});
    contest.SetActiveBandAt(1);
    contest.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    CQuillmarkData_MainData copy;
    copy.CopyFrom(contest);
    EXPECT_EQ(copy, contest);
    EXPECT_NE(copy.GetBandAt(0), contest.GetBandAt(0));
    copy.GetBandAt(0)->AddEntry(Entry(2, "JA1BBB", "59/12"));
    EXPECT_FALSE(copy == contest);
    EXPECT_EQ(contest.GetBandAt(0)->GetEntryCount(), 1);

    const CQuillmarkData_MainData assigned = contest;
    EXPECT_EQ(assigned, contest);
    copy.CopyFrom(copy);  // copying onto itself keeps everything
    EXPECT_EQ(copy.GetBandCount(), 2);
}

TEST(Contest, EqualityNoticesEachField) {
    const auto base = ContestWithBands({7});
    std::vector<CQuillmarkData_MainData> changed(6, base);
    changed[0].SetContestName("OTHER");
    changed[1].SetCategoryCode("X");
    changed[2].SetStartTime(1);
    changed[3].SetActiveBandAt(0);
    changed[4].AddBand(Band(14, 6));
    changed[5].SetOwnCallSign(model_test::CallSign("JA2ZZZ", model_test::CallSignFormat()));
    for (size_t i = 0; i < changed.size(); ++i) {
        EXPECT_FALSE(changed[i] == base) << i;
    }
}

TEST(Import, AppendsCopiesOfTheOtherBandsAndKeepsTheActiveBand) {
    auto mine = ContestWithBands({7});
    mine.SetActiveBandAt(0);
    auto other = ContestWithBands({14, 3.5});
    other.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    ASSERT_TRUE(mine.CanImport(&other));
    ASSERT_TRUE(mine.Import(&other));
    EXPECT_EQ(BandsInMhz(mine), (std::vector<double>{7, 14, 3.5}));
    EXPECT_EQ(mine.GetActiveBandIndex(), 0);
    EXPECT_EQ(mine.GetBandAt(1)->GetEntryCount(), 1);
    EXPECT_EQ(other.GetBandCount(), 2);  // the other log is not changed
}

TEST(Import, RefusedForAnotherContestASharedBandOrNothingToImport) {
    const auto mine = ContestWithBands({7});
    EXPECT_FALSE(mine.CanImport(nullptr));
    EXPECT_FALSE(mine.CanImport(&mine));
    const CQuillmarkData_MainData invalid;
    EXPECT_FALSE(mine.CanImport(&invalid));
    auto shared = ContestWithBands({7000 / 1000.0, 14});
    EXPECT_FALSE(mine.CanImport(&shared));
    const auto empty = model_test::Contest();
    EXPECT_FALSE(mine.CanImport(&empty));
    auto renamed = ContestWithBands({14});
    renamed.SetContestName("OTHER");
    EXPECT_FALSE(mine.CanImport(&renamed));
    auto shifted = ContestWithBands({14});
    shifted.SetEndTime(shifted.GetEndTime() + 1);
    EXPECT_FALSE(mine.CanImport(&shifted));
    auto mine_copy = mine;
    EXPECT_FALSE(mine_copy.Import(&shared));
    EXPECT_EQ(mine_copy.GetBandCount(), 1);
}

}  // namespace
