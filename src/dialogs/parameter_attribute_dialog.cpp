#include "dialogs/parameter_attribute_dialog.h"

#include "dialogs/contest_type_pages.h"
#include "dialogs/operator.h"
#include "platform/cp932_convert.h"

CParameterAttributeDialog::CParameterAttributeDialog() {
    SetAttributes(CQuillmarkData_ParameterAttributes());
}

Cp932 CParameterAttributeDialog::GetWindowTitle() {
    return Utf8ToCp932("クイルマーク - パラメータの設定");
}

void CParameterAttributeDialog::SetAttributes(
    const CQuillmarkData_ParameterAttributes& attributes) {
    if (!attributes.IsValid()) {
        min_length_ = 0;
        max_length_ = CQuillmarkData_ParameterAttributes::kUnlimited;
        classes_ = CQuillmarkData_ParameterAttributes::kAllClasses;
        specials_.clear();
        return;
    }
    min_length_ = attributes.GetMinLength();
    max_length_ = attributes.GetMaxLength();
    classes_ = attributes.GetCharacterClasses();
    specials_ = attributes.GetSpecialCharacters();
}

void CParameterAttributeDialog::SetClassChecked(uint32_t bit, bool checked) {
    bit &= kCheckBoxBits;
    classes_ = checked ? (classes_ | bit) : (classes_ & ~bit);
}

bool CParameterAttributeDialog::OnOK(IOperator& op) {
    focus_ = Field::min_length;
    if (!contest_type::CheckRange(op, min_length_, kMinLengthLower, kLengthUpper)) {
        return false;
    }
    focus_ = Field::max_length;
    if (!contest_type::CheckRange(op, max_length_, kMaxLengthLower, kLengthUpper)) {
        return false;
    }
    const auto refuse = [&](Field field, std::string_view text) {
        focus_ = field;
        contest_type::ShowWarning(op, Utf8ToCp932(text));
        return false;
    };
    if (min_length_ < 0) {
        return refuse(Field::min_length, "下限文字数の入力に誤りがあります。");
    }
    if (max_length_ < -1) {
        return refuse(Field::max_length, "上限文字数の入力に誤りがあります。");
    }
    if (max_length_ != -1 && min_length_ > max_length_) {
        return refuse(Field::min_length, "上限文字数よりも下限文字数の方が大きくなっています。");
    }
    CQuillmarkData_ParameterAttributes attributes;
    if (!attributes.SetAttributes(min_length_, max_length_, classes_, specials_)) {
        return refuse(Field::none, "入力内容に誤りがあります。");
    }
    result_ = attributes;
    focus_ = Field::none;
    return true;
}
