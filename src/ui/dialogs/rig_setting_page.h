#pragma once

#include <QWidget>
#include <map>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class CRangeSpinBox;
class CRigSettings;

// The radio page of the system settings sheet: off, a radio through Hamlib (model, serial
// port, speed) or a network rig daemon (host, port). Only the group of the chosen
// connection is enabled.
class CRigSettingPage : public QWidget {
    Q_OBJECT
public:
    explicit CRigSettingPage(QWidget* parent = nullptr);

    void Load(const CRigSettings& rig);
    void Store(CRigSettings& rig) const;
    // The controls a check of the page can focus, by the sheet's control ids.
    const std::map<int, QWidget*>& FocusTargets() const { return focus_targets_; }

private:
    void UpdateEnabled();
    void FillModels();

    QRadioButton* connection_[3];
    QGroupBox* radio_group_;
    QComboBox* model_;
    QComboBox* serial_port_;
    QComboBox* speed_;
    QGroupBox* network_group_;
    QLineEdit* host_;
    CRangeSpinBox* network_port_;
    std::map<int, QWidget*> focus_targets_;
};
