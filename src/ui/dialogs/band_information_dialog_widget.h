#pragma once

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class CBandInformationDialog;
class CQuillmarkSystem;
class CReplacingLineEdit;
class IOperator;

// The band information dialog on screen: frequency and unit, the mode, the own sent contest
// number and the calling method of one band. OK copies the controls into the state and runs
// its checks (the warning and the field come from the state).
class CBandInformationDialogWidget : public QDialog {
    Q_OBJECT
public:
    CBandInformationDialogWidget(CBandInformationDialog& dialog, IOperator& op,
                                 const CQuillmarkSystem& settings, QWidget* parent = nullptr);
    static int Run(QWidget* parent, CBandInformationDialog& dialog, IOperator& op,
                   const CQuillmarkSystem& settings);

public slots:
    void accept() override;

private:
    CBandInformationDialog& dialog_;
    IOperator& operator_;
    const CQuillmarkSystem& settings_;
    QDoubleSpinBox* frequency_;
    QComboBox* unit_;
    QComboBox* mode_;
    CReplacingLineEdit* sent_;
    QRadioButton* calling_;
    QRadioButton* answering_;
};
