#include "ui/rig/radio_follower.h"

#include <QApplication>

#include "document/quillmark_doc.h"
#include "rig/rig_status_text.h"

namespace {

constexpr int kRetryMilliseconds = 150;

}  // namespace

CRadioFollower::CRadioFollower(ContestInFront contest, ShowPane show, QObject* parent,
                               int reconnect_ms)
    : QObject(parent),
      contest_(std::move(contest)),
      show_(std::move(show)),
      poller_(this, CRigPoller::kPollMilliseconds, reconnect_ms) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMilliseconds);
    connect(&retry_, &QTimer::timeout, this, &CRadioFollower::ApplyReading);
    connect(&poller_, &CRigPoller::readingChanged, this, &CRadioFollower::OnReading);
    connect(&poller_, &CRigPoller::stateChanged, this, &CRadioFollower::OnState);
}

void CRadioFollower::Apply(const CRigSettings& settings) {
    on_ = settings.connection != CRigSettings::kOff;
    pending_.reset();
    retry_.stop();
    show_(on_ ? QString::fromStdString(rig_status_text::NotConnected("接続しています"))
              : QString());
    poller_.Apply(settings);
}

void CRadioFollower::ContestChanged() {
    if (pending_) {
        applied_ = false;
        ApplyReading();
    }
}

void CRadioFollower::OnReading(double hz, const QString& mode) {
    if (!on_) {
        return;
    }
    show_(QString::fromStdString(rig_status_text::Connected(hz, mode.toStdString())));
    pending_ = Reading{hz, mode};
    applied_ = false;
    ApplyReading();
}

void CRadioFollower::OnState(bool connected, const QString& reason) {
    if (!on_ || connected) {
        return;
    }
    show_(QString::fromStdString(rig_status_text::NotConnected(reason.toStdString())));
}

void CRadioFollower::ApplyReading() {
    if (!pending_ || applied_) {
        return;
    }
    // A wizard or dialog is open (or a message box): its document must not change under it.
    if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget()) {
        retry_.start();
        return;
    }
    CQuillmarkDoc* contest = contest_();
    if (contest == nullptr) {
        return;
    }
    applied_ = true;
    contest->FollowRadio(pending_->hz, pending_->mode.toStdString());
}
