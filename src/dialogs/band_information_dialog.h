#pragma once

#include <string_view>
#include <vector>

#include "dialogs/dialog_state.h"
#include "model/band.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class IOperator;

// The state of the dialog in which the operator gives one band's frequency and the defaults
// of new entries on it (mode, own sent contest number, calling method). The document fills
// it for adding and changing a band and reads it back after OK; OnOK holds the checks the
// widget runs when the operator presses OK. Works with the contest number format it is given
// and the band and item classes of the model; its mode list is the log entry wizard's.
class CBandInformationDialog : public CDialogState {
public:
    static constexpr int kUnitIndexKilo = 0;
    static constexpr int kUnitIndexMega = 1;
    static constexpr int kUnitIndexGiga = 2;
    // Radio indices of the calling method.
    static constexpr int kRadioCalling = 0;
    static constexpr int kRadioAnswering = 1;
    // What the frequency edit and its spin button accept.
    static constexpr int kFrequencyTextLimit = 11;
    static constexpr int kFrequencySpinLower = 1;
    static constexpr int kFrequencySpinUpper = 30000;
    // Fields a refused OK focuses.
    enum class Field { none, frequency, sent_contest_number };

    const char* GetDialogName() const override { return "CBandInformationDialog"; }
    // "クイルマーク - 周波数帯ごとの情報の設定".
    static Cp932 GetWindowTitle();

    void SetGuidance(std::string_view text) { guidance_ = Cp932(text); }
    const Cp932& GetGuidance() const { return guidance_; }
    void SetContestNumberType(const CQuillmarkData_ContestNumberType& format) { format_ = format; }
    const CQuillmarkData_ContestNumberType& GetContestNumberType() const { return format_; }

    // Frequency and unit of a valid band (unit 3/6/9 → index 0/1/2); false for any other.
    bool SetBand(const CQuillmarkData_BandItem& band);
    // The band the controls give; not valid when they give none (a frequency that is not a
    // finite number or a unit index outside 0 … 2).
    CQuillmarkData_BandItem GetBand() const;

    // The choices of the mode list, "（指定しない）" first (those of the log entry wizard).
    static const std::vector<Cp932>& GetModeList();
    // An empty mode selects "（指定しない）". A mode that is not in the list (one kept from an
    // older file) stays selected as it is, so that changing other settings does not lose it.
    void SetMode(std::string_view mode);
    // Empty for "（指定しない）".
    Cp932 GetMode() const;
    // The text the mode list shows selected.
    const Cp932& GetModeSelection() const { return mode_; }

    void SetSentContestNumber(const CQuillmarkData_ContestNumberItem& item) { sent_ = item; }
    // The item OnOK built from the text (as preloaded when OK was never accepted).
    const CQuillmarkData_ContestNumberItem& GetSentContestNumber() const { return sent_; }
    // Fills the edit from the item as the dialog does on opening.
    void LoadSentContestNumberText(std::string_view delimiters);
    // The edit's length limit: the format's maximum total length, -1 for none.
    int GetSentContestNumberTextLimit() const;

    // 1 selects "呼び出し", 0 "応答", anything else neither.
    void SetCallingMethod(int method);
    // 1 for "呼び出し", 0 for "応答", 2 for neither.
    int GetCallingMethod() const;

    // --- The controls, as the widget or an operator's script sets them. ---
    void SetFrequency(double frequency) { frequency_ = frequency; }
    double GetFrequency() const { return frequency_; }
    void SetUnitIndex(int index) { unit_index_ = index; }
    int GetUnitIndex() const { return unit_index_; }
    void SetSentContestNumberText(std::string_view text) { sent_text_ = Cp932(text); }
    const Cp932& GetSentContestNumberText() const { return sent_text_; }
    void SetCallingMethodRadio(int index) { calling_radio_ = index; }
    int GetCallingMethodRadio() const { return calling_radio_; }

    // The checks of the OK button: warns through op and returns false (the dialog stays,
    // GetFocusField names the field to select) or builds the sent contest number item with
    // delimiters and returns true (the dialog closes with OK).
    bool OnOK(IOperator& op, std::string_view delimiters);
    Field GetFocusField() const { return focus_; }

    // Runs the dialog; 1 OK, 2 cancel.
    int DoModal(IOperator& op);

private:
    static const Cp932& NoModeText();

    Cp932 guidance_;
    double frequency_ = 7.0;
    int unit_index_ = kUnitIndexMega;
    Cp932 mode_ = NoModeText();
    Cp932 sent_text_;
    CQuillmarkData_ContestNumberItem sent_;
    CQuillmarkData_ContestNumberType format_;
    int calling_radio_ = kRadioCalling;
    Field focus_ = Field::none;
};
