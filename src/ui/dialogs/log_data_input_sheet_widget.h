#pragma once

#include <array>
#include <map>

#include "ui/widgets/wizard_frame.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class CLogDataInputSheet;
class CQuillmarkSystem;
class CRangeSpinBox;
class CReplacingLineEdit;

// The log entry wizard on screen: one page widget per page of CLogDataInputSheet (date, call
// sign, contest numbers, points, mode, calling method, card, comment), of which a run shows
// those of its mask. The window is built once and used for every run and every sheet, so
// opening it for the next contact costs nothing and it reappears where the operator left it.
// Next copies the shown page's controls into the page state and lets the sheet check them;
// a refusal (the sheet has shown the warning) puts the focus back on the field, its text
// selected. The focus always lands in the field to type next.
class CLogDataInputSheetWidget : public CWizardFrame {
    Q_OBJECT
public:
    explicit CLogDataInputSheetWidget(const CQuillmarkSystem& settings, QWidget* parent = nullptr);

    // Runs the sheet's current run modally; the sheet decides the result.
    int Run(CLogDataInputSheet& sheet);

    // The controls, for the tests.
    CReplacingLineEdit* CallSignEdit() const { return call_sign_; }
    CReplacingLineEdit* SentEdit() const { return sent_; }
    CReplacingLineEdit* ReceivedEdit() const { return received_; }

public slots:
    void reject() override;

protected:
    void OnNext() override;
    void OnBack() override;

private:
    QWidget* BuildDatePage();
    QWidget* BuildCallSignPage();
    QWidget* BuildContestNumberPage();
    QWidget* BuildPointsPage();
    QWidget* BuildModePage();
    QWidget* BuildCallingMethodPage();
    QWidget* BuildCardPage();
    QWidget* BuildCommentPage();
    QWidget* Page(QWidget* body, QLabel** guidance);

    void ShowActivePage();
    void LoadActivePage();
    void StoreActivePage();
    void FocusFirstField();
    void FocusField(int control_id);

    const CQuillmarkSystem& settings_;
    CLogDataInputSheet* sheet_ = nullptr;
    // Page widget index by page bit.
    std::map<int, int> page_of_bit_;
    std::map<int, QWidget*> controls_;
    std::array<QLabel*, 8> guidance_{};

    std::array<CRangeSpinBox*, 6> date_{};
    CReplacingLineEdit* call_sign_ = nullptr;
    CReplacingLineEdit* sent_ = nullptr;
    CReplacingLineEdit* received_ = nullptr;
    CRangeSpinBox* points_ = nullptr;
    QComboBox* mode_ = nullptr;
    QRadioButton* calling_ = nullptr;
    QRadioButton* answering_ = nullptr;
    std::array<QCheckBox*, 3> cards_{};
    QLineEdit* comment_ = nullptr;
};
