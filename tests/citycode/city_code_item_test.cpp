#include "citycode/city_code_item.h"

#include <gtest/gtest.h>

#include "../platform/case_table.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;
using platform_test::CaseTable;
using platform_test::Unescaped;

TEST(CityCodeDataItem, TakesOnlyRecordsOfThreeFields) {
    for (const auto& c : CaseTable("citycode/record_lines.txt", 3)) {
        SCOPED_TRACE(c[0]);
        const bool taken = c[2] != "not taken";
        Item item;
        EXPECT_EQ(item.SetFromLine(Unescaped(c[1])), taken);
        EXPECT_EQ(item.IsValid(), taken);
        std::string fields;
        for (int i = 0; i < item.GetFieldCount(); ++i) {
            fields += (i == 0 ? "" : ";") + item.GetField(i);
        }
        EXPECT_EQ(item.GetFieldCount(), taken ? 3 : 0);
        EXPECT_EQ(fields, taken ? Unescaped(c[2]) : "");
    }
}

TEST(CityCodeDataItem, SetterFailsOnValidItemUntilReset) {
    Item item;
    ASSERT_TRUE(item.SetFromLine("1:a:b"));
    EXPECT_FALSE(item.SetFromLine("2:c:d"));
    EXPECT_FALSE(item.SetFields("2", "c", "d"));
    EXPECT_EQ(item.GetField(0), "1");
    item.Reset();
    EXPECT_FALSE(item.IsValid());
    EXPECT_TRUE(item.SetFields("2", "c", "d"));
    EXPECT_EQ(item.GetField(Item::kReading), "d");
    EXPECT_EQ(item.GetField(3), "");
    Item same;
    same.SetFromLine("2:c:d");
    EXPECT_EQ(same, item);
    EXPECT_NE(same, Item());
}

TEST(CityCodeDataItem, FieldMatchesWholeCharactersExactlyOrContained) {
    for (const auto& c : CaseTable("citycode/field_matches.txt", 5)) {
        EXPECT_EQ(Item::FieldMatches(Unescaped(c[1]), Unescaped(c[2]), c[3] == "exact"),
                  c[4] == "match")
            << c[0];
    }
}

}  // namespace
