// The three forms printed from the log: the normal log sheet of the active band, the
// extended log and the card labels of the log list's rows.

#include "print/log_sheet_forms.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/time_format.h"
#include "platform/time_zone_rule.h"
#include "print/form_support.h"
#include "settings/quillmark_system.h"

namespace print {
namespace {

using support::BandText;
using support::BandUnit;
using support::ItemText;
using support::J;

constexpr int kEntriesPerSheet = 40;
const std::vector<int> kNormalColumns = {20, 3, 12, 3, 21, 2, 21, 3, 9, 3, 4};
const std::vector<int> kExtendedColumns = {20, 3, 12, 3, 21, 2, 21, 3, 9, 3,
                                           4,  3, 8,  3, 6,  3, 8,  3, 19};
constexpr int kExtendedLineGap = 5;
constexpr double kLabelWidthMm = 90.0;
constexpr double kLabelHeightMm = 40.0;
constexpr double kLabelMarginMm = 7.0;

Cp932 Year(const LogPrintInput& input) {
    return FormatTime("%Y", input.contest.GetStartTime(), input.settings.GetDisplayTimeZoneRule());
}

Cp932 Multiplier(const CQuillmarkData_MainData& contest, const CQuillmarkData_LogDataItem& entry) {
    const int index = contest.GetContestNumberType().MultiplierIndexOrNone();
    if (index < 0 || entry.GetFirst() != 1) {
        return {};
    }
    return "  " + Cp932(entry.GetReceivedContestNumber().ParameterView(index));
}

// Columns 0 to 10 of an entry line, shared by the normal and the extended log.
void EntryColumns(PageDescription& page, const CPrintData_Log& grid, int line,
                  const LogPrintInput& input, const CQuillmarkData_LogDataItem& entry) {
    const CQuillmarkSystem& settings = input.settings;
    page.Text(grid.GetCellRect(line, 0),
              FormatTime("%Y %m/%d  %H:%M:%S", entry.GetTime(), settings.GetDisplayTimeZoneRule()));
    page.Text(grid.GetCellRect(line, 2), " " + ItemText(entry.GetCallSign(), settings));
    page.Text(grid.GetCellRect(line, 4), ItemText(entry.GetSentContestNumber(), settings));
    page.Text(grid.GetCellRect(line, 6), ItemText(entry.GetReceivedContestNumber(), settings));
    page.Text(grid.GetCellRect(line, 8), Multiplier(input.contest, entry));
    page.Text(grid.GetCellRect(line, 10), std::to_string(entry.GetPoints()), Align::kRight);
}

void HeadingColumns(PageDescription& page, const CPrintData_Log& grid, int line) {
    const char* const texts[] = {" 年  月/日  時:分:秒", " 交 信 局", "   Sent 送信",
                                 "   RCVD 受信",         "ﾏﾙﾁﾌﾟﾗｲﾔｰ", "得点"};
    for (int i = 0; i < 6; ++i) {
        page.Text(grid.GetCellRect(line, 2 * i), J(texts[i]));
    }
}

const CQuillmarkData_LogDataItem* RowEntry(const LogPrintInput& input, size_t row) {
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    if (band == nullptr || row >= input.rows.size()) {
        return nullptr;
    }
    return band->GetEntryAt(input.rows[row]);
}

CPrintData_Log ExtendedGrid(const Area& area) {
    CPrintData_Log grid = support::GridFor(area, kExtendedColumns);
    grid.SetLineGap(kExtendedLineGap);
    return grid;
}

}  // namespace

int NormalLogPageCount(const LogPrintInput& input) {
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    if (band == nullptr || band->GetEntryCount() == 0) {
        return 0;
    }
    return (band->GetEntryCount() - 1) / kEntriesPerSheet + 1;
}

bool BuildNormalLogPage(int page, const LogPrintInput& input, const Area& area,
                        PageDescription& out) {
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    const int first = (page - 1) * kEntriesPerSheet;
    if (band == nullptr || page < 1 || first >= band->GetEntryCount()) {
        return false;
    }
    CPrintData_Log grid = support::GridFor(area, kNormalColumns);
    grid.SetLinesPerPage(50);
    out.char_width = grid.GetCharWidth();
    const int w = grid.GetCharWidth();
    const CQuillmarkSystem& settings = input.settings;

    const Rect line1 = grid.GetLineRect(1);
    support::TabbedText(out, line1,
                        J("LOG SHEET\t") + Year(input) + "\t" + input.contest.GetContestName(),
                        {line1.width / 2 - 2 * w, line1.width * 3 / 5});
    const Rect line2 = grid.GetLineRect(2);
    support::TabbedText(out, line2,
                        "CALL     " + ItemText(input.contest.GetOwnCallSign(), settings) +
                            "\tBAND     " +
                            BandText(band->GetBand(), settings, BandUnit::kHalfWithHz) +
                            "\tSheet No. " + std::to_string(page),
                        {line2.width / 2, line2.width * 4 / 5});

    Cp932 zone = "UTC";
    if (!settings.IsDisplayingUtc()) {
        zone = CTimeZoneRule::Local().StandardName();
        if (zone.empty()) {
            zone = "JST";
        }
    }
    out.Text(grid.GetCellRect(4, 0), "   DATE    TIME(" + zone + ")");
    out.Text(grid.GetCellRect(4, 2), "Station WKD.");
    out.Text(grid.GetCellsRect(4, 4, 6), J("   Exchange  コンテストナンバー"));
    out.Text(grid.GetCellRect(4, 8), "  Multi");
    out.Text(grid.GetCellRect(4, 10), "PTS.");
    HeadingColumns(out, grid, 5);
    out.Box(grid.BoxAround(4, 45, 0, 10));
    const Rect frame = grid.BoxAround(4, 45, 0, 10);
    out.Line(frame.left, grid.RuleUnder(5), frame.right(), grid.RuleUnder(5));

    int count = 0;
    int firsts = 0;
    int64_t points = 0;
    for (int k = 0; k < kEntriesPerSheet && first + k < band->GetEntryCount(); ++k) {
        const CQuillmarkData_LogDataItem& entry = band->GetEntries()[first + k];
        EntryColumns(out, grid, 6 + k, input, entry);
        if (k < kEntriesPerSheet - 1) {
            out.Line(frame.left, grid.RuleUnder(6 + k), frame.right(), grid.RuleUnder(6 + k),
                     Pen::kDotted);
        }
        ++count;
        firsts += entry.GetFirst() == 1 ? 1 : 0;
        points += entry.GetPoints();
    }
    out.Text(grid.GetCellRect(47, 0), J("ＴＯＴＡＬＳ  小計"), Align::kCenter);
    out.Text(grid.GetCellRect(47, 2), std::to_string(count), Align::kCenter);
    out.Text(grid.GetCellRect(47, 6), J("ＴＯＴＡＬＳ  小計"), Align::kCenter);
    out.Text(grid.GetCellRect(47, 8), std::to_string(firsts), Align::kCenter);
    out.Text(grid.GetCellRect(47, 10), std::to_string(points), Align::kRight);
    return true;
}

int ExtendedLogRowsPerPage(const Area& area) {
    return std::max(ExtendedGrid(area).GetLinesPerPage() - 3, 0);
}

bool BuildExtendedLogPage(int page, const LogPrintInput& input, const Area& area,
                          PageDescription& out) {
    const int rows = ExtendedLogRowsPerPage(area);
    const size_t first = static_cast<size_t>(std::max(page - 1, 0)) * static_cast<size_t>(rows);
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    if (band == nullptr || page < 1 || rows < 1 || first >= input.rows.size()) {
        return false;
    }
    const CPrintData_Log grid = ExtendedGrid(area);
    out.char_width = grid.GetCharWidth();
    const int w = grid.GetCharWidth();
    const CQuillmarkSystem& settings = input.settings;

    const Rect line0 = grid.GetLineRect(0);
    support::TabbedText(out, line0,
                        J("【 ") + input.contest.GetContestName() + J(" 】  ") + Year(input) +
                            J(" 年 - ") +
                            BandText(band->GetBand(), settings, BandUnit::kFullWidthBand) +
                            "\tSheet No. " + std::to_string(page),
                        {line0.width - 18 * w});
    out.Box(grid.BoxAround(0, 0, 0, 18));
    HeadingColumns(out, grid, 2);
    const char* const more[] = {"電波型式", "呼出法", "要 送 受", "コメント"};
    for (int i = 0; i < 4; ++i) {
        out.Text(grid.GetCellRect(2, 12 + 2 * i), J(more[i]));
    }
    out.Box(grid.BoxAround(2, 2, 0, 18));

    const Cp932 mark = J("○");
    const Cp932 none = J("－");
    for (int k = 0; k < rows; ++k) {
        const CQuillmarkData_LogDataItem* entry = RowEntry(input, first + static_cast<size_t>(k));
        if (entry == nullptr) {
            if (first + static_cast<size_t>(k) >= input.rows.size()) {
                break;
            }
            continue;
        }
        const int line = 3 + k;
        EntryColumns(out, grid, line, input, *entry);
        out.Text(grid.GetCellRect(line, 12),
                 entry->GetMode().empty() ? Cp932("---") : entry->GetMode());
        out.Text(grid.GetCellRect(line, 14), entry->GetCallingMethod() == 1 ? "CQ" : "Non-CQ");
        Cp932 cards;
        for (const int flag :
             {CQuillmarkData_LogDataItem::kCardRequested, CQuillmarkData_LogDataItem::kCardSent,
              CQuillmarkData_LogDataItem::kCardReceived}) {
            cards += (cards.empty() ? "" : " ") + (entry->HasCardFlag(flag) ? mark : none);
        }
        out.Text(grid.GetCellRect(line, 16), cards);
        out.Text(grid.GetCellRect(line, 18), entry->GetComment());
    }
    return true;
}

int LabelsPerPage(const Area& area) {
    const int width = static_cast<int>(kLabelWidthMm * area.dots_per_mm);
    const int height = static_cast<int>(kLabelHeightMm * area.dots_per_mm);
    if (width <= 0 || height <= 0) {
        return 0;
    }
    return (area.width / width) * (area.height / height);
}

bool BuildCardLabelPage(int page, const LogPrintInput& input, const Area& area,
                        PageDescription& out) {
    const int per_page = LabelsPerPage(area);
    const size_t first = static_cast<size_t>(std::max(page - 1, 0)) * static_cast<size_t>(per_page);
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    if (band == nullptr || page < 1 || per_page < 1 || first >= input.rows.size()) {
        return false;
    }
    const int label_width = static_cast<int>(kLabelWidthMm * area.dots_per_mm);
    const int label_height = static_cast<int>(kLabelHeightMm * area.dots_per_mm);
    const int margin = static_cast<int>(kLabelMarginMm * area.dots_per_mm);
    const int across = area.width / label_width;
    const CQuillmarkSystem& settings = input.settings;
    bool any = false;
    for (int n = 0; n < per_page; ++n) {
        const CQuillmarkData_LogDataItem* entry = RowEntry(input, first + static_cast<size_t>(n));
        if (first + static_cast<size_t>(n) >= input.rows.size()) {
            break;
        }
        if (entry == nullptr) {
            continue;
        }
        any = true;
        const int left = (n % across) * label_width;
        const int top = (n / across) * label_height;
        CPrintData_Log grid;
        grid.SetArea(label_width, label_height);
        grid.SetMargins(margin, margin, margin, margin);
        grid.SetColumnWidths({15, 2, 35});
        grid.SetLinesPerPage(8);
        out.char_width = grid.GetCharWidth();
        const auto at = [left, top](Rect r) {
            r.left += left;
            r.top += top;
            return r;
        };
        out.Box({left + margin / 4, top + margin / 4, label_width - margin / 2,
                 label_height - margin / 2},
                Pen::kLightGrey);
        for (int line = 0; line < 8; ++line) {
            const Rect row = at(grid.GetLineRect(line));
            out.Line(row.left - margin / 2, top + grid.RuleUnder(line), row.right() + margin / 2,
                     top + grid.RuleUnder(line), Pen::kLightGrey);
        }
        out.Text(at(grid.GetCellsRect(0, 0, 2)),
                 "from : " + ItemText(input.contest.GetOwnCallSign(), settings) +
                     "     to : " + ItemText(entry->GetCallSign(), settings));
        const auto field = [&](int line, const char* name, const Cp932& value) {
            if (name != nullptr) {
                out.Text(at(grid.GetCellRect(line, 0)), name, Align::kRight);
                out.Text(at(grid.GetCellRect(line, 1)), ":", Align::kCenter);
            }
            out.Text(at(grid.GetCellRect(line, 2)), value);
        };
        field(1, settings.IsDisplayingUtc() ? "Date (UTC)" : "Date (JST)",
              FormatTime("%#Y %#m/%#d  %#H:%M:%S", entry->GetTime(),
                         settings.GetDisplayTimeZoneRule()));
        field(2, "Exchange", "Sent  " + ItemText(entry->GetSentContestNumber(), settings));
        field(3, nullptr, "RCVD  " + ItemText(entry->GetReceivedContestNumber(), settings));
        field(5, "ContestName", input.contest.GetContestName());
        Cp932 band_text = BandText(band->GetBand(), settings, BandUnit::kHalfWithHz);
        if (!entry->GetMode().empty()) {
            band_text += "   [ " + entry->GetMode() + " ]";
        }
        field(6, "Band", band_text);
    }
    return any;
}

}  // namespace print
