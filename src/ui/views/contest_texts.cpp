#include "ui/views/contest_texts.h"

#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/saturating.h"
#include "platform/time_format.h"
#include "settings/quillmark_system.h"

namespace contest_texts {
namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

Cp932 Number(int64_t value) {
    return std::to_string(value);
}

const Cp932& NoMultiplierText() {
    static const Cp932 text = J("（このコンテストでは、マルチ制をサポートしていません。）");
    return text;
}

bool HasMultiplier(const CQuillmarkData_MainData& contest) {
    return contest.GetContestNumberType().MultiplierIndexOrNone() >= 0;
}

Cp932 ItemText(const CQuillmarkData_Item& item, const CQuillmarkSystem& settings) {
    return item.IsValid() ? item.GetText(settings.GetPunctuationMarks()) : Cp932();
}

}  // namespace

const std::array<LogColumn, kLogColumnCount>& LogColumns() {
    static const std::array<LogColumn, kLogColumnCount> columns = {{
        {"交信日時", 160, false},
        {"呼出符号", 75, false},
        {"送信コンテストナンバー", 150, false},
        {"受信コンテストナンバー", 150, false},
        {"ﾏﾙﾁﾌﾟﾗｲﾔｰ", 75, false},
        {"得点", 40, true},
        {"電波の型式", 80, false},
        {"呼び出しの方法", 96, false},
        {"ｶｰﾄﾞ要求", 64, false},
        {"ｶｰﾄﾞ送出", 64, false},
        {"ｶｰﾄﾞ受取", 64, false},
        {"コメント", 160, false},
    }};
    return columns;
}

Cp932 LogCell(const CQuillmarkData_LogDataItem& entry, int column,
              const CQuillmarkData_MainData& contest, const CQuillmarkSystem& settings) {
    static const Cp932 kMark = J("○");
    static const Cp932 kNoMark = J("－");
    switch (column) {
        case 0:
            return FormatTime("%Y  %m/%d   %H:%M:%S", entry.GetTime(),
                              settings.GetDisplayTimeZoneRule());
        case 1:
            return ItemText(entry.GetCallSign(), settings);
        case 2:
            return ItemText(entry.GetSentContestNumber(), settings);
        case 3:
            return ItemText(entry.GetReceivedContestNumber(), settings);
        case 4: {
            const int multiplier = contest.GetContestNumberType().MultiplierIndexOrNone();
            if (multiplier < 0 || entry.GetFirst() != 1) {
                return {};
            }
            return Cp932(entry.GetReceivedContestNumber().ParameterView(multiplier));
        }
        case 5:
            return Number(entry.GetPoints());
        case 6:
            return entry.GetMode().empty() ? Cp932("---") : entry.GetMode();
        case 7:
            return entry.GetCallingMethod() == 1 ? "CQ" : "Non-CQ";
        case 8:
            return entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardRequested) ? kMark : kNoMark;
        case 9:
            return entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardSent) ? kMark : kNoMark;
        case 10:
            return entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardReceived) ? kMark : kNoMark;
        case 11:
            return entry.GetComment();
        default:
            return {};
    }
}

BandTotals TotalsOf(const CQuillmarkData_SubMainData& band) {
    BandTotals totals;
    for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
        ++totals.entries;
        totals.multipliers += entry.GetFirst() == 1 ? 1 : 0;
        totals.points += entry.GetPoints();
    }
    return totals;
}

const std::array<const char*, 8>& ContestLabels() {
    static const std::array<const char*, 8> labels = {
        "コンテスト名",   "コード",     "名称",           "自局の呼出符号",
        "コンテスト期間", "全体の局数", "全体のマルチ数", "全体の得点数"};
    return labels;
}

const std::array<const char*, 6>& BandLabels() {
    static const std::array<const char*, 6> labels = {
        "電波の型式", "送信コンテストナンバー", "呼び出しの方法", "局数", "マルチ数", "得点数"};
    return labels;
}

ContestTree TreeOf(const CQuillmarkData_MainData& contest, const CQuillmarkSystem& settings) {
    ContestTree tree;
    const bool multiplier = HasMultiplier(contest);
    const Cp932 period_format = J("%#Y 年  %#m 月 %#d 日 - %#H 時 %M 分 %S 秒");
    const CTimeZoneRule rule = settings.GetDisplayTimeZoneRule();
    tree.values = {contest.GetContestName(),
                   contest.GetCategoryCode(),
                   contest.GetCategoryName(),
                   ItemText(contest.GetOwnCallSign(), settings),
                   FormatTime(period_format, contest.GetStartTime(), rule) + J("  →  ") +
                       FormatTime(period_format, contest.GetEndTime(), rule),
                   Number(contest.GetTotalEntryCount()),
                   multiplier ? Number(contest.GetTotalMultiplierCount()) : NoMultiplierText(),
                   Number(contest.GetTotalPoints())};
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(i);
        const BandTotals totals = TotalsOf(band);
        BandNode node;
        node.title = band.GetBand().GetBandText(settings.GetUnderDecimalPoint(), 2, false);
        if (i == contest.GetActiveBandIndex()) {
            node.title += J(" （アクティブ）");
        }
        node.values = {band.GetMode().empty() ? J("（指定されていません。）") : band.GetMode(),
                       ItemText(band.GetSentContestNumber(), settings),
                       band.GetCallingMethod() == 1 ? J("呼び出し") : J("応答"),
                       Number(totals.entries),
                       multiplier ? Number(totals.multipliers) : NoMultiplierText(),
                       Number(totals.points)};
        tree.bands.push_back(std::move(node));
    }
    return tree;
}

const std::array<int, 12>& StatusPaneKinds() {
    static const std::array<int, 12> kinds = {1, 2, 4, 8, 0, 16, 0, 32, 64, 128, 0, 256};
    return kinds;
}

std::vector<StatusPane> StatusPanes(const CQuillmarkData_MainData* contest,
                                    const CQuillmarkSystem& settings) {
    std::vector<StatusPane> panes;
    if (contest == nullptr || !contest->IsValid()) {
        return panes;
    }
    const CQuillmarkData_SubMainData* band = contest->GetActiveBand();
    const BandTotals totals = band != nullptr ? TotalsOf(*band) : BandTotals{};
    const bool multiplier = HasMultiplier(*contest);
    // "band ／ contest" with an active band, the contest's number alone without.
    const auto counts = [band](const char* label, int64_t band_count, int64_t total) {
        Cp932 text = J(label);
        if (band != nullptr) {
            text += Number(band_count) + J(" ／ ");
        }
        return text + Number(total);
    };
    for (const int kind : StatusPaneKinds()) {
        Cp932 text;
        switch (kind) {
            case 1:
                text = ItemText(contest->GetOwnCallSign(), settings);
                break;
            case 2:
                text = band != nullptr ? ItemText(band->GetSentContestNumber(), settings) : "---";
                break;
            case 4:
                text = band != nullptr
                           ? band->GetBand().GetBandText(settings.GetUnderDecimalPoint(), 1, false)
                           : J("（現在、アクティブな周波数帯はありません。）");
                break;
            case 8:
                text = band != nullptr && !band->GetMode().empty() ? band->GetMode() : "---";
                break;
            case 16:
                text = band == nullptr ? "---" : band->GetCallingMethod() == 1 ? "CQ" : "Non-CQ";
                break;
            case 32:
                text = counts("局 : ", totals.entries, contest->GetTotalEntryCount());
                break;
            case 64:
                text = multiplier ? counts("ﾏﾙﾁ : ", totals.multipliers,
                                           contest->GetTotalMultiplierCount())
                                  : J("ﾏﾙﾁ : －");
                break;
            case 128:
                text = counts("点 : ", totals.points, contest->GetTotalPoints());
                break;
            case 256: {
                int64_t score = SaturatingMultiply(
                    contest->GetTotalPoints(), multiplier ? contest->GetTotalMultiplierCount() : 1);
                if (settings.GetIsUseStationParameter() != 0) {
                    score = SaturatingMultiply(score, settings.GetStationParameter());
                }
                text = J("総得点 : ") + Number(score);
                break;
            }
            default:
                break;
        }
        panes.push_back({kind, std::move(text)});
    }
    return panes;
}

}  // namespace contest_texts
