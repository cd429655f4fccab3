#include "legacy/old_file_converter.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "../model/model_test_util.h"
#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "legacy_test_util.h"
#include "model/contest.h"
#include "old_file_writer.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

namespace {

using legacy_test::Convert;
using legacy_test::Converted;
using legacy_test::ExistingContest;
using legacy_test::kDelimiters;
using old_file_writer::Parts;

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
    for (const auto& row : platform_test::CaseTable("legacy/unknown_headers.txt", 1)) {
        const Cp932 header = Utf8ToCp932(row[0]);
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

// A file without entries shows an empty range.
TEST(ConvertOldFile, ShowsTheConversionProgressWithItsExactTexts) {
    old_file_writer::Contest empty = old_file_writer::SampleContest(OldFileVersion::v310);
    empty.entries.clear();
    std::string events;
    for (const auto& [what, image] :
         {std::pair{"the 3.10 sample", old_file_writer::SampleFile(OldFileVersion::v310)},
          std::pair{"the 3.10 sample without entries", old_file_writer::Write(empty)}}) {
        events += std::string("--- ") + what + "\n";
        for (const std::string& event : Convert(image).sink.events) {
            events += event + "\n";
        }
    }
    platform_test::ExpectGolden("legacy/conversion_progress", events);
}

TEST(ConvertOldFile, PendingEventsRunEverySixtyFourEntriesAndAfterTheLast) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(OldFileVersion::v330);
    contest.entries.resize(130, contest.entries[0]);
    std::string position;
    std::string pumped = "pumped after";
    for (const std::string& event : Convert(old_file_writer::Write(contest)).sink.events) {
        position = event.rfind("pos ", 0) == 0 ? event.substr(4) : position;
        pumped += event == "pump" ? " " + position : "";
    }
    EXPECT_EQ(pumped, "pumped after 64 128 130");
}

// --- What each file converts to, or why it is refused ---

// The converted contest, or the refusal, which must leave the caller's contest as it was.
std::string Outcome(const std::string& image, std::string_view delimiters) {
    const Converted converted = Convert(image, delimiters);
    if (!converted.result) {
        EXPECT_EQ(converted.contest, ExistingContest());
        return "refused: " + converted.error + "\n";
    }
    return legacy_test::Describe(*converted.result, converted.contest);
}

// A 3.xx sample changed by change.
std::string Changed(OldFileVersion version,
                    const std::function<void(old_file_writer::Contest&)>& change) {
    old_file_writer::Contest contest = old_file_writer::SampleContest(version);
    change(contest);
    return old_file_writer::Write(contest);
}

std::string Changed230(const std::function<void(old_file_writer::File230&)>& change) {
    old_file_writer::File230 file = old_file_writer::Sample230();
    change(file);
    return old_file_writer::Write(file);
}

// A 3.xx sample with another frequency and (3.30 and later) unit code: 1 kHz, 2 MHz, 3 GHz.
std::string WithFrequency(OldFileVersion version, int32_t unit_code, double frequency) {
    return Changed(version, [&](auto& contest) {
        contest.unit_code = unit_code;
        contest.frequency = frequency;
    });
}

// Every sample keeps its three fitting entries in time order on one active band; the stored
// First entry of multiplier 25 fails validation, so its next entry counts instead.
TEST(ConvertOldFile, EachFileGivesItsContestOrIsRefused) {
    using V = OldFileVersion;
    std::string outcomes;
    const auto add = [&](const std::string& name, const std::string& image,
                         std::string_view delimiters = kDelimiters) {
        outcomes += "--- " + name + "\n" + Outcome(image, delimiters);
    };
    for (const V version : old_file_writer::AllVersions()) {
        add("sample " + old_file_writer::SampleFileName(version),
            old_file_writer::SampleFile(version));
    }
    add("3.10 without entries", Changed(V::v310, [](auto& c) { c.entries.clear(); }));
    // 3.00 files get the default formats; two-part numbers, as a 3.00 contest with RST and
    // area only stored them, fit those no longer.
    add("3.00 with two-part contest numbers", Changed(V::v300, [](auto& c) {
            for (auto& entry : c.entries) {
                entry.received.parts.resize(2);
            }
            c.own_sent = Parts({"599", "10"});
        }));
    add("3.10 own texts that no longer fit", Changed(V::v310, [](auto& c) {
            c.own_call_sign = Parts({"JA1", "1"});
            c.own_sent = Parts({"5X9", "10"});
        }));
    // Texts that were never set are not reported lost.
    add("3.10 own texts never set", Changed(V::v310, [](auto& c) {
            c.own_call_sign = old_file_writer::Item{0, {}};
            c.own_sent = old_file_writer::Item{0, {}};
        }));
    // A part holding "." splits into an extra part once "." is a delimiter.
    const std::string point = Changed(V::v310, [](auto& c) {
        c.entries[0].call_sign = Parts({"JA1ABC", "."});
    });
    add("3.10 call sign part \".\", delimiters /,.", point);
    add("3.10 call sign part \".\", delimiter /", point, "/");
    // No delimiters at all, or a 2.30 file with a blank first delimiter (the blanks go first,
    // so the parts of a contest number cannot be joined): every entry is dropped.
    add("3.50 without delimiters", old_file_writer::SampleFile(V::v350), "");
    add("2.30 with a blank first delimiter", old_file_writer::SampleFile(V::v230), " /");
    // Without a multiplier the stored First flags are copied.
    add("3.10 without a multiplier", Changed(V::v310, [](auto& c) {
            c.number_format = CQuillmarkData_ContestNumberType();
            c.number_format.SetDefaultFormat(2, -1);
            c.entries[0].first = 0;
            c.entries[2].first = 5;
        }));
    // 3.10 and later keep their stored formats.
    for (const V version : {V::v310, V::v330}) {
        add(old_file_writer::SampleFileName(version) +
                " with a call sign format of three parameters, the second the main one",
            Changed(version, [](auto& c) {
                c.call_sign_format = CQuillmarkData_CallSignType();
                c.call_sign_format.SetFormat(
                    3, 1,
                    {model_test::Attributes(3, 8, 3), model_test::Attributes(0, 2, 1),
                     model_test::Attributes(0, -1, 0xFFFFFFFFu, "P")});
            }));
    }
    add("3.30 entries with equal times keep their stored order", Changed(V::v330, [](auto& c) {
            for (auto& entry : c.entries) {
                entry.time = old_file_writer::kSampleStart;
            }
        }));
    // 3.10 stores megahertz; 3.30 and later a unit code.
    add("3.50 unit code 2", WithFrequency(V::v350, 2, 7.0));
    add("3.30 10 GHz written in kHz", WithFrequency(V::v330, 1, 10'000'000.0));
    for (const int32_t code : {0, 4, -1}) {
        add("3.30 unit code " + std::to_string(code), WithFrequency(V::v330, code, 7.0));
    }
    for (const double frequency : {std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(), -7.0, 1e300, 1e9}) {
        add("3.10 frequency " + legacy_test::Number(frequency),
            WithFrequency(V::v310, 0, frequency));
    }
    // A call sign format record claiming two parameters but carrying one attributes record.
    add("3.50 damaged call sign format", Changed(V::v350, [](auto& c) {
            CArchive image;
            for (const int32_t value : {1, 2, 0, 5, 8}) {
                image.WriteInt32(value);
            }
            image.WriteCount(1);
            CQuillmarkData_CallSignType::DefaultAttributes(0).Serialize(image);
            CArchive inconsistent(image.TakeBuffer());
            c.call_sign_format.Serialize(inconsistent);
        }));
    add("3.10 number format not valid",
        Changed(V::v310, [](auto& c) { c.number_format = CQuillmarkData_ContestNumberType(); }));
    // 2.30 builds its formats from the parameter count and the letters flag: RST, multiplier
    // (letters when the flag says so), then two optional parameters.
    for (const uint16_t count : {0, 1, 2, 3, 4, 5, 65535}) {
        for (const uint16_t letters : {0, 1}) {
            add("2.30 " + std::to_string(count) + " parameters, letters flag " +
                    std::to_string(letters),
                Changed230([&](auto& file) {
                    file.number_parameter_count = count;
                    file.letters_flag = letters;
                }));
        }
    }
    for (const uint16_t letters : {0, 1}) {
        add("2.30 multiplier 13H, letters flag " + std::to_string(letters),
            Changed230([&](auto& file) {
                file.entries[0].received = {"599", "13H"};
                file.letters_flag = letters;
            }));
    }
    // The frequency text is read as the C runtime reads it, in megahertz.
    for (const char* text : {"7", " 14.05", "1.9MHz", "", "-7", "1e999", "1e20"}) {
        add("2.30 frequency text \"" + std::string(text) + "\"",
            Changed230([&](auto& file) { file.frequency_text = text; }));
    }
    // The entry marked "not First" carries a multiplier no earlier entry has.
    add("2.30 new multiplier marked not First", Changed230([](auto& file) {
            file.entries[2].received = {"599", "44"};
        }));

    platform_test::ExpectGolden("legacy/conversions", outcomes);
}

}  // namespace
