#include "model/contest.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "model_test_util.h"

namespace {

using model_test::Band;
using model_test::Entry;

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

// The bands in list order as frequency and unit (k, M, G), with their entry count when they
// have entries; the active one marked "*", an active index that names no band shown as such.
std::string Shown(const CQuillmarkData_MainData& contest) {
    std::ostringstream text;
    text << "[";
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(i);
        text << (i == 0 ? "" : " ") << (i == contest.GetActiveBandIndex() ? "*" : "")
             << band.GetBand().GetFrequency() << "?kMG"[band.GetBand().GetUnit() / 3];
        if (band.GetEntryCount() > 0) {
            text << "(" << band.GetEntryCount() << ")";
        }
    }
    text << "]";
    const int active = contest.GetActiveBandIndex();
    if (active != -1 && (active < 0 || active >= contest.GetBandCount())) {
        text << " active " << active;
    }
    return text.str();
}

// One contest's band list through adding, finding, the active band, changing, sorting and
// removing; each step with its answer and the list afterwards.
TEST(BandList, EachOperationAnswersAndLeavesTheList) {
    auto contest = model_test::Contest();
    std::ostringstream log;
    log << std::boolalpha;
    const auto step = [&](const char* what, auto answer) {
        log << what << " -> " << answer << "  " << Shown(contest) << "\n";
    };
    step("add 7000 kHz", contest.AddBand(Band(7000, 3)));
    step("add 7 MHz", contest.AddBand(Band(7, 6)));
    step("add 1.9 MHz", contest.AddBand(Band(1.9, 6)));
    step("add 1900 kHz", contest.AddBand(Band(1900, 3)));
    step("add a band not valid", contest.AddBand(CQuillmarkData_BandItem()));
    step("find the index of 1900 kHz", contest.FindBandIndex(Band(1900, 3)));
    EXPECT_EQ(contest.FindBand(Band(0.007, 9)), contest.GetBandAt(0));
    EXPECT_EQ(contest.FindBand(Band(14, 6)), nullptr);

    step("add no band object", contest.AddBandObject(nullptr));
    auto duplicate = std::make_unique<CQuillmarkData_SubMainData>();
    duplicate->SetBand(Band(7, 6));
    step("add a band object of 7 MHz", contest.AddBandObject(std::move(duplicate)));
    EXPECT_NE(duplicate, nullptr);  // still the caller's
    step("add a band object without a band",
         contest.AddBandObject(std::make_unique<CQuillmarkData_SubMainData>()));
    auto fresh = std::make_unique<CQuillmarkData_SubMainData>();
    fresh->SetBand(Band(14, 6));
    const CQuillmarkData_SubMainData* raw = fresh.get();
    step("add a band object of 14 MHz", contest.AddBandObject(std::move(fresh)));
    EXPECT_EQ(contest.GetBandAt(2), raw);

    step("make band 3 active", contest.SetActiveBandAt(3));
    step("make band -1 active", contest.SetActiveBandAt(-1));
    step("make 21 MHz active", contest.SetActiveBand(Band(21, 6)));
    step("make 14000 kHz active", contest.SetActiveBand(Band(14000, 3)));
    EXPECT_EQ(contest.GetActiveBand(), contest.GetBandAt(2));
    contest.ClearActiveBand();
    step("clear the active band", "done");

    contest.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    step("change band 0 to 14000 kHz", contest.ChangeBandAt(0, Band(14000, 3)));
    step("change band 3 to 21 MHz", contest.ChangeBandAt(3, Band(21, 6)));
    step("change band 0 to a band not valid", contest.ChangeBandAt(0, CQuillmarkData_BandItem()));
    step("change 50 MHz to 21 MHz", contest.ChangeBand(Band(50, 6), Band(21, 6)));
    // The same band in another unit is not a clash with itself.
    step("change 7 MHz to 7000 kHz", contest.ChangeBand(Band(7, 6), Band(7000, 3)));
    step("change 7000 kHz to 21 MHz", contest.ChangeBand(Band(7000, 3), Band(21, 6)));

    step("add 1.2 GHz", contest.AddBand(Band(1.2, 9)));
    step("add 3.5 MHz", contest.AddBand(Band(3.5, 6)));
    step("add 7000 kHz", contest.AddBand(Band(7000, 3)));
    step("make 1.9 MHz active", contest.SetActiveBand(Band(1.9, 6)));
    contest.SortBands();
    step("sort the bands", "done");

    step("detach band 6", contest.DetachBandAt(6) != nullptr);
    const std::unique_ptr<CQuillmarkData_SubMainData> detached = contest.DetachBandAt(4);
    step("detach band 4, its entries", detached->GetEntryCount());
    step("delete 21 MHz", contest.DeleteBand(Band(21, 6)));
    contest.DeleteAllBands();
    step("delete all bands", "done");
    platform_test::ExpectGolden("model/band_list", log.str());
}

// Each removal path (delete and detach, by band and by index) follows the same rule.
TEST(BandList, ActiveBandAfterARemovalFollowsTheRule) {
    for (const auto& row : platform_test::CaseTable("model/active_band_after_removal.txt", 4)) {
        const int bands = std::stoi(row[0]), active = std::stoi(row[1]), at = std::stoi(row[2]);
        for (int way = 0; way < 4; ++way) {
            SCOPED_TRACE(testing::Message() << bands << " bands, active " << active << ", removed "
                                            << at << ", way " << way);
            auto contest = model_test::Contest();
            for (int i = 0; i < bands; ++i) {
                contest.AddBand(Band(7 * (i + 1), 6));
            }
            if (active >= 0) {
                ASSERT_TRUE(contest.SetActiveBandAt(active));
            }
            const CQuillmarkData_BandItem band = contest.GetBandAt(at)->GetBand();
            const bool removed = way == 0   ? contest.DeleteBandAt(at)
                                 : way == 1 ? contest.DeleteBand(band)
                                 : way == 2 ? contest.DetachBandAt(at) != nullptr
                                            : contest.DetachBand(band) != nullptr;
            ASSERT_TRUE(removed);
            EXPECT_EQ(contest.GetBandCount(), bands - 1);
            EXPECT_EQ(contest.GetActiveBandIndex(), std::stoi(row[3]));
        }
    }
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
    for (const auto& [entries, points, score] :
         {std::tuple{500, 30000, int64_t{7500000000}},
          std::tuple{70000, std::numeric_limits<int32_t>::max(),
                     std::numeric_limits<int64_t>::max()}}) {
        auto contest = ContestWithBands({7});
        for (int i = 0; i < entries; ++i) {
            contest.GetBandAt(0)->AddEntry(
                Entry(i, "JA1AAA", "59/" + std::to_string(100000 + i), points));
        }
        contest.RebuildAll(6);
        EXPECT_EQ(contest.GetTotalPoints(), int64_t{points} * entries);
        EXPECT_EQ(contest.GetTotalMultiplierCount(), entries);
        EXPECT_EQ(contest.GetScore(), score);
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

// Import appends copies of the other log's bands and keeps the active band; it is refused for
// another contest, a shared band or nothing to import.
TEST(Import, AppendsCopiesOfTheOtherBandsUnlessRefused) {
    auto mine = ContestWithBands({7});
    mine.SetActiveBandAt(0);
    EXPECT_FALSE(mine.CanImport(nullptr));
    EXPECT_FALSE(mine.CanImport(&mine));
    // Not valid, sharing a band, without bands, of another name, of another end.
    std::vector<CQuillmarkData_MainData> others(5, ContestWithBands({14}));
    others[0] = CQuillmarkData_MainData();
    others[1].AddBand(Band(7, 6));
    others[2].DeleteAllBands();
    others[3].SetContestName("OTHER");
    others[4].SetEndTime(others[4].GetEndTime() + 1);
    for (size_t i = 0; i < others.size(); ++i) {
        EXPECT_FALSE(mine.CanImport(&others[i])) << i;
    }
    EXPECT_FALSE(mine.Import(&others[1]));
    EXPECT_EQ(mine.GetBandCount(), 1);
    auto other = ContestWithBands({14, 3.5});
    other.GetBandAt(0)->AddEntry(Entry(1, "JA1AAA", "59/12"));
    ASSERT_TRUE(mine.CanImport(&other));
    ASSERT_TRUE(mine.Import(&other));
    EXPECT_EQ(Shown(mine), "[*7M 14M(1) 3.5M]");
    EXPECT_EQ(other.GetBandCount(), 2);  // the other log is not changed
}

}  // namespace
