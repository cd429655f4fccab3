#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/log_exporter.h"

// Cabrillo 3.0, the log format of international contests: a header of "TAG: value" lines
// (CONTEST, CALLSIGN, the CATEGORY-* tags chosen, CLAIMED-SCORE, NAME, ADDRESS lines,
// EMAIL, CREATED-BY, SOAPBOX lines) and one QSO line per contact in time order: the
// frequency in kHz below 30 MHz and the band token from 50 MHz up, the two-letter mode, date
// and time, own call sign and sent exchange, the other call sign and the received exchange.
// The file is seven-bit ASCII with CR LF line ends: a text that is not ASCII is refused with
// the name of its field, never written garbled. Times are UTC unless the options ask for JST
// (which Japanese sponsors accept).
class CCabrilloExporter : public log_export::ILogExporter {
public:
    log_export::Format GetFormat() const override { return log_export::Format::cabrillo; }
    Cp932 GetName() const override;
    std::string GetExtension() const override { return "cbr"; }
    Cp932 GetFilter() const override;
    Cp932 Check(const CQuillmarkData_MainData& contest,
                const log_export::Options& options) const override;
    log_export::Result Write(const CQuillmarkData_MainData& contest,
                             const log_export::Options& options, std::ostream& out,
                             const log_export::Progress& progress) const override;

    // Fills the header fields of options from the contest and options.summary: the
    // suggested CONTEST and categories, NAME, ADDRESS (with the postal code as its last line)
    // and SOAPBOX from the summary-sheet information. Japanese texts among them are refused
    // by Check until the operator writes them over.
    static void SuggestHeader(const CQuillmarkData_MainData& contest, log_export::Options& options);
    // What a contest suggests for the header: SINGLE-OP; the band of its contacts, or ALL;
    // the one mode of its contacts, or MIXED.
    static std::vector<log_export::CabrilloCategory> SuggestedCategories(
        const CQuillmarkData_MainData& contest);
    // The contest name as a CONTEST value when it can be one (letters in upper case, blanks
    // as '-'); empty when it holds anything else.
    static std::string SuggestedContestId(const CQuillmarkData_MainData& contest);
    // A CONTEST value: 1 to 32 of A-Z, 0-9 and '-'.
    static bool IsContestId(std::string_view text);
};
