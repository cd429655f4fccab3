#pragma once

// Sample contests for the data file and command-line tests, built through the model's own
// setters so every sample is a contest the program itself could hold.
#include <cstdint>
#include <string>

#include "../model/model_test_util.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace sample {

inline Cp932 J(const char* utf8) {
    return Utf8ToCp932(utf8);
}

inline constexpr int64_t kStart = 1700000000;  // 2023-11-14 22:13:20 UTC

// The model tests' default formats: a two-part call sign and RST (2-3 digits) with the
// multiplier (2-6 digits).
using model_test::CallSignFormat;
using model_test::ContestNumberFormat;

inline CQuillmarkData_CallSignItem CallSign(const std::string& text) {
    return model_test::CallSign(text, CallSignFormat());
}

inline CQuillmarkData_ContestNumberItem Number(const std::string& text) {
    return model_test::Number(text, ContestNumberFormat());
}

// A station call sign unique for i (JA1AAA, JA1AAB, ...; area digit from i / 17576).
inline std::string Station(int i) {
    std::string call = "JA";
    call += static_cast<char>('0' + (i / 17576) % 10);
    call += static_cast<char>('A' + (i / 676) % 26);
    call += static_cast<char>('A' + (i / 26) % 26);
    call += static_cast<char>('A' + i % 26);
    return call;
}

struct BandDefinition {
    double frequency;
    int unit;
};

inline constexpr BandDefinition kBands[] = {{7.0, 6},  {3500.0, 3}, {14.0, 6}, {21.0, 6},
                                            {28.0, 6}, {50.0, 6},   {1.2, 9},  {144.0, 6}};

// A contest with Japanese texts, `bands` bands (at most 8) of `entries` entries each, the
// second band active (the first with one band). Entry times run backwards in pairs so a
// rebuild changes the order; multiplier values repeat every `multipliers` entries.
inline CQuillmarkData_MainData MakeContest(int bands, int entries, int multipliers = 7) {
    CQuillmarkData_MainData contest;
    contest.SetContest(J("テスト コンテスト"), kStart, kStart + 24 * 3600, CallSign("JA1ZZZ/1"),
                       CallSignFormat(), ContestNumberFormat());
    contest.SetCategoryCode("XMA");
    contest.SetCategoryName(J("電信電話部門 マルチバンド"));
    for (int b = 0; b < bands; ++b) {
        CQuillmarkData_BandItem band_item;
        band_item.SetBand(kBands[b].frequency, kBands[b].unit);
        const int index = contest.AddBand(band_item);
        CQuillmarkData_SubMainData* band = contest.GetBandAt(index);
        band->SetMode(b % 2 == 0 ? "CW" : "SSB");
        band->SetSentContestNumber(Number("599/10"));
        band->SetCallingMethod(b % 2 == 0);
        for (int i = 0; i < entries; ++i) {
            CQuillmarkData_LogDataItem entry;
            const int64_t time = kStart + 60 * (i ^ 1) + b;
            entry.SetEntry(time, CallSign(Station(i) + (i % 3 == 0 ? "/2" : "")), Number("599/10"),
                           Number("59" + std::to_string(7 + i % 3) + "/" +
                                  std::to_string(100 + i % multipliers)),
                           1 + i % 3);
            entry.SetFirst(i < multipliers);
            entry.SetMode(i % 2 == 0 ? "CW" : "SSB");
            entry.SetCallingMethod(i % 2 == 0);
            entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardRequested, true);
            if (i % 4 == 1) {
                entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardReceived, true);
            }
            entry.SetComment(i % 5 == 0 ? J("コメント \"引用\" \\ 終わり") : "");
            band->AddEntry(std::move(entry));
        }
    }
    contest.SetActiveBandAt(bands > 1 ? 1 : 0);
    return contest;
}

}  // namespace sample
