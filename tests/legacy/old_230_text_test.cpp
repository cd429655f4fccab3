#include "legacy/old_230_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/cp932_convert.h"

namespace {

TEST(Old230CallSignText, BlanksGoAndTheFirstSlashBecomesTheFirstDelimiter) {
    const Cp932 slash = Utf8ToCp932("／");
    const Cp932 full_width = Utf8ToCp932("ＪＡ　1");
    const struct {
        Cp932 text, delimiters, expected;
    } cases[] = {
        {"JA1ABC / 1", "/,.", "JA1ABC/1"},
        {"JA1ABC / 1", ",/.", "JA1ABC,1"},
        {" JA1ABC  ", "/", "JA1ABC"},
        {"JA1ABC/1/P", ".,/", "JA1ABC.1/P"},  // only the first slash
        {"JA1ABC / 1", " /", "JA1ABC 1"},     // blanks go before, so a blank delimiter survives
        {"JA1ABC/1", slash + "/", "JA1ABC" + slash + "1"},
        {"JA1ABC / 1", "", "JA1ABC/1"},
        {full_width, "/", full_width},  // only half-width blanks are removed
    };
    for (const auto& c : cases) {
        EXPECT_EQ(old230::CallSignText(c.text, c.delimiters), c.expected) << c.text;
    }
}

TEST(Old230ContestNumberText, JoinsTheFormatsPartsWithoutBlanks) {
    const std::vector<Cp932> parts = {"599", "13", "H", "x"};
    EXPECT_EQ(old230::ContestNumberText(parts, 2, "/,."), "599/13");
    EXPECT_EQ(old230::ContestNumberText(parts, 4, ",/"), "599,13,H,x");
    EXPECT_EQ(old230::ContestNumberText({"599"}, 3, "/"), "599");
    EXPECT_EQ(old230::ContestNumberText({}, 3, "/"), "");
    EXPECT_EQ(old230::ContestNumberText({" 599", "1 3 "}, 2, "/"), "599/13");
    // A blank first delimiter goes with the blanks; the converter drops such entries.
    EXPECT_EQ(old230::ContestNumberText({"599", "13"}, 2, " /"), "59913");
}

TEST(Old230ParseDecimal, ReadsLikeTheCRuntime) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"7", 7.0},        {"21.05", 21.05}, {" \t 14", 14.0}, {"+3.5", 3.5},   {"-1.9", -1.9},
        {".5", 0.5},       {"5.", 5.0},      {"1.2E-1", 0.12}, {"7.1MHz", 7.1}, {"7,1", 7.0},
        {"1e", 1.0},       {"", 0.0},        {"MHz", 0.0},     {".", 0.0},      {"- 7", 0.0},
        {"--7", 0.0},      {"0x10", 0.0},    {"inf", 0.0},     {"nan", 0.0},    {"1e999", kInf},
        {"-1e999", -kInf}, {"1e-999", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(old230::ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
