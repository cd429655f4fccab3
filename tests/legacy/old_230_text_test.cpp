#include "legacy/old_230_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/cp932_convert.h"

namespace {

TEST(Old230CallSignText, BlanksAroundSlashGiveFirstDelimiterBeforeDigit) {
    EXPECT_EQ(old230::CallSignText("JA1ABC / 1", "/,."), "JA1ABC/1");
    EXPECT_EQ(old230::CallSignText("JA1ABC / 1", ",/."), "JA1ABC,1");
    EXPECT_EQ(old230::CallSignText(" JA1ABC  ", "/"), "JA1ABC");
}

TEST(Old230CallSignText, OnlyTheFirstSlashIsReplaced) {
    EXPECT_EQ(old230::CallSignText("JA1ABC/1/P", ".,/"), "JA1ABC.1/P");
}

TEST(Old230CallSignText, BlankFirstDelimiterStillSeparatesTheArea) {
    // Blanks go before the slash is replaced, so a blank delimiter survives.
    EXPECT_EQ(old230::CallSignText("JA1ABC / 1", " /"), "JA1ABC 1");
}

TEST(Old230CallSignText, DoubleByteFirstDelimiterIsTakenWhole) {
    const Cp932 slash = Utf8ToCp932("／");
    EXPECT_EQ(old230::CallSignText("JA1ABC/1", slash + "/"), "JA1ABC" + slash + "1");
}

TEST(Old230CallSignText, EmptyDelimiterSetLeavesTheSlash) {
    EXPECT_EQ(old230::CallSignText("JA1ABC / 1", ""), "JA1ABC/1");
}

TEST(Old230CallSignText, FullWidthBlankIsKept) {
    // Only half-width blanks are removed.
    const Cp932 text = Utf8ToCp932("ＪＡ　1");
    EXPECT_EQ(old230::CallSignText(text, "/"), text);
}

TEST(Old230ContestNumberText, JoinsTheFormatsPartsWithTheFirstDelimiter) {
    const std::vector<Cp932> parts = {"599", "13", "H", "x"};
    EXPECT_EQ(old230::ContestNumberText(parts, 2, "/,."), "599/13");
    EXPECT_EQ(old230::ContestNumberText(parts, 4, ",/"), "599,13,H,x");
}

TEST(Old230ContestNumberText, FewerStoredPartsThanParametersJoinWhatIsThere) {
    EXPECT_EQ(old230::ContestNumberText({"599"}, 3, "/"), "599");
    EXPECT_EQ(old230::ContestNumberText({}, 3, "/"), "");
}

TEST(Old230ContestNumberText, BlanksInsidePartsAreRemoved) {
    EXPECT_EQ(old230::ContestNumberText({" 599", "1 3 "}, 2, "/"), "599/13");
}

TEST(Old230ContestNumberText, BlankFirstDelimiterMergesTheParts) {
    // The joined text loses its delimiters with the blanks; such entries cannot be
    // validated and are counted as dropped by the converter.
    EXPECT_EQ(old230::ContestNumberText({"599", "13"}, 2, " /"), "59913");
}

struct DecimalCase {
    const char* text;
    double expected;
};

class Old230ParseDecimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Old230ParseDecimal, ReadsLikeTheCRuntime) {
    const DecimalCase& c = GetParam();
    EXPECT_EQ(old230::ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, Old230ParseDecimal,
    ::testing::Values(DecimalCase{"7", 7.0}, DecimalCase{"7.0", 7.0}, DecimalCase{"21.05", 21.05},
                      DecimalCase{" \t 14", 14.0}, DecimalCase{"+3.5", 3.5},
                      DecimalCase{"-1.9", -1.9}, DecimalCase{".5", 0.5}, DecimalCase{"5.", 5.0},
                      DecimalCase{"1e3", 1000.0}, DecimalCase{"1.2E-1", 0.12},
                      DecimalCase{"7.1MHz", 7.1}, DecimalCase{"7,1", 7.0}, DecimalCase{"1e", 1.0},
                      DecimalCase{"", 0.0}, DecimalCase{"MHz", 0.0}, DecimalCase{".", 0.0},
                      DecimalCase{"- 7", 0.0}, DecimalCase{"--7", 0.0}, DecimalCase{"0x10", 0.0},
                      DecimalCase{"inf", 0.0}, DecimalCase{"nan", 0.0}, DecimalCase{"1e999", kInf},
                      DecimalCase{"-1e999", -kInf}, DecimalCase{"1e-999", 0.0}));

TEST(Old230ParseDecimalLocale, CommaLocaleDoesNotChangeTheDecimalPoint) {
    // Some locales use a decimal comma; the stored texts always use a point.
    const char* const previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE locale installed";
    }
    EXPECT_EQ(old230::ParseDecimal("21.05"), 21.05);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
