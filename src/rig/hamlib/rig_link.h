#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/rig_settings.h"

// One connection to the transceiver through Hamlib: a radio on a serial port or a rig
// daemon on the network. Opening and every read may take as long as the radio's timeout, so
// a link belongs to the poller's worker thread, never to the window's. Failures come back
// as a short Japanese reason for the status bar.
class CRigLink {
public:
    struct Reading {
        double hz = 0;
        // Hamlib's name of the mode ("USB", "CW"), empty when the radio does not say.
        std::string mode;
    };
    struct Model {
        int id;
        std::string maker;
        std::string name;
    };

    explicit CRigLink(const CRigSettings& settings);
    ~CRigLink();
    CRigLink(const CRigLink&) = delete;
    CRigLink& operator=(const CRigLink&) = delete;

    // False with the reason when the radio cannot be reached.
    bool Open(std::string* reason);
    bool IsOpen() const { return open_; }
    void Close();
    std::optional<Reading> Read(std::string* reason);
    // For tests against the dummy radio: tune it.
    bool SetFrequency(double hz, std::string* reason);
    bool SetMode(const std::string& mode, std::string* reason);

    // Every radio Hamlib knows, by maker and name.
    static std::vector<Model> Models();
    // Whether the program was built with Hamlib.
    static bool Available();
    // Hamlib switches LC_NUMERIC to "C" while it opens a radio and then restores the name it
    // saved, which the switch itself has freed unless the locale already was "C". Call this on
    // the user-interface thread before the poller's thread starts; Open calls it too.
    static void UseCNumbers();

private:
    struct Rig;
    CRigSettings settings_;
    std::unique_ptr<Rig> rig_;
    bool open_ = false;
};
