// quillmark-cli citycodes FILE: the records of a city code file as a JSON array of
// [code, name, reading], texts in UTF-8.
#include <cstdio>

#include "citycode/city_code_main_data.h"
#include "command_line.h"
#include "json_writer.h"
#include "platform/cp932_convert.h"

int RunCityCodes(const CommandLine& line) {
    const std::string& path = line.arguments[0];
    CCityCodeData_MainData database;
    CCityCodeLoadReport report;
    if (!database.LoadFromFile(path, nullptr, &report)) {
        return ReportFileError(path, report.opened ? "cannot read the city code file"
                                                   : "cannot open the city code file");
    }
    if (report.too_long_lines + report.nul_lines > 0) {
        ReportWarning(path, std::to_string(report.too_long_lines + report.nul_lines) +
                                " damaged lines were skipped");
    }
    JsonWriter json;
    json.BeginArray();
    for (const CCityCodeData_CityCodeDataItem& item : database.GetItems()) {
        json.BeginArray();
        for (int field = 0; field < CCityCodeData_CityCodeDataItem::kFieldCount; ++field) {
            json.String(Cp932ToUtf8(item.GetField(field)));
        }
        json.EndArray();
    }
    json.EndArray();
    std::string text = json.Text();
    if (text.empty() || text.back() != '\n') {
        text += '\n';
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return ReportFileError("standard output", "cannot write");
    }
    return kExitOk;
}
