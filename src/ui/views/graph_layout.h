#pragma once

#include <cstdint>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkDoc;
class CTimeZoneRule;

// The drawing of the graph view as plain geometry: the axes, the contest-end and
// current-time markers, the grid with its labels, one rising line per series shown, the
// start and end times and the state line. One pixel is one time bucket across and one
// station, multiplier or point up. The widget only paints what this computes.
namespace graph_layout {

// One series as the graph view keeps it: counts per elapsed bucket.
struct Series {
    bool valid = false;
    bool shown = false;
    Cp932 title;
    int pen_width = 1;
    int32_t colour = 0;  // 0x00BBGGRR
    int64_t bucket_count = 0;
    std::vector<int64_t> counts;
    bool TakesPart() const { return valid && shown; }
};

// The counts a series has at now: the buckets that have ended, every bucket once the
// contest is over (the last one would otherwise never be counted).
int64_t ElapsedBuckets(const CQuillmarkDoc& document, int series, int64_t now);
// The document's six series with their counts at now (empty when the contest is not valid).
std::vector<Series> RecomputeSeries(const CQuillmarkDoc& document, int64_t now);

enum class Pen { axis, marker, grid, series };
struct Line {
    int x1, y1, x2, y2;
    Pen pen;
};
struct Polyline {
    std::vector<std::pair<int, int>> points;
    int width;
    int32_t colour;
};
struct Label {
    int x, y;  // the anchor
    enum Anchor { kTopLeft, kTopRight, kMiddleLeft, kMiddleRight } anchor;
    Cp932 text;
};
struct Drawing {
    int width = 0;
    int height = 0;
    int plot_width = 0;
    int plot_height = 0;
    std::vector<Line> lines;
    std::vector<Polyline> polylines;
    std::vector<Label> labels;
};

// text_width and text_height: the size of "0123456789" in the view's font.
Drawing Compute(const std::vector<Series>& series, int64_t start, int64_t end, int64_t now,
                int text_width, int text_height, const CTimeZoneRule& rule);

}  // namespace graph_layout
