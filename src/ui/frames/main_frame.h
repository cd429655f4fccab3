#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

#include "ui/commands/command_target.h"

class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;
class CChildFrame;
class CCommandActions;
class CMainStatusBar;
class CQuillmarkSystem;

// The program's main window: the MDI area that holds the contest and city code windows,
// the menu bar of the active window's kind, the standard and log menu toolbars, and the
// main status bar with its clock, refreshed every 300 ms. Commands go to the active child
// window first, then to the frame itself (toolbar and status bar visibility), then to the
// application. Files dropped on the window are handed to the application to open.
class CMainFrame : public QMainWindow, public ICommandTarget {
    Q_OBJECT
public:
    static constexpr int kClockInterval = 300;

    explicit CMainFrame(const CQuillmarkSystem& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return mdi_area_; }
    CMainStatusBar* MainStatusBar() const { return status_bar_; }
    CCommandActions& Commands() const { return *commands_; }
    QToolBar* StandardToolBar() const { return standard_toolbar_; }
    QToolBar* LogMenuToolBar() const { return log_toolbar_; }

    // The target after the frame in the command chain.
    void SetApplicationTarget(ICommandTarget* application) { application_ = application; }
    // Asked when the window is to close: false keeps it open.
    void SetCloseCheck(std::function<bool()> check) { close_check_ = std::move(check); }
    // Receives the files dropped on the window.
    void SetDropHandler(std::function<void(const QStringList&)> handler) {
        drop_handler_ = std::move(handler);
    }

    // Adds a child window, maximised, and makes it active.
    QMdiSubWindow* AddChildFrame(CChildFrame* frame);
    // The active child window (the last one active while the main window is not), or null.
    CChildFrame* ActiveChildFrame() const;
    // In the order the windows were made, or with the one in front last.
    QList<CChildFrame*> ChildFrames(bool activation_order = false) const;

    // Shows the menu bar of the active child window's kind.
    void UpdateMenuBar();

    std::optional<CommandState> QueryCommand(int id) const override;
    void RunCommand(int id) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnClockTick();

    const CQuillmarkSystem& settings_;
    QMdiArea* mdi_area_;
    CMainStatusBar* status_bar_;
    CCommandActions* commands_;
    QToolBar* standard_toolbar_;
    QToolBar* log_toolbar_;
    QTimer* clock_;
    ICommandTarget* application_ = nullptr;
    std::function<bool()> close_check_;
    std::function<void(const QStringList&)> drop_handler_;
    int shown_bar_ = -1;
};
