#pragma once

#include <QDialog>

class QTextBrowser;

// The help: the program's own Japanese help page in a browser window that stays open beside
// the main window.
class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return browser_; }
    // The bundled page with the table of every command that has a key.
    static QString HelpPage();
    static QString ShortcutTable();

private:
    QTextBrowser* browser_;
};
