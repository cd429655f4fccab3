// Costs of the text and time helpers that run once per row when lists are filled, sorted or
// printed: converting short texts for display, finding delimiters, comparing and formatting.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"
#include "platform/time_zone_rule.h"

namespace {

const std::vector<std::string>& Utf8Samples() {
    static const std::vector<std::string> samples = {
        "JA1ABC/1", "JR7XYZ", "1005M", "東京都千代田区", "ｺﾒﾝﾄ", "〜テスト〜", "59/1005/H",
    };
    return samples;
}

void BM_Utf8ToCp932Short(benchmark::State& state) {
    const auto& samples = Utf8Samples();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TryUtf8ToCp932(samples[i++ % samples.size()]));
    }
}
BENCHMARK(BM_Utf8ToCp932Short);

void BM_Cp932ToUtf8Short(benchmark::State& state) {
    std::vector<Cp932> samples;
    for (const auto& s : Utf8Samples())
        samples.push_back(Utf8ToCp932(s));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cp932ToUtf8(samples[i++ % samples.size()]));
    }
}
BENCHMARK(BM_Cp932ToUtf8Short);

void BM_Cp932ToUtf8Japanese(benchmark::State& state) {
    const Cp932 text = Utf8ToCp932("東京都千代田区");
    for (auto _ : state)
        benchmark::DoNotOptimize(Cp932ToUtf8(text));
}
BENCHMARK(BM_Cp932ToUtf8Japanese);

void BM_FindFirstOf(benchmark::State& state) {
    const Cp932 text = Utf8ToCp932("ソ表能JA1ABC／1");
    const Cp932 set = Utf8ToCp932("/／\\");
    for (auto _ : state)
        benchmark::DoNotOptimize(cp932::FindFirstOf(text, set));
}
BENCHMARK(BM_FindFirstOf);

void BM_CompareMultibyte(benchmark::State& state) {
    const Cp932 a = Utf8ToCp932("JA1ABC/東京");
    const Cp932 b = Utf8ToCp932("JA1ABC/東北");
    for (auto _ : state)
        benchmark::DoNotOptimize(cp932::CompareMultibyte(a, b));
}
BENCHMARK(BM_CompareMultibyte);

void BM_FormatLogTimeLocal(benchmark::State& state) {
    const auto rule = CTimeZoneRule::Local();
    const Cp932 format = "%Y  %m/%d   %H:%M:%S";
    int64_t t = 1'700'000'000;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatTime(format, t++, rule));
}
BENCHMARK(BM_FormatLogTimeLocal);

void BM_FormatClockUtc(benchmark::State& state) {
    const auto rule = CTimeZoneRule::Utc();
    const Cp932 format = Utf8ToCp932("[ %#Y 年  %#m 月 %#d 日 ( %A )  %#H 時 %M 分 %S 秒 ]");
    int64_t t = 1'700'000'000;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatTime(format, t++, rule));
}
BENCHMARK(BM_FormatClockUtc);

}  // namespace
