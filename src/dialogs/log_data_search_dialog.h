#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dialogs/dialog_state.h"
#include "model/parameter_format.h"
#include "platform/cp932.h"

class IOperator;

// The log search dialog's state: the ten criteria, each switched off, "must match" or "must
// not match", with their values. The document owns one for its whole life, so the criteria
// of the last accepted search are offered again the next time; before every run it hands
// over the contest's two formats (to bound the parameter numbers) and the punctuation marks.
//
// The widget shows the entered values and writes the controls back into them; the search
// start check (OnSearchStart) validates them and stores the date-time range, the three
// texts (with every punctuation mark turned into the first) and the points range, which
// are what the search reads. The widget converts the date-time fields to times and back.
class CLogDataSearchDialog : public CDialogState {
public:
    enum Criterion {
        kDateTime,
        kCallSign,
        kSentContestNumber,
        kReceivedContestNumber,
        kFirst,
        kPoints,
        kMode,
        kCallingMethod,
        kComment,
        kMultiplierNotInDatabase,
        kCriterionCount
    };
    // Switch states.
    static constexpr int kOff = 0;
    static constexpr int kMustMatch = 1;
    static constexpr int kMustNotMatch = 2;

    // The fields a failed check puts the focus on.
    enum class Field {
        none,
        call_sign_parameter,
        call_sign,
        sent_contest_number_parameter,
        sent_contest_number,
        received_contest_number_parameter,
        received_contest_number,
        comment
    };
    struct CheckResult {
        Cp932 message;  // empty when the dialog may close with OK
        Field focus = Field::none;
        bool ok() const { return message.empty(); }
    };

    static constexpr int kMinPoints = 1;
    static constexpr int kMaxPoints = 30000;

    // The mode list in the order shown; entry 0 ("（指定しない）") stands for no mode.
    static const std::vector<Cp932>& ModeList();

    // The stored range starts empty: from now to one second earlier.
    CLogDataSearchDialog();
    explicit CLogDataSearchDialog(int64_t now);

    const char* GetDialogName() const override { return "CLogDataSearchDialog"; }

    // --- Set by the document before every run. ---
    // An empty (not valid or parameterless) format clears its parameter-number boxes.
    void SetCallSignType(const CQuillmarkData_CallSignType& format);
    void SetContestNumberType(const CQuillmarkData_ContestNumberType& format);
    void SetPunctuationMarks(std::string_view marks) { punctuation_marks_ = Cp932(marks); }
    // Start not after end.
    bool IsRangeValid() const { return from_ <= to_; }
    void SetRange(int64_t from, int64_t to);

    // --- Opening: the date-time fields show the stored range. ---
    void OnInitDialog();
    // The parameter numbers run from 1 to these; 0 disables the boxes.
    int GetCallSignParameterCount() const { return call_sign_count_; }
    int GetContestNumberParameterCount() const { return contest_number_count_; }

    // --- The controls. ---
    // False for a criterion or state out of range.
    bool SetSwitch(int criterion, int state);
    int GetSwitch(int criterion) const;
    bool IsOn(int criterion) const { return GetSwitch(criterion) != kOff; }
    void SetEnteredRange(int64_t from, int64_t to);
    int64_t GetEnteredFrom() const { return entered_from_; }
    int64_t GetEnteredTo() const { return entered_to_; }
    void SetEnteredCallSign(std::string_view text) { call_sign_.entered = Cp932(text); }
    void SetEnteredSentContestNumber(std::string_view text) { sent_.entered = Cp932(text); }
    void SetEnteredReceivedContestNumber(std::string_view text) { received_.entered = Cp932(text); }
    const Cp932& GetEnteredCallSign() const { return call_sign_.entered; }
    const Cp932& GetEnteredSentContestNumber() const { return sent_.entered; }
    const Cp932& GetEnteredReceivedContestNumber() const { return received_.entered; }
    // The "第 n パラメータ" boxes and numbers.
    void SetCallSignParameter(bool on, int number) { SetParameter(call_sign_, on, number); }
    void SetSentContestNumberParameter(bool on, int number) { SetParameter(sent_, on, number); }
    void SetReceivedContestNumberParameter(bool on, int number) {
        SetParameter(received_, on, number);
    }
    bool IsCallSignParameterOn() const { return call_sign_.parameter_on; }
    bool IsSentContestNumberParameterOn() const { return sent_.parameter_on; }
    bool IsReceivedContestNumberParameterOn() const { return received_.parameter_on; }
    int GetCallSignParameterNumber() const { return call_sign_.parameter_number; }
    int GetSentContestNumberParameterNumber() const { return sent_.parameter_number; }
    int GetReceivedContestNumberParameterNumber() const { return received_.parameter_number; }
    void SetEnteredPoints(int from, int to);
    int GetEnteredPointsFrom() const { return entered_points_from_; }
    int GetEnteredPointsTo() const { return entered_points_to_; }
    // An index into ModeList; false when out of range.
    bool SetModeIndex(int index);
    int GetModeIndex() const { return mode_index_; }
    void SetCallingMethodCQ(bool cq) { calling_cq_ = cq; }
    void SetComment(std::string_view text) { comment_ = Cp932(text); }

    // --- "検索開始". ---
    // Stores what may be stored and runs the checks in order; the first that fails gives its
    // warning and the field to focus.
    CheckResult OnSearchStart();
    // The same, showing a failed check's warning ("クイルマーク - 警告"); true when the
    // dialog may close with OK.
    bool OnSearchStart(IOperator& op);

    // --- The criteria the search reads. ---
    int64_t GetFrom() const { return from_; }
    int64_t GetTo() const { return to_; }
    const Cp932& GetCallSign() const { return call_sign_.stored; }
    const Cp932& GetSentContestNumber() const { return sent_.stored; }
    const Cp932& GetReceivedContestNumber() const { return received_.stored; }
    // The parameter index (number − 1), or -1 when the box is off.
    int GetCallSignParameterIndex() const { return ParameterIndex(call_sign_); }
    int GetSentContestNumberParameterIndex() const { return ParameterIndex(sent_); }
    int GetReceivedContestNumberParameterIndex() const { return ParameterIndex(received_); }
    int GetPointsFrom() const { return points_from_; }
    int GetPointsTo() const { return points_to_; }
    // The chosen mode; empty for "（指定しない）".
    Cp932 GetModeText() const;
    bool IsCallingMethodCQ() const { return calling_cq_; }
    const Cp932& GetComment() const { return comment_; }

private:
    struct TextCriterion {
        Cp932 entered;
        Cp932 stored;
        bool parameter_on = false;
        int parameter_number = 1;
    };

    static void SetParameter(TextCriterion& criterion, bool on, int number) {
        criterion.parameter_on = on;
        criterion.parameter_number = number;
    }
    static int ParameterIndex(const TextCriterion& criterion) {
        return criterion.parameter_on ? criterion.parameter_number - 1 : -1;
    }
    Cp932 Normalized(std::string_view text) const;

    std::array<int, kCriterionCount> switches_{};
    int64_t from_;
    int64_t to_;
    int64_t entered_from_;
    int64_t entered_to_;
    TextCriterion call_sign_;
    TextCriterion sent_;
    TextCriterion received_;
    int points_from_ = 1;
    int points_to_ = 1;
    int entered_points_from_ = 1;
    int entered_points_to_ = 1;
    int mode_index_ = 0;
    bool calling_cq_ = true;
    Cp932 comment_;
    int call_sign_count_ = 0;
    int contest_number_count_ = 0;
    Cp932 punctuation_marks_;
};
