#pragma once

#include <QDialog>
#include <map>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class CRangeSpinBox;
class CRigSettingPage;
class CSystemSettingSheet;
struct SettingCheck;
class IOperator;

// The system settings sheet on screen: a tab per page of CSystemSettingSheet, with the
// state's values in the controls. Leaving a page, and OK, copy the controls into the state
// and run its page check; a refusal keeps the page with the warning and the focus on the
// field. The replacement pairs are edited through the state's pair operations, so their
// checks are the state's own.
class CSystemSettingSheetWidget : public QDialog {
    Q_OBJECT
public:
    CSystemSettingSheetWidget(CSystemSettingSheet& sheet, IOperator& op, QWidget* parent = nullptr);

    // Runs the sheet modally: kIdOk or kIdCancel.
    static int Run(QWidget* parent, CSystemSettingSheet& sheet, IOperator& op);

    QTabWidget* Tabs() const { return tabs_; }

public slots:
    void accept() override;

private:
    QWidget* BuildSystemPage();
    QWidget* BuildCharactersPage();
    QWidget* BuildAddingLogDataPage();
    QWidget* BuildDisplayingPage();
    QWidget* BuildPrintingPage();
    void Load();
    void Store();
    // Stores, checks page and shows its warning; false when it failed.
    bool CheckPage(int page);
    void Warn(const SettingCheck& check);
    void FillPairs(int select);
    void OnPairSelected();
    void AddOrChangePair(bool change);

    CSystemSettingSheet& sheet_;
    IOperator& operator_;
    QTabWidget* tabs_;
    int shown_page_ = 0;
    bool switching_back_ = false;
    std::map<int, QWidget*> focus_targets_;

    QCheckBox* saving_settings_;
    QCheckBox* title_logo_;
    CRangeSpinBox* elapse_;
    QRadioButton* placement_[3];
    QCheckBox* date_display_;
    QLineEdit* date_display_string_;
    QCheckBox* automatic_saving_;
    QLineEdit* punctuation_;
    QCheckBox* replacing_;
    QTreeWidget* pairs_;
    QLineEdit* pair_source_;
    QLineEdit* pair_destination_;
    QCheckBox* points_every_time_;
    CRangeSpinBox* default_points_;
    QCheckBox* mode_every_time_;
    QCheckBox* cq_every_time_;
    QCheckBox* card_every_time_;
    QCheckBox* card_demand_;
    QCheckBox* comments_every_time_;
    CRangeSpinBox* decimals_;
    QCheckBox* utc_;
    QRadioButton* print_type_[4];
    QCheckBox* print_dialog_bypassed_;
    CRigSettingPage* rig_page_;
};
