// The contest record as files hold it: byte layout, band tags, round trips and damaged input.
#include <gtest/gtest.h>

#include <string>

#include "model/contest.h"
#include "model_test_util.h"
#include "platform/archive.h"

namespace {

using model_test::Band;
using model_test::Bytes;
using model_test::Entry;

constexpr std::string_view kBandClass = "CQuillmarkData_SubMainData";

// Bytes of the contest's fixed part up to (not including) the band list, for the contest
// model_test::Contest() builds.
Bytes ContestHead(int32_t valid = 1) {
    Bytes bytes;
    bytes.I32(valid).Str("TEST").Str("").Str("").I32(1000).I32(1000 + 24 * 3600);
    // Own call sign.
    bytes.I32(1).U16(2).Str("JA1ZZZ").Str("");
    // Call sign format: count 2, main 0, totals 5 and 8, then the default attributes.
    bytes.I32(1).I32(2).I32(0).I32(5).I32(8).U16(2);
    bytes.I32(1).I32(5).I32(6).I32(3).Str("");
    bytes.I32(1).I32(0).I32(1).I32(1).Str("");
    // Contest number format: count 2, has multiplier, index 1, totals 5 and 10.
    bytes.I32(1).I32(2).I32(1).I32(1).I32(5).I32(10).U16(2);
    bytes.I32(1).I32(2).I32(3).I32(1).Str("");
    bytes.I32(1).I32(2).I32(6).I32(1).Str("");
    return bytes;
}

// An empty band body of the given frequency in MHz.
Bytes& BandBody(Bytes& bytes, double mhz) {
    return bytes.I32(1).F64(mhz).I32(6).Str("").I32(0).U16(0).I32(0).U16(0);
}

Bytes& FirstBandTag(Bytes& bytes, std::string_view name = kBandClass, uint16_t schema = 1) {
    return bytes.U16(0xFFFF).U16(schema).U16(static_cast<uint16_t>(name.size())).Text(name);
}

CQuillmarkData_MainData LoadContest(const std::string& bytes) {
    CArchive ar(bytes);
    CQuillmarkData_MainData contest;
    contest.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return contest;
}

CArchiveException::Cause LoadFailure(const std::string& bytes) {
    try {
        LoadContest(bytes);
    } catch (const CArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "the load did not fail";
    return CArchiveException::badData;
}

TEST(ContestArchive, NoBandsWritesCountZeroAndActiveMinusOne) {
    auto contest = model_test::Contest();
    const std::string expected = ContestHead().U16(0).I32(-1).str();
    EXPECT_EQ(model_test::Store(contest), expected);
    EXPECT_EQ(LoadContest(expected), contest);
}

TEST(ContestArchive, FirstBandCarriesTheClassNameAndLaterBandsTheClassIndex) {
    auto contest = model_test::Contest();
    contest.AddBand(Band(7, 6));
    contest.AddBand(Band(14, 6));
    contest.AddBand(Band(21, 6));
    contest.SetActiveBandAt(1);
    Bytes expected = ContestHead();
    expected.U16(3);
    BandBody(FirstBandTag(expected), 7);
    BandBody(expected.U16(0x8001), 14);
    BandBody(expected.U16(0x8001), 21);
    expected.I32(1);
    EXPECT_EQ(model_test::Store(contest), expected.str());
    EXPECT_EQ(LoadContest(expected.str()), contest);
}

CQuillmarkData_MainData FullContest() {
    auto contest = model_test::Contest();
    contest.SetCategoryCode("XMA");
    contest.SetCategoryName("\x83\x7d\x83\x8b\x83\x60");  // full-width text
    for (const double mhz : {3.5, 7.0, 14.0}) {
        const int index = contest.AddBand(Band(mhz, 6));
        auto* band = contest.GetBandAt(index);
        band->SetMode("CW");
        band->SetCallingMethod(true);
        band->SetSentContestNumber(model_test::Number("599/10", model_test::ContestNumberFormat()));
        for (int i = 0; i < 20; ++i) {
            auto entry = Entry(2000 + i * 60, "JA1A" + std::string(2, static_cast<char>('A' + i)),
                               "59/" + std::to_string(10 + i % 7), i % 4);
            entry.SetCardFlag(2, i % 2 == 0);
            entry.SetComment(i % 3 == 0 ? "" : "comment");
            band->AddEntry(entry);
        }
    }
    contest.SetActiveBandAt(2);
    contest.RebuildAll(6);
    return contest;
}

TEST(ContestArchive, RoundTripGivesAnEqualContestAndIdenticalBytes) {
    auto contest = FullContest();
    const std::string bytes = model_test::Store(contest);
    auto loaded = LoadContest(bytes);
    EXPECT_EQ(loaded, contest);
    EXPECT_EQ(model_test::Store(loaded), bytes);
}

TEST(ContestArchive, LoadingReplacesWhatWasThere) {
    auto target = FullContest();
    auto empty = model_test::Contest();
    CArchive ar(model_test::Store(empty));
    target.Serialize(ar);
    EXPECT_EQ(target, empty);
}

TEST(ContestArchive, ValuesAreTakenAsStored) {
    // Flags other than 0/1 and an active index out of range are read as they are; checking
    // them is the document's job.
    Bytes bytes = ContestHead(7);
    bytes.U16(0).I32(5);
    const auto loaded = LoadContest(bytes.str());
    EXPECT_TRUE(loaded.IsValid());
    EXPECT_EQ(loaded.GetActiveBandIndex(), 5);
    EXPECT_EQ(loaded.GetActiveBand(), nullptr);
}

TEST(ContestArchive, BadBandListsAreRefusedWithTheirCause) {
    const auto bands = [](auto add) {
        Bytes bytes = ContestHead();
        add(bytes);
        return bytes.str();
    };
    const struct {
        const char* what;
        std::string bytes;
        CArchiveException::Cause cause;
    } cases[] = {
        // Padded so that the count check passes and the tag itself is what fails.
        {"null band", bands([](Bytes& b) { b.U16(1).U16(0).I32(-1).Text(std::string(64, '\0')); }),
         CArchiveException::badClass},
        // The second band refers back to the first object (index 2) instead of a new one.
        {"repeated band object", bands([](Bytes& b) {
             BandBody(FirstBandTag(b.U16(2)), 7).U16(0x0002).I32(0).Text(std::string(64, '\0'));
         }),
         CArchiveException::badIndex},
        {"another class", bands([](Bytes& b) {
             BandBody(FirstBandTag(b.U16(1), "CQuillmarkData_MainData"), 7).I32(0);
         }),
         CArchiveException::badClass},
        {"another schema",
         bands([](Bytes& b) { BandBody(FirstBandTag(b.U16(1), kBandClass, 2), 7).I32(0); }),
         CArchiveException::badSchema},
        {"hostile band count", bands([](Bytes& b) { b.U16(0xFFFF).I32(0x7FFFFFFF).I32(-1); }),
         CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadFailure(c.bytes), c.cause) << c.what;
    }
}

TEST(ContestArchive, EveryTruncationFailsCleanly) {
    auto contest = FullContest();
    const std::string bytes = model_test::Store(contest);
    for (size_t length = 0; length < bytes.size(); ++length) {
        CArchive ar(std::string_view(bytes).substr(0, length));
        CQuillmarkData_MainData loaded;
        EXPECT_THROW(loaded.Serialize(ar), CArchiveException) << "length " << length;
    }
}

TEST(ContestArchive, FlippedBytesNeverCrash) {
    auto contest = FullContest();
    const std::string bytes = model_test::Store(contest);
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int round = 0; round < 1000; ++round) {
        std::string damaged = bytes;
        for (int flips = 1 + static_cast<int>(next() % 4); flips > 0; --flips) {
            damaged[next() % damaged.size()] = static_cast<char>(next() & 0xFF);
        }
        CArchive ar(damaged);
        CQuillmarkData_MainData loaded;
        try {
            loaded.Serialize(ar);
            // Whatever was read must be usable without undefined behaviour.
            loaded.GetTotalPoints();
            loaded.GetTotalMultiplierCount();
            loaded.SortBands();
            loaded.RebuildAll(6);
            for (int i = 0; i < loaded.GetBandCount(); ++i) {
                loaded.GetBandAt(i)->GetBand().GetBandText(1, 2, false);
            }
        } catch (const CArchiveException&) {
        }
    }
}

TEST(ContestArchive, ATimeTheFileCannotHoldIsReportedOnSave) {
    auto contest = model_test::Contest();
    ASSERT_TRUE(contest.SetEndTime(int64_t{1} << 32));
    CArchive ar;
    try {
        contest.Serialize(ar);
        ADD_FAILURE() << "the save did not fail";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::badData);
    }
}

}  // namespace
