#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

// Common base of the city code model; it adds nothing.
class CCityCodeData {};

// Common base of the city code items; it adds nothing.
class CCityCodeData_Item : public CCityCodeData {};

// One record of a city code database: the city code, the city name and the reading of the
// name, as one line of a city code file holds them ("code:name:reading"). Built from a line
// by SetFromLine; the database (CCityCodeData_MainData) keeps these by value.
class CCityCodeData_CityCodeDataItem : public CCityCodeData_Item {
public:
    enum Field { kCityCode = 0, kCityName = 1, kReading = 2 };
    // Number of fields a line must have.
    static constexpr int32_t kFieldCount = 3;

    // Takes one line of a city code file (without its line end). Refused (false) when the item
    // is already valid, the line is shorter than 2 bytes, starts with "//" (a comment), holds
    // a NUL byte, or does not split at ":" into exactly three fields. Fields are not trimmed;
    // an empty field stays empty.
    bool SetFromLine(std::string_view line);
    // Sets the three fields directly (records built by a search, tests). Refused when the
    // item is already valid.
    bool SetFields(const Cp932& code, const Cp932& name, const Cp932& reading);
    void Reset();

    bool IsValid() const { return valid_ != 0; }
    // Field i (kCityCode, kCityName, kReading); empty when i is out of range or the item is
    // not valid.
    const Cp932& GetField(int index) const;
    int GetFieldCount() const { return static_cast<int>(fields_.size()); }

    // Same valid flag, same number of fields and every field equal byte for byte.
    bool operator==(const CCityCodeData_CityCodeDataItem& other) const;

    // Whether a field matches a search key: equal with exact set, otherwise the key occurs in
    // the field starting on a character boundary (so the trail byte of a double-byte
    // character never starts a match). An empty key matches nothing.
    static bool FieldMatches(std::string_view field, std::string_view key, bool exact);

private:
    int32_t field_count_ = kFieldCount;
    int32_t valid_ = 0;
    std::vector<Cp932> fields_;
};
