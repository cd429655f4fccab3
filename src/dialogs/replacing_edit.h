#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkSystem;

// The replacement that the call sign and contest number edits apply while the operator
// types: an ordered list of pairs (a set of source characters, a destination text), a switch
// and a busy flag that keeps the edit from replacing again while it puts the replaced text
// back. The Qt edit calls OnTextChanged after every change with its text and caret; the
// replacement itself is ApplyInputTextReplacement of the settings layer.
class CReplacingEdit {
public:
    // Refused (false) when the source is empty.
    bool AddPair(std::string_view source, std::string_view destination);
    void RemoveAllPairs();
    // 0 or 1; any other value is refused.
    bool SetReplacing(int replacing);
    int GetReplacing() const { return replacing_; }
    int GetPairCount() const { return static_cast<int>(sources_.size()); }

    // Installs the settings' pairs in index order and switches replacing on when
    // IsReplacingInputTextEnabled is 1 (off otherwise).
    void LoadFromSettings(const CQuillmarkSystem& settings);

    // Shows the replaced text in the edit with an empty selection at the caret.
    using ShowFunction = std::function<void(const Cp932& text, size_t caret)>;

    // Called after the edit's text changed: when replacing is on and the edit is not already
    // replacing, replaces every source character in the text and moves caret (a byte
    // position) by the growth of the replacements before it. When the text changed, show is
    // called (while busy, so the change it causes replaces nothing) and the result is true.
    bool OnTextChanged(Cp932& text, size_t& caret, const ShowFunction& show = {});

private:
    std::vector<Cp932> sources_;
    std::vector<Cp932> destinations_;
    int replacing_ = 0;
    bool busy_ = false;
};
