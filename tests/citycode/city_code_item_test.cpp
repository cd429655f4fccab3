#include "citycode/city_code_item.h"

#include <gtest/gtest.h>

#include "platform/cp932_convert.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;

struct LineCase {
    const char* name;
    std::string line;
    bool taken;
    std::vector<Cp932> fields;
};

class ItemFromLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ItemFromLine, TakesOnlyRecordsOfThreeFields) {
    const LineCase& c = GetParam();
    Item item;
    EXPECT_EQ(item.SetFromLine(c.line), c.taken);
    EXPECT_EQ(item.IsValid(), c.taken);
    if (c.taken) {
        ASSERT_EQ(item.GetFieldCount(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(item.GetField(i), c.fields[static_cast<size_t>(i)]) << i;
        }
    } else {
        EXPECT_EQ(item.GetFieldCount(), 0);
        EXPECT_EQ(item.GetField(0), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ItemFromLine,
    ::testing::Values(LineCase{"CodeNameReading",
                               "100101:ChiyodaKu:Chiyodaku",
                               true,
                               {"100101", "ChiyodaKu", "Chiyodaku"}},
                      LineCase{"JapaneseFields",
                               Utf8ToCp932("10:東京都:ﾄｳｷｮｳﾄ"),
                               true,
                               {"10", Utf8ToCp932("東京都"), Utf8ToCp932("ﾄｳｷｮｳﾄ")}},
                      LineCase{"EmptyNameAndReading", "10::", true, {"10", "", ""}},
                      LineCase{"OnlyColons", "::", true, {"", "", ""}},
                      LineCase{"FieldsAreNotTrimmed", " 10 : a :b ", true, {" 10 ", " a ", "b "}},
                      LineCase{"TwoFields", "10:Tokyo", false, {}},
                      LineCase{"FourFields", "10:Tokyo:To:x", false, {}},
                      LineCase{"TrailingColonMakesFourFields", "10:Tokyo:To:", false, {}},
                      LineCase{"NoColon", "Tokyo", false, {}},
                      LineCase{"Comment", "//10:Tokyo:To", false, {}},
                      LineCase{"OneCharacter", ":", false, {}}, LineCase{"Empty", "", false, {}},
                      LineCase{"SingleSlashIsNoComment", "/1:a:b", true, {"/1", "a", "b"}},
                      LineCase{"NulByte", std::string("10:To\0kyo:x", 11), false, {}},
                      // "ソ" (0x83 0x5C) and "ー" (0x81 0x5B) keep their trail bytes.
                      LineCase{"DoubleByteCharactersStayWhole",
                               "1:\x83\x5C:\x81\x5B",
                               true,
                               {"1", "\x83\x5C", "\x81\x5B"}}),
    [](const auto& info) { return std::string(info.param.name); });

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
}

TEST(CityCodeDataItem, GetFieldOutOfRangeIsEmpty) {
    Item item;
    ASSERT_TRUE(item.SetFromLine("1:a:b"));
    EXPECT_EQ(item.GetField(-1), "");
    EXPECT_EQ(item.GetField(3), "");
}

TEST(CityCodeDataItem, EqualityComparesValidFlagAndFields) {
    Item a;
    Item b;
    EXPECT_EQ(a, b);
    ASSERT_TRUE(a.SetFromLine("1:a:b"));
    EXPECT_NE(a, b);
    ASSERT_TRUE(b.SetFields("1", "a", "b"));
    EXPECT_EQ(a, b);
    Item c = a;
    EXPECT_EQ(c, a);
    c.Reset();
    ASSERT_TRUE(c.SetFromLine("1:a:B"));
    EXPECT_NE(c, a);
}

struct MatchCase {
    const char* name;
    std::string field;
    std::string key;
    bool exact;
    bool matches;
};

class FieldMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FieldMatching, Matches) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(Item::FieldMatches(c.field, c.key, c.exact), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldMatching,
    ::testing::Values(MatchCase{"ExactEqual", "1001", "1001", true, true},
                      MatchCase{"ExactPrefixIsNoMatch", "1001", "100", true, false},
                      MatchCase{"ContainsPrefix", "1001", "100", false, true},
                      MatchCase{"ContainsMiddle", "100101", "010", false, true},
                      MatchCase{"ContainsIsCaseSensitive", "Abc", "abc", false, false},
                      MatchCase{"EmptyKeyNeverMatches", "1001", "", false, false},
                      MatchCase{"EmptyKeyNeverMatchesExactly", "", "", true, false},
                      MatchCase{"KeyLongerThanField", "10", "100", false, false},
                      // "ソ" is 0x83 0x5C: a search for "\" must not find its trail byte.
                      MatchCase{"TrailByteIsNoMatch", "\x83\x5C", "\\", false, false},
                      MatchCase{"TrailByteAndNextCharacterIsNoMatch", "\x83\x5C\x41", "\x5C\x41",
                                false, false},
                      MatchCase{"DoubleByteKeyFound", "a\x83\x5C", "\x83\x5C", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
