#include "ui/dialogs/log_data_confirm_dialog_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/operator.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"

namespace {

using qt_text::FromCp932;

QStyle::StandardPixmap PixmapOf(int icon) {
    switch (icon) {
        case CLogDataConfirmDialog::kIconStop:
            return QStyle::SP_MessageBoxCritical;
        case CLogDataConfirmDialog::kIconExclamation:
            return QStyle::SP_MessageBoxWarning;
        case CLogDataConfirmDialog::kIconInformation:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_MessageBoxQuestion;
    }
}

QLineEdit* ReadOnly(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(true);
    edit->setMinimumWidth(260);
    return edit;
}

QCheckBox* ReadOnlyBox(const QString& text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(checked);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

int CLogDataConfirmDialogWidget::Run(QWidget* parent, const CLogDataConfirmDialog& dialog) {
    CLogDataConfirmDialogWidget widget(dialog, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CLogDataConfirmDialogWidget::CLogDataConfirmDialogWidget(const CLogDataConfirmDialog& dialog,
                                                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(FromCp932(dialog.GetWindowTitle()));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(PixmapOf(dialog.GetIcon())).pixmap(32, 32));
    auto* message = new QLabel(FromCp932(dialog.GetMessage()), this);
    message->setWordWrap(true);
    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addWidget(message, 1);

    auto* form = new QFormLayout;
    const auto row = [&](const char* label, QWidget* field) {
        form->addRow(dialog_support::Label(QString::fromUtf8(label), field, this), field);
    };
    if (dialog.IsShowSet(CLogDataConfirmDialog::kShowDate)) {
        row("交信日時 ：", ReadOnly(FromCp932(dialog.GetDateText()), this));
    }
    row("呼出符号 ：", ReadOnly(FromCp932(dialog.GetCallSign()), this));
    row("送信コンテストナンバー ：", ReadOnly(FromCp932(dialog.GetSentContestNumber()), this));
    row("受信コンテストナンバー ：", ReadOnly(FromCp932(dialog.GetReceivedContestNumber()), this));
    row("得点 ：", ReadOnly(QString::number(dialog.GetPoints()), this));
    row("電波の型式 ：", ReadOnly(FromCp932(dialog.GetModeText()), this));
    row("呼び出しの方法 ：", ReadOnly(dialog.GetCallingMethod() == 1 ? QStringLiteral("呼び出し")
                                                                     : QStringLiteral("応答"),
                                      this));
    auto* cards = new QHBoxLayout;
    cards->addWidget(ReadOnlyBox(QStringLiteral("要求"), dialog.GetCardFlag(1), this));
    if (dialog.IsShowSet(CLogDataConfirmDialog::kShowCardSent)) {
        cards->addWidget(ReadOnlyBox(QStringLiteral("送出"), dialog.GetCardFlag(2), this));
    }
    if (dialog.IsShowSet(CLogDataConfirmDialog::kShowCardReceived)) {
        cards->addWidget(ReadOnlyBox(QStringLiteral("受取"), dialog.GetCardFlag(4), this));
    }
    cards->addStretch();
    form->addRow(QStringLiteral("カード ："), cards);
    row("コメント ：", ReadOnly(FromCp932(dialog.GetComment()), this));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // OK has the focus, so Enter confirms and a screen reader starts at the question.
    ok->setFocus();
    setAccessibleDescription(message->text());
}
