#include "ui/views/quillmark_graph_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <map>

#include "document/quillmark_doc.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"
#include "ui/qt_text.h"

namespace {

constexpr int kArrowStep = 24;

QColor ColourOf(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

CQuillmarkGraphView::CQuillmarkGraphView(std::shared_ptr<CQuillmarkDoc> document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(std::move(document)), timer_(new QTimer(this)) {
    setAccessibleName(QStringLiteral("グラフ"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    document_->AddListener(this);
    timer_->setInterval(kTimerInterval);
    connect(timer_, &QTimer::timeout, this, [this] { Tick(CurrentTime()); });
    timer_->start();
    last_tick_ = CurrentTime();
    Recompute();
}

CQuillmarkGraphView::~CQuillmarkGraphView() {
    document_->RemoveListener(this);
}

void CQuillmarkGraphView::OnUpdate(CDocumentBase&, int hint) {
    if (hint != -2) {
        Recompute();
    }
}

void CQuillmarkGraphView::Recompute() {
    RecomputeAt(CurrentTime());
}

void CQuillmarkGraphView::RecomputeAt(int64_t now) {
    now_ = now;
    series_ = graph_layout::RecomputeSeries(*document_, now);
    Layout();
    viewport()->repaint();
}

void CQuillmarkGraphView::Layout() {
    const CQuillmarkData_MainData& contest = document_->GetContest();
    if (!contest.IsValid()) {
        drawing_ = {};
    } else {
        const QFontMetrics metrics(font());
        drawing_ = graph_layout::Compute(
            series_, contest.GetStartTime(), contest.GetEndTime(), now_,
            metrics.horizontalAdvance(QStringLiteral("0123456789")), metrics.height(),
            document_->GetSettings().GetDisplayTimeZoneRule());
    }
    UpdateScrollBars();
    if (!scrolled_to_axis_ && drawing_.height > 0) {
        ScrollToAxis();
        scrolled_to_axis_ = true;
    }
}

void CQuillmarkGraphView::Tick(int64_t now) {
    const CQuillmarkData_MainData& contest = document_->GetContest();
    if (!contest.IsValid()) {
        return;
    }
    const int64_t start = contest.GetStartTime();
    const int64_t end = contest.GetEndTime();
    bool redraw = (last_tick_ < start && start <= now) || (last_tick_ < end && end <= now);
    if (!redraw) {
        for (size_t i = 0; i < series_.size(); ++i) {
            if (series_[i].valid &&
                static_cast<int64_t>(series_[i].counts.size()) !=
                    graph_layout::ElapsedBuckets(*document_, static_cast<int>(i), now)) {
                redraw = true;
                break;
            }
        }
    }
    if (redraw) {
        RecomputeAt(now);
    }
    last_tick_ = now;
}

void CQuillmarkGraphView::ScrollToAxis() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void CQuillmarkGraphView::UpdateScrollBars() {
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, drawing_.width - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setRange(0, std::max(0, drawing_.height - area.height()));
    verticalScrollBar()->setPageStep(area.height());
}

void CQuillmarkGraphView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const bool at_bottom = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    UpdateScrollBars();
    if (at_bottom) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

void CQuillmarkGraphView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QPen axis(Qt::black, 0);
    const QPen marker(QColor(192, 192, 192), 0);
    QPen grid(QColor(192, 192, 192), 0, Qt::DotLine);
    for (const graph_layout::Line& line : drawing_.lines) {
        switch (line.pen) {
            case graph_layout::Pen::axis:
                painter.setPen(axis);
                break;
            case graph_layout::Pen::marker:
                painter.setPen(marker);
                break;
            default:
                painter.setPen(grid);
                break;
        }
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const graph_layout::Polyline& line : drawing_.polylines) {
        painter.setPen(
            QPen(ColourOf(line.colour), line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygon polygon;
        for (const auto& [x, y] : line.points) {
            polygon << QPoint(x, y);
        }
        painter.drawPolyline(polygon);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font());
    // Where the last label of each line ended: on a short plot the end time would otherwise
    // be written over the start time.
    std::map<int, int> line_end;
    std::vector<QRect> titles;
    for (const graph_layout::Label& label : drawing_.labels) {
        const QString text = qt_text::FromCp932(label.text);
        const int width = metrics.horizontalAdvance(text);
        int x = label.x;
        int top = label.y;
        if (label.anchor == graph_layout::Label::kTopRight ||
            label.anchor == graph_layout::Label::kMiddleRight) {
            x -= width;
        }
        if (label.anchor == graph_layout::Label::kTopRight && line_end.count(top) != 0) {
            x = std::max(x, line_end[top] + metrics.horizontalAdvance(QStringLiteral("  ")));
        }
        line_end[top] = x + width;
        if (label.anchor == graph_layout::Label::kMiddleLeft ||
            label.anchor == graph_layout::Label::kMiddleRight) {
            top -= metrics.height() / 2;
        }
        if (label.anchor == graph_layout::Label::kMiddleLeft) {
            // Series that end at the same height would write their titles over each other.
            QRect area(x, top, width, metrics.height());
            while (std::any_of(titles.begin(), titles.end(),
                               [&area](const QRect& r) { return r.intersects(area); })) {
                area.translate(0, metrics.height());
            }
            titles.push_back(area);
            top = area.top();
        }
        painter.drawText(x, top + metrics.ascent(), text);
    }
}

void CQuillmarkGraphView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const int page = viewport()->height() * 9 / 10;
    switch (event->key()) {
        case Qt::Key_Left:
            h->setValue(h->value() - kArrowStep);
            break;
        case Qt::Key_Right:
            h->setValue(h->value() + kArrowStep);
            break;
        case Qt::Key_Up:
            v->setValue(v->value() - kArrowStep);
            break;
        case Qt::Key_Down:
            v->setValue(v->value() + kArrowStep);
            break;
        case Qt::Key_PageUp:
            v->setValue(v->value() - page);
            break;
        case Qt::Key_PageDown:
            v->setValue(v->value() + page);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
}

void CQuillmarkGraphView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}
