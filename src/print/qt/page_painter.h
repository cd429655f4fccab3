#pragma once

#include <QFont>
#include <functional>

#include "print/page_description.h"

class QPagedPaintDevice;
class QPainter;

// Draws page descriptions with Qt: on a printer, in a PDF or in the print preview. Texts
// use the fixed-pitch Japanese printing face, sized so that a half-width character is as
// wide as the page's character cell.
namespace print_qt {

// The printing face: Noto Sans Mono CJK JP at the given character width.
QFont PrintFont(int char_width);
// The drawing area of a device: its painting size and resolution.
print::Area AreaOf(const QPagedPaintDevice& device);
void PaintPage(QPainter& painter, const print::PageDescription& page);

// Builds and draws pages first .. last (from 1) one after another, so memory stays the same
// whatever the number of pages; build returns false for a page with nothing on it, which
// ends the print. cancelled, when given, is asked between pages. Returns the pages drawn.
using PageBuilder =
    std::function<bool(int page, const print::Area& area, print::PageDescription& description)>;
int PrintPages(QPagedPaintDevice& device, QPainter& painter, int first, int last,
               const PageBuilder& build, const std::function<bool()>& cancelled = {});

}  // namespace print_qt
