// Following the radio through a rig daemon with Hamlib's dummy radio: no hardware needed.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>

#include "../document/document_test_util.h"
#include "../rig/rigctld_process.h"
#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "rig/hamlib/rig_link.h"
#include "settings/quillmark_system.h"
#include "ui/rig/radio_follower.h"
#include "ui_test_util.h"

namespace {

class RadioFollowing : public testing::Test {
protected:
    void SetUp() override {
        if (!CRigLink::Available() || !daemon_.IsRunning()) {
            GTEST_SKIP() << "needs Hamlib and rigctld";
        }
        settings_ = rig_test::DaemonSettings(daemon_.Port());
        ASSERT_TRUE(tuner_.Open(&reason_)) << reason_;
        CQuillmarkData_MainData& contest = doc_->GetContest();
        contest = doc_test::Contest();
        contest.AddBand(doc_test::Band(7, 6));
        contest.AddBand(doc_test::Band(14, 6));
        contest.SetActiveBandAt(0);
    }
    double Active() const { return doc_->GetContest().GetActiveBand()->GetBand().GetFrequency(); }
    void Tune(double hz, const char* mode) {
        ASSERT_TRUE(tuner_.SetFrequency(hz, &reason_) && tuner_.SetMode(mode, &reason_)) << reason_;
    }

    ui_test::AppGuard app_;
    rig_test::RigctldProcess daemon_;
    CRigSettings settings_;
    // The test turns the radio's knob through a connection of its own to the daemon.
    CRigLink tuner_{rig_test::DaemonSettings(daemon_.Port())};
    std::string reason_;
    CScriptedOperator op_;
    CQuillmarkSystem system_;
    CCityCodeData_MainDataOrganization city_codes_;
    std::shared_ptr<CQuillmarkDoc> doc_ =
        std::make_shared<CQuillmarkDoc>(op_, system_, &city_codes_);
    QString pane_;
    // A lost radio is tried again sooner than in the program, to keep the test short.
    CRadioFollower follower_{[this] { return doc_.get(); },
                             [this](const QString& text) { pane_ = text; }, nullptr, 300};
};

TEST_F(RadioFollowing, TheBandFollowsTheRadioButWaitsForAnOpenDialog) {
    follower_.Apply(settings_);
    Tune(14.025e6, "CW");
    // The knob and the mode switch are two calls: a poll may come between them.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return Active() == 14 && pane_ == QStringLiteral("無線機: 14.025 MHz CW"); },
        3000))
        << pane_.toStdString();
    EXPECT_EQ(ui_test::J("CW"), doc_->GetContest().GetActiveBand()->GetMode());
    EXPECT_TRUE(op_.Messages().empty());

    // A dialog is open: the pane follows, the contest does not until it closes.
    bool still_14_while_open = false;
    QTimer::singleShot(0, [&] {
        QDialog dialog;
        QTimer::singleShot(0, [this] { Tune(7.010e6, "USB"); });
        QTimer::singleShot(900, &dialog, [&] {
            still_14_while_open = Active() == 14 && pane_.contains(QStringLiteral("7.010"));
            dialog.accept();
        });
        dialog.exec();
    });
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return Active() == 7 && pane_.endsWith(QStringLiteral("USB")); }, 4000));
    EXPECT_TRUE(still_14_while_open);
    EXPECT_EQ(ui_test::J("AM(SSB)"), doc_->GetContest().GetActiveBand()->GetMode());
}

TEST_F(RadioFollowing, ARadioThatStopsAnsweringIsShownAndReconnectedByItself) {
    follower_.Apply(settings_);
    Tune(7.030e6, "CW");
    ASSERT_TRUE(QTest::qWaitFor([this] { return pane_.contains(QStringLiteral("7.030")); }, 3000));
    daemon_.Pause();
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return pane_.startsWith(QStringLiteral("無線機: 未接続 (")); }, 5000))
        << pane_.toStdString();
    // The window's thread went on meanwhile: a contact could have been logged.
    QElapsedTimer timer;
    timer.start();
    QTest::qWait(20);
    EXPECT_LT(timer.elapsed(), 300);
    daemon_.Resume();
    EXPECT_TRUE(QTest::qWaitFor([this] { return pane_.contains(QStringLiteral("7.030")); }, 6000))
        << pane_.toStdString();

    CRigSettings off;
    follower_.Apply(off);
    EXPECT_TRUE(pane_.isEmpty());
}

}  // namespace
