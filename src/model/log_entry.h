#pragma once

#include <cstdint>
#include <string_view>

#include "model/parameter_item.h"
#include "platform/cp932.h"

class CArchive;

// One contact on one band: time, the three validated texts, the First flag, points, mode,
// calling method, card flags and comment. Held by value in the band that owns it; the band's
// Rebuild keeps the First flags and the time order right.
class CQuillmarkData_LogDataItem {
public:
    static constexpr int32_t kNotValid = -2;
    // Card flag bits.
    static constexpr int32_t kCardRequested = 1;
    static constexpr int32_t kCardSent = 2;
    static constexpr int32_t kCardReceived = 4;

    // Fails when already valid or any item is not valid. First 0, mode and comment empty,
    // calling method 0, card flags 0.
    bool SetEntry(int64_t time, const CQuillmarkData_CallSignItem& call_sign,
                  const CQuillmarkData_ContestNumberItem& sent,
                  const CQuillmarkData_ContestNumberItem& received, int32_t points);

    // Each setter fails when the entry is not valid; the item setters also when the item
    // is not valid.
    bool SetTime(int64_t time);
    bool SetCallSign(const CQuillmarkData_CallSignItem& item);
    bool SetSentContestNumber(const CQuillmarkData_ContestNumberItem& item);
    bool SetReceivedContestNumber(const CQuillmarkData_ContestNumberItem& item);
    bool SetFirst(bool first);
    bool SetPoints(int32_t points);
    bool SetMode(std::string_view mode);
    bool SetCallingMethod(bool calling);
    // flag must be exactly 1, 2 or 4; on sets the bit, off clears it.
    bool SetCardFlag(int32_t flag, bool on);
    bool SetComment(std::string_view comment);

    bool IsValid() const { return valid_ != 0; }
    int64_t GetTime() const { return IsValid() ? time_ : kNotValid; }
    // The items of an entry that is not valid are empty, not valid items.
    const CQuillmarkData_CallSignItem& GetCallSign() const { return call_sign_; }
    const CQuillmarkData_ContestNumberItem& GetSentContestNumber() const { return sent_; }
    const CQuillmarkData_ContestNumberItem& GetReceivedContestNumber() const { return received_; }
    int32_t GetFirst() const { return IsValid() ? first_ : kNotValid; }
    int32_t GetPoints() const { return IsValid() ? points_ : kNotValid; }
    const Cp932& GetMode() const;
    int32_t GetCallingMethod() const { return IsValid() ? calling_method_ : kNotValid; }
    int32_t GetCardFlags() const { return IsValid() ? card_flags_ : kNotValid; }
    // True when the entry is valid and the flag bit is set.
    bool HasCardFlag(int32_t flag) const { return IsValid() && (card_flags_ & flag) != 0; }
    const Cp932& GetComment() const;

    void DeleteContents() { *this = CQuillmarkData_LogDataItem(); }
    void CopyFrom(const CQuillmarkData_LogDataItem& other) { *this = other; }
    bool operator==(const CQuillmarkData_LogDataItem& other) const = default;

    // valid, time, call sign, sent, received, First, points, mode, calling method, card
    // flags, comment.
    void Serialize(CArchive& ar);
    // Bytes the smallest possible record takes in a file (for bounding counts on load).
    static constexpr size_t kMinRecordBytes = 4 + 4 + 3 * (4 + 2) + 4 + 4 + 1 + 4 + 4 + 1;

private:
    int32_t valid_ = 0;
    int64_t time_ = 0;
    CQuillmarkData_CallSignItem call_sign_;
    CQuillmarkData_ContestNumberItem sent_;
    CQuillmarkData_ContestNumberItem received_;
    int32_t first_ = 0;
    int32_t points_ = 0;
    Cp932 mode_;
    int32_t calling_method_ = 0;
    int32_t card_flags_ = 0;
    Cp932 comment_;
};
