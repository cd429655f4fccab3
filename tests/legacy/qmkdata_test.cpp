#include "legacy/qmkdata.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "../model/raw_contest.h"
#include "old_file_writer.h"
#include "platform/archive.h"

namespace {

using model_test::Le16;

TEST(CQmkdata, OnlySixBlanksMeanNotFirst) {
    for (const auto& [marker, first] :
         {std::pair{"      ", false}, std::pair{"", true}, std::pair{"*", true},
          std::pair{"     ", true}, std::pair{"       ", true}, std::pair{"First ", true}}) {
        CQmkdata entry;
        entry.first_marker = marker;
        EXPECT_EQ(entry.IsFirst(), first) << '"' << marker << '"';
    }
}

// The 2.30 file of the writer without its header string.
CArchive SequenceArchive(const old_file_writer::File230& file) {
    CArchive ar(old_file_writer::Write(file));
    ar.ReadString();
    return ar;
}

TEST(Old230Sequence, ReadsEveryFieldInFileOrder) {
    old_file_writer::File230 file = old_file_writer::Sample230();
    file.number_parameter_count = 3;
    file.letters_flag = 1;
    CArchive ar = SequenceArchive(file);
    Old230Sequence sequence;
    sequence.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);

    ASSERT_EQ(sequence.entries.size(), 4u);
    const CQmkdata& entry = sequence.entries[1];
    EXPECT_EQ(std::tuple(entry.time - old_file_writer::kSampleStart, entry.call_sign,
                         entry.received, entry.first_marker, sequence.entries[2].points),
              std::tuple(120, "JH1XYZ / 12", std::vector<Cp932>{"579", "25"}, "*", 2));
    EXPECT_EQ(
        std::tuple(sequence.own_call_sign, sequence.own_sent, sequence.frequency_text,
                   sequence.start - old_file_writer::kSampleStart, sequence.end - sequence.start,
                   sequence.number_parameter_count, sequence.letters_flag),
        std::tuple("JA1ZZZ", std::vector<Cp932>{"599", "10"}, "21.0", 0, 24 * 3600, 3, 1));
}

// The fields of one entry, as a 2.30 image holds them after its tag and the array's count.
std::string EntryBody() {
    CArchive ar;
    ar.WriteTime(0);
    ar.WriteString("JA1ABC");
    ar.WriteStringArray({"599", "13"});
    ar.WriteStringArray({"599", "13"});
    ar.WriteString("");
    ar.WriteInt32(1);
    ar.WriteInt32(0);
    return ar.TakeBuffer();
}

std::string NewClassTag(const std::string& name) {
    return Le16(0xFFFF) + Le16(1) + Le16(static_cast<uint16_t>(name.size())) + name;
}

struct BadArrayCase {
    const char* what;
    std::string image;
    CArchiveException::Cause cause;
    size_t entries_read;
};

TEST(Old230Sequence, EntryArrayAcceptsOnlyNewCQmkdataObjects) {
    const std::string body = EntryBody();
    const BadArrayCase cases[] = {
        {"null entry", Le16(1) + Le16(0) + std::string(40, '\0'), CArchiveException::badClass, 0},
        {"other class", Le16(1) + NewClassTag("CQmkData") + body, CArchiveException::badClass, 0},
        // The same object twice (index 2 is the first object).
        {"repeated entry", Le16(2) + NewClassTag("CQmkdata") + body + Le16(2) + body,
         CArchiveException::badIndex, 1},
        {"unknown reference", Le16(1) + Le16(7) + body, CArchiveException::badIndex, 0},
        {"count beyond the data", Le16(500) + NewClassTag("CQmkdata") + body,
         CArchiveException::endOfFile, 0},
        // Class index 1, objects 2 and 3: the second entry is tagged 0x8001, and both are read
        // before the rest of the file is found missing.
        {"later entry by class reference",
         Le16(2) + NewClassTag("CQmkdata") + body + Le16(0x8001) + body,
         CArchiveException::endOfFile, 2},
    };
    for (const BadArrayCase& c : cases) {
        CArchive ar(c.image);
        Old230Sequence sequence;
        try {
            sequence.Serialize(ar);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.cause(), c.cause) << c.what << ": " << e.what();
        }
        EXPECT_EQ(sequence.entries.size(), c.entries_read) << c.what;
    }
}

}  // namespace
