// The application's part in following the transceiver: the radio follower starts with the
// stored connection and follows the contest window in front.

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/app/quillmark_app.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/main_status_bar.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/rig/radio_follower.h"

void CQuillmarkApp::StartRadio() {
    radio_ = std::make_unique<CRadioFollower>(
        [this] { return ContestInFront(); },
        [this](const QString& text) { main_frame_->MainStatusBar()->SetRadioText(text); });
    QObject::connect(main_frame_->mdiArea(), &QMdiArea::subWindowActivated, radio_.get(),
                     [this](QMdiSubWindow* window) {
                         if (window != nullptr) {
                             radio_->ContestChanged();
                         }
                     });
    radio_->Apply(rig_settings_);
}

CQuillmarkDoc* CQuillmarkApp::ContestInFront() const {
    const QList<CChildFrame*> frames = main_frame_->ChildFrames(true);
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
        if (auto* contest = qobject_cast<CQuillmarkChildFrame*>(*frame)) {
            return &contest->QuillmarkDocument();
        }
    }
    return nullptr;
}
