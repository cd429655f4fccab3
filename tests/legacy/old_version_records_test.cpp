#include "legacy/old_version_records.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "legacy_test_util.h"
#include "old_file_writer.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

namespace {

using old_file_writer::Parts;

std::string Shown(const CQuillmarkData_Item& item) {
    std::string text = item.IsValid() ? "" : "(not valid)";
    for (const Cp932& part : item.GetParts()) {
        text += "[" + Cp932ToUtf8(part) + "]";
    }
    return text;
}

std::string Shown(const std::vector<uint32_t>& values) {
    std::string text;
    for (const uint32_t value : values) {
        text += " " + std::to_string(value);
    }
    return text;
}

// Every field a record reader takes from the writer's sample of its version, and the bytes
// it leaves for the graph record (3.00, 3.10) or none.
template <OldFileVersion V>
std::string ReadSample() {
    CArchive ar(old_file_writer::SampleFile(V));
    ar.ReadString();
    OldMainDataRecord<V> record;
    record.Serialize(ar);
    const int64_t start = old_file_writer::kSampleStart;
    std::ostringstream out;
    out << "valid " << record.valid << ", " << Cp932ToUtf8(record.name) << ", frequency "
        << record.frequency << ", unit code " << record.unit_code << ", mode \""
        << Cp932ToUtf8(record.mode) << "\", +" << record.start - start << " to +"
        << record.end - start << "\n";
    out << "own " << Shown(record.own_call_sign) << " sent " << Shown(record.own_sent)
        << ", calling " << record.calling_method << "\n";
    for (const auto& e : record.entries) {
        out << "  valid " << e.valid << " +" << e.time - start << " " << Shown(e.call_sign) << " "
            << Shown(e.sent) << " " << Shown(e.received) << ", first " << e.first << ", points "
            << e.points << ", card states" << Shown(e.card_states) << ", card flags "
            << e.card_flags << ", extra \"" << Cp932ToUtf8(e.extra_text) << "\" " << e.extra_value
            << ", trailing \"" << Cp932ToUtf8(e.trailing_text) << "\"\n";
    }
    out << "call sign " << legacy_test::Attributes(record.call_sign_format) << "\n";
    out << "number " << legacy_test::Attributes(record.number_format) << "\n";
    out << "trailing values" << Shown(record.trailing_values) << ", trailing value "
        << record.trailing_value << ", " << ar.Remaining() << " bytes left\n";
    if (ar.Remaining() > 0) {
        CQuillmarkData_Old_300_GraphDataItem graph;
        graph.Serialize(ar);
        out << "graph valid " << graph.valid << ", +" << graph.start - start << " to +"
            << graph.end - start << ", interval " << graph.interval << ", times";
        for (const int64_t time : graph.times) {
            out << " +" << time - start;
        }
        out << ", " << ar.Remaining() << " bytes left\n";
    }
    return out.str();
}

// 3.00 and 3.10 end with the graph record: valid, start, end, interval, count and the times.
TEST(OldMainDataRecord, EachVersionReadsItsFieldsAndNothingElse) {
    platform_test::ExpectGolden("legacy/old_records",
                                "--- 3.00\n" + ReadSample<OldFileVersion::v300>() + "--- 3.10\n" +
                                    ReadSample<OldFileVersion::v310>() + "--- 3.30\n" +
                                    ReadSample<OldFileVersion::v330>() + "--- 3.50\n" +
                                    ReadSample<OldFileVersion::v350>());
}

TEST(OldMainDataRecord, EntryCountBeyondTheDataFailsBeforeReadingEntries) {
    old_file_writer::Contest contest;
    contest.entry_count = 60000;
    CArchive in(old_file_writer::Write(contest) + std::string(1000, '\0'));
    in.ReadString();  // the header
    OldMainDataRecord<OldFileVersion::v310> record;
    try {
        record.Serialize(in);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::endOfFile);
    }
    EXPECT_TRUE(record.entries.empty());
}

TEST(OldLogDataRecord, CardFlagsComeFromTheStoredStatesOrFlags) {
    for (const auto& c : platform_test::CaseTable("legacy/card_states.txt", 3)) {
        CQuillmarkData_Old_300_LogDataItem v300;
        CQuillmarkData_Old_310_LogDataItem v310;
        CQuillmarkData_Old_350_LogDataItem v350;
        std::istringstream stored(c[1]);
        for (int64_t value = 0; stored >> value;) {
            v300.card_states.push_back(static_cast<uint32_t>(value));
            v310.card_flags = v350.card_flags = static_cast<int32_t>(value);
        }
        const int32_t flags = c[0] == "3.00"   ? v300.GetCardFlags()
                              : c[0] == "3.10" ? v310.GetCardFlags()
                                               : v350.GetCardFlags();
        EXPECT_EQ(flags, std::stoi(c[2])) << c[0] << " " << c[1];
    }
}

TEST(OldLogDataRecord, MinimumSizesMatchTheSmallestRecords) {
    const std::pair<OldFileVersion, size_t> cases[] = {
        {OldFileVersion::v300, CQuillmarkData_Old_300_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v310, CQuillmarkData_Old_310_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v330, CQuillmarkData_Old_330_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v350, CQuillmarkData_Old_350_LogDataItem::MinRecordBytes()},
    };
    for (const auto& [version, expected] : cases) {
        old_file_writer::Contest none;
        none.version = version;
        old_file_writer::Contest one = none;
        one.entries = {old_file_writer::Entry()};
        EXPECT_EQ(old_file_writer::Write(one).size() - old_file_writer::Write(none).size(),
                  expected)
            << static_cast<int>(version);
    }
}

}  // namespace
