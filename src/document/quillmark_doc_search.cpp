#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "citycode/city_code_organization.h"
#include "dialogs/city_code_search_dialog.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/city_code_result_sink.h"
#include "document/log_search.h"
#include "document/quillmark_doc.h"
#include "document/work_pacer.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kNotice = message_box::kOk | message_box::kIconInformation;

const Cp932& NoActiveBandMessage() {
    static const Cp932 text = J("検索を行いたい周波数帯をアクティブにしてください。");
    return text;
}

const Cp932& NoMultiplierMessage() {
    static const Cp932 text =
        J("このコンテストでは、マルチ制をサポートしていませんので、マルチ関連の検索は実行できません"
          "。");
    return text;
}

const Cp932& NothingFoundMessage() {
    static const Cp932 text = J("与えられた条件に該当するデータが見つかりませんでした。");
    return text;
}

const Cp932& SearchingLine() {
    static const Cp932 text =
        J("与えられた条件に該当するデータを検索しています。しばらくお待ちください．．．");
    return text;
}

int ClampedCount(size_t count) {
    return static_cast<int>(std::min<size_t>(count, INT32_MAX));
}

}  // namespace

bool CQuillmarkDoc::SearchLogData(std::vector<int>& found) {
    found.clear();
    if (!contest_.IsValid()) {
        return false;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - ログデータからの検索");
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (band == nullptr) {
        progress.ShowMessage(NoActiveBandMessage(), caption, kWarning);
        return false;
    }
    const auto& entries = band->GetEntries();
    if (entries.empty()) {
        progress.ShowMessage(J("ログデータが 1 局も入力されていないので、ログデータからの検索は"
                               "できません。"),
                             J("クイルマーク - 警告"), kWarning);
        return false;
    }

    const int multiplier_index = contest_.GetContestNumberType().MultiplierIndexOrNone();
    CLogDataSearchDialog& dialog = search_dialog_;
    dialog.SetCallSignType(contest_.GetCallSignType());
    dialog.SetContestNumberType(contest_.GetContestNumberType());
    dialog.SetPunctuationMarks(settings_.GetPunctuationMarks());
    if (!dialog.IsRangeValid()) {
        dialog.SetRange(contest_.GetStartTime(), contest_.GetEndTime());
    }

    const int count = ClampedCount(entries.size());
    progress.SetProgressText(0, caption);
    progress.SetProgressText(1, SearchingLine());
    progress.SetProgressText(2, {});
    progress.SetProgressText(3, {});
    progress.SetProgressRange(0, count);
    progress.SetProgressPos(0);
    progress.EnableCancel(true);

    for (;;) {
        dialog.OnInitDialog();
        if (operator_.RunDialog(dialog, 0) != message_box::kIdOk) {
            break;
        }
        if (multiplier_index < 0 && (dialog.IsOn(CLogDataSearchDialog::kFirst) ||
                                     dialog.IsOn(CLogDataSearchDialog::kMultiplierNotInDatabase))) {
            progress.ShowMessage(NoMultiplierMessage(), caption, kNotice);
            continue;
        }
        progress.SetProgressPos(0);
        progress.Show();
        const CLogSearchMatcher matcher(dialog, settings_.GetPunctuationMarks(), multiplier_index,
                                        city_codes_);
        found = log_search::FindEntries(entries, matcher, [this, &progress](int next) {
            progress.SetProgressPos(next);
            operator_.PumpEvents();
            return !progress.IsCancelled();
        });
        progress.Close();
        if (!found.empty()) {
            progress.SetStatusText(J("【 検索完了 】 ") + std::to_string(found.size()) +
                                   J(" 個のデータが検出されました。"));
            return true;
        }
        progress.ShowMessage(NothingFoundMessage(), caption, kNotice);
    }
    found.clear();
    progress.SetStatusText(J("ログデータからの検索を終了しました。"));
    return true;
}

bool CQuillmarkDoc::SearchCityCodeDatabase(ICityCodeResultSink& results) {
    if (!contest_.IsValid()) {
        return false;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - 都市コードデータベースからの検索");
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (band == nullptr) {
        progress.ShowMessage(NoActiveBandMessage(), J("クイルマーク - 都市コードデータからの検索"),
                             kWarning);
        return false;
    }
    const int record_count = city_codes_ == nullptr ? 0 : city_codes_->GetTotalItemCount();
    if (record_count < 1) {
        progress.ShowMessage(J("都市コードデータベースが存在しないため、都市コードデータベースから"
                               "の検索は実行できません。"),
                             J("クイルマーク - 警告"), kWarning);
        return false;
    }

    const int multiplier_index = contest_.GetContestNumberType().MultiplierIndexOrNone();
    const auto& entries = band->GetEntries();
    const int entry_count = ClampedCount(entries.size());
    progress.SetProgressText(0, caption);
    progress.SetProgressText(2, {});
    progress.SetProgressText(3, {});

    CCityCodeSearchDialog dialog;
    for (;;) {
        if (operator_.RunDialog(dialog, 0) != message_box::kIdOk) {
            break;
        }
        const bool worked_only = dialog.IsWorkedMultipliersOn();
        if (worked_only && entries.empty()) {
            progress.ShowMessage(J("ログデータが 1 局も入力されていない場合、「現在までに取得済みの"
                                   "マルチ」検索は実行できません。"),
                                 caption, kWarning);
            continue;
        }
        if (worked_only && multiplier_index < 0) {
            progress.ShowMessage(NoMultiplierMessage(), caption, kNotice);
            continue;
        }
        ICityCodeResultDocument* result = results.OpenNewDocument();
        if (result == nullptr) {
            break;
        }
        result->SetTitle(J("検索中..."));
        progress.SetProgressPos(0);
        progress.EnableCancel(false);
        progress.Show();

        // Looked up once per record, so a set rather than the list of worked texts (which
        // may repeat) keeps the scan linear.
        std::unordered_set<std::string_view> worked;
        if (worked_only) {
            progress.SetProgressText(
                1, J("マルチデータを構築しています。しばらくお待ちください．．．"));
            progress.SetProgressRange(0, entry_count);
            CWorkPacer pacer;
            for (int i = 0; i < entry_count; ++i) {
                const auto& entry = entries[static_cast<size_t>(i)];
                if (entry.GetFirst() == 1) {
                    worked.insert(entry.GetReceivedContestNumber().ParameterView(multiplier_index));
                }
                if (pacer.Due() || i + 1 == entry_count) {
                    progress.SetProgressPos(i + 1);
                    operator_.PumpEvents();
                }
            }
        }

        progress.SetProgressText(1, SearchingLine());
        progress.SetProgressRange(0, record_count);
        progress.EnableCancel(true);
        int found = 0;
        int index = 0;
        CWorkPacer pacer;
        bool stopped = false;
        for (int d = 0; d < city_codes_->GetCount() && !stopped; ++d) {
            for (const auto& item : city_codes_->GetAt(d)->GetItems()) {
                if (index >= record_count) {
                    break;
                }
                if (pacer.Due()) {
                    progress.SetProgressPos(index);
                    operator_.PumpEvents();
                    if (progress.IsCancelled()) {
                        stopped = true;
                        break;
                    }
                }
                const Cp932& code = item.GetField(CCityCodeData_CityCodeDataItem::kCityCode);
                const bool matches = log_search::MatchesCityCodeTexts(item, dialog) &&
                                     (!worked_only || worked.contains(code));
                if (matches) {
                    result->AddItem(item);
                    ++found;
                }
                ++index;
            }
        }
        if (!stopped) {
            progress.SetProgressPos(index);
        }
        progress.Close();
        if (found > 0) {
            result->SetTitle(J("検索結果 - ") + std::to_string(found) +
                             J(" 個のデータが検出されました。"));
            result->UpdateAllViews();
            progress.SetStatusText(J("都市コードデータからの検索を完了しました。"));
            return true;
        }
        progress.ShowMessage(NothingFoundMessage(), caption, kNotice);
        result->Close();
    }
    progress.SetStatusText(J("都市コードデータからの検索を終了しました。"));
    return true;
}
