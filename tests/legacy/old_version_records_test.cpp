#include "legacy/old_version_records.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "old_file_writer.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

namespace {

using old_file_writer::Parts;

// The archive of a writer's file, positioned after the header string.
CArchive AfterHeader(const std::string& image) {
    CArchive ar(image);
    ar.ReadString();
    return ar;
}

template <OldFileVersion V>
OldMainDataRecord<V> ReadSample(const old_file_writer::Contest& contest,
                                size_t* remaining = nullptr) {
    CArchive ar = AfterHeader(old_file_writer::Write(contest));
    OldMainDataRecord<V> record;
    record.Serialize(ar);
    if (remaining != nullptr) {
        *remaining = ar.Remaining();
    }
    return record;
}

TEST(OldMainDataRecord, Version300ReadsTheContestThenLeavesTheGraphRecord) {
    size_t remaining = 0;
    const auto record = ReadSample<OldFileVersion::v300>(
        old_file_writer::SampleContest(OldFileVersion::v300), &remaining);
    EXPECT_EQ(std::tuple(record.frequency, record.unit_code), std::tuple(7.0, 2));
    EXPECT_EQ(record.own_call_sign.GetParts(), (std::vector<Cp932>{"JA1ZZZ"}));
    EXPECT_EQ(record.own_sent.GetParts(), (std::vector<Cp932>{"599", "10", "10K"}));
    ASSERT_EQ(record.entries.size(), 4u);
    EXPECT_EQ(record.entries[3].card_states, (std::vector<uint32_t>{5, 99}));
    EXPECT_EQ(record.trailing_values, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(record.call_sign_format, old_file_writer::SampleCallSignFormat());
    // valid, start, end, interval, count 2, two times.
    EXPECT_EQ(remaining, 4u + 4 + 4 + 4 + 2 + 2 * 4);
}

TEST(OldMainDataRecord, Version310ReadsTheTrailingValue) {
    size_t remaining = 0;
    const auto record = ReadSample<OldFileVersion::v310>(
        old_file_writer::SampleContest(OldFileVersion::v310), &remaining);
    EXPECT_EQ(std::tuple(record.trailing_value, record.entries[0].extra_text,
                         record.entries[3].card_flags),
              std::tuple(5, "CW", 7));
    EXPECT_EQ(record.number_format, old_file_writer::SampleNumberFormat());
    EXPECT_EQ(remaining, 4u + 4 + 4 + 4 + 2 + 4);
}

TEST(OldMainDataRecord, Version330ReadsTheUnitCodeAndNothingAfterTheFormats) {
    size_t remaining = 1;
    const auto record = ReadSample<OldFileVersion::v330>(
        old_file_writer::SampleContest(OldFileVersion::v330), &remaining);
    EXPECT_EQ(std::tuple(record.frequency, record.unit_code, record.calling_method, remaining),
              std::tuple(7000.0, 1, 1, 0u));
}

TEST(OldMainDataRecord, Version350ReadsModeCallingMethodAndTheEntryExtras) {
    size_t remaining = 1;
    const auto record = ReadSample<OldFileVersion::v350>(
        old_file_writer::SampleContest(OldFileVersion::v350), &remaining);
    EXPECT_EQ(std::tuple(record.unit_code, record.mode, record.calling_method),
              std::tuple(3, "CW", 0));
    const auto& entry = record.entries[3];
    EXPECT_EQ(std::tuple(entry.extra_value, entry.card_flags, entry.trailing_text),
              std::tuple(1, 7, Utf8ToCp932("メモ")));
    EXPECT_EQ(entry.received.GetParts(), (std::vector<Cp932>{"599", "25"}));
    EXPECT_EQ(remaining, 0u);
}

TEST(OldMainDataRecord, EntryCountBeyondTheDataFailsBeforeReadingEntries) {
    CArchive ar;
    ar.WriteInt32(1);
    ar.WriteString("x");
    ar.WriteDouble(7.0);
    ar.WriteTime(0);
    ar.WriteTime(0);
    ar.WriteInt32(0);
    ar.WriteStringArray({});
    ar.WriteInt32(0);
    ar.WriteStringArray({});
    ar.WriteCount(60000);
    CArchive in(ar.TakeBuffer() + std::string(1000, '\0'));
    OldMainDataRecord<OldFileVersion::v310> record;
    try {
        record.Serialize(in);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::endOfFile);
    }
    EXPECT_TRUE(record.entries.empty());
}

struct CardCase {
    std::vector<uint32_t> states;
    int32_t flags;
};

TEST(OldLogDataRecord, Version300CardStatesComeFromTheFirstValueOrAreAllSet) {
    const CardCase cases[] = {
        {{}, 7}, {{0}, 0}, {{2}, 2}, {{5, 99}, 5}, {{0xFFFFFFFFu}, 7}, {{8}, 0},
    };
    for (const CardCase& c : cases) {
        CQuillmarkData_Old_300_LogDataItem entry;
        entry.card_states = c.states;
        EXPECT_EQ(entry.GetCardFlags(), c.flags) << c.states.size();
    }
}

TEST(OldLogDataRecord, LaterVersionsKeepOnlyTheThreeCardBits) {
    for (const auto [stored, flags] : {std::pair{0x7F, 7}, std::pair{6, 6}, std::pair{-1, 7}}) {
        CQuillmarkData_Old_310_LogDataItem entry;
        entry.card_flags = stored;
        CQuillmarkData_Old_350_LogDataItem later;
        later.card_flags = stored;
        EXPECT_EQ(std::pair(entry.GetCardFlags(), later.GetCardFlags()), std::pair(flags, flags))
            << stored;
    }
}

TEST(OldLogDataRecord, MinimumSizesMatchTheSmallestRecords) {
    old_file_writer::Entry empty;
    empty.call_sign = {};
    const std::pair<OldFileVersion, size_t> cases[] = {
        {OldFileVersion::v300, CQuillmarkData_Old_300_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v310, CQuillmarkData_Old_310_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v330, CQuillmarkData_Old_330_LogDataItem::MinRecordBytes()},
        {OldFileVersion::v350, CQuillmarkData_Old_350_LogDataItem::MinRecordBytes()},
    };
    for (const auto& [version, expected] : cases) {
        old_file_writer::Contest one;
        one.version = version;
        one.entries = {empty};
        old_file_writer::Contest none = one;
        none.entries.clear();
        EXPECT_EQ(old_file_writer::Write(one).size() - old_file_writer::Write(none).size(),
                  expected)
            << static_cast<int>(version);
    }
}

TEST(OldGraphDataRecord, ReadsTheTimesList) {
    CArchive ar;
    ar.WriteInt32(1);
    ar.WriteTime(100);
    ar.WriteTime(200);
    ar.WriteInt32(180);
    ar.WriteCount(2);
    ar.WriteTime(110);
    ar.WriteTime(-5);
    CArchive in(ar.TakeBuffer());
    CQuillmarkData_Old_300_GraphDataItem graph;
    graph.Serialize(in);
    EXPECT_EQ(graph.interval, 180);
    EXPECT_EQ(graph.times, (std::vector<int64_t>{110, -5}));
    EXPECT_EQ(in.Remaining(), 0u);
}

}  // namespace
