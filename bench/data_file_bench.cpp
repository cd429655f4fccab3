// Opening and saving a large contest data file: 100,000 entries over 6 bands.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../tests/cli/sample_contest.h"
#include "document/contest_file.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"

namespace {

constexpr int kBands = 6;
constexpr int kEntriesPerBand = 100000 / kBands + 1;  // 100,002 entries

const CQuillmarkData_MainData& LargeContest() {
    static const CQuillmarkData_MainData contest =
        sample::MakeContest(kBands, kEntriesPerBand, 2000);
    return contest;
}

const std::string& LargeImage() {
    static const std::string image = contest_file::StoreContest(LargeContest());
    return image;
}

// A private folder for the sample file, removed when the program ends.
struct BenchFolder {
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qm_data_file_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

std::string FilePath() {
    static const BenchFolder folder;
    return folder.path + "/large.qmk";
}

double PeakRssMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void AddFileCounters(benchmark::State& state) {
    state.counters["file_MiB"] = static_cast<double>(LargeImage().size()) / (1024.0 * 1024.0);
    state.counters["entries"] = static_cast<double>(LargeContest().GetTotalEntryCount());
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}

// Open: read the file, parse it, check it.
void BM_OpenFile(benchmark::State& state) {
    CNullProgressSink sink;
    if (!safe_file::WriteFileSafely(FilePath(), LargeImage())) {
        state.SkipWithError("cannot write the sample file");
        return;
    }
    for (auto _ : state) {
        CQuillmarkData_MainData contest;
        const auto result = contest_file::Load(FilePath(), "/,.", contest, sink);
        if (!result.loaded) {
            state.SkipWithError(result.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(contest.GetTotalEntryCount());
    }
    AddFileCounters(state);
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

// Save: encode and write safely (temporary file, fsync, rename, folder fsync).
void BM_SaveFile(benchmark::State& state) {
    CNullProgressSink sink;
    const CQuillmarkData_MainData& contest = LargeContest();
    for (auto _ : state) {
        std::string reason;
        if (!contest_file::Save(FilePath(), contest, sink, &reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
    }
    AddFileCounters(state);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

// The in-memory halves, without the disk.
void BM_LoadImage(benchmark::State& state) {
    CNullProgressSink sink;
    for (auto _ : state) {
        CQuillmarkData_MainData contest;
        benchmark::DoNotOptimize(contest_file::LoadFromBytes(LargeImage(), "/,.", contest, sink));
    }
    AddFileCounters(state);
    // Heap held by one loaded contest, to compare with the file size.
    const size_t before = mallinfo2().uordblks;
    {
        CQuillmarkData_MainData contest;
        contest_file::LoadFromBytes(LargeImage(), "/,.", contest, sink);
        state.counters["contest_heap_MiB"] =
            static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMillisecond);

void BM_StoreImage(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(contest_file::StoreContest(LargeContest()));
    }
    AddFileCounters(state);
}
BENCHMARK(BM_StoreImage)->Unit(benchmark::kMillisecond);

}  // namespace
