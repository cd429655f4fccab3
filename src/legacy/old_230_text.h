#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

// How the texts of a 2.30 file become texts the current formats can validate: 2.30 stored
// call signs as typed (blanks and a "/" before the area digit) and contest numbers as one
// string per parameter, and the frequency as decimal text. Pure functions over CP932 text.
namespace old230 {

// text without half-width blanks.
Cp932 RemoveBlanks(std::string_view text);

// The call sign with all blanks removed and its first "/" replaced by the first character of
// the delimiter set (left as it is when the set is empty).
Cp932 CallSignText(std::string_view stored, std::string_view delimiters);

// The first count stored parts (fewer when fewer are stored) joined by the first character
// of the delimiter set, then all blanks removed.
Cp932 ContestNumberText(const std::vector<Cp932>& parts, size_t count, std::string_view delimiters);

// The decimal text as the C runtime's strtod reads it in the "C" locale, whatever the
// process locale: leading white space, an optional sign, digits with an optional "." and an
// optional exponent; the longest such prefix counts and anything after it is ignored; no
// number at all gives 0. A value too large for a double gives an infinity of its sign, one
// too small gives 0. Hexadecimal, "inf" and "nan" texts are not numbers here (the runtime of
// that time did not read them).
double ParseDecimal(std::string_view text);

}  // namespace old230
