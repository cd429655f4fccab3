#include "ui/rig/rig_poller.h"

#include "rig/hamlib/rig_link.h"
#include "ui/rig/rig_worker.h"

CRigPoller::CRigPoller(QObject* parent, int poll_ms, int reconnect_ms)
    : QObject(parent), thread_(new QThread), worker_(new CRigWorker(poll_ms, reconnect_ms)) {
    CRigLink::UseCNumbers();
    thread_->setObjectName(QStringLiteral("rig poller"));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &CRigWorker::readingChanged, this, &CRigPoller::readingChanged,
            Qt::QueuedConnection);
    connect(worker_, &CRigWorker::stateChanged, this, &CRigPoller::stateChanged,
            Qt::QueuedConnection);
    thread_->start();
}

CRigPoller::~CRigPoller() {
    CRigWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker] { worker->Stop(); }, Qt::QueuedConnection);
    thread_->quit();
    if (thread_->wait(kStopWaitMilliseconds)) {
        delete thread_;
    }
}

void CRigPoller::Apply(const CRigSettings& settings) {
    CRigWorker* worker = worker_;
    if (settings.connection == CRigSettings::kOff) {
        QMetaObject::invokeMethod(
            worker, [worker] { worker->Stop(); }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        worker, [worker, settings] { worker->Start(settings); }, Qt::QueuedConnection);
}
