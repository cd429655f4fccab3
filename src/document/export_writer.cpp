#include "document/export_writer.h"

#include <ostream>

namespace {

constexpr size_t kBlockBytes = 64 * 1024;
constexpr int64_t kReportEvery = 512;

}  // namespace

CExportWriter::CExportWriter(std::ostream& out, const log_export::Progress& progress, int64_t total)
    : out_(out), progress_(progress), total_(total) {
    block_.reserve(kBlockBytes + 4096);
    if (progress_ && !progress_(0, total_)) {
        cancelled_ = true;
    }
}

bool CExportWriter::Flush() {
    out_.write(block_.data(), static_cast<std::streamsize>(block_.size()));
    block_.clear();
    failed_ = !out_;
    return !failed_;
}

bool CExportWriter::ContactDone() {
    if (cancelled_ || failed_) {
        return false;
    }
    ++done_;
    if (block_.size() >= kBlockBytes && !Flush()) {
        return false;
    }
    if (done_ % kReportEvery == 0 && progress_ && !progress_(done_, total_)) {
        cancelled_ = true;
        return false;
    }
    return true;
}

log_export::Result CExportWriter::Finish() {
    if (cancelled_ || failed_) {
        return Stopped();
    }
    if (!Flush() || !out_.flush()) {
        failed_ = true;
        return Stopped();
    }
    if (progress_) {
        progress_(total_, total_);
    }
    return {};
}

log_export::Result CExportWriter::Stopped() const {
    log_export::Result result;
    result.status = cancelled_ ? log_export::Result::Status::cancelled
                               : log_export::Result::Status::write_failed;
    return result;
}
