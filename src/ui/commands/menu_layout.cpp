#include "ui/commands/menu_layout.h"

#include "ui/commands/command_ids.h"

namespace menu_layout {
namespace {

using namespace cmd;

const MenuItem kSep{};

MenuItem Sub(const char* title, std::vector<MenuItem> children) {
    return {0, title, std::move(children)};
}

MenuItem Sub(const char* title, std::initializer_list<int> ids) {
    std::vector<MenuItem> children;
    for (int id : ids) {
        children.push_back({id});
    }
    return Sub(title, std::move(children));
}

MenuItem ViewStyles(const char* title) {
    return Sub(title, {kViewLargeIcons, kViewSmallIcons, kViewList, kViewDetails});
}

MenuItem FileMenu(bool contest) {
    std::vector<MenuItem> items = {{kFileNew}, {kFileOpen}};
    if (contest) {
        items.insert(items.end(), {{kFileClose},
                                   {kFileSave},
                                   {kFileSaveAs},
                                   kSep,
                                   {kExportText},
                                   {kExportSubmission},
                                   kSep,
                                   Sub("印刷の種類(&K)", {kPrintNormalLog, kPrintExtendedLog,
                                                          kPrintCardLabels, kPrintSummarySheet}),
                                   {kFilePrint},
                                   {kFilePrintPreview}});
    }
    items.insert(items.end(), {{kFilePrintSetup}, kSep, {kRecentFiles}, kSep, {kAppExit}});
    return Sub("ファイル(&F)", std::move(items));
}

MenuItem CityCodeFileMenu() {
    return Sub("ファイル(&F)", {{kFileNew},
                                {kFileOpen},
                                {kFileClose},
                                {kFileSave},
                                {kFileSaveAs},
                                kSep,
                                {kFilePrint},
                                {kFilePrintPreview},
                                {kFilePrintSetup},
                                kSep,
                                {kRecentFiles},
                                kSep,
                                {kAppExit}});
}

MenuItem EditMenu() {
    return Sub("編集(&E)", {{kSelectAll},
                            {kDeselectAll},
                            {kInvertSelection},
                            kSep,
                            {kShowOnlySelected},
                            {kHideSelected}});
}

std::vector<MenuItem> BarsItems() {
    return {{kViewToolbar}, {kViewLogMenuToolbar}, {kViewStatusBar}};
}

MenuItem OptionsMenu() {
    return Sub("オプション(&O)", {kSystemSettings, kSummarySheetInformation});
}

MenuItem WindowMenu() {
    return Sub("ウィンドウ(&W)", {{kWindowNew},
                                  {kWindowCascade},
                                  {kWindowTileHorizontal},
                                  {kWindowArrange},
                                  kSep,
                                  {kWindowList}});
}

MenuItem HelpMenu() {
    return Sub("ヘルプ(&H)", {{kHelpFinder}, {kContextHelp}, kSep, {kAppAbout}});
}

std::vector<MenuItem> NoDocumentBar() {
    std::vector<MenuItem> view = BarsItems();
    return {FileMenu(false), Sub("表示(&V)", std::move(view)), OptionsMenu(), HelpMenu()};
}

std::vector<MenuItem> ContestBar() {
    std::vector<MenuItem> view = BarsItems();
    view.insert(view.end(),
                {{kViewContestStatusBar},
                 kSep,
                 {kViewContestInformation},
                 {kViewLog},
                 {kViewGraph},
                 kSep,
                 {kViewLargeIcons},
                 {kViewSmallIcons},
                 {kViewList},
                 {kViewDetails},
                 kSep,
                 Sub("ﾘｽﾄのｿｰﾄ(&T)", {kSortByDateTime, kSortByCallSign, kSortBySentContestNumber,
                                      kSortByReceivedContestNumber, kSortByFirst, kSortByPoints,
                                      kSortByMode, kSortByCallingMethod, kSortByCardRequested,
                                      kSortByCardSent, kSortByCardReceived, kSortByComment}),
                 {kOptimizeColumnWidths},
                 {kResetList},
                 kSep,
                 {kGraphSettings}});
    return {FileMenu(true),
            EditMenu(),
            Sub("表示(&V)", std::move(view)),
            Sub("コンテスト(&C)", {{kChangeContest},
                                   kSep,
                                   {kAddNewBand},
                                   {kChangeBandSettings},
                                   {kDeleteExistingBand},
                                   {kActivateBand},
                                   kSep,
                                   {kImportLogData},
                                   {kCleanLogData}}),
            Sub("ログ(&L)", {{kInputLogData},
                             {kManualInputLogData},
                             kSep,
                             {kChangeLogData},
                             {kDeleteLogData},
                             kSep,
                             {kChangeSentContestNumbers},
                             {kChangePoints},
                             {kChangeModes},
                             {kChangeCallingMethods},
                             {kChangeCardData},
                             kSep,
                             {kSearchLogData},
                             {kSearchCityCodeDatabase}}),
            OptionsMenu(),
            WindowMenu(),
            HelpMenu()};
}

std::vector<MenuItem> CityCodeBar() {
    std::vector<MenuItem> view = BarsItems();
    view.insert(view.end(), {kSep,
                             {kViewLargeIcons},
                             {kViewSmallIcons},
                             {kViewList},
                             {kViewDetails},
                             kSep,
                             {kCitySortByCode},
                             {kCitySortByName},
                             {kCitySortByReading},
                             kSep,
                             {kOptimizeColumnWidths},
                             {kResetList}});
    return {CityCodeFileMenu(),
            EditMenu(),
            Sub("表示(&V)", std::move(view)),
            Sub("検索(&S)", {{kCitySearch},
                             {kCityNextCandidate},
                             {kCityPreviousCandidate},
                             kSep,
                             {kCityFindNext},
                             {kCityFindPrevious},
                             kSep,
                             {kCityIncludedInSearch}}),
            OptionsMenu(),
            WindowMenu(),
            HelpMenu()};
}

const int kStandardToolbar[] = {kFileNew,
                                kFileOpen,
                                kFileSave,
                                kExportText,
                                0,
                                kFilePrint,
                                kFilePrintPreview,
                                kFilePrintSetup,
                                0,
                                kPrintNormalLog,
                                kPrintExtendedLog,
                                kPrintCardLabels,
                                kPrintSummarySheet,
                                0,
                                kSelectAll,
                                kDeselectAll,
                                kInvertSelection,
                                kShowOnlySelected,
                                kHideSelected,
                                0,
                                kViewContestInformation,
                                kViewLog,
                                kViewGraph,
                                0,
                                kViewLargeIcons,
                                kViewSmallIcons,
                                kViewList,
                                kViewDetails,
                                0,
                                kWindowNew,
                                kWindowCascade,
                                kWindowTileHorizontal,
                                kWindowArrange,
                                0,
                                kHelpFinder,
                                kAppAbout,
                                kContextHelp};

const int kLogMenuToolbar[] = {kAddNewBand,
                               kChangeBandSettings,
                               kDeleteExistingBand,
                               kActivateBand,
                               0,
                               kImportLogData,
                               0,
                               kInputLogData,
                               kManualInputLogData,
                               0,
                               kDeleteLogData,
                               0,
                               kChangeLogData,
                               kChangeSentContestNumbers,
                               kChangePoints,
                               kChangeModes,
                               kChangeCallingMethods,
                               kChangeCardData,
                               0,
                               kSearchLogData,
                               kSearchCityCodeDatabase,
                               0,
                               kCleanLogData};

}  // namespace

const std::vector<MenuItem>& MenuBar(Bar bar) {
    static const std::vector<MenuItem> no_document = NoDocumentBar();
    static const std::vector<MenuItem> contest = ContestBar();
    static const std::vector<MenuItem> city_code = CityCodeBar();
    switch (bar) {
        case Bar::kContest:
            return contest;
        case Bar::kCityCode:
            return city_code;
        default:
            return no_document;
    }
}

std::span<const int> StandardToolbar() {
    return kStandardToolbar;
}

std::span<const int> LogMenuToolbar() {
    return kLogMenuToolbar;
}

const std::vector<MenuItem>& LogListContextMenu() {
    static const std::vector<MenuItem> menu = {
        {kDeleteLogData, "削除..."},
        {kChangeLogData, "変更..."},
        kSep,
        {kChangeSentContestNumbers, "送信ｺﾝﾃｽﾄﾅﾝﾊﾞｰの一括変更..."},
        {kChangePoints, "得点の一括変更..."},
        {kChangeModes, "電波の型式の一括変更..."},
        {kChangeCallingMethods, "呼び出しの方法の一括変更..."},
        {kChangeCardData, "ｶｰﾄﾞ情報の一括変更..."},
        kSep,
        ViewStyles("表示形式の切り替え"),
        {kResetList}};
    return menu;
}

const std::vector<MenuItem>& GraphContextMenu() {
    static const std::vector<MenuItem> menu = {{kGraphSettings, "ｸﾞﾗﾌ設定"}};
    return menu;
}

const std::vector<MenuItem>& CityCodeListContextMenu() {
    static const std::vector<MenuItem> menu = {
        {kViewLargeIcons}, {kViewSmallIcons}, {kViewList}, {kViewDetails}, kSep, {kResetList}};
    return menu;
}

}  // namespace menu_layout
