#pragma once

#include <QDialog>

// The title logo of the start: a borderless picture in the middle of the screen for a
// number of seconds (1 .. 9; any other number shows nothing). A key or a click ends it
// early.
class CTitleLogo : public QDialog {
    Q_OBJECT
public:
    explicit CTitleLogo(int seconds, QWidget* parent = nullptr);
    // Shows the logo modally for seconds; returns at once for seconds outside 1 .. 9.
    static void Show(int seconds);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
