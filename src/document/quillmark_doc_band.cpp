// The band operations of the contest log document: adding a band, changing the active band's
// definition and defaults, deleting a band and choosing the active band.

#include "dialogs/band_information_dialog.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

constexpr int kRefusal = message_box::kOk | message_box::kIconExclamation;
// Update hint: a band's defaults or the band list changed, no entry did.
constexpr int kHintDescription = -3;

// A band in the confirmations: "7 MHz", "3.5 MHz", with at most UnderDecimalPoint decimals.
Cp932 BandText(const CQuillmarkData_BandItem& band, const CQuillmarkSystem& settings) {
    return band.GetBandText(settings.GetUnderDecimalPoint(), 2, true);
}

Cp932 DuplicateBandText() {
    return J("周波数帯が重複しています。変更してください。");
}

}  // namespace

int CQuillmarkDoc::AddNewBand() {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - 新たな周波数帯の追加");
    CBandInformationDialog dialog;
    dialog.SetGuidance(J("新しく追加する周波数帯の情報を入力してください．．．"));
    dialog.SetContestNumberType(contest_.GetContestNumberType());
    dialog.LoadSentContestNumberText(settings_.GetPunctuationMarks());
    // The band the radio is tuned to, when it is not one of the contest's.
    if (radio_band_.IsValid() && contest_.FindBandIndex(radio_band_) < 0) {
        dialog.SetBand(radio_band_);
        dialog.SetMode(radio_mode_);
    }

    int index = -1;
    for (;;) {
        if (dialog.DoModal(operator_) != message_box::kIdOk) {
            progress.SetStatusText(J("新たな周波数帯の追加を中止しました。"));
            return 0;
        }
        index = contest_.AddBand(dialog.GetBand());
        if (index >= 0) {
            break;
        }
        // The dialog comes back with what the operator typed.
        progress.ShowMessage(DuplicateBandText(), caption, kRefusal);
    }

    CQuillmarkData_SubMainData& band = *contest_.GetBandAt(index);
    band.SetMode(dialog.GetMode());
    band.SetSentContestNumber(dialog.GetSentContestNumber());
    band.SetCallingMethod(dialog.GetCallingMethod() == 1);

    bool activate = contest_.GetActiveBandIndex() < 0;
    if (!activate) {
        activate = progress.ShowMessage(J("この周波数帯をアクティブにしますか？"), caption,
                                        message_box::kYesNo | message_box::kIconQuestion) ==
                   message_box::kIdYes;
    }
    if (activate) {
        contest_.SetActiveBandAt(index);
        RebuildGraphData();
        contest_.SortBands();
        UpdateAllViews(kHintAll);
    } else {
        contest_.SortBands();
        UpdateAllViews(kHintDescription);
    }
    SetModifiedFlag(true);
    progress.SetStatusText(J("新たな周波数帯の追加を完了しました。"));
    return 1;
}

int CQuillmarkDoc::ChangeBandSettings() {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - 既存の周波数帯の設定変更");
    const int index = contest_.GetActiveBandIndex();
    CQuillmarkData_SubMainData* const active = contest_.GetActiveBand();
    if (active == nullptr) {
        progress.ShowMessage(J("設定変更したい周波数帯をアクティブにしてください。"), caption,
                             kRefusal);
        return 0;
    }
    CBandInformationDialog dialog;
    dialog.SetGuidance(J("周波数帯の情報の変更結果を入力してください．．．"));
    dialog.SetContestNumberType(contest_.GetContestNumberType());
    dialog.SetBand(active->GetBand());
    dialog.SetMode(active->GetMode());
    dialog.SetSentContestNumber(active->GetSentContestNumber());
    dialog.SetCallingMethod(active->GetCallingMethod());
    dialog.LoadSentContestNumberText(settings_.GetPunctuationMarks());

    const CQuillmarkData_BandItem old_band = active->GetBand();
    for (;;) {
        if (dialog.DoModal(operator_) != message_box::kIdOk) {
            progress.SetStatusText(J("既存の周波数帯の設定変更を中止しました。"));
            return 0;
        }
        if (contest_.ChangeBandAt(index, dialog.GetBand())) {
            break;
        }
        progress.ShowMessage(DuplicateBandText(), caption, kRefusal);
    }

    active->SetMode(dialog.GetMode());
    active->SetSentContestNumber(dialog.GetSentContestNumber());
    active->SetCallingMethod(dialog.GetCallingMethod() == 1);
    // 7 MHz written as 7000 kHz is the same band but a changed definition; sorting keeps
    // the list in order either way.
    if (!active->GetBand().IsIdenticalTo(old_band)) {
        contest_.SortBands();
    }
    SetModifiedFlag(true);
    UpdateAllViews(kHintDescription);
    progress.SetStatusText(J("既存の周波数帯の設定変更を完了しました。"));
    return 1;
}

int CQuillmarkDoc::DeleteExistingBand(const CQuillmarkData_BandItem& band) {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    const Cp932 caption = J("クイルマーク - 既存の周波数帯の削除");
    const int index = contest_.FindBandIndex(band);
    if (index < 0) {
        progress.ShowMessage(J("削除したい周波数帯を選択してから再実行してください。"), caption,
                             kRefusal);
        return 0;
    }
    const Cp932 band_text = BandText(contest_.GetBandAt(index)->GetBand(), settings_);
    const bool confirmed =
        progress.ShowMessage(band_text + J(" を削除します。\n\nよろしいですか？"), caption,
                             message_box::kOkCancel | message_box::kIconQuestion |
                                 message_box::kDefaultButton2) == message_box::kIdOk &&
        progress.ShowMessage(band_text + J(" を本当に削除します。\n\nよろしいですか？"),
                             J("クイルマーク - 既存の周波数帯の削除（最終確認）"),
                             message_box::kOkCancel | message_box::kIconExclamation |
                                 message_box::kDefaultButton2) == message_box::kIdOk;
    if (!confirmed) {
        progress.SetStatusText(J("既存の周波数帯の削除を中止しました。"));
        return 0;
    }
    contest_.DeleteBandAt(index);
    RebuildGraphData();
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    progress.SetStatusText(J("既存の周波数帯の削除を完了しました。"));
    return 1;
}

int CQuillmarkDoc::ActivateBand(const CQuillmarkData_BandItem& band) {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    const int index = contest_.FindBandIndex(band);
    if (index < 0) {
        progress.ShowMessage(J("アクティブにしたい周波数帯を選択してから再実行してください。"),
                             J("クイルマーク - アクティブなの周波数帯の設定"), kRefusal);
        return 0;
    }
    if (index == contest_.GetActiveBandIndex()) {
        progress.SetStatusText(J("この周波数帯は、すでにアクティブです。"));
        return 0;
    }
    const Cp932 band_text = BandText(contest_.GetBandAt(index)->GetBand(), settings_);
    if (progress.ShowMessage(J("アクティブな周波数帯を、\n\n\t") + band_text +
                                 J("\n\n に設定します。よろしいですか？"),
                             J("クイルマーク - アクティブな周波数帯の設定"),
                             message_box::kOkCancel | message_box::kIconQuestion) !=
        message_box::kIdOk) {
        progress.SetStatusText(J("アクティブな周波数帯の設定を中止しました。"));
        return 0;
    }
    contest_.SetActiveBandAt(index);
    RebuildGraphData();
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    progress.SetStatusText(J("アクティブな周波数帯の設定を完了しました。"));
    return 1;
}
