#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dialogs/contest_type_pages.h"
#include "dialogs/dialog_state.h"
#include "platform/cp932.h"

class CQuillmarkData_MainData;
class CQuillmarkSystem;
class IOperator;

// The contest setup wizard: five pages that define a new contest (mode 1) or change the
// description of an existing one (mode 2, formats read-only). It owns its pages, knows which
// one is shown and which wizard buttons are offered, and runs each page's checks when the
// operator presses Next. It never changes a document: the document preloads it, runs it
// through IOperator and reads the pages back. Reads the delimiters and the display time zone
// from the settings; in change mode it reads the existing contest for one duplicate check.
class CContestTypeSheet : public CDialogState {
public:
    static constexpr int kPageBegin = 0;
    static constexpr int kPageParameter1 = 1;
    static constexpr int kPageParameter2 = 2;
    static constexpr int kPageMainInformation1 = 3;
    static constexpr int kPageEnd = 4;
    static constexpr int kPageCount = 5;
    // Wizard buttons offered (besides Cancel, always there).
    static constexpr int kButtonBack = 0x1;
    static constexpr int kButtonNext = 0x2;
    static constexpr int kButtonFinish = 0x4;
    // The modal result of a finished run (cancel gives message_box::kIdCancel).
    static constexpr int kIdWizardFinish = 0x3025;

    // The default start is the next full hour after now.
    CContestTypeSheet(std::string_view caption, IOperator& op, const CQuillmarkSystem& settings);
    CContestTypeSheet(std::string_view caption, IOperator& op, const CQuillmarkSystem& settings,
                      int64_t now);

    const char* GetDialogName() const override { return "CContestTypeSheet"; }
    const Cp932& GetCaption() const { return caption_; }

    // Change mode: the contest whose log the own call sign must not appear in (not owned).
    void SetContestData(const CQuillmarkData_MainData* contest) { contest_ = contest; }

    // Shows the wizard modally in mode 1 or 2 (anything else returns 0 at once); 2 when the
    // operator cancelled, kIdWizardFinish when finished. The pages keep their values.
    int RunWizard(int mode);
    // 0 while not running.
    int GetMode() const { return mode_; }

    CContestTypePage_Begin& GetBeginPage() { return begin_; }
    CContestTypePage_Parameter_1& GetParameter1Page() { return parameter_1_; }
    CContestTypePage_Parameter_2& GetParameter2Page() { return parameter_2_; }
    CContestTypePage_MainInformation_1& GetMainInformation1Page() { return main_information_1_; }
    CContestTypePage_End& GetEndPage() { return end_; }
    const CContestTypePage_Parameter_1& GetParameter1Page() const { return parameter_1_; }
    const CContestTypePage_Parameter_2& GetParameter2Page() const { return parameter_2_; }
    const CContestTypePage_MainInformation_1& GetMainInformation1Page() const {
        return main_information_1_;
    }
    const CContestTypePage_End& GetEndPage() const { return end_; }

    // --- While running (the widget and the test script drive these). ---
    // The pages on the sheet: 5 while running, 0 otherwise.
    int GetPageCount() const { return mode_ == 0 ? 0 : kPageCount; }
    int GetActivePageIndex() const { return active_; }
    // The caption of the shown page.
    Cp932 GetActivePageCaption() const;
    int GetWizardButtons() const;
    // Runs the shown page's checks and moves on; on the last page the first Next only
    // turns Next into Finish. False when the page stays.
    bool Next();
    bool Back();
    // True when Finish is offered (the widget then closes with kIdWizardFinish).
    bool Finish() const { return (GetWizardButtons() & kButtonFinish) != 0; }
    // A key pressed in one of the attribute lists of the shown Parameter_2 page.
    bool OnParameterListKeyDown(int list, int key, const std::vector<int>& selected_rows);

private:
    void Activate(int page);

    Cp932 caption_;
    IOperator& operator_;
    const CQuillmarkSystem& settings_;
    int mode_ = 0;
    const CQuillmarkData_MainData* contest_ = nullptr;
    CContestTypePage_Begin begin_;
    CContestTypePage_Parameter_1 parameter_1_;
    CContestTypePage_Parameter_2 parameter_2_;
    CContestTypePage_MainInformation_1 main_information_1_;
    CContestTypePage_End end_;
    int active_ = kPageBegin;
    bool ready_to_finish_ = false;
};
