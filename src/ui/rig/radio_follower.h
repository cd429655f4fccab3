#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "settings/rig_settings.h"
#include "ui/rig/rig_poller.h"

class CQuillmarkDoc;

// Brings what the radio says into the program: the status bar's radio pane, and the band
// and mode of the contest in front. While a dialog or wizard is open nothing changes; the
// latest reading waits and is applied when it closes.
class CRadioFollower : public QObject {
    Q_OBJECT
public:
    using ContestInFront = std::function<CQuillmarkDoc*()>;
    using ShowPane = std::function<void(const QString&)>;

    // reconnect_ms: how long the poller waits before it tries a lost radio again.
    CRadioFollower(ContestInFront contest, ShowPane show, QObject* parent = nullptr,
                   int reconnect_ms = CRigPoller::kReconnectMilliseconds);

    void Apply(const CRigSettings& settings);
    // The contest in front changed: it follows the radio too.
    void ContestChanged();

    CRigPoller& Poller() { return poller_; }
    bool HasPendingReading() const { return pending_.has_value() && !applied_; }

private:
    struct Reading {
        double hz;
        QString mode;
    };
    void OnReading(double hz, const QString& mode);
    void OnState(bool connected, const QString& reason);
    void ApplyReading();

    ContestInFront contest_;
    ShowPane show_;
    CRigPoller poller_;
    bool on_ = false;
    std::optional<Reading> pending_;
    bool applied_ = false;
    // Looks again while a dialog keeps the reading waiting.
    QTimer retry_;
};
