// The summary sheet: the contest, the entry category and the call sign, the table of the
// bands with the total score, the operator's particulars, the remarks, the declaration and
// the signature, on one 84-column grid.

#include <limits>

#include "model/band_data.h"
#include "model/contest.h"
#include "platform/time_format.h"
#include "print/form_support.h"
#include "print/log_sheet_forms.h"
#include "settings/quillmark_system.h"

namespace print {
namespace {

using support::J;

int64_t SaturatingProduct(int64_t a, int64_t b) {
    int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                                  : std::numeric_limits<int64_t>::max();
    }
    return product;
}

// The summary sheet draws block after block, each on its own column set of 84 characters.
class SummarySheet {
public:
    SummarySheet(const LogPrintInput& input, const Area& area, PageDescription& out)
        : input_(input), settings_(input.settings), out_(out) {
        const int bands = input.contest.GetBandCount();
        rows_ = bands < 14 ? 16 : bands + 2;
        grid_ = support::GridFor(area, {84});
        grid_.SetLinesPerPage(rows_ + 25);
        out.char_width = grid_.GetCharWidth();
    }

    void Draw() {
        const int w = grid_.GetCharWidth();
        const Rect line1 = grid_.GetLineRect(1);
        support::TabbedText(out_, line1, J("JARL 主催コンテスト用\t整理 No."),
                            {line1.width - 25 * w});
        const Rect line2 = grid_.GetLineRect(2);
        support::TabbedText(out_, line2, J("\tサ マ リ ー シ ー ト"), {line2.width / 2 - 20 * w});

        const CQuillmarkData_MainData& contest = input_.contest;
        Columns({55, 26, 3});
        Label(3, 1, "コンテストの名称");
        BoxedText(4, 1, contest.GetContestName());
        Label(6, 1, "参加部門および種目等");
        Columns({55, 10, 16, 3});
        TwoByTwo(7, J("ｺｰﾄﾞﾅﾝﾊﾞｰ"), J("名 称"), contest.GetCategoryCode(),
                 contest.GetCategoryName());
        Columns({55, 26, 3});
        Label(10, 1, "コールサイン");
        BoxedText(11, 1, support::ItemText(contest.GetOwnCallSign(), settings_));
        BandTable();
        Particulars();
        Ending();
    }

private:
    void Columns(std::vector<int> widths) { grid_.ReplaceColumnWidths(std::move(widths)); }
    Rect Cell(int line, int column) const { return grid_.GetCellRect(line, column); }
    void Text(int line, int column, const Cp932& text, Align align = Align::kLeft) {
        out_.Text(Cell(line, column), text, align);
    }
    // A label starts two characters left of its cell.
    void Label(int line, int column, const char* utf8) {
        Rect cell = Cell(line, column);
        cell.left -= 2 * grid_.GetCharWidth();
        cell.width += 2 * grid_.GetCharWidth();
        out_.Text(cell, J(utf8));
    }
    void Box(int first_line, int last_line, int first_column, int last_column) {
        out_.Box(grid_.BoxAround(first_line, last_line, first_column, last_column));
    }
    void BoxedText(int line, int column, const Cp932& text) {
        Box(line, line, column, column);
        Text(line, column, text, Align::kCenter);
    }
    // A boxed block of two lines and two columns (columns 1 and 2), ruled between them.
    void TwoByTwo(int line, const Cp932& head1, const Cp932& head2, const Cp932& value1,
                  const Cp932& value2) {
        const Rect box = grid_.BoxAround(line, line + 1, 1, 2);
        out_.Box(box);
        out_.Line(box.left, grid_.RuleUnder(line), box.right(), grid_.RuleUnder(line));
        const int middle = Cell(line, 2).left;
        out_.Line(middle, box.top, middle, box.bottom());
        Text(line, 1, head1, Align::kCenter);
        Text(line, 2, head2, Align::kCenter);
        Text(line + 1, 1, value1, Align::kCenter);
        Text(line + 1, 2, value2, Align::kCenter);
    }
    // Text from a box's top-left corner, wrapped to its width, as many lines as it holds.
    void Wrapped(int first_line, int last_line, int column, const Cp932& text) {
        const Rect box = grid_.BoxAround(first_line, last_line, column, column);
        const int w = grid_.GetCharWidth();
        const int columns = w > 0 ? Cell(first_line, column).width / w : 0;
        const std::vector<Cp932> pieces = WrapToColumns(text, columns);
        const int lines = w > 0 ? box.height / (2 * w) : 0;
        for (int i = 0; i < lines && i < static_cast<int>(pieces.size()); ++i) {
            out_.Text({Cell(first_line, column).left, box.top + i * 2 * w, columns * w, 2 * w},
                      pieces[static_cast<size_t>(i)]);
        }
    }

    void BandTable() {
        const CQuillmarkData_MainData& contest = input_.contest;
        const bool multiplier = contest.GetContestNumberType().MultiplierIndexOrNone() >= 0;
        const bool coefficient = settings_.GetIsUseStationParameter() != 0;
        const int r = rows_;
        Columns({10, 10, 10, 5, 10, 2, 4, 2, 28, 3});
        const Rect table = grid_.BoxAround(3, r + 1, 0, 2);
        out_.Box(table);
        out_.Line(table.left, grid_.RuleUnder(3), table.right(), grid_.RuleUnder(3));
        out_.Line(table.left, grid_.RuleUnder(r + 2), table.right(), grid_.RuleUnder(r + 2));
        for (const int column : {1, 2}) {
            const int x = Cell(3, column).left;
            out_.Line(x, table.top, x, grid_.RuleUnder(r + 2));
        }
        Box(3, r + 2, 4, 4);
        if (coefficient) {
            Box(r + 2, r + 2, 6, 6);
        }
        Box(r + 2, r + 2, 8, 8);
        Text(3, 0, J("バンド"), Align::kCenter);
        Text(3, 1, J("交信局数"), Align::kCenter);
        Text(3, 2, J("得 点"), Align::kCenter);
        Text(3, 4, J("ﾏﾙﾁﾌﾟﾗｲﾔｰ"), Align::kCenter);

        int64_t entries = 0;
        int64_t points = 0;
        int64_t multipliers = 0;
        for (int b = 0; b < contest.GetBandCount(); ++b) {
            const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
            int64_t band_points = 0;
            int64_t band_firsts = 0;
            for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
                band_points += entry.GetPoints();
                band_firsts += entry.GetFirst() == 1 ? 1 : 0;
            }
            entries += band.GetEntryCount();
            points += band_points;
            multipliers += band_firsts;
            if (4 + b > r + 1) {
                continue;  // more bands than lines: the totals below still count them
            }
            Text(4 + b, 0,
                 support::BandText(band.GetBand(), settings_, support::BandUnit::kHalfPrefixOnly),
                 Align::kRight);
            Text(4 + b, 1, std::to_string(band.GetEntryCount()), Align::kRight);
            Text(4 + b, 2, std::to_string(band_points), Align::kRight);
            if (multiplier) {
                Text(4 + b, 4, std::to_string(band_firsts), Align::kRight);
            }
        }
        Text(r + 1, 8, J("  総 得 点"));
        Text(r + 2, 0, J("合 計"), Align::kCenter);
        Text(r + 2, 1, std::to_string(entries), Align::kRight);
        Text(r + 2, 2, std::to_string(points), Align::kRight);
        int64_t score = SaturatingProduct(points, multiplier ? multipliers : 1);
        if (multiplier) {
            Text(r + 2, 3, J("×"), Align::kCenter);
            Text(r + 2, 4, std::to_string(multipliers), Align::kRight);
        }
        if (coefficient) {
            Text(r + 2, 5, J("×"), Align::kCenter);
            Text(r + 2, 6, std::to_string(settings_.GetStationParameter()), Align::kCenter);
            score = SaturatingProduct(score, settings_.GetStationParameter());
        }
        Text(r + 2, 7, J("＝"), Align::kCenter);
        Text(r + 2, 8, std::to_string(score), Align::kCenter);
    }

    void Particulars() {
        const int r = rows_;
        const CQuillmarkSystem& s = settings_;
        Columns({8, 39, 37});
        Box(r + 4, r + 5, 1, 1);
        Text(r + 4, 0, J("住 所"), Align::kCenter);
        Wrapped(r + 4, r + 5, 1, J("〒") + s.GetPostCode() + "   " + s.GetAddress());
        Columns({20, 6, 21, 37});
        BoxedText(r + 6, 2, s.GetTelephoneNumber());
        Text(r + 6, 1, "Tel.", Align::kCenter);
        Columns({20, 27, 37});
        BoxedText(r + 7, 1, s.GetName());
        Text(r + 7, 0, J("氏名（社団の名称）"), Align::kCenter);
        BoxedText(r + 8, 1, s.GetLicence());
        Text(r + 8, 0, J("無線従事者の資格"), Align::kCenter);
        Columns({53, 12, 16, 3});
        Label(r + 4, 1, "登録クラブ対抗");
        TwoByTwo(r + 5, J("登録ｸﾗﾌﾞ番号"), s.GetRegisteredClub_Number(), J("登録ｸﾗﾌﾞ名称"),
                 s.GetRegisteredClub_Name());
        Columns({27, 14, 43});
        BoxedText(r + 10, 1, s.GetPower());
        Text(r + 10, 0, J("指定されている空中線電力"));
        Columns({43, 19, 19, 3});
        BoxedText(r + 9, 2, s.GetPlace());
        Text(r + 9, 1, J("移動先"), Align::kCenter);
        BoxedText(r + 10, 2, s.GetPowerSupply());
        Text(r + 10, 1, J("移動先の使用電源"));
        Columns({8, 73, 3});
        Box(r + 12, r + 14, 1, 1);
        Text(r + 12, 0, J("意 見"), Align::kCenter);
        Wrapped(r + 12, r + 14, 1, s.GetRemarks());
    }

    void Ending() {
        const int r = rows_;
        Columns({84});
        const char* const declaration[] = {
            "私は、ＪＡＲＬ制定のコンテスト規約および電波法令にしたがい運用した結果、ここに提出す",
            "るサマリーシートおよびログシートなどが事実と相違ないものであることを、私の名誉におい",
            "て誓います。"};
        for (int i = 0; i < 3; ++i) {
            out_.Text(grid_.GetLineRect(r + 16 + i), J(declaration[i]));
        }
        Columns({20, 18, 20, 20, 3, 3});
        BoxedText(r + 19, 0,
                  FormatTime(J("%#Y 年 %#m 月 %#d 日"), input_.today,
                             settings_.GetDisplayTimeZoneRule()));
        Text(r + 19, 2, J("氏名（社団の代表者）"), Align::kCenter);
        BoxedText(r + 19, 3, settings_.GetSuperintendentName());
        Text(r + 19, 4, J("印"), Align::kCenter);
    }

    const LogPrintInput& input_;
    const CQuillmarkSystem& settings_;
    PageDescription& out_;
    CPrintData_Log grid_;
    int rows_ = 16;
};

}  // namespace

bool BuildSummarySheetPage(const LogPrintInput& input, const Area& area, PageDescription& out) {
    if (!input.contest.IsValid() || input.contest.GetBandCount() == 0) {
        return false;
    }
    SummarySheet(input, area, out).Draw();
    return true;
}

}  // namespace print
