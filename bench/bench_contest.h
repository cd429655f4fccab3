#pragma once

#include <string_view>
#include <vector>

#include "model/contest.h"

// The contest the benchmarks work on: call signs of two parameters (3 to 6 characters and an
// optional one-digit suffix), contest numbers of two (2 to 3 and 2 to multiplier_max, the
// second being the multiplier), over one day, with the given bands in MHz and none active.
inline constexpr std::string_view kBenchDelimiters = "/,.";
inline constexpr int64_t kBenchStart = 1622851200;  // 2021-06-05 00:00 UTC

inline CQuillmarkData_ParameterAttributes BenchAttributes(int min_length, int max_length) {
    CQuillmarkData_ParameterAttributes attributes;
    attributes.SetAttributes(min_length, max_length, 0xFFFFFFFFu, "");
    return attributes;
}

inline CQuillmarkData_MainData MakeBenchContest(const std::vector<double>& bands_mhz,
                                                int multiplier_max = 6) {
    CQuillmarkData_CallSignType call_format;
    call_format.SetFormat(2, 0, {BenchAttributes(3, 6), BenchAttributes(0, 1)});
    CQuillmarkData_ContestNumberType number_format;
    number_format.SetFormat(2, 1, {BenchAttributes(2, 3), BenchAttributes(2, multiplier_max)});
    CQuillmarkData_CallSignItem own;
    own.SetText("JA1ZZZ", kBenchDelimiters, call_format);
    CQuillmarkData_MainData contest;
    contest.SetContest("BENCH", kBenchStart, kBenchStart + 86400, own, call_format, number_format);
    for (double band : bands_mhz) {
        CQuillmarkData_BandItem item;
        item.SetBand(band, 6);
        contest.AddBand(item);
    }
    return contest;
}
