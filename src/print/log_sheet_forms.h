#pragma once

#include "print/print_forms.h"

// The forms of the log itself, used by print_forms' dispatch.
namespace print {

int NormalLogPageCount(const LogPrintInput& input);
bool BuildNormalLogPage(int page, const LogPrintInput& input, const Area& area,
                        PageDescription& out);
bool BuildExtendedLogPage(int page, const LogPrintInput& input, const Area& area,
                          PageDescription& out);
bool BuildCardLabelPage(int page, const LogPrintInput& input, const Area& area,
                        PageDescription& out);
bool BuildSummarySheetPage(const LogPrintInput& input, const Area& area, PageDescription& out);

}  // namespace print
