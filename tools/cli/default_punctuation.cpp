#include "default_punctuation.h"

Cp932 DefaultPunctuationMarks() {
    return "/,.";
}
