#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "case_table.h"

namespace {

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

using platform_test::CaseTable;
using platform_test::Unescaped;

TEST(Cp932CharLength, MeasuresTheCharacterAtPos) {
    for (const auto& c : CaseTable("platform/cp932_char_length.txt", 3)) {
        EXPECT_EQ(cp932::CharLength(Unescaped(c[0]), std::stoul(c[1])), std::stoul(c[2]))
            << c[1] << " of " << c[0];
    }
}

TEST(Cp932FindFirstOf, MatchesWholeCharactersOnly) {
    for (const auto& c : CaseTable("platform/cp932_find_first_of.txt", 3)) {
        const size_t expected = c[2] == "none" ? std::string_view::npos : std::stoul(c[2]);
        EXPECT_EQ(cp932::FindFirstOf(Unescaped(c[0]), Unescaped(c[1])), expected)
            << c[0] << " in " << c[1];
    }
}

TEST(Cp932RemoveCharacters, RemovesEveryOccurrenceOfWholeCharacters) {
    for (const auto& c : CaseTable("platform/cp932_remove.txt", 4)) {
        EXPECT_EQ(cp932::RemoveCharacters(Unescaped(c[1]), Unescaped(c[2])), Unescaped(c[3]))
            << c[0];
    }
}

TEST(Cp932CharacterClasses, CollectsTheClassesOfTheText) {
    for (const auto& c : CaseTable("platform/cp932_character_classes.txt", 2)) {
        EXPECT_EQ(cp932::CharacterClassesOf(Unescaped(c[0])), std::stoul(c[1])) << c[0];
    }
}

TEST(Cp932CompareMultibyte, OrdersCharacterByCharacterByCode) {
    const auto sign = [](int result) { return (result > 0) - (result < 0); };
    for (const auto& c : CaseTable("platform/cp932_compare.txt", 3)) {
        const std::string a = Unescaped(c[0]);
        const std::string b = Unescaped(c[1]);
        EXPECT_EQ(sign(cp932::CompareMultibyte(a, b)), std::stoi(c[2])) << c[0] << " vs " << c[1];
        EXPECT_EQ(sign(cp932::CompareMultibyte(b, a)), -std::stoi(c[2])) << c[1] << " vs " << c[0];
    }
}

}  // namespace
