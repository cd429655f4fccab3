#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "../model/model_test_util.h"
#include "../platform/temp_folder.h"
#include "dialogs/scripted_operator.h"
#include "model/band.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"

// Builders shared by the document tests.
namespace doc_test {

// The item and band builders are the model tests' own.
using model_test::Attributes;
using model_test::Band;
using model_test::CallSign;
using model_test::kDelimiters;
using model_test::Number;
using platform_test::TempFolder;

// Japanese literals are written in UTF-8 here and compared in CP932.
inline Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

inline std::string U(std::string_view cp932) {
    return Cp932ToUtf8(cp932);
}

inline constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

// A message box as the operator saw it; texts in UTF-8 so that a failure reads as the screen.
struct Shown {
    std::string text;
    std::string caption;
    int style = 0;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& shown, std::ostream* out) {
        *out << "[" << shown.caption << "] " << shown.style << ": " << shown.text;
    }
};

using Texts = std::vector<std::string>;

inline std::vector<Shown> MessagesOf(const CScriptedOperator& op) {
    std::vector<Shown> shown;
    for (const auto& message : op.Messages()) {
        shown.push_back({U(message.text), U(message.caption), message.style});
    }
    return shown;
}

inline Texts StatusesOf(const CScriptedOperator& op) {
    Texts texts;
    for (const Cp932& text : op.StatusTexts()) {
        texts.push_back(U(text));
    }
    return texts;
}

// Seconds since 1970 of a UTC calendar moment (the conversion the platform tests check
// against the C library).
inline int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    return *CTimeZoneRule::Utc().ToSeconds({year, month, day, hour, minute, second});
}

// Call sign "CALL/N": parameter 0 of 3-6 characters (the main one), parameter 1 of 0-1.
inline CQuillmarkData_CallSignType CallSignFormat() {
    CQuillmarkData_CallSignType format;
    format.SetFormat(2, 0, {Attributes(3, 6), Attributes(0, 1)});
    return format;
}

// Contest number "RST/NUMBER": 2-3 and 2-6 characters; the multiplier is parameter 1 unless
// multiplier is outside 0 … 1.
inline CQuillmarkData_ContestNumberType NumberFormat(int multiplier = 1) {
    CQuillmarkData_ContestNumberType format;
    format.SetFormat(2, multiplier, {Attributes(2, 3), Attributes(2, 6)});
    return format;
}

inline CQuillmarkData_MainData Contest(const CQuillmarkData_CallSignType& call_format,
                                       const CQuillmarkData_ContestNumberType& number_format,
                                       std::string_view own = "JA1ZZZ") {
    CQuillmarkData_MainData contest;
    contest.SetContest("TEST", Utc(2021, 6, 5, 0, 0), Utc(2021, 6, 6, 0, 0),
                       CallSign(own, call_format), call_format, number_format);
    return contest;
}

inline CQuillmarkData_MainData Contest(int multiplier = 1) {
    return Contest(CallSignFormat(), NumberFormat(multiplier));
}

// An entry against the contest's formats.
inline CQuillmarkData_LogDataItem Entry(const CQuillmarkData_MainData& contest, int64_t time,
                                        std::string_view call, std::string_view sent,
                                        std::string_view received, int points = 1,
                                        std::string_view mode = "CW") {
    CQuillmarkData_LogDataItem entry;
    entry.SetEntry(time, CallSign(call, contest.GetCallSignType()),
                   Number(sent, contest.GetContestNumberType()),
                   Number(received, contest.GetContestNumberType()), points);
    entry.SetMode(mode);
    return entry;
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    sighandler_t old_handler_;
};

}  // namespace doc_test
