#pragma once

#include <QDialog>
#include <array>

#include "dialogs/log_export_dialog.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class IOperator;

// The submission export dialog on screen: format and version, JST or UTC, CONTEST, the
// e-mail address, the Cabrillo header (categories, NAME, ADDRESS, SOAPBOX) and the file name
// with its "参照" button. Controls a format does not use are disabled. OK copies the
// controls into the state and runs its checks (the warnings and the field come from the
// state).
class CLogExportDialogWidget : public QDialog {
    Q_OBJECT
public:
    CLogExportDialogWidget(CLogExportDialog& dialog, IOperator& op, QWidget* parent = nullptr);
    static int Run(QWidget* parent, CLogExportDialog& dialog, IOperator& op);

public slots:
    void accept() override;

private:
    // Copies the controls of the current format into the state.
    void Store();
    void ShowFormat();
    void ChangeFormat(int format);
    void Browse();
    QWidget* FocusTarget(CLogExportDialog::Field field) const;

    CLogExportDialog& dialog_;
    IOperator& operator_;
    QComboBox* format_;
    QComboBox* version_;
    QRadioButton* jst_;
    QRadioButton* utc_;
    QLineEdit* contest_;
    QLineEdit* email_;
    QGroupBox* cabrillo_;
    std::array<QComboBox*, CLogExportDialog::kCategoryCount> categories_{};
    QLineEdit* name_;
    QPlainTextEdit* address_;
    QPlainTextEdit* soapbox_;
    QLineEdit* file_;
    QPushButton* browse_;
};
