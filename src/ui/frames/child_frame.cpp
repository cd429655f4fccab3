#include "ui/frames/child_frame.h"

#include <QCloseEvent>

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (close_check_ && !close_check_(*this)) {
        event->ignore();
        return;
    }
    event->accept();
}
