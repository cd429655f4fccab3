#pragma once

#include "document/dialog_state.h"

// The log search dialog's state. The document owns one for its whole life, so the criteria
// of the last accepted search are offered again the next time. The criteria themselves
// arrive with the search command; until then the state holds none.
class CLogDataSearchDialog : public CDialogState {
public:
    const char* GetDialogName() const override { return "CLogDataSearchDialog"; }
};
