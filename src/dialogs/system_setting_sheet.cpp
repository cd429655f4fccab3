#include "dialogs/system_setting_sheet.h"

#include <array>

#include "dialogs/range_message.h"
#include "platform/cp932_convert.h"
#include "settings/input_text_replacement.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

SettingCheck Warning(std::string_view utf8_text, int focus) {
    return {false, J("クイルマーク - 警告"), J(utf8_text), focus};
}

SettingCheck RangeCheck(int value, int lower, int upper, int focus) {
    if (value >= lower && value <= upper) {
        return {};
    }
    return {false, RangeMessageCaption(), RangeMessage(lower, upper), focus};
}

SettingCheck CheckPair(const Cp932& source, const Cp932& destination) {
    if (source.empty()) {
        return Warning("変換前の文字を入力してください。", CSystemSettingSheet::kPairSourceEdit);
    }
    if (IsSelfFeedingReplacementPair(source, destination)) {
        return Warning(
            "変換後の文字列に変換前の文字が含まれているため、この組み合わせは設定できません。"
            "（変換が終わらなくなります。）",
            CSystemSettingSheet::kPairDestinationEdit);
    }
    return {};
}

Cp932 FirstCharacter(const Cp932& text) {
    return text.substr(0, cp932::CharLength(text, 0));
}

}  // namespace

const Cp932& CSystemSettingSheet::GetCaption() {
    static const Cp932 caption = J("クイルマーク - システム設定");
    return caption;
}

Cp932 CSystemSettingSheet::GetPageTitle(int page) {
    static const std::array<const char*, kPageCount> titles = {
        "システム", "文字", "ログデータの入力", "表示", "印刷", "無線機"};
    return page >= 0 && page < kPageCount ? J(titles[page]) : Cp932();
}

void CSystemSettingSheet::FillFrom(const CQuillmarkSystem& s) {
    Values v;
    v.saving_settings = s.GetIsSavingSettingsEnabled();
    v.title_logo = s.GetIsDisplayingTitleLogoEnabled();
    v.elapse = s.GetnElapse();
    v.placement_save_flag = s.GetMainWindowPlacementSaveFlag();
    v.date_display = s.GetIsDisplayingDateEnabled();
    v.date_display_string = s.GetDateDisplayString();
    v.automatic_saving = s.GetIsAutomaticSavingEnabled();
    v.punctuation_marks = s.GetPunctuationMarks();
    v.replacing_input_text = s.GetIsReplacingInputTextEnabled();
    for (int i = 0; i < s.GetReplacementPairCount(); ++i) {
        v.pairs.push_back({s.GetSourceCharacters(i), s.GetDestinationCharacters(i)});
    }
    v.input_points_every_time = s.GetIsInputPointsEveryTime();
    v.default_points = s.GetDefaultPoints();
    v.input_mode_every_time = s.GetIsInputElectricWaveTypeEveryTime();
    v.input_cq_every_time = s.GetIsInputCQEveryTime();
    v.input_card_every_time = s.GetIsInputCardDataEveryTime();
    v.default_card_demand = s.GetDefaultSettingOfCardDemand();
    v.input_comments_every_time = s.GetIsInputCommentsEveryTime();
    v.under_decimal_point = s.GetUnderDecimalPoint();
    v.display_utc = s.GetIsDisplayUTC();
    v.default_print_type = s.GetDefaultPrintType();
    v.print_dialog_bypassed = s.GetIsPrintDialogBypassed();
    values_ = std::move(v);
}

SettingCheck CSystemSettingSheet::CheckPage(int page) const {
    switch (page) {
        case kAddingLogData:
            return RangeCheck(values_.default_points, kMinDefaultPoints, kMaxDefaultPoints,
                              kDefaultPointsEdit);
        case kDisplaying:
            return RangeCheck(values_.under_decimal_point, kMinUnderDecimalPoint,
                              kMaxUnderDecimalPoint, kUnderDecimalPointEdit);
        case kRadio:
            if (values_.rig.connection == CRigSettings::kHamlib &&
                values_.rig.serial_port.empty()) {
                return Warning("無線機をつなぐポートを入力してください。", kRigSerialPortEdit);
            }
            if (values_.rig.connection == CRigSettings::kRigctld && values_.rig.host.empty()) {
                return Warning("rigctld のホスト名を入力してください。", kRigHostEdit);
            }
            return values_.rig.connection == CRigSettings::kRigctld
                       ? RangeCheck(values_.rig.network_port, 1, 65535, kRigNetworkPortEdit)
                       : SettingCheck{};
        default:
            return {};
    }
}

int CSystemSettingSheet::FirstFailingPage() const {
    for (int page = 0; page < kPageCount; ++page) {
        if (!CheckPage(page).passed) {
            return page;
        }
    }
    return kPageCount;
}

SettingCheck CSystemSettingSheet::AddPair(const Cp932& source, const Cp932& destination) {
    SettingCheck check = CheckPair(source, destination);
    if (check.passed) {
        values_.pairs.push_back({source, destination});
    }
    return check;
}

SettingCheck CSystemSettingSheet::ChangePair(int index, const Cp932& source,
                                             const Cp932& destination) {
    if (index < 0 || index >= static_cast<int>(values_.pairs.size())) {
        return Warning("変更する組み合わせを選んでください。", kPairSourceEdit);
    }
    SettingCheck check = CheckPair(source, destination);
    if (check.passed) {
        values_.pairs[static_cast<size_t>(index)] = {source, destination};
    }
    return check;
}

bool CSystemSettingSheet::RemovePair(int index) {
    if (index < 0 || index >= static_cast<int>(values_.pairs.size())) {
        return false;
    }
    values_.pairs.erase(values_.pairs.begin() + index);
    return true;
}

void CSystemSettingSheet::RestoreDefaultPairs() {
    CQuillmarkSystem defaults;
    defaults.SetPunctuationMarks(values_.punctuation_marks);
    defaults.RemoveAllReplacementPairs();
    defaults.Validate(false);
    values_.pairs.clear();
    for (int i = 0; i < defaults.GetReplacementPairCount(); ++i) {
        values_.pairs.push_back(
            {defaults.GetSourceCharacters(i), defaults.GetDestinationCharacters(i)});
    }
}

bool CSystemSettingSheet::ApplyTo(CQuillmarkSystem& s) const {
    const Cp932 old_first_mark = FirstCharacter(s.GetPunctuationMarks());
    const int old_decimals = s.GetUnderDecimalPoint();
    const int old_utc = s.GetIsDisplayUTC();

    const Values& v = values_;
    s.SetIsSavingSettingsEnabled(v.saving_settings);
    s.SetIsDisplayingTitleLogoEnabled(v.title_logo);
    s.SetnElapse(v.elapse);
    s.SetMainWindowPlacementSaveFlag(v.placement_save_flag);
    s.SetIsDisplayingDateEnabled(v.date_display);
    s.SetDateDisplayString(v.date_display_string);
    s.SetIsAutomaticSavingEnabled(v.automatic_saving);
    s.SetPunctuationMarks(v.punctuation_marks);
    s.SetIsReplacingInputTextEnabled(v.replacing_input_text);
    s.RemoveAllReplacementPairs();
    for (const Pair& pair : v.pairs) {
        s.AddReplacementPair(pair.source, pair.destination);
    }
    s.SetIsInputPointsEveryTime(v.input_points_every_time);
    s.SetDefaultPoints(v.default_points);
    s.SetIsInputElectricWaveTypeEveryTime(v.input_mode_every_time);
    s.SetIsInputCQEveryTime(v.input_cq_every_time);
    s.SetIsInputCardDataEveryTime(v.input_card_every_time);
    s.SetDefaultSettingOfCardDemand(v.default_card_demand);
    s.SetIsInputCommentsEveryTime(v.input_comments_every_time);
    s.SetUnderDecimalPoint(v.under_decimal_point);
    s.SetIsDisplayUTC(v.display_utc);
    s.SetDefaultPrintType(v.default_print_type);
    s.SetIsPrintDialogBypassed(v.print_dialog_bypassed);
    s.Validate(false);

    return FirstCharacter(s.GetPunctuationMarks()) != old_first_mark ||
           s.GetUnderDecimalPoint() != old_decimals || s.GetIsDisplayUTC() != old_utc;
}

bool CSystemSettingSheet::ApplyRigTo(CRigSettings& rig) const {
    CRigSettings applied = values_.rig;
    applied.Validate();
    const bool changed = !(applied == rig);
    rig = applied;
    return changed;
}
