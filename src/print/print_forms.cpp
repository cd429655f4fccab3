#include "print/print_forms.h"

#include "citycode/city_code_main_data.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "print/form_support.h"
#include "print/log_sheet_forms.h"

namespace print {
namespace {

bool HasRowsToPrint(const LogPrintInput& input) {
    const CQuillmarkData_SubMainData* band = input.contest.GetActiveBand();
    return band != nullptr && band->GetEntryCount() > 0 && !input.rows.empty();
}

int PagesOf(size_t rows, int per_page) {
    return per_page < 1 || rows == 0 ? 0 : static_cast<int>((rows - 1) / per_page + 1);
}

const std::vector<int> kCityColumns = {30, 3, 40, 3, 40};

CPrintData_Log CityGrid(const Area& area) {
    CPrintData_Log grid = support::GridFor(area, kCityColumns);
    grid.SetLineGap(5);
    return grid;
}

}  // namespace

int PageCount(int type, const LogPrintInput& input) {
    if (!input.contest.IsValid()) {
        return 0;
    }
    switch (type) {
        case kNormalLog:
            return NormalLogPageCount(input);
        case kExtendedLog:
        case kCardLabels:
            return HasRowsToPrint(input) ? -1 : 0;
        case kSummarySheet:
            return input.contest.GetBandCount() > 0 ? 1 : 0;
        default:
            return 0;
    }
}

int PageTotal(int type, const LogPrintInput& input, const Area& area) {
    const int count = PageCount(type, input);
    if (count >= 0) {
        return count;
    }
    return PagesOf(input.rows.size(),
                   type == kExtendedLog ? ExtendedLogRowsPerPage(area) : LabelsPerPage(area));
}

bool BuildPage(int type, int page, const LogPrintInput& input, const Area& area,
               PageDescription& description) {
    if (!input.contest.IsValid() || input.contest.GetActiveBand() == nullptr) {
        if (type != kSummarySheet) {
            return false;
        }
    }
    switch (type) {
        case kNormalLog:
            return BuildNormalLogPage(page, input, area, description);
        case kExtendedLog:
            return BuildExtendedLogPage(page, input, area, description);
        case kCardLabels:
            return BuildCardLabelPage(page, input, area, description);
        case kSummarySheet:
            return page == 1 && BuildSummarySheetPage(input, area, description);
        default:
            return false;
    }
}

int CityCodeListPageTotal(const std::vector<int>& rows, const Area& area) {
    return PagesOf(rows.size(), CityGrid(area).GetLinesPerPage() - 3);
}

bool BuildCityCodeListPage(int page, const CCityCodeData_MainData& database,
                           const std::vector<int>& rows, const Area& area, PageDescription& out) {
    const CPrintData_Log grid = CityGrid(area);
    const int per_page = grid.GetLinesPerPage() - 3;
    const size_t first =
        static_cast<size_t>(std::max(page - 1, 0)) * static_cast<size_t>(std::max(per_page, 0));
    if (page < 1 || per_page < 1 || first >= rows.size()) {
        return false;
    }
    out.char_width = grid.GetCharWidth();
    const Rect line0 = grid.GetLineRect(0);
    support::TabbedText(
        out, line0, support::J("【 都市コードデータ一覧 】  \tSheet No. ") + std::to_string(page),
        {line0.width - 18 * grid.GetCharWidth()});
    out.Box(grid.BoxAround(0, 0, 0, 4));
    const char* const headings[] = {"都市コード", "都市名", "都市名の読み"};
    for (int i = 0; i < 3; ++i) {
        out.Text(grid.GetCellRect(2, 2 * i), support::J(headings[i]));
    }
    out.Box(grid.BoxAround(2, 2, 0, 4));
    for (int k = 0; k < per_page && first + static_cast<size_t>(k) < rows.size(); ++k) {
        const auto* item = database.GetItemAt(rows[first + static_cast<size_t>(k)]);
        if (item == nullptr) {
            continue;
        }
        for (int field = 0; field < 3; ++field) {
            out.Text(grid.GetCellRect(3 + k, 2 * field), item->GetField(field));
        }
    }
    return true;
}

}  // namespace print
