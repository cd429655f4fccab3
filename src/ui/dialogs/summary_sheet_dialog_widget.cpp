#include "ui/dialogs/summary_sheet_dialog_widget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/range_spin_box.h"

using qt_text::FromCp932;
using qt_text::ToCp932;

int CSummarySheetDialogWidget::Run(QWidget* parent, CSummarySheetDialog& dialog, IOperator& op) {
    CSummarySheetDialogWidget widget(dialog, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CSummarySheetDialogWidget::CSummarySheetDialogWidget(CSummarySheetDialog& dialog, IOperator& op,
                                                     QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op) {
    setWindowTitle(FromCp932(CSummarySheetDialog::GetCaption()));
    auto* form = new QFormLayout;
    for (int i = 0; i < CSummarySheetDialog::kRemarks; ++i) {
        QLineEdit* edit = edits_[static_cast<size_t>(i)] = new QLineEdit(this);
        edit->setMinimumWidth(360);
        edit->setText(FromCp932(dialog.GetText(i)));
        form->addRow(dialog_support::Label(FromCp932(CSummarySheetDialog::GetLabel(i)), edit, this),
                     edit);
    }
    remarks_ = new QPlainTextEdit(this);
    remarks_->setTabChangesFocus(true);
    remarks_->setFixedHeight(remarks_->fontMetrics().lineSpacing() * 4 + 12);
    QString remarks = FromCp932(dialog.GetText(CSummarySheetDialog::kRemarks));
    remarks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    remarks_->setPlainText(remarks);
    form->addRow(dialog_support::Label(
                     FromCp932(CSummarySheetDialog::GetLabel(CSummarySheetDialog::kRemarks)),
                     remarks_, this),
                 remarks_);

    use_parameter_ = new QCheckBox(QStringLiteral("局種係数を使用する。 →(&K)"), this);
    use_parameter_->setChecked(dialog.GetUseStationParameter() != 0);
    parameter_ = new CRangeSpinBox(CSummarySheetDialog::kMinStationParameter,
                                   CSummarySheetDialog::kMaxStationParameter, 3, this);
    parameter_->setValue(dialog.GetStationParameter());
    parameter_->setAccessibleName(QStringLiteral("局種係数"));
    parameter_->setEnabled(use_parameter_->isChecked());
    connect(use_parameter_, &QCheckBox::toggled, parameter_, &QWidget::setEnabled);
    auto* parameter_row = new QHBoxLayout;
    parameter_row->addWidget(use_parameter_);
    parameter_row->addWidget(parameter_);
    parameter_row->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSummarySheetDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(parameter_row);
    layout->addWidget(buttons);
}

void CSummarySheetDialogWidget::accept() {
    for (int i = 0; i < CSummarySheetDialog::kRemarks; ++i) {
        dialog_.SetText(i, ToCp932(edits_[static_cast<size_t>(i)]->text()));
    }
    QString remarks = remarks_->toPlainText();
    remarks.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    dialog_.SetText(CSummarySheetDialog::kRemarks, ToCp932(remarks));
    dialog_.SetUseStationParameter(use_parameter_->isChecked() ? 1 : 0);
    dialog_.SetStationParameter(parameter_->value());
    const SettingCheck check = dialog_.Check();
    if (!check.passed) {
        dialog_support::ShowWarning(operator_, check.caption, check.warning, parameter_);
        return;
    }
    QDialog::accept();
}
