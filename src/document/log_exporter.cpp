#include "document/log_exporter.h"

#include <sstream>

#include "document/adif_export.h"
#include "document/cabrillo_export.h"
#include "document/jarl_elog_export.h"
#include "platform/safe_file.h"
#include "settings/quillmark_system.h"

namespace log_export {
namespace {

constexpr struct {
    Format format;
    std::string_view name;
} kCommandNames[] = {{Format::jarl_r21, "jarl-r21"},
                     {Format::jarl_r10, "jarl-r10"},
                     {Format::cabrillo, "cabrillo"},
                     {Format::adif, "adif"}};

}  // namespace

std::string_view ProgramVersion() {
    return QUILLMARK_VERSION;
}

std::string_view CommandName(Format format) {
    for (const auto& entry : kCommandNames) {
        if (entry.format == format) {
            return entry.name;
        }
    }
    return {};
}

std::optional<Format> FormatFromCommandName(std::string_view name) {
    for (const auto& entry : kCommandNames) {
        if (entry.name == name) {
            return entry.format;
        }
    }
    return std::nullopt;
}

SummaryInformation SummaryInformation::FromSettings(const CQuillmarkSystem& settings) {
    SummaryInformation summary;
    summary.post_code = settings.GetPostCode();
    summary.address = settings.GetAddress();
    summary.telephone_number = settings.GetTelephoneNumber();
    summary.name = settings.GetName();
    summary.licence = settings.GetLicence();
    summary.power = settings.GetPower();
    summary.place = settings.GetPlace();
    summary.power_supply = settings.GetPowerSupply();
    summary.registered_club_number = settings.GetRegisteredClub_Number();
    summary.registered_club_name = settings.GetRegisteredClub_Name();
    summary.superintendent_name = settings.GetSuperintendentName();
    summary.remarks = settings.GetRemarks();
    summary.use_station_parameter = settings.GetIsUseStationParameter() != 0;
    summary.station_parameter = settings.GetStationParameter();
    return summary;
}

std::vector<Cp932> ILogExporter::MissingRequiredFields(const CQuillmarkData_MainData&,
                                                       const Options&) const {
    return {};
}

std::unique_ptr<ILogExporter> MakeLogExporter(Format format) {
    switch (format) {
        case Format::jarl_r21:
            return std::make_unique<CJarlElogExporter>(CJarlElogExporter::Version::r21);
        case Format::jarl_r10:
            return std::make_unique<CJarlElogExporter>(CJarlElogExporter::Version::r10);
        case Format::cabrillo:
            return std::make_unique<CCabrilloExporter>();
        case Format::adif:
            return std::make_unique<CAdifExporter>();
    }
    return nullptr;
}

FileResult WriteSubmissionFile(const std::string& path, const ILogExporter& exporter,
                               const CQuillmarkData_MainData& contest, const Options& options,
                               const Progress& progress) {
    FileResult file;
    std::ostringstream text;
    file.result = exporter.Write(contest, options, text, progress);
    if (file.result.status != Result::Status::written) {
        return file;
    }
    if (!safe_file::WriteFileSafely(path, text.view(), &file.reason)) {
        file.result.status = Result::Status::write_failed;
    }
    return file;
}

}  // namespace log_export
