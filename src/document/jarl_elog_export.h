#pragma once

#include <string_view>
#include <vector>

#include "document/log_exporter.h"

// The JARL electronic log: one CP932 text with CR LF line ends, a summary sheet of tags
// (<TAG>value</TAG>, one per line) and a log sheet of one line per contact, every band's
// contacts in one time order: date, time, band, mode, call sign, the sent and the received
// exchange (each parameter a blank-separated token, the signal report first), the multiplier
// of a First contact or "-", points. Version R2.1, or R1.0 with its own tags and the per-band
// SCORE lines. The summary comes from the contest and the summary-sheet information of the
// settings; tags they cannot fill are written empty and reported by MissingRequiredFields.
class CJarlElogExporter : public log_export::ILogExporter {
public:
    enum class Version { r21, r10 };

    // One summary tag as written: name, value (CP932), whether JARL requires it, and what
    // the operator calls it.
    struct Tag {
        std::string_view name;
        Cp932 value;
        bool required = false;
        std::string_view label;  // UTF-8
    };

    explicit CJarlElogExporter(Version version) : version_(version) {}

    log_export::Format GetFormat() const override;
    Cp932 GetName() const override;
    std::string GetExtension() const override { return "txt"; }
    Cp932 GetFilter() const override;
    Cp932 Check(const CQuillmarkData_MainData& contest,
                const log_export::Options& options) const override;
    std::vector<Cp932> MissingRequiredFields(const CQuillmarkData_MainData& contest,
                                             const log_export::Options& options) const override;
    log_export::Result Write(const CQuillmarkData_MainData& contest,
                             const log_export::Options& options, std::ostream& out,
                             const log_export::Progress& progress) const override;

    // The summary tags of this version in file order, without the SCORE lines.
    std::vector<Tag> SummaryTags(const CQuillmarkData_MainData& contest,
                                 const log_export::Options& options) const;

    // The oath of JARL's contests, as the printed summary sheet has it (CP932).
    static Cp932 OathText();

private:
    Version version_;
};
