#include "ui/dialogs/band_information_dialog_widget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "dialogs/band_information_dialog.h"
#include "dialogs/operator.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/replacing_line_edit.h"

using qt_text::FromCp932;
using qt_text::ToCp932;

namespace {

// The frequency as the operator writes it: "7", "3.5", "10.125", never "7.000000".
class CFrequencySpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override {
        return QString::number(value, 'f', decimals()).remove(QRegularExpression("\\.?0+$"));
    }
};

}  // namespace

int CBandInformationDialogWidget::Run(QWidget* parent, CBandInformationDialog& dialog,
                                      IOperator& op, const CQuillmarkSystem& settings) {
    CBandInformationDialogWidget widget(dialog, op, settings, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CBandInformationDialogWidget::CBandInformationDialogWidget(CBandInformationDialog& dialog,
                                                           IOperator& op,
                                                           const CQuillmarkSystem& settings,
                                                           QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op), settings_(settings) {
    setWindowTitle(FromCp932(CBandInformationDialog::GetWindowTitle()));
    auto* guidance = new QLabel(FromCp932(dialog.GetGuidance()), this);
    guidance->setWordWrap(true);

    frequency_ = new CFrequencySpinBox(this);
    frequency_->setDecimals(6);
    frequency_->setRange(0, 99999999.0);
    frequency_->setValue(dialog.GetFrequency());
    unit_ = new QComboBox(this);
    unit_->addItems({QStringLiteral("kHz"), QStringLiteral("MHz"), QStringLiteral("GHz")});
    unit_->setCurrentIndex(dialog.GetUnitIndex());
    unit_->setAccessibleName(QStringLiteral("単位"));
    auto* band_row = new QHBoxLayout;
    band_row->addWidget(frequency_);
    band_row->addWidget(unit_);
    band_row->addWidget(new QLabel(QStringLiteral("帯"), this));
    band_row->addStretch();

    mode_ = new QComboBox(this);
    for (const Cp932& mode : CBandInformationDialog::GetModeList()) {
        mode_->addItem(FromCp932(mode));
    }
    const QString selected = FromCp932(dialog.GetModeSelection());
    if (mode_->findText(selected) < 0) {
        mode_->addItem(selected);
    }
    mode_->setCurrentIndex(mode_->findText(selected));

    sent_ = new CReplacingLineEdit(this);
    sent_->LoadReplacement(settings);
    sent_->SetByteLimit(dialog.GetSentContestNumberTextLimit());
    sent_->SetCp932Text(dialog.GetSentContestNumberText());

    calling_ = new QRadioButton(QStringLiteral("呼び出し(&C)"), this);
    answering_ = new QRadioButton(QStringLiteral("応答(&A)"), this);
    auto* group = new QButtonGroup(this);
    group->addButton(calling_);
    group->addButton(answering_);
    calling_->setChecked(dialog.GetCallingMethodRadio() == CBandInformationDialog::kRadioCalling);
    answering_->setChecked(dialog.GetCallingMethodRadio() ==
                           CBandInformationDialog::kRadioAnswering);
    auto* radios = new QHBoxLayout;
    radios->addWidget(calling_);
    radios->addWidget(answering_);
    radios->addStretch();

    auto* form = new QFormLayout;
    form->addRow(dialog_support::Label(QStringLiteral("使用周波数帯(&F) ："), frequency_, this),
                 band_row);
    form->addRow(dialog_support::Label(QStringLiteral("電波の型式(&E) ："), mode_, this), mode_);
    form->addRow(
        dialog_support::Label(QStringLiteral("自局の送信コンテストナンバー(&S) ："), sent_, this),
        sent_);
    form->addRow(QStringLiteral("呼び出しの方法 ："), radios);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBandInformationDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guidance);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    frequency_->setFocus();
    frequency_->selectAll();
}

void CBandInformationDialogWidget::accept() {
    dialog_.SetFrequency(frequency_->value());
    dialog_.SetUnitIndex(unit_->currentIndex());
    dialog_.SetMode(mode_->currentIndex() == 0 ? Cp932() : ToCp932(mode_->currentText()));
    dialog_.SetSentContestNumberText(sent_->Cp932Text());
    dialog_.SetCallingMethodRadio(calling_->isChecked() ? CBandInformationDialog::kRadioCalling
                                  : answering_->isChecked()
                                      ? CBandInformationDialog::kRadioAnswering
                                      : -1);
    if (!dialog_.OnOK(operator_, settings_.GetPunctuationMarks())) {
        QWidget* field = dialog_.GetFocusField() == CBandInformationDialog::Field::frequency
                             ? static_cast<QWidget*>(frequency_)
                             : sent_;
        dialog_support::FocusAndSelect(field);
        return;
    }
    QDialog::accept();
}
