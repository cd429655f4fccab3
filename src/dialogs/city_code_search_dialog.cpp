#include "dialogs/city_code_search_dialog.h"

#include "dialogs/operator.h"
#include "platform/cp932_convert.h"

CCityCodeSearchDialog::CheckResult CCityCodeSearchDialog::OnSearchStart() const {
    if (!code_on_ && !name_on_ && !reading_on_ && !worked_on_) {
        return {Utf8ToCp932("検索条件を指定してください。"), Field::none};
    }
    if (code_on_ && code_.empty()) {
        return {Utf8ToCp932("コードの入力に誤りがあります。"), Field::code};
    }
    if (name_on_ && name_.empty()) {
        return {Utf8ToCp932("都市名の入力に誤りがあります。"), Field::name};
    }
    if (reading_on_ && reading_.empty()) {
        return {Utf8ToCp932("都市名の読みの入力に誤りがあります。"), Field::reading};
    }
    return {};
}

bool CCityCodeSearchDialog::OnSearchStart(IOperator& op) const {
    const CheckResult result = OnSearchStart();
    if (result.ok()) {
        return true;
    }
    op.ShowMessage(result.message, Utf8ToCp932("クイルマーク - 警告"),
                   message_box::kOk | message_box::kIconExclamation);
    return false;
}
