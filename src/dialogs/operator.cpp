#include "dialogs/operator.h"

#include <algorithm>

#include "platform/cp932.h"

namespace message_box {

std::vector<int> ButtonResultsOf(int style) {
    switch (ButtonsOf(style)) {
        case kOkCancel:
            return {kIdOk, kIdCancel};
        case kAbortRetryIgnore:
            return {kIdAbort, kIdRetry, kIdIgnore};
        case kYesNoCancel:
            return {kIdYes, kIdNo, kIdCancel};
        case kYesNo:
            return {kIdYes, kIdNo};
        case kRetryCancel:
            return {kIdRetry, kIdCancel};
        default:
            return {kIdOk};
    }
}

int DefaultResultOf(int style) {
    const std::vector<int> results = ButtonResultsOf(style);
    const size_t index = static_cast<size_t>(DefaultButtonIndexOf(style));
    return index < results.size() ? results[index] : results.front();
}

int EscapeResultOf(int style) {
    const std::vector<int> results = ButtonResultsOf(style);
    if (std::find(results.begin(), results.end(), kIdCancel) != results.end()) {
        return kIdCancel;
    }
    if (results.size() == 1) {
        return results.front();
    }
    return DefaultResultOf(style);
}

}  // namespace message_box

std::vector<std::pair<Cp932, Cp932>> SplitFileFilter(std::string_view filter) {
    std::vector<Cp932> pieces;
    size_t start = 0;
    while (start <= filter.size()) {
        const std::string_view rest = filter.substr(start);
        const size_t bar = cp932::FindFirstOf(rest, "|");
        if (bar == std::string_view::npos) {
            if (!rest.empty()) {
                pieces.emplace_back(rest);
            }
            break;
        }
        pieces.emplace_back(rest.substr(0, bar));
        start += bar + 1;
    }
    // "||" ends the list; an empty piece anywhere ends it as the old dialogs read it.
    std::vector<std::pair<Cp932, Cp932>> pairs;
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].empty() || pieces[i + 1].empty()) {
            break;
        }
        pairs.emplace_back(pieces[i], pieces[i + 1]);
    }
    return pairs;
}
