#pragma once

#include <QObject>
#include <QThread>

#include "settings/rig_settings.h"

class CRigWorker;

// Owns the thread that talks to the radio. Its signals arrive queued on the thread that made
// the poller (the window's), so whoever listens may touch documents and widgets.
class CRigPoller : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMilliseconds = 200;
    static constexpr int kReconnectMilliseconds = 2000;

    explicit CRigPoller(QObject* parent = nullptr, int poll_ms = kPollMilliseconds,
                        int reconnect_ms = kReconnectMilliseconds);
    // Waits a moment for a read in progress; a connection attempt that hangs longer (a host
    // that never answers) is left to end with the program rather than hold up closing.
    ~CRigPoller() override;

    // Connects as settings say (again, when they changed); off stops polling.
    void Apply(const CRigSettings& settings);

signals:
    void readingChanged(double hz, const QString& mode);
    void stateChanged(bool connected, const QString& reason);

private:
    static constexpr int kStopWaitMilliseconds = 2000;
    QThread* thread_;
    CRigWorker* worker_;
};
