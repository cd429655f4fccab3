#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class CCityCodeSearchDialog;
class IOperator;

// The city code search dialog on screen: code, name and reading, each with its switch, and
// the already-worked multipliers. "検索開始" copies the controls into the state and runs its
// checks.
class CCityCodeSearchDialogWidget : public QDialog {
    Q_OBJECT
public:
    CCityCodeSearchDialogWidget(CCityCodeSearchDialog& dialog, IOperator& op,
                                QWidget* parent = nullptr);
    static int Run(QWidget* parent, CCityCodeSearchDialog& dialog, IOperator& op);

public slots:
    void accept() override;

private:
    CCityCodeSearchDialog& dialog_;
    IOperator& operator_;
    QCheckBox* code_on_;
    QCheckBox* name_on_;
    QCheckBox* reading_on_;
    QCheckBox* worked_;
    QLineEdit* code_;
    QLineEdit* name_;
    QLineEdit* reading_;
};
