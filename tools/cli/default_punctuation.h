#pragma once

#include "platform/cp932.h"

// The delimiter set a command uses when --punctuation is not given: the operator's setting
// PunctuationMarks once the settings store is wired in; until then "/,.".
Cp932 DefaultPunctuationMarks();
