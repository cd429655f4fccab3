#include "document/submission_band.h"

#include <array>
#include <cmath>

#include "model/band.h"

namespace submission_band {
namespace {

// Ascending, without overlaps. The JARL labels of the bands below 1.8 MHz and above 10 GHz
// follow the same pattern as the others (the customary Japanese band name).
constexpr std::array<Row, 29> kRows = {{
    {0.135, 0.1357, 0.1378, "2190m", "", "0.135", "135kHz"},
    {0.472, 0.472, 0.479, "630m", "", "0.475", "475kHz"},
    {1.8, 1.8, 2.0, "160m", "", "1.9", "1.9MHz"},
    {3.5, 3.5, 4.0, "80m", "", "3.5", "3.5MHz"},
    {5.06, 5.06, 5.45, "60m", "", "5", "5MHz"},
    {7.0, 7.0, 7.3, "40m", "", "7", "7MHz"},
    {10.0, 10.1, 10.15, "30m", "", "10", "10MHz"},
    {14.0, 14.0, 14.35, "20m", "", "14", "14MHz"},
    {18.0, 18.068, 18.168, "17m", "", "18", "18MHz"},
    {21.0, 21.0, 21.45, "15m", "", "21", "21MHz"},
    {24.0, 24.89, 24.99, "12m", "", "24", "24MHz"},
    {28.0, 28.0, 29.7, "10m", "", "28", "28MHz"},
    {50.0, 50.0, 54.0, "6m", "50", "50", "50MHz"},
    {70.0, 70.0, 71.0, "4m", "70", "70", "70MHz"},
    {144.0, 144.0, 148.0, "2m", "144", "144", "144MHz"},
    {222.0, 222.0, 225.0, "1.25m", "222", "222", "222MHz"},
    {420.0, 420.0, 450.0, "70cm", "432", "430", "430MHz"},
    {902.0, 902.0, 928.0, "33cm", "902", "902", "902MHz"},
    {1200.0, 1240.0, 1300.0, "23cm", "1.2G", "1200", "1200MHz"},
    {2300.0, 2300.0, 2450.0, "13cm", "2.3G", "2400", "2400MHz"},
    {3300.0, 3300.0, 3500.0, "9cm", "3.4G", "3400", "3400MHz"},
    {5600.0, 5650.0, 5925.0, "6cm", "5.7G", "5600", "5600MHz"},
    {10000.0, 10000.0, 10500.0, "3cm", "10G", "10G", "10.1GHz"},
    {24000.0, 24000.0, 24250.0, "1.25cm", "24G", "24G", "24GHz"},
    {47000.0, 47000.0, 47200.0, "6mm", "47G", "47G", "47GHz"},
    {75000.0, 75500.0, 81000.0, "4mm", "75G", "77G", "77GHz"},
    {119980.0, 119980.0, 123000.0, "2.5mm", "122G", "122G", "122GHz"},
    {134000.0, 134000.0, 149000.0, "2mm", "134G", "135G", "135GHz"},
    {241000.0, 241000.0, 250000.0, "1mm", "241G", "248G", "248GHz"},
}};

// Frequencies are compared to the Hz, so 7 MHz given as 7000 kHz is the same as 7 MHz.
double RoundedToHz(double mhz) {
    return std::round(mhz * 1e6) / 1e6;
}

}  // namespace

double FrequencyMhz(const CQuillmarkData_BandItem& band) {
    return band.GetFrequency() * std::pow(10.0, band.GetUnit() - 6);
}

const Row* Find(const CQuillmarkData_BandItem& band) {
    if (!band.IsValid()) {
        return nullptr;
    }
    const double mhz = RoundedToHz(FrequencyMhz(band));
    for (const Row& row : kRows) {
        if (mhz >= row.match_lower_mhz && mhz <= row.upper_mhz) {
            return &row;
        }
    }
    return nullptr;
}

double SubmissionMhz(const CQuillmarkData_BandItem& band, const Row& row) {
    const double mhz = RoundedToHz(FrequencyMhz(band));
    return mhz >= row.lower_mhz && mhz <= row.upper_mhz ? mhz : row.lower_mhz;
}

int64_t SubmissionKhz(const CQuillmarkData_BandItem& band, const Row& row) {
    return static_cast<int64_t>(std::llround(SubmissionMhz(band, row) * 1000.0));
}

}  // namespace submission_band
