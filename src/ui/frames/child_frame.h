#pragma once

#include <QWidget>
#include <functional>

#include "ui/commands/command_target.h"
#include "ui/commands/menu_layout.h"

class CDocumentBase;

// What the main frame needs of every window inside its MDI area (the contest window and the
// city code window): the menu bar to show while it is active, the document it shows, the
// commands it handles, and a say in whether it may close.
class CChildFrame : public QWidget, public ICommandTarget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual menu_layout::Bar MenuBarKind() const = 0;
    virtual CDocumentBase& Document() = 0;
    // Asked before the window closes: false keeps it open.
    void SetCloseCheck(std::function<bool(CChildFrame&)> check) { close_check_ = std::move(check); }

signals:
    // Something the command states depend on changed (selection, active pane).
    void commandStatesChanged();
    // The document's path or modified flag changed: the window titles follow.
    void documentNameChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool(CChildFrame&)> close_check_;
};
