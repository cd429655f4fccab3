#include "model/band_data.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../platform/case_table.h"
#include "model/contest.h"
#include "model_test_util.h"

namespace {

using model_test::Band;
using model_test::Bytes;
using model_test::Entry;

constexpr int64_t kTen = 10 * 3600;

// The entries of a band in order: the call sign, " F" after a First one.
std::string Entries(const CQuillmarkData_SubMainData& band) {
    std::string text;
    for (const auto& entry : band.GetEntries()) {
        text += (text.empty() ? "" : ", ") + entry.GetCallSign().GetParameter(0) +
                (entry.GetFirst() ? " F" : "");
    }
    return text;
}

TEST(SubMainData, EntryOperationsCheckTheirIndexAndEntry) {
    CQuillmarkData_SubMainData band;
    for (const auto& c : platform_test::CaseTable("model/entry_operations.txt", 5)) {
        const auto entry = c[2] == "-" ? CQuillmarkData_LogDataItem() : Entry(1, c[2], "59/11");
        std::istringstream numbers(c[1]);
        const std::vector<int> order{std::istream_iterator<int>(numbers), {}};
        const int i = c[1] == "-" ? 0 : std::stoi(c[1]);
        const auto said = [](bool done) { return std::string(done ? "true" : "false"); };
        const std::string answer = c[0] == "add"       ? std::to_string(band.AddEntry(entry))
                                   : c[0] == "set"     ? said(band.SetEntryAt(i, entry))
                                   : c[0] == "reorder" ? said(band.ReorderEntries(order))
                                                       : said(band.RemoveEntryAt(i));
        EXPECT_EQ(answer, c[3]) << c[0] << " " << c[1];
        EXPECT_EQ(Entries(band), c[4]) << c[0] << " " << c[1];
    }
    EXPECT_EQ(band.GetEntryAt(-1), nullptr);
    EXPECT_EQ(band.GetEntryAt(2), nullptr);
    EXPECT_NE(band.GetEntryAt(1), nullptr);
    band.RemoveAllEntries();
    EXPECT_EQ(band.GetEntryCount(), 0);
}

TEST(Rebuild, StableSortMatchesInsertionBeforeTheFirstLaterEntry) {
    // Many equal times in a shuffled order: compare with the insertion the old code did.
    CQuillmarkData_SubMainData band;
    std::vector<CQuillmarkData_LogDataItem> inserted;
    for (int i = 0; i < 300; ++i) {
        const int64_t time = (i * 37) % 11;
        const std::string call = "JA" + std::to_string(1000 + i);
        auto entry = Entry(time, call, "59/11");
        band.AddEntry(entry);
        auto position = inserted.begin();
        while (position != inserted.end() && position->GetTime() <= time) {
            ++position;
        }
        inserted.insert(position, entry);
    }
    band.Rebuild(model_test::Contest(), CQuillmarkData_SubMainData::kRebuildSort);
    EXPECT_EQ(band.GetEntries(), inserted);
}

TEST(Rebuild, FlagsSortAndMarkTheFirstEntries) {
    for (const auto& c : platform_test::CaseTable("model/rebuilds.txt", 5)) {
        CQuillmarkData_SubMainData band;
        for (const std::string& text : platform_test::Items(c[3])) {
            int64_t time = 0;
            std::string call, received, first;
            std::istringstream(text) >> time >> call >> received >> first;
            auto entry = Entry(kTen + time, call, received);
            entry.SetFirst(first == "F");
            band.AddEntry(entry);
        }
        band.Rebuild(model_test::Contest(c[1] == "second" ? 1 : -1), std::stoi(c[2]));
        EXPECT_EQ(Entries(band), c[4]) << c[0];
    }
}

TEST(Rebuild, MultiplierValuesCompareByteForByte) {
    // The multiplier is the second parameter of a format whose parts take any text.
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(
        format.SetFormat(2, 1, {model_test::Attributes(0, -1), model_test::Attributes(0, -1)}));
    auto contest = model_test::Contest();
    ASSERT_TRUE(contest.SetContestNumberType(format));
    CQuillmarkData_SubMainData band;
    for (const char* received : {"59/ab", "59/AB", "59/ab", "59", "59/", "59/ab "}) {
        auto entry = Entry(band.GetEntryCount() + 1, "JA1AAA", "59/12");
        ASSERT_TRUE(entry.SetReceivedContestNumber(model_test::Number(received, format)));
        band.AddEntry(entry);
    }
    band.Rebuild(contest, 6);
    // "59" and "59/" both have an empty multiplier: one value, like any other.
    EXPECT_EQ(Entries(band), "JA1AAA F, JA1AAA F, JA1AAA, JA1AAA F, JA1AAA, JA1AAA F");
}

TEST(SubMainData, CopyAndEquality) {
    CQuillmarkData_SubMainData a;
    a.SetBand(Band(7, 6));
    a.SetMode("CW");
    a.AddEntry(Entry(1, "JA1AAA", "59/12"));
    CQuillmarkData_SubMainData b;
    b.CopyFrom(a);
    EXPECT_EQ(a, b);
    b.SetBand(Band(7000, 3));
    EXPECT_EQ(a, b);  // the same band
    b.SetMode("SSB");
    EXPECT_FALSE(a == b);
    b.SetMode("CW");
    b.AddEntry(Entry(2, "JA1BBB", "59/12"));
    EXPECT_FALSE(a == b);
}

// The smallest body is the bound a count of entries is checked against before allocating.
TEST(SubMainDataArchive, MinimalBodySizeIsTheBoundAHostileEntryCountFailsAgainst) {
    CQuillmarkData_SubMainData band;
    EXPECT_EQ(model_test::Store(band).size(), CQuillmarkData_SubMainData::kMinRecordBytes);
    const std::string bytes =
        Bytes().I32(1).F64(7).I32(6).Str("").I32(0).U16(0).I32(0).U16(0xFFFF).I32(-1).str();
    EXPECT_THROW(model_test::Load<CQuillmarkData_SubMainData>(bytes), CArchiveException);
}

}  // namespace
