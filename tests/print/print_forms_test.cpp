// The printed forms as page descriptions: page counts, and each page's texts with their
// cells and its lines, whole in golden files; no text may leave its cell.
#include "print/print_forms.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "../document/document_test_util.h"
#include "../platform/golden.h"
#include "model/band_data.h"
#include "print/print_data_log.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::Contest;
using doc_test::Entry;
using doc_test::J;
using doc_test::U;
using doc_test::Utc;
using platform_test::ExpectGolden;

// An A4 page less 5 mm margins at 10 dots per millimetre.
const print::Area kA4{2000, 2870, 10.0};

// A 7 MHz contest with a long name; entry i is JA1A plus a letter, without a mode when i is
// even, on one of `multipliers` received numbers.
CQuillmarkData_MainData ContestWith(int entries, int points = 1, int multipliers = 5,
                                    int multiplier = 1) {
    CQuillmarkData_MainData contest = Contest(multiplier);
    contest.SetContestName(J("とても長い名前のコンテスト・全日本ＱＳＯパーティー記念大会２０２６"));
    contest.AddBand(model_test::Band(7, 6));
    CQuillmarkData_SubMainData* band = contest.GetBandAt(0);
    for (int i = 0; i < entries; ++i) {
        band->AddEntry(Entry(
            contest, Utc(2021, 6, 5, 1, 0) + i, "JA1A" + std::string(1, 'A' + i % 26), "599/10",
            "599/" + std::to_string(10 + i % multipliers), points, i % 2 == 0 ? "" : "CW"));
    }
    contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
    contest.SetActiveBandAt(0);
    return contest;
}

// Builds every page of the form: "top left+width align: text" per text, then the lines;
// each text must fit its cell.
std::string Pages(int type, const print::LogPrintInput& input) {
    std::ostringstream out;
    const int total = print::PageTotal(type, input, kA4);
    print::PageDescription page;
    for (int number = 1; number <= total; ++number) {
        page = {};
        EXPECT_TRUE(print::BuildPage(type, number, input, kA4, page)) << number;
        out << "--- page " << number << " of " << total << "\n";
        for (const print::PageText& t : page.texts) {
            EXPECT_LE(print::TextColumns(t.text) * page.char_width, t.cell.width) << U(t.text);
            out << t.cell.top << " " << t.cell.left << "+" << t.cell.width << " "
                << static_cast<int>(t.align) << ": " << U(t.text) << "\n";
        }
        for (const print::PageLine& l : page.lines) {
            out << "line " << l.x1 << "," << l.y1 << " " << l.x2 << "," << l.y2 << " "
                << static_cast<int>(l.pen) << "\n";
        }
    }
    EXPECT_FALSE(print::BuildPage(type, total + 1, input, kA4, page));
    return out.str();
}

TEST(PrintDataLog, GridFollowsFromColumnsLinesAndGap) {
    CPrintData_Log grid;
    grid.SetArea(1010, 2000);
    grid.SetMargins(5, 5, 5, 5);
    grid.SetColumnWidths({20, 3, 77});  // 100 characters in 1000 units
    EXPECT_EQ(grid.GetCharWidth(), 10);
    grid.SetLinesPerPage(50);  // (1990 - 50 × 20) / 49
    EXPECT_EQ(grid.GetLineGap(), 20);
    EXPECT_EQ(grid.GetCellRect(2, 2), (print::Rect{5 + 230, 5 + 2 * 40, 770, 20}));
    EXPECT_EQ(grid.RuleUnder(0), 5 + 20 + 10);
    EXPECT_EQ(grid.BoxAround(1, 2, 0, 0), (print::Rect{3, 5 + 40 - 10, 200 + 4, 80}));
    grid.SetLineGap(20);
    EXPECT_EQ(grid.GetLinesPerPage(), 50);
}

// Forty entries a normal log sheet; the extended log and the labels print the list's rows
// (-1: counted by the area), fourteen labels on an A4 page (two across, seven down).
TEST(PrintForms, PageCountsFollowTheEntriesTheRowsAndTheArea) {
    const CQuillmarkSystem settings;
    for (const auto& [entries, pages] : {std::pair{40, 1}, {41, 2}, {3, 1}, {0, 0}}) {
        const CQuillmarkData_MainData contest = ContestWith(entries);
        EXPECT_EQ(print::PageCount(print::kNormalLog, {contest, settings, {}, 0}), pages);
    }
    const CQuillmarkData_MainData contest = ContestWith(15);
    std::vector<int> rows(15);
    std::iota(rows.begin(), rows.end(), 0);
    const print::LogPrintInput input{contest, settings, rows, 0};
    EXPECT_EQ(print::PageCount(print::kExtendedLog, input), -1);
    EXPECT_EQ(print::PageCount(print::kCardLabels, {contest, settings, {}, 0}), 0);
    EXPECT_EQ(print::LabelsPerPage({1800, 2800, 10.0}), 14);
    EXPECT_EQ(print::LabelsPerPage({1799, 2800, 10.0}), 7);
    EXPECT_EQ(print::PageTotal(print::kCardLabels, input, {1800, 2800, 10.0}), 2);
    CQuillmarkData_MainData no_band = Contest();
    EXPECT_EQ(print::PageCount(print::kSummarySheet, {no_band, settings, {}, 0}), 0);
}

// The normal log's subtotals on line 47 count this sheet only (3 entries; the second sheet
// of 41); the extended log and the labels print three rows a search left, in its order.
TEST(PrintForms, LogPagesExtendedLogAndLabels) {
    const CQuillmarkSystem settings;
    std::string normal;
    for (const int entries : {3, 41}) {
        const CQuillmarkData_MainData contest = ContestWith(entries, 2);
        normal += Pages(print::kNormalLog, {contest, settings, {}, 0});
    }
    ExpectGolden("print/normal_log", normal);
    const CQuillmarkData_MainData contest = ContestWith(50);
    const print::LogPrintInput input{contest, settings, {7, 2, 30}, 0};
    ExpectGolden("print/extended_log", Pages(print::kExtendedLog, input));
    ExpectGolden("print/card_labels", Pages(print::kCardLabels, input));
}

// 1,000 contacts of 30,000 points on 1,000 multipliers: a score far beyond 2^31, with and
// without the coefficient and the multiplier system; a long address; then the band table,
// which grows only beyond fourteen bands, on empty settings.
TEST(PrintForms, SummarySheets) {
    std::string sheets;
    for (const auto& [multiplier, coefficient] : {std::pair{1, 0}, {1, 1}, {-1, 0}, {-1, 1}}) {
        const CQuillmarkData_MainData contest = ContestWith(1000, 30000, 1000, multiplier);
        CQuillmarkSystem settings;
        settings.SetIsUseStationParameter(coefficient);
        settings.SetStationParameter(3);
        settings.SetAddress(
            J("東京都千代田区丸の内一丁目一番一号　とても長い住所の建物の名前が続いて、"
              "さらに続く二行目まで折り返すほどの長さの住所です"));
        sheets += "=== multiplier " + std::to_string(multiplier) + ", coefficient " +
                  std::to_string(coefficient) + "\n" +
                  Pages(print::kSummarySheet, {contest, settings, {}, 0});
    }
    ExpectGolden("print/summary_sheets", sheets);
    std::string bands;
    for (const int count : {14, 15}) {
        CQuillmarkData_MainData contest = Contest();
        for (int b = 0; b < count; ++b) {
            contest.AddBand(model_test::Band(1000 + 10 * b, 6));
        }
        bands += Pages(print::kSummarySheet, {contest, CQuillmarkSystem(), {}, 0});
    }
    ExpectGolden("print/summary_band_tables", bands);
}

}  // namespace
