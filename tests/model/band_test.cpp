#include "model/band.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "../platform/case_table.h"
#include "model_test_util.h"
#include "platform/cp932_convert.h"

namespace {

using model_test::Band;
using model_test::Bytes;

TEST(BandItem, SetBandTakesKiloMegaGigaAndFiniteFrequenciesAndConvertsBetweenThem) {
    for (const auto& c : platform_test::CaseTable("model/band_units.txt", 5)) {
        SCOPED_TRACE(c[0] + " " + c[1] + " to " + c[3]);
        CQuillmarkData_BandItem band;
        EXPECT_EQ(band.SetBand(std::stod(c[0]), std::stoi(c[1])), c[2] == "accepted");
        EXPECT_EQ(band.IsValid(), c[2] == "accepted");
        if (c[3] == "-") {
            continue;
        }
        double frequency = band.GetFrequency();
        int unit = band.GetUnit();
        EXPECT_EQ(band.ConvertToUnit(std::stoi(c[3])), c[4] != "refused");
        std::istringstream(c[4] == "refused" ? "" : c[4]) >> frequency >> unit;
        EXPECT_DOUBLE_EQ(band.GetFrequency(), frequency);
        EXPECT_EQ(band.GetUnit(), unit);
    }
    // A band is set once.
    CQuillmarkData_BandItem band = Band(7, 6);
    EXPECT_FALSE(band.SetBand(14, 6));
    EXPECT_EQ(band.GetFrequency(), 7.0);
}

// A band of a table's frequency and unit, "-" for one not set.
CQuillmarkData_BandItem BandOf(const std::string& frequency, const std::string& unit) {
    return frequency == "-" ? CQuillmarkData_BandItem()
                            : Band(std::stod(frequency), std::stoi(unit));
}

TEST(BandItem, OrderFollowsFrequencyAcrossUnits) {
    for (const auto& c : platform_test::CaseTable("model/band_order.txt", 5)) {
        SCOPED_TRACE(c[0] + " " + c[1] + " vs " + c[2] + " " + c[3]);
        const auto a = BandOf(c[0], c[1]);
        const auto b = BandOf(c[2], c[3]);
        const int sign = std::stoi(c[4]);
        EXPECT_EQ(a.Compare(b), sign);
        EXPECT_EQ(b.Compare(a), -sign);
        EXPECT_EQ(
            std::tuple(a == b, b == a, a != b, a < b, b < a, a <= b, a >= b),
            std::tuple(sign == 0, sign == 0, sign != 0, sign<0, sign> 0, sign <= 0, sign >= 0));
    }
}

// Every 1 kHz step up to 30 MHz and every 100 kHz step up to 3 GHz, each unit against every
// other, both ways.
TEST(BandItem, SweepOfDecimalFrequenciesIsSymmetricInEveryUnitPair) {
    const auto all_equal = [](std::initializer_list<CQuillmarkData_BandItem> bands) {
        return std::ranges::all_of(bands, [&bands](const auto& a) {
            return std::ranges::all_of(bands, [&a](const auto& b) { return a.Compare(b) == 0; });
        });
    };
    for (int khz = 1; khz <= 30000; khz += 7) {
        ASSERT_TRUE(all_equal({Band(khz, 3), Band(khz / 1000.0, 6), Band(khz / 1000000.0, 9)}))
            << khz;
    }
    for (int step = 1; step <= 30000; step += 13) {
        ASSERT_TRUE(all_equal({Band(step / 10.0, 6), Band(step / 10000.0, 9)})) << step;
    }
}

TEST(BandItem, BandTextReadsAsExpectedAndADamagedBandHasAConsistentPlaceAndText) {
    for (const auto& c : platform_test::CaseTable("model/band_texts.txt", 6)) {
        EXPECT_EQ(BandOf(c[0], c[1]).GetBandText(std::stoi(c[2]), std::stoi(c[3]), c[4] == "half"),
                  Utf8ToCp932(c[5]))
            << c[5];
    }
    // A damaged file can hold a NaN or an unknown unit; comparisons must still be a consistent
    // order, and the text must not fail.
    EXPECT_EQ(model_test::Load<CQuillmarkData_BandItem>(Bytes().I32(1).F64(7).I32(4).str())
                  .GetBandText(0, 1, true),
              "7 ?");
    const std::string bytes =
        Bytes().I32(1).F64(std::numeric_limits<double>::quiet_NaN()).I32(6).str();
    const auto nan_band = model_test::Load<CQuillmarkData_BandItem>(bytes);
    ASSERT_TRUE(nan_band.IsValid());
    EXPECT_EQ(nan_band.Compare(nan_band), 0);
    EXPECT_EQ(nan_band.Compare(Band(7, 6)), -Band(7, 6).Compare(nan_band));
    EXPECT_NE(nan_band.Compare(Band(7, 6)), 0);
    EXPECT_EQ(nan_band.GetBandText(0, 1, true), "? M");
}

}  // namespace
