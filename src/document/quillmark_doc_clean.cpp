#include "dialogs/import_dialog.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/open_documents.h"
#include "document/quillmark_doc.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

}  // namespace

int CQuillmarkDoc::CleanLogData() {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    const int answer = progress.ShowMessage(
        J("この作業では、ログデータの並べ替え・First のふり直し・グラフデータの完全再構築を行い"
          "ます。データに異常が発生したと思われる場合にのみ、実行してください。"
          "\n\nこの作業を行うと、作業終了までにかなりの時間がかかります。"
          "\n\n本当にこの作業を実行しますか？"),
        J("クイルマーク - データ洗浄"),
        message_box::kYesNo | message_box::kIconExclamation | message_box::kDefaultButton2);
    if (answer != message_box::kIdYes) {
        progress.SetStatusText(J("データ洗浄を中止しました。"));
        return 0;
    }
    progress.SetStatusText(J("データ洗浄をしています。しばらくお待ちください．．．"));
    RebuildLogData(kRebuildFull);
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    progress.SetStatusText(J("データ洗浄を完了しました。"));
    return 1;
}

int CQuillmarkDoc::ImportLogData(const IOpenDocuments& open_documents) {
    if (!contest_.IsValid()) {
        return 0;
    }
    CProgressDialog progress(operator_);
    CImportDialog dialog;
    dialog.SetExtraDigits(settings_.GetUnderDecimalPoint());
    for (const CQuillmarkDoc* document : open_documents.GetContestDocuments()) {
        if (document == nullptr || document == this ||
            !contest_.CanImport(&document->GetContest())) {
            continue;
        }
        const std::string& path = document->GetPathName();
        dialog.AddCandidate(path.empty() ? J("（ファイル名はありません。）") : Utf8ToCp932(path),
                            &document->GetContest());
    }
    if (dialog.GetCandidateCount() == 0) {
        progress.ShowMessage(J("現在、インポート可能なデータが 1 つも読み込まれていません。"),
                             CImportDialog::GetCaption(),
                             message_box::kOk | message_box::kIconExclamation);
        return 0;
    }
    const Cp932 cancelled = J("インポートを中止しました。");
    // OK without a recorded choice cannot import anything: it counts as Cancel.
    if (dialog.DoModal(operator_) != message_box::kIdOk || dialog.GetChosenContest() == nullptr) {
        progress.SetStatusText(cancelled);
        return 0;
    }
    progress.SetStatusText(J("インポート中です。しばらくお待ちください．．．"));
    // Import checks again; a log that stopped qualifying while the dialog was open changes
    // nothing, and the document must not then claim a change.
    if (!contest_.Import(dialog.GetChosenContest())) {
        progress.SetStatusText(cancelled);
        return 0;
    }
    contest_.SortBands();
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    progress.SetStatusText(J("インポートを完了しました。"));
    return 1;
}
