#include "print/page_description.h"

#include <algorithm>

namespace print {

void PageDescription::Text(const Rect& cell, const Cp932& text, Align align) {
    if (text.empty()) {
        return;
    }
    const int columns = char_width > 0 ? cell.width / char_width : 0;
    Cp932 shown = char_width > 0 ? CutToColumns(text, columns) : text;
    if (!shown.empty()) {
        texts.push_back({cell, std::move(shown), align});
    }
}

void PageDescription::Line(int x1, int y1, int x2, int y2, Pen pen) {
    lines.push_back({x1, y1, x2, y2, pen});
}

void PageDescription::Box(const Rect& rect, Pen pen) {
    Line(rect.left, rect.top, rect.right(), rect.top, pen);
    Line(rect.right(), rect.top, rect.right(), rect.bottom(), pen);
    Line(rect.right(), rect.bottom(), rect.left, rect.bottom(), pen);
    Line(rect.left, rect.bottom(), rect.left, rect.top, pen);
}

int TextColumns(const Cp932& text) {
    int columns = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = cp932::CharLength(text, i);
        columns += length >= 2 ? 2 : 1;
        i += std::max<size_t>(length, 1);
    }
    return columns;
}

Cp932 CutToColumns(const Cp932& text, int columns) {
    int used = 0;
    size_t i = 0;
    while (i < text.size()) {
        const size_t length = std::max<size_t>(cp932::CharLength(text, i), 1);
        const int width = length >= 2 ? 2 : 1;
        if (used + width > columns) {
            break;
        }
        used += width;
        i += length;
    }
    return text.substr(0, i);
}

std::vector<Cp932> WrapToColumns(const Cp932& text, int columns) {
    std::vector<Cp932> pieces;
    if (columns < 2) {
        return pieces;
    }
    Cp932 piece;
    int used = 0;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            pieces.push_back(std::move(piece));
            piece.clear();
            used = 0;
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            continue;
        }
        const size_t length = std::max<size_t>(cp932::CharLength(text, i), 1);
        const int width = length >= 2 ? 2 : 1;
        if (used + width > columns) {
            pieces.push_back(std::move(piece));
            piece.clear();
            used = 0;
        }
        piece += text.substr(i, length);
        used += width;
        i += length;
    }
    if (!piece.empty()) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

}  // namespace print
