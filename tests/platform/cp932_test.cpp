#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using std::string_view_literals::operator""sv;

// "ソ" is 0x83 0x5C: its trail byte is '\\'. ① is 0x87 0x40 (trail '@'), ／ 0x81 0x5E (trail '^').
constexpr std::string_view kSo = "\x83\x5C"sv;
constexpr std::string_view kA = "\x82\xA0"sv;  // あ
const std::string kSoSlashX = std::string(kSo) + "/X";
const std::string kCircledAt = "\x87\x40\x81\x97";  // ①＠
const std::string kCallFullSlash =
    "JA1ABC\x81\x5E"
    "1";

TEST(Cp932Classes, EveryByteHasTheDocumentedClasses) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        SCOPED_TRACE(b);
        EXPECT_EQ(cp932::IsHalfWidthDigit(byte), b >= '0' && b <= '9');
        EXPECT_EQ(cp932::IsHalfWidthLetter(byte), (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'));
        EXPECT_EQ(cp932::IsHalfWidthKatakana(byte), b >= 0xA1 && b <= 0xDF);
        EXPECT_EQ(cp932::IsLeadByte(byte), (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
        EXPECT_EQ(cp932::IsTrailByte(byte), (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC));
    }
}

TEST(Cp932CharLength, MeasuresTheCharacterAtPos) {
    const struct {
        std::string_view text;
        size_t pos, expected;
    } cases[] = {
        {"A", 0, 1},          {kSo, 0, 2},          {kSo, 1, 1},  // a trail byte read on its own
        {"\x83"sv, 0, 1},                                         // lead byte at the end
        {"\x83\x7F"sv, 0, 1}, {"\x83\x20"sv, 0, 1},               // lead + illegal trail or space
        {"\xB1\x40"sv, 0, 1},                                     // half-width katakana is single
        {"\xFC\xFC"sv, 0, 2}, {"\xFD\x40"sv, 0, 1},               // 0xFD is no lead byte
        {"AB"sv, 2, 0},       {""sv, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::CharLength(c.text, c.pos), c.expected) << c.pos << " of " << c.text;
    }
}

TEST(Cp932FindFirstOf, MatchesWholeCharactersOnly) {
    constexpr auto npos = std::string_view::npos;
    const struct {
        std::string_view text, set;
        size_t expected;
    } cases[] = {
        {kSoSlashX, "\\/", 2},  // the '\\' inside ソ does not count
        {kSo, "\\", npos},
        {kCircledAt, "@", npos},  // neither ① nor ＠ holds an '@'
        {"\x81\x5E"sv, "^", npos},
        {kCallFullSlash, "/\x81\x5E"sv, 6},          // a full-width delimiter
        {kCallFullSlash, "\x81"sv, npos},            // its lead byte alone matches nothing
        {"\x82\xA0\x83\x5C"sv, "\xA0\x83"sv, npos},  // no match across a character boundary
        {"\x82\xA0\x83\x5C"sv, kSo, 2},
        {"", "/", npos},
        {"a/b", "", npos},
        {"A\x83 B"sv, " ", 2},  // a broken lead byte is a character of its own
        {"A\x83"sv, "\x83"sv, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::FindFirstOf(c.text, c.set), c.expected) << c.text << " in " << c.set;
    }
}

TEST(Cp932RemoveCharacters, RemovesEveryOccurrenceOfWholeCharacters) {
    const std::string text = "10\x87\x40K" + std::string(kSo);  // 10①Kソ
    EXPECT_EQ(cp932::RemoveCharacters(text, "@"), text);
    EXPECT_EQ(cp932::RemoveCharacters(text, "\x87\x40"), "10K" + std::string(kSo));
    EXPECT_EQ(cp932::RemoveCharacters(text, "\\K"), "10\x87\x40" + std::string(kSo));
    EXPECT_EQ(cp932::RemoveCharacters(text, "kK" + std::string(kSo)), "10\x87\x40");
    EXPECT_EQ(cp932::RemoveCharacters("kK10wW", "kKwW"), "10");
    EXPECT_EQ(cp932::RemoveCharacters("abc", ""), "abc");
    EXPECT_EQ(cp932::RemoveCharacters("", "abc"), "");
}

TEST(Cp932CharacterClasses, CollectsTheClassesOfTheText) {
    const struct {
        std::string_view text;
        uint32_t expected;
    } cases[] = {
        {"", 0},
        {"-/. ", 0},
        {"123", 1},
        {"JA1ABC", 3},
        {"\xB1\xB2"sv, 4},  // ｱｲ
        {kSo, 16},          // its trail '\\' is no punctuation of its own
        {"\x82\x60"sv, 16},
        {"\x82\x4F"sv, 16},  // full-width Ａ and ０ are neither letter nor digit
        {"\x83\x41"sv, 16},
        {"\x82\x4F"
         "1"sv,
         17},
        {"\x83"sv, 0},
        {"\x83 A"sv, 2},  // a broken lead byte has no class
        {"\xFC\x4B"sv, 16},
        {"A1\xB1\x82\xA0"sv, 23},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::CharacterClassesOf(c.text), c.expected) << c.text;
    }
}

TEST(Cp932CompareMultibyte, OrdersCharacterByCharacterByCode) {
    const struct {
        std::string_view a, b;
        int sign;
    } cases[] = {
        {"", "", 0},
        {kSo, kSo, 0},
        {"JA1", "JA1ABC", -1},  // a prefix sorts first
        {"", "A", -1},
        {"ABC", "abc", -1},            // by byte value, case sensitive
        {"\xDF"sv, "\x81\x40"sv, -1},  // single byte before double byte, unlike a bytewise compare
        {"z", kA, -1},
        {"\x82\xA0"sv, "\x82\xA2"sv, -1},  // あ < い
        {"\x87\x40"sv, "\xFC\x4B"sv, -1},
        {kSo, "\x83\x41"sv, 1},  // the trail byte decides within one lead byte
        {kSo, "\x83Z"sv, 1},     // 0x835C against a broken 0x83 then 'Z'
        {"A\x82\xA0"sv, "A~", 1},
    };
    for (const auto& c : cases) {
        const int result = cp932::CompareMultibyte(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
        const int reverse = cp932::CompareMultibyte(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " vs " << c.a;
    }
}

}  // namespace
