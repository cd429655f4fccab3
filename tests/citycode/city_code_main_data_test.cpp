#include "citycode/city_code_main_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "../platform/golden.h"
#include "../platform/recording_sink.h"
#include "../platform/temp_folder.h"
#include "platform/cp932_convert.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;
using platform_test::RecordingSink;

// A folder of its own for each test.
class CityCodeFile : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes, const std::string& name = "codes.ini") const {
        const std::string path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    platform_test::TempFolder folder_;
};

Item MakeItem(const Cp932& code, const Cp932& name, const Cp932& reading) {
    Item item;
    item.SetFields(code, name, reading);
    return item;
}

// The items as the lines of a file.
std::string Lines(const CCityCodeData_MainData& database) {
    std::string lines;
    for (const Item& item : database.GetItems()) {
        lines += item.GetField(0) + ":" + item.GetField(1) + ":" + item.GetField(2) + "\r\n";
    }
    return lines;
}

// A field for the golden: a carriage return shown as \r, a long field by its size and start.
std::string Shown(const Cp932& field) {
    if (field.size() > 40) {
        return "<" + std::to_string(field.size()) + " bytes: " + field.substr(0, 4) + "...>";
    }
    return platform_test::ReplacedAll(field, "\r", "\\r");
}

// Each text gives its items and the report's counts of lines seen, items, lines with a NUL
// and lines too long.
TEST_F(CityCodeFile, LinesBecomeItemsOrAreSkippedAndCounted) {
    const std::string longest =
        "1:a:" + std::string(CCityCodeData_MainData::kMaxLineLength - 4, 'r');
    const std::pair<const char*, std::string> cases[] = {
        {"line feeds", "01:a:A\n02:b:B\n"},
        {"carriage return and line feed", "01:a:A\r\n02:b:B\r\n"},
        {"no end on the last line", "01:a:A\n02:b:B"},
        // A lone carriage return stays in the field; Ctrl-Z ends the text.
        {"lone carriage return and Ctrl-Z", "01:a\r:A\r\r\n02:b:B\x1A\r\n03:c:C\r\n"},
        {"comments, empty and malformed lines",
         "// header\r\n\r\n1\r\n01:a:A\r\n02:b\r\n03:c:C:x\r\n//04:d:D\r\n05:e:E\r\n"},
        {"a NUL byte skips only its line", std::string("01:a:A\n02:b\0x:B\n03:c:C\n", 22)},
        // The unterminated last line is too long as well.
        {"enormous lines", "01:a:A\n" + std::string(3 * 1024 * 1024, 'z') + ":b:B\n02:c:C\n" +
                               std::string(CCityCodeData_MainData::kMaxLineLength + 1, 'z')},
        {"lines of the longest length", longest + "\r\n" + longest},
    };
    std::string loaded;
    for (const auto& [what, text] : cases) {
        CCityCodeData_MainData database;
        CCityCodeLoadReport report;
        ASSERT_TRUE(database.LoadFromFile(Write(text), nullptr, &report)) << what;
        loaded += std::string("--- ") + what + "\n";
        for (const Item& item : database.GetItems()) {
            loaded += Shown(item.GetField(0)) + " | " + Shown(item.GetField(1)) + " | " +
                      Shown(item.GetField(2)) + "\n";
        }
        loaded += std::to_string(report.lines) + " lines, " + std::to_string(report.items) +
                  " items, " + std::to_string(report.nul_lines) + " with a NUL, " +
                  std::to_string(report.too_long_lines) + " too long\n";
    }
    platform_test::ExpectGolden("citycode/loaded_lines", loaded);
}

// A device is refused instead of read forever.
TEST_F(CityCodeFile, MissingFileFolderOrDeviceFailsWithEmptyDatabaseAndNoProgress) {
    CCityCodeData_MainData database;
    database.AddItem(MakeItem("1", "a", "b"));
    database.SetIncludedInSearch(false);
    CCityCodeLoadReport report;
    EXPECT_FALSE(database.LoadFromFile(folder_ / "absent.ini", nullptr, &report));
    EXPECT_EQ(database.GetItemCount(), 0);
    EXPECT_TRUE(database.IsIncludedInSearch());
    EXPECT_FALSE(report.opened);
    RecordingSink sink;
    EXPECT_FALSE(database.LoadFromFile(folder_.Path(), &sink));
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(database.LoadFromFile(Write("")));
    EXPECT_EQ(database.GetItemCount(), 0);
    database.AddItem(MakeItem("1", "a", "b"));
    EXPECT_FALSE(database.LoadFromFile("/dev/zero"));
    EXPECT_EQ(database.GetItemCount(), 0);
}

TEST_F(CityCodeFile, OpenFailedMessageIsTheWarningText) {
    EXPECT_EQ(Cp932ToUtf8(CCityCodeData_MainData::OpenFailedMessage()),
              "都市コードデータベースファイルのオープンに失敗しました。");
    EXPECT_EQ(Cp932ToUtf8(CCityCodeData_MainData::OpenFailedCaption()), "クイルマーク - 警告");
}

// Lines cut at every position around the 5120-byte block boundary must come out whole: a CR
// LF split between blocks, a double-byte character split between blocks, a line feed as
// the first or last byte of a block.
TEST_F(CityCodeFile, BlockBoundaryAnywhereInALineGivesTheSameItems) {
    const Cp932 line = Utf8ToCp932(":千代田区:ﾁﾖﾀﾞｸ\r\n");
    for (size_t padding = 0; padding < 40; ++padding) {
        std::string lines;
        for (int code = 100000; lines.size() < 3 * CCityCodeData_MainData::kBlockSize; ++code) {
            lines += std::to_string(code) + line;
        }
        CCityCodeData_MainData database;
        ASSERT_TRUE(
            database.LoadFromFile(Write("//" + std::string(padding, 'x') + "\r\n" + lines)));
        ASSERT_EQ(Lines(database), lines) << "padding " << padding;
    }
}

// The whole progress of a load over four blocks of 5120 bytes, texts and file positions.
TEST_F(CityCodeFile, ProgressShowsCaptionFileNameAndFilePosition) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += std::to_string(i) + ":name:reading\r\n";
    }
    const std::string path = Write(text);
    RecordingSink sink;
    CCityCodeData_MainData database;
    ASSERT_TRUE(database.LoadFromFile(path, &sink));
    EXPECT_EQ(database.GetItemCount(), 1000);
    std::string events;
    for (const std::string& event : sink.events) {
        events += event + "\n";
    }
    platform_test::ExpectGolden("citycode/load_progress",
                                platform_test::ReplacedAll(events, folder_.Path(), "<folder>"));
}

// 48 prefectures, 14 subprefectures, 772 cities, 379 counties and 194 wards: the count of
// each code length, then the first areas, the last and Tokyo's.
TEST(CityCodeMainData, ShippedFileHoldsEveryArea) {
    CCityCodeData_MainData database;
    ASSERT_TRUE(database.LoadFromFile(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"));
    std::map<size_t, int> by_length;
    std::string shown = std::to_string(database.GetItemCount()) + " areas\n";
    for (int i = 0; i < database.GetItemCount(); ++i) {
        const Item& item = *database.GetItemAt(i);
        ++by_length[item.GetField(Item::kCityCode).size()];
        EXPECT_FALSE(item.GetField(Item::kCityName).empty() ||
                     item.GetField(Item::kReading).empty());
        if (i < 2 || i == 15 || i == database.GetItemCount() - 1 || item.GetField(0) == "10" ||
            item.GetField(0) == "100101") {
            shown +=
                std::to_string(i) + " " +
                Cp932ToUtf8(item.GetField(0) + ":" + item.GetField(1) + ":" + item.GetField(2)) +
                "\n";
        }
    }
    for (const auto& [length, count] : by_length) {
        shown += std::to_string(count) + " codes of " + std::to_string(length) + " digits\n";
    }
    platform_test::ExpectGolden("citycode/shipped", shown);
}

TEST(CityCodeMainData, ItemOperationsRefuseInvalidItemsAndIndicesAndSumsKeepOrder) {
    CCityCodeData_MainData database;
    EXPECT_EQ(database.AddItem(Item()), -1);
    EXPECT_EQ(database.AddItem(MakeItem("1", "a", "A")), 0);
    EXPECT_EQ(database.AddItem(MakeItem("2", "b", "B")), 1);
    EXPECT_FALSE(database.SetItemAt(2, MakeItem("3", "c", "C")));
    EXPECT_FALSE(database.SetItemAt(-1, MakeItem("3", "c", "C")));
    EXPECT_FALSE(database.SetItemAt(0, Item()));
    EXPECT_TRUE(database.SetItemAt(0, MakeItem("3", "c", "C")));
    EXPECT_FALSE(database.RemoveItemAt(2));
    EXPECT_TRUE(database.RemoveItemAt(1));
    EXPECT_EQ(database.GetItemAt(-1), nullptr);
    CCityCodeData_MainData first;
    first.AddItem(MakeItem("1", "a", "A"));
    EXPECT_EQ(Lines(first + database), "1:a:A\r\n3:c:C\r\n");
    first.AppendFrom(first);
    EXPECT_EQ(Lines(first), "1:a:A\r\n1:a:A\r\n");
    EXPECT_EQ(database.GetItemCount(), 1);
}

}  // namespace
