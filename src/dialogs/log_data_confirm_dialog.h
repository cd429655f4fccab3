#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/dialog_state.h"
#include "platform/cp932.h"

class CQuillmarkData_LogDataItem;
class CTimeZoneRule;
class IOperator;

// The state of the dialog that shows one log entry read-only with a caption, a message and
// an icon: the entry confirmation, the "Second" warning and the delete and change
// confirmations. The entry is held as the texts the dialog shows; show flags choose the
// optional controls (1 the date line, 256 the "送出" box, 512 the "受取" box). Its widget
// lives in ui/ and is run through IOperator::RunDialog.
class CLogDataConfirmDialog : public CDialogState {
public:
    // Icon types (message box icon values).
    static constexpr int kIconStop = 16;
    static constexpr int kIconQuestion = 32;
    static constexpr int kIconExclamation = 48;
    static constexpr int kIconInformation = 64;
    // Show flags that act.
    static constexpr int kShowDate = 1;
    static constexpr int kShowCardSent = 256;
    static constexpr int kShowCardReceived = 512;

    const char* GetDialogName() const override { return "CLogDataConfirmDialog"; }

    void SetCaption(std::string_view caption) { caption_ = Cp932(caption); }
    void SetMessage(std::string_view message) { message_ = Cp932(message); }
    // Refuses anything but 16, 32, 48 and 64.
    bool SetIcon(int type);
    // bit must be one of 1, 2, 4, … 1024, 4096, 8192.
    bool SetShow(int bit, bool show);

    // Copies every field of a valid entry (texts joined with delimiters, the date shown under
    // rule); false and nothing changed for an entry that is not valid.
    bool SetEntry(const CQuillmarkData_LogDataItem& entry, std::string_view delimiters,
                  const CTimeZoneRule& rule);
    // The date line: "%#Y 年  %#m 月 %#d 日   %#H 時 %M 分 %S 秒" under rule.
    void SetDate(int64_t time, const CTimeZoneRule& rule);
    void SetCallSign(std::string_view text) { call_sign_ = Cp932(text); }
    void SetSentContestNumber(std::string_view text) { sent_ = Cp932(text); }
    void SetReceivedContestNumber(std::string_view text) { received_ = Cp932(text); }
    void SetPoints(int32_t points) { points_ = points; }
    void SetMode(std::string_view mode) { mode_ = Cp932(mode); }
    // 1 calling ("呼び出し"), 0 answering ("応答"); anything else is refused.
    bool SetCallingMethod(int method);
    // bit 1 requested, 2 sent, 4 received; anything else is refused.
    bool SetCardFlag(int bit, bool on);
    void SetComment(std::string_view comment) { comment_ = Cp932(comment); }

    // Runs the dialog; 1 (OK) when the operator accepted.
    int DoModal(IOperator& op);

    const Cp932& GetCaption() const { return caption_; }
    const Cp932& GetMessage() const { return message_; }
    // "クイルマーク - " + caption, or "クイルマーク" for an empty caption.
    Cp932 GetWindowTitle() const;
    int GetIcon() const { return icon_; }
    bool IsShowSet(int bit) const { return (show_ & bit) != 0; }
    int GetShowFlags() const { return show_; }
    const Cp932& GetDateText() const { return date_; }
    const Cp932& GetCallSign() const { return call_sign_; }
    const Cp932& GetSentContestNumber() const { return sent_; }
    const Cp932& GetReceivedContestNumber() const { return received_; }
    int32_t GetPoints() const { return points_; }
    const Cp932& GetMode() const { return mode_; }
    // The mode as shown: "（指定されていません。）" when there is none.
    Cp932 GetModeText() const;
    int GetCallingMethod() const { return calling_method_; }
    bool GetCardFlag(int bit) const { return (card_flags_ & bit) != 0; }

    const Cp932& GetComment() const { return comment_; }

private:
    Cp932 message_;
    Cp932 caption_;
    int32_t icon_ = kIconQuestion;
    int32_t show_ = kShowDate;
    Cp932 date_;
    Cp932 call_sign_;
    Cp932 sent_;
    Cp932 received_;
    int32_t points_ = 0;
    Cp932 mode_;
    int32_t calling_method_ = 0;
    int32_t card_flags_ = 0;
    Cp932 comment_;
};
