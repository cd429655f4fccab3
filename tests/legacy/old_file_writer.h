#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "legacy/old_version_records.h"
#include "model/parameter_format.h"
#include "platform/cp932.h"

// Writers of the old data-file layouts, for tests only: they build files of every old version
// byte by byte from plain descriptions, independently of the readers, plus the small sample
// files kept under tests/data/legacy. Texts are given in UTF-8 and written as CP932.
namespace old_file_writer {

// The header of a version, CP932, trailing blank included.
Cp932 HeaderOf(OldFileVersion version);
// "v230.qmk" … "v350.qmk".
std::string SampleFileName(OldFileVersion version);
const std::vector<OldFileVersion>& AllVersions();

// An item record (3.00 and later): valid flag and the stored parts.
struct Item {
    int32_t valid = 1;
    std::vector<std::string> parts;  // UTF-8
};
Item Parts(std::initializer_list<std::string_view> parts);

// One entry of a 3.xx file; fields a version lacks are not written.
struct Entry {
    int32_t valid = 1;
    int64_t time = 0;
    Item call_sign;
    Item sent;
    Item received;
    int32_t first = 0;
    int32_t points = 1;
    std::vector<uint32_t> card_states;  // 3.00
    int32_t card_flags = 0;             // 3.10 and later
    std::string extra_text;             // 3.10 and later
    int32_t extra_value = 0;            // 3.50
    std::string trailing_text;          // 3.50
};

// A 3.xx file.
struct Contest {
    OldFileVersion version = OldFileVersion::v310;
    int32_t valid = 1;
    std::string name;
    double frequency = 7.0;
    int32_t unit_code = 2;  // 3.30 and later
    std::string mode;       // 3.50
    int64_t start = 0;
    int64_t end = 0;
    Item own_call_sign;
    Item own_sent;
    int32_t calling_method = 1;  // 3.50
    std::vector<Entry> entries;
    // When set, the entry count written instead of the number of entries.
    std::optional<size_t> entry_count;
    CQuillmarkData_CallSignType call_sign_format;
    CQuillmarkData_ContestNumberType number_format;
    std::vector<uint32_t> trailing_values;  // 3.00
    int32_t trailing_value = 0;             // 3.10
    // The graph record of 3.00 and 3.10.
    std::vector<int64_t> graph_times;
};
// Header, contest record and (3.00, 3.10) the graph record.
std::string Write(const Contest& contest);

// One CQmkdata entry of a 2.30 file.
struct Entry230 {
    int64_t time = 0;
    std::string call_sign;
    std::vector<std::string> sent;
    std::vector<std::string> received;
    std::string first_marker = "      ";
    int32_t points = 1;
    int32_t extra_value = 0;
};

struct File230 {
    std::vector<Entry230> entries;
    std::string name;
    std::string own_call_sign;
    std::vector<std::string> own_sent;
    std::string frequency_text = "7";
    int64_t start = 0;
    int64_t end = 0;
    uint16_t number_parameter_count = 2;
    uint16_t letters_flag = 0;
};
// Header and the whole 2.30 sequence, entries as tagged CQmkdata objects.
std::string Write(const File230& file);

// Start of the sample contests (2000-07-01 12:00 UTC); entries follow minutes later.
inline constexpr int64_t kSampleStart = 962452800;

// The descriptions behind the sample files: a few entries out of time order, two
// multiplier values, and one entry that fails validation under the current formats.
Contest SampleContest(OldFileVersion version);
File230 Sample230();
// The sample file of a version, byte for byte.
std::string SampleFile(OldFileVersion version);

}  // namespace old_file_writer
