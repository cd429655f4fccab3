// Sorting a 20,000-row log list and searching 20,000 entries against a 100,000-record city
// code database, through the document's commands with a scripted operator.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench_contest.h"
#include "citycode/city_code_organization.h"
#include "dialogs/log_data_search_dialog.h"
#include "document/quillmark_doc.h"
#include "dialogs/scripted_operator.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "settings/quillmark_system.h"

namespace {

constexpr int kEntries = 20000;
constexpr int kCityCodes = 100000;
// One band of 20,000 contacts; call signs repeat so that sorting meets many equal keys,
// about one in eight is First, and one multiplier in ten is no city code.
CQuillmarkData_MainData MakeContest() {
    CQuillmarkData_MainData contest = MakeBenchContest({7}, 7);
    contest.SetActiveBandAt(0);
    const CQuillmarkData_CallSignType& call_format = contest.GetCallSignType();
    const CQuillmarkData_ContestNumberType& number_format = contest.GetContestNumberType();
    const int64_t start = kBenchStart;
    std::mt19937 random(42);
    for (int i = 0; i < kEntries; ++i) {
        const int station = static_cast<int>(random() % 6000);
        CQuillmarkData_CallSignItem call;
        call.SetText("J" + std::string(1, static_cast<char>('A' + station % 26)) +
                         std::to_string(station % 10) + std::to_string(100 + station / 10) +
                         (station % 4 == 0 ? "/1" : ""),
                     kBenchDelimiters, call_format);
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("599/" + std::to_string(100 + i), kBenchDelimiters, number_format);
        const int code = static_cast<int>(random() % (kCityCodes + kCityCodes / 10));
        CQuillmarkData_ContestNumberItem received;
        received.SetText("599/" + std::to_string(1000000 + code), kBenchDelimiters, number_format);
        CQuillmarkData_LogDataItem entry;
        entry.SetEntry(start + i * 4, call, sent, received, 1 + i % 3);
        entry.SetFirst(random() % 8 == 0);
        contest.GetActiveBand()->AddEntry(std::move(entry));
    }
    if (contest.GetActiveBand()->GetEntries().size() != kEntries) {
        std::fprintf(stderr, "the benchmark contest is incomplete\n");
        std::abort();
    }
    return contest;
}

CCityCodeData_MainData MakeDatabase() {
    CCityCodeData_MainData database;
    for (int i = 0; i < kCityCodes; ++i) {
        CCityCodeData_CityCodeDataItem item;
        item.SetFields(std::to_string(1000000 + i), "CITY", "READING");
        database.AddItem(item);
    }
    return database;
}

struct Fixture {
    CScriptedOperator op;
    CQuillmarkSystem settings;
    CCityCodeData_MainData database = MakeDatabase();
    CCityCodeData_MainDataOrganization city_codes;
    CQuillmarkDoc doc{op, settings, &city_codes};
    std::vector<int> rows;

    Fixture() {
        city_codes.Register(&database);
        doc.GetContest() = MakeContest();
        rows.resize(kEntries);
        for (int i = 0; i < kEntries; ++i) {
            rows[static_cast<size_t>(i)] = i;
        }
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void Sort(benchmark::State& state, int key) {
    Fixture& f = Shared();
    std::vector<int> sorted;
    for (auto _ : state) {
        if (!f.doc.SortLogDisplay(key, f.rows, sorted)) {
            state.SkipWithError("the sort did not complete");
            break;
        }
        benchmark::DoNotOptimize(sorted.data());
        f.op.ClearRecords();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_SortByCallSign20k(benchmark::State& state) {
    Sort(state, 2);
}
BENCHMARK(BM_SortByCallSign20k)->Unit(benchmark::kMillisecond);

void BM_SortByFirstStatus20k(benchmark::State& state) {
    Sort(state, 5);
}
BENCHMARK(BM_SortByFirstStatus20k)->Unit(benchmark::kMillisecond);

void BM_SearchMultiplierNotInDatabase20k(benchmark::State& state) {
    Fixture& f = Shared();
    std::vector<int> found;
    for (auto _ : state) {
        f.op.AnswerDialog(message_box::kIdOk, [](CDialogState& dialog, int) {
            auto& criteria = dynamic_cast<CLogDataSearchDialog&>(dialog);
            criteria.SetSwitch(CLogDataSearchDialog::kMultiplierNotInDatabase,
                               CLogDataSearchDialog::kMustMatch);
        });
        if (!f.doc.SearchLogData(found) || found.empty()) {
            state.SkipWithError("the search found nothing");
            break;
        }
        benchmark::DoNotOptimize(found.data());
        f.op.ClearRecords();
    }
    state.counters["found"] = static_cast<double>(found.size());
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_SearchMultiplierNotInDatabase20k)->Unit(benchmark::kMillisecond);

}  // namespace
