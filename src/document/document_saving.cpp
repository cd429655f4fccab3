#include "document/document_saving.h"

#include "dialogs/operator.h"
#include "document/quillmark_doc.h"
#include "platform/cp932_convert.h"

namespace document_saving {

std::string TitleOf(const CQuillmarkDoc& document, const std::string& display_name) {
    const std::string title = document.GetTitle();
    return title.empty() ? display_name : title;
}

bool DoSave(CQuillmarkDoc& document, IOperator& op, bool save_as, const std::string& display_name) {
    std::string path = document.GetPathName();
    // A read-only document is never written over the file another program is writing.
    if (save_as || path.empty() || document.IsReadOnly()) {
        FileNameRequest request;
        request.save = true;
        request.title = Utf8ToCp932("名前を付けて保存");
        request.filter =
            Utf8ToCp932("クイルマーク データファイル(*.qmk)|*.qmk|すべてのファイル (*.*)|*.*||");
        request.default_extension = "qmk";
        request.default_name = Utf8ToCp932(TitleOf(document, display_name));
        request.prompt_overwrite = true;
        const std::optional<std::string> chosen = op.AskFileName(request);
        if (!chosen) {
            return false;
        }
        path = *chosen;
    }
    if (!document.OnSaveDocument(path)) {
        return false;
    }
    if (path != document.GetPathName()) {
        document.SetReadOnly(false);
        document.SetPathName(path, true);
    }
    return true;
}

bool SaveModified(CQuillmarkDoc& document, IOperator& op, const std::string& display_name) {
    if (!document.IsModified()) {
        return true;
    }
    const int answer = op.ShowMessage(
        Utf8ToCp932(TitleOf(document, display_name)) + Utf8ToCp932(" への変更を保存しますか?"),
        Utf8ToCp932("クイルマーク"), message_box::kYesNoCancel | message_box::kIconExclamation);
    if (answer == message_box::kIdCancel) {
        return false;
    }
    return answer == message_box::kIdNo || DoSave(document, op, false, display_name);
}

}  // namespace document_saving
