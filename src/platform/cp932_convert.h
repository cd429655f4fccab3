#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/cp932.h"

// Conversion between the program's CP932 (Windows-31J) text and UTF-8, the only place that
// knows the mapping. It works with glibc's iconv "CP932" table (Microsoft's mapping: 0x8160
// reads as U+FF5E, 0x815C as U+2015, ...) and also accepts the JIS-style code points that
// Linux input methods produce for the same characters (U+301C 〜, U+2016 ‖, U+2212 −,
// U+00A2 ¢, U+00A3 £, U+00AC ¬, U+2014 —), plus U+00A5 ¥ and U+203E ‾ which become 0x5C and
// 0x7E as on Japanese Windows. Duplicate CP932 codes (NEC-selected IBM extensions, NEC row 13
// symbols that repeat JIS row 2) encode back to Microsoft's preferred code.
//
// The Try forms refuse any character that cannot be converted, and any broken input, giving
// the byte offset of the first such character in the input. The plain forms replace each
// such character (or broken byte) by '?' and never fail: use them for literals and display.
// Descriptors are kept per thread, so converting many short strings stays cheap.

std::optional<std::string> TryCp932ToUtf8(std::string_view cp932, size_t* bad_offset = nullptr);
std::optional<Cp932> TryUtf8ToCp932(std::string_view utf8, size_t* bad_offset = nullptr);

std::string Cp932ToUtf8(std::string_view cp932);
Cp932 Utf8ToCp932(std::string_view utf8);

// Text in another character set named as iconv names it ("EUC-JP", "ISO-8859-1", "UTF-8"),
// for names that the C library gives in the locale's own encoding. nullopt when the set is
// unknown or a character has no CP932 form.
std::optional<Cp932> TryCharsetToCp932(std::string_view text, const char* charset);
