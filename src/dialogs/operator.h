#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/cp932.h"

class CDialogState;
class CProgressDialog;

// Message box styles and results. The values are those of the old platform's message box
// flags, so a style reads the same everywhere: buttons | icon | default button.
namespace message_box {

inline constexpr int kOk = 0x0;
inline constexpr int kOkCancel = 0x1;
inline constexpr int kAbortRetryIgnore = 0x2;
inline constexpr int kYesNoCancel = 0x3;
inline constexpr int kYesNo = 0x4;
inline constexpr int kRetryCancel = 0x5;
inline constexpr int kButtonsMask = 0xF;

inline constexpr int kIconStop = 0x10;
inline constexpr int kIconQuestion = 0x20;
inline constexpr int kIconExclamation = 0x30;
inline constexpr int kIconInformation = 0x40;
inline constexpr int kIconMask = 0xF0;

inline constexpr int kDefaultButton1 = 0x000;
inline constexpr int kDefaultButton2 = 0x100;
inline constexpr int kDefaultButton3 = 0x200;
inline constexpr int kDefaultButtonMask = 0xF00;

// Results (also the results of modal dialogs: kIdOk, kIdCancel).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

constexpr int ButtonsOf(int style) {
    return style & kButtonsMask;
}
constexpr int IconOf(int style) {
    return style & kIconMask;
}
// 0, 1 or 2: which button of the set is the default.
constexpr int DefaultButtonIndexOf(int style) {
    return (style & kDefaultButtonMask) >> 8;
}
// The results of the buttons of a style, in the order they are shown; an unknown button set
// shows OK alone.
std::vector<int> ButtonResultsOf(int style);
// The result of the default button (the index is taken as 0 when the set is shorter).
int DefaultResultOf(int style);
// What closing the box without a button gives: Cancel when the set has it, else the only
// button of a one-button set, else the default button's result.
int EscapeResultOf(int style);

}  // namespace message_box

// A file-name request: the old platform's common file dialog in open or save mode.
struct FileNameRequest {
    bool save = false;
    Cp932 title;
    // Pairs of description and patterns, "name (*.log)|*.log|all (*.*)|*.*||".
    Cp932 filter;
    // Suggested file name (without folder).
    Cp932 default_name;
    // Added when the typed name has no extension; without the dot.
    Cp932 default_extension;
    bool prompt_overwrite = false;
    bool hide_read_only = true;
    bool file_must_exist = false;
};

// The filter's pairs (description, patterns separated by ';'); double-byte characters are
// taken whole, so a trail byte that equals '|' never splits a description.
std::vector<std::pair<Cp932, Cp932>> SplitFileFilter(std::string_view filter);

// What changed in a shown progress window.
enum class ProgressPart { caption, lines, range, position, cancel_button };

// Every conversation with the operator goes through this interface: message boxes, the
// status text, the progress window, file-name requests, modal dialogs and wizards (as state
// objects), the wait cursor and letting pending events run. The program binds it to Qt
// (ui/qt_operator); tests bind it to CScriptedOperator, which answers from a script and
// records every text the operator would have seen. All texts are CP932; file names are the
// file system's bytes.
class IOperator {
public:
    virtual ~IOperator() = default;

    // A modal message box; style = buttons | icon | default button. Returns the result of the
    // button pressed (message_box::kIdOk, ...).
    virtual int ShowMessage(const Cp932& text, const Cp932& caption, int style) = 0;
    // Pane 0 of the main status bar, repainted at once.
    virtual void SetStatusText(const Cp932& text) = 0;
    // The platform's message beep of a message box icon type (16, 32, 48, 64; 0 plain).
    virtual void Beep(int type) = 0;

    // The progress window of a progress state: created showing every field of the state,
    // updated part by part, destroyed on close. While shown, its cancel button calls
    // progress.Cancel(). The state outlives its window (it closes it when destroyed).
    virtual void ShowProgress(CProgressDialog& progress) = 0;
    virtual void UpdateProgress(const CProgressDialog& progress, ProgressPart part) = 0;
    virtual void CloseProgress(CProgressDialog& progress) = 0;

    // A file name chosen by the operator, or nullopt when cancelled.
    virtual std::optional<std::string> AskFileName(const FileNameRequest& request) = 0;

    // Runs a dialog or wizard modally on its state; mask chooses the pages of a wizard (0 for
    // a plain dialog). Returns the dialog's result (kIdOk, kIdCancel, or a wizard's own).
    virtual int RunDialog(CDialogState& dialog, int mask) = 0;

    // Lets pending window events run (repaints, the progress window's cancel button).
    virtual void PumpEvents() = 0;
    // The wait cursor during work the operator cannot interrupt.
    virtual void SetWaitCursor(bool on) = 0;
};
