#include "ui/views/graph_layout.h"

#include <algorithm>
#include <numeric>

#include "document/quillmark_doc.h"
#include "model/graph_series.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"

namespace graph_layout {
namespace {

int64_t RoundUpToHundred(int64_t value) {
    return (value + 99) / 100 * 100;
}

int64_t Sum(const Series& s) {
    return std::accumulate(s.counts.begin(), s.counts.end(), int64_t{0});
}

// Pixels are ints; a count that large would not fit any screen anyway.
int Pixels(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, 1 << 24));
}

}  // namespace

int64_t ElapsedBuckets(const CQuillmarkDoc& document, int series, int64_t now) {
    const CQuillmarkData_GraphDataItem* item = document.GetGraphSeries(series);
    if (item == nullptr || !item->IsValid()) {
        return 0;
    }
    if (now >= document.GetContest().GetEndTime()) {
        return item->GetBucketCount();
    }
    return std::max<int64_t>(item->GetBucketIndex(now), 0);
}

std::vector<Series> RecomputeSeries(const CQuillmarkDoc& document, int64_t now) {
    std::vector<Series> list;
    if (!document.GetContest().IsValid()) {
        return list;
    }
    for (int i = 0; i < CQuillmarkDoc::kSeriesCount; ++i) {
        const CQuillmarkData_GraphDataItem* item = document.GetGraphSeries(i);
        Series series;
        series.valid = item->IsValid();
        series.shown = item->IsShown() != 0;
        series.title = item->GetTitle();
        series.pen_width = item->GetPenWidth();
        series.colour = item->GetColour();
        if (series.valid) {
            series.bucket_count = item->GetBucketCount();
            series.counts = item->CountEventsPerBucket(ElapsedBuckets(document, i, now));
        }
        list.push_back(std::move(series));
    }
    return list;
}

Drawing Compute(const std::vector<Series>& series, int64_t start, int64_t end, int64_t now,
                int text_width, int text_height, const CTimeZoneRule& rule) {
    Drawing d;
    if (series.empty()) {
        return d;
    }
    const int left = text_width + 5;
    const int bottom = 2 * text_height + 5;
    int64_t n = 0;
    int64_t s = 0;
    for (const Series& one : series) {
        if (one.TakesPart()) {
            n = std::max(n, one.bucket_count);
            s = std::max(s, Sum(one));
        }
    }
    const int grid_top = Pixels(RoundUpToHundred(s));
    const int p = Pixels(n) + 6;
    const int h = grid_top + 50;
    const int x0 = left + 1;
    const int y0 = h + bottom - 1;
    d.plot_width = p;
    d.plot_height = h;
    d.width = left + p + left;
    d.height = h + bottom + bottom;

    d.lines.push_back({x0, y0, x0, y0 - h + 1, Pen::axis});
    d.lines.push_back({x0, y0, x0 + p - 1, y0, Pen::axis});
    d.lines.push_back({x0 + Pixels(n), y0 - 1, x0 + Pixels(n), y0 - h + 1, Pen::marker});
    for (int k = 1; k <= grid_top / 100; ++k) {
        const int y = y0 - 100 * k;
        d.lines.push_back({x0 - 3, y, x0 + p + 3, y, Pen::grid});
        d.labels.push_back({x0 - 5, y, Label::kMiddleRight, std::to_string(100 * k)});
    }
    d.labels.push_back({x0 - 5, y0, Label::kMiddleRight, "0"});

    for (const Series& one : series) {
        if (one.TakesPart()) {
            const int x = x0 + Pixels(static_cast<int64_t>(one.counts.size()));
            d.lines.push_back({x, y0 - 1, x, y0 - h + 1, Pen::marker});
        }
    }
    for (const Series& one : series) {
        if (!one.TakesPart()) {
            continue;
        }
        Polyline line{{{x0, y0}}, one.pen_width, one.colour};
        int y = y0;
        for (size_t k = 0; k < one.counts.size(); ++k) {
            y -= Pixels(one.counts[k]);
            line.points.push_back({x0 + static_cast<int>(k) + 1, y});
        }
        const int end_x = x0 + static_cast<int>(one.counts.size()) + 1;
        line.points.push_back({end_x, y});
        d.polylines.push_back(std::move(line));
        d.labels.push_back(
            {end_x + 5, y, Label::kMiddleLeft, one.title + " (" + std::to_string(Sum(one)) + ")"});
    }

    const Cp932 axis_format = "%#Y  %#m/%#d - %#H:%M:%S";
    const int time_top = y0 + text_height + 3;
    d.labels.push_back({x0, time_top, Label::kTopLeft, FormatTime(axis_format, start, rule)});
    d.labels.push_back(
        {x0 + p - 1, time_top, Label::kTopRight, FormatTime(axis_format, end, rule)});

    const Cp932 state_format = Utf8ToCp932("%#Y 年  %#m 月 %#d 日 - %#H 時 %M 分 %S 秒");
    Cp932 state;
    if (now < start) {
        state = Utf8ToCp932("コンテスト開始前です。（コンテスト開始 : ") +
                FormatTime(state_format, start, rule) + Utf8ToCp932(" ）");
    } else if (end <= now) {
        state = Utf8ToCp932("コンテストはすでに終了しました。");
    } else {
        state = Utf8ToCp932("コンテスト中です。（コンテスト終了 : ") +
                FormatTime(state_format, end, rule) + Utf8ToCp932(" ）");
    }
    d.labels.push_back({3, 3, Label::kTopLeft, state});
    return d;
}

}  // namespace graph_layout
