#include "document/submission_log.h"

#include <algorithm>
#include <limits>

#include "document/log_exporter.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"

namespace submission_log {
namespace {

constexpr int64_t kJstOffset = 9 * 3600;

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

std::string_view ModeCell(const export_mode::Row& row, ModeColumn column) {
    switch (column) {
        case ModeColumn::jarl:
            return row.jarl;
        case ModeColumn::cabrillo:
            return row.cabrillo;
        case ModeColumn::adif:
            return row.adif_mode;
    }
    return {};
}

// "7 MHz 帯で 2021-06-05 09:30 JST に交信した JA1ABC の"
Cp932 ContactDescription(const Contact& contact, bool utc) {
    const CQuillmarkData_LogDataItem& entry = *contact.entry;
    std::string when;
    const Time time = TimeOf(entry.GetTime(), utc);
    AppendDate(when, time, "-");
    when += ' ';
    AppendClock(when, time, ":");
    return contact.band->GetBand().GetBandText(3, 2, true) + J(" 帯で ") + when +
           (utc ? " UTC" : " JST") + J(" に交信した ") + entry.GetCallSign().GetText("/") +
           J(" の");
}

}  // namespace

std::vector<Contact> ContactsInTimeOrder(const CQuillmarkData_MainData& contest) {
    std::vector<Contact> contacts;
    contacts.reserve(static_cast<size_t>(std::max<int64_t>(0, contest.GetTotalEntryCount())));
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        const submission_band::Row* band_row = submission_band::Find(band.GetBand());
        const export_mode::Row* band_mode = export_mode::Find(band.GetMode());
        // Neighbouring contacts mostly share a mode: look a text up only when it changes.
        std::string_view last_text;
        const export_mode::Row* last_mode = nullptr;
        bool have_last = false;
        for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
            Contact contact{&entry, &band, band_row, band_mode};
            const std::string_view text = entry.GetMode();
            if (!text.empty()) {
                if (!have_last || text != last_text) {
                    last_text = text;
                    last_mode = export_mode::Find(text);
                    have_last = true;
                }
                contact.mode = last_mode;
            }
            contacts.push_back(contact);
        }
    }
    std::stable_sort(contacts.begin(), contacts.end(), [](const Contact& a, const Contact& b) {
        return a.entry->GetTime() < b.entry->GetTime();
    });
    return contacts;
}

std::string_view ModeText(const Contact& contact) {
    const std::string_view own = contact.entry->GetMode();
    return own.empty() ? std::string_view(contact.band->GetMode()) : own;
}

Time TimeOf(int64_t seconds, bool utc) {
    const CalendarTime fields = CTimeZoneRule::Utc().ToCalendarTime(
        utc || seconds > std::numeric_limits<int64_t>::max() - kJstOffset ? seconds
                                                                          : seconds + kJstOffset);
    return {fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second};
}

void AppendNumber(std::string& out, int64_t value, int width) {
    char digits[24];
    int count = 0;
    const bool negative = value < 0;
    // Work in the negative range so that the lowest value has a form too.
    int64_t rest = negative ? value : -value;
    do {
        digits[count++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative) {
        out += '-';
    }
    for (int i = count; i < width; ++i) {
        out += '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

void AppendDate(std::string& out, const Time& time, std::string_view separator) {
    AppendNumber(out, time.year, 4);
    out += separator;
    AppendNumber(out, time.month, 2);
    out += separator;
    AppendNumber(out, time.day, 2);
}

void AppendClock(std::string& out, const Time& time, std::string_view separator) {
    AppendNumber(out, time.hour, 2);
    out += separator;
    AppendNumber(out, time.minute, 2);
}

void AppendTokens(std::string& out, const CQuillmarkData_Item& item, char separator) {
    bool first = true;
    for (const Cp932& part : item.GetParts()) {
        if (part.empty()) {
            continue;
        }
        if (!first) {
            out += separator;
        }
        first = false;
        for (const char c : part) {
            out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
}

std::string Tokens(const CQuillmarkData_Item& item, char separator) {
    std::string out;
    AppendTokens(out, item, separator);
    return out;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool IsToken(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

bool IsAsciiText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        const size_t next =
            end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        text.remove_prefix(next);
    }
    return lines;
}

int64_t ClaimedScore(const CQuillmarkData_MainData& contest,
                     const log_export::SummaryInformation& summary) {
    const int64_t score = std::max<int64_t>(0, contest.GetScore());
    if (!summary.use_station_parameter) {
        return score;
    }
    int64_t total = 0;
    if (__builtin_mul_overflow(score, int64_t{summary.station_parameter}, &total)) {
        return std::numeric_limits<int64_t>::max();
    }
    return total;
}

Cp932 CheckContacts(const CQuillmarkData_MainData& contest, const std::vector<Contact>& contacts,
                    std::string_view format_name, ModeColumn column, bool utc) {
    const Cp932 in_format = J("ため、") + Cp932(format_name) + J(" の形式では出力できません。");
    const Cp932 not_plain = J("に、半角の英数字と記号以外の文字（空白を含む）がある");
    const std::string own = Tokens(contest.GetOwnCallSign(), '/');
    if (own.empty() || !IsToken(own)) {
        return J("自局の呼出符号") + not_plain + in_format;
    }
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_BandItem& band = contest.GetBandAt(b)->GetBand();
        if (submission_band::Find(band) == nullptr) {
            return band.GetBandText(3, 2, true) + J(" 帯は、アマチュアバンドのどれにも当たらない") +
                   in_format;
        }
    }
    for (const Contact& contact : contacts) {
        const CQuillmarkData_LogDataItem& entry = *contact.entry;
        if (contact.mode == nullptr || ModeCell(*contact.mode, column).empty()) {
            const std::string_view mode = ModeText(contact);
            if (mode.empty()) {
                return ContactDescription(contact, utc) + J("電波の型式が指定されていない") +
                       in_format +
                       J("\n\n電波の型式の一括変更で型式を指定してから出力してください。");
            }
            return ContactDescription(contact, utc) + J("電波の型式「") + Cp932(mode) +
                   J("」は、") + Cp932(format_name) + J(" の形式に当たる型式がない") + in_format;
        }
        const struct {
            const CQuillmarkData_Item& item;
            const char* name;
        } fields[] = {{entry.GetCallSign(), "呼出符号"},
                      {entry.GetSentContestNumber(), "送信コンテストナンバー"},
                      {entry.GetReceivedContestNumber(), "受信コンテストナンバー"}};
        // Every column must hold at least one token, or the columns after it would shift.
        for (const auto& field : fields) {
            bool empty = true;
            for (const Cp932& part : field.item.GetParts()) {
                if (!IsToken(part) && !part.empty()) {
                    return ContactDescription(contact, utc) + J(field.name) + not_plain + in_format;
                }
                empty = empty && part.empty();
            }
            if (empty) {
                return ContactDescription(contact, utc) + J(field.name) + J("が空である") +
                       in_format;
            }
        }
    }
    return {};
}

}  // namespace submission_log
