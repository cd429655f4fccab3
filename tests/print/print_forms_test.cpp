// The printed forms as page descriptions: page counts, what each page holds and where, and
// that no text leaves its cell.
#include "print/print_forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "../document/document_test_util.h"
#include "model/band_data.h"
#include "print/print_data_log.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::Contest;
using doc_test::Entry;
using doc_test::J;
using doc_test::Utc;

// An A4 page less 5 mm margins at 10 dots per millimetre.
const print::Area kA4{2000, 2870, 10.0};

CQuillmarkData_MainData ContestWith(int entries, int points = 1, int multipliers = 5) {
    CQuillmarkData_MainData contest = Contest();
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

std::vector<int> AllRows(const CQuillmarkData_MainData& contest) {
    std::vector<int> rows(static_cast<size_t>(contest.GetActiveBand()->GetEntryCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// The texts of a page in drawing order.
std::vector<Cp932> Texts(const print::PageDescription& page) {
    std::vector<Cp932> texts;
    for (const auto& text : page.texts) {
        texts.push_back(text.text);
    }
    return texts;
}

int Count(const print::PageDescription& page, const Cp932& wanted) {
    const std::vector<Cp932> texts = Texts(page);
    return static_cast<int>(std::count(texts.begin(), texts.end(), wanted));
}

bool AllInsideTheirCells(const print::PageDescription& page) {
    return std::all_of(page.texts.begin(), page.texts.end(), [&page](const print::PageText& t) {
        return print::TextColumns(t.text) * page.char_width <= t.cell.width;
    });
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

TEST(NormalLog, FortyEntriesASheetWithSubtotalsOnLine47AndTheFrameToLine45) {
    const CQuillmarkSystem settings;
    for (const auto& [entries, pages] : {std::pair{40, 1}, std::pair{41, 2}, std::pair{3, 1}}) {
        const CQuillmarkData_MainData contest = ContestWith(entries, 2);
        const print::LogPrintInput input{contest, settings, {}, 0};
        EXPECT_EQ(print::PageCount(print::kNormalLog, input), pages) << entries;
        print::PageDescription last;
        ASSERT_TRUE(print::BuildPage(print::kNormalLog, pages, input, kA4, last));
        EXPECT_FALSE(print::BuildPage(print::kNormalLog, pages + 1, input, kA4, last));
        const int on_sheet = entries - (pages - 1) * 40;
        // Line 47: the number of entries, the First count and the points of this sheet only.
        CPrintData_Log grid;
        grid.SetArea(kA4.width, kA4.height);
        grid.SetMargins(5, 5, 5, 5);
        grid.SetColumnWidths({20, 3, 12, 3, 21, 2, 21, 3, 9, 3, 4});
        grid.SetLinesPerPage(50);
        std::vector<Cp932> line47;
        for (const auto& text : last.texts) {
            if (text.cell.top == grid.GetLineRect(47).top) {
                line47.push_back(text.text);
            }
        }
        EXPECT_EQ(line47, (std::vector<Cp932>{J("ＴＯＴＡＬＳ  小計"), std::to_string(on_sheet),
                                              J("ＴＯＴＡＬＳ  小計"),
                                              std::to_string(pages == 1 ? std::min(entries, 5) : 0),
                                              std::to_string(2 * on_sheet)}))
            << entries;
        const int frame_bottom = grid.GetLineRect(45).bottom() + grid.GetLineGap() / 2;
        EXPECT_TRUE(std::any_of(last.lines.begin(), last.lines.end(),
                                [frame_bottom](const print::PageLine& l) {
                                    return l.y1 == frame_bottom && l.y2 == frame_bottom;
                                }))
            << entries;
        EXPECT_TRUE(AllInsideTheirCells(last)) << entries;
    }
    const CQuillmarkData_MainData empty = ContestWith(0);
    EXPECT_EQ(print::PageCount(print::kNormalLog, {empty, settings, {}, 0}), 0);
}

TEST(ExtendedLogAndLabels, PrintTheListsRowsInItsOrder) {
    const CQuillmarkSystem settings;
    const CQuillmarkData_MainData contest = ContestWith(50);
    // A search left three rows, shown in this order.
    const print::LogPrintInput input{contest, settings, {7, 2, 30}, 0};
    EXPECT_EQ(print::PageCount(print::kExtendedLog, input), -1);
    EXPECT_EQ(print::PageTotal(print::kExtendedLog, input, kA4), 1);
    EXPECT_EQ(print::PageTotal(print::kCardLabels, input, kA4), 1);
    print::PageDescription extended;
    ASSERT_TRUE(print::BuildPage(print::kExtendedLog, 1, input, kA4, extended));
    std::vector<Cp932> calls;
    for (const Cp932& text : Texts(extended)) {
        if (text.rfind(" JA1A", 0) == 0) {
            calls.push_back(text);
        }
    }
    EXPECT_EQ(calls, (std::vector<Cp932>{" JA1AH", " JA1AC", " JA1AE"}));
    EXPECT_EQ(Count(extended, "---"), 2);  // entries 2 and 30 have no mode
    EXPECT_TRUE(AllInsideTheirCells(extended));

    print::PageDescription labels;
    ASSERT_TRUE(print::BuildPage(print::kCardLabels, 1, input, kA4, labels));
    int froms = 0;
    for (const Cp932& text : Texts(labels)) {
        froms += text.rfind("from : ", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(froms, 3);
    // Entries without a mode show the band alone; entry 7 shows its mode.
    EXPECT_EQ(Count(labels, "7 MHz"), 2);
    EXPECT_EQ(Count(labels, "7 MHz   [ CW ]"), 1);
    EXPECT_FALSE(print::BuildPage(print::kCardLabels, 2, input, kA4, labels));
    EXPECT_EQ(print::PageCount(print::kCardLabels, {contest, settings, {}, 0}), 0);
}

TEST(ExtendedLogAndLabels, AnA4PageHoldsTwoLabelsAcrossAndSevenDown) {
    EXPECT_EQ(print::LabelsPerPage({1800, 2800, 10.0}), 14);
    EXPECT_EQ(print::LabelsPerPage({1799, 2800, 10.0}), 7);
    const CQuillmarkSystem settings;
    const CQuillmarkData_MainData contest = ContestWith(15);
    const print::LogPrintInput input{contest, settings, AllRows(contest), 0};
    EXPECT_EQ(print::PageTotal(print::kCardLabels, input, {1800, 2800, 10.0}), 2);
}

TEST(SummarySheet, TotalsCoefficientAndMultiplierSystem) {
    struct Case {
        int multiplier;  // 1: the received number's second part, -1: none
        int use_coefficient;
        const char* score;
        int score_count;  // without multipliers the points print as the score too
    } const cases[] = {
        // 1,000 contacts of 30,000 points and 1,000 multipliers: far beyond 2^31.
        {1, 0, "30000000000", 1},
        {1, 1, "90000000000", 1},
        {-1, 0, "30000000", 3},
        {-1, 1, "90000000", 1},
    };
    for (const Case& c : cases) {
        CQuillmarkData_MainData contest = Contest(c.multiplier);
        contest.AddBand(model_test::Band(7, 6));
        CQuillmarkData_SubMainData* band = contest.GetBandAt(0);
        for (int i = 0; i < 1000; ++i) {
            band->AddEntry(Entry(contest, Utc(2021, 6, 5, 1, 0) + i, "JA1AA", "599/10",
                                 "599/" + std::to_string(1000 + i), 30000));
        }
        contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
        CQuillmarkSystem settings;
        settings.SetIsUseStationParameter(c.use_coefficient);
        settings.SetStationParameter(3);
        settings.SetAddress(
            J("東京都千代田区丸の内一丁目一番一号　とても長い住所の建物の名前が続いて、"
              "さらに続く二行目まで折り返すほどの長さの住所です"));
        print::PageDescription page;
        ASSERT_TRUE(
            print::BuildPage(print::kSummarySheet, 1, {contest, settings, {}, 0}, kA4, page));
        EXPECT_EQ(Count(page, c.score), c.score_count) << c.score;
        EXPECT_EQ(Count(page, J("×")), (c.multiplier > 0 ? 1 : 0) + c.use_coefficient) << c.score;
        // Contacts of the band and in all; multipliers of both when there are multipliers.
        EXPECT_EQ(Count(page, "1000"), c.multiplier > 0 ? 4 : 2) << c.score;
        EXPECT_TRUE(AllInsideTheirCells(page)) << c.score;
    }
    CQuillmarkData_MainData no_band = Contest();
    EXPECT_EQ(print::PageCount(print::kSummarySheet, {no_band, CQuillmarkSystem(), {}, 0}), 0);
}

TEST(SummarySheet, TheBandTableGrowsOnlyBeyondFourteenBandsAndEmptySettingsStillShowTheBoxes) {
    for (const auto& [bands, lines] : {std::pair{3, 41}, std::pair{14, 41}, std::pair{15, 42}}) {
        CQuillmarkData_MainData contest = Contest();
        for (int b = 0; b < bands; ++b) {
            contest.AddBand(model_test::Band(1000 + 10 * b, 6));
        }
        print::PageDescription page;
        ASSERT_TRUE(print::BuildPage(print::kSummarySheet, 1, {contest, CQuillmarkSystem(), {}, 0},
                                     kA4, page));
        // The signature line is the last of the page: the page has R + 25 lines.
        CPrintData_Log grid;
        grid.SetArea(kA4.width, kA4.height);
        grid.SetMargins(5, 5, 5, 5);
        grid.SetColumnWidths({84});
        grid.SetLinesPerPage(lines);
        const auto signature = std::find_if(page.texts.begin(), page.texts.end(),
                                            [](const auto& t) { return t.text == J("印"); });
        ASSERT_NE(signature, page.texts.end());
        EXPECT_EQ(signature->cell.top, grid.GetLineRect(lines - 25 + 19).top) << bands;
        EXPECT_EQ(Count(page, J("〒   ")), 1);
    }
}

}  // namespace
