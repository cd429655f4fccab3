#include <gtest/gtest.h>

#include <chrono>

#include "rig/hamlib/rig_link.h"
#include "rigctld_process.h"

namespace {

using Clock = std::chrono::steady_clock;

class RigLink : public testing::Test {
protected:
    void SetUp() override {
        if (!CRigLink::Available()) {
            GTEST_SKIP() << "built without Hamlib";
        }
    }
    std::string reason_;
};

TEST_F(RigLink, TheDummyRadioInProcessIsTunedAndRead) {
    CRigLink link({.connection = CRigSettings::kHamlib});
    ASSERT_TRUE(link.Open(&reason_)) << reason_;
    ASSERT_TRUE(link.SetFrequency(14.025e6, &reason_) && link.SetMode("CW", &reason_)) << reason_;
    const auto reading = link.Read(&reason_);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->hz, 14.025e6);
    EXPECT_EQ(reading->mode, "CW");
    link.Close();
    EXPECT_FALSE(link.Read(&reason_));
    EXPECT_EQ(reason_, "接続されていません");

    const auto models = CRigLink::Models();
    const auto dummy = std::find_if(models.begin(), models.end(),
                                    [](const CRigLink::Model& m) { return m.id == 1; });
    ASSERT_NE(dummy, models.end());
    EXPECT_EQ(dummy->name, "Dummy");
    EXPECT_GT(models.size(), 100u);
}

TEST_F(RigLink, ARigDaemonThatIsNotRunningOrStopsAnsweringGivesAReasonSoon) {
    CRigLink absent(rig_test::DaemonSettings(rig_test::FreeLoopbackPort()));
    const auto start = Clock::now();
    EXPECT_FALSE(absent.Open(&reason_));
    EXPECT_FALSE(reason_.empty());
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));

    rig_test::RigctldProcess daemon;
    if (!daemon.IsRunning()) {
        GTEST_SKIP() << "rigctld is not installed";
    }
    CRigLink link(rig_test::DaemonSettings(daemon.Port()));
    ASSERT_TRUE(link.Open(&reason_)) << reason_;
    ASSERT_TRUE(link.SetFrequency(7.025e6, &reason_) && link.SetMode("USB", &reason_)) << reason_;
    auto reading = link.Read(&reason_);
    ASSERT_TRUE(reading) << reason_;
    EXPECT_EQ(reading->hz, 7.025e6);
    EXPECT_EQ(reading->mode, "USB");

    daemon.Pause();
    const auto paused = Clock::now();
    EXPECT_FALSE(link.Read(&reason_));
    EXPECT_FALSE(reason_.empty());
    EXPECT_LT(Clock::now() - paused, std::chrono::seconds(5));
    daemon.Kill();
    link.Close();
    EXPECT_FALSE(link.Open(&reason_));
}

}  // namespace
