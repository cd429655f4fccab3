#pragma once

#include <QAbstractScrollArea>
#include <memory>

#include "platform/document_base.h"
#include "ui/views/graph_layout.h"

class QTimer;
class CQuillmarkDoc;

// The graph pane of a contest window: the progress of the contest over time, drawn from
// graph_layout. Full updates recompute the series at once; an appended entry waits for the
// 1500 ms timer, which catches up when a bucket has ended and redraws once when the contest
// starts and once when it ends. The arrow and page keys scroll.
class CQuillmarkGraphView : public QAbstractScrollArea, public IDocumentListener {
    Q_OBJECT
public:
    static constexpr int kTimerInterval = 1500;

    CQuillmarkGraphView(std::shared_ptr<CQuillmarkDoc> document, QWidget* parent = nullptr);
    ~CQuillmarkGraphView() override;

    void OnUpdate(CDocumentBase& document, int hint) override;
    // What the last drawing computed.
    const graph_layout::Drawing& LastDrawing() const { return drawing_; }
    const std::vector<graph_layout::Series>& SeriesList() const { return series_; }
    // One timer tick at now (the timer calls it with the current time).
    void Tick(int64_t now);
    // Shows the bottom of the drawing, where the time axis is.
    void ScrollToAxis();
    // Recomputes with the current time (or now) and repaints at once.
    void Recompute();
    void RecomputeAt(int64_t now);
    // The time of the last tick or recomputation.
    void SetLastTick(int64_t time) { last_tick_ = time; }

signals:
    void contextMenuWanted(const QPoint& global_position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Layout();
    void UpdateScrollBars();

    std::shared_ptr<CQuillmarkDoc> document_;
    QTimer* timer_;
    std::vector<graph_layout::Series> series_;
    graph_layout::Drawing drawing_;
    int64_t last_tick_ = 0;
    int64_t now_ = 0;
    bool scrolled_to_axis_ = false;
};
