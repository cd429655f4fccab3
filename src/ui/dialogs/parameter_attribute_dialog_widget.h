#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class CParameterAttributeDialog;
class CRangeSpinBox;
class IOperator;

// The parameter attribute dialog on screen: the four character classes, the minimum and
// maximum length (-1 for no limit) and the characters allowed whatever their class. OK
// copies the controls into the state and runs its checks.
class CParameterAttributeDialogWidget : public QDialog {
    Q_OBJECT
public:
    CParameterAttributeDialogWidget(CParameterAttributeDialog& dialog, IOperator& op,
                                    QWidget* parent = nullptr);
    static int Run(QWidget* parent, CParameterAttributeDialog& dialog, IOperator& op);

public slots:
    void accept() override;

private:
    CParameterAttributeDialog& dialog_;
    IOperator& operator_;
    std::array<QCheckBox*, 4> classes_{};
    CRangeSpinBox* minimum_;
    CRangeSpinBox* maximum_;
    QLineEdit* specials_;
};
