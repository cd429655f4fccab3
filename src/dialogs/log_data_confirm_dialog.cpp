#include "dialogs/log_data_confirm_dialog.h"

#include "dialogs/operator.h"
#include "model/log_entry.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"
#include "platform/time_zone_rule.h"

namespace {

const Cp932& DateFormat() {
    static const Cp932 format = Utf8ToCp932("%#Y 年  %#m 月 %#d 日   %#H 時 %M 分 %S 秒");
    return format;
}

}  // namespace

bool CLogDataConfirmDialog::SetIcon(int type) {
    if (type != kIconStop && type != kIconQuestion && type != kIconExclamation &&
        type != kIconInformation) {
        return false;
    }
    icon_ = type;
    return true;
}

bool CLogDataConfirmDialog::SetShow(int bit, bool show) {
    // One bit of 1 … 1024, 4096 or 8192 (2048 is not a flag of this dialog).
    const bool one_bit = bit > 0 && (bit & (bit - 1)) == 0;
    if (!one_bit || bit == 2048 || bit > 8192) {
        return false;
    }
    if (show) {
        show_ |= bit;
    } else {
        show_ &= ~bit;
    }
    return true;
}

bool CLogDataConfirmDialog::SetEntry(const CQuillmarkData_LogDataItem& entry,
                                     std::string_view delimiters, const CTimeZoneRule& rule) {
    if (!entry.IsValid()) {
        return false;
    }
    SetDate(entry.GetTime(), rule);
    call_sign_ = entry.GetCallSign().GetText(delimiters);
    sent_ = entry.GetSentContestNumber().GetText(delimiters);
    received_ = entry.GetReceivedContestNumber().GetText(delimiters);
    points_ = entry.GetPoints();
    mode_ = entry.GetMode();
    calling_method_ = entry.GetCallingMethod() != 0 ? 1 : 0;
    card_flags_ = entry.GetCardFlags() & (CQuillmarkData_LogDataItem::kCardRequested |
                                          CQuillmarkData_LogDataItem::kCardSent |
                                          CQuillmarkData_LogDataItem::kCardReceived);
    comment_ = entry.GetComment();
    return true;
}

void CLogDataConfirmDialog::SetDate(int64_t time, const CTimeZoneRule& rule) {
    date_ = FormatTime(DateFormat(), time, rule);
}

bool CLogDataConfirmDialog::SetCallingMethod(int method) {
    if (method != 0 && method != 1) {
        return false;
    }
    calling_method_ = method;
    return true;
}

bool CLogDataConfirmDialog::SetCardFlag(int bit, bool on) {
    if (bit != 1 && bit != 2 && bit != 4) {
        return false;
    }
    if (on) {
        card_flags_ |= bit;
    } else {
        card_flags_ &= ~bit;
    }
    return true;
}

int CLogDataConfirmDialog::DoModal(IOperator& op) {
    return op.RunDialog(*this, 0);
}

Cp932 CLogDataConfirmDialog::GetWindowTitle() const {
    static const Cp932 title = Utf8ToCp932("クイルマーク");
    static const Cp932 prefix = Utf8ToCp932("クイルマーク - ");
    return caption_.empty() ? title : prefix + caption_;
}

Cp932 CLogDataConfirmDialog::GetModeText() const {
    static const Cp932 none = Utf8ToCp932("（指定されていません。）");
    return mode_.empty() ? none : mode_;
}
