#include "rig/band_plan.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "model/band_data.h"
#include "model/contest.h"

namespace band_plan {
namespace {

constexpr double kMHz = 1e6;

// Ranges wide enough to hold both what the radio shows and what contests call the band
// ("1200 MHz" lies below the 1240 MHz edge, "5600" below 5650).
constexpr AmateurBand kBands[] = {
    {0.1357 * kMHz, 0.1378 * kMHz, 135.7, 3}, {0.472 * kMHz, 0.479 * kMHz, 475, 3},
    {1.8 * kMHz, 2.0 * kMHz, 1.9, 6},         {3.5 * kMHz, 4.0 * kMHz, 3.5, 6},
    {5.3 * kMHz, 5.41 * kMHz, 5.3, 6},        {7.0 * kMHz, 7.3 * kMHz, 7, 6},
    {10.1 * kMHz, 10.15 * kMHz, 10, 6},       {14.0 * kMHz, 14.35 * kMHz, 14, 6},
    {18.068 * kMHz, 18.168 * kMHz, 18, 6},    {21.0 * kMHz, 21.45 * kMHz, 21, 6},
    {24.89 * kMHz, 24.99 * kMHz, 24, 6},      {28.0 * kMHz, 29.7 * kMHz, 28, 6},
    {50.0 * kMHz, 54.0 * kMHz, 50, 6},        {144.0 * kMHz, 148.0 * kMHz, 144, 6},
    {420.0 * kMHz, 450.0 * kMHz, 430, 6},     {1200.0 * kMHz, 1300.0 * kMHz, 1200, 6},
    {2300.0 * kMHz, 2450.0 * kMHz, 2400, 6},  {5600.0 * kMHz, 5850.0 * kMHz, 5600, 6},
    {10000.0 * kMHz, 10500.0 * kMHz, 10, 9},  {24000.0 * kMHz, 24250.0 * kMHz, 24, 9},
    {47000.0 * kMHz, 47200.0 * kMHz, 47, 9},
};

}  // namespace

double HertzOf(double frequency, int unit) {
    return frequency * std::pow(10.0, unit);
}

std::string FrequencyText(double hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f MHz", hz / kMHz);
    return text;
}

std::optional<AmateurBand> BandOf(double hz) {
    for (const AmateurBand& band : kBands) {
        if (hz >= band.low_hz && hz <= band.high_hz) {
            return band;
        }
    }
    return std::nullopt;
}

int ContestBandOf(const CQuillmarkData_MainData& contest, double hz) {
    const std::optional<AmateurBand> radio = BandOf(hz);
    if (!radio) {
        return -1;
    }
    int best = -1;
    double best_distance = 0;
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        const CQuillmarkData_BandItem& item = contest.GetBandAt(i)->GetBand();
        const double band_hz = HertzOf(item.GetFrequency(), item.GetUnit());
        const std::optional<AmateurBand> band = BandOf(band_hz);
        if (!band || band->low_hz != radio->low_hz) {
            continue;
        }
        const double distance = std::fabs(band_hz - hz);
        if (best < 0 || distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return best;
}

}  // namespace band_plan
