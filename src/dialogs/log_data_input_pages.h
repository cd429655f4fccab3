#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "dialogs/replacing_edit.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class CQuillmarkSystem;

// The outcome of a page's Next check: passed, or the warning to show (caption, text) and
// the control to focus with its whole text selected.
struct LogDataInputCheck {
    bool passed = true;
    Cp932 caption;
    Cp932 warning;
    int focus = 0;
};

// One page of the log entry wizard: the value it holds between runs, the values of its
// controls while it is shown, and its Next check. Values move from the page into the
// controls when the page becomes active (OnSetActive) and back only when its Next check
// passes, so a page left with Cancel or Back keeps what it held before. The sheet
// (CLogDataInputSheet) owns the pages and drives them; the Qt page widgets show the control
// values and copy the operator's input into them.
class CLogDataInputPage {
public:
    virtual ~CLogDataInputPage() = default;

    // The page's bit in a wizard page mask, its dialog template and its caption.
    virtual int GetPageBit() const = 0;
    virtual int GetTemplateId() const = 0;
    virtual Cp932 GetCaption() const = 0;

    bool SetGuidance(std::string_view text) {
        guidance_ = Cp932(text);
        return true;
    }
    const Cp932& GetGuidance() const { return guidance_; }

    // The page becomes active: its controls show its values.
    virtual void OnSetActive(const CQuillmarkSystem& settings) = 0;
    // Next pressed: takes the control values and stores them when they pass the check.
    virtual LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) = 0;

protected:
    CLogDataInputPage() = default;
    CLogDataInputPage(const CLogDataInputPage&) = default;
    CLogDataInputPage& operator=(const CLogDataInputPage&) = default;

private:
    Cp932 guidance_;
};

// The date and time of a contact as six fields under the display time-zone rule.
class CLogDataInput_Date : public CLogDataInputPage {
public:
    enum Field { kYear = 0, kMonth, kDay, kHour, kMinute, kSecond, kFieldCount };
    static constexpr std::array<int, kFieldCount> kEditIds = {1028, 1031, 1034, 1037, 1040, 1043};
    static constexpr std::array<int, kFieldCount> kMinimum = {1970, 1, 1, 0, 0, 0};
    static constexpr std::array<int, kFieldCount> kMaximum = {2037, 12, 31, 23, 59, 59};

    int GetPageBit() const override { return 1; }
    int GetTemplateId() const override { return 141; }
    Cp932 GetCaption() const override;

    // Refused for a time a data file cannot hold (outside the 32-bit range of seconds).
    bool SetDate(int64_t time);
    bool HasDate() const { return date_.has_value(); }
    // The stored time; 0 until one is set.
    int64_t GetDate() const { return date_.value_or(0); }

    void SetField(Field field, int value) { fields_[field] = value; }
    int GetField(Field field) const { return fields_[field]; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    std::optional<int64_t> date_;
    std::array<int, kFieldCount> fields_ = kMinimum;
};

// The other station's call sign, checked against the contest's call sign format.
class CLogDataInput_CallSign : public CLogDataInputPage {
public:
    static constexpr int kEditId = 1046;

    int GetPageBit() const override { return 2; }
    int GetTemplateId() const override { return 142; }
    Cp932 GetCaption() const override;

    bool SetCallSign(const CQuillmarkData_CallSignItem& item);
    bool SetCallSignType(const CQuillmarkData_CallSignType& format);
    const CQuillmarkData_CallSignItem& GetCallSign() const { return call_sign_; }
    const CQuillmarkData_CallSignType& GetCallSignType() const { return format_; }

    // The edit: its text as the widget holds it, or typed at its end (upper case, replaced
    // as the settings say).
    void SetEditText(std::string_view text) { text_ = Cp932(text); }
    void TypeText(std::string_view typed);
    const Cp932& GetEditText() const { return text_; }
    // The format's maximum total length; -1 for none.
    int GetEditLimit() const;
    const CReplacingEdit& GetEdit() const { return edit_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    CQuillmarkData_CallSignItem call_sign_;
    CQuillmarkData_CallSignType format_;
    Cp932 text_;
    CReplacingEdit edit_;
};

// The sent and the received contest numbers, checked against the contest number format;
// either can be made read-only (it is then left empty).
class CLogDataInput_ContestNumber : public CLogDataInputPage {
public:
    static constexpr int kSentEditId = 1077;
    static constexpr int kReceivedEditId = 1080;

    int GetPageBit() const override { return 4; }
    int GetTemplateId() const override { return 140; }
    Cp932 GetCaption() const override;

    bool SetSentContestNumber(const CQuillmarkData_ContestNumberItem& item);
    bool SetReceivedContestNumber(const CQuillmarkData_ContestNumberItem& item);
    bool SetContestNumberType(const CQuillmarkData_ContestNumberType& format);
    void SetSentEditable(bool editable) { sent_editable_ = editable ? 1 : 0; }
    void SetReceivedEditable(bool editable) { received_editable_ = editable ? 1 : 0; }
    const CQuillmarkData_ContestNumberItem& GetSentContestNumber() const { return sent_; }
    const CQuillmarkData_ContestNumberItem& GetReceivedContestNumber() const { return received_; }
    const CQuillmarkData_ContestNumberType& GetContestNumberType() const { return format_; }
    bool IsSentEditable() const { return sent_editable_ != 0; }
    bool IsReceivedEditable() const { return received_editable_ != 0; }

    void SetSentEditText(std::string_view text) { sent_text_ = Cp932(text); }
    void SetReceivedEditText(std::string_view text) { received_text_ = Cp932(text); }
    // Typed at the end of the edit, replaced as the settings say; ignored by a read-only edit.
    void TypeSentText(std::string_view typed);
    void TypeReceivedText(std::string_view typed);
    const Cp932& GetSentEditText() const { return sent_text_; }
    const Cp932& GetReceivedEditText() const { return received_text_; }
    int GetEditLimit() const;
    const CReplacingEdit& GetEdit() const { return edit_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    CQuillmarkData_ContestNumberItem sent_;
    CQuillmarkData_ContestNumberItem received_;
    CQuillmarkData_ContestNumberType format_;
    int32_t sent_editable_ = 1;
    int32_t received_editable_ = 1;
    Cp932 sent_text_;
    Cp932 received_text_;
    CReplacingEdit edit_;
};

// The points of a contact, 1 to 30000.
class CLogDataInput_Points : public CLogDataInputPage {
public:
    static constexpr int kEditId = 1047;
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 30000;

    int GetPageBit() const override { return 8; }
    int GetTemplateId() const override { return 143; }
    Cp932 GetCaption() const override;

    // Refused (value unchanged) outside 1 to 30000.
    bool SetPoints(int points);
    int GetPoints() const { return points_; }

    void SetEditValue(int value) { value_ = value; }
    int GetEditValue() const { return value_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    int32_t points_ = 1;
    int32_t value_ = 1;
};

// The mode ("電波の型式") chosen from a fixed list whose first item stands for none.
class CLogDataInput_ElectricWaveType : public CLogDataInputPage {
public:
    static constexpr int kListId = 1123;

    // "（指定しない）", "CW", "AM(DSB)", … "F9", in the order the list shows them.
    static const std::vector<Cp932>& GetModeList();
    // The first item of the list: no mode.
    static const Cp932& GetNoModeText();

    int GetPageBit() const override { return 16; }
    int GetTemplateId() const override { return 188; }
    Cp932 GetCaption() const override;

    // An empty mode selects "（指定しない）". A mode outside the list (an older file's) is kept
    // as it is, so that running the page does not lose it; the widget shows it as an extra
    // item.
    bool SetMode(std::string_view mode);
    // The selected mode; empty for "（指定しない）".
    Cp932 GetMode() const;

    // The operator's choice: an item of the list, or the mode the page holds.
    bool SelectText(std::string_view text);
    const Cp932& GetSelectedText() const { return selected_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    Cp932 text_ = GetNoModeText();
    Cp932 selected_ = GetNoModeText();
};

// The calling method: radio 0 "呼び出し" (CQ), radio 1 "応答".
class CLogDataInput_CQ : public CLogDataInputPage {
public:
    static constexpr int kCallingRadioId = 1127;
    static constexpr int kAnsweringRadioId = 1128;
    static constexpr int kNoRadio = -1;

    int GetPageBit() const override { return 32; }
    int GetTemplateId() const override { return 190; }
    Cp932 GetCaption() const override;

    // 1 (calling) selects "呼び出し", 0 selects "応答"; anything else is refused.
    bool SetCallingMethod(int method);
    // 1 for "呼び出し", 0 for "応答", 2 when neither is selected.
    int GetCallingMethod() const;

    // -1 (none), 0 or 1; anything else is refused.
    bool SelectRadio(int index);
    int GetSelectedRadio() const { return selected_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    int32_t radio_ = 0;
    int32_t selected_ = 0;
};

// The three card flags. Each box has a mode: hidden (1), a two-state box (2) or a
// three-state box (4) whose third state means "leave unchanged".
class CLogDataInput_Card : public CLogDataInputPage {
public:
    enum Box { kRequested = 0, kSent, kReceived, kBoxCount };
    static constexpr std::array<int, kBoxCount> kBoxIds = {1050, 1051, 1052};
    static constexpr int kModeHidden = 1;
    static constexpr int kModeTwoState = 2;
    static constexpr int kModeThreeState = 4;
    static constexpr int kOff = 0;
    static constexpr int kOn = 1;
    static constexpr int kIndeterminate = 2;

    int GetPageBit() const override { return 64; }
    int GetTemplateId() const override { return 146; }
    Cp932 GetCaption() const override;

    // value 0, 1 or 2; mode 1, 2 or 4; anything else is refused.
    bool SetValue(Box box, int value);
    bool SetMode(Box box, int mode);
    int GetValue(Box box) const { return values_[box]; }
    int GetMode(Box box) const { return modes_[box]; }

    // The operator's click: refused for a hidden box, and 2 only on a three-state box.
    bool CheckBox(Box box, int value);
    int GetBoxState(Box box) const { return states_[box]; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    std::array<int32_t, kBoxCount> values_ = {0, 0, 0};
    std::array<int32_t, kBoxCount> modes_ = {kModeTwoState, kModeTwoState, kModeTwoState};
    std::array<int32_t, kBoxCount> states_ = {0, 0, 0};
};

// A free comment.
class CLogDataInput_Comments : public CLogDataInputPage {
public:
    static constexpr int kEditId = 1060;

    int GetPageBit() const override { return 128; }
    int GetTemplateId() const override { return 160; }
    Cp932 GetCaption() const override;

    bool SetComment(std::string_view comment) {
        comment_ = Cp932(comment);
        return true;
    }
    const Cp932& GetComment() const { return comment_; }

    void SetEditText(std::string_view text) { text_ = Cp932(text); }
    const Cp932& GetEditText() const { return text_; }

    void OnSetActive(const CQuillmarkSystem& settings) override;
    LogDataInputCheck OnWizardNext(const CQuillmarkSystem& settings) override;

private:
    Cp932 comment_;
    Cp932 text_;
};
