#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Code page 932 (Shift_JIS) text as the program keeps it: std::string of bytes, every length
// a byte length (a full-width character counts 2). These helpers walk text character by
// character, so the trail byte of a double-byte character is never mistaken for an ASCII
// character such as a delimiter.
using Cp932 = std::string;

namespace cp932 {

// Character classes as the parameter formats name them.
enum CharacterClass : uint32_t {
    kHalfWidthDigit = 1,
    kHalfWidthLetter = 2,
    kHalfWidthKatakana = 4,
    kFullWidth = 16,
};

bool IsLeadByte(unsigned char byte);   // 0x81-0x9F, 0xE0-0xFC
bool IsTrailByte(unsigned char byte);  // 0x40-0x7E, 0x80-0xFC
bool IsHalfWidthDigit(unsigned char byte);
bool IsHalfWidthLetter(unsigned char byte);    // A-Z, a-z
bool IsHalfWidthKatakana(unsigned char byte);  // 0xA1-0xDF

// Length of the character that starts at pos: 2 for a lead byte followed by a legal trail
// byte, else 1 (a lone or broken lead byte is taken as one byte of no class).
size_t CharLength(std::string_view text, size_t pos);

// Position of the first character of text that equals any character of set, or npos.
size_t FindFirstOf(std::string_view text, std::string_view set);

// text without any character of set (a double-byte character is removed as a whole).
Cp932 RemoveCharacters(std::string_view text, std::string_view set);

// The bit set of CharacterClass values of the characters in text; characters of no class
// (punctuation, blanks, broken bytes) add nothing.
uint32_t CharacterClassesOf(std::string_view text);

// Character-by-character comparison: a single-byte character counts as its byte value, a
// double-byte character as (lead << 8 | trail). Returns <0, 0 or >0.
int CompareMultibyte(std::string_view a, std::string_view b);

}  // namespace cp932
