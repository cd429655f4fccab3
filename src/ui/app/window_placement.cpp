#include "ui/app/window_placement.h"

namespace window_placement {

std::optional<Placement> ToRestore(const CQuillmarkSystem& settings, const QList<QRect>& screens) {
    if (settings.GetMainWindowPlacementSaveFlag() == 0) {
        return std::nullopt;
    }
    const CQuillmarkSystem::Rect& r = settings.GetMainWindowRect();
    if (r.left >= r.right || r.top >= r.bottom) {
        return std::nullopt;
    }
    const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (!screens.isEmpty()) {
        bool visible = false;
        for (const QRect& screen : screens) {
            // At least a title bar's worth of the window must be reachable.
            const QRect shared = screen.intersected(rect);
            visible = visible || (shared.width() >= 40 && shared.height() >= 20);
        }
        if (!visible) {
            return std::nullopt;
        }
    }
    const int state = settings.GetMainWindowState();
    return Placement{state >= 1 && state <= 3 ? state : 1, rect};
}

void Record(CQuillmarkSystem& settings, const Placement& placement) {
    settings.SetMainWindowState(placement.show_state);
    const QRect& r = placement.rect;
    settings.SetMainWindowRect({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
}

}  // namespace window_placement
