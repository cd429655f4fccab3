#pragma once

#include <QDialog>

class QTreeWidget;
class CImportDialog;
class IOperator;

// The import dialog on screen: the logs of the same contest that can be imported, one row
// each with its totals and bands. OK hands the selected row to the state's check.
class CImportDialogWidget : public QDialog {
    Q_OBJECT
public:
    CImportDialogWidget(CImportDialog& dialog, IOperator& op, QWidget* parent = nullptr);
    static int Run(QWidget* parent, CImportDialog& dialog, IOperator& op);

public slots:
    void accept() override;

private:
    CImportDialog& dialog_;
    IOperator& operator_;
    QTreeWidget* list_;
};
