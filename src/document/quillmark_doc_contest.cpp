// Setting up a new contest and changing the description of the existing one, both through
// the contest setup wizard.

#include "dialogs/contest_type_sheet.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/quillmark_doc.h"
#include "platform/cp932_convert.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

// Update hint: the contest description changed, no entry did.
constexpr int kHintDescription = -3;

}  // namespace

int CQuillmarkDoc::SetupNewContest() {
    CProgressDialog progress(operator_);
    CContestTypeSheet sheet(J("クイルマーク - 新規コンテスト情報の設定"), operator_, settings_);
    if (sheet.RunWizard(contest_type::kModeNew) == message_box::kIdCancel) {
        progress.SetStatusText(J("新規コンテスト情報の設定を中止しました。"));
        return 0;
    }
    const CContestTypePage_Parameter_2& formats = sheet.GetParameter2Page();
    const CContestTypePage_MainInformation_1& main = sheet.GetMainInformation1Page();
    if (!contest_.SetContest(main.GetContestName(), main.GetStart(), main.GetEnd(),
                             main.GetOwnCallSign(), formats.GetCallSignType(),
                             formats.GetContestNumberType())) {
        progress.SetStatusText(J("新規コンテスト情報の設定に失敗しました。"));
        return 0;
    }
    contest_.SetCategoryCode(main.GetCategoryCode());
    contest_.SetCategoryName(main.GetCategoryName());
    if (!RebuildGraphData()) {
        progress.SetStatusText(J("新規コンテスト情報の設定に失敗しました。"));
        return 0;
    }
    SetModifiedFlag(true);
    UpdateAllViews(kHintAll);
    return 1;
}

int CQuillmarkDoc::ChangeContest() {
    CProgressDialog progress(operator_);
    CContestTypeSheet sheet(J("クイルマーク - 既存のコンテスト情報の設定変更"), operator_,
                            settings_);
    if (!contest_.IsValid()) {
        return 0;
    }
    sheet.SetContestData(&contest_);
    sheet.GetParameter2Page().SetCallSignType(contest_.GetCallSignType());
    sheet.GetParameter2Page().SetContestNumberType(contest_.GetContestNumberType());
    CContestTypePage_MainInformation_1& main = sheet.GetMainInformation1Page();
    main.SetContestName(contest_.GetContestName());
    main.SetCategoryCode(contest_.GetCategoryCode());
    main.SetCategoryName(contest_.GetCategoryName());
    main.SetOwnCallSign(contest_.GetOwnCallSign());
    main.SetStart(contest_.GetStartTime());
    main.SetEnd(contest_.GetEndTime());
    if (sheet.RunWizard(contest_type::kModeChange) == message_box::kIdCancel) {
        progress.SetStatusText(J("既存のコンテスト情報の設定変更を中止しました。"));
        return 0;
    }
    // The formats stay: entries already logged were checked against them.
    contest_.SetContestName(main.GetContestName());
    contest_.SetCategoryCode(main.GetCategoryCode());
    contest_.SetCategoryName(main.GetCategoryName());
    contest_.SetOwnCallSign(main.GetOwnCallSign());
    contest_.SetStartTime(main.GetStart());
    contest_.SetEndTime(main.GetEnd());
    progress.SetStatusText(J("既存のコンテスト情報の設定変更を完了しました。"));
    SetModifiedFlag(true);
    UpdateAllViews(kHintDescription);
    return 1;
}

bool CQuillmarkDoc::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    if (!SetupNewContest()) {
        return false;
    }
    SetModifiedFlag(true);
    return true;
}

bool CQuillmarkDoc::OpenEmptyFileAsNewContest(const std::string& path) {
    if (!OnNewDocument()) {
        return false;
    }
    SetPathName(path, true);
    // Whatever the automatic-saving setting: the empty file becomes a contest data file.
    SaveAutomatically(false);
    return true;
}
