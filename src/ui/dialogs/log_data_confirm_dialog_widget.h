#pragma once

#include <QDialog>

class CLogDataConfirmDialog;

// Dialog 174 on screen: one log entry shown read-only under a message and its icon, with
// "OK" (the default, so Enter confirms) and "ｷｬﾝｾﾙ". Which optional lines show is the
// state's choice.
class CLogDataConfirmDialogWidget : public QDialog {
    Q_OBJECT
public:
    CLogDataConfirmDialogWidget(const CLogDataConfirmDialog& dialog, QWidget* parent = nullptr);
    static int Run(QWidget* parent, const CLogDataConfirmDialog& dialog);
};
