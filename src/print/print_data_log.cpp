#include "print/print_data_log.h"

#include <algorithm>
#include <numeric>

void CPrintData_Log::SetArea(int width, int height) {
    width_ = width;
    height_ = height;
}

void CPrintData_Log::SetMargins(int left, int top, int right, int bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void CPrintData_Log::SetColumnWidths(std::vector<int> widths) {
    columns_ = std::move(widths);
    const int total = std::accumulate(columns_.begin(), columns_.end(), 0);
    char_width_ = total > 0 ? std::max(UsableWidth(), 0) / total : 0;
}

void CPrintData_Log::ReplaceColumnWidths(std::vector<int> widths) {
    columns_ = std::move(widths);
}

void CPrintData_Log::SetLinesPerPage(int lines) {
    lines_per_page_ = std::max(lines, 1);
    line_gap_ = lines_per_page_ > 1
                    ? (UsableHeight() - lines_per_page_ * 2 * char_width_) / (lines_per_page_ - 1)
                    : 0;
}

void CPrintData_Log::SetLineGap(int gap) {
    line_gap_ = gap;
    const int step = gap + 2 * char_width_;
    lines_per_page_ = step > 0 ? std::max((UsableHeight() + gap) / step, 0) : 0;
}

int CPrintData_Log::ColumnLeft(int column) const {
    const int before =
        column <= 0
            ? 0
            : std::accumulate(columns_.begin(),
                              columns_.begin() + std::min<size_t>(column, columns_.size()), 0);
    return left_ + char_width_ * before;
}

print::Rect CPrintData_Log::GetLineRect(int line) const {
    return {left_, top_ + line * (2 * char_width_ + line_gap_), UsableWidth(), 2 * char_width_};
}

print::Rect CPrintData_Log::GetCellRect(int line, int column) const {
    return GetCellsRect(line, column, column);
}

print::Rect CPrintData_Log::GetCellsRect(int line, int first_column, int last_column) const {
    const print::Rect row = GetLineRect(line);
    const int left = ColumnLeft(first_column);
    return {left, row.top, ColumnLeft(last_column + 1) - left, row.height};
}

int CPrintData_Log::RuleUnder(int line) const {
    return GetLineRect(line).bottom() + line_gap_ / 2;
}

print::Rect CPrintData_Log::BoxAround(int first_line, int last_line, int first_column,
                                      int last_column) const {
    const print::Rect top = GetCellsRect(first_line, first_column, last_column);
    const print::Rect bottom = GetLineRect(last_line);
    const int left = top.left - left_ / 2;
    const int right = top.right() + right_ / 2;
    const int upper = top.top - line_gap_ / 2;
    const int lower = bottom.bottom() + line_gap_ / 2;
    return {left, upper, right - left, lower - upper};
}
