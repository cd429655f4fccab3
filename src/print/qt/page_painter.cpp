#include "print/qt/page_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/cp932_convert.h"

namespace print_qt {

QFont PrintFont(int char_width) {
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // The face's half-width glyphs are half an em wide.
    font.setPixelSize(std::max(2 * char_width, 1));
    font.setKerning(false);
    return font;
}

print::Area AreaOf(const QPagedPaintDevice& device) {
    return {device.width(), device.height(), device.logicalDpiX() / 25.4};
}

void PaintPage(QPainter& painter, const print::PageDescription& page) {
    painter.save();
    painter.setFont(PrintFont(page.char_width));
    QPen solid(Qt::black, 0);
    QPen dotted(Qt::black, 0, Qt::DotLine);
    QPen grey(QColor(192, 192, 192), 0);
    for (const print::PageLine& line : page.lines) {
        painter.setPen(line.pen == print::Pen::kDotted      ? dotted
                       : line.pen == print::Pen::kLightGrey ? grey
                                                            : solid);
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setPen(solid);
    for (const print::PageText& text : page.texts) {
        const int horizontal = text.align == print::Align::kCenter  ? Qt::AlignHCenter
                               : text.align == print::Align::kRight ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
        painter.drawText(QRect(text.cell.left, text.cell.top, text.cell.width, text.cell.height),
                         horizontal | Qt::AlignVCenter | Qt::TextDontClip | Qt::TextSingleLine,
                         QString::fromStdString(Cp932ToUtf8(text.text)));
    }
    painter.restore();
}

int PrintPages(QPagedPaintDevice& device, QPainter& painter, int first, int last,
               const PageBuilder& build, const std::function<bool()>& cancelled) {
    const print::Area area = AreaOf(device);
    int drawn = 0;
    for (int page = first; page <= last; ++page) {
        if (cancelled && cancelled()) {
            break;
        }
        print::PageDescription description;
        if (!build(page, area, description)) {
            break;
        }
        if (drawn > 0) {
            device.newPage();
        }
        PaintPage(painter, description);
        ++drawn;
    }
    return drawn;
}

}  // namespace print_qt
