#pragma once

#include <cstdint>
#include <vector>

#include "print/page_description.h"

class CCityCodeData_MainData;
class CQuillmarkData_MainData;
class CQuillmarkSystem;

// The printed forms of a contest log: the normal log sheet (type 1), the extended log (2),
// the card labels (3) and the summary sheet (4), each as page descriptions on the character
// grid; and the list of a city code window. The extended log and the labels print the rows
// of the log list (entry indices of the active band, in the list's order). Nothing here
// changes the contest.
namespace print {

inline constexpr int kNormalLog = 1;
inline constexpr int kExtendedLog = 2;
inline constexpr int kCardLabels = 3;
inline constexpr int kSummarySheet = 4;

struct LogPrintInput {
    const CQuillmarkData_MainData& contest;
    const CQuillmarkSystem& settings;
    // The log list's rows; the extended log and the labels print these.
    std::vector<int> rows;
    // Today's date, for the summary sheet's signature (seconds since 1970).
    int64_t today = 0;
};

// 0 nothing to print; -1 as many pages as the drawing area holds rows for; n > 0 pages.
int PageCount(int type, const LogPrintInput& input);
// The pages a print of type fills on area (0 when there is nothing to print).
int PageTotal(int type, const LogPrintInput& input, const Area& area);
// Page page (from 1) of type on area; false, with nothing drawn, when the page is empty.
bool BuildPage(int type, int page, const LogPrintInput& input, const Area& area,
               PageDescription& description);

// Rows per page of the extended log and labels per page on area.
int ExtendedLogRowsPerPage(const Area& area);
int LabelsPerPage(const Area& area);

// The city code list: heading, header row and one row per list row (database indices).
int CityCodeListPageTotal(const std::vector<int>& rows, const Area& area);
bool BuildCityCodeListPage(int page, const CCityCodeData_MainData& database,
                           const std::vector<int>& rows, const Area& area,
                           PageDescription& description);

}  // namespace print
