#pragma once

#include <string>
#include <vector>

#include "dialogs/dialog_state.h"
#include "platform/cp932.h"
#include "settings/rig_settings.h"

class CQuillmarkSystem;

// A check of a settings page or of a replacement pair: passed, or the warning to show
// (caption, text, icon style) and the control to focus with its text selected.
struct SettingCheck {
    bool passed = true;
    Cp932 caption;
    Cp932 warning;
    int focus = 0;
};

// The system settings sheet "クイルマーク - システム設定": six pages (system, characters,
// adding log data, displaying, printing, radio) whose controls mirror fields of the settings
// object. The sheet is filled from the settings, the widget copies the controls into it,
// the pages' leave checks keep out-of-range numbers on their page, and on OK the values go
// back into the settings, which then normalise themselves. The characters page also edits
// the input text replacement pairs, refusing an empty source and a pair that would replace
// its own output. Control ids are kept as focus targets of the checks.
class CSystemSettingSheet : public CDialogState {
public:
    enum Page {
        kSystem = 0,
        kCharacters,
        kAddingLogData,
        kDisplaying,
        kPrinting,
        kRadio,
        kPageCount
    };

    // Controls a check can put the focus on.
    static constexpr int kElapseEdit = 1014;
    static constexpr int kDateDisplayEdit = 1020;
    static constexpr int kPunctuationEdit = 1022;
    static constexpr int kPairSourceEdit = 1024;
    static constexpr int kPairDestinationEdit = 1025;
    static constexpr int kDefaultPointsEdit = 1069;
    static constexpr int kUnderDecimalPointEdit = 1082;
    static constexpr int kRigSerialPortEdit = 1101;
    static constexpr int kRigHostEdit = 1102;
    static constexpr int kRigNetworkPortEdit = 1103;

    static constexpr int kMinDefaultPoints = 1;
    static constexpr int kMaxDefaultPoints = 30000;
    static constexpr int kMinUnderDecimalPoint = 0;
    static constexpr int kMaxUnderDecimalPoint = 5;

    struct Pair {
        Cp932 source;
        Cp932 destination;
        bool operator==(const Pair&) const = default;
    };

    // What the pages show (names follow the settings they edit).
    struct Values {
        // System.
        int saving_settings = 1;
        int title_logo = 1;
        int elapse = 3;
        int placement_save_flag = 2;
        int date_display = 1;
        Cp932 date_display_string;
        int automatic_saving = 1;
        // Characters.
        Cp932 punctuation_marks;
        int replacing_input_text = 1;
        std::vector<Pair> pairs;
        // Adding log data.
        int input_points_every_time = 0;
        int default_points = 1;
        int input_mode_every_time = 0;
        int input_cq_every_time = 0;
        int input_card_every_time = 1;
        int default_card_demand = 1;
        int input_comments_every_time = 1;
        // Displaying.
        int under_decimal_point = 3;
        int display_utc = 0;
        // Printing.
        int default_print_type = 1;
        int print_dialog_bypassed = 1;
        // Radio: how the transceiver is reached.
        CRigSettings rig;
    };

    const char* GetDialogName() const override { return "CSystemSettingSheet"; }
    static const Cp932& GetCaption();
    static Cp932 GetPageTitle(int page);

    void FillFrom(const CQuillmarkSystem& settings);
    // The radio page's values, which the rig settings keep apart from the others.
    void FillRigFrom(const CRigSettings& rig) { values_.rig = rig; }
    Values& GetValues() { return values_; }
    const Values& GetValues() const { return values_; }

    // The check made when the operator leaves a page (and for every page on OK).
    SettingCheck CheckPage(int page) const;
    // The first page whose check fails, or kPageCount.
    int FirstFailingPage() const;

    // Replacement pairs: refused with the warning to show for an empty source, a destination
    // that holds one of its own source characters, or an index out of range.
    SettingCheck AddPair(const Cp932& source, const Cp932& destination);
    SettingCheck ChangePair(int index, const Cp932& source, const Cp932& destination);
    bool RemovePair(int index);
    // The pairs as the settings would install them when the list is left empty.
    void RestoreDefaultPairs();

    // OK: copies every value into the settings and normalises them. Returns true when the
    // views must be redrawn: the first delimiter, the decimals shown or the UTC display
    // changed.
    bool ApplyTo(CQuillmarkSystem& settings) const;
    // OK on the radio page: true when the connection changed.
    bool ApplyRigTo(CRigSettings& rig) const;

private:
    Values values_;
};
