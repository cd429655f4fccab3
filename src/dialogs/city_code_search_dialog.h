#pragma once

#include <string_view>

#include "dialogs/dialog_state.h"
#include "platform/cp932.h"

class IOperator;

// The city code search dialog's state: code, name and reading texts and "already worked
// multipliers", each switched on or off. Created anew for every search (all off and
// empty); the widget writes its controls into it and calls OnSearchStart, the document
// reads the criteria afterwards.
class CCityCodeSearchDialog : public CDialogState {
public:
    enum class Field { none, code, name, reading };
    struct CheckResult {
        Cp932 message;  // empty when the dialog may close with OK
        Field focus = Field::none;
        bool ok() const { return message.empty(); }
    };

    const char* GetDialogName() const override { return "CCityCodeSearchDialog"; }

    void SetCode(bool on, std::string_view text) {
        code_on_ = on;
        code_ = Cp932(text);
    }
    void SetName(bool on, std::string_view text) {
        name_on_ = on;
        name_ = Cp932(text);
    }
    void SetReading(bool on, std::string_view text) {
        reading_on_ = on;
        reading_ = Cp932(text);
    }
    void SetWorkedMultipliers(bool on) { worked_on_ = on; }

    bool IsCodeOn() const { return code_on_; }
    bool IsNameOn() const { return name_on_; }
    bool IsReadingOn() const { return reading_on_; }
    bool IsWorkedMultipliersOn() const { return worked_on_; }
    const Cp932& GetCode() const { return code_; }
    const Cp932& GetName() const { return name_; }
    const Cp932& GetReading() const { return reading_; }

    // "検索開始": the first failed check gives its warning and the field to focus.
    CheckResult OnSearchStart() const;
    // The same, showing a failed check's warning ("クイルマーク - 警告"); true when the
    // dialog may close with OK.
    bool OnSearchStart(IOperator& op) const;

private:
    bool code_on_ = false;
    bool name_on_ = false;
    bool reading_on_ = false;
    bool worked_on_ = false;
    Cp932 code_;
    Cp932 name_;
    Cp932 reading_;
};
