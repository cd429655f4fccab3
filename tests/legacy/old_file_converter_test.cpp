#include "legacy/old_file_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "../cli/sample_contest.h"
#include "legacy_test_util.h"
#include "model/band.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "old_file_writer.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

namespace {

using legacy_test::Convert;
using legacy_test::Converted;
using legacy_test::IsSoundConversion;
using legacy_test::kDelimiters;
using old_file_writer::kSampleStart;
using old_file_writer::Parts;

// A contest that a failed or refused conversion must leave exactly as it was.
CQuillmarkData_MainData ExistingContest() {
    return sample::MakeContest(1, 2);
}

// The cause of a failed conversion, which must leave the caller's contest as it was.
CArchiveException::Cause FailureCause(const std::string& image) {
    CArchive ar(image);
    const Cp932 header = ar.ReadString();
    CQuillmarkData_MainData contest = ExistingContest();
    legacy_test::RecordingSink sink;
    try {
        ConvertOldFile(ar, header, kDelimiters, contest, sink);
        ADD_FAILURE() << "the conversion did not fail";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(contest, ExistingContest());
        return e.cause();
    }
    return CArchiveException::endOfFile;
}

// --- Headers ---

// The header bytes are the writer's, which builds every old file independently of the reader.
TEST(RecognisedOldHeaders, AreTheFiveOldVersionsInOrder) {
    const auto& headers = RecognisedOldHeaders();
    const char* const formats[] = {"2.30", "3.00", "3.10", "3.30", "3.50"};
    ASSERT_EQ(headers.size(), std::size(formats));
    for (size_t i = 0; i < headers.size(); ++i) {
        EXPECT_EQ(headers[i].header, old_file_writer::HeaderOf(old_file_writer::AllVersions()[i]));
        EXPECT_STREQ(headers[i].format, formats[i]);
        EXPECT_EQ(FindOldHeader(headers[i].header), &headers[i]);
    }
}

TEST(ConvertOldFile, UnknownHeadersAreRefusedWithoutReadingOrTouchingAnything) {
    const std::string headers[] = {
        Utf8ToCp932("クイルマーク for Windows NT  Version 4.00 互換データファイル "),
        // Without the trailing blank, and with a single blank before Version.
        Utf8ToCp932("クイルマーク for Windows NT  Version 3.10 互換データファイル"),
        Utf8ToCp932("クイルマーク for Windows NT Version 3.10 互換データファイル "),
        Utf8ToCp932("クイルマーク for Windows NT  Version 2.30 互換データファイル "),
        "",
    };
    for (const std::string& header : headers) {
        CArchive ar(old_file_writer::SampleFile(OldFileVersion::v310));
        CQuillmarkData_MainData contest = ExistingContest();
        legacy_test::RecordingSink sink;
        const OldFileConversion result = ConvertOldFile(ar, header, kDelimiters, contest, sink);
        EXPECT_FALSE(result.recognised) << Cp932ToUtf8(header);
        EXPECT_TRUE(result.format.empty());
        EXPECT_EQ(ar.Position(), 0u);
        EXPECT_EQ(contest, ExistingContest());
        EXPECT_TRUE(sink.events.empty());
    }
}

// --- Progress ---

TEST(ConvertOldFile, ShowsTheConversionProgressWithItsExactTexts) {
    const Converted converted = Convert(old_file_writer::SampleFile(OldFileVersion::v310));
    const std::vector<std::string> expected = {
        "text 0 クイルマーク - 旧バージョンのデータファイルのコンバート",
        "text 1 旧バージョンのデータファイルをコンバートしています。しばらくお待ちください．．．",
        "text 2 ファイル種類 ： クイルマーク for Windows NT  Version 3.10 互換データファイル ",
        "show",
        "text 3 ファイルの読み込み中．．．",
        "text 3 コンテスト情報の変換・設定中．．．",
        "text 3 ログデータの変換・設定中．．．",
        "range 0 4",
        "pos 1",
        "pos 2",
        "pos 3",
        "pos 4",
        "pump",
        "close",
    };
    EXPECT_EQ(converted.sink.events, expected);
}

TEST(ConvertOldFile, PendingEventsRunEverySixtyFourEntriesAndAfterTheLast) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v330);
    contest.entries.resize(130, contest.entries[0]);
    const Converted converted = Convert(old_file_writer::Write(contest));
    std::vector<int> pumped_after;
    int position = 0;
    for (const std::string& event : converted.sink.events) {
        if (event.rfind("pos ", 0) == 0) {
            position = std::stoi(event.substr(4));
        } else if (event == "pump") {
            pumped_after.push_back(position);
        }
    }
    EXPECT_EQ(pumped_after, (std::vector<int>{64, 128, 130}));
    EXPECT_EQ(position, 130);
}

TEST(ConvertOldFile, EmptyFileShowsAnEmptyRange) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v310);
    contest.entries.clear();
    const Converted converted = Convert(old_file_writer::Write(contest));
    EXPECT_TRUE(IsSoundConversion(converted.contest));
    EXPECT_EQ(converted.contest.GetBandAt(0)->GetEntryCount(), 0);
    const auto& events = converted.sink.events;
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "range 0 0");
    EXPECT_EQ(events.back(), "close");
}

// --- Samples of every version ---

struct SampleExpectation {
    OldFileVersion version;
    const char* format;
    double frequency;
    int unit;
    const char* mode;
    int calling_method;
    // Card flags of the kept entries in time order (JA1ABC, JR3GHI, JA2DEF).
    int32_t card_flags[3];
};

void PrintTo(const SampleExpectation& expected, std::ostream* out) {
    *out << expected.format;
}

class ConvertSample : public ::testing::TestWithParam<SampleExpectation> {};

TEST_P(ConvertSample, GivesOneActiveBandWithTheFittingEntriesInTimeOrder) {
    const SampleExpectation& expected = GetParam();
    const Converted converted = Convert(old_file_writer::SampleFile(expected.version));
    const CQuillmarkData_MainData& contest = converted.contest;

    const OldFileConversion& result = converted.result;
    EXPECT_EQ(std::tuple(result.recognised, result.format, result.dropped_entries,
                         result.own_call_sign_lost, result.own_sent_number_lost),
              std::tuple(true, expected.format, 1, false, false));
    ASSERT_TRUE(IsSoundConversion(contest));
    EXPECT_EQ(std::tuple(Cp932ToUtf8(contest.GetContestName()), contest.GetStartTime(),
                         contest.GetEndTime(), contest.GetOwnCallSign().GetText(kDelimiters)),
              std::tuple("テストコンテスト", kSampleStart, kSampleStart + 24 * 3600, "JA1ZZZ"));
    const CQuillmarkData_SubMainData& band = *contest.GetActiveBand();
    EXPECT_EQ(std::tuple(band.GetBand().GetFrequency(), band.GetBand().GetUnit(), band.GetMode(),
                         band.GetCallingMethod(), band.GetSentContestNumber().GetParameter(1)),
              std::tuple(expected.frequency, expected.unit, expected.mode, expected.calling_method,
                         "10"));

    // The kept entries in time order: call sign, time, First, points, card flags, then the
    // sent RST, mode, calling method and comment that every version gives the same.
    const std::string common = " 599  1 ";
    EXPECT_EQ(legacy_test::Entries(band),
              (std::vector<std::string>{
                  "JA1ABC +300 F 1 " + std::to_string(expected.card_flags[0]) + common,
                  "JR3GHI/3 +480 F 1 " + std::to_string(expected.card_flags[1]) + common,
                  "JA2DEF +600 - 2 " + std::to_string(expected.card_flags[2]) + common}));
    // The stored First entry of multiplier 25 was dropped; its next entry counts instead.
    EXPECT_EQ(contest.GetTotalMultiplierCount(), 2);
    EXPECT_EQ(contest.GetTotalPoints(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ConvertSample,
    ::testing::Values(SampleExpectation{OldFileVersion::v230, "2.30", 21.0, 6, "", 1, {1, 1, 1}},
                      SampleExpectation{OldFileVersion::v300, "3.00", 7.0, 6, "", 1, {2, 5, 7}},
                      SampleExpectation{OldFileVersion::v310, "3.10", 7.0, 6, "", 1, {2, 7, 0}},
                      SampleExpectation{OldFileVersion::v330, "3.30", 7000.0, 3, "", 1, {2, 7, 0}},
                      SampleExpectation{OldFileVersion::v350, "3.50", 1.2, 9, "CW", 0, {2, 7, 0}}),
    [](const ::testing::TestParamInfo<SampleExpectation>& info) {
        std::string name = std::string("v") + info.param.format;
        name.erase(name.find('.'), 1);
        return name;
    });

TEST(ConvertOldFile, Version310And330CopyTheStoredFormatsFieldByField) {
    for (const OldFileVersion version : {OldFileVersion::v310, OldFileVersion::v330}) {
        old_file_writer::Contest contest = old_file_writer::SampleContest(version);
        contest.call_sign_format = CQuillmarkData_CallSignType();
        ParameterAttributesArray attributes(3);
        attributes[0].SetAttributes(3, 8, 3, "");
        attributes[1].SetAttributes(0, 2, 1, "");
        attributes[2].SetAttributes(0, -1, 0xFFFFFFFFu, "P");
        contest.call_sign_format.SetFormat(3, 1, attributes);
        const Converted converted = Convert(old_file_writer::Write(contest));
        EXPECT_EQ(converted.contest.GetCallSignType(), contest.call_sign_format);
        EXPECT_EQ(converted.contest.GetContestNumberType(), contest.number_format);
    }
}

TEST(ConvertOldFile, Version300ReplacesTheStoredFormatsWithTheDefaults) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v300);
    const Converted converted = Convert(old_file_writer::Write(contest));
    const CQuillmarkData_ContestNumberType number_type = model_test::ContestNumberFormat(4, 1);
    EXPECT_NE(contest.number_format, number_type);
    EXPECT_EQ(converted.contest.GetCallSignType(), model_test::CallSignFormat(2, 0));
    EXPECT_EQ(converted.contest.GetContestNumberType(), number_type);
}

TEST(ConvertOldFile, Version300EntriesShorterThanTheDefaultFormatAreDroppedAndCounted) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v300);
    // Two-part contest numbers, as a 3.00 contest with RST and area only stored them.
    for (auto& entry : contest.entries) {
        entry.received.parts.resize(2);
    }
    contest.own_sent = Parts({"599", "10"});
    const Converted converted = Convert(old_file_writer::Write(contest));
    EXPECT_EQ(converted.result.dropped_entries, 4);
    EXPECT_TRUE(converted.result.own_sent_number_lost);
    ASSERT_TRUE(IsSoundConversion(converted.contest));
    EXPECT_EQ(converted.contest.GetBandAt(0)->GetEntryCount(), 0);
    EXPECT_FALSE(converted.contest.GetBandAt(0)->GetSentContestNumber().IsValid());
}

// --- Frequencies and unit codes ---

// Version 3.10 stores megahertz; 3.30 and later a unit code: 1 kHz, 2 MHz, 3 GHz.
TEST(ConvertOldFile, FrequenciesAndUnitCodesGiveTheBandOrAreRefused) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        OldFileVersion version;
        int32_t code;
        double frequency;
        int unit;  // 0: refused as bad data
    } cases[] = {
        {OldFileVersion::v330, 1, 7000.0, 3},       {OldFileVersion::v350, 2, 7.0, 6},
        {OldFileVersion::v350, 3, 1.2, 9},          {OldFileVersion::v310, 0, 7.0, 6},
        {OldFileVersion::v330, 1, 10'000'000.0, 3},  // 10 GHz written in kHz is kept
        {OldFileVersion::v330, 0, 7.0, 0},          {OldFileVersion::v330, 4, 7.0, 0},
        {OldFileVersion::v330, -1, 7.0, 0},         {OldFileVersion::v310, 0, kNaN, 0},
        {OldFileVersion::v310, 0, kInf, 0},         {OldFileVersion::v310, 0, -7.0, 0},
        {OldFileVersion::v310, 0, 1e300, 0},        {OldFileVersion::v310, 0, 1e9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.frequency);
        old_file_writer::Contest contest = old_file_writer::SampleContest(c.version);
        contest.unit_code = c.code;
        contest.frequency = c.frequency;
        const std::string image = old_file_writer::Write(contest);
        if (c.unit == 0) {
            EXPECT_EQ(FailureCause(image), CArchiveException::badData);
            continue;
        }
        const Converted converted = Convert(image);
        const CQuillmarkData_BandItem& band = converted.contest.GetBandAt(0)->GetBand();
        EXPECT_EQ(band.GetFrequency(), c.frequency);
        EXPECT_EQ(band.GetUnit(), c.unit);
    }
}

// --- Own call sign and own sent number ---

TEST(ConvertOldFile, OwnTextsThatNoLongerFitAreLeftEmptyAndReportedLost) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v310);
    contest.own_call_sign = Parts({"JA1", "1"});
    contest.own_sent = Parts({"5X9", "10"});
    const Converted converted = Convert(old_file_writer::Write(contest));
    EXPECT_TRUE(converted.result.own_call_sign_lost);
    EXPECT_TRUE(converted.result.own_sent_number_lost);
    EXPECT_FALSE(converted.contest.GetOwnCallSign().IsValid());
    EXPECT_FALSE(converted.contest.GetBandAt(0)->GetSentContestNumber().IsValid());
    EXPECT_TRUE(IsSoundConversion(converted.contest));
    EXPECT_EQ(converted.result.dropped_entries, 1);
    // Texts that were never set are not reported lost.
    contest.own_call_sign = old_file_writer::Item{0, {}};
    contest.own_sent = old_file_writer::Item{0, {}};
    const Converted unset = Convert(old_file_writer::Write(contest));
    EXPECT_FALSE(unset.result.own_call_sign_lost);
    EXPECT_FALSE(unset.result.own_sent_number_lost);
}

TEST(ConvertOldFile, TextsAreRevalidatedWithTheCurrentDelimiters) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v310);
    // A part holding "." splits into an extra part once "." is a delimiter.
    contest.entries[0].call_sign = Parts({"JA1ABC", "."});
    const Converted with_point = Convert(old_file_writer::Write(contest), "/,.");
    EXPECT_EQ(with_point.result.dropped_entries, 2);
    const Converted without_point = Convert(old_file_writer::Write(contest), "/");
    EXPECT_EQ(without_point.result.dropped_entries, 1);
    EXPECT_EQ(without_point.contest.GetBandAt(0)->GetEntryAt(0)->GetCallSign().GetText(","),
              "JA1ABC,.");
}

// No delimiters at all, or a 2.30 file with a blank first delimiter (the blanks go first, so
// the parts of a contest number cannot be joined): every entry is dropped and counted.
TEST(ConvertOldFile, DelimitersThatSplitNothingDropEveryEntryButStillConvert) {
    const struct {
        OldFileVersion version;
        const char* delimiters;
        bool call_lost, sent_lost;
    } cases[] = {{OldFileVersion::v350, "", true, true}, {OldFileVersion::v230, " /", false, true}};
    for (const auto& c : cases) {
        const Converted converted = Convert(old_file_writer::SampleFile(c.version), c.delimiters);
        EXPECT_EQ(converted.result.dropped_entries, 4) << c.delimiters;
        EXPECT_EQ(converted.result.own_call_sign_lost, c.call_lost) << c.delimiters;
        EXPECT_EQ(converted.result.own_sent_number_lost, c.sent_lost) << c.delimiters;
        EXPECT_TRUE(IsSoundConversion(converted.contest));
    }
}

// --- First flags and order ---

TEST(ConvertOldFile, FirstIsCopiedWhenTheFormatHasNoMultiplier) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v310);
    contest.number_format = CQuillmarkData_ContestNumberType();
    contest.number_format.SetDefaultFormat(2, -1);
    contest.entries[0].first = 0;
    contest.entries[2].first = 5;
    const Converted converted = Convert(old_file_writer::Write(contest));
    const CQuillmarkData_SubMainData& band = *converted.contest.GetBandAt(0);
    ASSERT_EQ(band.GetEntryCount(), 3);
    EXPECT_EQ(band.GetEntryAt(0)->GetFirst(), 0);  // JA1ABC
    EXPECT_EQ(band.GetEntryAt(1)->GetFirst(), 0);  // JR3GHI
    EXPECT_EQ(band.GetEntryAt(2)->GetFirst(), 1);  // JA2DEF
}

TEST(ConvertOldFile, EntriesWithEqualTimesKeepTheirStoredOrder) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v330);
    for (auto& entry : contest.entries) {
        entry.time = kSampleStart;
    }
    const Converted converted = Convert(old_file_writer::Write(contest));
    const CQuillmarkData_SubMainData& band = *converted.contest.GetBandAt(0);
    ASSERT_EQ(band.GetEntryCount(), 3);
    EXPECT_EQ(band.GetEntryAt(0)->GetCallSign().GetText(kDelimiters), "JA1ABC");
    EXPECT_EQ(band.GetEntryAt(1)->GetCallSign().GetText(kDelimiters), "JA2DEF");
    EXPECT_EQ(band.GetEntryAt(2)->GetCallSign().GetText(kDelimiters), "JR3GHI/3");
}

// --- Stored formats of 3.10 and later ---

TEST(ConvertOldFile, DamagedStoredFormatsAreRefused) {
    CArchive image;
    // A call sign format record claiming two parameters but carrying one attributes record.
    image.WriteInt32(1);
    image.WriteInt32(2);
    image.WriteInt32(0);
    image.WriteInt32(5);
    image.WriteInt32(8);
    image.WriteCount(1);
    CQuillmarkData_ParameterAttributes attributes =
        CQuillmarkData_CallSignType::DefaultAttributes(0);
    attributes.Serialize(image);
    CArchive inconsistent(image.TakeBuffer());
    old_file_writer::Contest damaged = old_file_writer::SampleContest(OldFileVersion::v350);
    damaged.call_sign_format.Serialize(inconsistent);
    EXPECT_EQ(damaged.call_sign_format.GetParameterCount(), 2);
    EXPECT_EQ(FailureCause(old_file_writer::Write(damaged)), CArchiveException::badData);

    old_file_writer::Contest not_valid = old_file_writer::SampleContest(OldFileVersion::v310);
    not_valid.number_format = CQuillmarkData_ContestNumberType();
    EXPECT_EQ(FailureCause(old_file_writer::Write(not_valid)), CArchiveException::badData);
}

// --- 2.30 specifics ---

TEST(ConvertOldFile, Version230BuildsItsFormatsFromTheParameterCountAndLettersFlag) {
    for (const uint16_t count : {2, 3, 4}) {
        for (const uint16_t letters : {0, 1}) {
            old_file_writer::File230 file = old_file_writer::Sample230();
            file.number_parameter_count = count;
            file.letters_flag = letters;
            const Converted converted = Convert(old_file_writer::Write(file));
            EXPECT_EQ(legacy_test::Attributes(converted.contest.GetCallSignType()),
                      "main 0: 5-6/3 0-1/1");
            // RST, multiplier (letters when the flag says so), then two optional parameters.
            const std::string classes = letters != 0 ? "3" : "1";
            const std::string rules[] = {" 2-3/1", " 2-6/" + classes, " 0-3/" + classes,
                                         " 0-6/4294967295"};
            std::string expected = "main 1:";
            for (int i = 0; i < count; ++i) {
                expected += rules[i];
            }
            EXPECT_EQ(legacy_test::Attributes(converted.contest.GetContestNumberType()), expected);
        }
    }
}

TEST(ConvertOldFile, Version230ParameterCountOutsideTwoToFourIsRefused) {
    for (const uint16_t count : {0, 1, 5, 65535}) {
        old_file_writer::File230 file = old_file_writer::Sample230();
        file.number_parameter_count = count;
        EXPECT_EQ(FailureCause(old_file_writer::Write(file)), CArchiveException::badData) << count;
    }
}

TEST(ConvertOldFile, Version230LettersFlagAdmitsLettersInTheMultiplier) {
    old_file_writer::File230 file = old_file_writer::Sample230();
    file.entries[0].received = {"599", "13H"};
    EXPECT_EQ(Convert(old_file_writer::Write(file)).result.dropped_entries, 2);
    file.letters_flag = 1;
    EXPECT_EQ(Convert(old_file_writer::Write(file)).result.dropped_entries, 1);
}

// The text as the C runtime reads it, in megahertz; -1 below marks a text refused as bad data.
TEST(ConvertOldFile, Version230FrequencyTextIsReadAsMegahertzOrRefused) {
    const struct {
        const char* text;
        double megahertz;
    } cases[] = {{"7", 7.0},   {" 14.05", 14.05}, {"1.9MHz", 1.9}, {"", 0.0},
                 {"-7", -1.0}, {"1e999", -1.0},   {"1e20", -1.0}};
    for (const auto& c : cases) {
        old_file_writer::File230 file = old_file_writer::Sample230();
        file.frequency_text = c.text;
        if (c.megahertz < 0) {
            EXPECT_EQ(FailureCause(old_file_writer::Write(file)), CArchiveException::badData)
                << c.text;
            continue;
        }
        const Converted converted = Convert(old_file_writer::Write(file));
        const CQuillmarkData_BandItem& band = converted.contest.GetBandAt(0)->GetBand();
        EXPECT_EQ(band.GetFrequency(), c.megahertz) << c.text;
        EXPECT_EQ(band.GetUnit(), 6);
    }
}

TEST(ConvertOldFile, Version230NewMultiplierIsFirstWhateverItsMarker) {
    // The entry marked "not First" carries a multiplier no earlier entry has.
    old_file_writer::File230 file = old_file_writer::Sample230();
    file.entries[2].received = {"599", "44"};
    const Converted converted = Convert(old_file_writer::Write(file));
    const CQuillmarkData_SubMainData& band = *converted.contest.GetBandAt(0);
    for (int i = 0; i < band.GetEntryCount(); ++i) {
        EXPECT_EQ(band.GetEntryAt(i)->GetFirst(), 1) << i;
    }
    EXPECT_EQ(converted.contest.GetTotalMultiplierCount(), 3);
}

}  // namespace
