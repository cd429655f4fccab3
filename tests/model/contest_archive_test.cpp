// The contest record as files hold it: byte layout, band tags, loading and damaged input.
#include <gtest/gtest.h>

#include <string>

#include "model/contest.h"
#include "model_test_util.h"
#include "platform/archive.h"
#include "raw_contest.h"

namespace {

using model_test::Band;

// The model's contest that the raw writer's defaults describe, with `bands` bands like the
// raw default band (7, 14, 21 … MHz), band `active` active.
CQuillmarkData_MainData Matching(int bands, int active) {
    const auto call_format = model_test::CallSignFormat();
    const auto number_format = model_test::ContestNumberFormat();
    CQuillmarkData_MainData contest;
    contest.SetContest("TEST", 1700000000, 1700086400,
                       model_test::CallSign("JA1ZZZ/1", call_format), call_format, number_format);
    contest.SetCategoryCode("XMA");
    contest.SetCategoryName("ALL");
    for (int b = 0; b < bands; ++b) {
        CQuillmarkData_SubMainData* band = contest.GetBandAt(contest.AddBand(Band(7 * (b + 1), 6)));
        band->SetMode("CW");
        band->SetSentContestNumber(model_test::Number("599/10", number_format));
        band->SetCallingMethod(true);
        auto entry = model_test::Entry(1700000000, "JA1ABC/2", "599/11");
        entry.SetSentContestNumber(model_test::Number("599/10", number_format));
        entry.SetFirst(true);
        entry.SetMode("CW");
        entry.SetCallingMethod(true);
        entry.SetCardFlag(1, true);
        band->AddEntry(entry);
    }
    if (active >= 0) {
        contest.SetActiveBandAt(active);
    }
    return contest;
}

model_test::RawContest Raw(int bands, int active) {
    model_test::RawContest raw;
    raw.bands.resize(static_cast<size_t>(bands));
    for (int b = 0; b < bands; ++b) {
        raw.bands[static_cast<size_t>(b)].frequency = 7 * (b + 1);
    }
    raw.active = active;
    return raw;
}

CQuillmarkData_MainData LoadContest(const std::string& bytes) {
    size_t left = 0;
    auto contest = model_test::Load<CQuillmarkData_MainData>(bytes, &left);
    EXPECT_EQ(left, 0u);
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

// The first band introduces its class (0xFFFF, schema 1, name), every later one refers to
// class index 1 (0x8001); no bands is a count of zero and active band -1.
TEST(ContestArchive, RecordIsTheDocumentedLayout) {
    for (auto [bands, active] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{3, 1}}) {
        auto contest = Matching(bands, active);
        const std::string expected = model_test::Build(Raw(bands, active));
        EXPECT_EQ(model_test::Store(contest), expected) << bands << " bands";
        EXPECT_EQ(LoadContest(expected), contest) << bands << " bands";
    }
}

TEST(ContestArchive, LoadingReplacesWhatWasThere) {
    auto target = Matching(3, 1);
    auto empty = model_test::Contest();
    CArchive ar(model_test::Store(empty));
    target.Serialize(ar);
    EXPECT_EQ(target, empty);
}

TEST(ContestArchive, ValuesAreTakenAsStored) {
    // Flags other than 0/1 and an active index out of range are read as they are; checking
    // them is the document's job.
    model_test::RawContest raw = Raw(0, 5);
    raw.valid = 7;
    const auto loaded = LoadContest(model_test::Build(raw));
    EXPECT_TRUE(loaded.IsValid());
    EXPECT_EQ(loaded.GetActiveBandIndex(), 5);
    EXPECT_EQ(loaded.GetActiveBand(), nullptr);
}

// Two bands with the tags given (empty: the usual one; a second band's tag stands alone) and
// the band count given, padded so that the count check passes and the tag is what fails.
TEST(ContestArchive, BadBandListsAreRefusedWithTheirCause) {
    using model_test::Le16;
    const auto cause = [](const std::string& first, const std::string& second, size_t count = 2) {
        model_test::RawContest raw = Raw(2, 0);
        raw.bands[0].tag = first;
        if (!second.empty()) {
            raw.bands[1].tag = second;
            raw.bands[1].body_follows = false;
        }
        raw.band_count = count;
        return LoadFailure(model_test::Build(raw) + std::string(64, '\0'));
    };
    EXPECT_EQ(cause("", Le16(0)), CArchiveException::badClass);  // a null band
    // The second band refers back to the first object (index 2) instead of a new one.
    EXPECT_EQ(cause("", Le16(2)), CArchiveException::badIndex);
    EXPECT_EQ(cause(Le16(0xFFFF) + Le16(1) + Le16(7) + "CObject", ""), CArchiveException::badClass);
    EXPECT_EQ(cause(Le16(0xFFFF) + Le16(2) + Le16(26) + model_test::kBandClass, ""),
              CArchiveException::badSchema);
    EXPECT_EQ(cause("", "", 0x7FFFFFFF), CArchiveException::endOfFile);  // a hostile band count
}

}  // namespace
