#pragma once

#include <string>

#include "settings/settings_store.h"

// How the program reaches the transceiver: not at all (the default), a radio through Hamlib
// (a rig model on a serial port at a speed), or a network rig daemon (rigctld at a host and
// port). Kept in the settings store under "RigControl", beside the other settings and
// written with them.
class CRigSettings {
public:
    enum Connection { kOff = 0, kHamlib = 1, kRigctld = 2 };
    static constexpr int kDefaultModel = 1;  // Hamlib's dummy rig
    static constexpr int kDefaultNetworkPort = 4532;
    static constexpr int kDefaultSpeed = 9600;

    void Load(const ISettingsStore& store);
    // Values out of range become their defaults.
    void Validate();
    void Save(ISettingsStore& store) const;

    int connection = kOff;
    int model = kDefaultModel;
    std::string serial_port = "/dev/ttyUSB0";
    int speed = kDefaultSpeed;
    std::string host = "localhost";
    int network_port = kDefaultNetworkPort;

    bool operator==(const CRigSettings&) const = default;

    // The serial speeds offered.
    static const int* Speeds(int* count);
};
