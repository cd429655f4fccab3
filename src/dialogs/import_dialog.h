#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "dialogs/dialog_state.h"
#include "platform/cp932.h"

class CQuillmarkData_MainData;
class IOperator;

// The state of the import dialog: the logs of the same contest that could be imported (each
// a display name and the contest of another open document, not owned), the row the operator
// selected and the candidate chosen on OK. It also gives the texts of the list's rows, so the
// widget only shows them. CQuillmarkDoc::ImportLogData fills it and reads the choice back.
class CImportDialog : public CDialogState {
public:
    static constexpr int kColumnCount = 5;

    const char* GetDialogName() const override { return "CImportDialog"; }

    // The band texts of the list show up to extra_digits decimals (the UnderDecimalPoint
    // setting).
    void SetExtraDigits(int extra_digits) { extra_digits_ = extra_digits; }

    // Refused (false) for a null contest.
    bool AddCandidate(std::string_view name, const CQuillmarkData_MainData* contest);
    int GetCandidateCount() const { return static_cast<int>(candidates_.size()); }
    // Empty / null when out of range.
    Cp932 GetCandidateName(int i) const;
    const CQuillmarkData_MainData* GetCandidateContest(int i) const;

    // The list's columns: titles and widths.
    static const std::array<Cp932, kColumnCount>& GetColumnTitles();
    static const std::array<int, kColumnCount>& GetColumnWidths();
    // The row of candidate i: name, total entries, total multipliers, total points (in
    // decimal) and the texts of its bands joined by " ／ "; empty texts when out of range.
    std::array<Cp932, kColumnCount> GetRowTexts(int i) const;
    // The window title and the guidance text above the list.
    static const Cp932& GetCaption();
    static const Cp932& GetGuidance();

    // The row selected in the list, -1 for none; anything out of range selects none.
    void SetSelectedRow(int row);
    int GetSelectedRow() const { return selected_; }

    // The OK button: without a selected row tells the operator and returns false (the dialog
    // stays open); otherwise records the selection as the choice and returns true.
    bool OnOK(IOperator& op);

    // -1 when nothing was chosen.
    int GetChosenIndex() const { return chosen_; }
    // Null when nothing was chosen.
    const CQuillmarkData_MainData* GetChosenContest() const;

    // 1 OK, 2 cancel.
    int DoModal(IOperator& op);

private:
    struct Candidate {
        Cp932 name;
        const CQuillmarkData_MainData* contest;
    };

    std::vector<Candidate> candidates_;
    int extra_digits_ = 0;
    int selected_ = -1;
    int chosen_ = -1;
};
