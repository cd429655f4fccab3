#include "dialogs/contest_type_sheet.h"

#include "dialogs/operator.h"
#include "settings/quillmark_system.h"

CContestTypeSheet::CContestTypeSheet(std::string_view caption, IOperator& op,
                                     const CQuillmarkSystem& settings)
    : CContestTypeSheet(caption, op, settings, CQuillmarkSystem::GetCurrentTime()) {}

CContestTypeSheet::CContestTypeSheet(std::string_view caption, IOperator& op,
                                     const CQuillmarkSystem& settings, int64_t now)
    : caption_(caption),
      operator_(op),
      settings_(settings),
      main_information_1_(now, settings.GetDisplayTimeZoneRule()) {}

int CContestTypeSheet::RunWizard(int mode) {
    if (mode != contest_type::kModeNew && mode != contest_type::kModeChange) {
        return 0;
    }
    mode_ = mode;
    ready_to_finish_ = false;
    begin_.OnInitDialog(mode_);
    if (mode_ == contest_type::kModeChange) {
        parameter_1_.LoadFrom(parameter_2_.GetCallSignType(), parameter_2_.GetContestNumberType());
    }
    main_information_1_.OnInitDialog(settings_.GetDisplayTimeZoneRule(),
                                     settings_.GetPunctuationMarks());
    Activate(kPageBegin);
    int result = operator_.RunDialog(*this, 0);
    // Only a run that reached Finish has values every page accepted.
    if (!ready_to_finish_) {
        result = message_box::kIdCancel;
    }
    mode_ = 0;
    active_ = kPageBegin;
    return result;
}

Cp932 CContestTypeSheet::GetActivePageCaption() const {
    switch (active_) {
        case kPageBegin:
            return CContestTypePage_Begin::GetCaption();
        case kPageParameter1:
            return CContestTypePage_Parameter_1::GetCaption();
        case kPageParameter2:
            return CContestTypePage_Parameter_2::GetCaption();
        case kPageMainInformation1:
            return CContestTypePage_MainInformation_1::GetCaption();
        default:
            return CContestTypePage_End::GetCaption();
    }
}

int CContestTypeSheet::GetWizardButtons() const {
    if (mode_ == 0) {
        return 0;
    }
    if (ready_to_finish_) {
        return kButtonFinish;
    }
    return active_ == kPageBegin ? kButtonNext : kButtonBack | kButtonNext;
}

void CContestTypeSheet::Activate(int page) {
    active_ = page;
    switch (page) {
        case kPageParameter2:
            parameter_2_.OnSetActive(mode_, parameter_1_);
            break;
        case kPageEnd:
            end_.OnSetActive(main_information_1_, settings_.GetDisplayTimeZoneRule(),
                             settings_.GetPunctuationMarks());
            break;
        default:
            break;
    }
}

bool CContestTypeSheet::Next() {
    if ((GetWizardButtons() & kButtonNext) == 0) {
        return false;
    }
    bool passed = true;
    switch (active_) {
        case kPageParameter1:
            passed = parameter_1_.OnWizardNext(operator_);
            break;
        case kPageParameter2:
            passed = parameter_2_.OnWizardNext(operator_, mode_, parameter_1_);
            break;
        case kPageMainInformation1:
            passed = main_information_1_.OnWizardNext(
                operator_, mode_, parameter_2_.GetCallSignType(),
                mode_ == contest_type::kModeChange ? contest_ : nullptr,
                settings_.GetDisplayTimeZoneRule(), settings_.GetPunctuationMarks());
            break;
        case kPageEnd:
            // The page stays; only Finish is offered from now on.
            end_.OnWizardNext();
            ready_to_finish_ = true;
            return true;
        default:
            break;
    }
    if (!passed) {
        return false;
    }
    Activate(active_ + 1);
    return true;
}

bool CContestTypeSheet::Back() {
    if ((GetWizardButtons() & kButtonBack) == 0 || active_ == kPageBegin) {
        return false;
    }
    Activate(active_ - 1);
    return true;
}

bool CContestTypeSheet::OnParameterListKeyDown(int list, int key,
                                               const std::vector<int>& selected_rows) {
    if (mode_ == 0 || active_ != kPageParameter2) {
        return false;
    }
    return parameter_2_.OnListKeyDown(operator_, mode_, list, key, selected_rows);
}
