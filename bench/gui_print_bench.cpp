// Printing to PDF through the page code: the normal log of 100,000 contacts (2,500 sheets)
// and the extended log of 20,000 rows. Pages are built and drawn one at a time, so memory
// does not grow with the number of pages (the peak resident size is reported).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <numeric>

#include "bench_contest.h"
#include "model/band_data.h"
#include "print/print_forms.h"
#include "print/qt/page_painter.h"
#include "settings/quillmark_system.h"

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char arg0[] = "gui_print_bench";
    static char* argv[] = {arg0, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

CQuillmarkData_MainData Contest(int entries) {
    CQuillmarkData_MainData contest = MakeBenchContest({7});
    contest.SetActiveBandAt(0);
    CQuillmarkData_SubMainData* band = contest.GetActiveBand();
    CQuillmarkData_ContestNumberItem sent;
    sent.SetText("599/100", kBenchDelimiters, contest.GetContestNumberType());
    for (int i = 0; i < entries; ++i) {
        std::string text = "JA1" + std::string(1, 'A' + (i / 676) % 26) +
                           std::string(1, 'A' + (i / 26) % 26) + std::string(1, 'A' + i % 26);
        CQuillmarkData_CallSignItem call;
        call.SetText(text, kBenchDelimiters, contest.GetCallSignType());
        CQuillmarkData_ContestNumberItem received;
        received.SetText("599/" + std::to_string(10 + i % 50), kBenchDelimiters,
                         contest.GetContestNumberType());
        CQuillmarkData_LogDataItem entry;
        entry.SetEntry(kBenchStart + i, call, sent, received, 1);
        entry.SetMode("CW");
        band->AddEntry(std::move(entry));
    }
    contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
    return contest;
}

void PrintToPdf(benchmark::State& state, int type, int entries) {
    App();
    const CQuillmarkData_MainData contest = Contest(entries);
    const CQuillmarkSystem settings;
    std::vector<int> rows(static_cast<size_t>(entries));
    std::iota(rows.begin(), rows.end(), 0);
    const print::LogPrintInput input{contest, settings, rows, kBenchStart};
    QTemporaryDir folder;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(folder.filePath(QStringLiteral("bench.pdf")));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(600);
        QPainter painter(&writer);
        const int total = print::PageTotal(type, input, print_qt::AreaOf(writer));
        pages = print_qt::PrintPages(
            writer, painter, 1, total,
            [&](int page, const print::Area& area, print::PageDescription& description) {
                return print::BuildPage(type, page, input, area, description);
            });
        painter.end();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pages"] = pages;
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_NormalLogOf100000Contacts(benchmark::State& state) {
    PrintToPdf(state, print::kNormalLog, 100000);
}
BENCHMARK(BM_NormalLogOf100000Contacts)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ExtendedLogOf20000Rows(benchmark::State& state) {
    PrintToPdf(state, print::kExtendedLog, 20000);
}
BENCHMARK(BM_ExtendedLogOf20000Rows)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
