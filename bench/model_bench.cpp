// Rebuild of a large band and the throughput of text validation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"

namespace {

constexpr std::string_view kDelimiters = "/,.";

struct Formats {
    CQuillmarkData_CallSignType call;
    CQuillmarkData_ContestNumberType number;
    Formats() {
        call.SetDefaultFormat(2, 0);
        number.SetDefaultFormat(2, 1);
    }
};

const Formats& DefaultFormats() {
    static const Formats formats;
    return formats;
}

std::string CallSignText(int i) {
    std::string text = "JA" + std::to_string(i % 10);
    for (int k = 0, n = i; k < 3; ++k, n /= 26) {
        text += static_cast<char>('A' + n % 26);
    }
    if (i % 5 == 0) {
        text += "/" + std::to_string(i % 10);
    }
    return text;
}

// A contest and one band of n entries at shuffled times with about `multipliers` distinct
// multiplier values.
struct BigBand {
    CQuillmarkData_MainData contest;
    CQuillmarkData_SubMainData shuffled;

    BigBand(int n, int multipliers) {
        const Formats& f = DefaultFormats();
        CQuillmarkData_CallSignItem own;
        own.SetText("JA1ZZZ", kDelimiters, f.call);
        contest.SetContest("BENCH", 0, 48 * 3600, own, f.call, f.number);
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("59/001", kDelimiters, f.number);
        std::vector<int64_t> times(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            times[static_cast<size_t>(i)] = i / 2;  // pairs of equal times
        }
        std::mt19937 random(42);
        std::shuffle(times.begin(), times.end(), random);
        for (int i = 0; i < n; ++i) {
            CQuillmarkData_CallSignItem call;
            call.SetText(CallSignText(i), kDelimiters, f.call);
            CQuillmarkData_ContestNumberItem received;
            received.SetText("59/" + std::to_string(100 + static_cast<int>(random() % multipliers)),
                             kDelimiters, f.number);
            CQuillmarkData_LogDataItem entry;
            entry.SetEntry(times[static_cast<size_t>(i)], call, sent, received, 1);
            shuffled.AddEntry(std::move(entry));
        }
    }
};

void BM_RebuildSortAndFirst(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BigBand big(n, 2000);
    for (auto _ : state) {
        state.PauseTiming();
        CQuillmarkData_SubMainData band = big.shuffled;
        state.ResumeTiming();
        band.Rebuild(big.contest, 6);
        benchmark::DoNotOptimize(band.GetEntryAt(0));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_RebuildSortAndFirst)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RebuildAlreadySorted(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BigBand big(n, 2000);
    big.shuffled.Rebuild(big.contest, 6);
    for (auto _ : state) {
        big.shuffled.Rebuild(big.contest, 6);
        benchmark::DoNotOptimize(big.shuffled.GetEntryAt(0));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_RebuildAlreadySorted)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SetTextCallSign(benchmark::State& state) {
    const Formats& f = DefaultFormats();
    std::vector<std::string> texts;
    for (int i = 0; i < 1024; ++i) {
        texts.push_back(CallSignText(i));
    }
    size_t i = 0;
    for (auto _ : state) {
        CQuillmarkData_CallSignItem item;
        benchmark::DoNotOptimize(item.SetText(texts[i++ & 1023], kDelimiters, f.call));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetTextCallSign);

void BM_SetTextContestNumber(benchmark::State& state) {
    CQuillmarkData_ContestNumberType format;
    format.SetDefaultFormat(3, 1);
    std::vector<std::string> texts;
    for (int i = 0; i < 1024; ++i) {
        texts.push_back("59" + std::to_string(i % 10) + "/" + std::to_string(1000 + i) + "/" +
                        (i % 2 == 0 ? "10K" : "020"));
    }
    size_t i = 0;
    for (auto _ : state) {
        CQuillmarkData_ContestNumberItem item;
        benchmark::DoNotOptimize(item.SetText(texts[i++ & 1023], kDelimiters, format));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetTextContestNumber);

}  // namespace
