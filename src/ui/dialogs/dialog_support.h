#pragma once

#include <QString>

#include "platform/cp932.h"

class IOperator;
class QLabel;
class QWidget;

// Small helpers every dialog widget shares.
namespace dialog_support {

// A check's warning through the operator (exclamation icon, OK), then the focus on the
// offending control with its text selected.
void ShowWarning(IOperator& op, const Cp932& caption, const Cp932& text, QWidget* focus);
// Selects the whole text of a line edit, spin box or text edit.
void SelectAllText(QWidget* widget);
// Focuses field (when there is one) with its text selected, so the operator types over it.
void FocusAndSelect(QWidget* field, Qt::FocusReason reason = Qt::OtherFocusReason);
// A label for a control: its buddy (so Alt+mnemonic and screen readers find the control).
QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent);

}  // namespace dialog_support
