#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "dialogs/dialog_state.h"
#include "dialogs/log_data_input_pages.h"
#include "platform/cp932.h"

class CQuillmarkSystem;
class IOperator;

// The log entry wizard: eight pages, one per field of a log entry, run any number of times
// with a different choice of pages (a page mask, bit 1 date … 128 comments) and read back
// afterwards. It owns its pages and keeps their values from one run to the next.
//
// RunWizard hands the sheet to IOperator::RunDialog; whoever plays the operator (the Qt
// wizard dialog, or the tests' scripted operator) then works the wizard's buttons through
// Next, Back and Cancel. Next runs the active page's check and shows its warning through the
// operator; the run ends with 1 only when Next passes on the last page.
class CLogDataInputSheet : public CDialogState {
public:
    static constexpr int kPageCount = 8;
    static constexpr int kAllPages = 255;

    enum class NextResult { moved, finished, refused, not_running };

    // Where the wizard window was when the sheet last ended with Next.
    struct Placement {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    CLogDataInputSheet(IOperator& op, const CQuillmarkSystem& settings, std::string_view caption);
    CLogDataInputSheet(const CLogDataInputSheet&) = delete;
    CLogDataInputSheet& operator=(const CLogDataInputSheet&) = delete;

    const char* GetDialogName() const override { return "CLogDataInputSheet"; }
    const Cp932& GetCaption() const { return caption_; }
    const CQuillmarkSystem& GetSettings() const { return settings_; }

    // Runs the pages whose bits are set, in bit order. 0 without showing anything when the
    // mask selects no page, 2 when the operator cancelled, 1 when Next passed on the last page.
    int RunWizard(int mask);

    CLogDataInput_Date& GetDatePage() { return date_; }
    CLogDataInput_CallSign& GetCallSignPage() { return call_sign_; }
    CLogDataInput_ContestNumber& GetContestNumberPage() { return contest_number_; }
    CLogDataInput_Points& GetPointsPage() { return points_; }
    CLogDataInput_ElectricWaveType& GetElectricWaveTypePage() { return electric_wave_type_; }
    CLogDataInput_CQ& GetCQPage() { return cq_; }
    CLogDataInput_Card& GetCardPage() { return card_; }
    CLogDataInput_Comments& GetCommentsPage() { return comments_; }
    const CLogDataInput_Date& GetDatePage() const { return date_; }
    const CLogDataInput_CallSign& GetCallSignPage() const { return call_sign_; }
    const CLogDataInput_ContestNumber& GetContestNumberPage() const { return contest_number_; }
    const CLogDataInput_Points& GetPointsPage() const { return points_; }
    const CLogDataInput_ElectricWaveType& GetElectricWaveTypePage() const {
        return electric_wave_type_;
    }
    const CLogDataInput_CQ& GetCQPage() const { return cq_; }
    const CLogDataInput_Card& GetCardPage() const { return card_; }
    const CLogDataInput_Comments& GetCommentsPage() const { return comments_; }

    // --- While RunWizard runs: the wizard's pages and buttons. ---
    bool IsRunning() const { return running_; }
    // The pages of this run, in order.
    const std::vector<CLogDataInputPage*>& GetRunPages() const { return run_pages_; }
    int GetActivePageIndex() const { return active_; }
    // Null when the wizard is not running.
    CLogDataInputPage* GetActivePage() const;
    // The first page offers Next alone; the others Back and Next. There is never a Finish.
    bool HasBackButton() const { return running_ && active_ > 0; }
    // Checks the active page; a refusal is shown to the operator (its caption, the
    // exclamation icon, OK) and the page stays, with focus on GetLastCheck().focus.
    NextResult Next();
    // Goes back one page without storing what the active page shows.
    bool Back();
    // Ends the run with 2; the active page stores nothing.
    void Cancel();
    const LogDataInputCheck& GetLastCheck() const { return last_check_; }

    void SavePlacement(const Placement& placement) { placement_ = placement; }
    const std::optional<Placement>& GetSavedPlacement() const { return placement_; }

private:
    void Activate(int index);

    IOperator& operator_;
    const CQuillmarkSystem& settings_;
    Cp932 caption_;

    CLogDataInput_Date date_;
    CLogDataInput_CallSign call_sign_;
    CLogDataInput_ContestNumber contest_number_;
    CLogDataInput_Points points_;
    CLogDataInput_ElectricWaveType electric_wave_type_;
    CLogDataInput_CQ cq_;
    CLogDataInput_Card card_;
    CLogDataInput_Comments comments_;

    std::vector<CLogDataInputPage*> run_pages_;
    int active_ = -1;
    bool running_ = false;
    bool finished_ = false;
    LogDataInputCheck last_check_;
    std::optional<Placement> placement_;
};
