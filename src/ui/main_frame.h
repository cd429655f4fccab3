#pragma once

#include <QMainWindow>

class QMdiArea;

// The program's main window: the MDI area that holds the contest and city-code windows,
// and the status bar whose first pane carries every operation's end state.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdi_area_; }

private:
    QMdiArea* mdi_area_;
};
