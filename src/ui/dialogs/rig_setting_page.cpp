#include "ui/dialogs/rig_setting_page.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/system_setting_sheet.h"
#include "rig/hamlib/rig_link.h"
#include "settings/rig_settings.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/widgets/range_spin_box.h"

namespace {

using dialog_support::Label;

// The serial devices present now, by their stable names first, then the usual ones.
QStringList SerialPorts() {
    QStringList ports;
    const QDir by_id(QStringLiteral("/dev/serial/by-id"));
    for (const QString& name : by_id.entryList(QDir::System | QDir::Files)) {
        ports << by_id.filePath(name);
    }
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& name :
         dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}, QDir::System)) {
        ports << dev.filePath(name);
    }
    if (ports.isEmpty()) {
        ports << QStringLiteral("/dev/ttyUSB0");
    }
    return ports;
}

}  // namespace

CRigSettingPage::CRigSettingPage(QWidget* parent) : QWidget(parent) {
    auto* connection = new QGroupBox(QStringLiteral("無線機との接続"), this);
    auto* connection_layout = new QVBoxLayout(connection);
    const char* const texts[] = {"無線機とつながない。(&N)", "Hamlib で無線機とつなぐ。(&H)",
                                 "ネットワークの rigctld とつなぐ。(&R)"};
    for (int i = 0; i < 3; ++i) {
        connection_[i] = new QRadioButton(QString::fromUtf8(texts[i]), connection);
        connection_layout->addWidget(connection_[i]);
        connect(connection_[i], &QRadioButton::toggled, this, &CRigSettingPage::UpdateEnabled);
    }

    radio_group_ = new QGroupBox(QStringLiteral("Hamlib"), this);
    model_ = new QComboBox(radio_group_);
    model_->setMaxVisibleItems(20);
    serial_port_ = new QComboBox(radio_group_);
    serial_port_->setEditable(true);
    serial_port_->addItems(SerialPorts());
    speed_ = new QComboBox(radio_group_);
    int count = 0;
    const int* speeds = CRigSettings::Speeds(&count);
    for (int i = 0; i < count; ++i) {
        speed_->addItem(QStringLiteral("%1 bps").arg(speeds[i]), speeds[i]);
    }
    auto* radio_layout = new QFormLayout(radio_group_);
    radio_layout->addRow(Label(QStringLiteral("機種(&M) ："), model_, radio_group_), model_);
    radio_layout->addRow(Label(QStringLiteral("ポート(&P) ："), serial_port_, radio_group_),
                         serial_port_);
    radio_layout->addRow(Label(QStringLiteral("通信速度(&S) ："), speed_, radio_group_), speed_);

    network_group_ = new QGroupBox(QStringLiteral("rigctld"), this);
    host_ = new QLineEdit(network_group_);
    network_port_ = new CRangeSpinBox(1, 65535, 5, network_group_);
    auto* network_layout = new QFormLayout(network_group_);
    network_layout->addRow(Label(QStringLiteral("ホスト名(&O) ："), host_, network_group_), host_);
    network_layout->addRow(
        Label(QStringLiteral("ポート番号(&T) ："), network_port_, network_group_), network_port_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connection);
    layout->addWidget(radio_group_);
    layout->addWidget(network_group_);
    auto* note = new QLabel(this);
    note->setWordWrap(true);
    note->setText(CRigLink::Available()
                      ? QStringLiteral("つないだ無線機の周波数と電波の型式に合わせて、アクティブな"
                                       "周波数帯と電波の型式が切り替わります。")
                      : QStringLiteral("このプログラムは Hamlib なしで作られているため、無線機と"
                                       "つなぐことはできません。"));
    layout->addWidget(note);
    layout->addStretch();
    focus_targets_[CSystemSettingSheet::kRigSerialPortEdit] = serial_port_;
    focus_targets_[CSystemSettingSheet::kRigHostEdit] = host_;
    focus_targets_[CSystemSettingSheet::kRigNetworkPortEdit] = network_port_;
}

void CRigSettingPage::FillModels() {
    if (model_->count() > 0) {
        return;
    }
    for (const CRigLink::Model& model : CRigLink::Models()) {
        model_->addItem(QStringLiteral("%1 %2").arg(QString::fromStdString(model.maker),
                                                    QString::fromStdString(model.name)),
                        model.id);
    }
}

void CRigSettingPage::Load(const CRigSettings& rig) {
    FillModels();
    connection_[std::clamp(rig.connection, 0, 2)]->setChecked(true);
    int index = model_->findData(rig.model);
    if (index < 0) {
        // A model this Hamlib does not list stays as a number.
        model_->addItem(QStringLiteral("機種番号 %1").arg(rig.model), rig.model);
        index = model_->count() - 1;
    }
    model_->setCurrentIndex(index);
    serial_port_->setCurrentText(QString::fromStdString(rig.serial_port));
    speed_->setCurrentIndex(std::max(0, speed_->findData(rig.speed)));
    host_->setText(QString::fromStdString(rig.host));
    network_port_->setValue(rig.network_port);
    UpdateEnabled();
}

void CRigSettingPage::Store(CRigSettings& rig) const {
    for (int i = 0; i < 3; ++i) {
        if (connection_[i]->isChecked()) {
            rig.connection = i;
        }
    }
    if (model_->currentIndex() >= 0) {
        rig.model = model_->currentData().toInt();
    }
    rig.serial_port = serial_port_->currentText().trimmed().toStdString();
    rig.speed = speed_->currentData().toInt();
    rig.host = host_->text().trimmed().toStdString();
    rig.network_port = network_port_->value();
}

void CRigSettingPage::UpdateEnabled() {
    radio_group_->setEnabled(connection_[CRigSettings::kHamlib]->isChecked());
    network_group_->setEnabled(connection_[CRigSettings::kRigctld]->isChecked());
}
