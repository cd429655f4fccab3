#include "ui/dialogs/log_export_dialog_widget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"

using qt_text::FromCp932;
using qt_text::FromPath;
using qt_text::ToCp932;
using qt_text::ToPath;

namespace {

// The state keeps CR LF between lines, as the summary-sheet texts do.
QString LinesFromCp932(const Cp932& text) {
    return FromCp932(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Cp932 LinesToCp932(QString text) {
    return ToCp932(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

QPlainTextEdit* LinesEdit(QWidget* parent, int lines) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    return edit;
}

}  // namespace

int CLogExportDialogWidget::Run(QWidget* parent, CLogExportDialog& dialog, IOperator& op) {
    CLogExportDialogWidget widget(dialog, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CLogExportDialogWidget::CLogExportDialogWidget(CLogExportDialog& dialog, IOperator& op,
                                               QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op) {
    setWindowTitle(FromCp932(CLogExportDialog::GetCaption()));

    format_ = new QComboBox(this);
    for (const Cp932& name : CLogExportDialog::GetFormatNames()) {
        format_->addItem(FromCp932(name));
    }
    format_->setCurrentIndex(dialog.GetFormat());
    version_ = new QComboBox(this);
    auto* format_row = new QHBoxLayout;
    format_row->addWidget(format_);
    format_row->addWidget(dialog_support::Label(QStringLiteral("版(&V) ："), version_, this));
    format_row->addWidget(version_);
    format_row->addStretch();

    jst_ = new QRadioButton(QStringLiteral("JST（日本標準時）(&J)"), this);
    utc_ = new QRadioButton(QStringLiteral("UTC（協定世界時）(&U)"), this);
    auto* zone = new QButtonGroup(this);
    zone->addButton(jst_);
    zone->addButton(utc_);
    auto* zone_row = new QHBoxLayout;
    zone_row->addWidget(jst_);
    zone_row->addWidget(utc_);
    zone_row->addStretch();

    contest_ = new QLineEdit(FromCp932(dialog.GetContestId()), this);
    contest_->setPlaceholderText(QStringLiteral("例 JIDX-CW"));
    email_ = new QLineEdit(FromCp932(dialog.GetEmail()), this);

    auto* form = new QFormLayout;
    form->addRow(dialog_support::Label(QStringLiteral("形式(&F) ："), format_, this), format_row);
    form->addRow(QStringLiteral("交信日時 ："), zone_row);
    form->addRow(
        dialog_support::Label(QStringLiteral("コンテスト名 CONTEST(&C) ："), contest_, this),
        contest_);
    form->addRow(dialog_support::Label(QStringLiteral("電子メール EMAIL(&M) ："), email_, this),
                 email_);

    cabrillo_ = new QGroupBox(QStringLiteral("Cabrillo のヘッダー（半角の英数字で入力）"), this);
    auto* categories = new QGridLayout;
    for (int i = 0; i < CLogExportDialog::kCategoryCount; ++i) {
        QComboBox* combo = categories_[static_cast<size_t>(i)] = new QComboBox(cabrillo_);
        for (const std::string& value : CLogExportDialog::GetCategoryChoices(i)) {
            combo->addItem(value.empty() ? FromCp932(CLogExportDialog::GetNoChoiceText())
                                         : QString::fromStdString(value),
                           QString::fromStdString(value));
        }
        const QString value = QString::fromStdString(dialog.GetCategory(i));
        if (combo->findData(value) < 0) {
            combo->addItem(value, value);
        }
        combo->setCurrentIndex(combo->findData(value));
        const QString tag =
            QString::fromStdString(std::string(CLogExportDialog::GetCategoryTag(i)));
        categories->addWidget(dialog_support::Label(tag + QStringLiteral(" ："), combo, cabrillo_),
                              i / 2, (i % 2) * 2);
        categories->addWidget(combo, i / 2, (i % 2) * 2 + 1);
    }
    name_ = new QLineEdit(FromCp932(dialog.GetName()), cabrillo_);
    address_ = LinesEdit(cabrillo_, 3);
    address_->setPlainText(LinesFromCp932(dialog.GetAddress()));
    soapbox_ = LinesEdit(cabrillo_, 3);
    soapbox_->setPlainText(LinesFromCp932(dialog.GetSoapbox()));
    auto* header = new QFormLayout;
    header->addRow(dialog_support::Label(QStringLiteral("NAME（氏名）(&A) ："), name_, cabrillo_),
                   name_);
    header->addRow(
        dialog_support::Label(QStringLiteral("ADDRESS（住所）(&D) ："), address_, cabrillo_),
        address_);
    header->addRow(
        dialog_support::Label(QStringLiteral("SOAPBOX（意見）(&S) ："), soapbox_, cabrillo_),
        soapbox_);
    auto* cabrillo_layout = new QVBoxLayout(cabrillo_);
    cabrillo_layout->addLayout(categories);
    cabrillo_layout->addLayout(header);

    file_ = new QLineEdit(this);
    file_->setMinimumWidth(360);
    browse_ = new QPushButton(QStringLiteral("参照(&B)..."), this);
    connect(browse_, &QPushButton::clicked, this, &CLogExportDialogWidget::Browse);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(file_);
    file_row->addWidget(browse_);
    auto* file_form = new QFormLayout;
    file_form->addRow(dialog_support::Label(QStringLiteral("ファイル名(&N) ："), file_, this),
                      file_row);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLogExportDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cabrillo_);
    layout->addLayout(file_form);
    layout->addWidget(buttons);

    ShowFormat();
    connect(format_, &QComboBox::currentIndexChanged, this, &CLogExportDialogWidget::ChangeFormat);
    format_->setFocus();
}

void CLogExportDialogWidget::Store() {
    dialog_.SetVersion(version_->currentIndex());
    dialog_.SetUtc(dialog_.GetFormat(), utc_->isChecked());
    dialog_.SetContestId(ToCp932(contest_->text()));
    dialog_.SetEmail(ToCp932(email_->text()));
    for (int i = 0; i < CLogExportDialog::kCategoryCount; ++i) {
        dialog_.SetCategory(
            i, categories_[static_cast<size_t>(i)]->currentData().toString().toStdString());
    }
    dialog_.SetName(ToCp932(name_->text()));
    dialog_.SetAddress(LinesToCp932(address_->toPlainText()));
    dialog_.SetSoapbox(LinesToCp932(soapbox_->toPlainText()));
    dialog_.SetFileName(ToPath(file_->text()));
}

// Shows the current format's version, time and file name, and what it uses.
void CLogExportDialogWidget::ShowFormat() {
    {
        const QSignalBlocker blocker(version_);
        version_->clear();
        for (const Cp932& version : CLogExportDialog::GetVersionNames(dialog_.GetFormat())) {
            version_->addItem(FromCp932(version));
        }
        version_->setCurrentIndex(dialog_.GetVersion());
    }
    version_->setEnabled(version_->count() > 1);
    (dialog_.IsUtc() ? utc_ : jst_)->setChecked(true);
    jst_->setEnabled(dialog_.UsesTimeChoice());
    utc_->setEnabled(dialog_.UsesTimeChoice());
    contest_->setEnabled(dialog_.UsesContestId());
    email_->setEnabled(dialog_.UsesEmail());
    cabrillo_->setEnabled(dialog_.UsesCabrilloHeader());
    file_->setText(FromPath(dialog_.GetFileName()));
}

void CLogExportDialogWidget::ChangeFormat(int format) {
    Store();
    dialog_.SetFormat(format);
    ShowFormat();
}

void CLogExportDialogWidget::Browse() {
    Store();
    if (const std::optional<std::string> path =
            operator_.AskFileName(dialog_.GetFileNameRequest())) {
        dialog_.SetChosenFileName(*path);
        file_->setText(FromPath(*path));
    }
}

QWidget* CLogExportDialogWidget::FocusTarget(CLogExportDialog::Field field) const {
    using Field = CLogExportDialog::Field;
    switch (field) {
        case Field::file_name:
            return file_;
        case Field::contest:
            return contest_;
        case Field::name:
            return name_;
        case Field::address:
            return address_;
        case Field::email:
            return email_;
        case Field::soapbox:
            return soapbox_;
        case Field::none:
            break;
    }
    return format_;
}

void CLogExportDialogWidget::accept() {
    Store();
    if (!dialog_.OnOK(operator_)) {
        QWidget* field = FocusTarget(dialog_.GetFocusField());
        dialog_support::FocusAndSelect(field);
        return;
    }
    QDialog::accept();
}
