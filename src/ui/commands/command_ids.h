#pragma once

// The program's command ids. The numbers are those the program has always used, so a
// command keeps its identity in every table (menus, toolbars, keys, rules).
namespace cmd {

enum Id : int {
    kNone = 0,

    // Files, printing, windows, help (the framework's own commands).
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileClose = 57602,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrintSetup = 57606,
    kFilePrint = 57607,
    kFilePrintPreview = 57609,
    kFileMru1 = 57616,  // .. kFileMru1 + 8
    kWindowNew = 57648,
    kWindowArrange = 57649,
    kWindowCascade = 57650,
    kWindowTileHorizontal = 57651,
    kWindowTileVertical = 57652,
    kAppAbout = 57664,
    kAppExit = 57665,
    kHelpFinder = 57667,
    kContextHelp = 57669,
    kHelp = 57670,
    kNextPane = 57680,
    kPreviousPane = 57681,
    kViewToolbar = 59392,
    kViewStatusBar = 59393,

    // Main frame.
    kSystemSettings = 32771,
    kSummarySheetInformation = 32847,
    kViewLogMenuToolbar = 32850,

    // Contest window.
    kInputLogData = 32776,
    kChangeContest = 32777,
    kViewLog = 32778,
    kViewContestInformation = 32779,
    kViewGraph = 32780,
    kChangeLogData = 32781,
    kDeleteLogData = 32782,
    kSearchLogData = 32783,
    kSearchCityCodeDatabase = 32784,
    kCleanLogData = 32786,
    kManualInputLogData = 32787,
    kPrintNormalLog = 32788,
    kPrintExtendedLog = 32789,
    kChangePoints = 32790,
    kChangeCardData = 32791,
    kChangeSentContestNumbers = 32792,
    kSortByCallSign = 32794,
    kSortByDateTime = 32796,
    kSortBySentContestNumber = 32797,
    kSortByReceivedContestNumber = 32798,
    kSortByFirst = 32799,
    kSortByPoints = 32800,
    kSortByCardRequested = 32801,
    kSortByCardSent = 32802,
    kSortByCardReceived = 32803,
    kSortByComment = 32804,
    kSelectAll = 32805,
    kDeselectAll = 32806,
    kInvertSelection = 32807,
    kShowOnlySelected = 32808,
    kHideSelected = 32809,
    kViewContestStatusBar = 32810,
    kPrintCardLabels = 32811,
    kViewLargeIcons = 32814,
    kViewSmallIcons = 32815,
    kViewList = 32816,
    kViewDetails = 32817,
    kResetList = 32821,
    kOptimizeColumnWidths = 32834,
    kExportText = 32835,
    // Beyond the original menus: the log in a submission format.
    kExportSubmission = 32900,
    kChangeModes = 32837,
    kChangeCallingMethods = 32838,
    kSortByMode = 32839,
    kSortByCallingMethod = 32841,
    kAddNewBand = 32842,
    kChangeBandSettings = 32843,
    kDeleteExistingBand = 32844,
    kActivateBand = 32845,
    kImportLogData = 32846,
    kPrintSummarySheet = 32875,
    kGraphSettings = 32876,

    // City code window.
    kCitySortByCode = 32818,
    kCitySortByName = 32819,
    kCitySortByReading = 32820,
    kCitySearch = 32822,
    kCityNextCandidate = 32823,
    kCityPreviousCandidate = 32824,
    kCityFindNext = 32825,
    kCityFindPrevious = 32826,
    kCityIncludedInSearch = 32832,
};

inline constexpr int kRecentFileCount = 9;

constexpr bool IsRecentFile(int id) {
    return id >= kFileMru1 && id < kFileMru1 + kRecentFileCount;
}

}  // namespace cmd
