#pragma once

#include <string_view>
#include <vector>

#include "platform/cp932.h"
#include "print/page_description.h"
#include "print/print_data_log.h"

class CQuillmarkData_BandItem;
class CQuillmarkData_Item;
class CQuillmarkSystem;

// What the printed forms share: Japanese literals, texts of items and bands as the forms
// print them, and a line of text split at tab stops.
namespace print::support {

Cp932 J(std::string_view utf8);
// The item's text with the first delimiter; empty for an item that holds nothing.
Cp932 ItemText(const CQuillmarkData_Item& item, const CQuillmarkSystem& settings);
// The frequency as the text export writes it, a blank and the unit: "7 MHz" (half-width,
// with_hz), "7 M" (half-width, no unit), "７ Ｍ" never: full-width gives "7 ＭＨｚ帯".
enum class BandUnit { kHalfWithHz, kHalfPrefixOnly, kFullWidthBand };
Cp932 BandText(const CQuillmarkData_BandItem& band, const CQuillmarkSystem& settings,
               BandUnit unit);
// Draws text on a line, each tab-separated piece starting at the next stop (offsets from the
// line's left), each cut at the following stop or the line's end.
void TabbedText(PageDescription& page, const Rect& line, const Cp932& text,
                const std::vector<int>& stops);
// A grid made for an area: margins of 5 device units on every side.
CPrintData_Log GridFor(const Area& area, std::vector<int> columns);

}  // namespace print::support
