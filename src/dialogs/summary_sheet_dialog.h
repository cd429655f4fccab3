#pragma once

#include <array>

#include "dialogs/dialog_state.h"
#include "dialogs/system_setting_sheet.h"
#include "platform/cp932.h"

class CQuillmarkSystem;

// The summary sheet information dialog "クイルマーク - サマリーシート用情報の設定": the
// twelve texts printed on the summary sheet and the station coefficient. Filled from the
// settings, edited by the widget, checked on OK (the coefficient 1 .. 100 while it is used)
// and copied back.
class CSummarySheetDialog : public CDialogState {
public:
    enum Text {
        kPostCode = 0,
        kAddress,
        kTelephoneNumber,
        kName,
        kLicence,
        kPower,
        kPlace,
        kPowerSupply,
        kRegisteredClubNumber,
        kRegisteredClubName,
        kSuperintendentName,
        kRemarks,
        kTextCount
    };
    static constexpr int kStationParameterEdit = 1148;
    static constexpr int kMinStationParameter = 1;
    static constexpr int kMaxStationParameter = 100;

    const char* GetDialogName() const override { return "CSummarySheetDialog"; }
    static const Cp932& GetCaption();
    // The label of text field i, as "郵便番号 ：".
    static Cp932 GetLabel(int text);
    // The control id of text field i, the focus target of its edit.
    static int GetEditId(int text);

    void FillFrom(const CQuillmarkSystem& settings);

    const Cp932& GetText(int text) const { return texts_[static_cast<size_t>(text)]; }
    void SetText(int text, const Cp932& value) { texts_[static_cast<size_t>(text)] = value; }
    int GetUseStationParameter() const { return use_station_parameter_; }
    void SetUseStationParameter(int use) { use_station_parameter_ = use; }
    int GetStationParameter() const { return station_parameter_; }
    void SetStationParameter(int value) { station_parameter_ = value; }

    // The OK check: the coefficient must lie in its range.
    SettingCheck Check() const;
    // Copies the values back; true when the score shown changes (the coefficient switched
    // on or off, or changed while it is used).
    bool ApplyTo(CQuillmarkSystem& settings) const;

private:
    std::array<Cp932, kTextCount> texts_;
    int use_station_parameter_ = 0;
    int station_parameter_ = 1;
};
