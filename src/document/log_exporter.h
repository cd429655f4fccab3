#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkData_MainData;
class CQuillmarkSystem;

// The submission formats of a contest log behind one small interface: the JARL electronic
// log (R2.1 and R1.0), Cabrillo 3.0 and ADIF 3.1.6. Each exporter has a name, a file
// extension and the file dialog's filter, checks whether a contest can be written with the
// given options (the reason names the field or the contact), and writes the whole file to a
// stream, reporting progress and stopping when asked to. The document's submission export
// and quillmark-cli choose an exporter, fill the options and write the result with
// WriteSubmissionFile; the exporters know nothing of the operator.
namespace log_export {

enum class Format { jarl_r21, jarl_r10, cabrillo, adif };

// The program's version as the files name their creator ("4.0.0").
std::string_view ProgramVersion();

// The name quillmark-cli uses for a format ("jarl-r21", "jarl-r10", "cabrillo", "adif").
std::string_view CommandName(Format format);
std::optional<Format> FormatFromCommandName(std::string_view name);

// The summary-sheet information of the settings (CP932).
struct SummaryInformation {
    Cp932 post_code;
    Cp932 address;
    Cp932 telephone_number;
    Cp932 name;
    Cp932 licence;
    Cp932 power;
    Cp932 place;
    Cp932 power_supply;
    Cp932 registered_club_number;
    Cp932 registered_club_name;
    Cp932 superintendent_name;
    Cp932 remarks;
    bool use_station_parameter = false;
    int station_parameter = 1;

    static SummaryInformation FromSettings(const CQuillmarkSystem& settings);
};

// One CATEGORY-* line of a Cabrillo header: "CATEGORY-OPERATOR", "SINGLE-OP".
struct CabrilloCategory {
    std::string tag;
    std::string value;
};

struct Options {
    // Contact times in UTC, else in Japan Standard Time (UTC+9, whatever the machine's zone).
    // ADIF is always written in UTC.
    bool utc = false;
    // The moment of the export: the summary sheet's date, ADIF's CREATED_TIMESTAMP.
    int64_t now = 0;
    SummaryInformation summary;
    Cp932 email;
    // Cabrillo's CONTEST and ADIF's CONTEST_ID.
    Cp932 contest_id;
    // The Cabrillo header; categories with an empty value are not written.
    std::vector<CabrilloCategory> categories;
    Cp932 cabrillo_name;
    Cp932 cabrillo_address;  // lines separated by line breaks
    Cp932 cabrillo_soapbox;  // the same
};

// Reports done contacts of total; returning false stops the export.
using Progress = std::function<bool(int64_t done, int64_t total)>;

struct Result {
    enum class Status { written, refused, cancelled, write_failed };
    Status status = Status::written;
    // Why it was refused (CP932, for the operator).
    Cp932 message;
    // ADIF: texts left out because they are not ASCII.
    int64_t omitted_fields = 0;
};

class ILogExporter {
public:
    virtual ~ILogExporter() = default;

    virtual Format GetFormat() const = 0;
    // "JARL 電子ログ R2.1", "Cabrillo 3.0", "ADIF 3.1.6" (CP932).
    virtual Cp932 GetName() const = 0;
    // Without the dot: "txt", "cbr", "adi".
    virtual std::string GetExtension() const = 0;
    // The file dialog's filter, "JARL 電子ﾛｸﾞ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||".
    virtual Cp932 GetFilter() const = 0;
    // Why the contest cannot be written with these options; empty when it can.
    virtual Cp932 Check(const CQuillmarkData_MainData& contest, const Options& options) const = 0;
    // The required fields the options and the contest leave empty, as "EMAIL（電子メール）";
    // they are written empty.
    virtual std::vector<Cp932> MissingRequiredFields(const CQuillmarkData_MainData& contest,
                                                     const Options& options) const;
    // Checks, then writes the whole file to out. A stream that fails gives write_failed.
    virtual Result Write(const CQuillmarkData_MainData& contest, const Options& options,
                         std::ostream& out, const Progress& progress) const = 0;
};

std::unique_ptr<ILogExporter> MakeLogExporter(Format format);

struct FileResult {
    Result result;
    std::string reason;  // a failed write, in English: "cannot write: No space left on device"
};

// Writes the file at path through the exporter: the whole file is built first, then put in
// place safely (a temporary file renamed over the target), so a refusal, a Cancel or a write
// error leaves no half-written file and an existing file untouched.
FileResult WriteSubmissionFile(const std::string& path, const ILogExporter& exporter,
                               const CQuillmarkData_MainData& contest, const Options& options,
                               const Progress& progress = {});

}  // namespace log_export
