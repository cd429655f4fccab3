#pragma once

// What the widget tests share: the application object and the program's texts written in
// UTF-8.
#include <QApplication>

#include "../platform/golden.h"
#include "platform/cp932_convert.h"

namespace ui_test {

// The application object is never destroyed: Qt's own globals may be gone by the time a
// static one would be.
inline void EnsureApp() {
    static int argc = 1;
    static char arg0[] = "ui_tests";
    static char* argv[] = {arg0, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

// Constructed before any widget member of a fixture.
struct AppGuard {
    AppGuard() { EnsureApp(); }
};

inline Cp932 J(const char* utf8) {
    return Utf8ToCp932(utf8);
}

using platform_test::ExpectGolden;

}  // namespace ui_test
