// quillmark-cli sample OUT [--contacts N] [--seed S]: writes a realistic sample contest, a
// domestic 24-hour contest over six bands whose exchange is the signal report and the area
// number, so a newcomer (and the screenshots) see a full contest window at once. The same
// seed always gives the same file.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "command_line.h"
#include "document/contest_file.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace {

constexpr int64_t kStart = 1777356000;  // 2026-04-28 06:00 UTC, 15:00 JST
constexpr int64_t kLength = 24 * 3600;
constexpr const char* kDelimiter = "/";

struct SampleBand {
    double frequency;
    int unit;
    const char* mode;
    int weight;  // share of the contacts
};

constexpr SampleBand kBands[] = {{3.5, 6, "CW", 2},       {7.0, 6, "CW", 6},
                                 {14.0, 6, "AM(SSB)", 3}, {21.0, 6, "AM(SSB)", 3},
                                 {28.0, 6, "FM", 1},      {50.0, 6, "AM(SSB)", 2}};

CQuillmarkData_CallSignItem CallSign(const std::string& text,
                                     const CQuillmarkData_CallSignType& format) {
    CQuillmarkData_CallSignItem item;
    item.SetText(text, kDelimiter, format);
    return item;
}

CQuillmarkData_ContestNumberItem Number(const std::string& text,
                                        const CQuillmarkData_ContestNumberType& format) {
    CQuillmarkData_ContestNumberItem item;
    item.SetText(text, kDelimiter, format);
    return item;
}

std::string Station(std::mt19937& random, int* area) {
    static const char* const kPrefixes[] = {"JA", "JH", "JR", "JE", "JF", "JG", "JI",
                                            "JJ", "JK", "JL", "JM", "JN", "JO", "JP"};
    std::uniform_int_distribution<int> prefix(0, 13);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> letter(0, 25);
    std::uniform_int_distribution<int> long_suffix(0, 3);
    std::string call = kPrefixes[prefix(random)];
    *area = digit(random);
    call += static_cast<char>('0' + *area);
    const int letters = long_suffix(random) == 0 ? 2 : 3;
    for (int i = 0; i < letters; ++i) {
        call += static_cast<char>('A' + letter(random));
    }
    return call;
}

// The area numbers of a call area, as the domestic contests number the prefectures.
int AreaNumber(std::mt19937& random, int call_area) {
    static const int kFirst[] = {20, 10, 11, 25, 31, 36, 40, 1, 2, 6};
    static const int kCount[] = {6, 8, 6, 5, 4, 4, 7, 1, 6, 6};
    std::uniform_int_distribution<int> pick(0, kCount[call_area] - 1);
    return kFirst[call_area] + pick(random);
}

}  // namespace

int RunSample(const CommandLine& line) {
    const std::string& out = line.arguments[0];
    int contacts = 600;
    unsigned seed = 2026;
    const auto number = [](const std::string* value, long long* result) {
        if (value == nullptr) {
            return true;
        }
        const auto [end, error] =
            std::from_chars(value->data(), value->data() + value->size(), *result);
        return error == std::errc() && end == value->data() + value->size();
    };
    long long contacts_value = contacts;
    long long seed_value = seed;
    if (!number(line.Value("--contacts"), &contacts_value) || contacts_value < 0 ||
        contacts_value > 1000000 || !number(line.Value("--seed"), &seed_value) || seed_value < 0 ||
        seed_value > 0xFFFFFFFFLL) {
        std::fputs("quillmark-cli: --contacts takes 0 to 1000000 and --seed a number\n", stderr);
        return kExitUsage;
    }
    contacts = static_cast<int>(contacts_value);
    seed = static_cast<unsigned>(seed_value);

    CQuillmarkData_CallSignType call_format;
    call_format.SetDefaultFormat(2, 0);
    CQuillmarkData_ContestNumberType number_format;
    number_format.SetDefaultFormat(2, 1);
    CQuillmarkData_MainData contest;
    contest.SetContest(Utf8ToCp932("クイルマーク記念 国内コンテスト 2026"), kStart,
                       kStart + kLength, CallSign("JA1QMK", call_format), call_format,
                       number_format);
    contest.SetCategoryCode("XMAH");
    contest.SetCategoryName(Utf8ToCp932("電信電話部門 個人局 マルチバンド ハイパワー"));

    int total_weight = 0;
    for (const SampleBand& b : kBands) {
        CQuillmarkData_BandItem item;
        item.SetBand(b.frequency, b.unit);
        CQuillmarkData_SubMainData* band = contest.GetBandAt(contest.AddBand(item));
        band->SetMode(b.mode);
        band->SetSentContestNumber(
            Number(std::string(b.mode[0] == 'C' ? "599" : "59") + "/10", number_format));
        band->SetCallingMethod(true);
        total_weight += b.weight;
    }

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> band_pick(0, total_weight - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int64_t> gap(20, 2 * kLength / std::max(contacts, 1));
    int64_t time = kStart + 30;
    for (int i = 0; i < contacts && time < kStart + kLength; ++i) {
        int pick = band_pick(random);
        size_t b = 0;
        while (pick >= kBands[b].weight) {
            pick -= kBands[b].weight;
            ++b;
        }
        CQuillmarkData_SubMainData* band = contest.GetBandAt(static_cast<int>(b));
        int call_area = 0;
        std::string call = Station(random, &call_area);
        if (percent(random) < 8) {
            call += "/" + std::to_string((call_area + 1 + percent(random) % 9) % 10);
        }
        const std::string report = kBands[b].mode[0] == 'C' ? "599" : "59";
        const int area = AreaNumber(random, call_area);
        CQuillmarkData_LogDataItem entry;
        entry.SetEntry(
            time, CallSign(call, call_format), band->GetSentContestNumber(),
            Number(report + "/" + (area < 10 ? "0" : "") + std::to_string(area), number_format), 1);
        entry.SetMode(kBands[b].mode);
        entry.SetCallingMethod(percent(random) < 60);
        entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardRequested, percent(random) < 70);
        if (percent(random) < 3) {
            entry.SetComment(Utf8ToCp932("移動運用"));
        }
        band->AddEntry(std::move(entry));
        time += gap(random);
    }
    contest.SetActiveBandAt(1);
    contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildFirst);

    CNullProgressSink sink;
    std::string reason;
    if (!contest_file::Save(out, contest, sink, &reason)) {
        return ReportFileError(out, reason);
    }
    return kExitOk;
}
