#include "ui/dialogs/parameter_attribute_dialog_widget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/range_spin_box.h"

namespace {

using qt_text::FromCp932;
using qt_text::ToCp932;
using Dialog = CParameterAttributeDialog;

constexpr std::array<uint32_t, 4> kBits = {Dialog::kHalfWidthDigits, Dialog::kHalfWidthLetters,
                                           Dialog::kHalfWidthKatakana, Dialog::kFullWidth};

}  // namespace

int CParameterAttributeDialogWidget::Run(QWidget* parent, CParameterAttributeDialog& dialog,
                                         IOperator& op) {
    CParameterAttributeDialogWidget widget(dialog, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CParameterAttributeDialogWidget::CParameterAttributeDialogWidget(CParameterAttributeDialog& dialog,
                                                                 IOperator& op, QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op) {
    setWindowTitle(FromCp932(Dialog::GetWindowTitle()));
    auto* heading = new QLabel(FromCp932(dialog.GetHeading()), this);
    heading->setWordWrap(true);

    auto* class_group = new QGroupBox(QStringLiteral("入力を許可する文字種類"), this);
    auto* class_layout = new QVBoxLayout(class_group);
    const char* const texts[] = {"半角算用数字(&1)", "半角アルファベット(&2)", "半角カタカナ(&3)",
                                 "全角文字(&4)"};
    for (size_t i = 0; i < classes_.size(); ++i) {
        classes_[i] = new QCheckBox(QString::fromUtf8(texts[i]), class_group);
        classes_[i]->setChecked(dialog.IsClassChecked(kBits[i]));
        class_layout->addWidget(classes_[i]);
    }

    auto* length_group = new QGroupBox(QStringLiteral("文字数"), this);
    minimum_ = new CRangeSpinBox(Dialog::kMinLengthLower, Dialog::kLengthUpper,
                                 Dialog::kLengthTextLimit, length_group);
    maximum_ = new CRangeSpinBox(Dialog::kMaxLengthLower, Dialog::kLengthUpper,
                                 Dialog::kLengthTextLimit, length_group);
    // The maximum may be -1 (no limit), the minimum may be typed below its range for the
    // check to name.
    minimum_->setMinimum(-99999);
    maximum_->setMinimum(-99999);
    minimum_->setValue(dialog.GetMinLength());
    maximum_->setValue(dialog.GetMaxLength());
    auto* lengths = new QFormLayout(length_group);
    lengths->addRow(dialog_support::Label(QStringLiteral("■ 下限(&L) :"), minimum_, length_group),
                    minimum_);
    lengths->addRow(
        dialog_support::Label(QStringLiteral("■ 上限 （制限を付けない場合は -1）(&U) :"), maximum_,
                              length_group),
        maximum_);

    specials_ = new QLineEdit(FromCp932(dialog.GetSpecialCharacters()), this);
    auto* specials_label = dialog_support::Label(
        QStringLiteral("■ 上のチェックの有無に関係なく、入力を許可する文字(&O) ↓"), specials_,
        this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CParameterAttributeDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(class_group);
    layout->addWidget(length_group);
    layout->addWidget(specials_label);
    layout->addWidget(specials_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CParameterAttributeDialogWidget::accept() {
    for (size_t i = 0; i < classes_.size(); ++i) {
        dialog_.SetClassChecked(kBits[i], classes_[i]->isChecked());
    }
    dialog_.SetMinLength(minimum_->value());
    dialog_.SetMaxLength(maximum_->value());
    dialog_.SetSpecialCharacters(ToCp932(specials_->text()));
    if (!dialog_.OnOK(operator_)) {
        QWidget* field = dialog_.GetFocusField() == Dialog::Field::max_length   ? maximum_
                         : dialog_.GetFocusField() == Dialog::Field::min_length ? minimum_
                                                                                : nullptr;
        dialog_support::FocusAndSelect(field);
        return;
    }
    QDialog::accept();
}
