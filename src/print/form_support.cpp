#include "print/form_support.h"

#include "document/text_export.h"
#include "model/band.h"
#include "model/parameter_item.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace print::support {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

Cp932 ItemText(const CQuillmarkData_Item& item, const CQuillmarkSystem& settings) {
    return item.IsValid() ? item.GetText(settings.GetPunctuationMarks()) : Cp932();
}

Cp932 BandText(const CQuillmarkData_BandItem& band, const CQuillmarkSystem& settings,
               BandUnit unit) {
    if (!band.IsValid()) {
        return {};
    }
    const int code = band.GetUnit();
    const bool full = unit == BandUnit::kFullWidthBand;
    const char* prefix = code == 3   ? (full ? "ｋ" : "k")
                         : code == 9 ? (full ? "Ｇ" : "G")
                                     : (full ? "Ｍ" : "M");
    Cp932 text =
        text_export::FormatFrequency(band.GetFrequency(), settings.GetUnderDecimalPoint()) + " " +
        J(prefix);
    if (unit == BandUnit::kHalfWithHz) {
        text += "Hz";
    } else if (full) {
        text += J("Ｈｚ帯");
    }
    return text;
}

void TabbedText(PageDescription& page, const Rect& line, const Cp932& text,
                const std::vector<int>& stops) {
    std::vector<Cp932> pieces(1);
    for (const char c : text) {
        if (c == '\t') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int start = i == 0 ? 0 : (i - 1 < stops.size() ? stops[i - 1] : line.width);
        const int end = i < stops.size() ? stops[i] : line.width;
        page.Text({line.left + start, line.top, std::max(end - start, 0), line.height}, pieces[i]);
    }
}

CPrintData_Log GridFor(const Area& area, std::vector<int> columns) {
    CPrintData_Log grid;
    grid.SetArea(area.width, area.height);
    grid.SetMargins(5, 5, 5, 5);
    grid.SetColumnWidths(std::move(columns));
    return grid;
}

}  // namespace print::support
