#pragma once

#include <compare>
#include <cstdint>

#include "platform/cp932.h"

class CArchive;

// The frequency of one band with its unit (3 = kHz, 6 = MHz, 9 = GHz). Bands are compared by
// frequency whatever their units, so 7000 kHz and 7 MHz are the same band.
//
// Comparison converts both bands to hertz and rounds to twelve significant digits before
// comparing, so it is symmetric and transitive: converting one side by a power of ten and
// comparing doubles exactly would make 1.9 MHz equal 1900 kHz one way but not the other.
// Every band-list operation of the contest goes through Compare. Bands that are not valid
// (or carry a unit other than 3, 6, 9) sort before all others and equal each other; a
// non-finite frequency (only possible from a damaged file) sorts after them.
class CQuillmarkData_BandItem {
public:
    static constexpr int32_t kNotValid = -2;

    // Fails when already valid, when unit is not 3, 6 or 9, or when frequency is not finite.
    bool SetBand(double frequency, int unit);
    // Expresses the same frequency in another unit; fails when not valid or unit is not
    // 3, 6 or 9.
    bool ConvertToUnit(int unit);

    bool IsValid() const { return valid_ != 0; }
    double GetFrequency() const { return IsValid() ? frequency_ : kNotValid; }
    int32_t GetUnit() const { return IsValid() ? unit_ : kNotValid; }

    // -1, 0 or 1 (1 when this band is higher).
    int Compare(const CQuillmarkData_BandItem& other) const;
    bool operator==(const CQuillmarkData_BandItem& other) const { return Compare(other) == 0; }
    std::strong_ordering operator<=>(const CQuillmarkData_BandItem& other) const {
        return Compare(other) <=> 0;
    }
    // Field-by-field identity (same flag, same double, same unit), for round-trip checks.
    bool IsIdenticalTo(const CQuillmarkData_BandItem& other) const;

    // The band's label: the frequency with (integer digits + extra_digits) significant
    // digits, trailing zeros dropped, never in exponent form; detail >= 1 adds a blank and
    // the unit prefix, detail >= 2 adds "Hz" (half-width) or the full-width "Hz band" text.
    // A zero frequency reads "0", a non-finite one "?"; empty when not valid.
    Cp932 GetBandText(int extra_digits, int detail, bool half_width) const;

    void DeleteContents() { *this = CQuillmarkData_BandItem(); }
    void CopyFrom(const CQuillmarkData_BandItem& other) { *this = other; }

    // valid, frequency, unit.
    void Serialize(CArchive& ar);

private:
    int32_t valid_ = 0;
    double frequency_ = 0.0;
    int32_t unit_ = 0;
};
