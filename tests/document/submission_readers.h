#pragma once

// Small readers of the three submission formats, written from the formats' own rules and
// sharing nothing with the exporters, so that a round trip catches what a foreign reader
// would trip over: JARL tags read without case, ADIF fields sliced by their byte lengths.
#include <cctype>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace submission_read {

// One contact as every format gives it back.
struct Contact {
    std::string band;  // JARL BAND, Cabrillo frequency column or ADIF BAND
    std::string mode;
    std::string date;  // yyyy-mm-dd
    std::string time;  // hhmm
    std::string call;
    std::string sent;  // tokens joined by one blank
    std::string received;
    bool operator==(const Contact&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Contact& c) {
        return out << "[" << c.band << "|" << c.mode << "|" << c.date << "|" << c.time << "|"
                   << c.call << "|" << c.sent << "|" << c.received << "]";
    }
};

struct Log {
    std::map<std::string, std::string> header;  // tag names in upper case; repeats joined by \n
    std::vector<Contact> contacts;
    std::vector<std::map<std::string, std::string>> records;  // ADIF fields per record
};

inline std::string UpperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

inline std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream in{std::string(line)};
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

inline std::string Join(const std::vector<std::string>& words, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to; ++i) {
        text += (i > from ? " " : "") + words[i];
    }
    return text;
}

inline std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The summary tags (values with their line breaks) and the log sheet's lines; the sent and
// received exchanges have the same number of tokens.
inline Log ReadJarl(std::string_view text) {
    Log log;
    const std::string upper = UpperCase(std::string(text));
    const size_t summary_end = upper.find("</SUMMARYSHEET>");
    for (size_t at = upper.find('<'); at < summary_end; at = upper.find('<', at + 1)) {
        const size_t close = upper.find('>', at);
        const std::string tag = upper.substr(at + 1, close - at - 1);
        if (tag.empty() || tag[0] == '/' || tag.find(' ') != std::string::npos) {
            continue;
        }
        const size_t end = upper.find("</" + tag + ">", close);
        log.header[tag] = std::string(text.substr(close + 1, end - close - 1));
        at = end;
    }
    bool in_log = false;
    for (const std::string& line : LinesOf(text.substr(upper.find("<LOGSHEET")))) {
        if (line.rfind("DATE(", 0) == 0) {
            in_log = true;
            continue;
        }
        const std::vector<std::string> w = Words(line);
        if (!in_log || w.size() < 9 || line[0] == '<') {
            continue;
        }
        const size_t half = (w.size() - 7) / 2;
        log.contacts.push_back({w[2], w[3], w[0], w[1].substr(0, 2) + w[1].substr(3), w[4],
                                Join(w, 5, 5 + half), Join(w, 5 + half, 5 + 2 * half)});
    }
    return log;
}

// Header tags and QSO lines: frequency, mode, date, time, own call, sent…, call, received….
inline Log ReadCabrillo(std::string_view text) {
    Log log;
    for (const std::string& line : LinesOf(text)) {
        const size_t colon = line.find(':');
        const std::string tag = line.substr(0, colon);
        const std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : "";
        if (tag != "QSO") {
            std::string& slot = log.header[tag];
            slot += (slot.empty() ? "" : "\n") + value;
            continue;
        }
        const std::vector<std::string> w = Words(value);
        const size_t n = (w.size() - 6) / 2;
        log.contacts.push_back(
            {w[0], w[1], w[2], w[3], w[5 + n], Join(w, 5, 5 + n), Join(w, 6 + n, w.size())});
    }
    return log;
}

// Fields sliced by their byte lengths; the header's fields go to header.
inline Log ReadAdif(std::string_view text) {
    Log log;
    std::map<std::string, std::string> fields;
    bool in_header = text.empty() || text[0] != '<';
    for (size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
        const size_t close = text.find('>', at);
        const std::string tag = UpperCase(std::string(text.substr(at + 1, close - at - 1)));
        at = close + 1;
        const size_t colon = tag.find(':');
        if (colon == std::string::npos) {
            if (tag == "EOH") {
                log.header = fields;
                in_header = false;
            } else if (tag == "EOR" && !in_header) {
                log.records.push_back(fields);
                const std::string date = fields["QSO_DATE"];
                const auto pair = [&](const char* report, const char* exchange) {
                    const std::string rst = fields[report];
                    const std::string rest = fields[exchange];
                    return rst + (rst.empty() || rest.empty() ? "" : " ") + rest;
                };
                log.contacts.push_back(
                    {fields["BAND"], fields["MODE"],
                     date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6),
                     fields["TIME_ON"].substr(0, 4), fields["CALL"], pair("RST_SENT", "STX_STRING"),
                     pair("RST_RCVD", "SRX_STRING")});
            }
            fields.clear();
            continue;
        }
        const size_t length = std::stoul(tag.substr(colon + 1));
        fields[tag.substr(0, colon)] = std::string(text.substr(at, length));
        at += length;
    }
    return log;
}

}  // namespace submission_read
