#include "dialogs/replacing_edit.h"

#include "settings/input_text_replacement.h"
#include "settings/quillmark_system.h"

bool CReplacingEdit::AddPair(std::string_view source, std::string_view destination) {
    if (source.empty()) {
        return false;
    }
    sources_.emplace_back(source);
    destinations_.emplace_back(destination);
    return true;
}

void CReplacingEdit::RemoveAllPairs() {
    sources_.clear();
    destinations_.clear();
}

bool CReplacingEdit::SetReplacing(int replacing) {
    if (replacing != 0 && replacing != 1) {
        return false;
    }
    replacing_ = replacing;
    return true;
}

void CReplacingEdit::LoadFromSettings(const CQuillmarkSystem& settings) {
    RemoveAllPairs();
    const int count = settings.GetReplacementPairCount();
    for (int i = 0; i < count; ++i) {
        AddPair(settings.GetSourceCharacters(i), settings.GetDestinationCharacters(i));
    }
    replacing_ = settings.GetIsReplacingInputTextEnabled() == 1 ? 1 : 0;
}

bool CReplacingEdit::OnTextChanged(Cp932& text, size_t& caret, const ShowFunction& show) {
    if (replacing_ != 1 || busy_) {
        return false;
    }
    // Putting the new text into the edit changes it again; that change must not replace.
    busy_ = true;
    // Pairs whose destination holds their own source would never end; they are skipped.
    const bool changed = ApplyInputTextReplacement(text, caret, sources_, destinations_);
    if (changed && show) {
        show(text, caret);
    }
    busy_ = false;
    return changed;
}
