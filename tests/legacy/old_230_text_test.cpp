#include "legacy/old_230_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../platform/case_table.h"

namespace {

using platform_test::CaseTable;
using platform_test::Items;
using platform_test::Unescaped;

TEST(Old230CallSignText, BlanksGoAndTheFirstSlashBecomesTheFirstDelimiter) {
    for (const auto& c : CaseTable("legacy/old_230_call_signs.txt", 3)) {
        EXPECT_EQ(old230::CallSignText(Unescaped(c[0]), Unescaped(c[1])), Unescaped(c[2])) << c[0];
    }
}

TEST(Old230ContestNumberText, JoinsTheFormatsPartsWithoutBlanks) {
    for (const auto& c : CaseTable("legacy/old_230_numbers.txt", 4)) {
        const std::vector<Cp932> parts = c[0] == "(none)" ? std::vector<Cp932>() : Items(c[0]);
        EXPECT_EQ(old230::ContestNumberText(parts, std::stoul(c[1]), c[2]), c[3]) << c[0];
    }
}

TEST(Old230ParseDecimal, ReadsLikeTheCRuntime) {
    for (const auto& c : CaseTable("legacy/old_230_decimals.txt", 2)) {
        EXPECT_EQ(old230::ParseDecimal(Unescaped(c[0])), std::stod(c[1])) << '"' << c[0] << '"';
    }
}

}  // namespace
