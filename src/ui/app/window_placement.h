#pragma once

#include <QList>
#include <QRect>
#include <optional>

#include "settings/quillmark_system.h"

// Where the main window opens and what is recorded of it at exit, as plain rules over the
// settings: flag 0 neither restores nor records, 1 restores the last recorded placement
// without recording a new one (the settings store then keeps the old one), 2 does both. A
// stored rectangle that is empty, or lies on no screen any more, is not restored.
namespace window_placement {

struct Placement {
    // 1 normal, 2 minimised, 3 maximised.
    int show_state = 1;
    // The normal (not maximised) geometry; right and bottom exclusive.
    QRect rect;
};

// The placement to restore, or nullopt to open with the window system's choice. screens
// are the available geometries of the screens; empty accepts any rectangle.
std::optional<Placement> ToRestore(const CQuillmarkSystem& settings,
                                   const QList<QRect>& screens = {});
// Records the placement into the settings (whether it reaches the store is the settings'
// business).
void Record(CQuillmarkSystem& settings, const Placement& placement);

}  // namespace window_placement
