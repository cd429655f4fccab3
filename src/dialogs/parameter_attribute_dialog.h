#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/dialog_state.h"
#include "model/parameter_format.h"
#include "platform/cp932.h"

class IOperator;

// The state of the dialog that edits the rules of one parameter of a call sign or contest
// number format: the allowed character classes, the length limits and the characters allowed
// whatever their class. The setup wizard opens it for one row of its attribute lists and
// takes the attributes back after OK.
class CParameterAttributeDialog : public CDialogState {
public:
    // Character-class bits of the four check boxes.
    static constexpr uint32_t kHalfWidthDigits = 0x01;
    static constexpr uint32_t kHalfWidthLetters = 0x02;
    static constexpr uint32_t kHalfWidthKatakana = 0x04;
    static constexpr uint32_t kFullWidth = 0x10;
    static constexpr uint32_t kCheckBoxBits =
        kHalfWidthDigits | kHalfWidthLetters | kHalfWidthKatakana | kFullWidth;
    static constexpr int kLengthTextLimit = 5;
    static constexpr int kMinLengthLower = 0;
    static constexpr int kMaxLengthLower = -1;
    static constexpr int kLengthUpper = 30000;
    enum class Field { none, min_length, max_length };

    CParameterAttributeDialog();

    const char* GetDialogName() const override { return "CParameterAttributeDialog"; }
    // "クイルマーク - パラメータの設定".
    static Cp932 GetWindowTitle();

    void SetHeading(std::string_view text) { heading_ = Cp932(text); }
    const Cp932& GetHeading() const { return heading_; }
    // Loads the controls from the attributes; attributes that hold no data load as minimum
    // 0, maximum -1 (unlimited), every class, no special characters.
    void SetAttributes(const CQuillmarkData_ParameterAttributes& attributes);
    // The attributes OnOK built; not valid before an accepted OK.
    const CQuillmarkData_ParameterAttributes& GetAttributes() const { return result_; }

    // --- The controls. ---
    void SetMinLength(int value) { min_length_ = value; }
    int GetMinLength() const { return min_length_; }
    void SetMaxLength(int value) { max_length_ = value; }
    int GetMaxLength() const { return max_length_; }
    void SetClassChecked(uint32_t bit, bool checked);
    bool IsClassChecked(uint32_t bit) const { return (classes_ & bit) != 0; }
    void SetSpecialCharacters(std::string_view text) { specials_ = Cp932(text); }
    const Cp932& GetSpecialCharacters() const { return specials_; }

    // The checks of OK: a refusal warns through op, names the field to select and returns
    // false; otherwise the attributes are built and true closes the dialog with OK.
    bool OnOK(IOperator& op);
    Field GetFocusField() const { return focus_; }

private:
    Cp932 heading_;
    int min_length_ = 0;
    int max_length_ = -1;
    // Bits beyond the four check boxes ride along unchanged, so "every class" stays so.
    uint32_t classes_ = CQuillmarkData_ParameterAttributes::kAllClasses;
    Cp932 specials_;
    CQuillmarkData_ParameterAttributes result_;
    Field focus_ = Field::none;
};
