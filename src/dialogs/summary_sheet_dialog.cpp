#include "dialogs/summary_sheet_dialog.h"

#include "dialogs/range_message.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

// Getter and setter of each text field, in field order.
struct TextField {
    const char* label;
    int edit_id;
    const Cp932& (CQuillmarkSystem::*get)() const;
    void (CQuillmarkSystem::*set)(const Cp932&);
};

const std::array<TextField, CSummarySheetDialog::kTextCount> kFields = {{
    {"郵便番号 ：", 1144, &CQuillmarkSystem::GetPostCode, &CQuillmarkSystem::SetPostCode},
    {"住所 ：", 1145, &CQuillmarkSystem::GetAddress, &CQuillmarkSystem::SetAddress},
    {"電話番号 ：", 1146, &CQuillmarkSystem::GetTelephoneNumber,
     &CQuillmarkSystem::SetTelephoneNumber},
    {"氏名（社団の名称） ：", 1057, &CQuillmarkSystem::GetName, &CQuillmarkSystem::SetName},
    {"無線従事者の資格 ：", 1058, &CQuillmarkSystem::GetLicence, &CQuillmarkSystem::SetLicence},
    {"指定されている空中線電力 ：", 1059, &CQuillmarkSystem::GetPower, &CQuillmarkSystem::SetPower},
    {"移動先 ：", 1060, &CQuillmarkSystem::GetPlace, &CQuillmarkSystem::SetPlace},
    {"移動先の使用電源 ：", 1061, &CQuillmarkSystem::GetPowerSupply,
     &CQuillmarkSystem::SetPowerSupply},
    {"登録クラブ番号 ：", 1062, &CQuillmarkSystem::GetRegisteredClub_Number,
     &CQuillmarkSystem::SetRegisteredClub_Number},
    {"登録クラブ名称 ：", 1063, &CQuillmarkSystem::GetRegisteredClub_Name,
     &CQuillmarkSystem::SetRegisteredClub_Name},
    {"社団の代表者氏名／氏名 ：", 1064, &CQuillmarkSystem::GetSuperintendentName,
     &CQuillmarkSystem::SetSuperintendentName},
    {"意見 ：", 1065, &CQuillmarkSystem::GetRemarks, &CQuillmarkSystem::SetRemarks},
}};

bool Valid(int text) {
    return text >= 0 && text < CSummarySheetDialog::kTextCount;
}

}  // namespace

const Cp932& CSummarySheetDialog::GetCaption() {
    static const Cp932 caption = Utf8ToCp932("クイルマーク - サマリーシート用情報の設定");
    return caption;
}

Cp932 CSummarySheetDialog::GetLabel(int text) {
    return Valid(text) ? Utf8ToCp932(kFields[static_cast<size_t>(text)].label) : Cp932();
}

int CSummarySheetDialog::GetEditId(int text) {
    return Valid(text) ? kFields[static_cast<size_t>(text)].edit_id : 0;
}

void CSummarySheetDialog::FillFrom(const CQuillmarkSystem& settings) {
    for (size_t i = 0; i < kFields.size(); ++i) {
        texts_[i] = (settings.*kFields[i].get)();
    }
    use_station_parameter_ = settings.GetIsUseStationParameter();
    station_parameter_ = settings.GetStationParameter();
}

SettingCheck CSummarySheetDialog::Check() const {
    if (use_station_parameter_ == 0 || (station_parameter_ >= kMinStationParameter &&
                                        station_parameter_ <= kMaxStationParameter)) {
        return {};
    }
    return {false, RangeMessageCaption(), RangeMessage(kMinStationParameter, kMaxStationParameter),
            kStationParameterEdit};
}

bool CSummarySheetDialog::ApplyTo(CQuillmarkSystem& settings) const {
    const int old_use = settings.GetIsUseStationParameter();
    const int old_parameter = settings.GetStationParameter();
    for (size_t i = 0; i < kFields.size(); ++i) {
        (settings.*kFields[i].set)(texts_[i]);
    }
    settings.SetIsUseStationParameter(use_station_parameter_);
    settings.SetStationParameter(station_parameter_);
    return use_station_parameter_ != old_use ||
           (use_station_parameter_ != 0 && station_parameter_ != old_parameter);
}
