#include "citycode/city_code_main_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../platform/temp_folder.h"
#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;

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

// Records what the loader shows.
class RecordingSink : public IProgressSink {
public:
    void SetStatusText(const std::string& text) override { status.push_back(text); }
    void SetProgressText(int index, const std::string& text) override {
        if (index >= 0 && index < 4) {
            lines[index] = text;
        }
    }
    void SetProgressRange(int lower, int upper) override {
        range_lower = lower;
        range_upper = upper;
    }
    void SetProgressPos(int position) override { positions.push_back(position); }
    void ShowProgress() override { ++shown; }
    void CloseProgress() override { ++closed; }
    void PumpEvents() override { ++pumped; }
    void ShowNotice(const std::string&, const std::string&) override { ++notices; }

    std::vector<std::string> status;
    std::string lines[4];
    int range_lower = -1;
    int range_upper = -1;
    std::vector<int> positions;
    int shown = 0;
    int closed = 0;
    int pumped = 0;
    int notices = 0;
};

Item MakeItem(const Cp932& code, const Cp932& name, const Cp932& reading) {
    Item item;
    item.SetFields(code, name, reading);
    return item;
}

std::vector<std::vector<Cp932>> Fields(const CCityCodeData_MainData& database) {
    std::vector<std::vector<Cp932>> result;
    for (const Item& item : database.GetItems()) {
        result.push_back({item.GetField(0), item.GetField(1), item.GetField(2)});
    }
    return result;
}

TEST_F(CityCodeFile, LineEndsCarriageReturnsAndCtrlZ) {
    CCityCodeData_MainData lf;
    CCityCodeData_MainData crlf;
    ASSERT_TRUE(lf.LoadFromFile(Write("01:a:A\n02:b:B\n", "lf.ini")));
    CCityCodeData_MainData unterminated;
    ASSERT_TRUE(crlf.LoadFromFile(Write("01:a:A\r\n02:b:B\r\n", "crlf.ini")));
    ASSERT_TRUE(unterminated.LoadFromFile(Write("01:a:A\n02:b:B", "end.ini")));
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(lf, unterminated);
    EXPECT_EQ(Fields(lf), (std::vector<std::vector<Cp932>>{{"01", "a", "A"}, {"02", "b", "B"}}));
    // A lone carriage return stays in the field; Ctrl-Z ends the text.
    CCityCodeData_MainData odd;
    ASSERT_TRUE(odd.LoadFromFile(Write("01:a\r:A\r\r\n02:b:B\x1A\r\n03:c:C\r\n", "odd.ini")));
    EXPECT_EQ(Fields(odd),
              (std::vector<std::vector<Cp932>>{{"01", "a\r", "A\r"}, {"02", "b", "B"}}));
}

TEST_F(CityCodeFile, CommentsEmptyAndMalformedLinesYieldNothing) {
    CCityCodeData_MainData database;
    CCityCodeLoadReport report;
    ASSERT_TRUE(database.LoadFromFile(
        Write("// header\r\n\r\n1\r\n01:a:A\r\n02:b\r\n03:c:C:x\r\n//04:d:D\r\n05:e:E\r\n"),
        nullptr, &report));
    EXPECT_EQ(Fields(database),
              (std::vector<std::vector<Cp932>>{{"01", "a", "A"}, {"05", "e", "E"}}));
    EXPECT_EQ(report.lines, 8u);
    EXPECT_EQ(report.items, 2u);
}

TEST_F(CityCodeFile, MissingFileOrFolderFailsWithEmptyDatabaseAndNoProgress) {
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
    EXPECT_EQ(sink.shown, 0);
    EXPECT_TRUE(database.LoadFromFile(Write("")));
    EXPECT_EQ(database.GetItemCount(), 0);
}

TEST_F(CityCodeFile, DeviceIsRefusedInsteadOfReadForever) {
    CCityCodeData_MainData database;
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
    const Cp932 name = Utf8ToCp932("千代田区");
    const Cp932 reading = Utf8ToCp932("ﾁﾖﾀﾞｸ");
    for (size_t padding = 0; padding < 40; ++padding) {
        std::string text = "//" + std::string(padding, 'x') + "\r\n";
        std::vector<std::vector<Cp932>> expected;
        int number = 0;
        while (text.size() < 3 * CCityCodeData_MainData::kBlockSize) {
            const Cp932 code = std::to_string(100000 + number++);
            text += code + ":" + name + ":" + reading + "\r\n";
            expected.push_back({code, name, reading});
        }
        CCityCodeData_MainData database;
        ASSERT_TRUE(database.LoadFromFile(Write(text)));
        ASSERT_EQ(Fields(database), expected) << "padding " << padding;
    }
}

TEST_F(CityCodeFile, NulByteSkipsOnlyItsLine) {
    CCityCodeData_MainData database;
    CCityCodeLoadReport report;
    const std::string text("01:a:A\n02:b\0x:B\n03:c:C\n", 22);
    ASSERT_TRUE(database.LoadFromFile(Write(text), nullptr, &report));
    EXPECT_EQ(Fields(database),
              (std::vector<std::vector<Cp932>>{{"01", "a", "A"}, {"03", "c", "C"}}));
    EXPECT_EQ(report.nul_lines, 1u);
}

TEST_F(CityCodeFile, EnormousLineIsSkippedAndFollowingLinesKept) {
    std::string text = "01:a:A\n" + std::string(3 * 1024 * 1024, 'z') + ":b:B\n02:c:C\n" +
                       std::string(CCityCodeData_MainData::kMaxLineLength + 1, 'z');
    CCityCodeData_MainData database;
    CCityCodeLoadReport report;
    ASSERT_TRUE(database.LoadFromFile(Write(text), nullptr, &report));
    EXPECT_EQ(Fields(database),
              (std::vector<std::vector<Cp932>>{{"01", "a", "A"}, {"02", "c", "C"}}));
    EXPECT_EQ(report.too_long_lines, 2u);  // the unterminated last line too
    EXPECT_EQ(report.lines, 4u);
}

TEST_F(CityCodeFile, LineOfTheLongestLengthIsKept) {
    const size_t length = CCityCodeData_MainData::kMaxLineLength;
    const std::string line = "1:a:" + std::string(length - 4, 'r');
    CCityCodeData_MainData database;
    ASSERT_TRUE(database.LoadFromFile(Write(line + "\r\n" + line)));
    EXPECT_EQ(database.GetItemCount(), 2);
}

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
    EXPECT_EQ(Cp932ToUtf8(sink.lines[0]),
              "クイルマーク - 都市コードデータベースファイルの読み込み");
    EXPECT_EQ(Cp932ToUtf8(sink.lines[1]),
              "都市コードデータベースファイルを読み込んでいます。しばらくお待ちください．．．");
    EXPECT_EQ(Cp932ToUtf8(sink.lines[2]), "読み込み元ファイル名 ： " + path);
    EXPECT_EQ(sink.range_lower, 0);
    EXPECT_EQ(sink.range_upper, static_cast<int>(text.size()));
    const size_t blocks =
        (text.size() + CCityCodeData_MainData::kBlockSize - 1) / CCityCodeData_MainData::kBlockSize;
    ASSERT_EQ(sink.positions.size(), blocks + 1);
    EXPECT_EQ(sink.positions.front(), 0);
    EXPECT_EQ(sink.positions[1], static_cast<int>(CCityCodeData_MainData::kBlockSize));
    EXPECT_EQ(sink.positions.back(), static_cast<int>(text.size()));
    EXPECT_EQ(sink.shown, 1);
    EXPECT_EQ(sink.closed, 1);
    EXPECT_EQ(sink.notices, 0);
    ASSERT_GE(sink.status.size(), 3u);
    EXPECT_EQ(Cp932ToUtf8(sink.status[1]),
              "読み込んだ文字列を構築しています。しばらくお待ちください．．．");
    EXPECT_EQ(Cp932ToUtf8(sink.status.back()),
              "都市コードデータベースファイルを読み込んでいます。しばらくお待ちください．．．");
}

TEST(CityCodeMainData, ShippedFileHoldsEveryArea) {
    CCityCodeData_MainData database;
    ASSERT_TRUE(database.LoadFromFile(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"));
    // 48 prefectures, 14 subprefectures, 772 cities, 379 counties, 194 wards.
    ASSERT_EQ(database.GetItemCount(), 1407);
    int by_length[7] = {};
    for (const Item& item : database.GetItems()) {
        const size_t length = item.GetField(Item::kCityCode).size();
        ASSERT_GE(length, 2u);
        ASSERT_LE(length, 6u);
        ++by_length[length];
        EXPECT_FALSE(item.GetField(Item::kCityName).empty());
        EXPECT_FALSE(item.GetField(Item::kReading).empty());
    }
    EXPECT_EQ(by_length[2], 48);
    EXPECT_EQ(by_length[3], 14);
    EXPECT_EQ(by_length[4], 772);
    EXPECT_EQ(by_length[5], 379);
    EXPECT_EQ(by_length[6], 194);

    const auto text = [&](int index) {
        const Item* item = database.GetItemAt(index);
        return Cp932ToUtf8(item->GetField(0) + ":" + item->GetField(1) + ":" + item->GetField(2));
    };
    EXPECT_EQ(text(0), "01:北海道:ﾎｯｶｲﾄﾞｳ");
    EXPECT_EQ(text(1), "101:宗谷:ｿｳﾔ");
    EXPECT_EQ(text(15), "010101:札幌市中央区:ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ");
    EXPECT_EQ(text(1406), "48:小笠原:ｵｶﾞｻﾜﾗ");
    int tokyo = -1;
    for (int i = 0; i < database.GetItemCount(); ++i) {
        if (database.GetItemAt(i)->GetField(0) == "10") {
            tokyo = i;
        }
    }
    ASSERT_GE(tokyo, 0);
    EXPECT_EQ(text(tokyo), "10:東京都:ﾄｳｷｮｳﾄ");
    EXPECT_EQ(text(tokyo + 1), "100101:千代田区:ﾁﾖﾀﾞｸ");
}

TEST(CityCodeMainData, ItemOperationsRefuseInvalidItemsAndIndices) {
    CCityCodeData_MainData database;
    EXPECT_EQ(database.AddItem(Item()), -1);
    EXPECT_EQ(database.AddItem(MakeItem("1", "a", "A")), 0);
    EXPECT_EQ(database.AddItem(MakeItem("2", "b", "B")), 1);
    EXPECT_FALSE(database.SetItemAt(2, MakeItem("3", "c", "C")));
    EXPECT_FALSE(database.SetItemAt(-1, MakeItem("3", "c", "C")));
    EXPECT_FALSE(database.SetItemAt(0, Item()));
    EXPECT_TRUE(database.SetItemAt(0, MakeItem("3", "c", "C")));
    EXPECT_EQ(database.GetItemAt(0)->GetField(0), "3");
    EXPECT_FALSE(database.RemoveItemAt(2));
    EXPECT_TRUE(database.RemoveItemAt(0));
    EXPECT_EQ(database.GetItemCount(), 1);
    EXPECT_EQ(database.GetItemAt(0)->GetField(0), "2");
    EXPECT_EQ(database.GetItemAt(-1), nullptr);
}

TEST(CityCodeMainData, AppendFromAndSumKeepOrder) {
    CCityCodeData_MainData first;
    CCityCodeData_MainData second;
    first.AddItem(MakeItem("1", "a", "A"));
    second.AddItem(MakeItem("2", "b", "B"));
    second.AddItem(MakeItem("3", "c", "C"));
    const CCityCodeData_MainData sum = first + second;
    EXPECT_EQ(Fields(sum),
              (std::vector<std::vector<Cp932>>{{"1", "a", "A"}, {"2", "b", "B"}, {"3", "c", "C"}}));
    first.AppendFrom(first);
    EXPECT_EQ(Fields(first), (std::vector<std::vector<Cp932>>{{"1", "a", "A"}, {"1", "a", "A"}}));
    EXPECT_EQ(second.GetItemCount(), 2);
}

}  // namespace
