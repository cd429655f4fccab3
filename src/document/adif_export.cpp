#include "document/adif_export.h"

#include <charconv>
#include <ostream>

#include "document/export_writer.h"
#include "document/submission_log.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

using log_export::Options;

constexpr std::string_view kLineEnd = "\r\n";

void AppendField(std::string& out, std::string_view name, std::string_view data) {
    out += '<';
    out += name;
    out += ':';
    submission_log::AppendNumber(out, static_cast<int64_t>(data.size()));
    out += '>';
    out += data;
    out += ' ';
}

// The exchange without the signal report: parameters 1 … n-1 that are not empty.
void AppendExchange(std::string& out, const CQuillmarkData_Item& item, size_t first) {
    const std::vector<Cp932>& parts = item.GetParts();
    bool any = false;
    for (size_t i = first; i < parts.size(); ++i) {
        if (parts[i].empty()) {
            continue;
        }
        if (any) {
            out += ' ';
        }
        any = true;
        out += submission_log::Upper(parts[i]);
    }
}

// QSL_SENT / QSL_RCVD: a card sent or received is Y; a card requested but not yet there is
// queued for sending (Q) and requested from the other station (R); otherwise N.
std::string_view CardSent(const CQuillmarkData_LogDataItem& entry) {
    if (entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardSent)) {
        return "Y";
    }
    return entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardRequested) ? "Q" : "N";
}

std::string_view CardReceived(const CQuillmarkData_LogDataItem& entry) {
    if (entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardReceived)) {
        return "Y";
    }
    return entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardRequested) ? "R" : "N";
}

struct Layout {
    std::string station_callsign;
    std::string contest_id;  // empty: not written
    bool signal_report = false;
};

void AppendRecord(std::string& out, const Layout& layout, const submission_log::Contact& contact,
                  int64_t& omitted) {
    const CQuillmarkData_LogDataItem& entry = *contact.entry;
    const submission_log::Time time = submission_log::TimeOf(entry.GetTime(), true);
    std::string field;
    submission_log::AppendDate(field, time, "");
    AppendField(out, "QSO_DATE", field);
    field.clear();
    submission_log::AppendClock(field, time, "");
    submission_log::AppendNumber(field, time.second, 2);
    AppendField(out, "TIME_ON", field);
    field.clear();
    submission_log::AppendTokens(field, entry.GetCallSign(), '/');
    AppendField(out, "CALL", field);
    AppendField(out, "BAND", contact.band_row->adif);
    AppendField(out, "FREQ",
                CAdifExporter::FormatMhz(
                    submission_band::SubmissionMhz(contact.band->GetBand(), *contact.band_row)));
    AppendField(out, "MODE", contact.mode->adif_mode);
    if (!contact.mode->adif_submode.empty()) {
        AppendField(out, "SUBMODE", contact.mode->adif_submode);
    }
    const struct {
        const CQuillmarkData_ContestNumberItem& item;
        const char* report;
        const char* exchange;
    } numbers[] = {{entry.GetSentContestNumber(), "RST_SENT", "STX_STRING"},
                   {entry.GetReceivedContestNumber(), "RST_RCVD", "SRX_STRING"}};
    for (const auto& number : numbers) {
        size_t first = 0;
        if (layout.signal_report) {
            first = 1;
            if (const std::string_view report = number.item.ParameterView(0); !report.empty()) {
                AppendField(out, number.report, submission_log::Upper(report));
            }
        }
        field.clear();
        AppendExchange(field, number.item, first);
        if (!field.empty()) {
            AppendField(out, number.exchange, field);
        }
    }
    if (!layout.contest_id.empty()) {
        AppendField(out, "CONTEST_ID", layout.contest_id);
    }
    AppendField(out, "STATION_CALLSIGN", layout.station_callsign);
    AppendField(out, "QSL_SENT", CardSent(entry));
    AppendField(out, "QSL_RCVD", CardReceived(entry));
    if (const std::string_view comment = entry.GetComment(); !comment.empty()) {
        if (submission_log::IsAsciiText(comment)) {
            AppendField(out, "COMMENT", comment);
        } else {
            ++omitted;
        }
    }
    out += "<EOR>";
    out += kLineEnd;
}

}  // namespace

Cp932 CAdifExporter::GetName() const {
    return "ADIF 3.1.6";
}

Cp932 CAdifExporter::GetFilter() const {
    return Utf8ToCp932("ADIF ﾌｧｲﾙ (*.adi)|*.adi|すべてのﾌｧｲﾙ (*.*)|*.*||");
}

bool CAdifExporter::HasSignalReport(const CQuillmarkData_ContestNumberType& format) {
    const CQuillmarkData_ParameterAttributes* first = format.GetAttributes(0);
    return format.GetParameterCount() > 1 && first != nullptr && first->GetMaxLength() >= 2 &&
           first->GetMaxLength() <= 3;
}

std::string CAdifExporter::FormatMhz(double mhz) {
    // to_chars never uses the locale's decimal comma.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, mhz, std::chars_format::fixed, 6);
    if (error != std::errc()) {
        return "0.000";
    }
    std::string text(buffer, end);
    const size_t dot = text.find('.');
    while (text.size() > dot + 4 && text.back() == '0') {
        text.pop_back();
    }
    return text;
}

Cp932 CAdifExporter::Check(const CQuillmarkData_MainData& contest, const Options& options) const {
    return submission_log::CheckContacts(contest, submission_log::ContactsInTimeOrder(contest),
                                         GetName(), submission_log::ModeColumn::adif, true);
}

log_export::Result CAdifExporter::Write(const CQuillmarkData_MainData& contest,
                                        const Options& options, std::ostream& out,
                                        const log_export::Progress& progress) const {
    const std::vector<submission_log::Contact> contacts =
        submission_log::ContactsInTimeOrder(contest);
    if (Cp932 refusal = submission_log::CheckContacts(contest, contacts, GetName(),
                                                      submission_log::ModeColumn::adif, true);
        !refusal.empty()) {
        return {log_export::Result::Status::refused, std::move(refusal), 0};
    }
    int64_t omitted = 0;
    Layout layout;
    layout.station_callsign = submission_log::Tokens(contest.GetOwnCallSign(), '/');
    layout.signal_report = HasSignalReport(contest.GetContestNumberType());
    if (submission_log::IsAsciiText(options.contest_id)) {
        layout.contest_id = submission_log::Upper(options.contest_id);
    } else {
        ++omitted;
    }

    CExportWriter writer(out, progress, static_cast<int64_t>(contacts.size()));
    std::string& text = writer.Text();
    text += "Quillmark ADIF export";
    text += kLineEnd;
    AppendField(text, "ADIF_VER", "3.1.6");
    AppendField(text, "PROGRAMID", "Quillmark");
    AppendField(text, "PROGRAMVERSION", log_export::ProgramVersion());
    const submission_log::Time now = submission_log::TimeOf(options.now, true);
    std::string stamp;
    submission_log::AppendDate(stamp, now, "");
    stamp += ' ';
    submission_log::AppendClock(stamp, now, "");
    submission_log::AppendNumber(stamp, now.second, 2);
    AppendField(text, "CREATED_TIMESTAMP", stamp);
    text += "<EOH>";
    text += kLineEnd;
    for (const submission_log::Contact& contact : contacts) {
        AppendRecord(text, layout, contact, omitted);
        if (!writer.ContactDone()) {
            return writer.Stopped();
        }
    }
    log_export::Result result = writer.Finish();
    result.omitted_fields = omitted;
    return result;
}
