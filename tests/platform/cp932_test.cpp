#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

using std::string_view_literals::operator""sv;

// "ソ" is 0x83 0x5C: its trail byte is '\\'. "表" is 0x95 0x5C, "能" 0x94 0x5C.
constexpr std::string_view kSo = "\x83\x5C"sv;
constexpr std::string_view kA = "\x82\xA0"sv;          // あ
constexpr std::string_view kFullSlash = "\x81\x5E"sv;  // ／ (trail '^')
constexpr std::string_view kFullAt = "\x81\x97"sv;     // ＠
constexpr std::string_view kCircled1 = "\x87\x40"sv;   // ① (trail '@')
// Test names show texts as hex bytes.
void PrintHex(std::string_view text, std::ostream* os) {
    static const char kDigits[] = "0123456789ABCDEF";
    *os << '[';
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        *os << (i ? " " : "") << kDigits[b >> 4] << kDigits[b & 15];
    }
    *os << ']';
}

constexpr std::string_view kKanjiLast = "\xFC\x4B"sv;  // last IBM extension character

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

struct CharLengthCase {
    std::string_view text;
    size_t pos;
    size_t expected;
};

void PrintTo(const CharLengthCase& c, std::ostream* os) {
    PrintHex(c.text, os);
    *os << " at " << c.pos;
}

class Cp932CharLength : public ::testing::TestWithParam<CharLengthCase> {};

TEST_P(Cp932CharLength, MeasuresTheCharacterAtPos) {
    const auto& c = GetParam();
    EXPECT_EQ(cp932::CharLength(c.text, c.pos), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp932CharLength,
    ::testing::Values(CharLengthCase{"A", 0, 1}, CharLengthCase{kSo, 0, 2},
                      CharLengthCase{kSo, 1, 1},           // a trail byte read on its own
                      CharLengthCase{"\x83"sv, 0, 1},      // lead byte at the end
                      CharLengthCase{"\x83\x7F"sv, 0, 1},  // lead + illegal trail
                      CharLengthCase{"\x83\x20"sv, 0, 1},  // lead + space
                      CharLengthCase{"\xB1\x40"sv, 0, 1},  // half-width katakana is single
                      CharLengthCase{"\xFC\xFC"sv, 0, 2},  // highest legal pair
                      CharLengthCase{"\xFD\x40"sv, 0, 1},  // 0xFD is no lead byte
                      CharLengthCase{"AB"sv, 2, 0},        // past the end
                      CharLengthCase{""sv, 0, 0}));

TEST(Cp932FindFirstOf, NeverMatchesATrailByte) {
    // "ソ/" with delimiters "\\/": the '\\' inside ソ must not count.
    const std::string text = std::string(kSo) + "/X";
    EXPECT_EQ(cp932::FindFirstOf(text, "\\/"), 2u);
    EXPECT_EQ(cp932::FindFirstOf(kSo, "\\"), std::string_view::npos);
    // ① is 0x87 0x40 and ＠ 0x81 0x97: '@' is no match for either.
    const std::string circled = std::string(kCircled1) + std::string(kFullAt);
    EXPECT_EQ(cp932::FindFirstOf(circled, "@"), std::string_view::npos);
    // ／ ends with '^'.
    EXPECT_EQ(cp932::FindFirstOf(kFullSlash, "^"), std::string_view::npos);
}

TEST(Cp932FindFirstOf, FindsFullWidthDelimitersAsWholeCharacters) {
    const std::string text = "JA1ABC" + std::string(kFullSlash) + "1";
    EXPECT_EQ(cp932::FindFirstOf(text, std::string("/") + std::string(kFullSlash)), 6u);
    // A set holding only the lead byte of ／ matches nothing.
    EXPECT_EQ(cp932::FindFirstOf(text, "\x81"sv), std::string_view::npos);
}

TEST(Cp932FindFirstOf, DoesNotMatchAcrossCharacterBoundaries) {
    // "あ" then "ソ": bytes 0x82 0xA0 0x83 0x5C. The pair 0xA0 0x83 is not a character.
    const std::string text = std::string(kA) + std::string(kSo);
    EXPECT_EQ(cp932::FindFirstOf(text, "\xA0\x83"sv), std::string_view::npos);
    EXPECT_EQ(cp932::FindFirstOf(text, kSo), 2u);
}

TEST(Cp932FindFirstOf, EmptyTextOrSetFindsNothing) {
    EXPECT_EQ(cp932::FindFirstOf("", "/"), std::string_view::npos);
    EXPECT_EQ(cp932::FindFirstOf("a/b", ""), std::string_view::npos);
}

TEST(Cp932FindFirstOf, BrokenLeadByteIsASingleCharacter) {
    // A lead byte followed by a space is taken as one byte, so the space is still found.
    EXPECT_EQ(cp932::FindFirstOf("A\x83 B"sv, " "), 2u);
    EXPECT_EQ(cp932::FindFirstOf("A\x83"sv, "\x83"sv), 1u);
}

TEST(Cp932RemoveCharacters, RemovesFullWidthSpecialsWhole) {
    const std::string text = "10" + std::string(kCircled1) + "K" + std::string(kSo);
    // Removing "@" must leave ① intact; removing ① removes both its bytes.
    EXPECT_EQ(cp932::RemoveCharacters(text, "@"), text);
    EXPECT_EQ(cp932::RemoveCharacters(text, kCircled1), "10K" + std::string(kSo));
    EXPECT_EQ(cp932::RemoveCharacters(text, "\\K"),
              "10" + std::string(kCircled1) + std::string(kSo));
    EXPECT_EQ(cp932::RemoveCharacters(text, std::string("kK") + std::string(kSo)),
              "10" + std::string(kCircled1));
}

TEST(Cp932RemoveCharacters, EmptySetKeepsTheText) {
    EXPECT_EQ(cp932::RemoveCharacters("abc", ""), "abc");
    EXPECT_EQ(cp932::RemoveCharacters("", "abc"), "");
}

TEST(Cp932RemoveCharacters, RemovesEveryOccurrence) {
    EXPECT_EQ(cp932::RemoveCharacters("kK10wW", "kKwW"), "10");
}

struct ClassCase {
    std::string_view text;
    uint32_t expected;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    PrintHex(c.text, os);
}

class Cp932CharacterClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(Cp932CharacterClasses, CollectsTheClassesOfTheText) {
    EXPECT_EQ(cp932::CharacterClassesOf(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp932CharacterClasses,
    ::testing::Values(ClassCase{"", 0}, ClassCase{"-/. ", 0}, ClassCase{"123", 1},
                      ClassCase{"JA1ABC", 3}, ClassCase{"\xB1\xB2"sv, 4},  // ｱｲ
                      ClassCase{kSo, 16},  // ソ: its trail '\\' is no punctuation of its own
                      ClassCase{"\x82\x60"sv, 16},  // Ａ (full-width A) is not a letter
                      ClassCase{"\x82\x4F"sv, 16},  // ０ (full-width 0) is not a digit
                      ClassCase{"\x81\x41"sv, 16},  // 、 (trail 'A')
                      ClassCase{"\x83\x41"sv, 16},  // ア (trail 'A')
                      ClassCase{"\x82\x4F"
                                "1"sv,
                                17},             // ０ then 1
                      ClassCase{"\x83"sv, 0},    // lone lead byte: no class
                      ClassCase{"\x83 A"sv, 2},  // broken pair: lead has no class
                      ClassCase{kKanjiLast, 16}, ClassCase{"A1\xB1\x82\xA0"sv, 23}));

TEST(Cp932CompareMultibyte, EqualTextsCompareEqual) {
    EXPECT_EQ(cp932::CompareMultibyte("", ""), 0);
    EXPECT_EQ(cp932::CompareMultibyte("JA1ABC", "JA1ABC"), 0);
    EXPECT_EQ(cp932::CompareMultibyte(kSo, kSo), 0);
}

TEST(Cp932CompareMultibyte, PrefixSortsFirst) {
    EXPECT_LT(cp932::CompareMultibyte("JA1", "JA1ABC"), 0);
    EXPECT_GT(cp932::CompareMultibyte("JA1ABC", "JA1"), 0);
    EXPECT_LT(cp932::CompareMultibyte("", "A"), 0);
}

TEST(Cp932CompareMultibyte, IsCaseSensitiveByByteValue) {
    EXPECT_LT(cp932::CompareMultibyte("ABC", "abc"), 0);
    EXPECT_GT(cp932::CompareMultibyte("b", "B"), 0);
}

TEST(Cp932CompareMultibyte, SingleByteSortsBeforeDoubleByte) {
    // 0xDF (ﾟ, half-width) < 0x8140 (full-width space), though a bytewise compare says otherwise.
    EXPECT_LT(cp932::CompareMultibyte("\xDF"sv, "\x81\x40"sv), 0);
    EXPECT_GT(cp932::CompareMultibyte("\x81\x40"sv, "\xDF"sv), 0);
    EXPECT_LT(cp932::CompareMultibyte("\xB1"sv, "\x82\xA0"sv), 0);
    EXPECT_LT(cp932::CompareMultibyte("z", kA), 0);
}

TEST(Cp932CompareMultibyte, DoubleByteCharactersCompareByTheirCode) {
    EXPECT_LT(cp932::CompareMultibyte("\x82\xA0"sv, "\x82\xA2"sv), 0);  // あ < い
    EXPECT_LT(cp932::CompareMultibyte("\x88\x9F"sv, "\xE0\x40"sv), 0);
    EXPECT_LT(cp932::CompareMultibyte("\x87\x40"sv, "\xFC\x4B"sv), 0);
    // The trail byte decides within one lead byte: ソ (0x835C) > ア (0x8341).
    EXPECT_GT(cp932::CompareMultibyte(kSo, "\x83\x41"sv), 0);
}

TEST(Cp932CompareMultibyte, ComparesCharacterByCharacterNotByteByByte) {
    // "ソ" vs "\x83" + "Z": the second text is a broken lead (0x83) then 'Z' (0x5A).
    // Character by character: 0x835C vs 0x83 -> the broken single byte is smaller.
    EXPECT_GT(cp932::CompareMultibyte(kSo, "\x83Z"sv), 0);
    // A-then-あ vs A-then-'~': 0x82A0 > 0x7E.
    EXPECT_GT(cp932::CompareMultibyte("A\x82\xA0"sv, "A~"), 0);
}

TEST(Cp932CompareMultibyte, IsAntisymmetric) {
    const std::string_view texts[] = {"", "A",           "a",       "\xB1"sv, kSo,
                                      kA, "A\x82\xA0"sv, "\x83Z"sv, "JA1",    "JA1ABC"};
    for (const auto a : texts) {
        for (const auto b : texts) {
            const int ab = cp932::CompareMultibyte(a, b);
            const int ba = cp932::CompareMultibyte(b, a);
            EXPECT_EQ(ab<0, ba> 0);
            EXPECT_EQ(ab == 0, a == b);
        }
    }
}

}  // namespace
