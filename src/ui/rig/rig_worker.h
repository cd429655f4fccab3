#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "rig/hamlib/rig_link.h"
#include "settings/rig_settings.h"

class QTimer;

// Lives on the poller's thread: asks the radio for frequency and mode every poll interval,
// tries to connect again every reconnect interval while it cannot, and reports only
// changes. A radio that does not answer holds up this thread, never the window's.
class CRigWorker : public QObject {
    Q_OBJECT
public:
    CRigWorker(int poll_ms, int reconnect_ms);
    ~CRigWorker() override;

    // Both run on the worker's thread (the poller queues them).
    void Start(const CRigSettings& settings);
    void Stop();

signals:
    void readingChanged(double hz, const QString& mode);
    void stateChanged(bool connected, const QString& reason);

private:
    void Tick();
    void ReportState(bool connected, const std::string& reason);

    int reconnect_ms_;
    QTimer* timer_;
    std::unique_ptr<CRigLink> link_;
    QElapsedTimer since_attempt_;
    std::optional<CRigLink::Reading> last_;
    std::optional<std::pair<bool, std::string>> reported_;
};
