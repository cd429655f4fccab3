#include "settings/input_text_replacement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../platform/case_table.h"

namespace {

using platform_test::Unescaped;

// The pairs of a case-table field: ";" between them, "(none)" for none.
std::vector<Cp932> List(const std::string& field) {
    if (field == "(none)") {
        return {};
    }
    return platform_test::Items(Unescaped(field));
}

TEST(InputTextReplacement, PairsGiveTextAndCaret) {
    for (const auto& c : platform_test::CaseTable("settings/replacements.txt", 7)) {
        SCOPED_TRACE(c[0]);
        Cp932 text = Unescaped(c[1]);
        size_t caret = std::stoul(c[2]);
        EXPECT_EQ(ApplyInputTextReplacement(text, caret, List(c[3]), List(c[4])),
                  Unescaped(c[1]) != Unescaped(c[5]));
        EXPECT_EQ(text, Unescaped(c[5]));
        EXPECT_EQ(caret, std::stoul(c[6]));
    }
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
