#pragma once

class QWidget;

// The program's sizes were laid out for a 9-point Japanese system font whose digits are six
// pixels wide; today's fonts are wider. Sizes given in those pixels are multiplied by this
// factor (at least 1), so columns and panes keep what they were meant to show.
namespace ui_metrics {

double Scale(const QWidget* widget);
int Scaled(const QWidget* widget, int pixels);

}  // namespace ui_metrics
