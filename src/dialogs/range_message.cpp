#include "dialogs/range_message.h"

#include <string>

#include "platform/cp932_convert.h"

Cp932 RangeMessage(int lower, int upper) {
    return std::to_string(lower) + Utf8ToCp932(" から ") + std::to_string(upper) +
           Utf8ToCp932(" までの整数を入力してください。");
}

const Cp932& RangeMessageCaption() {
    static const Cp932 caption = Utf8ToCp932("クイルマーク");
    return caption;
}
