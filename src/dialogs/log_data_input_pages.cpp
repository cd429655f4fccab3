#include "dialogs/log_data_input_pages.h"

#include <algorithm>
#include <limits>
#include <string>

#include "dialogs/range_message.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

LogDataInputCheck Warning(std::string_view utf8_text, int focus) {
    return {false, J("クイルマーク - 警告"), J(utf8_text), focus};
}

// The range message the toolkit's data exchange shows for a number outside its range.
LogDataInputCheck RangeWarning(int minimum, int maximum, int focus) {
    return {false, RangeMessageCaption(), RangeMessage(minimum, maximum), focus};
}

// What the edits show for an item: empty for an item that holds nothing.
Cp932 EditTextOf(const CQuillmarkData_Item& item, std::string_view delimiters) {
    return item.IsValid() ? item.GetText(delimiters) : Cp932();
}

// The call sign edit takes upper case only; the trail byte of a double-byte character is
// left alone even when it has the value of a small letter.
void ToUpperCase(Cp932& text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = cp932::CharLength(text, i);
        if (length == 1 && text[i] >= 'a' && text[i] <= 'z') {
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
        }
        i += std::max<size_t>(length, 1);
    }
}

void TypeInto(Cp932& text, std::string_view typed, CReplacingEdit& edit) {
    text += typed;
    size_t caret = text.size();
    edit.OnTextChanged(text, caret);
}

}  // namespace

// --- Date. ---

Cp932 CLogDataInput_Date::GetCaption() const {
    return J("クイルマーク - 交信日時の入力");
}

bool CLogDataInput_Date::SetDate(int64_t time) {
    if (time < std::numeric_limits<int32_t>::min() || time > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    date_ = time;
    return true;
}

void CLogDataInput_Date::OnSetActive(const CQuillmarkSystem& settings) {
    const CalendarTime time = settings.GetDisplayTimeZoneRule().ToCalendarTime(GetDate());
    fields_ = {
        static_cast<int>(time.year), time.month, time.day, time.hour, time.minute, time.second};
}

LogDataInputCheck CLogDataInput_Date::OnWizardNext(const CQuillmarkSystem& settings) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (fields_[i] < kMinimum[i] || fields_[i] > kMaximum[i]) {
            return RangeWarning(kMinimum[i], kMaximum[i], kEditIds[i]);
        }
    }
    CalendarTime fields;
    fields.year = fields_[kYear];
    fields.month = fields_[kMonth];
    fields.day = fields_[kDay];
    fields.hour = fields_[kHour];
    fields.minute = fields_[kMinute];
    fields.second = fields_[kSecond];
    // A day beyond the month's end carries into the next month.
    const std::optional<int64_t> time = settings.GetDisplayTimeZoneRule().ToSeconds(fields);
    if (!time || !SetDate(*time)) {
        return Warning("交信日時の入力に誤りがあります。", kEditIds[kYear]);
    }
    return {};
}

// --- Call sign. ---

Cp932 CLogDataInput_CallSign::GetCaption() const {
    return J("クイルマーク - 呼出符号の入力");
}

bool CLogDataInput_CallSign::SetCallSign(const CQuillmarkData_CallSignItem& item) {
    call_sign_ = item;
    return true;
}

bool CLogDataInput_CallSign::SetCallSignType(const CQuillmarkData_CallSignType& format) {
    format_ = format;
    return true;
}

void CLogDataInput_CallSign::TypeText(std::string_view typed) {
    Cp932 upper(typed);
    ToUpperCase(upper);
    TypeInto(text_, upper, edit_);
}

int CLogDataInput_CallSign::GetEditLimit() const {
    return format_.IsValid() ? format_.GetMaxTotalLength() : -1;
}

void CLogDataInput_CallSign::OnSetActive(const CQuillmarkSystem& settings) {
    text_ = EditTextOf(call_sign_, settings.GetPunctuationMarks());
    edit_.LoadFromSettings(settings);
}

LogDataInputCheck CLogDataInput_CallSign::OnWizardNext(const CQuillmarkSystem& settings) {
    CQuillmarkData_CallSignItem item;
    if (!item.SetText(text_, settings.GetPunctuationMarks(), format_)) {
        return Warning("呼出符号の入力に誤りがあります。", kEditId);
    }
    call_sign_ = std::move(item);
    return {};
}

// --- Contest numbers. ---

Cp932 CLogDataInput_ContestNumber::GetCaption() const {
    return J("クイルマーク - コンテストナンバーの入力");
}

bool CLogDataInput_ContestNumber::SetSentContestNumber(
    const CQuillmarkData_ContestNumberItem& item) {
    sent_ = item;
    return true;
}

bool CLogDataInput_ContestNumber::SetReceivedContestNumber(
    const CQuillmarkData_ContestNumberItem& item) {
    received_ = item;
    return true;
}

bool CLogDataInput_ContestNumber::SetContestNumberType(
    const CQuillmarkData_ContestNumberType& format) {
    format_ = format;
    return true;
}

void CLogDataInput_ContestNumber::TypeSentText(std::string_view typed) {
    if (IsSentEditable()) {
        TypeInto(sent_text_, typed, edit_);
    }
}

void CLogDataInput_ContestNumber::TypeReceivedText(std::string_view typed) {
    if (IsReceivedEditable()) {
        TypeInto(received_text_, typed, edit_);
    }
}

int CLogDataInput_ContestNumber::GetEditLimit() const {
    return format_.IsValid() ? format_.GetMaxTotalLength() : -1;
}

void CLogDataInput_ContestNumber::OnSetActive(const CQuillmarkSystem& settings) {
    sent_text_ = EditTextOf(sent_, settings.GetPunctuationMarks());
    received_text_ = EditTextOf(received_, settings.GetPunctuationMarks());
    edit_.LoadFromSettings(settings);
}

LogDataInputCheck CLogDataInput_ContestNumber::OnWizardNext(const CQuillmarkSystem& settings) {
    const Cp932& delimiters = settings.GetPunctuationMarks();
    // A number that cannot be edited is left empty.
    CQuillmarkData_ContestNumberItem sent;
    if (IsSentEditable() && !sent.SetText(sent_text_, delimiters, format_)) {
        return Warning("送信コンテストナンバーの入力に誤りがあります。", kSentEditId);
    }
    CQuillmarkData_ContestNumberItem received;
    if (IsReceivedEditable() && !received.SetText(received_text_, delimiters, format_)) {
        return Warning("受信コンテストナンバーの入力に誤りがあります。", kReceivedEditId);
    }
    sent_ = std::move(sent);
    received_ = std::move(received);
    return {};
}

// --- Points. ---

Cp932 CLogDataInput_Points::GetCaption() const {
    return J("クイルマーク - 得点の入力");
}

bool CLogDataInput_Points::SetPoints(int points) {
    if (points < kMinimum || points > kMaximum) {
        return false;
    }
    points_ = points;
    return true;
}

void CLogDataInput_Points::OnSetActive(const CQuillmarkSystem&) {
    value_ = points_;
}

LogDataInputCheck CLogDataInput_Points::OnWizardNext(const CQuillmarkSystem&) {
    if (!SetPoints(value_)) {
        return RangeWarning(kMinimum, kMaximum, kEditId);
    }
    return {};
}

// --- Mode. ---

const std::vector<Cp932>& CLogDataInput_ElectricWaveType::GetModeList() {
    static const std::vector<Cp932> list = {J("（指定しない）"),
                                            "CW",
                                            "AM(DSB)",
                                            "AM(SSB)",
                                            "FM",
                                            "A1",
                                            "A2",
                                            "A3",
                                            "A3A",
                                            "A3H",
                                            "A3J",
                                            "A5",
                                            "A5C",
                                            "A9",
                                            "A9C",
                                            "F1",
                                            "F2",
                                            "F3",
                                            "F4",
                                            "F5",
                                            "F9"};
    return list;
}

const Cp932& CLogDataInput_ElectricWaveType::GetNoModeText() {
    return GetModeList().front();
}

Cp932 CLogDataInput_ElectricWaveType::GetCaption() const {
    return J("クイルマーク - 電波の型式の選択");
}

bool CLogDataInput_ElectricWaveType::SetMode(std::string_view mode) {
    text_ = mode.empty() ? GetNoModeText() : Cp932(mode);
    return true;
}

Cp932 CLogDataInput_ElectricWaveType::GetMode() const {
    return text_ == GetNoModeText() ? Cp932() : text_;
}

bool CLogDataInput_ElectricWaveType::SelectText(std::string_view text) {
    const auto& list = GetModeList();
    if (text != text_ && std::find(list.begin(), list.end(), text) == list.end()) {
        return false;
    }
    selected_ = Cp932(text);
    return true;
}

void CLogDataInput_ElectricWaveType::OnSetActive(const CQuillmarkSystem&) {
    selected_ = text_;
}

LogDataInputCheck CLogDataInput_ElectricWaveType::OnWizardNext(const CQuillmarkSystem&) {
    text_ = selected_;
    return {};
}

// --- Calling method. ---

Cp932 CLogDataInput_CQ::GetCaption() const {
    return J("クイルマーク - 呼び出しの方法の選択");
}

bool CLogDataInput_CQ::SetCallingMethod(int method) {
    if (method != 0 && method != 1) {
        return false;
    }
    radio_ = method == 1 ? 0 : 1;
    return true;
}

int CLogDataInput_CQ::GetCallingMethod() const {
    switch (radio_) {
        case 0:
            return 1;
        case 1:
            return 0;
        default:
            return 2;
    }
}

bool CLogDataInput_CQ::SelectRadio(int index) {
    if (index < kNoRadio || index > 1) {
        return false;
    }
    selected_ = index;
    return true;
}

void CLogDataInput_CQ::OnSetActive(const CQuillmarkSystem&) {
    selected_ = radio_;
}

LogDataInputCheck CLogDataInput_CQ::OnWizardNext(const CQuillmarkSystem&) {
    radio_ = selected_;
    return {};
}

// --- Card. ---

Cp932 CLogDataInput_Card::GetCaption() const {
    return J("クイルマーク - カード情報の入力");
}

bool CLogDataInput_Card::SetValue(Box box, int value) {
    if (box < 0 || box >= kBoxCount || value < kOff || value > kIndeterminate) {
        return false;
    }
    values_[box] = value;
    return true;
}

bool CLogDataInput_Card::SetMode(Box box, int mode) {
    if (box < 0 || box >= kBoxCount ||
        (mode != kModeHidden && mode != kModeTwoState && mode != kModeThreeState)) {
        return false;
    }
    modes_[box] = mode;
    return true;
}

bool CLogDataInput_Card::CheckBox(Box box, int value) {
    if (box < 0 || box >= kBoxCount || modes_[box] == kModeHidden || value < kOff ||
        value > kIndeterminate || (value == kIndeterminate && modes_[box] != kModeThreeState)) {
        return false;
    }
    states_[box] = value;
    return true;
}

void CLogDataInput_Card::OnSetActive(const CQuillmarkSystem&) {
    for (int i = 0; i < kBoxCount; ++i) {
        // A two-state box cannot show "unchanged".
        states_[i] =
            (modes_[i] == kModeTwoState && values_[i] == kIndeterminate) ? kOff : values_[i];
    }
}

LogDataInputCheck CLogDataInput_Card::OnWizardNext(const CQuillmarkSystem&) {
    values_ = states_;
    return {};
}

// --- Comments. ---

Cp932 CLogDataInput_Comments::GetCaption() const {
    return J("クイルマーク - コメントの入力");
}

void CLogDataInput_Comments::OnSetActive(const CQuillmarkSystem&) {
    text_ = comment_;
}

LogDataInputCheck CLogDataInput_Comments::OnWizardNext(const CQuillmarkSystem&) {
    comment_ = text_;
    return {};
}
