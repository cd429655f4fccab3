#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "document/log_exporter.h"

// Where a submission exporter puts its text: a block that is handed to the stream whenever
// it has grown large, and the progress report with its Cancel, asked every few hundred
// contacts so that neither costs anything noticeable per contact. Used by the three
// exporters' Write.
class CExportWriter {
public:
    CExportWriter(std::ostream& out, const log_export::Progress& progress, int64_t total);
    CExportWriter(const CExportWriter&) = delete;
    CExportWriter& operator=(const CExportWriter&) = delete;

    // The text not yet handed on; exporters append to it.
    std::string& Text() { return block_; }

    // Call after each contact. False when the operator cancelled or the stream failed.
    bool ContactDone();
    // Hands on the rest and reports the end. The result of the whole write.
    log_export::Result Finish();
    // The result when ContactDone said stop.
    log_export::Result Stopped() const;

private:
    bool Flush();

    std::ostream& out_;
    const log_export::Progress& progress_;
    int64_t total_;
    int64_t done_ = 0;
    std::string block_;
    bool cancelled_ = false;
    bool failed_ = false;
};
