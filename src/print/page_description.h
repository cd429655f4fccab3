#pragma once

#include <cstdint>
#include <vector>

#include "platform/cp932.h"

// What one printed page shows, as plain geometry in device units: texts in their cells with
// their alignment, and rules with their pens. The forms build it from the contest and the
// settings; a painter draws it on paper, in a PDF or in the preview; the tests read it.
namespace print {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

enum class Align { kLeft, kCenter, kRight };
enum class Pen { kSolid, kDotted, kLightGrey };

// One line of text, vertically centred in its cell. A text never runs out of its cell: the
// form has cut it to the cell's width in character columns (a double-byte character takes
// two).
struct PageText {
    Rect cell;
    Cp932 text;
    Align align = Align::kLeft;
};

struct PageLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Pen pen = Pen::kSolid;
};

// The drawing area a page is laid out on: its size in device units and how many device
// units make a millimetre.
struct Area {
    int width = 0;
    int height = 0;
    double dots_per_mm = 1.0;
};

struct PageDescription {
    // The printing font: a fixed-pitch Japanese face whose half-width characters are this
    // wide and twice as high.
    int char_width = 0;
    std::vector<PageText> texts;
    std::vector<PageLine> lines;

    void Text(const Rect& cell, const Cp932& text, Align align = Align::kLeft);
    void Line(int x1, int y1, int x2, int y2, Pen pen = Pen::kSolid);
    void Box(const Rect& rect, Pen pen = Pen::kSolid);
};

// The character columns a CP932 text takes: one per single-byte character, two per
// double-byte one.
int TextColumns(const Cp932& text);
// The longest start of text that fits in columns, never splitting a double-byte character.
Cp932 CutToColumns(const Cp932& text, int columns);
// text in pieces of at most columns each, broken at line ends ("\r\n" or "\n") and where a
// piece is full.
std::vector<Cp932> WrapToColumns(const Cp932& text, int columns);

}  // namespace print
