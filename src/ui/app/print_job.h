#pragma once

#include <vector>

class QPrinter;
class QWidget;
class CCityCodeData_MainData;
class CQuillmarkDoc;
class CQuillmarkSystem;
class IOperator;

// Printing from the program: the current print type of a contest (or a city code list) on
// the printer, after the print dialog unless asked to print directly, or in the preview.
// A form with nothing to print is refused before any dialog; the pages are drawn one at a
// time with a progress window whose Cancel stops the print. Printing never changes the
// document.
namespace print_job {

struct Request {
    QPrinter& printer;
    QWidget* parent = nullptr;
    bool preview = false;
    // Straight to the printer, without the print dialog.
    bool direct = false;
};

// rows: the log list's rows, what the extended log and the labels print.
bool PrintContest(const Request& request, IOperator& op, const CQuillmarkSystem& settings,
                  const CQuillmarkDoc& document, const std::vector<int>& rows);
bool PrintCityCodes(const Request& request, IOperator& op, const CCityCodeData_MainData& database,
                    const std::vector<int>& rows);

}  // namespace print_job
