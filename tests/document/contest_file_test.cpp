#include "document/contest_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "../cli/sample_contest.h"
#include "../model/raw_contest.h"
#include "../platform/golden.h"
#include "../platform/recording_sink.h"
#include "../platform/temp_folder.h"
#include "model/contest.h"
#include "platform/archive.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"

namespace {

using namespace model_test;
using platform_test::RecordingSink;

std::string Hex(const char* text) {
    std::string bytes;
    for (const char* p = text; *p != '\0';) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        bytes.push_back(static_cast<char>(std::strtoul(std::string(p, 2).c_str(), nullptr, 16)));
        p += 2;
    }
    return bytes;
}

const std::string kHeaderBytes =
    Hex("83 4E 83 43 83 8B 83 7D 81 5B 83 4E 20 66 6F 72 20 57 69 6E 64 6F 77 73 20 4E 54 20 20 56 "
        "65 72 73 69 6F 6E 20 34 2E 30 30 20 8C DD 8A B7 83 66 81 5B 83 5E 83 74 83 40 83 43 83 8B "
        "20");
const std::string kWritingText = "ファイルに書き込んでいます。しばらくお待ちください．．．";
const std::string kWrittenText = "ファイルへの書き込みを完了しました。";
const std::string kReadingText = "ファイルから読み込んでいます。しばらくお待ちください．．．";

contest_file::LoadResult LoadBytes(const std::string& bytes, CQuillmarkData_MainData& contest) {
    CNullProgressSink sink;
    return contest_file::LoadFromBytes(bytes, "/,.", contest, sink);
}

// The file image: the header string, then the contest record.
std::string File(const RawContest& raw, const std::string& header = kHeaderBytes) {
    CArchive ar;
    ar.WriteString(header);
    return ar.TakeBuffer() + Build(raw);
}

std::string ReadSample(const std::string& name) {
    return platform_test::ReadAll(std::string(QUILLMARK_TEST_DATA_DIR) + "/legacy/" + name);
}

// --- The current format ---

TEST(ContestFile, HeaderIsTheExactCp932Text) {
    EXPECT_EQ(contest_file::CurrentHeader(), kHeaderBytes);
    EXPECT_EQ(kHeaderBytes.size(), 61u);
    const std::string image = contest_file::StoreContest(sample::MakeContest(1, 1));
    EXPECT_EQ(image.substr(0, 62), std::string(1, '\x3D') + kHeaderBytes);
}

TEST(ContestFile, ForeignEmptyAndCutHeadersAreRefusedAndTrailingBytesIgnored) {
    RawContest trailer;
    trailer.trailer = "extra";
    const struct {
        std::string bytes;
        const char* error;  // empty: the file loads
    } cases[] = {
        {File({}, kHeaderBytes.substr(0, kHeaderBytes.size() - 1)), "not a known data file"},
        {std::string("PK\x03\x04 a zip file"), "not a known data file"},
        {std::string("\x80garbage"), "not a known data file"},
        {std::string(1, '\xFF'), "not a known data file"},
        {std::string("\x05hello and more"), "not a known data file"},
        {"", "the file is empty"},
        {ReadSample("v350.qmk").substr(0, 20), "ends too early"},
        {File(trailer), ""},
    };
    for (const auto& c : cases) {
        CQuillmarkData_MainData contest = sample::MakeContest(1, 1);
        const auto result = LoadBytes(c.bytes, contest);
        EXPECT_EQ(result.loaded, *c.error == '\0') << c.error;
        EXPECT_EQ(result.error.rfind(c.error, 0), 0u) << result.error;
        EXPECT_EQ(contest.IsValid(), result.loaded);
    }
}

// --- Truncation and damage ---

TEST(ContestFile, EveryTruncationEndsTooEarly) {
    const std::string image = contest_file::StoreContest(sample::MakeContest(3, 4));
    for (size_t length = 1; length < image.size(); ++length) {
        CQuillmarkData_MainData contest;
        const auto result = LoadBytes(image.substr(0, length), contest);
        ASSERT_FALSE(result.loaded) << length;
        EXPECT_EQ(result.error.rfind("ends too early", 0), 0u) << length << ": " << result.error;
        EXPECT_FALSE(contest.IsValid());
    }
}

// Whatever the damage, a load either fails with a reason or gives a contest that passes the
// checks and saves and loads again unchanged.
TEST(ContestFile, RandomByteDamageFailsCleanlyOrLoadsASoundContest) {
    const std::string image = contest_file::StoreContest(sample::MakeContest(3, 6));
    std::mt19937 random(20240601);
    int loaded_count = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string damaged = image;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
            const size_t at = 62 + random() % (damaged.size() - 62);
            damaged[at] = static_cast<char>(round % 3 == 0 ? damaged[at] ^ (1 << (random() % 8))
                                                           : static_cast<int>(random() % 256));
        }
        CQuillmarkData_MainData contest;
        const auto result = LoadBytes(damaged, contest);
        if (!result.loaded) {
            EXPECT_FALSE(result.error.empty());
            EXPECT_FALSE(contest.IsValid());
            continue;
        }
        ++loaded_count;
        EXPECT_EQ(contest_file::CheckLoadedContest(contest), "");
        CQuillmarkData_MainData again;
        ASSERT_TRUE(LoadBytes(contest_file::StoreContest(contest), again).loaded);
        EXPECT_TRUE(again == contest);
    }
    EXPECT_GT(loaded_count, 0);  // some flips hit texts and numbers that any value may take
}

// --- Checks after loading ---

struct DamageCase {
    const char* name;
    std::function<void(RawContest&)> damage;
    const char* error;  // empty: the file loads
};

class ContestFileDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(ContestFileDamage, IsRefusedWithAReasonOrAccepted) {
    const DamageCase& c = GetParam();
    RawContest raw;
    raw.bands.push_back(RawBand{});
    raw.bands[1].frequency = 14.0;
    c.damage(raw);
    CQuillmarkData_MainData contest;
    const auto result = LoadBytes(File(raw), contest);
    if (std::string(c.error).empty()) {
        EXPECT_TRUE(result.loaded) << result.error;
    } else {
        EXPECT_FALSE(result.loaded);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
        EXPECT_FALSE(contest.IsValid());
    }
}

std::vector<std::string> Parts(int n) {
    return std::vector<std::string>(n, "1");
}

using Raw = RawContest;
const RawItem kNotValidItem{0, {}};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

const DamageCase kDamage[] = {
    {"Sound", [](Raw&) {}, ""},
    {"ContestNotValid", [](Raw& c) { c.valid = 0; }, "the contest record is not valid"},
    {"NaNFrequency", [](Raw& c) { c.bands[1].frequency = kNaN; },
     "band 2: the frequency is not a number"},
    {"InfiniteFrequency", [](Raw& c) { c.bands[0].frequency = kInfinity; },
     "band 1: the frequency is not a number"},
    {"UnknownUnit", [](Raw& c) { c.bands[0].unit = 4; }, "band 1: unknown frequency unit 4"},
    {"BandNotValid", [](Raw& c) { c.bands[1].valid = 0; }, "band 2: the band is not valid"},
    {"DuplicateBands",
     [](Raw& c) {
         c.bands[1].frequency = 7000;
         c.bands[1].unit = 3;
     },
     "bands 1 and 2 are the same band"},
    {"ZeroFrequencyIsKept", [](Raw& c) { c.bands[1].frequency = 0; }, ""},
    {"CallSignPartsDisagree", [](Raw& c) { c.bands[1].entries[0].call.parts = Parts(3); },
     "band 2, entry 1: the call sign has 3 parts, its format 2"},
    {"ReceivedPartsDisagree", [](Raw& c) { c.bands[0].entries[0].received.parts = Parts(1); },
     "band 1, entry 1: the received contest number has 1 parts"},
    {"SentPartsDisagree", [](Raw& c) { c.bands[0].entries[0].sent.parts.clear(); },
     "the sent contest number has 0 parts"},
    {"EntryItemNotValid", [](Raw& c) { c.bands[0].entries[0].call = kNotValidItem; },
     "the call sign is not valid"},
    {"EntryNotValid", [](Raw& c) { c.bands[0].entries[0].valid = 0; },
     "band 1, entry 1: the entry is not valid"},
    {"BandSentPartsDisagree", [](Raw& c) { c.bands[0].sent.parts = Parts(5); },
     "band 1: the sent contest number has 5 parts"},
    {"BandSentNotValidIsKept", [](Raw& c) { c.bands[0].sent = kNotValidItem; }, ""},
    {"OwnCallSignPartsDisagree", [](Raw& c) { c.own.parts = Parts(1); },
     "the own call sign has 1 parts"},
    {"OwnCallSignNotValidIsKept", [](Raw& c) { c.own = kNotValidItem; }, ""},
    {"FormatAttributesMissing", [](Raw& c) { c.call_sign_format.attributes.pop_back(); },
     "the call sign format has 2 parameters"},
    {"FormatNotValid", [](Raw& c) { c.number_format.valid = 0; },
     "the contest number format is not valid"},
    {"FormatWithoutParameters",
     [](Raw& c) {
         c.number_format.count = 0;
         c.number_format.attributes.clear();
     },
     "the contest number format has 0 parameters"},
    {"AttributesNotValid", [](Raw& c) { c.call_sign_format.attributes[1].valid = 0; },
     "parameter 2 has no valid attributes"},
    {"LengthBeyondWhatSetupAllows", [](Raw& c) { c.call_sign_format.attributes[0].max = 30001; },
     "parameter 1 has the length range 5 to 30001"},
    {"HugeLengthThatWouldPadGigabytes",
     [](Raw& c) { c.number_format.attributes[1].max = 0x7FFFFFFF; },
     "parameter 2 has the length range"},
    {"NegativeMinimumLength", [](Raw& c) { c.call_sign_format.attributes[1].min = -1; },
     "parameter 2 has the length range -1 to 1"},
    {"MaximumBelowMinimum", [](Raw& c) { c.call_sign_format.attributes[0].max = 4; },
     "parameter 1 has the length range 5 to 4"},
    {"UnlimitedMaximumIsSound",
     [](Raw& c) { c.call_sign_format.attributes[1].max = c.call_sign_format.max_total = -1; }, ""},
    {"TotalsDisagree", [](Raw& c) { c.call_sign_format.max_total = 100; },
     "the call sign format's total lengths disagree"},
    {"MainParameterOutside", [](Raw& c) { c.call_sign_format.index = 2; },
     "main parameter 2 is outside"},
    {"MultiplierFlagOdd", [](Raw& c) { c.number_format.index = 2; }, "multiplier flag is 2"},
    {"MultiplierOutside", [](Raw& c) { c.number_format.multiplier_index = 2; },
     "multiplier parameter 2 is outside"},
    {"NoMultiplierAnyIndex",
     [](Raw& c) {
         c.number_format.index = 0;
         c.number_format.multiplier_index = 9;
     },
     ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, ContestFileDamage, testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContestFile, ActiveIndexOutOfRangeIsRepairedToNoActiveBand) {
    for (const int32_t active : {2, 99, -2, std::numeric_limits<int32_t>::min()}) {
        RawContest raw;
        raw.bands.push_back(RawBand{});
        raw.bands[1].frequency = 14.0;
        raw.active = active;
        CQuillmarkData_MainData contest;
        const auto result = LoadBytes(File(raw), contest);
        ASSERT_TRUE(result.loaded) << result.error;
        EXPECT_TRUE(result.active_band_repaired) << active;
        EXPECT_EQ(contest.GetActiveBandIndex(), -1);
        ASSERT_EQ(contest.GetBandCount(), 2);  // bands kept, in order
        EXPECT_EQ(contest.GetBandAt(1)->GetBand().GetFrequency(), 14.0);
    }
}

// --- Saving and loading files ---

class ContestFileOnDisk : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }
    platform_test::TempFolder folder_;
};

TEST_F(ContestFileOnDisk, SaveShowsTheStatusTextsAndLoadReadsItBack) {
    const CQuillmarkData_MainData contest = sample::MakeContest(2, 10);
    RecordingSink sink;
    std::string reason;
    ASSERT_TRUE(contest_file::Save(Path("log.qmk"), contest, sink, &reason)) << reason;
    EXPECT_EQ(sink.Of("status"), (std::vector<std::string>{kWritingText, kWrittenText}));

    RecordingSink load_sink;
    CQuillmarkData_MainData loaded;
    const auto result = contest_file::Load(Path("log.qmk"), "/,.", loaded, load_sink);
    ASSERT_TRUE(result.loaded) << result.error;
    EXPECT_TRUE(loaded == contest);
    EXPECT_EQ(load_sink.events, std::vector<std::string>{"status " + kReadingText});
}

TEST_F(ContestFileOnDisk, FailedSaveKeepsTheOldFileAndGivesNoCompletionText) {
    const std::string old_image = contest_file::StoreContest(sample::MakeContest(1, 3));
    ASSERT_TRUE(safe_file::WriteFileSafely(Path("log.qmk"), old_image));
    CQuillmarkData_MainData contest = sample::MakeContest(1, 5);
    ASSERT_TRUE(contest.SetStartTime(-(int64_t{1} << 40)));
    RecordingSink sink;
    std::string reason;
    EXPECT_FALSE(contest_file::Save(Path("log.qmk"), contest, sink, &reason));
    EXPECT_EQ(reason.rfind("cannot write: bad data", 0), 0u) << reason;
    EXPECT_EQ(sink.Of("status"), std::vector<std::string>{kWritingText});
    EXPECT_EQ(platform_test::ReadAll(Path("log.qmk")), old_image);
}

// The fuzzing seeds double as golden files: the writer must keep producing them byte for
// byte. QUILLMARK_REGENERATE_SEEDS=1 rewrites them after an intended format change.
TEST(ContestFile, SeedFilesMatchTheWriter) {
    struct Seed {
        const char* name;
        CQuillmarkData_MainData contest;
    };
    const Seed seeds[] = {{"v400_no_bands.qmk", sample::MakeContest(0, 0)},
                          {"v400_two_bands.qmk", sample::MakeContest(2, 3)},
                          {"v400_eight_bands.qmk", sample::MakeContest(8, 4, 3)}};
    const bool regenerate = std::getenv("QUILLMARK_REGENERATE_SEEDS") != nullptr;
    for (const Seed& seed : seeds) {
        const std::string path = std::string(QUILLMARK_SOURCE_DIR) + "/fuzz/seeds/" + seed.name;
        const std::string image = contest_file::StoreContest(seed.contest);
        if (regenerate) {
            ASSERT_TRUE(safe_file::WriteFileSafely(path, image)) << path;
        }
        const std::string stored = platform_test::ReadAll(path);
        EXPECT_EQ(stored, image) << seed.name;
        CQuillmarkData_MainData loaded;
        EXPECT_TRUE(LoadBytes(stored, loaded).loaded) << seed.name;
    }
}

// --- Older versions ---

// Every old sample converts to one active band, already in time order with First flags
// assigned afresh, and the operator is told what was lost (each sample holds one entry that
// no longer fits); the next save writes the current format, which loads back equal. The
// delimiter set decides what an old file keeps: a blank as the first delimiter cannot join the
// parts of a 2.30 contest number (blanks are removed first), and a letter splits the own call
// sign JA1ZZZ into too many parts.
TEST(ContestFile, OldVersionsConvertAndTellWhatWasLost) {
    std::string seen;
    const auto load = [&seen](const std::string& file, const std::string& delimiters) {
        RecordingSink sink;
        CQuillmarkData_MainData contest;
        const auto result =
            contest_file::LoadFromBytes(ReadSample(file), delimiters, contest, sink);
        ASSERT_TRUE(result.loaded) << result.error;
        seen += file + " with \"" + delimiters + "\": format " + result.format + ", dropped " +
                std::to_string(result.dropped_entries) + ", bands " +
                std::to_string(contest.GetBandCount()) + ", active " +
                std::to_string(contest.GetActiveBandIndex()) + ", entries " +
                std::to_string(contest.GetBandAt(0)->GetEntryCount()) + "\n";
        for (const std::string& event : sink.events) {
            if (event.starts_with("status ") || event.starts_with("notice ")) {
                seen += "  " + event + "\n";
            }
        }
        CQuillmarkData_MainData rebuilt = contest;
        rebuilt.RebuildAll(CQuillmarkData_SubMainData::kRebuildSort |
                           CQuillmarkData_SubMainData::kRebuildFirst);
        EXPECT_TRUE(rebuilt == contest) << file;
        const std::string image = contest_file::StoreContest(contest);
        EXPECT_EQ(image.substr(1, kHeaderBytes.size()), kHeaderBytes);
        CQuillmarkData_MainData again;
        const auto reloaded = LoadBytes(image, again);
        EXPECT_EQ(reloaded.format, "4.00");
        EXPECT_TRUE(again == contest) << file;
    };
    for (const char* file : {"v230.qmk", "v300.qmk", "v310.qmk", "v330.qmk", "v350.qmk"}) {
        load(file, "/,.");
    }
    load("v230.qmk", " /");
    load("v230.qmk", "Z");
    platform_test::ExpectGolden("document/old_version_loads", seen);
}

}  // namespace
