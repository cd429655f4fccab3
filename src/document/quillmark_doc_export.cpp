// The text export command of the contest log document.
#include <optional>

#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/quillmark_doc.h"
#include "document/text_export.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

bool CQuillmarkDoc::ExportLogDataAsText() {
    using text_export::Refusal;
    CProgressDialog progress(operator_);
    const Cp932 caption = text_export::Caption();
    constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

    const Refusal refusal = text_export::CheckExportable(contest_);
    if (refusal == Refusal::no_contest) {
        return false;
    }
    if (refusal != Refusal::none) {
        progress.ShowMessage(text_export::RefusalMessage(refusal), caption, kWarning);
        return false;
    }

    FileNameRequest request;
    request.save = true;
    request.title = caption;
    request.filter = Utf8ToCp932("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)|*.log|すべてのﾌｧｲﾙ (*.*)|*.*||");
    request.default_name = contest_.GetOwnCallSign().GetMainParameter(contest_.GetCallSignType());
    request.default_extension = "log";
    request.prompt_overwrite = true;
    request.hide_read_only = true;
    const std::optional<std::string> path = operator_.AskFileName(request);
    if (!path) {
        progress.SetStatusText(Utf8ToCp932("ログデータのテキスト出力を中止しました。"));
        return false;
    }

    text_export::Options options;
    options.under_decimal_point = settings_.GetUnderDecimalPoint();
    options.rule = settings_.GetDisplayTimeZoneRule();
    operator_.SetWaitCursor(true);
    const text_export::WriteResult result = text_export::WriteFile(*path, contest_, options);
    operator_.SetWaitCursor(false);
    switch (result.status) {
        case text_export::WriteResult::Status::open_failed:
            progress.ShowMessage(Utf8ToCp932("ファイルのオープンに失敗しました。"), caption,
                                 kWarning);
            return false;
        case text_export::WriteResult::Status::write_failed:
            progress.ShowMessage(text_export::WriteFailedMessage(result), caption, kWarning);
            progress.SetStatusText(Utf8ToCp932("ログデータのテキスト出力を中止しました。"));
            return false;
        case text_export::WriteResult::Status::written:
            break;
    }
    progress.SetStatusText(Utf8ToCp932("ログデータのテキスト出力を完了しました。"));
    return true;
}
