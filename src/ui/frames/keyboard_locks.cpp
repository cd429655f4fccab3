#include "ui/frames/keyboard_locks.h"

#include <QGuiApplication>

#if QUILLMARK_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

std::optional<KeyboardLocks> ReadKeyboardLocks() {
#if QUILLMARK_HAVE_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return std::nullopt;
    }
    // Looked up once: each look-up is a round trip to the server.
    static const Atom atoms[4] = {
        XInternAtom(display, "Kana", False), XInternAtom(display, "Caps Lock", False),
        XInternAtom(display, "Num Lock", False), XInternAtom(display, "Scroll Lock", False)};
    const auto on = [display](Atom atom) {
        Bool state = False;
        return XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr) &&
               state == True;
    };
    return KeyboardLocks{on(atoms[0]), on(atoms[1]), on(atoms[2]), on(atoms[3])};
#else
    return std::nullopt;
#endif
}
