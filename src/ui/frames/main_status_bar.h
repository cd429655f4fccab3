#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;
class CQuillmarkSystem;

// The main window's status bar: the message pane that carries every operation's end state
// (and, while a menu item is highlighted, its help text), the radio pane, the kana, caps, num and
// scroll lock indicators, a thin separator, the time-zone pane and the clock. Refresh, called by
// the main frame's clock timer, brings the indicators and the clock panes up to date.
class CMainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CMainStatusBar(QWidget* parent = nullptr);

    // The operation's text; it stays until the next one.
    void SetMessage(const QString& text);
    QString Message() const;
    // A menu item's help text in place of the message; an empty help brings the message
    // back.
    void ShowHelp(const QString& help);

    void Refresh(const CQuillmarkSystem& settings);
    // The radio's frequency and mode, or why it is not connected; empty hides the pane
    // (no radio link set up).
    void SetRadioText(const QString& text);
    QString RadioText() const;

    QString TimeZoneText() const;
    QString ClockText() const;
    bool IsClockShown() const;

private:
    QLabel* AddPane(const QString& widest_text);

    QLabel* message_;
    QString message_text_;
    QLabel* radio_;
    QLabel* kana_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    QLabel* time_zone_;
    QLabel* clock_;
};
