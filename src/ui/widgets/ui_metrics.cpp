#include "ui/widgets/ui_metrics.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui_metrics {

double Scale(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    return std::max(1.0, metrics.horizontalAdvance(QStringLiteral("0123456789")) / 60.0);
}

int Scaled(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * Scale(widget)));
}

}  // namespace ui_metrics
