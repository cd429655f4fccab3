#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "dialogs/operator.h"

class QMainWindow;
class QWidget;
class CProgressWindow;

// The operator interface bound to Qt: message boxes are QMessageBox, the progress state is
// shown in a small window-modal progress window, file names come from QFileDialog, the
// status text goes to the main window's status bar and pending events run through
// QCoreApplication::processEvents. Dialogs and wizards are found by their state's dialog
// name among the runners the windows register, so each widget plugs in where it is built.
// Holds no business rule: it only shows what the document hands it.
class CQtOperator : public IOperator {
public:
    // Runs the widget of a dialog state modally over parent and returns its result.
    using DialogRunner = std::function<int(QWidget* parent, CDialogState& dialog, int mask)>;

    // main_window gives the status bar and is the parent when no window is active.
    explicit CQtOperator(QMainWindow* main_window = nullptr);
    ~CQtOperator() override;
    CQtOperator(const CQtOperator&) = delete;
    CQtOperator& operator=(const CQtOperator&) = delete;

    void SetMainWindow(QMainWindow* main_window) { main_window_ = main_window; }
    void RegisterDialog(const std::string& dialog_name, DialogRunner runner);

    int ShowMessage(const Cp932& text, const Cp932& caption, int style) override;
    void SetStatusText(const Cp932& text) override;
    void Beep(int type) override;
    void ShowProgress(CProgressDialog& progress) override;
    void UpdateProgress(const CProgressDialog& progress, ProgressPart part) override;
    void CloseProgress(CProgressDialog& progress) override;
    std::optional<std::string> AskFileName(const FileNameRequest& request) override;
    int RunDialog(CDialogState& dialog, int mask) override;
    void PumpEvents() override;
    void SetWaitCursor(bool on) override;

    // The filter of a file request in QFileDialog's form ("name (*.log)").
    static QStringList NameFilters(const Cp932& filter);

private:
    // The active window, else the main window (possibly null).
    QWidget* ParentWindow() const;

    QPointer<QMainWindow> main_window_;
    std::map<const CProgressDialog*, QPointer<CProgressWindow>> progress_windows_;
    std::map<std::string, DialogRunner> dialogs_;
    int wait_cursor_depth_ = 0;
};
