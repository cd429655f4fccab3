#include "legacy/old_230_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../platform/case_table.h"

namespace {

using platform_test::CaseTable;
using platform_test::Unescaped;

TEST(Old230CallSignText, BlanksGoAndTheFirstSlashBecomesTheFirstDelimiter) {
    for (const auto& c : CaseTable("legacy/old_230_call_signs.txt", 3)) {
        EXPECT_EQ(old230::CallSignText(Unescaped(c[0]), Unescaped(c[1])), Unescaped(c[2])) << c[0];
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
    for (const auto& c : CaseTable("legacy/old_230_decimals.txt", 2)) {
        EXPECT_EQ(old230::ParseDecimal(Unescaped(c[0])), std::stod(c[1])) << '"' << c[0] << '"';
    }
}

}  // namespace
