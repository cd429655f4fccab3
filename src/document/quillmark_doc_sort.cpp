#include <algorithm>
#include <cstdint>

#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/log_sort.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

}  // namespace

int CQuillmarkDoc::CompareLogData(int a, int b, int key) const {
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (!contest_.IsValid() || band == nullptr) {
        return 0;
    }
    const auto& entries = band->GetEntries();
    const auto in_range = [&entries](int i) {
        return i >= 0 && static_cast<size_t>(i) < entries.size();
    };
    if (!in_range(a) || !in_range(b)) {
        return 0;
    }
    return log_sort::CompareEntries(
        entries[static_cast<size_t>(a)], entries[static_cast<size_t>(b)], key,
        settings_.GetPunctuationMarks(), contest_.GetContestNumberType().MultiplierIndexOrNone());
}

bool CQuillmarkDoc::SortLogDisplay(int key, const std::vector<int>& rows,
                                   std::vector<int>& sorted) {
    if (!contest_.IsValid()) {
        return false;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - ログデータのソート");
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (band == nullptr) {
        progress.ShowMessage(J("ソートを行いたい周波数帯をアクティブにしてください。"), caption,
                             message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    sorted.clear();
    const int n = static_cast<int>(std::min<size_t>(rows.size(), INT32_MAX));
    if (n < 1) {
        return false;
    }

    progress.SetProgressText(0, caption);
    progress.SetProgressText(
        1, J("与えられた条件により、ログデータをソートしています。しばらくお待ちください．．．"));
    progress.SetProgressText(2, log_sort::HeadingOf(key));
    progress.SetProgressText(3, {});
    progress.SetProgressRange(0, n);
    progress.SetProgressPos(0);
    progress.EnableCancel(true);
    progress.SetStatusText(J("ソートをしています。しばらくお待ちください．．．"));
    progress.Show();

    std::vector<int> order(rows.begin(), rows.begin() + n);
    const bool finished = log_sort::SortRows(
        band->GetEntries(), key, settings_.GetPunctuationMarks(),
        contest_.GetContestNumberType().MultiplierIndexOrNone(), order, progress.Follower(n));
    progress.Close();
    if (!finished) {
        // The caller keeps the view as it was; the list says so too.
        sorted.assign(rows.begin(), rows.begin() + n);
        progress.SetStatusText(J("ソートを中断しました。"));
        return false;
    }
    sorted = std::move(order);
    progress.SetStatusText(J("ソートを完了しました。"));
    return true;
}
