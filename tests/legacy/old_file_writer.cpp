#include "old_file_writer.h"

#include <stdexcept>
#include <utility>

#include "../model/model_test_util.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

namespace old_file_writer {
namespace {

void WriteStrings(CArchive& ar, const std::vector<std::string>& utf8) {
    std::vector<std::string> strings;
    for (const std::string& text : utf8) {
        strings.push_back(Utf8ToCp932(text));
    }
    ar.WriteStringArray(strings);
}

void WriteItem(CArchive& ar, const Item& item) {
    ar.WriteInt32(item.valid);
    WriteStrings(ar, item.parts);
}

void WriteValues(CArchive& ar, const std::vector<uint32_t>& values) {
    ar.WriteCount(values.size());
    for (const uint32_t value : values) {
        ar.WriteUInt32(value);
    }
}

void WriteEntry(CArchive& ar, OldFileVersion version, const Entry& entry) {
    ar.WriteInt32(entry.valid);
    ar.WriteTime(entry.time);
    WriteItem(ar, entry.call_sign);
    WriteItem(ar, entry.sent);
    WriteItem(ar, entry.received);
    ar.WriteInt32(entry.first);
    ar.WriteInt32(entry.points);
    switch (version) {
        case OldFileVersion::v300:
            WriteValues(ar, entry.card_states);
            break;
        case OldFileVersion::v310:
        case OldFileVersion::v330:
            ar.WriteInt32(entry.card_flags);
            ar.WriteString(Utf8ToCp932(entry.extra_text));
            break;
        case OldFileVersion::v350:
            ar.WriteString(Utf8ToCp932(entry.extra_text));
            ar.WriteInt32(entry.extra_value);
            ar.WriteInt32(entry.card_flags);
            ar.WriteString(Utf8ToCp932(entry.trailing_text));
            break;
        case OldFileVersion::v230:
            throw std::logic_error("2.30 entries are written by Write(File230)");
    }
}

// The header text (UTF-8) and sample file name of each version, in version order.
const struct {
    const char* header;
    const char* file;
} kVersions[] = {
    {"クイルマーク for Windows  Version 2.30 互換データファイル ", "v230.qmk"},
    {"クイルマーク for Windows NT  Version 3.00 互換データファイル ", "v300.qmk"},
    {"クイルマーク for Windows NT  Version 3.10 互換データファイル ", "v310.qmk"},
    {"クイルマーク for Windows NT  Version 3.30 互換データファイル ", "v330.qmk"},
    {"クイルマーク for Windows NT  Version 3.50 互換データファイル ", "v350.qmk"},
};

}  // namespace

Cp932 HeaderOf(OldFileVersion version) {
    return Utf8ToCp932(kVersions[static_cast<int>(version)].header);
}

std::string SampleFileName(OldFileVersion version) {
    return kVersions[static_cast<int>(version)].file;
}

const std::vector<OldFileVersion>& AllVersions() {
    static const std::vector<OldFileVersion> versions = {OldFileVersion::v230, OldFileVersion::v300,
                                                         OldFileVersion::v310, OldFileVersion::v330,
                                                         OldFileVersion::v350};
    return versions;
}

Item Parts(std::initializer_list<std::string_view> parts) {
    return Item{1, {parts.begin(), parts.end()}};
}

std::string Write(const Contest& contest) {
    const OldFileVersion version = contest.version;
    if (version == OldFileVersion::v230) {
        throw std::logic_error("2.30 files are written by Write(File230)");
    }
    CArchive ar;
    ar.WriteString(HeaderOf(version));
    ar.WriteInt32(contest.valid);
    ar.WriteString(Utf8ToCp932(contest.name));
    ar.WriteDouble(contest.frequency);
    if (version == OldFileVersion::v330 || version == OldFileVersion::v350) {
        ar.WriteInt32(contest.unit_code);
    }
    if (version == OldFileVersion::v350) {
        ar.WriteString(Utf8ToCp932(contest.mode));
    }
    ar.WriteTime(contest.start);
    ar.WriteTime(contest.end);
    WriteItem(ar, contest.own_call_sign);
    WriteItem(ar, contest.own_sent);
    if (version == OldFileVersion::v350) {
        ar.WriteInt32(contest.calling_method);
    }
    ar.WriteCount(contest.entry_count.value_or(contest.entries.size()));
    for (const Entry& entry : contest.entries) {
        WriteEntry(ar, version, entry);
    }
    // The format records are byte-identical to the current ones.
    CQuillmarkData_CallSignType(contest.call_sign_format).Serialize(ar);
    CQuillmarkData_ContestNumberType(contest.number_format).Serialize(ar);
    if (version == OldFileVersion::v300) {
        WriteValues(ar, contest.trailing_values);
    } else if (version == OldFileVersion::v310) {
        ar.WriteInt32(contest.trailing_value);
    }
    if (version == OldFileVersion::v300 || version == OldFileVersion::v310) {
        ar.WriteInt32(1);
        ar.WriteTime(contest.start);
        ar.WriteTime(contest.end);
        ar.WriteInt32(180);
        ar.WriteCount(contest.graph_times.size());
        for (const int64_t time : contest.graph_times) {
            ar.WriteTime(time);
        }
    }
    return ar.TakeBuffer();
}

std::string Write(const File230& file) {
    CArchive ar;
    ar.WriteString(HeaderOf(OldFileVersion::v230));
    ar.WriteCount(file.entries.size());
    for (const Entry230& entry : file.entries) {
        if (ar.WriteObjectTag(&entry, "CQmkdata", 1)) {
            ar.WriteTime(entry.time);
            ar.WriteString(Utf8ToCp932(entry.call_sign));
            WriteStrings(ar, entry.sent);
            WriteStrings(ar, entry.received);
            ar.WriteString(Utf8ToCp932(entry.first_marker));
            ar.WriteInt32(entry.points);
            ar.WriteInt32(entry.extra_value);
        }
    }
    WriteStrings(ar, {"unused"});
    WriteStrings(ar, {});
    WriteValues(ar, {0, 1});
    ar.WriteString(Utf8ToCp932(file.name));
    ar.WriteString(Utf8ToCp932(file.own_call_sign));
    WriteStrings(ar, file.own_sent);
    ar.WriteString(Utf8ToCp932(file.frequency_text));
    ar.WriteTime(file.start);
    ar.WriteTime(file.end);
    for (int i = 0; i < 3; ++i) {
        ar.WriteInt32(0);
    }
    ar.WriteTime(file.start);
    ar.WriteUInt16(file.number_parameter_count);
    ar.WriteUInt16(file.letters_flag);
    ar.WriteUInt16(0);
    return ar.TakeBuffer();
}

Contest SampleContest(OldFileVersion version) {
    Contest contest;
    contest.version = version;
    contest.name = "テストコンテスト";
    contest.start = kSampleStart;
    contest.end = kSampleStart + 24 * 3600;
    contest.own_call_sign = Parts({"JA1ZZZ"});
    // A two-parameter call sign and a two-parameter contest number (RST, multiplier).
    contest.call_sign_format = model_test::CallSignFormat(2, 0);
    contest.number_format = model_test::ContestNumberFormat(2, 1);
    // 3.00 files are converted with the default formats (four contest-number parameters,
    // the third three digits); their texts are written to fit those.
    const bool v300 = version == OldFileVersion::v300;
    const auto number = [&](std::string_view rst, std::string_view value) {
        return v300 ? Parts({rst, value, "10K"}) : Parts({rst, value});
    };
    contest.own_sent = number("599", "10");

    // A contact sent "599 10", the fields every sample entry sets.
    const auto contact = [&](int64_t seconds, Item call_sign, Item received, int32_t first) {
        Entry entry;
        entry.time = kSampleStart + seconds;
        entry.call_sign = std::move(call_sign);
        entry.sent = number("599", "10");
        entry.received = std::move(received);
        entry.first = first;
        return entry;
    };
    Entry first = contact(300, Parts({"JA1ABC"}), number("599", "13"), 1);
    first.card_states = {2};
    first.card_flags = 2;
    first.extra_text = "CW";
    // Fails under every sample format: the area part is one digit at most (and under the
    // 3.00 defaults the contest number is too short as well).
    Entry failing = contact(120, Parts({"JH1XYZ", "12"}), Parts({"579", "25"}), 1);
    failing.card_states = {4};
    failing.card_flags = 4;
    Entry repeat = contact(600, Parts({"JA2DEF"}), number("599", "13"), 0);
    repeat.points = 2;
    // Not First as stored: the First entry of its multiplier is the failing one.
    Entry second_value = contact(480, Parts({"JR3GHI", "3"}), number("599", "25"), 0);
    second_value.card_states = {5, 99};
    second_value.card_flags = 7;
    second_value.extra_value = 1;
    second_value.trailing_text = "メモ";
    contest.entries = {first, failing, repeat, second_value};

    // 3.00 and 3.10 keep the 7 MHz of the description, which they store in megahertz.
    switch (version) {
        case OldFileVersion::v300:
            contest.trailing_values = {1, 2, 3};
            contest.graph_times = {first.time, repeat.time};
            break;
        case OldFileVersion::v310:
            contest.trailing_value = 5;
            contest.graph_times = {first.time};
            break;
        case OldFileVersion::v330:
            contest.frequency = 7000.0;
            contest.unit_code = 1;
            break;
        case OldFileVersion::v350:
            contest.frequency = 1.2;
            contest.unit_code = 3;
            contest.mode = "CW";
            contest.calling_method = 0;
            break;
        case OldFileVersion::v230:
            throw std::logic_error("the 2.30 sample is Sample230()");
    }
    return contest;
}

File230 Sample230() {
    File230 file;
    file.name = "テストコンテスト";
    file.own_call_sign = "JA1ZZZ";
    file.own_sent = {"599", "10"};
    file.frequency_text = "21.0";
    file.start = kSampleStart;
    file.end = kSampleStart + 24 * 3600;

    // The same contacts as the 3.xx samples, the parts of a text joined by " / ": time, call
    // sign, sent, received, First marker, points, extra value.
    file.entries = {
        {kSampleStart + 300, "JA1ABC", {"599", "10"}, {"599", "13"}, "*", 1, 0},
        {kSampleStart + 120, "JH1XYZ / 12", {"599", "10"}, {"579", "25"}, "*", 1, 0},
        {kSampleStart + 600, "JA2DEF", {"599", "10"}, {"599", "13"}, "      ", 2, 0},
        {kSampleStart + 480, "JR3GHI / 3", {"599", "10"}, {" 599", "25 "}, "", 1, 0},
    };
    return file;
}

std::string SampleFile(OldFileVersion version) {
    return version == OldFileVersion::v230 ? Write(Sample230()) : Write(SampleContest(version));
}

}  // namespace old_file_writer
