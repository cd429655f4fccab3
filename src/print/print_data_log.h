#pragma once

#include <vector>

#include "print/page_description.h"

// The character grid every printed form is laid out on: a drawing area with margins,
// columns whose widths count characters (gaps are columns too), and lines of twice the
// character's width with a gap between them. The character width follows from the columns
// that fill the width; the line gap and the number of lines follow from each other and the
// height. Rules are drawn halfway into the gaps, so they never touch a text.
class CPrintData_Log {
public:
    void SetArea(int width, int height);
    void SetMargins(int left, int top, int right, int bottom);
    // The character width is computed anew from the columns.
    void SetColumnWidths(std::vector<int> widths);
    // Keeps the character width of the first column set, so that later blocks of a page with
    // the same total stay aligned to one grid.
    void ReplaceColumnWidths(std::vector<int> widths);
    void SetLinesPerPage(int lines);
    void SetLineGap(int gap);

    int GetCharWidth() const { return char_width_; }
    int GetLineGap() const { return line_gap_; }
    int GetLinesPerPage() const { return lines_per_page_; }
    int GetLeftMargin() const { return left_; }
    int GetRightMargin() const { return right_; }

    print::Rect GetLineRect(int line) const;
    print::Rect GetCellRect(int line, int column) const;
    // The cells first_column .. last_column of line as one.
    print::Rect GetCellsRect(int line, int first_column, int last_column) const;
    // The rule under a line, halfway into the gap.
    int RuleUnder(int line) const;
    // A frame around cells: half a margin outside to the left and right, half a gap above
    // and below.
    print::Rect BoxAround(int first_line, int last_line, int first_column, int last_column) const;

private:
    int ColumnLeft(int column) const;
    int UsableWidth() const { return width_ - (left_ + right_); }
    int UsableHeight() const { return height_ - (top_ + bottom_); }

    int width_ = 0;
    int height_ = 0;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    std::vector<int> columns_;
    int char_width_ = 0;
    int lines_per_page_ = 1;
    int line_gap_ = 0;
};
