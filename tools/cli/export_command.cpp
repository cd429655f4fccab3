// quillmark-cli export FILE OUT [--format F] [--contest NAME] [--under-decimal-point N]
// [--utc]: the log of a data file as the program writes it: the fixed-column text file of the
// text export (the default, CP932, CR LF), or a submission format: the JARL electronic log
// R2.1 or R1.0, Cabrillo 3.0 or ADIF 3.1.6. The number of decimals, the time zone of the text
// and the JARL log, and the summary-sheet information come from the operator's settings unless
// given; the Cabrillo header is the one the program's export dialog suggests, with --contest
// as its CONTEST (and ADIF's CONTEST_ID). Where the dialog lets the operator write Japanese
// header texts over in ASCII, the command leaves them out with a warning. Otherwise it refuses
// what the program's export refuses, with the same texts.
#include <algorithm>
#include <charconv>
#include <memory>

#include "command_line.h"
#include "document/cabrillo_export.h"
#include "document/log_exporter.h"
#include "document/text_export.h"
#include "load_contest.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"
#include "user_settings.h"

namespace {

bool ParseDecimals(const std::string& text, int* decimals) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 5) {
        return false;
    }
    *decimals = value;
    return true;
}

// A message for the operator on one line of standard error.
std::string OneLine(const Cp932& message) {
    std::string text = Cp932ToUtf8(message);
    std::string line;
    for (const char c : text) {
        if (c != '\n') {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    return line;
}

int ExportText(const std::string& in, const std::string& out,
               const CQuillmarkData_MainData& contest, const text_export::Options& options) {
    const text_export::Refusal refusal = text_export::CheckExportable(contest);
    if (refusal != text_export::Refusal::none) {
        return ReportFileError(in, Cp932ToUtf8(text_export::RefusalMessage(refusal)));
    }
    const text_export::WriteResult result = text_export::WriteFile(out, contest, options);
    if (result.status != text_export::WriteResult::Status::written) {
        return ReportFileError(out,
                               result.reason + (result.removed ? " (partial file removed)" : ""));
    }
    return kExitOk;
}

// The Cabrillo header texts from the settings that are not ASCII, left out.
void LeaveOutJapaneseHeaderTexts(const std::string& out, log_export::Options& options) {
    const struct {
        const char* tag;
        Cp932& text;
    } texts[] = {{"NAME", options.cabrillo_name},
                 {"ADDRESS", options.cabrillo_address},
                 {"SOAPBOX", options.cabrillo_soapbox}};
    for (const auto& header : texts) {
        const bool ascii = std::all_of(header.text.begin(), header.text.end(), [](char c) {
            return (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n';
        });
        if (!ascii) {
            header.text.clear();
            ReportWarning(
                out, std::string(header.tag) + " left out: the summary-sheet text is not ASCII");
        }
    }
}

int ExportForSubmission(const std::string& in, const std::string& out,
                        const CQuillmarkData_MainData& contest, log_export::Format format,
                        const CQuillmarkSystem& settings, bool utc, const std::string* name) {
    // Nothing to submit: the same refusals as the text export.
    if (contest.GetBandCount() == 0 || contest.GetTotalEntryCount() <= 0) {
        return ReportFileError(
            in, Cp932ToUtf8(text_export::RefusalMessage(contest.GetBandCount() == 0
                                                            ? text_export::Refusal::no_band
                                                            : text_export::Refusal::no_entry)));
    }
    const std::unique_ptr<log_export::ILogExporter> exporter = log_export::MakeLogExporter(format);
    log_export::Options options;
    options.now = CurrentTime();
    options.summary = log_export::SummaryInformation::FromSettings(settings);
    // Cabrillo and ADIF are UTC logs; the JARL log follows the settings or --utc.
    options.utc =
        format == log_export::Format::cabrillo || format == log_export::Format::adif || utc;
    if (format == log_export::Format::cabrillo) {
        CCabrilloExporter::SuggestHeader(contest, options);
        LeaveOutJapaneseHeaderTexts(out, options);
    }
    if (name != nullptr) {
        options.contest_id = *name;
    }
    if (format == log_export::Format::cabrillo && options.contest_id.empty()) {
        return ReportFileError(in, "Cabrillo needs the contest's name: give it with --contest");
    }
    if (const Cp932 refusal = exporter->Check(contest, options); !refusal.empty()) {
        return ReportFileError(in, OneLine(refusal));
    }
    const std::vector<Cp932> missing = exporter->MissingRequiredFields(contest, options);
    if (!missing.empty()) {
        std::string fields;
        for (const Cp932& field : missing) {
            fields += (fields.empty() ? "" : ", ") + Cp932ToUtf8(field);
        }
        ReportWarning(out, "required fields written empty: " + fields);
    }
    const log_export::FileResult file =
        log_export::WriteSubmissionFile(out, *exporter, contest, options);
    if (file.result.status == log_export::Result::Status::refused) {
        return ReportFileError(in, OneLine(file.result.message));
    }
    if (file.result.status != log_export::Result::Status::written) {
        return ReportFileError(out, file.reason);
    }
    if (file.result.omitted_fields > 0) {
        ReportWarning(out, std::to_string(file.result.omitted_fields) +
                               " texts that are not ASCII were left out");
    }
    return kExitOk;
}

}  // namespace

int RunExport(const CommandLine& line) {
    const std::string& in = line.arguments[0];
    const std::string& out = line.arguments[1];
    const CQuillmarkSystem settings = UserSettings();
    text_export::Options options;
    options.under_decimal_point = settings.GetUnderDecimalPoint();
    options.rule = settings.GetDisplayTimeZoneRule();
    if (const std::string* decimals = line.Value("--under-decimal-point")) {
        if (!ParseDecimals(*decimals, &options.under_decimal_point)) {
            std::fprintf(stderr, "quillmark-cli: --under-decimal-point takes 0 to 5, not '%s'\n",
                         decimals->c_str());
            return kExitUsage;
        }
    }
    if (line.Has("--utc")) {
        options.rule = CTimeZoneRule::Utc();
    }
    std::optional<log_export::Format> format;
    if (const std::string* name = line.Value("--format"); name != nullptr && *name != "text") {
        format = log_export::FormatFromCommandName(*name);
        if (!format) {
            std::fprintf(stderr,
                         "quillmark-cli: --format takes text, jarl-r21, jarl-r10, cabrillo or "
                         "adif, not '%s'\n",
                         name->c_str());
            return kExitUsage;
        }
    }

    CQuillmarkData_MainData contest;
    if (!LoadContestForCommand(in, line.punctuation_marks, contest).loaded) {
        return kExitFileError;
    }
    if (!contest.IsValid()) {
        return ReportFileError(in, "the contest is not valid");
    }
    if (format) {
        return ExportForSubmission(in, out, contest, *format, settings, options.rule.IsUtc(),
                                   line.Value("--contest"));
    }
    return ExportText(in, out, contest, options);
}
