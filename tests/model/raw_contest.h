#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/archive.h"

// A field-by-field writer of the contest record as files hold it, independent of the model,
// to pin its layout and to make records the model cannot (damaged values, foreign tags).
namespace model_test {

struct RawAttributes {
    int32_t valid = 1, min = 0, max = -1, classes = -1;
    std::string specials;
};

struct RawFormat {
    // Totals as the default call sign attributes below give them.
    int32_t valid = 1, count = 2, index = 0, multiplier_index = -1, min_total = 5, max_total = 8;
    std::vector<RawAttributes> attributes{RawAttributes{1, 5, 6, 3, ""},
                                          RawAttributes{1, 0, 1, 1, ""}};
};

struct RawItem {
    int32_t valid = 1;
    std::vector<std::string> parts;
};

struct RawEntry {
    int32_t valid = 1;
    int32_t time = 1700000000;
    RawItem call{1, {"JA1ABC", "2"}};
    RawItem sent{1, {"599", "10"}};
    RawItem received{1, {"599", "11"}};
    int32_t first = 1, points = 1;
    std::string mode = "CW";
    int32_t calling = 1, cards = 1;
    std::string comment;
};

struct RawBand {
    int32_t valid = 1;
    double frequency = 7.0;
    int32_t unit = 6;
    std::string mode = "CW";
    RawItem sent{1, {"599", "10"}};
    int32_t calling = 1;
    std::vector<RawEntry> entries{RawEntry{}};
    // When set, these bytes replace the tag; body_follows says whether the body is written.
    std::string tag;
    bool body_follows = true;
};

struct RawContest {
    int32_t valid = 1;
    std::string name = "TEST", code = "XMA", category = "ALL";
    int32_t start = 1700000000, end = 1700086400;
    RawItem own{1, {"JA1ZZZ", "1"}};
    RawFormat call_sign_format;
    // Has a multiplier, the second parameter.
    RawFormat number_format{
        1, 2, 1, 1, 5, 10, {RawAttributes{1, 2, 3, 1, ""}, RawAttributes{1, 2, 6, 1, ""}}};
    std::vector<RawBand> bands{RawBand{}};
    int32_t active = 0;
    // When set, the band count written instead of the number of bands.
    std::optional<size_t> band_count;
    std::string trailer;
};

inline void Put(CArchive& ar, const RawItem& item) {
    ar.WriteInt32(item.valid);
    ar.WriteStringArray(item.parts);
}

inline void Put(CArchive& ar, const RawFormat& format, bool number) {
    ar.WriteInt32(format.valid);
    ar.WriteInt32(format.count);
    ar.WriteInt32(format.index);
    if (number) {
        ar.WriteInt32(format.multiplier_index);
    }
    ar.WriteInt32(format.min_total);
    ar.WriteInt32(format.max_total);
    ar.WriteCount(format.attributes.size());
    for (const RawAttributes& a : format.attributes) {
        ar.WriteInt32(a.valid);
        ar.WriteInt32(a.min);
        ar.WriteInt32(a.max);
        ar.WriteInt32(a.classes);
        ar.WriteString(a.specials);
    }
}

inline std::string Le16(uint16_t value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline const std::string kBandClass = "CQuillmarkData_SubMainData";
inline const std::string kFirstBandTag = Le16(0xFFFF) + Le16(1) + Le16(26) + kBandClass;
inline const std::string kLaterBandTag = Le16(0x8001);

inline void PutBandBody(CArchive& ar, const RawBand& band) {
    ar.WriteInt32(band.valid);
    ar.WriteDouble(band.frequency);
    ar.WriteInt32(band.unit);
    ar.WriteString(band.mode);
    Put(ar, band.sent);
    ar.WriteInt32(band.calling);
    ar.WriteCount(band.entries.size());
    for (const RawEntry& e : band.entries) {
        ar.WriteInt32(e.valid);
        ar.WriteTime(e.time);
        Put(ar, e.call);
        Put(ar, e.sent);
        Put(ar, e.received);
        ar.WriteInt32(e.first);
        ar.WriteInt32(e.points);
        ar.WriteString(e.mode);
        ar.WriteInt32(e.calling);
        ar.WriteInt32(e.cards);
        ar.WriteString(e.comment);
    }
}

// Band tags are written by hand: the first band introduces the class, every later one
// refers to class index 1 (unless a case puts its own bytes there).
inline std::string Build(const RawContest& c) {
    CArchive head;
    head.WriteInt32(c.valid);
    head.WriteString(c.name);
    head.WriteString(c.code);
    head.WriteString(c.category);
    head.WriteInt32(c.start);
    head.WriteInt32(c.end);
    Put(head, c.own);
    Put(head, c.call_sign_format, false);
    Put(head, c.number_format, true);
    head.WriteCount(c.band_count.value_or(c.bands.size()));
    std::string out = head.Buffer();
    for (size_t b = 0; b < c.bands.size(); ++b) {
        const RawBand& band = c.bands[b];
        out += !band.tag.empty() ? band.tag : b == 0 ? kFirstBandTag : kLaterBandTag;
        if (band.body_follows) {
            CArchive body;
            PutBandBody(body, band);
            out += body.Buffer();
        }
    }
    CArchive tail;
    tail.WriteInt32(c.active);
    return out + tail.Buffer() + c.trailer;
}

}  // namespace model_test
