#include "settings/input_text_replacement.h"

#include <algorithm>

bool IsSelfFeedingReplacementPair(std::string_view source, std::string_view destination) {
    return cp932::FindFirstOf(destination, source) != std::string_view::npos;
}

bool ApplyInputTextReplacement(Cp932& text, size_t& caret, const std::vector<Cp932>& sources,
                               const std::vector<Cp932>& destinations) {
    caret = std::min(caret, text.size());
    bool changed = false;
    const size_t pairs = std::min(sources.size(), destinations.size());
    for (size_t i = 0; i < pairs; ++i) {
        const Cp932& source = sources[i];
        const Cp932& destination = destinations[i];
        if (source.empty() || IsSelfFeedingReplacementPair(source, destination)) {
            continue;
        }
        // The destination holds no source character, so the text before the end of an
        // inserted destination never needs to be searched again.
        size_t from = 0;
        for (;;) {
            const size_t found = cp932::FindFirstOf(std::string_view(text).substr(from), source);
            if (found == std::string_view::npos) {
                break;
            }
            const size_t at = from + found;
            const size_t length = cp932::CharLength(text, at);
            text.replace(at, length, destination);
            if (caret >= at + length) {
                caret = caret - length + destination.size();
            } else if (caret > at) {
                // The caret sat inside the replaced character: put it after the replacement.
                caret = at + destination.size();
            }
            from = at + destination.size();
            changed = true;
        }
    }
    return changed;
}
