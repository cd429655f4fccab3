#include "ui/dialogs/city_code_search_dialog_widget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/city_code_search_dialog.h"
#include "dialogs/operator.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"

using qt_text::FromCp932;
using qt_text::ToCp932;

int CCityCodeSearchDialogWidget::Run(QWidget* parent, CCityCodeSearchDialog& dialog,
                                     IOperator& op) {
    CCityCodeSearchDialogWidget widget(dialog, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CCityCodeSearchDialogWidget::CCityCodeSearchDialogWidget(CCityCodeSearchDialog& dialog,
                                                         IOperator& op, QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op) {
    setWindowTitle(QStringLiteral("クイルマーク - 都市コードデータベースからの検索 - 検索の準備"));
    auto* heading = new QLabel(
        QStringLiteral("検索条件を入力します。部分文字列を入力してください．．．"), this);
    code_on_ = new QCheckBox(QStringLiteral("都市コード(&C) ："), this);
    name_on_ = new QCheckBox(QStringLiteral("都市名(&N) ："), this);
    reading_on_ = new QCheckBox(QStringLiteral("都市名の読み(&R) ："), this);
    worked_ = new QCheckBox(QStringLiteral("現在までに取得済みのマルチ。(&W)"), this);
    code_ = new QLineEdit(FromCp932(dialog.GetCode()), this);
    name_ = new QLineEdit(FromCp932(dialog.GetName()), this);
    reading_ = new QLineEdit(FromCp932(dialog.GetReading()), this);
    code_->setAccessibleName(QStringLiteral("都市コード"));
    name_->setAccessibleName(QStringLiteral("都市名"));
    reading_->setAccessibleName(QStringLiteral("都市名の読み"));
    code_on_->setChecked(dialog.IsCodeOn());
    name_on_->setChecked(dialog.IsNameOn());
    reading_on_->setChecked(dialog.IsReadingOn());
    worked_->setChecked(dialog.IsWorkedMultipliersOn());
    // Typing into a field switches its criterion on: what the operator typed is what they
    // want to search for.
    for (const auto& [edit, box] : {std::pair{code_, code_on_}, std::pair{name_, name_on_},
                                    std::pair{reading_, reading_on_}}) {
        QCheckBox* check = box;
        connect(edit, &QLineEdit::textEdited, check,
                [check](const QString& text) { check->setChecked(!text.isEmpty()); });
    }
    auto* grid = new QGridLayout;
    grid->addWidget(code_on_, 0, 0);
    grid->addWidget(code_, 0, 1);
    grid->addWidget(name_on_, 1, 0);
    grid->addWidget(name_, 1, 1);
    grid->addWidget(reading_on_, 2, 0);
    grid->addWidget(reading_, 2, 1);
    grid->addWidget(worked_, 3, 0, 1, 2);
    code_->setMinimumWidth(260);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start =
        buttons->addButton(QStringLiteral("検索開始"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCityCodeSearchDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    code_->setFocus();
}

void CCityCodeSearchDialogWidget::accept() {
    dialog_.SetCode(code_on_->isChecked(), ToCp932(code_->text()));
    dialog_.SetName(name_on_->isChecked(), ToCp932(name_->text()));
    dialog_.SetReading(reading_on_->isChecked(), ToCp932(reading_->text()));
    dialog_.SetWorkedMultipliers(worked_->isChecked());
    const CCityCodeSearchDialog::CheckResult check = dialog_.OnSearchStart();
    if (!check.ok()) {
        QWidget* field = check.focus == CCityCodeSearchDialog::Field::code      ? code_
                         : check.focus == CCityCodeSearchDialog::Field::name    ? name_
                         : check.focus == CCityCodeSearchDialog::Field::reading ? reading_
                                                                                : nullptr;
        dialog_support::ShowWarning(operator_,
                                    qt_text::ToCp932(QStringLiteral("クイルマーク - 警告")),
                                    check.message, field);
        return;
    }
    QDialog::accept();
}
