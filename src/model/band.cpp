#include "model/band.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/archive.h"

namespace {

bool IsKnownUnit(int unit) {
    return unit == 3 || unit == 6 || unit == 9;
}

double PowerOfTen(int exponent) {
    switch (exponent) {
        case 3:
            return 1e3;
        case 6:
            return 1e6;
        case 9:
            return 1e9;
        default:
            return std::pow(10.0, exponent);
    }
}

// The value rounded to twelve significant decimal digits: far finer than any two bands
// differ, far coarser than the error of converting between kHz, MHz and GHz. Going through
// the decimal text gives the same key for values that differ only in their last bits.
double RoundToSignificantDigits(double value) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded, std::chars_format::scientific);
    return rounded;
}

// A total order over all bands: rank first (not usable, non-finite, finite), then value.
struct BandKey {
    int rank = 0;
    double hertz = 0.0;
};

BandKey KeyOf(bool valid, double frequency, int unit) {
    if (!valid || !IsKnownUnit(unit)) {
        return {0, 0.0};
    }
    if (std::isnan(frequency)) {
        return {1, 0.0};
    }
    const double hertz = frequency * PowerOfTen(unit);
    if (std::isinf(hertz)) {
        return {2, hertz};
    }
    // Folds -0 into 0 as well.
    const double rounded = RoundToSignificantDigits(hertz);
    return {2, rounded == 0.0 ? 0.0 : rounded};
}

// Text of a finite, non-zero value with its decimals chosen from the requested number of
// significant digits: as "%.Ng" would print it, but never in exponent form.
Cp932 FormatFrequency(double frequency, int extra_digits) {
    const double magnitude = std::fabs(frequency);
    // Integer digits as the label always counted them: the integer part of log10, plus one.
    const int integer_digits = static_cast<int>(std::log10(magnitude)) + 1;
    long long significant = static_cast<long long>(integer_digits) + extra_digits;
    if (significant < 1) {
        significant = 1;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    long long decimals = significant - 1 - exponent;
    // Beyond this no band differs; it also bounds the text for absurd values.
    constexpr long long kMaxDecimals = 15;
    if (decimals < 0) {
        decimals = 0;
    } else if (decimals > kMaxDecimals) {
        decimals = kMaxDecimals;
    }
    char buffer[512];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, frequency,
                                       std::chars_format::fixed, static_cast<int>(decimals));
    if (written.ec != std::errc()) {
        return "?";
    }
    Cp932 text(buffer, written.ptr);
    if (text.find('.') != Cp932::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    if (text == "-0") {
        text = "0";
    }
    return text;
}

}  // namespace

bool CQuillmarkData_BandItem::SetBand(double frequency, int unit) {
    if (IsValid() || !IsKnownUnit(unit) || !std::isfinite(frequency)) {
        return false;
    }
    frequency_ = frequency;
    unit_ = unit;
    valid_ = 1;
    return true;
}

bool CQuillmarkData_BandItem::ConvertToUnit(int unit) {
    if (!IsValid() || !IsKnownUnit(unit) || !IsKnownUnit(unit_)) {
        return false;
    }
    // Dividing by an exact power of ten loses less than multiplying by its inexact inverse.
    if (unit_ > unit) {
        frequency_ *= PowerOfTen(unit_ - unit);
    } else if (unit_ < unit) {
        frequency_ /= PowerOfTen(unit - unit_);
    }
    unit_ = unit;
    return true;
}

int CQuillmarkData_BandItem::Compare(const CQuillmarkData_BandItem& other) const {
    const BandKey mine = KeyOf(IsValid(), frequency_, unit_);
    const BandKey theirs = KeyOf(other.IsValid(), other.frequency_, other.unit_);
    if (mine.rank != theirs.rank) {
        return mine.rank < theirs.rank ? -1 : 1;
    }
    if (mine.hertz < theirs.hertz) {
        return -1;
    }
    if (mine.hertz > theirs.hertz) {
        return 1;
    }
    return 0;
}

bool CQuillmarkData_BandItem::IsIdenticalTo(const CQuillmarkData_BandItem& other) const {
    const bool same_frequency =
        frequency_ == other.frequency_ || (std::isnan(frequency_) && std::isnan(other.frequency_));
    return valid_ == other.valid_ && same_frequency && unit_ == other.unit_;
}

Cp932 CQuillmarkData_BandItem::GetBandText(int extra_digits, int detail, bool half_width) const {
    if (!IsValid()) {
        return {};
    }
    Cp932 text;
    if (!std::isfinite(frequency_)) {
        text = "?";
    } else if (frequency_ == 0.0) {
        text = "0";
    } else {
        text = FormatFrequency(frequency_, extra_digits);
    }
    if (detail >= 1) {
        text += ' ';
        switch (unit_) {
            case 3:
                text += half_width ? "k" : "\x82\x8b";  // full-width k
                break;
            case 6:
                text += half_width ? "M" : "\x82\x6c";  // full-width M
                break;
            case 9:
                text += half_width ? "G" : "\x82\x66";  // full-width G
                break;
            default:
                text += '?';
                break;
        }
    }
    if (detail >= 2) {
        // Full-width "Hz" followed by the kanji for "band".
        text += half_width ? "Hz" : "\x82\x67\x82\x9a\x91\xd1";
    }
    return text;
}

void CQuillmarkData_BandItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteDouble(frequency_);
        ar.WriteInt32(unit_);
    } else {
        valid_ = ar.ReadInt32();
        frequency_ = ar.ReadDouble();
        unit_ = ar.ReadInt32();
    }
}
