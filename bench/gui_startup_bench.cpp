// Start-up of the program: from the application object to the main window shown with the
// default city code file open in its window (the title logo switched off, as a benchmark
// cannot wait for it). Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/memory_settings_store.h"
#include "ui/app/quillmark_app.h"
#include "ui/frames/main_frame.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char arg0[] = "gui_startup_bench";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

void BM_StartUpToMainWindowWithCityCodes(benchmark::State& state) {
    App();
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"),
                folder.filePath(QStringLiteral("Qmk_Code.ini")));
    for (auto _ : state) {
        auto store = std::make_unique<CMemorySettingsStore>();
        store->SetInt("TitleLogoDisplay", "IsDisplayingTitleLogoEnabled", 0);
        CQuillmarkApp app(std::move(store), nullptr, folder.path());
        if (app.InitInstance({QStringLiteral("quillmark")}).has_value()) {
            state.SkipWithError("start-up failed");
            break;
        }
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(app.MainFrame()->isVisible());
        state.PauseTiming();
        app.MainFrame()->close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindowWithCityCodes)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
