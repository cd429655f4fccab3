#include "ui/commands/command_table.h"

#include <algorithm>
#include <array>

#include "ui/commands/command_ids.h"

namespace {

using namespace cmd;

// clang-format off
const CommandInfo kCommands[] = {
    // --- Files and printing. ---
    {kFileNew, "新規作成(&N)", "Ctrl+N", "file_new", "新規作成",
     "新しいコンテストのデータファイルを作成します。", false},
    {kFileOpen, "開く(&O)...", "Ctrl+O", "file_open", "開く",
     "既存のデータファイル、または都市コードデータファイルを開きます。", false},
    {kFileClose, "閉じる(&C)", nullptr, nullptr, "閉じる",
     "作業中のファイルを閉じます。", false},
    {kFileSave, "上書き保存(&S)", "Ctrl+S", "file_save", "上書き保存",
     "作業中のデータファイルを同じ名前で保存します。", false},
    {kFileSaveAs, "名前を付けて保存(&A)...", nullptr, nullptr, "名前を付けて保存",
     "作業中のデータファイルを新しい名前で保存します。", false},
    {kExportText, "ﾛｸﾞﾃﾞｰﾀのﾃｷｽﾄ出力(&E)...", nullptr, "export_text", "テキスト出力",
     "すべてのログデータをテキストファイルに出力します。", false},
    {kExportSubmission, "ﾛｸﾞﾃﾞｰﾀの提出用出力(&U)...", nullptr, nullptr, "提出用出力",
     "ログをJARL電子ログ、Cabrillo または ADIF の形式でファイルに出力します。", false},
    {kPrintNormalLog, "通常のﾛｸﾞ(&L)", nullptr, "print_normal_log", "通常のログ",
     "通常のログシートを印刷の種類にします。", true},
    {kPrintExtendedLog, "拡張ﾛｸﾞ(&X)", nullptr, "print_extended_log", "拡張ログ",
     "ログ表示の内容をそのまま印刷する拡張ログを印刷の種類にします。", true},
    {kPrintCardLabels, "ｶｰﾄﾞﾗﾍﾞﾙ(&B)", nullptr, "print_card_labels", "カードラベル",
     "ＱＳＬカード用のラベルを印刷の種類にします。", true},
    {kPrintSummarySheet, "ｻﾏﾘｰｼｰﾄ(&S)", nullptr, "print_summary_sheet", "サマリーシート",
     "サマリーシートを印刷の種類にします。", true},
    {kFilePrint, "印刷(&P)...", "Ctrl+P", "file_print", "印刷",
     "選ばれている印刷の種類で印刷します。", false},
    {kFilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", nullptr, "file_print_preview", "印刷プレビュー",
     "印刷される内容を画面に表示します。", false},
    {kFilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", nullptr, "file_print_setup", "プリンタの設定",
     "プリンタと用紙を選びます。", false},
    {kAppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", nullptr, nullptr, "終了",
     "クイルマークを終了します。作業中のファイルを保存するかどうかをたずねます。", false},

    // --- Views and the main window. ---
    {kViewToolbar, "ﾂｰﾙ ﾊﾞｰ(&T)", nullptr, nullptr, "ツール バー",
     "ツール バーの表示と非表示を切り替えます。", true},
    {kViewLogMenuToolbar, "ﾛｸﾞﾒﾆｭｰ ﾂｰﾙ ﾊﾞｰ(&L)", nullptr, nullptr, "ログメニュー ツール バー",
     "ログメニュー ツール バーの表示と非表示を切り替えます。", true},
    {kViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", nullptr, nullptr, "ステータス バー",
     "ステータス バーの表示と非表示を切り替えます。", true},
    {kViewContestStatusBar, "ｺﾝﾃｽﾄ情報ｽﾃｰﾀｽ ﾊﾞｰ(&F)", nullptr, nullptr,
     "コンテスト情報ステータス バー",
     "コンテスト情報ステータス バーの表示と非表示を切り替えます。", true},
    {kViewContestInformation, "ｺﾝﾃｽﾄ情報表示(&N)", "1", "view_contest_information",
     "コンテスト情報表示", "コンテスト情報のペインをアクティブにします。", true},
    {kViewLog, "ﾛｸﾞ表示(&O)", "2", "view_log", "ログ表示",
     "ログ表示のペインをアクティブにします。", true},
    {kViewGraph, "ｸﾞﾗﾌ表示(&G)", "3", "view_graph", "グラフ表示",
     "グラフ表示のペインをアクティブにします。", true},
    {kNextPane, "次のﾍﾟｲﾝ(&X)", "F6", nullptr, "次のペイン",
     "次のペインに切り替えます。", false},
    {kPreviousPane, "前のﾍﾟｲﾝ(&P)", "Shift+F6", nullptr, "前のペイン",
     "前のペインに切り替えます。", false},
    {kViewLargeIcons, "大きなｱｲｺﾝ表示(&I)", nullptr, "view_large_icons", "大きなアイコン",
     "リストを大きなアイコンで表示します。", true},
    {kViewSmallIcons, "小さなｱｲｺﾝ表示(&M)", nullptr, "view_small_icons", "小さなアイコン",
     "リストを小さなアイコンで表示します。", true},
    {kViewList, "一覧表示(&L)", nullptr, "view_list", "一覧", "リストを一覧で表示します。",
     true},
    {kViewDetails, "詳細表示(&R)", nullptr, "view_details", "詳細",
     "リストを詳細表示にします。", true},
    {kOptimizeColumnWidths, "ﾘｽﾄの列幅の最適化(&W)", "W", nullptr, "列幅の最適化",
     "リストの列幅を内容に合わせます。", false},
    {kResetList, "ﾘｽﾄの初期化(&I)", "I", nullptr, "リストの初期化",
     "リストを最初の状態に戻します。", false},
    {kGraphSettings, "ｸﾞﾗﾌ設定(&G)...", nullptr, nullptr, "グラフ設定",
     "グラフに表示する項目を選びます。", false},

    // --- Selection. ---
    {kSelectAll, "全選択(&A)", nullptr, "select_all", "全選択",
     "リストのすべてのアイテムを選択します。", false},
    {kDeselectAll, "選択全解除(&N)", nullptr, "deselect_all", "選択全解除",
     "リストのすべてのアイテムの選択を解除します。", false},
    {kInvertSelection, "反転選択(&R)", nullptr, "invert_selection", "反転選択",
     "リストのアイテムの選択を反転します。", false},
    {kShowOnlySelected, "選択されているｱｲﾃﾑのみﾘｽﾄに表示(&S)", nullptr, "show_only_selected",
     "選択されているアイテムのみ表示",
     "選択されているアイテムだけをリストに残します。", false},
    {kHideSelected, "選択されているｱｲﾃﾑを非表示化(&H)", "H", "hide_selected",
     "選択されているアイテムを非表示",
     "選択されているアイテムをリストから外します。", false},

    // --- Contest and bands. ---
    {kChangeContest, "ｺﾝﾃｽﾄ情報の変更(&C)...", nullptr, nullptr, "コンテスト情報の変更",
     "コンテスト名、参加部門、自局の呼出符号、コンテスト期間を変更します。", false},
    {kAddNewBand, "新たな周波数帯の追加(&N)...", "Shift+F5", "band_add",
     "新たな周波数帯の追加", "コンテストに新しい周波数帯を加えます。", false},
    {kChangeBandSettings, "既存の周波数帯の設定変更(&A)...", nullptr, "band_change",
     "既存の周波数帯の設定変更",
     "アクティブな周波数帯の電波の型式、送信コンテストナンバー、呼び出しの方法を変更します。",
     false},
    {kDeleteExistingBand, "既存の周波数帯の削除(&G)", "Ctrl+Alt+Shift+Del", "band_delete",
     "既存の周波数帯の削除",
     "コンテスト情報表示で選ばれている周波数帯を、そのログデータとともに削除します。", false},
    {kActivateBand, "ｱｸﾃｨﾌﾞな周波数帯の切り替え(&H)", "A", "band_activate",
     "アクティブな周波数帯の切り替え",
     "コンテスト情報表示で選ばれている周波数帯をアクティブにします。", false},
    {kImportLogData, "ｲﾝﾎﾟｰﾄ(&J)...", nullptr, "import", "インポート",
     "同じコンテストの別のデータファイルから周波数帯を取り込みます。", false},
    {kCleanLogData, "ﾛｸﾞﾃﾞｰﾀ洗浄(&W)...", nullptr, "clean", "ログデータ洗浄",
     "すべてのログデータを並べ直し、First と集計をやり直します。", false},

    // --- Log data. ---
    {kInputLogData, "ﾛｸﾞﾃﾞｰﾀの入力(&I)...", "F5", "input", "ログデータの入力",
     "アクティブな周波数帯に交信を入力します。", false},
    {kManualInputLogData, "ﾛｸﾞﾃﾞｰﾀの手動入力(&M)...", nullptr, "manual_input",
     "ログデータの手動入力", "交信日時も入力して、交信を入力します。", false},
    {kChangeLogData, "ﾛｸﾞﾃﾞｰﾀの変更(&L)...", "F9", "change", "ログデータの変更",
     "選択されているログデータを変更します。", false},
    {kDeleteLogData, "ﾛｸﾞﾃﾞｰﾀの削除(&D)...", "Ctrl+Shift+Del", "delete", "ログデータの削除",
     "選択されているログデータを削除します。", false},
    {kChangeSentContestNumbers, "ﾛｸﾞﾃﾞｰﾀの送信ｺﾝﾃｽﾄﾅﾝﾊﾞｰの一括変更(&S)...", "Alt+F9",
     "batch_sent", "送信コンテストナンバーの一括変更",
     "選択されているログデータの送信コンテストナンバーをまとめて変更します。", false},
    {kChangePoints, "ﾛｸﾞﾃﾞｰﾀの得点の一括変更(&P)...", "Ctrl+F9", "batch_points",
     "得点の一括変更", "選択されているログデータの得点をまとめて変更します。", false},
    {kChangeModes, "ﾛｸﾞﾃﾞｰﾀの電波の型式の一括変更(&E)...", "Ctrl+Alt+F9", "batch_mode",
     "電波の型式の一括変更",
     "選択されているログデータの電波の型式をまとめて変更します。", false},
    {kChangeCallingMethods, "ﾛｸﾞﾃﾞｰﾀの呼び出しの方法の一括変更(&U)...", "Ctrl+Shift+F9",
     "batch_calling", "呼び出しの方法の一括変更",
     "選択されているログデータの呼び出しの方法をまとめて変更します。", false},
    {kChangeCardData, "ﾛｸﾞﾃﾞｰﾀのｶｰﾄﾞ情報の一括変更(&Q)...", "Shift+F9", "batch_card",
     "カード情報の一括変更",
     "選択されているログデータのカード情報をまとめて変更します。", false},
    {kSearchLogData, "ﾛｸﾞﾃﾞｰﾀからの検索(&F)...", "Ctrl+F", "search_log",
     "ログデータからの検索", "アクティブな周波数帯のログデータを検索します。", false},
    {kSearchCityCodeDatabase, "都市ｺｰﾄﾞﾃﾞｰﾀﾍﾞｰｽからの検索(&B)...", "Ctrl+Shift+F",
     "search_city", "都市コードデータベースからの検索",
     "開いている都市コードデータベースを検索します。", false},

    // --- Sorting the log list. ---
    {kSortByDateTime, "交信日時順(&D)", nullptr, nullptr, "交信日時順",
     "ログを交信日時の順に並べます。", false},
    {kSortByCallSign, "呼出符号順(&C)", nullptr, nullptr, "呼出符号順",
     "ログを呼出符号の順に並べます。", false},
    {kSortBySentContestNumber, "送信ｺﾝﾃｽﾄﾅﾝﾊﾞｰ順(&S)", nullptr, nullptr,
     "送信コンテストナンバー順", "ログを送信コンテストナンバーの順に並べます。", false},
    {kSortByReceivedContestNumber, "受信ｺﾝﾃｽﾄﾅﾝﾊﾞｰ順(&R)", nullptr, nullptr,
     "受信コンテストナンバー順", "ログを受信コンテストナンバーの順に並べます。", false},
    {kSortByFirst, "ﾏﾙﾁの First 順(&M)", nullptr, nullptr, "マルチの First 順",
     "ログをマルチの First の順に並べます。", false},
    {kSortByPoints, "得点順(&P)", nullptr, nullptr, "得点順", "ログを得点の順に並べます。",
     false},
    {kSortByMode, "電波の型式順(&W)", nullptr, nullptr, "電波の型式順",
     "ログを電波の型式の順に並べます。", false},
    {kSortByCallingMethod, "呼び出しの方法順(&Q)", nullptr, nullptr, "呼び出しの方法順",
     "ログを呼び出しの方法の順に並べます。", false},
    {kSortByCardRequested, "ｶｰﾄﾞ要求の有無の順(&E)", nullptr, nullptr, "カード要求の有無の順",
     "ログをカード要求の有無の順に並べます。", false},
    {kSortByCardSent, "ｶｰﾄﾞ送出の完了の順(&T)", nullptr, nullptr, "カード送出の完了の順",
     "ログをカード送出の完了の順に並べます。", false},
    {kSortByCardReceived, "ｶｰﾄﾞ受取の完了の順(&V)", nullptr, nullptr, "カード受取の完了の順",
     "ログをカード受取の完了の順に並べます。", false},
    {kSortByComment, "ｺﾒﾝﾄの順(&O)", nullptr, nullptr, "コメントの順",
     "ログをコメントの順に並べます。", false},

    // --- City code window. ---
    {kCitySearch, "検索(&F)...", nullptr, nullptr, "検索",
     "都市コードデータを検索し、該当するデータだけをリストに表示します。", false},
    {kCityNextCandidate, "次候補検索(&N)...", nullptr, nullptr, "次候補検索",
     "条件を指定して、フォーカスのある行より後ろを検索します。", false},
    {kCityPreviousCandidate, "前候補検索(&V)...", nullptr, nullptr, "前候補検索",
     "条件を指定して、フォーカスのある行より前を検索します。", false},
    {kCityFindNext, "次を検索", "F3", nullptr, "次を検索",
     "同じ条件で次を検索します。", false},
    {kCityFindPrevious, "前を検索", "Shift+F3", nullptr, "前を検索",
     "同じ条件で前を検索します。", false},
    {kCitySortByCode, "都市ｺｰﾄﾞ順でﾘｽﾄをｿｰﾄ", nullptr, nullptr, "都市コード順",
     "リストを都市コードの順に並べます。", false},
    {kCitySortByName, "都市名順でﾘｽﾄをｿｰﾄ", nullptr, nullptr, "都市名順",
     "リストを都市名の順に並べます。", false},
    {kCitySortByReading, "都市名の読みの順でﾘｽﾄをｿｰﾄ", nullptr, nullptr, "都市名の読みの順",
     "リストを都市名の読みの順に並べます。", false},
    {kCityIncludedInSearch, "有効(&V)", nullptr, nullptr, "有効",
     "全体検索の際、このｳｨﾝﾄﾞｳが保持しているｱｲﾃﾑを検索対象にする", true},

    // --- Options. ---
    {kSystemSettings, "ｼｽﾃﾑのｾｯﾃｨﾝｸﾞ(&S)...", nullptr, nullptr, "システムのセッティング",
     "クイルマーク全体の設定を変更します。", false},
    {kSummarySheetInformation, "ｻﾏﾘｰｼｰﾄ用情報の設定(&M)...", nullptr, nullptr,
     "サマリーシート用情報の設定", "サマリーシートに印刷する情報を設定します。", false},

    // --- Windows and help. ---
    {kWindowNew, "新しいｳｨﾝﾄﾞｳを開く(&N)", nullptr, "window_new", "新しいウィンドウを開く",
     "作業中のファイルをもう 1 つのウィンドウで開きます。", false},
    {kWindowCascade, "重ねて表示(&C)", nullptr, "window_cascade", "重ねて表示",
     "ウィンドウを重ねて表示します。", false},
    {kWindowTileHorizontal, "並べて表示(&T)", nullptr, "window_tile", "並べて表示",
     "ウィンドウを並べて表示します。", false},
    {kWindowArrange, "ｱｲｺﾝの整列(&A)", nullptr, "window_arrange", "アイコンの整列",
     "最小化されているウィンドウを整列します。", false},
    {kHelpFinder, "ﾄﾋﾟｯｸの検索(&H)", "F1", "help_finder", "ヘルプ",
     "クイルマークのヘルプを開きます。", false},
    {kContextHelp, "ﾋﾝﾄの表示(&C)", "Shift+F1", "context_help", "ヒントの表示",
     "次にクリックしたボタンやメニューの説明を表示します。", false},
    {kAppAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", nullptr, "app_about", "バージョン情報",
     "クイルマークのバージョン情報を表示します。", false},
};
// clang-format on

}  // namespace

namespace command_table {

std::span<const CommandInfo> All() {
    return kCommands;
}

const CommandInfo* Find(int id) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const CommandInfo& c) { return c.id == id; });
    return found == std::end(kCommands) ? nullptr : &*found;
}

}  // namespace command_table
