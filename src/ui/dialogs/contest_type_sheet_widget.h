#pragma once

#include <array>

#include "ui/widgets/wizard_frame.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class CContestTypeSheet;
class CQuillmarkSystem;
class CRangeSpinBox;
class CReplacingLineEdit;

// The contest setup wizard on screen: the five pages of CContestTypeSheet (begin, parameter
// counts, parameter rules, main information, summary) in new or change mode. Next copies
// the shown page's fields into its state and lets the sheet check and move on; a refused
// page gets the focus back on the field its state names, text selected. F9 on a row of the
// parameter lists opens the parameter attribute dialog through the sheet.
class CContestTypeSheetWidget : public CWizardFrame {
    Q_OBJECT
public:
    CContestTypeSheetWidget(CContestTypeSheet& sheet, const CQuillmarkSystem& settings,
                            QWidget* parent = nullptr);
    static int Run(QWidget* parent, CContestTypeSheet& sheet, const CQuillmarkSystem& settings);

    QTreeWidget* AttributeList(int list) const { return lists_[static_cast<size_t>(list)]; }

protected:
    void OnNext() override;
    void OnBack() override;
    void OnFinish() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBeginPage();
    QWidget* BuildParameter1Page();
    QWidget* BuildParameter2Page();
    QWidget* BuildMainInformationPage();
    QWidget* BuildEndPage();
    std::array<CRangeSpinBox*, 6> DateTimeRow(QWidget* parent, QLayout* into);

    void ShowActivePage();
    void StoreActivePage();
    void FocusRefusedField();
    void FillLists();

    CContestTypeSheet& sheet_;
    const CQuillmarkSystem& settings_;
    QLabel* begin_text_;
    QLabel* parameter1_heading_;
    std::array<CRangeSpinBox*, 4> counts_{};
    QLabel* parameter2_heading_;
    std::array<QTreeWidget*, 2> lists_{};
    QLineEdit* name_;
    QLineEdit* category_code_;
    QLineEdit* category_name_;
    CReplacingLineEdit* own_call_sign_;
    std::array<CRangeSpinBox*, 6> start_{};
    std::array<CRangeSpinBox*, 6> end_{};
    QPlainTextEdit* summary_;
    QLabel* end_instruction_;
};
