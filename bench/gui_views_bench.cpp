// The views of a contest window and of a city code window with large data: 100,000
// contacts in the active band, and a city code file of 100,000 lines. Each measures what
// the operator waits for: the list filled and painted, one contact appended, a sort shown,
// one repaint of the graph, the information tree rebuilt, a city list filled and sorted.
// Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "bench_contest.h"
#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/city_code_data_doc.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"
#include "ui/views/city_code_data_list_view.h"
#include "ui/views/contest_information_view.h"
#include "ui/views/index_list_model.h"
#include "ui/views/quillmark_graph_view.h"
#include "ui/views/quillmark_log_view.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char arg0[] = "gui_views_bench";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::string Station(int i) {
    std::string call = "J";
    call += static_cast<char>('A' + (i / 175760) % 26);
    call += static_cast<char>('0' + (i / 17576) % 10);
    call += static_cast<char>('A' + (i / 676) % 26);
    call += static_cast<char>('A' + (i / 26) % 26);
    call += static_cast<char>('A' + i % 26);
    return call;
}

struct ContestFixture {
    ContestFixture() {
        App();
        CQuillmarkData_MainData& contest = document->GetContest();
        contest = MakeBenchContest({7});
        contest.SetActiveBandAt(0);
        CQuillmarkData_SubMainData* band = contest.GetActiveBand();
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("599/100", kBenchDelimiters, contest.GetContestNumberType());
        for (int i = 0; i < 100000; ++i) {
            CQuillmarkData_CallSignItem call;
            call.SetText(Station(i * 7919 % 100000), kBenchDelimiters, contest.GetCallSignType());
            CQuillmarkData_ContestNumberItem received;
            received.SetText("599/" + std::to_string(10 + i % 500), kBenchDelimiters,
                             contest.GetContestNumberType());
            CQuillmarkData_LogDataItem entry;
            // 100,000 contacts in the 24 hours: one every 0.86 s, as a big multi would.
            entry.SetEntry(kBenchStart + i * 86400LL / 100000, call, sent, received, 1);
            entry.SetMode("CW");
            band->AddEntry(std::move(entry));
        }
        contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);
        document->RebuildGraphData();
    }
    CScriptedOperator op;
    CQuillmarkSystem settings;
    CCityCodeData_MainDataOrganization city_codes;
    std::shared_ptr<CQuillmarkDoc> document =
        std::make_shared<CQuillmarkDoc>(op, settings, &city_codes);
};

ContestFixture& Contest() {
    static ContestFixture* fixture = new ContestFixture;
    return *fixture;
}

void BM_LogListFilledAndPainted(benchmark::State& state) {
    ContestFixture& f = Contest();
    CQuillmarkLogView view(f.document);
    view.resize(1000, 600);
    view.show();
    for (auto _ : state) {
        f.document->UpdateAllViews(CDocumentBase::kHintAll);
        benchmark::DoNotOptimize(view.grab());
    }
    state.counters["rows"] = view.Model()->rowCount();
}
BENCHMARK(BM_LogListFilledAndPainted)->Unit(benchmark::kMillisecond);

void BM_OneContactAppendedToTheList(benchmark::State& state) {
    ContestFixture& f = Contest();
    CQuillmarkLogView view(f.document);
    view.resize(1000, 600);
    view.show();
    CQuillmarkData_SubMainData* band = f.document->GetContest().GetActiveBand();
    const CQuillmarkData_LogDataItem last = band->GetEntries().back();
    for (auto _ : state) {
        band->AddEntry(last);
        f.document->UpdateAllViews(-2);
        state.PauseTiming();
        band->RemoveEntryAt(band->GetEntryCount() - 1);
        view.Model()->SetItems(
            std::vector<int>(view.Model()->Items().begin(), view.Model()->Items().end() - 1));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OneContactAppendedToTheList)->Unit(benchmark::kMicrosecond);

void BM_SortByCallSignAndShow(benchmark::State& state) {
    ContestFixture& f = Contest();
    CQuillmarkLogView view(f.document);
    view.resize(1000, 600);
    view.show();
    for (auto _ : state) {
        state.PauseTiming();
        view.ResetList();
        state.ResumeTiming();
        view.SortBy(2);
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_SortByCallSignAndShow)->Unit(benchmark::kMillisecond);

void BM_GraphRepaint(benchmark::State& state) {
    ContestFixture& f = Contest();
    CQuillmarkGraphView graph(f.document);
    graph.resize(1000, 400);
    graph.show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph.grab());
    }
}
BENCHMARK(BM_GraphRepaint)->Unit(benchmark::kMillisecond);

void BM_ContestInformationTreeRebuilt(benchmark::State& state) {
    ContestFixture& f = Contest();
    CQuillmarkContestInformationView tree(f.document);
    tree.resize(300, 600);
    tree.show();
    for (auto _ : state) {
        tree.OnUpdate(*f.document, CDocumentBase::kHintAll);
    }
}
BENCHMARK(BM_ContestInformationTreeRebuilt)->Unit(benchmark::kMillisecond);

struct CityFixture {
    CityFixture() {
        App();
        const QString path = folder.filePath(QStringLiteral("big.ini"));
        std::ofstream out(path.toStdString(), std::ios::binary);
        for (int i = 0; i < 100000; ++i) {
            out << (100000 + i) << ":" << Utf8ToCp932("市町村") << i << ":" << Utf8ToCp932("ｼﾁｮｳｿﾝ")
                << (i * 7919) % 100000 << "\r\n";
        }
        out.close();
        document->OnOpenDocument(path.toStdString());
    }
    QTemporaryDir folder;
    CScriptedOperator op;
    std::shared_ptr<CCityCodeDataDoc> document = std::make_shared<CCityCodeDataDoc>(op);
};

void BM_CityCodeListOf100000Lines(benchmark::State& state) {
    CityFixture f;
    CCityCodeDataListView view(f.document);
    view.resize(800, 600);
    view.show();
    for (auto _ : state) {
        view.ResetList();
        benchmark::DoNotOptimize(view.grab());
    }
    state.counters["rows"] = view.Model()->rowCount();
}
BENCHMARK(BM_CityCodeListOf100000Lines)->Unit(benchmark::kMillisecond);

void BM_CityCodeListSortedByReading(benchmark::State& state) {
    CityFixture f;
    CCityCodeDataListView view(f.document);
    view.resize(800, 600);
    view.show();
    for (auto _ : state) {
        std::vector<int> rows = f.document->AllRows();
        f.document->SortList(2, rows);
        view.Fill(std::move(rows));
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_CityCodeListSortedByReading)->Unit(benchmark::kMillisecond);

void BM_DefaultCityCodeFileOpens(benchmark::State& state) {
    App();
    CScriptedOperator op;
    for (auto _ : state) {
        auto document = std::make_shared<CCityCodeDataDoc>(op);
        document->OnOpenDocument(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini");
        CCityCodeDataListView view(document);
        view.resize(800, 600);
        view.show();
        benchmark::DoNotOptimize(view.grab());
        state.counters["records"] = document->GetDatabase().GetItemCount();
    }
}
BENCHMARK(BM_DefaultCityCodeFileOpens)->Unit(benchmark::kMillisecond);

}  // namespace
