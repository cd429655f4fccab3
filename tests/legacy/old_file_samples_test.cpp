#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "../platform/temp_folder.h"
#include "legacy_test_util.h"
#include "old_file_writer.h"

// The sample files of every old version kept under tests/data/legacy (the file loader's
// tests read them too), and the robustness of the conversion against damaged copies: cut
// at every offset or with bytes flipped, a file either converts to a sound contest or fails
// with an archive exception that leaves the caller's contest alone.
namespace {

using legacy_test::Convert;

class OldFileSample : public ::testing::TestWithParam<OldFileVersion> {
protected:
    const std::string path_ = std::string(QUILLMARK_TEST_DATA_DIR) + "/legacy/" +
                              old_file_writer::SampleFileName(GetParam());
    const std::string image_ = old_file_writer::SampleFile(GetParam());
};

// QUILLMARK_REGENERATE_LEGACY_SAMPLES=1 rewrites the committed samples after the writer's
// sample descriptions have changed on purpose.
TEST_P(OldFileSample, CommittedFileEqualsTheWritersOutput) {
    const char* const regenerate = std::getenv("QUILLMARK_REGENERATE_LEGACY_SAMPLES");
    if (regenerate != nullptr && std::string(regenerate) == "1") {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << image_;
    }
    const std::string committed = platform_test::ReadAll(path_);
    ASSERT_FALSE(committed.empty()) << path_;
    EXPECT_EQ(committed, image_);
}

// Converts a damaged image: a sound contest or an archive exception; anything else (another
// exception, a crash, a sanitizer report) fails the test. converted tells which it was.
::testing::AssertionResult ConvertsCleanly(const std::string& image, bool* converted = nullptr) {
    const legacy_test::Converted attempt = Convert(image);
    const bool unchanged = attempt.contest == legacy_test::ExistingContest();
    if (!attempt.result) {
        if (!unchanged) {
            return ::testing::AssertionFailure() << "failed but changed the contest";
        }
        if (!attempt.sink.events.empty() && attempt.sink.events.back() != "close") {
            return ::testing::AssertionFailure() << "progress window left open";
        }
        return ::testing::AssertionSuccess();
    }
    if (!attempt.result->recognised) {
        return unchanged ? ::testing::AssertionSuccess()
                         : ::testing::AssertionFailure() << "refused but changed";
    }
    if (attempt.result->dropped_entries < 0) {
        return ::testing::AssertionFailure() << "negative drop count";
    }
    if (converted != nullptr) {
        *converted = true;
    }
    return legacy_test::IsSoundConversion(attempt.contest);
}

// Only the complete file converts; bytes after its records are ignored.
TEST_P(OldFileSample, CutAtEveryOffsetFailsCleanly) {
    const std::string followed = image_ + std::string("\x01\x02\xFF", 3);
    for (size_t length = 0; length <= followed.size(); ++length) {
        bool converted = false;
        EXPECT_TRUE(ConvertsCleanly(followed.substr(0, length), &converted)) << "length " << length;
        EXPECT_EQ(converted, length >= image_.size()) << "length " << length;
    }
}

TEST_P(OldFileSample, FlippedBytesFailCleanly) {
    std::mt19937 random(20240601u + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<size_t> offset(0, image_.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    std::uniform_int_distribution<int> flips(1, 4);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = image_;
        const int count = flips(random);
        for (int i = 0; i < count; ++i) {
            damaged[offset(random)] ^= static_cast<char>(1 << bit(random));
        }
        ASSERT_TRUE(ConvertsCleanly(damaged)) << "round " << round;
    }
}

TEST_P(OldFileSample, HostileCountsFailCleanly) {
    // Every 16-bit value at every offset after the header: counts, lengths and tags of
    // any size.
    for (size_t at = 0; at + 1 < image_.size(); at += 3) {
        for (const uint16_t value : {0xFFFFu, 0xFFFEu, 0x8000u, 0x7FFFu, 0x0100u}) {
            std::string damaged = image_;
            damaged[at] = static_cast<char>(value & 0xFF);
            damaged[at + 1] = static_cast<char>(value >> 8);
            ASSERT_TRUE(ConvertsCleanly(damaged)) << "offset " << at << " value " << value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, OldFileSample,
                         ::testing::ValuesIn(old_file_writer::AllVersions()),
                         [](const ::testing::TestParamInfo<OldFileVersion>& info) {
                             const std::string name = old_file_writer::SampleFileName(info.param);
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
