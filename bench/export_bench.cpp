// Text export of a 100,000-entry log: building the lines, and writing the file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_contest.h"
#include "document/text_export.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

constexpr int kEntries = 100000;
constexpr double kBands[] = {1.9, 3.5, 7, 14, 21, 28};
// Six bands of a domestic contest, entries spread over them, every tenth one First.
CQuillmarkData_MainData MakeContest() {
    CQuillmarkData_MainData contest = MakeBenchContest({std::begin(kBands), std::end(kBands)});
    const CQuillmarkData_CallSignType& call_format = contest.GetCallSignType();
    const CQuillmarkData_ContestNumberType& number_format = contest.GetContestNumberType();
    const int64_t start = kBenchStart;
    const Cp932 mode = Utf8ToCp932("電信");
    for (int i = 0; i < kEntries; ++i) {
        CQuillmarkData_CallSignItem call;
        call.SetText("JA" + std::to_string(i % 10) + "A" + std::to_string(10 + i % 90) +
                         (i % 3 == 0 ? "/1" : ""),
                     kBenchDelimiters, call_format);
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("599/100", kBenchDelimiters, number_format);
        CQuillmarkData_ContestNumberItem received;
        received.SetText("599/" + std::to_string(10 + i % 5000), kBenchDelimiters, number_format);
        CQuillmarkData_LogDataItem entry;
        entry.SetEntry(start + i, call, sent, received, 1 + i % 3);
        entry.SetMode(i % 2 == 0 ? std::string_view(mode) : std::string_view("SSB"));
        entry.SetFirst(i % 10 == 0);
        contest.GetBandAt(i % 6)->AddEntry(std::move(entry));
    }
    return contest;
}

const CQuillmarkData_MainData& Contest() {
    static const CQuillmarkData_MainData contest = MakeContest();
    if (contest.GetTotalEntryCount() != kEntries ||
        text_export::CheckExportable(contest) != text_export::Refusal::none) {
        std::fprintf(stderr, "the benchmark contest is not exportable\n");
        std::abort();
    }
    return contest;
}

text_export::Options UtcOptions() {
    text_export::Options options;
    options.rule = CTimeZoneRule::Utc();
    return options;
}

void BM_BuildText100k(benchmark::State& state) {
    const auto& contest = Contest();
    for (auto _ : state) {
        const std::string text = text_export::BuildText(contest, UtcOptions());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_BuildText100k)->Unit(benchmark::kMillisecond);

void BM_BuildText100kLocalTime(benchmark::State& state) {
    const auto& contest = Contest();
    text_export::Options options;
    options.rule = CTimeZoneRule::Local();
    for (auto _ : state) {
        const std::string text = text_export::BuildText(contest, options);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_BuildText100kLocalTime)->Unit(benchmark::kMillisecond);

void BM_WriteFile100k(benchmark::State& state) {
    const auto& contest = Contest();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quillmark_export_bench_" + std::to_string(::getpid()) + ".log"))
                                 .string();
    for (auto _ : state) {
        const auto result = text_export::WriteFile(path, contest, UtcOptions());
        if (result.status != text_export::WriteResult::Status::written) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_WriteFile100k)->Unit(benchmark::kMillisecond);

}  // namespace
