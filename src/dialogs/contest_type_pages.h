#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class CQuillmarkData_MainData;
class CTimeZoneRule;
class IOperator;

// What the pages of the contest setup wizard share: the warning box and the range check of
// a transferred number.
namespace contest_type {

inline constexpr int kModeNone = 0;
inline constexpr int kModeNew = 1;
inline constexpr int kModeChange = 2;

// A validation warning: "クイルマーク - 警告", exclamation icon, OK.
void ShowWarning(IOperator& op, const Cp932& text);
// The range check of a number taken from an edit field; out of range shows
// "lower から upper までの整数を入力してください。" and gives false.
bool CheckRange(IOperator& op, int value, int lower, int upper);

}  // namespace contest_type

// The first page: what the wizard is going to ask, in new or change mode.
class CContestTypePage_Begin {
public:
    static Cp932 GetCaption();
    static Cp932 GetHeading();
    static Cp932 GetBottomText();
    // The explanation of the mode's steps, built each time the page is initialised.
    static Cp932 BuildText(int mode);

    void OnInitDialog(int mode) { text_ = BuildText(mode); }
    const Cp932& GetText() const { return text_; }

private:
    Cp932 text_;
};

// The second page: the parameter counts of the two formats and the positions of the main
// and multiplier parameters, counted from 1 (multiplier 0 = none). Read-only in change mode,
// where the values come from the contest's formats.
class CContestTypePage_Parameter_1 {
public:
    static constexpr int kTextLimit = 5;
    static constexpr int kUpper = 30000;
    enum class Field {
        none,
        call_sign_count,
        main_position,
        contest_number_count,
        multiplier_position
    };

    static Cp932 GetCaption();
    static Cp932 GetHeading(int mode);
    static bool IsEditable(int mode) { return mode != contest_type::kModeChange; }

    // Change mode: the values of existing formats.
    void LoadFrom(const CQuillmarkData_CallSignType& call_sign_type,
                  const CQuillmarkData_ContestNumberType& contest_number_type);

    void SetCallSignParameterCount(int value) { call_sign_count_ = value; }
    void SetMainParameterPosition(int value) { main_position_ = value; }
    void SetContestNumberParameterCount(int value) { contest_number_count_ = value; }
    void SetMultiplierParameterPosition(int value) { multiplier_position_ = value; }
    int GetCallSignParameterCount() const { return call_sign_count_; }
    int GetMainParameterPosition() const { return main_position_; }
    int GetContestNumberParameterCount() const { return contest_number_count_; }
    int GetMultiplierParameterPosition() const { return multiplier_position_; }
    // The values handed on: indices count from 0, a multiplier index of -1 means none.
    int GetMainParameterIndex() const { return main_position_ - 1; }
    int GetMultiplierParameterIndex() const { return multiplier_position_ - 1; }

    // The Next checks in order; the first refusal warns and names the field to select.
    bool OnWizardNext(IOperator& op);
    Field GetFocusField() const { return focus_; }

private:
    int call_sign_count_ = 2;
    int main_position_ = 1;
    int contest_number_count_ = 4;
    int multiplier_position_ = 2;
    Field focus_ = Field::none;
};

// The third page: the character rules of every parameter of both formats, shown as two
// lists; in new mode F9 on one selected row opens the parameter attribute dialog. Keeps a
// working format of each kind and the attribute list being edited for it.
class CContestTypePage_Parameter_2 {
public:
    static constexpr int kCallSignList = 0;
    static constexpr int kContestNumberList = 1;
    static constexpr int kKeyF9 = 0x78;
    static constexpr int kColumnCount = 4;
    static constexpr std::array<int, kColumnCount> kColumnWidths = {120, 330, 90, 200};

    static Cp932 GetCaption();
    static Cp932 GetHeading(int mode);
    static Cp932 GetListLabel(int list);
    static Cp932 GetColumnTitle(int column);

    // Preload (change mode); a format that is not valid is refused.
    bool SetCallSignType(const CQuillmarkData_CallSignType& format);
    bool SetContestNumberType(const CQuillmarkData_ContestNumberType& format);
    const CQuillmarkData_CallSignType& GetCallSignType() const { return call_sign_type_; }
    const CQuillmarkData_ContestNumberType& GetContestNumberType() const {
        return contest_number_type_;
    }

    // Change mode shows the preloaded formats. New mode rebuilds a format with the default
    // attributes when it is empty or its count or index no longer match page 1, and keeps it
    // (with the edits made on its list) otherwise.
    void OnSetActive(int mode, const CContestTypePage_Parameter_1& counts);

    // The attributes shown on a list, one per parameter; empty for an unknown list.
    const ParameterAttributesArray& GetAttributeList(int list) const;
    // The four column texts of a row; empty texts for a row that does not exist.
    std::array<Cp932, kColumnCount> GetRowTexts(int list, int row) const;
    // A key pressed in a list: in new mode, F9 with exactly one row selected opens the
    // attribute dialog for that row. True when the row's attributes were replaced.
    bool OnListKeyDown(IOperator& op, int mode, int list, int key,
                       const std::vector<int>& selected_rows);

    // New mode: both working formats are built from page 1 and the attribute lists. False
    // when a format cannot be built from them (the page then stays).
    bool OnWizardNext(IOperator& op, int mode, const CContestTypePage_Parameter_1& counts);

private:
    ParameterAttributesArray* List(int list);

    CQuillmarkData_CallSignType call_sign_type_;
    CQuillmarkData_ContestNumberType contest_number_type_;
    ParameterAttributesArray call_sign_attributes_;
    ParameterAttributesArray contest_number_attributes_;
};

// The fourth page: contest name, entry category, own call sign and contest period. The edit
// fields and the committed values are kept apart: Next commits only when every check passes.
// Date-times are entered as six fields each, in the display time zone.
class CContestTypePage_MainInformation_1 {
public:
    using DateTimeFields = std::array<int, 6>;  // year, month, day, hour, minute, second
    static constexpr DateTimeFields kFieldLower = {1970, 1, 1, 0, 0, 0};
    static constexpr DateTimeFields kFieldUpper = {2037, 12, 31, 23, 59, 59};
    static constexpr DateTimeFields kFieldTextLimits = {4, 2, 2, 2, 2, 2};
    enum class Field { none, contest_name, own_call_sign, start, end };

    // Defaults: the start is the next full hour after now (in the display zone), the end a
    // day later.
    CContestTypePage_MainInformation_1(int64_t now, const CTimeZoneRule& rule);

    static Cp932 GetCaption();
    static Cp932 GetHeading();

    // --- Committed values (preload and results). ---
    bool SetContestName(std::string_view name);
    bool SetCategoryCode(std::string_view code);
    bool SetCategoryName(std::string_view name);
    bool SetOwnCallSign(const CQuillmarkData_CallSignItem& item);
    bool SetStart(int64_t time);
    // Refuses an end that is not later than the start.
    bool SetEnd(int64_t time);
    const Cp932& GetContestName() const { return name_; }
    const Cp932& GetCategoryCode() const { return category_code_; }
    const Cp932& GetCategoryName() const { return category_name_; }
    const CQuillmarkData_CallSignItem& GetOwnCallSign() const { return own_call_sign_; }
    int64_t GetStart() const { return start_; }
    int64_t GetEnd() const { return end_; }

    // Fills the edit fields from the committed values.
    void OnInitDialog(const CTimeZoneRule& rule, std::string_view delimiters);

    // --- The edit fields. ---
    void SetContestNameText(std::string_view text) { name_text_ = Cp932(text); }
    const Cp932& GetContestNameText() const { return name_text_; }
    // Half-width letters are taken in capitals, as the field shows them.
    void SetOwnCallSignText(std::string_view text);
    const Cp932& GetOwnCallSignText() const { return own_text_; }
    void SetStartFields(const DateTimeFields& fields) { start_fields_ = fields; }
    void SetEndFields(const DateTimeFields& fields) { end_fields_ = fields; }
    const DateTimeFields& GetStartFields() const { return start_fields_; }
    const DateTimeFields& GetEndFields() const { return end_fields_; }
    // The own call sign field's limit: the format's maximum total length, -1 for none.
    static int GetOwnCallSignTextLimit(const CQuillmarkData_CallSignType& format);

    // The Next checks in order. contest is the existing contest in change mode (its log is
    // searched for the own call sign), else null.
    bool OnWizardNext(IOperator& op, int mode, const CQuillmarkData_CallSignType& format,
                      const CQuillmarkData_MainData* contest, const CTimeZoneRule& rule,
                      std::string_view delimiters);
    Field GetFocusField() const { return focus_; }
    // Which of the six fields of a focused date-time (0 = year).
    int GetFocusIndex() const { return focus_index_; }

private:
    Cp932 name_;
    Cp932 category_code_;
    Cp932 category_name_;
    CQuillmarkData_CallSignItem own_call_sign_;
    int64_t start_ = 0;
    int64_t end_ = 0;

    Cp932 name_text_;
    Cp932 own_text_;
    DateTimeFields start_fields_{};
    DateTimeFields end_fields_{};
    Field focus_ = Field::none;
    int focus_index_ = 0;
};

// The last page: a summary of the main information, then Next turns into Finish.
class CContestTypePage_End {
public:
    static Cp932 GetCaption();
    static Cp932 GetHeading();
    static Cp932 GetFirstInstruction();
    static Cp932 GetFinishInstruction();

    void OnSetActive(const CContestTypePage_MainInformation_1& main, const CTimeZoneRule& rule,
                     std::string_view delimiters);
    void OnWizardNext() { instruction_ = GetFinishInstruction(); }
    const Cp932& GetSummary() const { return summary_; }
    const Cp932& GetInstruction() const { return instruction_; }

private:
    Cp932 summary_;
    Cp932 instruction_;
};
