#pragma once

// Answers the program's modal windows from a script while a command runs: each step waits
// for the window it expects (by its title, its wizard page or its message) and acts on it
// with keys. A step that never comes fails the test and the window is closed, so a test
// cannot hang.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "ui/widgets/wizard_frame.h"

namespace ui_test {

class ModalScript {
public:
    using Act = std::function<void(QWidget* modal)>;

    // A window whose title (or wizard page caption, or message text) contains `marker`.
    ModalScript& On(const QString& marker, Act act) {
        steps_.push_back({marker, std::move(act)});
        return *this;
    }
    // Presses keys one after another in the focused field of the window.
    ModalScript& Keys(const QString& marker, std::vector<std::variant<QString, Qt::Key>> keys) {
        return On(marker, [keys](QWidget* modal) {
            for (const auto& key : keys) {
                QWidget* target = QApplication::focusWidget();
                if (target == nullptr || target->window() != modal) {
                    target = modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
                }
                if (std::holds_alternative<QString>(key)) {
                    QTest::keyClicks(target, std::get<QString>(key));
                } else {
                    QTest::keyClick(target, std::get<Qt::Key>(key));
                }
            }
        });
    }

    // Runs command (which opens the windows) with the script answering them.
    void Run(const std::function<void()>& command) {
        next_ = 0;
        QTimer timer;
        timer.setInterval(5);
        int idle = 0;
        QObject::connect(&timer, &QTimer::timeout, [this, &idle] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || next_ >= steps_.size()) {
                if (modal != nullptr && ++idle > 400) {
                    ADD_FAILURE() << "an unscripted window: " << Describe(modal).toStdString();
                    Dismiss(modal);
                    idle = 0;
                }
                return;
            }
            if (pending_) {
                return;
            }
            if (Describe(modal).contains(steps_[next_].marker)) {
                idle = 0;
                seen_ << Describe(modal);
                // Acted on from the event loop, not from this tick: a key may open a window
                // of its own, whose loop must still see this timer.
                pending_ = true;
                QTimer::singleShot(0, [this, act = steps_[next_++].act, window = QPointer(modal)] {
                    pending_ = false;
                    if (window != nullptr) {
                        act(window);
                    }
                });
            } else if (++idle > 400) {
                ADD_FAILURE() << "waited for \"" << steps_[next_].marker.toStdString()
                              << "\" but saw: " << Describe(modal).toStdString();
                Dismiss(modal);
                next_ = steps_.size();  // the rest cannot match any more
                idle = 0;
            }
        });
        timer.start();
        command();
        timer.stop();
        EXPECT_EQ(next_, steps_.size()) << "steps left: " << (steps_.size() - next_);
        steps_.clear();
    }

    // Every window acted on, as Describe saw it.
    const QStringList& Seen() const { return seen_; }

    // Escape closes every window of the program (a cancel); the test then ends its command.
    static void Dismiss(QWidget* modal) {
        QTimer::singleShot(0, [window = QPointer(modal)] {
            if (window != nullptr) {
                QTest::keyClick(window, Qt::Key_Escape);
            }
        });
    }

    static QString Describe(QWidget* modal) {
        QString text = modal->windowTitle();
        if (auto* wizard = qobject_cast<CWizardFrame*>(modal)) {
            text += QStringLiteral(" | ") + wizard->PageCaption();
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text += QStringLiteral(" | ") + box->text();
        }
        return text;
    }

private:
    struct Step {
        QString marker;
        Act act;
    };
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool pending_ = false;
    QStringList seen_;
};

}  // namespace ui_test
