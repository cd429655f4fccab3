// quillmark-cli log FILE CALL RECEIVED [--sent S] [--time T] [--points N] [--mode M]
// [--cq|--non-cq] [--comment C] [--band FREQ] [--allow-second]: appends one contact to the
// active band (or the named one) by the entry wizard's own rules and saves the file safely.
// A script or another station program logs into a contest file this way.
//
// Exit 0 when logged, 1 when the file cannot be read, locked or written, 2 for a usage
// error, 3 when the contact is refused (the program's warning on standard error). A refused
// or failed contact never changes the file. While the program has the file open (its lock
// file names a running process) the command refuses, since the program would save its own
// copy over the contact; two commands on one file take turns.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "command_line.h"
#include "dialogs/operator.h"
#include "document/log_entry_append.h"
#include "document/quillmark_doc.h"
#include "load_contest.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "user_settings.h"

namespace {

constexpr int kExitRefused = 3;
// Another command writing the same file is done in milliseconds.
constexpr int kLockWaitMs = 10000;

// The document needs someone to talk to; this command has nothing to ask and shows its
// texts itself.
class CSilentOperator : public IOperator {
public:
    int ShowMessage(const Cp932&, const Cp932&, int style) override {
        return message_box::DefaultResultOf(style);
    }
    void SetStatusText(const Cp932&) override {}
    void Beep(int) override {}
    void ShowProgress(CProgressDialog&) override {}
    void UpdateProgress(const CProgressDialog&, ProgressPart) override {}
    void CloseProgress(CProgressDialog&) override {}
    std::optional<std::string> AskFileName(const FileNameRequest&) override { return {}; }
    int RunDialog(CDialogState&, int) override { return message_box::kIdCancel; }
    void PumpEvents() override {}
    void SetWaitCursor(bool) override {}
};

int Usage(const std::string& text) {
    std::fprintf(stderr, "quillmark-cli: %s\n", text.c_str());
    return kExitUsage;
}

bool ParseInteger(const std::string& text, long long* value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return error == std::errc() && end == text.data() + text.size();
}

// Seconds since 1970, or "YYYY-MM-DDTHH:MM[:SS]Z" in UTC; within what a data file holds.
std::optional<int64_t> ParseTime(const std::string& text) {
    long long seconds = 0;
    if (!ParseInteger(text, &seconds)) {
        std::tm fields{};
        int year = 0;
        int length = 0;
        const int got = std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%n:%2d%n", &year,
                                    &fields.tm_mon, &fields.tm_mday, &fields.tm_hour,
                                    &fields.tm_min, &length, &fields.tm_sec, &length);
        if (got < 5 || text.substr(static_cast<size_t>(length)) != "Z" || fields.tm_mon < 1 ||
            fields.tm_mon > 12 || fields.tm_mday < 1 || fields.tm_mday > 31 ||
            fields.tm_hour > 23 || fields.tm_min > 59 || fields.tm_sec > 59) {
            return std::nullopt;
        }
        fields.tm_year = year - 1900;
        fields.tm_mon -= 1;
        seconds = static_cast<long long>(::timegm(&fields));
    }
    if (seconds < 0 || seconds > INT32_MAX) {
        return std::nullopt;
    }
    return seconds;
}

// "7", "7.1MHz", "3500kHz", "1.2GHz" (MHz when no unit is given).
std::optional<CQuillmarkData_BandItem> ParseBand(std::string text) {
    int unit = 6;
    for (const auto& [suffix, code] : {std::pair{"kHz", 3}, {"MHz", 6}, {"GHz", 9}}) {
        const std::string s = suffix;
        if (text.size() > s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0) {
            text.resize(text.size() - s.size());
            unit = code;
        }
    }
    double frequency = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frequency);
    CQuillmarkData_BandItem band;
    if (error != std::errc() || end != text.data() + text.size() || !(frequency > 0) ||
        !band.SetBand(frequency, unit)) {
        return std::nullopt;
    }
    return band;
}

std::optional<Cp932> Cp932Of(const std::string* utf8) {
    return utf8 == nullptr ? std::optional<Cp932>() : TryUtf8ToCp932(*utf8);
}

// The program's texts on one line each.
std::string Shown(const Cp932& text) {
    std::string utf8 = Cp932ToUtf8(text);
    std::string line;
    for (size_t at = 0; at < utf8.size(); ++at) {
        if (utf8[at] != '\n') {
            line += utf8[at];
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    return line;
}

}  // namespace

int RunLog(const CommandLine& line) {
    const std::string& path = line.arguments[0];
    log_entry_append::ContactRequest request;
    const std::optional<Cp932> call = TryUtf8ToCp932(line.arguments[1]);
    const std::optional<Cp932> received = TryUtf8ToCp932(line.arguments[2]);
    const std::optional<Cp932> comment = Cp932Of(line.Value("--comment"));
    request.sent = Cp932Of(line.Value("--sent"));
    request.mode = Cp932Of(line.Value("--mode"));
    if (!call || !received || (line.Value("--comment") != nullptr && !comment) ||
        (line.Value("--sent") != nullptr && !request.sent) ||
        (line.Value("--mode") != nullptr && !request.mode)) {
        return Usage("log: a text holds characters CP932 cannot hold");
    }
    request.call_sign = *call;
    request.received = *received;
    request.comment = comment.value_or(Cp932());
    if (const std::string* points = line.Value("--points")) {
        long long value = 0;
        if (!ParseInteger(*points, &value) || value < INT32_MIN || value > INT32_MAX) {
            return Usage("--points takes a whole number, not '" + *points + "'");
        }
        request.points = static_cast<int>(value);
    }
    if (const std::string* time = line.Value("--time")) {
        request.time = ParseTime(*time);
        if (!request.time) {
            return Usage(
                "--time takes seconds since 1970 or YYYY-MM-DDTHH:MM[:SS]Z up to 2038, "
                "not '" +
                *time + "'");
        }
    }
    if (const std::string* band = line.Value("--band")) {
        request.band = ParseBand(*band);
        if (!request.band) {
            return Usage("--band takes a frequency such as 7, 7.1MHz, 3500kHz or 1.2GHz, not '" +
                         *band + "'");
        }
    }
    if (line.Has("--cq") && line.Has("--non-cq")) {
        return Usage("log: --cq and --non-cq exclude each other");
    }
    if (line.Has("--cq") || line.Has("--non-cq")) {
        request.calling_method = line.Has("--cq") ? 1 : 0;
    }
    request.allow_second = line.Has("--allow-second");

    CFileUpdateLock lock;
    std::string reason;
    if (lock.Lock(path, CFileUpdateLock::Mode::exclusive, kLockWaitMs, &reason) !=
        CFileUpdateLock::Result::locked) {
        return ReportFileError(path, reason);
    }
    if (const auto owner = file_lock::ReadLockOwner(file_lock::LockFilePathOf(path));
        owner && file_lock::IsRunning(*owner, file_lock::HostName())) {
        return ReportFileError(path, "open in " + owner->program + " (process " +
                                         std::to_string(owner->pid) + " on " + owner->host +
                                         "); log the contact there or close the file first");
    }

    // The contact's texts are split with the delimiters the file is read with.
    CQuillmarkSystem settings = UserSettings();
    settings.SetPunctuationMarks(line.punctuation_marks);
    CSilentOperator silent;
    CQuillmarkDoc document(silent, settings, nullptr);
    if (!LoadContestForCommand(path, line.punctuation_marks, document.GetContest()).loaded) {
        return kExitFileError;
    }
    const log_entry_append::LogOutcome outcome = log_entry_append::LogContact(document, request);
    if (!outcome.logged) {
        std::fprintf(stderr, "quillmark-cli: %s: %s\n", path.c_str(),
                     Shown(outcome.refusal).c_str());
        return kExitRefused;
    }
    CNullProgressSink sink;
    if (!contest_file::Save(path, document.GetContest(), sink, &reason)) {
        return ReportFileError(path, reason);
    }
    if (!outcome.notice.empty()) {
        std::printf("%s\n", Shown(outcome.notice).c_str());
    }
    return kExitOk;
}
