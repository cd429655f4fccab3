#pragma once

#include <string>
#include <string_view>

#include "platform/cp932.h"
#include "platform/time_zone_rule.h"

class CQuillmarkData_MainData;
class CQuillmarkData_LogDataItem;
class CQuillmarkData_SubMainData;

// The fixed-column text form of a contest log: one CP932 line per entry, ended by CR LF,
// bands in the contest's order and entries in stored order, fields separated by two blanks:
// frequency (at least 5), mode (at least 8), "%d/%m/%y %H%M", call sign, sent and received
// contest numbers (each padded to its format's maximum length, parameters padded to theirs),
// the multiplier of a First entry (or blanks), points. Used by the document's export command
// and by quillmark-cli; knows nothing of the operator.
namespace text_export {

struct Options {
    // Most decimals of a band frequency (the UnderDecimalPoint setting).
    int under_decimal_point = 3;
    // Local time or UTC, as every displayed date.
    CTimeZoneRule rule = CTimeZoneRule::Local();
};

// Why a contest cannot be exported.
enum class Refusal {
    none,
    no_contest,      // not valid: refused without a message
    no_band,         // "周波数帯が 1 つも存在しないため、…"
    no_entry,        // "ログデータが 1 件も入力されていないため、…"
    not_fixed_width  // a format without a maximum length, or no multiplier parameter
};

Refusal CheckExportable(const CQuillmarkData_MainData& contest);
// The operator's text for a refusal (CP932); empty for none and no_contest.
Cp932 RefusalMessage(Refusal refusal);
// "クイルマーク - ログデータのテキスト出力" (CP932).
Cp932 Caption();

// The frequency with (integer digits + under_decimal_point) significant digits in the C
// library's %g form (the digit count is kept between 1 and 17; a zero frequency has one
// integer digit).
Cp932 FormatFrequency(double frequency, int under_decimal_point);

// One line without its line end. The contest must pass CheckExportable.
Cp932 BuildLine(const CQuillmarkData_MainData& contest, const CQuillmarkData_SubMainData& band,
                const CQuillmarkData_LogDataItem& entry, const Options& options);
// Every line, each ended by CR LF.
std::string BuildText(const CQuillmarkData_MainData& contest, const Options& options);

struct WriteResult {
    enum class Status { written, open_failed, write_failed };
    Status status = Status::written;
    int error = 0;         // errno of the failure
    bool removed = false;  // the partly written file was removed
    std::string reason;    // the failure in English, for logs and the command line
};

// Creates (or replaces) the file at path and writes every line. A failure after the file
// was created removes it again when it is a regular file, so no half-written export is
// left behind. The contest must pass CheckExportable.
WriteResult WriteFile(const std::string& path, const CQuillmarkData_MainData& contest,
                      const Options& options);

// The operator's text for a failed write (CP932): what went wrong and whether the partial
// file was removed.
Cp932 WriteFailedMessage(const WriteResult& result);

}  // namespace text_export
