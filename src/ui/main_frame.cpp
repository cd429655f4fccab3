#include "ui/main_frame.h"

#include <QMdiArea>
#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), mdi_area_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("クイルマーク"));
    setCentralWidget(mdi_area_);
    statusBar();  // created here so the first pane exists before any operation runs
    resize(1024, 700);
}
