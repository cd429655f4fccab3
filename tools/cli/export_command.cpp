// quillmark-cli export FILE OUT [--under-decimal-point N] [--utc]: the log of a data file as
// the fixed-column text file of the program's text export (CP932, CR LF). The number of
// decimals and the time zone come from the operator's settings unless given; the command
// refuses what the program's export refuses, with the same texts.
#include <charconv>
#include <memory>

#include "command_line.h"
#include "document/text_export.h"
#include "load_contest.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
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

    CQuillmarkData_MainData contest;
    if (!LoadContestForCommand(in, line.punctuation_marks, contest).loaded) {
        return kExitFileError;
    }
    const text_export::Refusal refusal = text_export::CheckExportable(contest);
    if (refusal == text_export::Refusal::no_contest) {
        return ReportFileError(in, "the contest is not valid");
    }
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
