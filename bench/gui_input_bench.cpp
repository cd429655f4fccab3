// The log entry wizard on screen, on a contest of 10,000 contacts: how long the operator
// waits for it after F5, and one whole contact typed through the real windows (call sign,
// number, Enter through the pages and the confirmation) with the automatic save of the
// whole log. Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>

#include "bench_contest.h"
#include "citycode/city_code_organization.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/dialog_registry.h"
#include "ui/frames/main_frame.h"
#include "ui/qt_operator.h"
#include "ui/widgets/wizard_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

QApplication& App() {
    static int argc = 1;
    static char arg0[] = "gui_input_bench";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::string Station(int i, char area = '1') {
    std::string call = "JA";
    call += area;
    call += static_cast<char>('A' + (i / 676) % 26);
    call += static_cast<char>('A' + (i / 26) % 26);
    call += static_cast<char>('A' + i % 26);
    return call;
}

// Made before any widget of the fixture.
struct AppInit {
    AppInit() { App(); }
};

struct Fixture {
    Fixture() {
        // What a fresh installation asks at each contact: card data and a comment.
        settings_.SetIsInputPointsEveryTime(0);
        operator_.SetMainWindow(&frame_);
        RegisterDialogWidgets(operator_, settings_);
        doc_.SetProgramFolder(folder_.path().toStdString());
        CQuillmarkData_MainData& contest = doc_.GetContest();
        contest = MakeBenchContest({7});
        contest.SetActiveBandAt(0);
        CQuillmarkData_SubMainData* band = contest.GetActiveBand();
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("599/100", kBenchDelimiters, contest.GetContestNumberType());
        band->SetSentContestNumber(sent);
        for (int i = 0; i < 10000; ++i) {
            CQuillmarkData_CallSignItem call;
            call.SetText(Station(i), kBenchDelimiters, contest.GetCallSignType());
            CQuillmarkData_ContestNumberItem received;
            received.SetText("599/" + std::to_string(10 + i % 50), kBenchDelimiters,
                             contest.GetContestNumberType());
            CQuillmarkData_LogDataItem entry;
            entry.SetEntry(kBenchStart + i, call, sent, received, 1);
            band->AddEntry(std::move(entry));
        }
        contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
        doc_.RebuildGraphData();
        doc_.SetPathName(folder_.filePath(QStringLiteral("bench.qmk")).toStdString());
        frame_.show();
    }

    AppInit app_;
    QTemporaryDir folder_;
    CQuillmarkSystem settings_;
    CMainFrame frame_{settings_};
    CQtOperator operator_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
};

// Keys for each log entry page seen, by page caption, in order; the time when the last
// one was reached.
class Typist {
public:
    void Expect(const QString& caption, std::function<void(QWidget*)> act) {
        steps_.push_back({caption, std::move(act)});
    }
    Clock::time_point Run(const std::function<void()>& command) {
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* wizard = qobject_cast<CWizardFrame*>(QApplication::activeModalWidget());
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || steps_.empty() || pending_) {
                return;
            }
            const QString seen = wizard != nullptr ? wizard->PageCaption() : modal->windowTitle();
            if (qEnvironmentVariableIsSet("QM_TRACE")) {
                qInfo("seen %s", qPrintable(seen));
            }
            if (!seen.contains(steps_.front().caption)) {
                return;
            }
            reached_ = Clock::now();
            pending_ = true;
            QTimer::singleShot(0, [this, act = steps_.front().act, modal] {
                pending_ = false;
                act(modal);
            });
            steps_.pop_front();
        });
        poll.start();
        command();
        return reached_;
    }

private:
    struct Step {
        QString caption;
        std::function<void(QWidget*)> act;
    };
    std::deque<Step> steps_;
    Clock::time_point reached_;
    bool pending_ = false;
};

void Press(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->focusWidget() != nullptr ? window->focusWidget() : window, key);
}

void Type(QWidget* window, const QString& text) {
    QTest::keyClicks(window->focusWidget() != nullptr ? window->focusWidget() : window, text);
    Press(window, Qt::Key_Return);
}

void BM_LogEntryWizardOpensOn10000Contacts(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        Typist typist;
        typist.Expect(QStringLiteral("呼出符号の入力"), [](QWidget* w) { Press(w, Qt::Key_Escape); });
        const Clock::time_point start = Clock::now();
        const Clock::time_point shown = typist.Run([&] { fixture.doc_.InputLogData(false); });
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    }
}
BENCHMARK(BM_LogEntryWizardOpensOn10000Contacts)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_OneContactThroughTheWindowsWithAutomaticSaving(benchmark::State& state) {
    Fixture fixture;
    int next = 0;
    for (auto _ : state) {
        Typist typist;
        // Call area 2: no station of the log has it, so there is never a Second.
        const QString call = QString::fromStdString(Station(next++, '2'));
        const auto enter = [](QWidget* w) { Press(w, Qt::Key_Return); };
        typist.Expect(QStringLiteral("呼出符号の入力"), [call](QWidget* w) { Type(w, call); });
        typist.Expect(QStringLiteral("コンテストナンバーの入力"),
                      [](QWidget* w) { Type(w, QStringLiteral("599 12")); });
        typist.Expect(QStringLiteral("カード情報の入力"), enter);
        typist.Expect(QStringLiteral("コメントの入力"), enter);
        typist.Expect(QStringLiteral("ログデータ入力の確認"), enter);
        Clock::time_point start;
        typist.Expect(QStringLiteral("呼出符号の入力"), [](QWidget* w) { Press(w, Qt::Key_Escape); });
        const Clock::time_point done = typist.Run([&] {
            start = Clock::now();
            fixture.doc_.InputLogData(false);
        });
        state.SetIterationTime(std::chrono::duration<double>(done - start).count());
    }
    state.counters["contacts"] = static_cast<double>(fixture.doc_.GetContest().GetTotalEntryCount());
}
BENCHMARK(BM_OneContactThroughTheWindowsWithAutomaticSaving)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
