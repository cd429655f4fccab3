#include "settings/rig_settings.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::string_view kSection = "RigControl";
constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

}  // namespace

const int* CRigSettings::Speeds(int* count) {
    *count = static_cast<int>(std::size(kSpeeds));
    return kSpeeds;
}

void CRigSettings::Load(const ISettingsStore& store) {
    connection = store.GetInt(kSection, "Connection", kOff);
    model = store.GetInt(kSection, "Model", kDefaultModel);
    // Device paths and host names are ASCII; the store keeps them as they are.
    serial_port = store.GetString(kSection, "SerialPort", serial_port);
    speed = store.GetInt(kSection, "Speed", kDefaultSpeed);
    host = store.GetString(kSection, "Host", host);
    network_port = store.GetInt(kSection, "NetworkPort", kDefaultNetworkPort);
    Validate();
}

void CRigSettings::Validate() {
    if (connection < kOff || connection > kRigctld) {
        connection = kOff;
    }
    if (model < 1) {
        model = kDefaultModel;
    }
    if (std::find(std::begin(kSpeeds), std::end(kSpeeds), speed) == std::end(kSpeeds)) {
        speed = kDefaultSpeed;
    }
    if (network_port < 1 || network_port > 65535) {
        network_port = kDefaultNetworkPort;
    }
    if (host.empty()) {
        host = "localhost";
    }
}

void CRigSettings::Save(ISettingsStore& store) const {
    // A station without a radio link keeps a settings file without the section.
    if (*this == CRigSettings() && store.GetKeys(kSection).empty()) {
        return;
    }
    store.SetInt(kSection, "Connection", connection);
    store.SetInt(kSection, "Model", model);
    store.SetString(kSection, "SerialPort", serial_port);
    store.SetInt(kSection, "Speed", speed);
    store.SetString(kSection, "Host", host);
    store.SetInt(kSection, "NetworkPort", network_port);
}
