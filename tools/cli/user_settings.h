#pragma once

#include "platform/cp932.h"
#include "settings/quillmark_system.h"

// The operator's settings as the program saved them (the per-user INI store), normalised;
// the defaults when the program's store is not built in or holds nothing yet.
CQuillmarkSystem UserSettings();

// The delimiter set a command uses when --punctuation is not given: the operator's setting
// PunctuationMarks, which is "/,." before any settings exist.
Cp932 DefaultPunctuationMarks();
