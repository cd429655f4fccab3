#include "dialogs/import_dialog.h"

#include <string>

#include "dialogs/operator.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

bool CImportDialog::AddCandidate(std::string_view name, const CQuillmarkData_MainData* contest) {
    if (contest == nullptr) {
        return false;
    }
    candidates_.push_back({Cp932(name), contest});
    return true;
}

Cp932 CImportDialog::GetCandidateName(int i) const {
    if (i < 0 || i >= GetCandidateCount()) {
        return {};
    }
    return candidates_[static_cast<size_t>(i)].name;
}

const CQuillmarkData_MainData* CImportDialog::GetCandidateContest(int i) const {
    if (i < 0 || i >= GetCandidateCount()) {
        return nullptr;
    }
    return candidates_[static_cast<size_t>(i)].contest;
}

const std::array<Cp932, CImportDialog::kColumnCount>& CImportDialog::GetColumnTitles() {
    static const std::array<Cp932, kColumnCount> titles = {
        Utf8ToCp932("ファイル名"), Utf8ToCp932("全体の局数"), Utf8ToCp932("全体のマルチ数"),
        Utf8ToCp932("全体の得点数"), Utf8ToCp932("追加される周波数帯")};
    return titles;
}

const std::array<int, CImportDialog::kColumnCount>& CImportDialog::GetColumnWidths() {
    static const std::array<int, kColumnCount> widths = {250, 80, 112, 96, 150};
    return widths;
}

std::array<Cp932, CImportDialog::kColumnCount> CImportDialog::GetRowTexts(int i) const {
    std::array<Cp932, kColumnCount> row;
    const CQuillmarkData_MainData* contest = GetCandidateContest(i);
    if (contest == nullptr) {
        return row;
    }
    row[0] = candidates_[static_cast<size_t>(i)].name;
    row[1] = std::to_string(contest->GetTotalEntryCount());
    row[2] = std::to_string(contest->GetTotalMultiplierCount());
    row[3] = std::to_string(contest->GetTotalPoints());
    static const Cp932 separator = Utf8ToCp932(" ／ ");
    for (int b = 0; b < contest->GetBandCount(); ++b) {
        if (b > 0) {
            row[4] += separator;
        }
        row[4] += contest->GetBandAt(b)->GetBand().GetBandText(extra_digits_, 1, true);
    }
    return row;
}

const Cp932& CImportDialog::GetCaption() {
    static const Cp932 caption = Utf8ToCp932("クイルマーク - インポート");
    return caption;
}

const Cp932& CImportDialog::GetGuidance() {
    static const Cp932 guidance = Utf8ToCp932(
        "インポート可能なデータは以下のとおりです。\n\nインポートしたいファイルを選択してください．"
        "．．");
    return guidance;
}

void CImportDialog::SetSelectedRow(int row) {
    selected_ = (row >= 0 && row < GetCandidateCount()) ? row : -1;
}

bool CImportDialog::OnOK(IOperator& op) {
    if (selected_ < 0) {
        op.ShowMessage(Utf8ToCp932("アイテムが選択されていません。インポートしたいファイルを選択"
                                   "してください。"),
                       GetCaption(), message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    chosen_ = selected_;
    return true;
}

const CQuillmarkData_MainData* CImportDialog::GetChosenContest() const {
    return GetCandidateContest(chosen_);
}

int CImportDialog::DoModal(IOperator& op) {
    chosen_ = -1;
    return op.RunDialog(*this, 0);
}
