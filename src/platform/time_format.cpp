#include "platform/time_format.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"

namespace {

int64_t FloorMod(int64_t a, int64_t b) {
    const int64_t r = a % b;
    return r < 0 ? r + b : r;
}

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

// Appends value in decimal, its digits padded with zeros to width unless trimmed ('#').
void AppendNumber(Cp932& out, int64_t value, int width, bool trim) {
    // Work on the magnitude as unsigned so that the smallest int64 has one too.
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        out += '-';
    for (int pad = trim ? 0 : width - count; pad > 0; --pad)
        out += '0';
    while (count > 0)
        out += digits[--count];
}

bool IsPlainCLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.substr(0, 2) == "C.";
}

std::string EnvironmentTimeLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

struct LocaleDeleter {
    void operator()(locale_t locale) const { freelocale(locale); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleDeleter>;

// Replaces the names of out by the locale's items first, first + 1, ... when every one of
// them has a CP932 form (and, unless empty_ok, is not empty).
template <size_t N>
void ReadGroup(locale_t locale, const char* codeset, nl_item first, bool empty_ok,
               std::array<Cp932, N>& out) {
    std::array<Cp932, N> names;
    for (size_t i = 0; i < N; ++i) {
        const char* raw = nl_langinfo_l(first + static_cast<nl_item>(i), locale);
        if (!raw || (!empty_ok && *raw == '\0'))
            return;
        std::optional<Cp932> converted = TryCharsetToCp932(raw, codeset);
        if (!converted)
            return;
        names[i] = std::move(*converted);
    }
    out = std::move(names);
}

void AppendCode(char code, bool trim, const CalendarTime& t, const TimeNames& names, Cp932& out);

void AppendFormat(std::string_view format, const CalendarTime& t, const TimeNames& names,
                  Cp932& out) {
    for (size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            const size_t length = cp932::CharLength(format, i);
            out.append(format.substr(i, length));
            i += length;
            continue;
        }
        size_t code_pos = i + 1;
        const bool trim = code_pos < format.size() && format[code_pos] == '#';
        if (trim)
            ++code_pos;
        if (code_pos >= format.size()) {
            out.append(format.substr(i));  // a '%' (or "%#") at the end stays as it is
            break;
        }
        AppendCode(format[code_pos], trim, t, names, out);
        i = code_pos + 1;
    }
}

// "%#Y年%#m月%#d日", the long date of Japanese Windows.
const Cp932& LongDateFormat() {
    static const Cp932 format = Utf8ToCp932("%#Y年%#m月%#d日");
    return format;
}

void AppendCode(char code, bool trim, const CalendarTime& t, const TimeNames& names, Cp932& out) {
    switch (code) {
        case 'Y':
            AppendNumber(out, t.year, 4, trim);
            break;
        case 'y':
            AppendNumber(out, FloorMod(t.year, 100), 2, trim);
            break;
        case 'm':
            AppendNumber(out, t.month, 2, trim);
            break;
        case 'd':
            AppendNumber(out, t.day, 2, trim);
            break;
        case 'H':
            AppendNumber(out, t.hour, 2, trim);
            break;
        case 'I': {
            const int64_t hour = FloorMod(t.hour, 12);
            AppendNumber(out, hour == 0 ? 12 : hour, 2, trim);
            break;
        }
        case 'M':
            AppendNumber(out, t.minute, 2, trim);
            break;
        case 'S':
            AppendNumber(out, t.second, 2, trim);
            break;
        case 'j':
            AppendNumber(out, int64_t{t.yearday} + 1, 3, trim);
            break;
        case 'w':
            AppendNumber(out, t.weekday, 1, trim);
            break;
        case 'U':
            AppendNumber(out, FloorDiv(int64_t{t.yearday} + 7 - FloorMod(t.weekday, 7), 7), 2,
                         trim);
            break;
        case 'W':
            AppendNumber(out,
                         FloorDiv(int64_t{t.yearday} + 7 - FloorMod(int64_t{t.weekday} + 6, 7), 7),
                         2, trim);
            break;
        case 'a':
            out += names.short_weekdays[FloorMod(t.weekday, 7)];
            break;
        case 'A':
            out += names.weekdays[FloorMod(t.weekday, 7)];
            break;
        case 'b':
            out += names.short_months[FloorMod(int64_t{t.month} - 1, 12)];
            break;
        case 'B':
            out += names.months[FloorMod(int64_t{t.month} - 1, 12)];
            break;
        case 'p':
            out += FloorMod(t.hour, 24) < 12 ? names.am : names.pm;
            break;
        case 'x':
            AppendFormat(trim ? std::string_view(LongDateFormat()) : "%Y/%m/%d", t, names, out);
            break;
        case 'X':
            AppendFormat("%H:%M:%S", t, names, out);
            break;
        case 'c':
            AppendCode('x', trim, t, names, out);
            out += ' ';
            AppendCode('X', false, t, names, out);
            break;
        case 'z': {
            const int64_t offset = t.utc_offset;
            const int64_t magnitude = offset < 0 ? -offset : offset;
            out += offset < 0 ? '-' : '+';
            AppendNumber(out, magnitude / 3600, 2, false);
            AppendNumber(out, magnitude / 60 % 60, 2, false);
            break;
        }
        case 'Z':
            break;
        case '%':
            out += '%';
            break;
        default:
            out += '%';
            if (trim)
                out += '#';
            out += code;
            break;
    }
}

}  // namespace

TimeNames TimeNames::Japanese() {
    static const char* const kWeekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                            "木曜日", "金曜日", "土曜日"};
    static const char* const kShortWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    TimeNames names;
    for (size_t i = 0; i < 7; ++i) {
        names.weekdays[i] = Utf8ToCp932(kWeekdays[i]);
        names.short_weekdays[i] = Utf8ToCp932(kShortWeekdays[i]);
    }
    for (size_t i = 0; i < 12; ++i) {
        names.months[i] = Utf8ToCp932(std::to_string(i + 1) + "月");
        names.short_months[i] = names.months[i];
    }
    names.am = Utf8ToCp932("午前");
    names.pm = Utf8ToCp932("午後");
    return names;
}

TimeNames TimeNames::ForLocale(std::string_view locale_name) {
    TimeNames names = Japanese();
    if (IsPlainCLocale(locale_name))
        return names;
    const std::string name(locale_name);
    // A locale object of its own: the process's locale stays as it is.
    const LocaleHandle locale(newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name.c_str(), locale_t{}));
    if (!locale)
        return names;
    const char* codeset = nl_langinfo_l(CODESET, locale.get());
    if (!codeset || !*codeset)
        return names;

    ReadGroup(locale.get(), codeset, DAY_1, false, names.weekdays);
    ReadGroup(locale.get(), codeset, ABDAY_1, false, names.short_weekdays);
    ReadGroup(locale.get(), codeset, MON_1, false, names.months);
    ReadGroup(locale.get(), codeset, ABMON_1, false, names.short_months);
    std::array<Cp932, 2> am_pm{names.am, names.pm};
    ReadGroup(locale.get(), codeset, AM_STR, true, am_pm);
    names.am = am_pm[0];
    names.pm = am_pm[1];
    return names;
}

const TimeNames& TimeNames::User() {
    static const TimeNames names = ForLocale(EnvironmentTimeLocale());
    return names;
}

Cp932 FormatTime(std::string_view format, const CalendarTime& time, const TimeNames& names) {
    Cp932 out;
    out.reserve(format.size() + 16);
    AppendFormat(format, time, names, out);
    return out;
}

Cp932 FormatTime(std::string_view format, int64_t seconds, const CTimeZoneRule& rule,
                 const TimeNames& names) {
    return FormatTime(format, rule.ToCalendarTime(seconds), names);
}
