#include "dialogs/band_information_dialog.h"

#include <cmath>

#include "dialogs/log_data_input_pages.h"
#include "dialogs/operator.h"
#include "platform/cp932_convert.h"

namespace {

constexpr int kUnits[] = {3, 6, 9};

}  // namespace

const std::vector<Cp932>& CBandInformationDialog::GetModeList() {
    return CLogDataInput_ElectricWaveType::GetModeList();
}

const Cp932& CBandInformationDialog::NoModeText() {
    // "（指定しない）", the first entry of the mode list.
    return CLogDataInput_ElectricWaveType::GetModeList().front();
}

Cp932 CBandInformationDialog::GetWindowTitle() {
    return Utf8ToCp932("クイルマーク - 周波数帯ごとの情報の設定");
}

bool CBandInformationDialog::SetBand(const CQuillmarkData_BandItem& band) {
    if (!band.IsValid()) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (kUnits[i] == band.GetUnit()) {
            frequency_ = band.GetFrequency();
            unit_index_ = i;
            return true;
        }
    }
    return false;
}

CQuillmarkData_BandItem CBandInformationDialog::GetBand() const {
    CQuillmarkData_BandItem band;
    if (unit_index_ >= 0 && unit_index_ < 3) {
        band.SetBand(frequency_, kUnits[unit_index_]);
    }
    return band;
}

void CBandInformationDialog::SetMode(std::string_view mode) {
    mode_ = mode.empty() ? NoModeText() : Cp932(mode);
}

Cp932 CBandInformationDialog::GetMode() const {
    return mode_ == NoModeText() ? Cp932() : mode_;
}

void CBandInformationDialog::LoadSentContestNumberText(std::string_view delimiters) {
    sent_text_ = sent_.GetText(delimiters);
}

int CBandInformationDialog::GetSentContestNumberTextLimit() const {
    const int limit = format_.GetMaxTotalLength();
    return limit < 0 ? -1 : limit;
}

void CBandInformationDialog::SetCallingMethod(int method) {
    calling_radio_ = method == 1 ? kRadioCalling : method == 0 ? kRadioAnswering : -1;
}

int CBandInformationDialog::GetCallingMethod() const {
    if (calling_radio_ == kRadioCalling) {
        return 1;
    }
    return calling_radio_ == kRadioAnswering ? 0 : 2;
}

bool CBandInformationDialog::OnOK(IOperator& op, std::string_view delimiters) {
    const int warning = message_box::kOk | message_box::kIconExclamation;
    const Cp932 caption = Utf8ToCp932("クイルマーク - 警告");
    // A frequency that is not a finite number (NaN passes "not greater than 0") is refused
    // here too: it would make a band that no other band can be compared with.
    if (!(frequency_ > 0.0) || !std::isfinite(frequency_) || !GetBand().IsValid()) {
        focus_ = Field::frequency;
        op.ShowMessage(Utf8ToCp932("周波数帯の入力に誤りがあります。"), caption, warning);
        return false;
    }
    sent_.DeleteContents();
    if (!sent_.SetText(sent_text_, delimiters, format_)) {
        focus_ = Field::sent_contest_number;
        op.ShowMessage(Utf8ToCp932("自局の送信コンテストナンバーの入力に誤りがあります。"), caption,
                       warning);
        return false;
    }
    focus_ = Field::none;
    return true;
}

int CBandInformationDialog::DoModal(IOperator& op) {
    return op.RunDialog(*this, 0) == message_box::kIdOk ? message_box::kIdOk
                                                        : message_box::kIdCancel;
}
