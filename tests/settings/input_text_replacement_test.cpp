#include "settings/input_text_replacement.h"

#include <gtest/gtest.h>

#include "../platform/case_table.h"

namespace {

const std::vector<Cp932> kDefaultSources = {" ", "=+"};
const std::vector<Cp932> kDefaultDestinations = {"/", "59/"};

TEST(InputTextReplacement, DefaultPairsGiveTextAndCaret) {
    for (const auto& c : platform_test::CaseTable("settings/default_replacements.txt", 5)) {
        SCOPED_TRACE(c[0]);
        Cp932 text = c[1];
        size_t caret = std::stoul(c[2]);
        EXPECT_EQ(ApplyInputTextReplacement(text, caret, kDefaultSources, kDefaultDestinations),
                  c[1] != c[3]);
        EXPECT_EQ(text, c[3]);
        EXPECT_EQ(caret, std::stoul(c[4]));
    }
}

TEST(InputTextReplacement, EmptyDestinationDeletesCharactersAndMovesCaretBack) {
    Cp932 text = "A-B-C";
    size_t caret = 5;
    EXPECT_TRUE(ApplyInputTextReplacement(text, caret, {"-"}, {""}));
    EXPECT_EQ(text, "ABC");
    EXPECT_EQ(caret, 3u);
}

TEST(InputTextReplacement, DoubleByteCharactersAreWholeCharacters) {
    // "ソ" is 0x83 0x5C: its trail byte is the backslash.
    Cp932 text = "\x83\x5C\\";
    size_t caret = 3;
    EXPECT_TRUE(ApplyInputTextReplacement(text, caret, {"\\"}, {"/"}));
    EXPECT_EQ(text, "\x83\x5C/");
    EXPECT_EQ(caret, 3u);
    // A full-width blank (0x81 0x40) typed in a call sign.
    text = "JA1\x81\x40X";
    caret = 6;
    EXPECT_TRUE(ApplyInputTextReplacement(text, caret, {"\x81\x40"}, {"/"}));
    EXPECT_EQ(text, "JA1/X");
    EXPECT_EQ(caret, 5u);
}

TEST(InputTextReplacement, PairsApplyInIndexOrder) {
    // The first pair's output is input to the second.
    Cp932 text = "a";
    size_t caret = 1;
    EXPECT_TRUE(ApplyInputTextReplacement(text, caret, {"a", "b"}, {"b", "cc"}));
    EXPECT_EQ(text, "cc");
    EXPECT_EQ(caret, 2u);
}

TEST(InputTextReplacement, SelfFeedingPairIsSkippedInsteadOfLoopingForever) {
    Cp932 text = "a b";
    size_t caret = 3;
    EXPECT_FALSE(ApplyInputTextReplacement(text, caret, {" "}, {"  "}));
    EXPECT_EQ(text, "a b");
    EXPECT_TRUE(ApplyInputTextReplacement(text, caret, {" ", "a"}, {"x ", "z"}));
    EXPECT_EQ(text, "z b");
}

TEST(InputTextReplacement, ExtraSourcesWithoutDestinationsAreIgnored) {
    Cp932 text = "a b";
    size_t caret = 0;
    EXPECT_FALSE(ApplyInputTextReplacement(text, caret, {" "}, {}));
    EXPECT_EQ(text, "a b");
}

TEST(InputTextReplacement, SelfFeedingDetection) {
    EXPECT_TRUE(IsSelfFeedingReplacementPair(" ", " /"));
    EXPECT_TRUE(IsSelfFeedingReplacementPair("=+", "59+"));
    EXPECT_FALSE(IsSelfFeedingReplacementPair("=+", "59/"));
    EXPECT_FALSE(IsSelfFeedingReplacementPair(" ", ""));
    // The backslash inside "ソ" is not a character of the destination.
    EXPECT_FALSE(IsSelfFeedingReplacementPair("\\", "\x83\x5C"));
    EXPECT_TRUE(IsSelfFeedingReplacementPair("\x83\x5C", "a\x83\x5C"));
}

}  // namespace
