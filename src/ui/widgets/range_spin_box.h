#pragma once

#include <QSpinBox>

// A number edit with a spin button, as the old dialogs had them: the operator may type any
// number that fits the edit's digits, while the arrows step only within the accepted range.
// A typed number outside the range is kept, so the dialog's own check can name the range
// in its message instead of the box silently changing what was typed.
class CRangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    CRangeSpinBox(int minimum, int maximum, int digits, QWidget* parent = nullptr);

    int RangeMinimum() const { return minimum_; }
    int RangeMaximum() const { return maximum_; }
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int minimum_;
    int maximum_;
};
