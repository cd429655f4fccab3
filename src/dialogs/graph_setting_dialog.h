#pragma once

#include <optional>

#include "dialogs/dialog_state.h"

// The state of the modeless graph settings dialog that chooses which of the document's six
// graph series are shown. The document owns one for its whole life; the series' shown flags
// live in the series themselves, so what is kept here is only whether the window exists and
// where it stood when it was last closed.
class CGraphSettingDialog : public CDialogState {
public:
    struct Placement {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    const char* GetDialogName() const override { return "CGraphSettingDialog"; }

    bool Exists() const { return exists_; }
    void SetExists(bool exists) { exists_ = exists; }
    const std::optional<Placement>& GetPlacement() const { return placement_; }
    void SetPlacement(const Placement& placement) { placement_ = placement; }

private:
    bool exists_ = false;
    std::optional<Placement> placement_;
};
