#include "dialogs/log_data_input_sheet.h"

#include <array>

#include "dialogs/operator.h"

CLogDataInputSheet::CLogDataInputSheet(IOperator& op, const CQuillmarkSystem& settings,
                                       std::string_view caption)
    : operator_(op), settings_(settings), caption_(caption) {}

int CLogDataInputSheet::RunWizard(int mask) {
    const std::array<CLogDataInputPage*, kPageCount> pages = {
        &date_, &call_sign_, &contest_number_, &points_, &electric_wave_type_,
        &cq_,   &card_,      &comments_};
    run_pages_.clear();
    for (CLogDataInputPage* page : pages) {
        if ((mask & page->GetPageBit()) != 0) {
            run_pages_.push_back(page);
        }
    }
    if (run_pages_.empty()) {
        return 0;
    }
    running_ = true;
    finished_ = false;
    last_check_ = {};
    Activate(0);
    operator_.RunDialog(*this, mask);
    // Only Next on the last page ends the wizard with 1, whatever the window returned.
    const int result = finished_ ? 1 : 2;
    running_ = false;
    finished_ = false;
    active_ = -1;
    run_pages_.clear();
    return result;
}

CLogDataInputPage* CLogDataInputSheet::GetActivePage() const {
    if (!running_ || active_ < 0 || active_ >= static_cast<int>(run_pages_.size())) {
        return nullptr;
    }
    return run_pages_[static_cast<size_t>(active_)];
}

CLogDataInputSheet::NextResult CLogDataInputSheet::Next() {
    CLogDataInputPage* const page = GetActivePage();
    if (page == nullptr || finished_) {
        return NextResult::not_running;
    }
    last_check_ = page->OnWizardNext(settings_);
    if (!last_check_.passed) {
        operator_.ShowMessage(last_check_.warning, last_check_.caption,
                              message_box::kOk | message_box::kIconExclamation);
        return NextResult::refused;
    }
    if (active_ + 1 == static_cast<int>(run_pages_.size())) {
        finished_ = true;
        return NextResult::finished;
    }
    Activate(active_ + 1);
    return NextResult::moved;
}

bool CLogDataInputSheet::Back() {
    if (!HasBackButton() || finished_) {
        return false;
    }
    Activate(active_ - 1);
    return true;
}

void CLogDataInputSheet::Cancel() {
    if (running_) {
        active_ = -1;
        finished_ = false;
    }
}

void CLogDataInputSheet::Activate(int index) {
    active_ = index;
    run_pages_[static_cast<size_t>(index)]->OnSetActive(settings_);
}
