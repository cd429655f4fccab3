#include "model/log_entry.h"

#include "platform/archive.h"

namespace {
const Cp932 kEmptyText;
}  // namespace

bool CQuillmarkData_LogDataItem::SetEntry(int64_t time,
                                          const CQuillmarkData_CallSignItem& call_sign,
                                          const CQuillmarkData_ContestNumberItem& sent,
                                          const CQuillmarkData_ContestNumberItem& received,
                                          int32_t points) {
    if (IsValid() || !call_sign.IsValid() || !sent.IsValid() || !received.IsValid()) {
        return false;
    }
    DeleteContents();
    time_ = time;
    call_sign_ = call_sign;
    sent_ = sent;
    received_ = received;
    points_ = points;
    valid_ = 1;
    return true;
}

bool CQuillmarkData_LogDataItem::SetTime(int64_t time) {
    if (!IsValid()) {
        return false;
    }
    time_ = time;
    return true;
}

bool CQuillmarkData_LogDataItem::SetCallSign(const CQuillmarkData_CallSignItem& item) {
    if (!IsValid() || !item.IsValid()) {
        return false;
    }
    call_sign_ = item;
    return true;
}

bool CQuillmarkData_LogDataItem::SetSentContestNumber(
    const CQuillmarkData_ContestNumberItem& item) {
    if (!IsValid() || !item.IsValid()) {
        return false;
    }
    sent_ = item;
    return true;
}

bool CQuillmarkData_LogDataItem::SetReceivedContestNumber(
    const CQuillmarkData_ContestNumberItem& item) {
    if (!IsValid() || !item.IsValid()) {
        return false;
    }
    received_ = item;
    return true;
}

bool CQuillmarkData_LogDataItem::SetFirst(bool first) {
    if (!IsValid()) {
        return false;
    }
    first_ = first ? 1 : 0;
    return true;
}

bool CQuillmarkData_LogDataItem::SetPoints(int32_t points) {
    if (!IsValid()) {
        return false;
    }
    points_ = points;
    return true;
}

bool CQuillmarkData_LogDataItem::SetMode(std::string_view mode) {
    if (!IsValid()) {
        return false;
    }
    mode_ = Cp932(mode);
    return true;
}

bool CQuillmarkData_LogDataItem::SetCallingMethod(bool calling) {
    if (!IsValid()) {
        return false;
    }
    calling_method_ = calling ? 1 : 0;
    return true;
}

bool CQuillmarkData_LogDataItem::SetCardFlag(int32_t flag, bool on) {
    if (!IsValid() || (flag != kCardRequested && flag != kCardSent && flag != kCardReceived)) {
        return false;
    }
    if (on) {
        card_flags_ |= flag;
    } else {
        card_flags_ &= ~flag;
    }
    return true;
}

bool CQuillmarkData_LogDataItem::SetComment(std::string_view comment) {
    if (!IsValid()) {
        return false;
    }
    comment_ = Cp932(comment);
    return true;
}

const Cp932& CQuillmarkData_LogDataItem::GetMode() const {
    return IsValid() ? mode_ : kEmptyText;
}

const Cp932& CQuillmarkData_LogDataItem::GetComment() const {
    return IsValid() ? comment_ : kEmptyText;
}

void CQuillmarkData_LogDataItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteTime(time_);
        call_sign_.Serialize(ar);
        sent_.Serialize(ar);
        received_.Serialize(ar);
        ar.WriteInt32(first_);
        ar.WriteInt32(points_);
        ar.WriteString(mode_);
        ar.WriteInt32(calling_method_);
        ar.WriteInt32(card_flags_);
        ar.WriteString(comment_);
    } else {
        valid_ = ar.ReadInt32();
        time_ = ar.ReadTime();
        call_sign_.Serialize(ar);
        sent_.Serialize(ar);
        received_.Serialize(ar);
        first_ = ar.ReadInt32();
        points_ = ar.ReadInt32();
        mode_ = ar.ReadString();
        calling_method_ = ar.ReadInt32();
        card_flags_ = ar.ReadInt32();
        comment_ = ar.ReadString();
    }
}
