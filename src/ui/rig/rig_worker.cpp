#include "ui/rig/rig_worker.h"

#include <QTimer>

CRigWorker::CRigWorker(int poll_ms, int reconnect_ms)
    : reconnect_ms_(reconnect_ms), timer_(new QTimer(this)) {
    timer_->setInterval(poll_ms);
    connect(timer_, &QTimer::timeout, this, &CRigWorker::Tick);
}

CRigWorker::~CRigWorker() = default;

void CRigWorker::Start(const CRigSettings& settings) {
    Stop();
    link_ = std::make_unique<CRigLink>(settings);
    since_attempt_.invalidate();
    timer_->start();
    Tick();
}

void CRigWorker::Stop() {
    timer_->stop();
    link_.reset();
    last_.reset();
    reported_.reset();
}

void CRigWorker::Tick() {
    if (link_ == nullptr) {
        return;
    }
    std::string reason;
    if (!link_->IsOpen()) {
        if (since_attempt_.isValid() && since_attempt_.elapsed() < reconnect_ms_) {
            return;
        }
        since_attempt_.start();
        if (!link_->Open(&reason)) {
            ReportState(false, reason);
            return;
        }
    }
    const std::optional<CRigLink::Reading> reading = link_->Read(&reason);
    if (!reading) {
        // Unplugged or switched off: connect again later, from the start.
        link_->Close();
        last_.reset();
        since_attempt_.start();
        ReportState(false, reason);
        return;
    }
    ReportState(true, {});
    if (!last_ || last_->hz != reading->hz || last_->mode != reading->mode) {
        last_ = reading;
        emit readingChanged(reading->hz, QString::fromStdString(reading->mode));
    }
}

void CRigWorker::ReportState(bool connected, const std::string& reason) {
    const std::pair<bool, std::string> state{connected, reason};
    if (reported_ != state) {
        reported_ = state;
        emit stateChanged(connected, QString::fromStdString(reason));
    }
}
