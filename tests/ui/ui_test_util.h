#pragma once

// What the widget tests share: the application object, modal windows answered from the
// event loop, and the program's texts written in UTF-8.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

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

// Runs act on the modal window as soon as the event loop shows it (polling, so a window that
// opens after a few events is still found).
inline void WhenModal(std::function<void(QWidget*)> act, int tries = 200) {
    QTimer::singleShot(5, [act = std::move(act), tries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && tries > 0) {
            WhenModal(std::move(act), tries - 1);
            return;
        }
        act(modal);
    });
}

inline QDialog* FindWindowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog->windowTitle() == title && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

using platform_test::ExpectGolden;

}  // namespace ui_test
