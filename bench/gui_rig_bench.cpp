// Following the radio: the time from the radio's frequency change to the active band
// switched (through a rig daemon with Hamlib's dummy radio, polled as the program does), and
// how long an event waits on the window's thread with and without the radio being polled.
// Needs rigctld; run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>

#include "../tests/rig/rigctld_process.h"
#include "bench_contest.h"
#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "rig/hamlib/rig_link.h"
#include "settings/quillmark_system.h"
#include "ui/rig/radio_follower.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char arg0[] = "gui_rig_bench";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

struct Station {
    Station() {
        App();
        document->GetContest() = MakeBenchContest({7, 14});
        document->GetContest().SetActiveBandAt(0);
        std::string reason;
        ready = daemon.IsRunning() && tuner.Open(&reason);
    }
    double Active() const {
        return document->GetContest().GetActiveBand()->GetBand().GetFrequency();
    }

    rig_test::RigctldProcess daemon;
    CRigLink tuner{rig_test::DaemonSettings(daemon.Port())};
    bool ready = false;
    CScriptedOperator op;
    CQuillmarkSystem settings;
    CCityCodeData_MainDataOrganization city_codes;
    std::shared_ptr<CQuillmarkDoc> document =
        std::make_shared<CQuillmarkDoc>(op, settings, &city_codes);
    CRadioFollower follower{[this] { return document.get(); }, [](const QString&) {}};
};

void BM_RadioFrequencyToActiveBand(benchmark::State& state) {
    Station station;
    if (!station.ready) {
        state.SkipWithError("rigctld is not available");
        return;
    }
    station.follower.Apply(rig_test::DaemonSettings(station.daemon.Port()));
    std::string reason;
    bool upper = true;
    for (auto _ : state) {
        const double target = upper ? 14 : 7;
        const auto start = std::chrono::steady_clock::now();
        station.tuner.SetFrequency(upper ? 14.025e6 : 7.025e6, &reason);
        QElapsedTimer limit;
        limit.start();
        while (station.Active() != target && limit.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        upper = !upper;
    }
}
BENCHMARK(BM_RadioFrequencyToActiveBand)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// range(0): 1 while the radio is polled.
void BM_EventLatencyOnTheWindowThread(benchmark::State& state) {
    Station station;
    if (!station.ready) {
        state.SkipWithError("rigctld is not available");
        return;
    }
    if (state.range(0) == 1) {
        station.follower.Apply(rig_test::DaemonSettings(station.daemon.Port()));
    }
    for (auto _ : state) {
        bool ran = false;
        std::chrono::steady_clock::time_point done;
        const auto start = std::chrono::steady_clock::now();
        QTimer::singleShot(0, [&] {
            done = std::chrono::steady_clock::now();
            ran = true;
        });
        while (!ran) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        state.SetIterationTime(std::chrono::duration<double>(done - start).count());
        // Let the poller's readings come in between the measured events.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}
BENCHMARK(BM_EventLatencyOnTheWindowThread)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);

}  // namespace
