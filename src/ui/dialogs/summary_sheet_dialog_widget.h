#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class CRangeSpinBox;
class CSummarySheetDialog;
class IOperator;

// The summary sheet information dialog on screen: the twelve texts (the remarks on several
// lines) and the station coefficient with its switch. OK copies the controls into the state
// and runs its check.
class CSummarySheetDialogWidget : public QDialog {
    Q_OBJECT
public:
    CSummarySheetDialogWidget(CSummarySheetDialog& dialog, IOperator& op,
                              QWidget* parent = nullptr);
    static int Run(QWidget* parent, CSummarySheetDialog& dialog, IOperator& op);

public slots:
    void accept() override;

private:
    CSummarySheetDialog& dialog_;
    IOperator& operator_;
    std::array<QLineEdit*, 11> edits_{};
    QPlainTextEdit* remarks_;
    QCheckBox* use_parameter_;
    CRangeSpinBox* parameter_;
};
