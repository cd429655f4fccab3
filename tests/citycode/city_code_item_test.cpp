#include "citycode/city_code_item.h"

#include <gtest/gtest.h>

#include "platform/cp932_convert.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;

TEST(CityCodeDataItem, TakesOnlyRecordsOfThreeFields) {
    const struct {
        const char* name;
        std::string line;
        bool taken;
        std::vector<Cp932> fields;
    } cases[] = {{"CodeNameReading",
                  "100101:ChiyodaKu:Chiyodaku",
                  true,
                  {"100101", "ChiyodaKu", "Chiyodaku"}},
                 {"JapaneseFields",
                  Utf8ToCp932("10:東京都:ﾄｳｷｮｳﾄ"),
                  true,
                  {"10", Utf8ToCp932("東京都"), Utf8ToCp932("ﾄｳｷｮｳﾄ")}},
                 {"EmptyNameAndReading", "10::", true, {"10", "", ""}},
                 {"OnlyColons", "::", true, {"", "", ""}},
                 {"FieldsAreNotTrimmed", " 10 : a :b ", true, {" 10 ", " a ", "b "}},
                 {"TwoFields", "10:Tokyo", false, {}},
                 {"FourFields", "10:Tokyo:To:x", false, {}},
                 {"TrailingColonMakesFourFields", "10:Tokyo:To:", false, {}},
                 {"NoColon", "Tokyo", false, {}},
                 {"Comment", "//10:Tokyo:To", false, {}},
                 {"OneCharacter", ":", false, {}},
                 {"Empty", "", false, {}},
                 {"SingleSlashIsNoComment", "/1:a:b", true, {"/1", "a", "b"}},
                 {"NulByte", std::string("10:To\0kyo:x", 11), false, {}},
                 // "ソ" (0x83 0x5C) and "ー" (0x81 0x5B) keep their trail bytes.
                 {"DoubleByteCharactersStayWhole",
                  "1:\x83\x5C:\x81\x5B",
                  true,
                  {"1", "\x83\x5C", "\x81\x5B"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
        }
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
    const struct {
        const char* name;
        std::string field, key;
        bool exact, matches;
    } cases[] = {{"ExactEqual", "1001", "1001", true, true},
                 {"ExactPrefixIsNoMatch", "1001", "100", true, false},
                 {"ContainsPrefix", "1001", "100", false, true},
                 {"ContainsMiddle", "100101", "010", false, true},
                 {"ContainsIsCaseSensitive", "Abc", "abc", false, false},
                 {"EmptyKeyNeverMatches", "1001", "", false, false},
                 {"EmptyKeyNeverMatchesExactly", "", "", true, false},
                 {"KeyLongerThanField", "10", "100", false, false},
                 // "ソ" is 0x83 0x5C: a search for "\" must not find its trail byte.
                 {"TrailByteIsNoMatch", "\x83\x5C", "\\", false, false},
                 {"TrailByteAndNextCharacterIsNoMatch", "\x83\x5C\x41", "\x5C\x41", false, false},
                 {"DoubleByteKeyFound", "a\x83\x5C", "\x83\x5C", false, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(Item::FieldMatches(c.field, c.key, c.exact), c.matches) << c.name;
    }
}

}  // namespace
