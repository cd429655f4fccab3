#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CArchive;

// The rules of one parameter of a call sign or contest number: length limits in bytes, the
// allowed character classes and the characters allowed regardless of class. Set once, then
// read-only; the formats below hold one per parameter.
class CQuillmarkData_ParameterAttributes {
public:
    // Classes value meaning "everything allowed" and the number getters give when not valid.
    static constexpr uint32_t kAllClasses = 0xFFFFFFFFu;
    static constexpr int32_t kUnlimited = -1;
    static constexpr int32_t kNotValid = -2;

    // Fails when already valid; otherwise stores and sets valid. The values are not
    // checked against each other: a format built from them simply accepts fewer texts.
    bool SetAttributes(int32_t min_length, int32_t max_length, uint32_t classes,
                       std::string_view specials);

    bool IsValid() const { return valid_ != 0; }
    int32_t GetMinLength() const { return IsValid() ? min_length_ : kNotValid; }
    int32_t GetMaxLength() const { return IsValid() ? max_length_ : kNotValid; }
    // -2 reinterpreted as a bit set when not valid, like every other number getter.
    uint32_t GetCharacterClasses() const {
        return IsValid() ? classes_ : static_cast<uint32_t>(kNotValid);
    }
    const Cp932& GetSpecialCharacters() const;

    void DeleteContents() { *this = CQuillmarkData_ParameterAttributes(); }
    void CopyFrom(const CQuillmarkData_ParameterAttributes& other) { *this = other; }
    bool operator==(const CQuillmarkData_ParameterAttributes& other) const = default;

    // The attributes record: valid, min, max, classes, specials.
    void Serialize(CArchive& ar);

private:
    int32_t valid_ = 0;
    int32_t min_length_ = 0;
    int32_t max_length_ = 0;
    uint32_t classes_ = 0;
    Cp932 specials_;
};

using ParameterAttributesArray = std::vector<CQuillmarkData_ParameterAttributes>;

// What both text formats share: the parameter count, one attributes object per parameter
// and the total lengths derived from them. The two formats differ only in the index they
// single out (main parameter / multiplier parameter) and in where the file puts it, so the
// base holds the common fields and the derived classes the index and the record layout.
class CQuillmarkData_ParameterType {
public:
    static constexpr int32_t kNotValid = -2;

    bool IsValid() const { return valid_ != 0; }
    int32_t GetParameterCount() const { return IsValid() ? count_ : kNotValid; }
    int32_t GetMinTotalLength() const { return IsValid() ? min_total_ : kNotValid; }
    // -1 = unlimited.
    int32_t GetMaxTotalLength() const { return IsValid() ? max_total_ : kNotValid; }
    // Null when i is outside 0 … count-1 or the format is not valid.
    const CQuillmarkData_ParameterAttributes* GetAttributes(int i) const;
    // True when the attribute array holds exactly count entries (always so for a format
    // that was set; a damaged file may disagree).
    bool HasConsistentAttributes() const;
    // True when, besides, the stored total lengths are the ones the attributes give.
    bool HasConsistentTotals() const;

protected:
    CQuillmarkData_ParameterType() = default;
    ~CQuillmarkData_ParameterType() = default;
    CQuillmarkData_ParameterType(const CQuillmarkData_ParameterType&) = default;
    CQuillmarkData_ParameterType& operator=(const CQuillmarkData_ParameterType&) = default;
    bool SameCommon(const CQuillmarkData_ParameterType& other) const {
        return valid_ == other.valid_ && count_ == other.count_ && min_total_ == other.min_total_ &&
               max_total_ == other.max_total_ && attributes_ == other.attributes_;
    }

    // Steps shared by SetFormat and SetDefaultFormat after the index check: copy the
    // attributes, derive the totals. Leaves the format reset on failure.
    bool SetCommon(int count, const ParameterAttributesArray& attributes);
    void ResetCommon() { *this = CQuillmarkData_ParameterType(); }
    // The total lengths the attributes of count parameters give; FALSE when the sizes
    // disagree or a total does not fit 32 bits.
    static bool DeriveTotals(const ParameterAttributesArray& attributes, int count,
                             int32_t& min_total, int32_t& max_total);
    void SerializeAttributes(CArchive& ar);

    int32_t valid_ = 0;
    int32_t count_ = 0;
    int32_t min_total_ = 0;
    int32_t max_total_ = 0;
    ParameterAttributesArray attributes_;
};

// The format of a call sign; one parameter is the main parameter that identifies the station.
class CQuillmarkData_CallSignType : public CQuillmarkData_ParameterType {
public:
    // attributes must hold exactly count valid entries; index must lie in 0 … count-1.
    bool SetFormat(int count, int main_index, const ParameterAttributesArray& attributes);
    // The built-in attributes: 5-6 digits/letters, 0-1 digits, then unlimited anything.
    bool SetDefaultFormat(int count, int main_index);
    static CQuillmarkData_ParameterAttributes DefaultAttributes(int i);

    int32_t GetMainParameterIndex() const { return IsValid() ? main_index_ : kNotValid; }

    void DeleteContents() { *this = CQuillmarkData_CallSignType(); }
    void CopyFrom(const CQuillmarkData_CallSignType& other) { *this = other; }
    bool operator==(const CQuillmarkData_CallSignType& other) const {
        return SameCommon(other) && main_index_ == other.main_index_;
    }

    // valid, count, main index, min total, max total, attributes.
    void Serialize(CArchive& ar);

private:
    int32_t main_index_ = 0;
};

// The format of a contest number; one parameter may be the multiplier parameter.
class CQuillmarkData_ContestNumberType : public CQuillmarkData_ParameterType {
public:
    // An index outside 0 … count-1 means "no multiplier" and is not an error.
    bool SetFormat(int count, int multiplier_index, const ParameterAttributesArray& attributes);
    bool SetDefaultFormat(int count, int multiplier_index);
    static CQuillmarkData_ParameterAttributes DefaultAttributes(int i);

    // 1 when a multiplier parameter is defined, else 0 (-2 when not valid).
    int32_t HasMultiplier() const { return IsValid() ? has_multiplier_ : kNotValid; }
    // -1 when there is none.
    int32_t GetMultiplierParameterIndex() const {
        return IsValid() ? multiplier_index_ : kNotValid;
    }
    // The index of the multiplier parameter, or -1 when the format is not valid or has none.
    int MultiplierIndexOrNone() const;

    void DeleteContents() { *this = CQuillmarkData_ContestNumberType(); }
    void CopyFrom(const CQuillmarkData_ContestNumberType& other) { *this = other; }
    bool operator==(const CQuillmarkData_ContestNumberType& other) const {
        return SameCommon(other) && has_multiplier_ == other.has_multiplier_ &&
               multiplier_index_ == other.multiplier_index_;
    }

    // valid, count, has multiplier, multiplier index, min total, max total, attributes.
    void Serialize(CArchive& ar);

private:
    int32_t has_multiplier_ = 0;
    int32_t multiplier_index_ = -1;
};
