#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CQuillmarkData_MainData;

// The amateur bands a transceiver's frequency can lie in, so that the radio can choose the
// contest's band: 7.025 MHz on the radio and "7 MHz" in the contest are the same band.
namespace band_plan {

struct AmateurBand {
    double low_hz;
    double high_hz;
    // What a contest calls the band, with its unit code (3 kHz, 6 MHz, 9 GHz).
    double label;
    int unit;
};

// The band holding a frequency, or nullopt outside every amateur band.
std::optional<AmateurBand> BandOf(double hz);
// The index of the contest band in the same amateur band as hz (the nearest one when the
// contest has several there), -1 for none.
int ContestBandOf(const CQuillmarkData_MainData& contest, double hz);
// The band's frequency in hertz from its number and unit code.
double HertzOf(double frequency, int unit);
// A radio frequency as the operator reads it: "7.025 MHz", to the kilohertz.
std::string FrequencyText(double hz);

}  // namespace band_plan
