#pragma once

#include "platform/cp932.h"

// The message every dialog shows for a number outside its accepted range, as the old
// platform's data exchange worded it: "lower から upper までの整数を入力してください。",
// captioned "クイルマーク".
Cp932 RangeMessage(int lower, int upper);
const Cp932& RangeMessageCaption();
