#include "ui/dialogs/dialog_support.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "dialogs/operator.h"

namespace dialog_support {

void ShowWarning(IOperator& op, const Cp932& caption, const Cp932& text, QWidget* focus) {
    op.ShowMessage(text, caption, message_box::kOk | message_box::kIconExclamation);
    FocusAndSelect(focus);
}

void FocusAndSelect(QWidget* field, Qt::FocusReason reason) {
    if (field != nullptr) {
        field->setFocus(reason);
        SelectAllText(field);
    }
}

void SelectAllText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        spin->selectAll();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        text->selectAll();
    }
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    if (buddy != nullptr && buddy->accessibleName().isEmpty()) {
        QString name = text;
        name.remove(QStringLiteral("&"));
        buddy->setAccessibleName(name.remove(QRegularExpression(QStringLiteral("\\s*[：:]\\s*$"))));
    }
    return label;
}

}  // namespace dialog_support
