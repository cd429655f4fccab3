#include "document/cabrillo_export.h"

#include <algorithm>
#include <ostream>
#include <set>

#include "document/export_writer.h"
#include "document/submission_log.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

using log_export::Options;

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kMaxContestId = 32;
// The bands CATEGORY-BAND names by wavelength below 222 MHz.
constexpr std::string_view kWavelengthBands[] = {"160m", "80m", "40m", "20m", "15m",
                                                 "10m",  "6m",  "4m",  "2m"};

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

void AppendLine(std::string& out, std::string_view tag, std::string_view value) {
    out += tag;
    out += ": ";
    out += value;
    out += kLineEnd;
}

// The texts of the header that come from the operator, with the names the refusal uses.
struct HeaderText {
    std::string_view tag;
    const char* label;
    const Cp932& value;
};

std::vector<HeaderText> HeaderTexts(const Options& options) {
    return {{"CONTEST", "コンテスト名", options.contest_id},
            {"NAME", "氏名", options.cabrillo_name},
            {"ADDRESS", "住所", options.cabrillo_address},
            {"EMAIL", "電子メール", options.email},
            {"SOAPBOX", "意見", options.cabrillo_soapbox}};
}

bool IsHeaderText(std::string_view text) {
    for (const std::string_view line : submission_log::Lines(text)) {
        if (!submission_log::IsAsciiText(line)) {
            return false;
        }
    }
    return true;
}

// The frequency column: kHz below 30 MHz, the band token above; right-aligned in five
// columns as the templates show it.
void AppendFrequency(std::string& out, const submission_log::Contact& contact) {
    std::string frequency;
    if (contact.band_row->cabrillo.empty()) {
        submission_log::AppendNumber(
            frequency, submission_band::SubmissionKhz(contact.band->GetBand(), *contact.band_row));
    } else {
        frequency = contact.band_row->cabrillo;
    }
    if (frequency.size() < 5) {
        out.append(5 - frequency.size(), ' ');
    }
    out += frequency;
}

void AppendQso(std::string& out, const std::string& own_call,
               const submission_log::Contact& contact, bool utc) {
    const CQuillmarkData_LogDataItem& entry = *contact.entry;
    const submission_log::Time time = submission_log::TimeOf(entry.GetTime(), utc);
    out += "QSO: ";
    AppendFrequency(out, contact);
    out += ' ';
    out += contact.mode->cabrillo;
    out += ' ';
    submission_log::AppendDate(out, time, "-");
    out += ' ';
    submission_log::AppendClock(out, time, "");
    out += ' ';
    out += own_call;
    out += ' ';
    submission_log::AppendTokens(out, entry.GetSentContestNumber(), ' ');
    out += ' ';
    submission_log::AppendTokens(out, entry.GetCallSign(), '/');
    out += ' ';
    submission_log::AppendTokens(out, entry.GetReceivedContestNumber(), ' ');
    out += kLineEnd;
}

std::string_view CategoryModeOf(std::string_view cabrillo_mode) {
    if (cabrillo_mode == "PH") {
        return "SSB";
    }
    if (cabrillo_mode == "RY") {
        return "RTTY";
    }
    if (cabrillo_mode == "DG") {
        return "DIGI";
    }
    return cabrillo_mode;  // CW, FM
}

std::string CategoryBandOf(const submission_band::Row& row) {
    if (!row.cabrillo.empty()) {
        return std::string(row.cabrillo);
    }
    if (std::find(std::begin(kWavelengthBands), std::end(kWavelengthBands), row.adif) !=
        std::end(kWavelengthBands)) {
        return submission_log::Upper(row.adif);
    }
    return "ALL";
}

}  // namespace

Cp932 CCabrilloExporter::GetName() const {
    return "Cabrillo 3.0";
}

Cp932 CCabrilloExporter::GetFilter() const {
    return J("Cabrillo ﾛｸﾞ (*.cbr;*.log)|*.cbr;*.log|すべてのﾌｧｲﾙ (*.*)|*.*||");
}

bool CCabrilloExporter::IsContestId(std::string_view text) {
    return !text.empty() && text.size() <= kMaxContestId &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
           });
}

std::string CCabrilloExporter::SuggestedContestId(const CQuillmarkData_MainData& contest) {
    std::string id = submission_log::Upper(contest.GetContestName());
    std::replace(id.begin(), id.end(), ' ', '-');
    return IsContestId(id) ? id : std::string();
}

std::vector<log_export::CabrilloCategory> CCabrilloExporter::SuggestedCategories(
    const CQuillmarkData_MainData& contest) {
    std::set<std::string> bands;
    std::set<std::string_view> modes;
    for (const submission_log::Contact& contact : submission_log::ContactsInTimeOrder(contest)) {
        if (contact.band_row != nullptr) {
            bands.insert(CategoryBandOf(*contact.band_row));
        }
        if (contact.mode != nullptr && !contact.mode->cabrillo.empty()) {
            modes.insert(CategoryModeOf(contact.mode->cabrillo));
        }
    }
    return {{"CATEGORY-OPERATOR", "SINGLE-OP"},
            {"CATEGORY-BAND", bands.size() == 1 ? *bands.begin() : "ALL"},
            {"CATEGORY-MODE", modes.size() == 1 ? std::string(*modes.begin())
                              : modes.empty()   ? std::string()
                                                : "MIXED"}};
}

void CCabrilloExporter::SuggestHeader(const CQuillmarkData_MainData& contest, Options& options) {
    const log_export::SummaryInformation& summary = options.summary;
    options.contest_id = SuggestedContestId(contest);
    options.categories = SuggestedCategories(contest);
    options.cabrillo_name = summary.name;
    options.cabrillo_address =
        summary.post_code.empty() ? summary.address : summary.address + "\r\n" + summary.post_code;
    options.cabrillo_soapbox = summary.remarks;
}

namespace {

// Why the header cannot be written; empty when it can.
Cp932 CheckHeader(const Options& options) {
    const Cp932 only_ascii = J("Cabrillo の形式には半角の英数字と記号しか書けないため、");
    if (options.contest_id.empty()) {
        return J(
            "Cabrillo の形式では、CONTEST（コンテスト名）が必要です。\n\n"
            "主催者が決めたコンテストの名前（例 JIDX-CW）を指定してください。");
    }
    if (!CCabrilloExporter::IsContestId(submission_log::Upper(options.contest_id))) {
        return J(
            "Cabrillo の CONTEST（コンテスト名）には、半角の英字、数字と「-」だけを 32 "
            "文字まで書けます。");
    }
    for (const HeaderText& text : HeaderTexts(options)) {
        if (!IsHeaderText(text.value)) {
            return only_ascii + Cp932(text.tag) + J("（") + J(text.label) +
                   J("）を出力できません。\n\n半角の英数字で書き直してください。");
        }
    }
    for (const log_export::CabrilloCategory& category : options.categories) {
        if (!submission_log::IsAsciiText(category.value)) {
            return only_ascii + category.tag + J(" を出力できません。");
        }
    }
    return {};
}

Cp932 CheckAll(const CQuillmarkData_MainData& contest, const Options& options,
               const std::vector<submission_log::Contact>& contacts, std::string_view name) {
    if (Cp932 refusal = CheckHeader(options); !refusal.empty()) {
        return refusal;
    }
    return submission_log::CheckContacts(contest, contacts, name,
                                         submission_log::ModeColumn::cabrillo, options.utc);
}

}  // namespace

Cp932 CCabrilloExporter::Check(const CQuillmarkData_MainData& contest,
                               const Options& options) const {
    return CheckAll(contest, options, submission_log::ContactsInTimeOrder(contest), GetName());
}

log_export::Result CCabrilloExporter::Write(const CQuillmarkData_MainData& contest,
                                            const Options& options, std::ostream& out,
                                            const log_export::Progress& progress) const {
    const std::vector<submission_log::Contact> contacts =
        submission_log::ContactsInTimeOrder(contest);
    if (Cp932 refusal = CheckAll(contest, options, contacts, GetName()); !refusal.empty()) {
        return {log_export::Result::Status::refused, std::move(refusal), 0};
    }
    const std::string own_call = submission_log::Tokens(contest.GetOwnCallSign(), '/');
    CExportWriter writer(out, progress, static_cast<int64_t>(contacts.size()));
    std::string& text = writer.Text();
    AppendLine(text, "START-OF-LOG", "3.0");
    AppendLine(text, "CONTEST", submission_log::Upper(options.contest_id));
    AppendLine(text, "CALLSIGN", own_call);
    for (const log_export::CabrilloCategory& category : options.categories) {
        if (!category.value.empty()) {
            AppendLine(text, category.tag, category.value);
        }
    }
    AppendLine(text, "CLAIMED-SCORE",
               std::to_string(submission_log::ClaimedScore(contest, options.summary)));
    if (!options.cabrillo_name.empty()) {
        AppendLine(text, "NAME", options.cabrillo_name);
    }
    for (const std::string_view line : submission_log::Lines(options.cabrillo_address)) {
        AppendLine(text, "ADDRESS", line);
    }
    if (!options.email.empty()) {
        AppendLine(text, "EMAIL", options.email);
    }
    AppendLine(text, "CREATED-BY", "Quillmark " + std::string(log_export::ProgramVersion()));
    for (const std::string_view line : submission_log::Lines(options.cabrillo_soapbox)) {
        AppendLine(text, "SOAPBOX", line);
    }
    for (const submission_log::Contact& contact : contacts) {
        AppendQso(text, own_call, contact, options.utc);
        if (!writer.ContactDone()) {
            return writer.Stopped();
        }
    }
    text += "END-OF-LOG:";
    text += kLineEnd;
    return writer.Finish();
}
