#pragma once

#include <string>
#include <string_view>

#include "document/log_exporter.h"

class CQuillmarkData_ContestNumberType;

// ADIF 3.1.6 in its tagged text form (.adi), the format of logbooks and QSL services: a
// header (ADIF_VER, PROGRAMID, PROGRAMVERSION, CREATED_TIMESTAMP) and one record per
// contact in time order with QSO_DATE and TIME_ON in UTC, CALL, BAND, FREQ in MHz, MODE and
// SUBMODE, RST_SENT / RST_RCVD, STX_STRING / SRX_STRING, CONTEST_ID, STATION_CALLSIGN,
// QSL_SENT / QSL_RCVD and COMMENT. Every field's length is the byte count of its ASCII data;
// a free text that is not ASCII (a comment in Japanese) is left out and counted in the
// result, while a call sign or exchange that is not ASCII refuses the export.
class CAdifExporter : public log_export::ILogExporter {
public:
    log_export::Format GetFormat() const override { return log_export::Format::adif; }
    Cp932 GetName() const override;
    std::string GetExtension() const override { return "adi"; }
    Cp932 GetFilter() const override;
    Cp932 Check(const CQuillmarkData_MainData& contest,
                const log_export::Options& options) const override;
    log_export::Result Write(const CQuillmarkData_MainData& contest,
                             const log_export::Options& options, std::ostream& out,
                             const log_export::Progress& progress) const override;

    // True when the contest number's first parameter is the signal report (RST_SENT,
    // RST_RCVD) and the others the exchange: more than one parameter, the first at most
    // three characters long.
    static bool HasSignalReport(const CQuillmarkData_ContestNumberType& format);
    // A frequency in MHz with a dot and at least three decimals: "7.000", "1296.125".
    static std::string FormatMhz(double mhz);
};
