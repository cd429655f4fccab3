#include "ui/widgets/range_spin_box.h"

#include <algorithm>

namespace {

int LargestOfDigits(int digits) {
    int largest = 9;
    for (int i = 1; i < digits && largest < 100000000; ++i) {
        largest = largest * 10 + 9;
    }
    return largest;
}

}  // namespace

CRangeSpinBox::CRangeSpinBox(int minimum, int maximum, int digits, QWidget* parent)
    : QSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    setRange(0, std::max(maximum, LargestOfDigits(digits)));
    setValue(minimum);
    setAccelerated(true);
}

void CRangeSpinBox::stepBy(int steps) {
    setValue(std::clamp(value() + steps * singleStep(), minimum_, maximum_));
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (value() > minimum_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}
