// The submission exports of a 100,000-contact log: each format built and written to a file
// (the whole export the command runs, checks included). Goal: each under 0.3 s.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_contest.h"
#include "document/log_exporter.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

constexpr int kEntries = 100000;
constexpr double kBands[] = {1.9, 3.5, 7, 14, 21, 28, 50, 144, 430, 1200};

// Ten bands, modes from the wizard's list, every tenth contact First, a Japanese comment on
// every seventh (left out of ADIF) and a card flag on every third.
CQuillmarkData_MainData MakeContest() {
    CQuillmarkData_MainData contest = MakeBenchContest({std::begin(kBands), std::end(kBands)});
    const CQuillmarkData_CallSignType& call_format = contest.GetCallSignType();
    const CQuillmarkData_ContestNumberType& number_format = contest.GetContestNumberType();
    const Cp932 comment = Utf8ToCp932("ありがとう");
    const char* const modes[] = {"CW", "AM(SSB)", "FM", "A3J"};
    for (int i = 0; i < kEntries; ++i) {
        CQuillmarkData_CallSignItem call;
        call.SetText("JA" + std::to_string(i % 10) + "A" + std::to_string(10 + i % 90) +
                         (i % 3 == 0 ? "/1" : ""),
                     kBenchDelimiters, call_format);
        CQuillmarkData_ContestNumberItem sent;
        sent.SetText("599/10M", kBenchDelimiters, number_format);
        CQuillmarkData_ContestNumberItem received;
        received.SetText("599/" + std::to_string(10 + i % 5000), kBenchDelimiters, number_format);
        CQuillmarkData_LogDataItem entry;
        entry.SetEntry(kBenchStart + i, call, sent, received, 1 + i % 3);
        entry.SetMode(modes[i % 4]);
        entry.SetFirst(i % 10 == 0);
        entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardRequested, i % 3 == 0);
        entry.SetComment(i % 7 == 0 ? std::string_view(comment) : std::string_view("QRP"));
        contest.GetBandAt(i % 10)->AddEntry(std::move(entry));
    }
    return contest;
}

const CQuillmarkData_MainData& Contest() {
    static const CQuillmarkData_MainData contest = MakeContest();
    return contest;
}

log_export::Options BenchOptions() {
    log_export::Options options;
    options.now = kBenchStart + 86400;
    options.summary.name = Utf8ToCp932("山田　太郎");
    options.email = "ja1zzz@example.jp";
    options.contest_id = "BENCH";
    options.categories = {{"CATEGORY-OPERATOR", "SINGLE-OP"}, {"CATEGORY-BAND", "ALL"}};
    return options;
}

void BM_WriteSubmission100k(benchmark::State& state, log_export::Format format) {
    const auto& contest = Contest();
    const auto exporter = log_export::MakeLogExporter(format);
    const log_export::Options options = BenchOptions();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quillmark_submission_bench_" + std::to_string(::getpid()) + "." +
                               exporter->GetExtension()))
                                 .string();
    for (auto _ : state) {
        const log_export::FileResult file =
            log_export::WriteSubmissionFile(path, *exporter, contest, options);
        if (file.result.status != log_export::Result::Status::written) {
            state.SkipWithError((file.reason + Cp932ToUtf8(file.result.message)).c_str());
            break;
        }
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK_CAPTURE(BM_WriteSubmission100k, jarl_r21, log_export::Format::jarl_r21)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteSubmission100k, jarl_r10, log_export::Format::jarl_r10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteSubmission100k, cabrillo, log_export::Format::cabrillo)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteSubmission100k, adif, log_export::Format::adif)
    ->Unit(benchmark::kMillisecond);

}  // namespace
