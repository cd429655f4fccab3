#include "document/city_code_data_doc.h"

#include <sys/stat.h>

#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/log_search.h"
#include "document/log_sort.h"
#include "document/work_pacer.h"
#include "platform/cp932_convert.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kNotice = message_box::kOk | message_box::kIconInformation;

const Cp932& SearchCaption() {
    static const Cp932 text = J("クイルマーク - 都市コードデータからの検索");
    return text;
}

const Cp932& NotFoundMessage() {
    static const Cp932 text = J("与えられた条件に該当するデータが見つかりませんでした。");
    return text;
}

bool EndsWithIni(const std::string& path) {
    if (path.size() < 3) {
        return false;
    }
    const std::string tail = path.substr(path.size() - 3);
    return (tail[0] | 0x20) == 'i' && (tail[1] | 0x20) == 'n' && (tail[2] | 0x20) == 'i';
}

}  // namespace

CCityCodeDataDoc::CCityCodeDataDoc(IOperator& op) : operator_(op) {}

bool CCityCodeDataDoc::OnNewDocument() {
    database_.Reset();
    condition_active_ = false;
    return true;
}

bool CCityCodeDataDoc::OnOpenDocument(const std::string& path) {
    OnNewDocument();
    CProgressDialog progress(operator_);
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
        progress.ShowMessage(J("都市コードデータベースファイル「") + path +
                                 J("」は空のため、開くことができません。"),
                             CCityCodeData_MainData::OpenFailedCaption(), kWarning);
        return false;
    }
    if (EndsWithIni(path) && !database_.LoadFromFile(path, &progress.Sink())) {
        progress.Close();
        progress.ShowMessage(CCityCodeData_MainData::OpenFailedMessage(),
                             CCityCodeData_MainData::OpenFailedCaption(), kWarning);
        return false;
    }
    progress.Close();
    progress.SetStatusText(J("都市コードデータベースファイルの読み込みを完了しました。"));
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

std::vector<int> CCityCodeDataDoc::AllRows() const {
    std::vector<int> rows(static_cast<size_t>(database_.GetItemCount()));
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = static_cast<int>(i);
    }
    return rows;
}

bool CCityCodeDataDoc::Matches(int database_index) const {
    const CCityCodeData_CityCodeDataItem* item = database_.GetItemAt(database_index);
    return item != nullptr && log_search::MatchesCityCodeTexts(*item, search_dialog_);
}

bool CCityCodeDataDoc::SortList(int column, std::vector<int>& rows) {
    static const char* const kConditions[] = {"[条件] ： 都市コード", "[条件] ： 都市名",
                                              "[条件] ： 都市名の読み"};
    if (rows.empty() || column < 0 || column > 2) {
        return false;
    }
    const int n = static_cast<int>(rows.size());
    CProgressDialog progress(operator_);
    progress.SetProgressText(0, J("クイルマーク - 都市コードデータのソート"));
    progress.SetProgressText(1, J("与えられた条件により、都市コードデータをソートしています。しばら"
                                  "くお待ちください．．．"));
    progress.SetProgressText(2, J(kConditions[column]));
    progress.SetProgressText(3, {});
    progress.SetProgressRange(0, n);
    progress.SetProgressPos(0);
    progress.EnableCancel(true);
    progress.SetStatusText(J("ソートをしています。しばらくお待ちください．．．"));
    progress.Show();

    std::vector<log_sort::SortValue> values(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (const auto* item = database_.GetItemAt(rows[i])) {
            values[i].text = item->GetField(column);
        }
    }
    std::vector<int> order = rows;
    const bool finished = log_sort::SortRowsByValues(values, order, progress.Follower(n));
    progress.Close();
    if (!finished) {
        progress.SetStatusText(J("ソートを中断しました。"));
        return false;
    }
    rows = std::move(order);
    progress.SetStatusText(J("ソートを完了しました。"));
    return true;
}

bool CCityCodeDataDoc::AskCondition() {
    for (;;) {
        if (operator_.RunDialog(search_dialog_, 0) != message_box::kIdOk) {
            condition_active_ = false;
            operator_.SetStatusText(J("都市コードデータからの検索を終了しました。"));
            return false;
        }
        if (!search_dialog_.IsWorkedMultipliersOn()) {
            condition_active_ = true;
            return true;
        }
        condition_active_ = false;
        operator_.ShowMessage(J("「現在までに取得済みのマルチ」検索は実行できません。"),
                              SearchCaption(), kNotice);
    }
}

bool CCityCodeDataDoc::SearchList(std::vector<int>& result) {
    result.clear();
    CProgressDialog progress(operator_);
    if (database_.GetItemCount() == 0) {
        progress.ShowMessage(
            J("都市コードデータが 1 つも存在しないため、都市コードデータからの検索は"
              "実行できません。"),
            J("クイルマーク - 警告"), kWarning);
        return false;
    }
    const int count = database_.GetItemCount();
    while (AskCondition()) {
        progress.SetProgressText(0, SearchCaption());
        progress.SetProgressText(
            1, J("与えられた条件に該当するデータを検索しています。しばらくお待ちください．．．"));
        progress.SetProgressText(2, {});
        progress.SetProgressText(3, {});
        progress.SetProgressRange(0, count);
        progress.SetProgressPos(0);
        progress.EnableCancel(true);
        progress.Show();
        CWorkPacer pacer;
        std::vector<int> found;
        bool stopped = false;
        for (int i = 0; i < count; ++i) {
            if (pacer.Due()) {
                progress.SetProgressPos(i);
                operator_.PumpEvents();
                if (progress.IsCancelled()) {
                    stopped = true;
                    break;
                }
            }
            if (Matches(i)) {
                found.push_back(i);
            }
        }
        progress.Close();
        if (stopped) {
            progress.SetStatusText(J("都市コードデータからの検索を中止しました。"));
            return false;
        }
        if (!found.empty()) {
            progress.SetStatusText(J("【 検索完了 】 ") + std::to_string(found.size()) +
                                   J(" 個のデータが検出されました。"));
            result = std::move(found);
            return true;
        }
        progress.ShowMessage(NotFoundMessage(), SearchCaption(), kNotice);
    }
    return false;
}

int CCityCodeDataDoc::StepSearch(int start_row, const std::vector<int>& rows, bool backwards,
                                 bool find_next_form) {
    if (rows.empty()) {
        operator_.ShowMessage(J("リストに都市コードデータが 1 つも存在しないため、都市コードデータ"
                                "からの検索は実行できません。"),
                              J("クイルマーク - 警告"), kWarning);
        return -1;
    }
    const int n = static_cast<int>(rows.size());
    const int step = backwards ? -1 : 1;
    const int candidate = start_row + step;
    if (candidate < 0 || candidate >= n) {
        return -1;
    }
    for (;;) {
        if (!(find_next_form && condition_active_) && !AskCondition()) {
            return -1;
        }
        for (int row = candidate; row >= 0 && row < n; row += step) {
            if (Matches(rows[static_cast<size_t>(row)])) {
                operator_.SetStatusText(J("与えられた条件に該当するアイテムが見つかりました。"));
                return row;
            }
        }
        operator_.SetStatusText(J("与えられた条件に該当するアイテムが見つかりませんでした。"));
        operator_.ShowMessage(NotFoundMessage(), SearchCaption(), kNotice);
        if (find_next_form) {
            return -1;
        }
    }
}
