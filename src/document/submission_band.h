#pragma once

#include <cstdint>
#include <string_view>

class CQuillmarkData_BandItem;

// The amateur bands as the submission formats name them: the allocation (the ADIF band
// enumeration's range), the ADIF band, Cabrillo's band token from 50 MHz up, and the JARL
// electronic log's BAND label and SCORE label. A contest band is matched by its frequency;
// operators give bands by their customary label (1200 MHz, 5600 MHz, 18 MHz), which may lie
// just below the allocation, so each row also accepts frequencies from its label up. Used by
// the three submission exporters.
namespace submission_band {

struct Row {
    double match_lower_mhz;  // lowest band frequency taken as this band
    double lower_mhz;        // the allocation
    double upper_mhz;
    std::string_view adif;        // "40m"
    std::string_view cabrillo;    // "432", "1.2G"; empty below 30 MHz, where kHz is written
    std::string_view jarl;        // "7", "430", "10G"
    std::string_view jarl_score;  // "7MHz", "10.1GHz" (the R1.0 SCORE lines)
};

// The row of a band, or null when its frequency lies in no amateur band.
const Row* Find(const CQuillmarkData_BandItem& band);

// The band's frequency in MHz.
double FrequencyMhz(const CQuillmarkData_BandItem& band);

// The frequency a submission gives for a contact on the band, in kHz: the band's own
// frequency when it lies inside the allocation (rounded to the nearest kHz, never cut),
// else the allocation's lower edge.
int64_t SubmissionKhz(const CQuillmarkData_BandItem& band, const Row& row);

// The same in MHz, to the Hz.
double SubmissionMhz(const CQuillmarkData_BandItem& band, const Row& row);

}  // namespace submission_band
