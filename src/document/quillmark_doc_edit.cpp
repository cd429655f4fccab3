#include <array>
#include <functional>
#include <string>

#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
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

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kQuestion = message_box::kOkCancel | message_box::kIconQuestion;

constexpr int kAllPages = CLogDataInputSheet::kAllPages;
constexpr int kContestNumberPage = 4;
constexpr int kPointsPage = 8;
constexpr int kModePage = 16;
constexpr int kCallingMethodPage = 32;
constexpr int kCardPage = 64;

// The contest's active band when an operation titled title may work on it: none (and nothing
// said) without a valid contest, none after telling the operator when no band is active.
CQuillmarkData_SubMainData* BandToEdit(CQuillmarkDoc& doc, CProgressDialog& progress,
                                       const Cp932& title) {
    if (!doc.GetContest().IsValid()) {
        return nullptr;
    }
    CQuillmarkData_SubMainData* const band = doc.GetContest().GetActiveBand();
    if (band == nullptr) {
        progress.ShowMessage(J("作業を行いたい周波数帯をアクティブにしてください。"), title,
                             kWarning);
    }
    return band;
}

bool IsEntryIndex(const CQuillmarkData_SubMainData& band, int index) {
    return index >= 0 && index < band.GetEntryCount();
}

// The confirmation that shows one entry with every line and all three card boxes.
bool ConfirmEntry(CQuillmarkDoc& doc, const CQuillmarkData_LogDataItem& entry,
                  std::string_view caption, std::string_view message, int icon) {
    CLogDataConfirmDialog dialog;
    dialog.SetCaption(caption);
    dialog.SetMessage(message);
    dialog.SetIcon(icon);
    dialog.SetShow(CLogDataConfirmDialog::kShowDate, true);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardSent, true);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardReceived, true);
    const CQuillmarkSystem& settings = doc.GetSettings();
    dialog.SetEntry(entry, settings.GetPunctuationMarks(), settings.GetDisplayTimeZoneRule());
    return dialog.DoModal(doc.GetOperator()) == message_box::kIdOk;
}

constexpr std::array<CLogDataInput_Card::Box, CLogDataInput_Card::kBoxCount> kCardBoxes = {
    CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent, CLogDataInput_Card::kReceived};
constexpr std::array<int32_t, CLogDataInput_Card::kBoxCount> kCardFlags = {
    CQuillmarkData_LogDataItem::kCardRequested, CQuillmarkData_LogDataItem::kCardSent,
    CQuillmarkData_LogDataItem::kCardReceived};

// One of the batch changes: which field, which page asks for it, and how the new value is
// described and applied. Every text of the operation is made from subject.
struct BatchChange {
    // "送信コンテストナンバー", "得点", ...
    const char* subject;
    int page_mask;
    // Guidance, preload and box modes of the page.
    std::function<void(CLogDataInputSheet&, const CQuillmarkData_SubMainData&)> prepare;
    // What follows "現在選択されている N 個のログデータの" + subject in the second question.
    std::function<Cp932(const CLogDataInputSheet&)> describe;
    std::function<void(const CLogDataInputSheet&, CQuillmarkData_LogDataItem&)> apply;
};

int RunBatchChange(CQuillmarkDoc& doc, const std::vector<int>& indices, const BatchChange& change) {
    CProgressDialog progress(doc.GetOperator());
    const Cp932 subject = J(change.subject);
    const Cp932 title = J("クイルマーク - ログデータの") + subject + J("の一括変更");
    const Cp932 question_title = title + J("確認");
    CQuillmarkData_SubMainData* const band = BandToEdit(doc, progress, title);
    if (band == nullptr || indices.empty()) {
        return 0;
    }
    for (const int index : indices) {
        if (!IsEntryIndex(*band, index)) {
            return 0;
        }
    }
    const Cp932 selected = J("現在選択されている ") + std::to_string(indices.size()) +
                           J(" 個のログデータの") + subject;
    const Cp932 cancelled = J("ログデータの") + subject + J("の一括変更を中止しました。");
    if (progress.ShowMessage(selected + J("を変更します。よろしいですか？"), question_title,
                             kQuestion) != message_box::kIdOk) {
        progress.SetStatusText(cancelled);
        return 0;
    }

    CLogDataInputSheet sheet(doc.GetOperator(), doc.GetSettings(), title);
    change.prepare(sheet, *band);
    for (;;) {
        if (sheet.RunWizard(change.page_mask) != 1) {
            progress.SetStatusText(cancelled);
            return 0;
        }
        if (progress.ShowMessage(selected + change.describe(sheet), question_title, kQuestion) ==
            message_box::kIdOk) {
            break;
        }
    }

    IOperator& op = doc.GetOperator();
    op.SetWaitCursor(true);
    progress.SetStatusText(J("ログデータの") + subject +
                           J("の一括変更をしています。しばらくお待ちください．．．"));
    for (const int index : indices) {
        CQuillmarkData_LogDataItem entry = *band->GetEntryAt(index);
        change.apply(sheet, entry);
        band->SetEntryAt(index, entry);
    }
    doc.UpdateAllViews(CDocumentBase::kHintAll);
    doc.SetModifiedFlag(true);
    progress.SetStatusText(J("ログデータの") + subject + J("の一括変更を完了しました。"));
    op.SetWaitCursor(false);
    return 1;
}

Cp932 CardStateText(int state) {
    switch (state) {
        case CLogDataInput_Card::kOff:
            return J("[－]");
        case CLogDataInput_Card::kOn:
            return J("[○]");
        default:
            return J("[変更しない]");
    }
}

}  // namespace

int CQuillmarkDoc::DeleteLogData(int index) {
    CProgressDialog progress(operator_);
    CQuillmarkData_SubMainData* const band =
        BandToEdit(*this, progress, J("クイルマーク - ログデータの削除"));
    if (band == nullptr || !IsEntryIndex(*band, index)) {
        return 0;
    }
    const CQuillmarkData_LogDataItem& entry = *band->GetEntryAt(index);
    if (!ConfirmEntry(*this, entry, J("ログデータ削除の確認"),
                      J("このログデータを削除します。よろしいですか？"),
                      CLogDataConfirmDialog::kIconQuestion) ||
        !ConfirmEntry(*this, entry, J("ログデータ削除の確認（最終確認）"),
                      J("このログデータを本当に削除します。よろしいですか？"),
                      CLogDataConfirmDialog::kIconExclamation)) {
        progress.SetStatusText(J("ログデータの削除を中止しました。"));
        return 0;
    }
    operator_.SetWaitCursor(true);
    progress.SetStatusText(J("ログデータを削除しています。しばらくお待ちください．．．"));
    band->RemoveEntryAt(index);
    // The First flag of a removed entry passes to the next one of its multiplier.
    band->Rebuild(contest_, CQuillmarkData_SubMainData::kRebuildFirst);
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    progress.SetStatusText(J("ログデータの削除を完了しました。"));
    operator_.SetWaitCursor(false);
    return 1;
}

int CQuillmarkDoc::ChangeLogData(int index) {
    CProgressDialog progress(operator_);
    const Cp932 title = J("クイルマーク - ログデータの変更");
    CQuillmarkData_SubMainData* const band = BandToEdit(*this, progress, title);
    if (band == nullptr || !IsEntryIndex(*band, index)) {
        return 0;
    }
    const CQuillmarkData_LogDataItem stored = *band->GetEntryAt(index);
    const Cp932 cancelled = J("ログデータの変更を中止しました。");
    const Cp932 confirm_caption = J("ログデータ変更の確認");
    if (!ConfirmEntry(*this, stored, confirm_caption,
                      J("このログデータを変更します。よろしいですか？"),
                      CLogDataConfirmDialog::kIconQuestion)) {
        progress.SetStatusText(cancelled);
        return 0;
    }

    CLogDataInputSheet sheet(operator_, settings_, title);
    CLogDataInput_ContestNumber& numbers = sheet.GetContestNumberPage();
    numbers.SetSentEditable(true);
    numbers.SetReceivedEditable(true);
    CLogDataInput_Card& card = sheet.GetCardPage();
    for (size_t i = 0; i < kCardBoxes.size(); ++i) {
        card.SetMode(kCardBoxes[i], CLogDataInput_Card::kModeTwoState);
        card.SetValue(kCardBoxes[i], stored.HasCardFlag(kCardFlags[i]) ? 1 : 0);
    }
    sheet.GetDatePage().SetDate(stored.GetTime());
    sheet.GetCallSignPage().SetCallSignType(contest_.GetCallSignType());
    sheet.GetCallSignPage().SetCallSign(stored.GetCallSign());
    numbers.SetContestNumberType(contest_.GetContestNumberType());
    numbers.SetSentContestNumber(stored.GetSentContestNumber());
    numbers.SetReceivedContestNumber(stored.GetReceivedContestNumber());
    sheet.GetPointsPage().SetPoints(stored.GetPoints());
    sheet.GetElectricWaveTypePage().SetMode(stored.GetMode());
    sheet.GetCQPage().SetCallingMethod(stored.GetCallingMethod() != 0 ? 1 : 0);
    sheet.GetCommentsPage().SetComment(stored.GetComment());
    sheet.GetDatePage().SetGuidance(J("交信日時を入力してください．．．"));
    sheet.GetCallSignPage().SetGuidance(J("呼出符号を入力してください．．．"));
    numbers.SetGuidance(J("コンテストナンバーを入力してください．．．"));
    sheet.GetPointsPage().SetGuidance(J("得点を入力してください．．．"));
    sheet.GetElectricWaveTypePage().SetGuidance(J("電波の型式を選択してください．．．"));
    sheet.GetCQPage().SetGuidance(J("呼び出しの方法を選択してください．．．"));
    card.SetGuidance(J("カード情報を入力してください．．．"));
    sheet.GetCommentsPage().SetGuidance(J("何かメモしておくことがあれば、入力してください．．．"));

    const CQuillmarkData_CallSignType& call_format = contest_.GetCallSignType();
    const Cp932 stored_key = stored.GetCallSign().GetMainParameter(call_format);
    CQuillmarkData_LogDataItem changed = stored;
    for (;;) {
        if (sheet.RunWizard(kAllPages) != 1) {
            progress.SetStatusText(cancelled);
            return 0;
        }
        const CQuillmarkData_CallSignItem& call_sign = sheet.GetCallSignPage().GetCallSign();
        const Cp932 key = call_sign.GetMainParameter(call_format);
        // Keeping the stored station is never a duplicate, even when it was worked twice.
        if (FindCallSign(key) != -2 && key != stored_key) {
            progress.ShowMessage(
                J("【 ") + call_sign.GetText(settings_.GetPunctuationMarks()) +
                    J(" 】\n\nこの呼出符号は重複します。別の呼出符号に変えてください。"),
                J("クイルマーク - 重複の警告"), kWarning);
            continue;
        }
        // The working entry keeps its First flag; only the page fields change.
        changed = stored;
        changed.SetTime(sheet.GetDatePage().GetDate());
        changed.SetCallSign(call_sign);
        changed.SetSentContestNumber(numbers.GetSentContestNumber());
        changed.SetReceivedContestNumber(numbers.GetReceivedContestNumber());
        changed.SetPoints(sheet.GetPointsPage().GetPoints());
        changed.SetMode(sheet.GetElectricWaveTypePage().GetMode());
        // "Neither" cannot be stored; the method stays as it was.
        if (const int method = sheet.GetCQPage().GetCallingMethod(); method == 0 || method == 1) {
            changed.SetCallingMethod(method == 1);
        }
        for (size_t i = 0; i < kCardBoxes.size(); ++i) {
            changed.SetCardFlag(kCardFlags[i],
                                card.GetValue(kCardBoxes[i]) == CLogDataInput_Card::kOn);
        }
        changed.SetComment(sheet.GetCommentsPage().GetComment());
        break;
    }
    if (!ConfirmEntry(*this, changed, confirm_caption, J("このように変更します。よろしいですか？"),
                      CLogDataConfirmDialog::kIconQuestion)) {
        progress.SetStatusText(cancelled);
        return 0;
    }

    operator_.SetWaitCursor(true);
    progress.SetStatusText(J("ログデータを変更しています。しばらくお待ちください．．．"));
    band->SetEntryAt(index, changed);
    const CQuillmarkData_ContestNumberType& number_format = contest_.GetContestNumberType();
    if (changed.GetTime() != stored.GetTime()) {
        band->Rebuild(contest_, CQuillmarkData_SubMainData::kRebuildSort |
                                    CQuillmarkData_SubMainData::kRebuildFirst);
        UpdateAllViews(kHintAll);
    } else if (number_format.MultiplierIndexOrNone() < 0 ||
               changed.GetReceivedContestNumber().GetMultiplierParameter(number_format) ==
                   stored.GetReceivedContestNumber().GetMultiplierParameter(number_format)) {
        UpdateAllViews(index);
    } else {
        band->Rebuild(contest_, CQuillmarkData_SubMainData::kRebuildFirst);
        UpdateAllViews(kHintAll);
    }
    SetModifiedFlag(true);
    progress.SetStatusText(J("ログデータの変更を完了しました。"));
    operator_.SetWaitCursor(false);
    return 1;
}

int CQuillmarkDoc::ChangeSentContestNumbers(const std::vector<int>& indices) {
    const Cp932& delimiters = settings_.GetPunctuationMarks();
    const CQuillmarkData_ContestNumberType& format = contest_.GetContestNumberType();
    return RunBatchChange(
        *this, indices,
        {"送信コンテストナンバー", kContestNumberPage,
         [&format](CLogDataInputSheet& sheet, const CQuillmarkData_SubMainData& band) {
             CLogDataInput_ContestNumber& page = sheet.GetContestNumberPage();
             page.SetGuidance(J("送信コンテストナンバーを入力してください．．．"));
             page.SetSentEditable(true);
             page.SetReceivedEditable(false);
             page.SetContestNumberType(format);
             page.SetSentContestNumber(band.GetSentContestNumber());
         },
         [&delimiters](const CLogDataInputSheet& sheet) {
             return J("を、\n\n\t") +
                    sheet.GetContestNumberPage().GetSentContestNumber().GetText(delimiters) +
                    J("\n\nに変更します。よろしいですか？");
         },
         [](const CLogDataInputSheet& sheet, CQuillmarkData_LogDataItem& entry) {
             entry.SetSentContestNumber(sheet.GetContestNumberPage().GetSentContestNumber());
         }});
}

int CQuillmarkDoc::ChangePoints(const std::vector<int>& indices) {
    return RunBatchChange(*this, indices,
                          {"得点", kPointsPage,
                           [](CLogDataInputSheet& sheet, const CQuillmarkData_SubMainData&) {
                               sheet.GetPointsPage().SetGuidance(J("得点を入力してください．．．"));
                           },
                           [](const CLogDataInputSheet& sheet) {
                               return J("を、 ") +
                                      std::to_string(sheet.GetPointsPage().GetPoints()) +
                                      J(" 点に変更します。よろしいですか？");
                           },
                           [](const CLogDataInputSheet& sheet, CQuillmarkData_LogDataItem& entry) {
                               entry.SetPoints(sheet.GetPointsPage().GetPoints());
                           }});
}

int CQuillmarkDoc::ChangeModes(const std::vector<int>& indices) {
    return RunBatchChange(
        *this, indices,
        {"電波の型式", kModePage,
         [](CLogDataInputSheet& sheet, const CQuillmarkData_SubMainData& band) {
             sheet.GetElectricWaveTypePage().SetGuidance(J("電波の型式を選択してください．．．"));
             sheet.GetElectricWaveTypePage().SetMode(band.GetMode());
         },
         [](const CLogDataInputSheet& sheet) {
             const Cp932 mode = sheet.GetElectricWaveTypePage().GetMode();
             return J("を、\n\n\t") + (mode.empty() ? J("（指定しない）") : mode) +
                    J("\n\nに変更します。よろしいですか？");
         },
         [](const CLogDataInputSheet& sheet, CQuillmarkData_LogDataItem& entry) {
             entry.SetMode(sheet.GetElectricWaveTypePage().GetMode());
         }});
}

int CQuillmarkDoc::ChangeCallingMethods(const std::vector<int>& indices) {
    // Anything but "呼び出し" is applied as answering, as the question says.
    return RunBatchChange(
        *this, indices,
        {"呼び出しの方法", kCallingMethodPage,
         [](CLogDataInputSheet& sheet, const CQuillmarkData_SubMainData& band) {
             sheet.GetCQPage().SetGuidance(J("呼び出しの方法を選択してください．．．"));
             sheet.GetCQPage().SetCallingMethod(band.GetCallingMethod() != 0 ? 1 : 0);
         },
         [](const CLogDataInputSheet& sheet) {
             return J("を、\n\n\t") +
                    (sheet.GetCQPage().GetCallingMethod() == 1 ? J("[ 呼び出し ]")
                                                               : J("[ 応答 ]")) +
                    J("\n\nに変更します。よろしいですか？");
         },
         [](const CLogDataInputSheet& sheet, CQuillmarkData_LogDataItem& entry) {
             entry.SetCallingMethod(sheet.GetCQPage().GetCallingMethod() == 1);
         }});
}

int CQuillmarkDoc::ChangeCardData(const std::vector<int>& indices) {
    return RunBatchChange(
        *this, indices,
        {"カード情報", kCardPage,
         [](CLogDataInputSheet& sheet, const CQuillmarkData_SubMainData&) {
             CLogDataInput_Card& page = sheet.GetCardPage();
             page.SetGuidance(J("カード情報を入力してください．．．"));
             for (const CLogDataInput_Card::Box box : kCardBoxes) {
                 page.SetMode(box, CLogDataInput_Card::kModeThreeState);
                 page.SetValue(box, CLogDataInput_Card::kIndeterminate);
             }
         },
         [](const CLogDataInputSheet& sheet) {
             const CLogDataInput_Card& page = sheet.GetCardPage();
             return J("を、以下のような状態に変更します。\n\n\tカード要求 ") +
                    CardStateText(page.GetValue(CLogDataInput_Card::kRequested)) +
                    J("\n\tカード送出 ") + CardStateText(page.GetValue(CLogDataInput_Card::kSent)) +
                    J("\n\tカード受取 ") +
                    CardStateText(page.GetValue(CLogDataInput_Card::kReceived)) +
                    J("\n\nよろしいですか？");
         },
         [](const CLogDataInputSheet& sheet, CQuillmarkData_LogDataItem& entry) {
             const CLogDataInput_Card& page = sheet.GetCardPage();
             for (size_t i = 0; i < kCardBoxes.size(); ++i) {
                 const int state = page.GetValue(kCardBoxes[i]);
                 // The third state leaves the flag as it is.
                 if (state == CLogDataInput_Card::kOff || state == CLogDataInput_Card::kOn) {
                     entry.SetCardFlag(kCardFlags[i], state == CLogDataInput_Card::kOn);
                 }
             }
         }});
}
