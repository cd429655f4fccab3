#include "ui/commands/command_rules.h"

#include "ui/commands/command_ids.h"

namespace command_rules {
namespace {

using namespace cmd;

CommandState Enabled(bool enabled) {
    return {enabled, false};
}

CommandState Checked(bool checked) {
    return {true, checked};
}

int ListStyleOf(int id) {
    switch (id) {
        case kViewLargeIcons:
            return kLargeIcons;
        case kViewSmallIcons:
            return kSmallIcons;
        case kViewList:
            return kList;
        default:
            return kDetails;
    }
}

int PrintTypeOf(int id) {
    switch (id) {
        case kPrintNormalLog:
            return 1;
        case kPrintExtendedLog:
            return 2;
        case kPrintCardLabels:
            return 3;
        default:
            return 4;
    }
}

}  // namespace

std::optional<CommandState> ForContestWindow(int id, const ContestWindow& w) {
    const bool log_active = w.active_view == ContestWindow::kLog;
    switch (id) {
        case kInputLogData:
        case kManualInputLogData:
        case kChangeBandSettings:
            return Enabled(w.has_active_band);
        case kChangeLogData:
        case kDeleteLogData:
            return Enabled(log_active && w.selected == 1);
        case kChangeSentContestNumbers:
        case kChangePoints:
        case kChangeModes:
        case kChangeCallingMethods:
        case kChangeCardData:
        case kShowOnlySelected:
        case kHideSelected:
            return Enabled(log_active && w.selected >= 1);
        case kSearchLogData:
            return Enabled(w.has_active_band && w.active_band_entries >= 1);
        case kSelectAll:
        case kDeselectAll:
        case kInvertSelection:
            return Enabled(log_active);
        case kDeleteExistingBand:
        case kActivateBand:
            return Enabled(w.active_view == ContestWindow::kContestInformation &&
                           w.band_node_selected);
        case kFileSave:
            return Enabled(w.modified);
        case kViewContestInformation:
            return Checked(w.active_view == ContestWindow::kContestInformation);
        case kViewLog:
            return Checked(log_active);
        case kViewGraph:
            return Checked(w.active_view == ContestWindow::kGraph);
        case kViewContestStatusBar:
            return Checked(w.contest_status_bar_visible);
        case kPrintNormalLog:
        case kPrintExtendedLog:
        case kPrintCardLabels:
        case kPrintSummarySheet:
            return Checked(w.print_type == PrintTypeOf(id));
        case kViewLargeIcons:
        case kViewSmallIcons:
        case kViewList:
        case kViewDetails:
            return Checked(w.list_style == ListStyleOf(id));
        case kChangeContest:
        case kSearchCityCodeDatabase:
        case kCleanLogData:
        case kImportLogData:
        case kAddNewBand:
        case kExportText:
        case kExportSubmission:
        case kFileSaveAs:
        case kFileClose:
        case kFilePrint:
        case kFilePrintPreview:
        case kSortByDateTime:
        case kSortByCallSign:
        case kSortBySentContestNumber:
        case kSortByReceivedContestNumber:
        case kSortByFirst:
        case kSortByPoints:
        case kSortByMode:
        case kSortByCallingMethod:
        case kSortByCardRequested:
        case kSortByCardSent:
        case kSortByCardReceived:
        case kSortByComment:
        case kOptimizeColumnWidths:
        case kResetList:
        case kGraphSettings:
        case kNextPane:
        case kPreviousPane:
            return Enabled(true);
        default:
            return std::nullopt;
    }
}

std::optional<CommandState> ForCityCodeWindow(int id, const CityCodeWindow& w) {
    switch (id) {
        case kCityNextCandidate:
        case kCityPreviousCandidate:
            return Enabled(w.has_current_row);
        case kCityFindNext:
        case kCityFindPrevious:
            // Without a condition the command asks for one first, so it only needs a row.
            return Enabled(w.has_current_row);
        case kShowOnlySelected:
        case kHideSelected:
            return Enabled(w.selected >= 1);
        case kFileSave:
        case kFileSaveAs:
            return Enabled(false);
        case kViewLargeIcons:
        case kViewSmallIcons:
        case kViewList:
        case kViewDetails:
            return Checked(w.list_style == ListStyleOf(id));
        case kCityIncludedInSearch:
            return Checked(w.included_in_search);
        case kCitySearch:
        case kSelectAll:
        case kDeselectAll:
        case kInvertSelection:
        case kCitySortByCode:
        case kCitySortByName:
        case kCitySortByReading:
        case kResetList:
        case kOptimizeColumnWidths:
        case kFileClose:
        case kFilePrint:
        case kFilePrintPreview:
            return Enabled(true);
        default:
            return std::nullopt;
    }
}

std::optional<CommandState> ForMainFrame(int id, const MainFrame& f) {
    if (IsRecentFile(id)) {
        return Enabled(id - kFileMru1 < f.recent_files);
    }
    switch (id) {
        case kViewToolbar:
            return Checked(f.toolbar_visible);
        case kViewLogMenuToolbar:
            return Checked(f.log_toolbar_visible);
        case kViewStatusBar:
            return Checked(f.status_bar_visible);
        case kWindowNew:
        case kWindowCascade:
        case kWindowTileHorizontal:
        case kWindowArrange:
            return Enabled(f.child_count > 0);
        case kFileNew:
        case kFileOpen:
        case kFilePrintSetup:
        case kAppExit:
        case kAppAbout:
        case kHelpFinder:
        case kContextHelp:
        case kSystemSettings:
        case kSummarySheetInformation:
            return Enabled(true);
        default:
            return std::nullopt;
    }
}

}  // namespace command_rules
