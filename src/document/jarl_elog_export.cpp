#include "document/jarl_elog_export.h"

#include <map>
#include <ostream>

#include "document/export_writer.h"
#include "document/submission_log.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

using log_export::Options;
using submission_log::AppendNumber;

constexpr std::string_view kLineEnd = "\r\n";

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

// Where a tag's value comes from.
enum class Source {
    contest_name,
    category_code,
    category_name,
    call_sign,
    empty,
    score_lines,
    station_coefficient,
    total_score,
    address,
    name,
    telephone,
    email,
    licence,
    power,
    place,
    power_supply,
    remarks,
    club_number,
    club_name,
    oath,
    date,
    signature,
};

struct TagDefinition {
    std::string_view name;
    Source source;
    bool required;
    std::string_view label;
};

// In the order JARL's own samples give them.
constexpr TagDefinition kR21Tags[] = {
    {"CONTESTNAME", Source::contest_name, true, "コンテスト名"},
    {"CATEGORYCODE", Source::category_code, true, "参加部門のコード"},
    {"CALLSIGN", Source::call_sign, true, "呼出符号"},
    {"OPCALLSIGN", Source::empty, false, "運用者の呼出符号"},
    {"TOTALSCORE", Source::total_score, true, "総得点"},
    {"ADDRESS", Source::address, true, "住所"},
    {"NAME", Source::name, true, "氏名（社団の名称）"},
    {"TEL", Source::telephone, false, "電話番号"},
    {"EMAIL", Source::email, true, "電子メール"},
    {"POWER", Source::power, true, "指定されている空中線電力"},
    {"FDCOEFF", Source::station_coefficient, false, "局種係数"},
    {"OPPLACE", Source::place, false, "移動先"},
    {"POWERSUPPLY", Source::power_supply, false, "移動先の使用電源"},
    {"LICENSEDATE", Source::empty, false, "免許年月日"},
    {"AGE", Source::empty, false, "年齢"},
    {"COMMENTS", Source::remarks, false, "意見"},
    {"MULTIOPLIST", Source::empty, false, "運用者の一覧"},
    {"REGCLUBNUMBER", Source::club_number, false, "登録クラブ番号"},
    {"OATH", Source::oath, true, "宣誓文"},
    {"DATE", Source::date, true, "日付"},
    {"SIGNATURE", Source::signature, true, "社団の代表者氏名／氏名"},
};

constexpr TagDefinition kR10Tags[] = {
    {"CONTESTNAME", Source::contest_name, true, "コンテスト名"},
    {"CATEGORYCODE", Source::category_code, true, "参加部門のコード"},
    {"CATEGORYNAME", Source::category_name, false, "参加部門の名称"},
    {"CALLSIGN", Source::call_sign, true, "呼出符号"},
    {"OPCALLSIGN", Source::empty, false, "運用者の呼出符号"},
    {"SCORE", Source::score_lines, false, ""},
    {"FDCOEFF", Source::station_coefficient, false, "局種係数"},
    {"TOTALSCORE", Source::total_score, true, "総得点"},
    {"ADDRESS", Source::address, true, "住所"},
    {"NAME", Source::name, true, "氏名（社団の名称）"},
    {"TEL", Source::telephone, false, "電話番号"},
    {"EMAIL", Source::email, true, "電子メール"},
    {"LICENSECLASS", Source::licence, false, "無線従事者の資格"},
    {"POWER", Source::power, true, "指定されている空中線電力"},
    {"POWERTYPE", Source::empty, false, "空中線電力の種別"},
    {"OPPLACE", Source::place, false, "移動先"},
    {"POWERSUPPLY", Source::power_supply, false, "移動先の使用電源"},
    {"EQUIPMENT", Source::empty, false, "使用機器"},
    {"COMMENTS", Source::remarks, false, "意見"},
    {"REGCLUBNUMBER", Source::club_number, false, "登録クラブ番号"},
    {"REGCLUBNAME", Source::club_name, false, "登録クラブ名称"},
    {"OATH", Source::oath, true, "宣誓文"},
    {"DATE", Source::date, true, "日付"},
    {"SIGNATURE", Source::signature, true, "社団の代表者氏名／氏名"},
};

// The tags of a version in file order; the station coefficient only while it is used.
std::vector<TagDefinition> Definitions(CJarlElogExporter::Version version, const Options& options) {
    std::vector<TagDefinition> definitions;
    const auto add = [&](const auto& table) {
        for (const TagDefinition& definition : table) {
            if (definition.source != Source::station_coefficient ||
                options.summary.use_station_parameter) {
                definitions.push_back(definition);
            }
        }
    };
    if (version == CJarlElogExporter::Version::r21) {
        add(kR21Tags);
    } else {
        add(kR10Tags);
    }
    return definitions;
}

// "2021年6月5日"
Cp932 SigningDate(const Options& options) {
    const submission_log::Time today = submission_log::TimeOf(options.now, options.utc);
    std::string text;
    AppendNumber(text, today.year);
    text += J("年");
    AppendNumber(text, today.month);
    text += J("月");
    AppendNumber(text, today.day);
    text += J("日");
    return text;
}

Cp932 Address(const log_export::SummaryInformation& summary) {
    if (summary.post_code.empty()) {
        return summary.address;
    }
    return J("〒") + summary.post_code + (summary.address.empty() ? "" : " " + summary.address);
}

Cp932 ValueOf(Source source, const CQuillmarkData_MainData& contest, const Options& options) {
    const log_export::SummaryInformation& summary = options.summary;
    switch (source) {
        case Source::contest_name:
            return contest.GetContestName();
        case Source::category_code:
            return contest.GetCategoryCode();
        case Source::category_name:
            return contest.GetCategoryName();
        case Source::call_sign:
            return submission_log::Tokens(contest.GetOwnCallSign(), '/');
        case Source::station_coefficient:
            return summary.use_station_parameter ? std::to_string(summary.station_parameter)
                                                 : Cp932();
        case Source::total_score:
            return std::to_string(submission_log::ClaimedScore(contest, summary));
        case Source::address:
            return Address(summary);
        case Source::name:
            return summary.name;
        case Source::telephone:
            return summary.telephone_number;
        case Source::email:
            return options.email;
        case Source::licence:
            return summary.licence;
        case Source::power:
            return summary.power;
        case Source::place:
            return summary.place;
        case Source::power_supply:
            return summary.power_supply;
        case Source::remarks:
            return summary.remarks;
        case Source::club_number:
            return summary.registered_club_number;
        case Source::club_name:
            return summary.registered_club_name;
        case Source::oath:
            return CJarlElogExporter::OathText();
        case Source::date:
            return SigningDate(options);
        case Source::signature:
            return summary.superintendent_name;
        case Source::empty:
        case Source::score_lines:
            break;
    }
    return {};
}

// Values are written as they are, except that line breaks become CR LF and the angle
// brackets full-width ones: the format has no escape, and a "<" in a remark would otherwise
// read as the start of a tag.
void AppendValue(std::string& out, std::string_view value) {
    const std::vector<std::string_view> lines = submission_log::Lines(value);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += kLineEnd;
        }
        for (const char c : lines[i]) {
            if (c == '<') {
                out += "\x81\x83";  // ＜
            } else if (c == '>') {
                out += "\x81\x84";  // ＞
            } else {
                out += c;
            }
        }
    }
}

void AppendTag(std::string& out, std::string_view name, std::string_view value) {
    out += '<';
    out += name;
    out += '>';
    AppendValue(out, value);
    out += "</";
    out += name;
    out += '>';
    out += kLineEnd;
}

struct BandScore {
    int64_t contacts = 0;
    int64_t points = 0;
    int64_t multipliers = 0;
};

void AppendScore(std::string& out, std::string_view label, const BandScore& score) {
    out += "<SCORE BAND=";
    out += label;
    out += '>';
    AppendNumber(out, score.contacts);
    out += ',';
    AppendNumber(out, score.points);
    out += ',';
    AppendNumber(out, score.multipliers);
    out += "</SCORE>";
    out += kLineEnd;
}

// One SCORE line per submission band (bands that fall on the same one are added up), in
// ascending frequency, then the total. Without a multiplier parameter every line counts one
// multiplier, so that points × multipliers still gives each score.
void AppendScoreLines(std::string& out, const CQuillmarkData_MainData& contest) {
    const bool has_multiplier = contest.GetContestNumberType().HasMultiplier() == 1;
    std::map<const submission_band::Row*, BandScore> bands;
    BandScore total;
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        BandScore& score = bands[submission_band::Find(band.GetBand())];
        for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
            ++score.contacts;
            score.points += entry.GetPoints();
            score.multipliers += has_multiplier && entry.GetFirst() == 1 ? 1 : 0;
        }
    }
    for (auto& [row, score] : bands) {
        if (!has_multiplier) {
            score.multipliers = 1;
        }
        total.contacts += score.contacts;
        total.points += score.points;
        total.multipliers += has_multiplier ? score.multipliers : 0;
        AppendScore(out, row != nullptr ? row->jarl_score : std::string_view("?"), score);
    }
    if (!has_multiplier) {
        total.multipliers = 1;
    }
    AppendScore(out, "TOTAL", total);
}

void AppendLogLine(std::string& out, const CQuillmarkData_MainData& contest,
                   const submission_log::Contact& contact, bool utc) {
    const CQuillmarkData_LogDataItem& entry = *contact.entry;
    const submission_log::Time time = submission_log::TimeOf(entry.GetTime(), utc);
    submission_log::AppendDate(out, time, "-");
    out += ' ';
    submission_log::AppendClock(out, time, ":");
    out += ' ';
    out += contact.band_row->jarl;
    out += ' ';
    out += contact.mode->jarl;
    out += ' ';
    submission_log::AppendTokens(out, entry.GetCallSign(), '/');
    out += ' ';
    submission_log::AppendTokens(out, entry.GetSentContestNumber(), ' ');
    out += ' ';
    submission_log::AppendTokens(out, entry.GetReceivedContestNumber(), ' ');
    out += ' ';
    const std::string_view multiplier = entry.GetReceivedContestNumber().ParameterView(
        contest.GetContestNumberType().MultiplierIndexOrNone());
    if (entry.GetFirst() == 1 && !multiplier.empty()) {
        out += submission_log::Upper(multiplier);
    } else {
        out += '-';
    }
    out += ' ';
    AppendNumber(out, entry.GetPoints());
    out += kLineEnd;
}

}  // namespace

log_export::Format CJarlElogExporter::GetFormat() const {
    return version_ == Version::r21 ? log_export::Format::jarl_r21 : log_export::Format::jarl_r10;
}

Cp932 CJarlElogExporter::GetName() const {
    return J(version_ == Version::r21 ? "JARL 電子ログ R2.1" : "JARL 電子ログ R1.0");
}

Cp932 CJarlElogExporter::GetFilter() const {
    return J("JARL 電子ﾛｸﾞ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||");
}

Cp932 CJarlElogExporter::OathText() {
    return J(
        "私は、ＪＡＲＬ制定のコンテスト規約および電波法令にしたがい運用した結果、ここに提出する"
        "サマリーシートおよびログシートなどが事実と相違ないものであることを、私の名誉において"
        "誓います。");
}

std::vector<CJarlElogExporter::Tag> CJarlElogExporter::SummaryTags(
    const CQuillmarkData_MainData& contest, const Options& options) const {
    std::vector<Tag> tags;
    for (const TagDefinition& definition : Definitions(version_, options)) {
        if (definition.source != Source::score_lines) {
            tags.push_back({definition.name, ValueOf(definition.source, contest, options),
                            definition.required, definition.label});
        }
    }
    return tags;
}

Cp932 CJarlElogExporter::Check(const CQuillmarkData_MainData& contest,
                               const Options& options) const {
    return submission_log::CheckContacts(contest, submission_log::ContactsInTimeOrder(contest),
                                         GetName(), submission_log::ModeColumn::jarl, options.utc);
}

std::vector<Cp932> CJarlElogExporter::MissingRequiredFields(const CQuillmarkData_MainData& contest,
                                                            const Options& options) const {
    std::vector<Cp932> missing;
    for (const Tag& tag : SummaryTags(contest, options)) {
        if (tag.required && tag.value.empty()) {
            missing.push_back(Cp932(tag.name) + J("（") + J(tag.label) + J("）"));
        }
    }
    return missing;
}

log_export::Result CJarlElogExporter::Write(const CQuillmarkData_MainData& contest,
                                            const Options& options, std::ostream& out,
                                            const log_export::Progress& progress) const {
    const std::vector<submission_log::Contact> contacts =
        submission_log::ContactsInTimeOrder(contest);
    if (Cp932 refusal = submission_log::CheckContacts(
            contest, contacts, GetName(), submission_log::ModeColumn::jarl, options.utc);
        !refusal.empty()) {
        return {log_export::Result::Status::refused, std::move(refusal), 0};
    }
    CExportWriter writer(out, progress, static_cast<int64_t>(contacts.size()));
    std::string& text = writer.Text();
    text +=
        version_ == Version::r21 ? "<SUMMARYSHEET VERSION=R2.1>" : "<SUMMARYSHEET VERSION=R1.0>";
    text += kLineEnd;
    for (const TagDefinition& definition : Definitions(version_, options)) {
        if (definition.source == Source::score_lines) {
            AppendScoreLines(text, contest);
        } else {
            AppendTag(text, definition.name, ValueOf(definition.source, contest, options));
        }
    }
    text += "</SUMMARYSHEET>";
    text += kLineEnd;
    text += "<LOGSHEET TYPE=QUILLMARK>";
    text += kLineEnd;
    text += options.utc ? "DATE(UTC)" : "DATE(JST)";
    text += " TIME BAND MODE CALLSIGN SENTNo RCVNo Mlt Pts";
    text += kLineEnd;
    for (const submission_log::Contact& contact : contacts) {
        AppendLogLine(text, contest, contact, options.utc);
        if (!writer.ContactDone()) {
            return writer.Stopped();
        }
    }
    text += "</LOGSHEET>";
    text += kLineEnd;
    return writer.Finish();
}
