#include "legacy/old_230_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace old230 {
namespace {

std::string_view FirstCharacter(std::string_view text) {
    return text.empty() ? text : text.substr(0, cp932::CharLength(text, 0));
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether an out-of-range number overflowed (rather than underflowed): its exponent is
// positive, or without exponent its integer part has a nonzero digit.
bool Overflowed(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        return e + 1 >= number.size() || number[e + 1] != '-';
    }
    for (const char c : number.substr(0, number.find('.'))) {
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

}  // namespace

Cp932 RemoveBlanks(std::string_view text) {
    return cp932::RemoveCharacters(text, " ");
}

Cp932 CallSignText(std::string_view stored, std::string_view delimiters) {
    Cp932 text = RemoveBlanks(stored);
    const std::string_view delimiter = FirstCharacter(delimiters);
    if (delimiter.empty()) {
        return text;
    }
    const size_t slash = cp932::FindFirstOf(text, "/");
    if (slash != std::string_view::npos) {
        text.replace(slash, 1, delimiter);
    }
    return text;
}

Cp932 ContestNumberText(const std::vector<Cp932>& parts, size_t count,
                        std::string_view delimiters) {
    const std::string_view delimiter = FirstCharacter(delimiters);
    Cp932 joined;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i > 0) {
            joined += delimiter;
        }
        joined += parts[i];
    }
    return RemoveBlanks(joined);
}

double ParseDecimal(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view number = text.substr(pos);
    // from_chars would also take "inf" and "nan"; a number starts with a digit or a point.
    if (number.empty() || !(IsDigit(number[0]) || number[0] == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::invalid_argument) {
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        const std::string_view matched(number.data(), static_cast<size_t>(end - number.data()));
        value = Overflowed(matched) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace old230
