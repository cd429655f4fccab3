#include "model/parameter_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "../platform/case_table.h"
#include "model_test_util.h"
#include "platform/archive.h"

namespace {

using model_test::Bytes;

using model_test::Attributes;

TEST(ParameterAttributes, SetOnceThenRefusesAndKeepsTheFirstValues) {
    CQuillmarkData_ParameterAttributes attributes;
    ASSERT_TRUE(attributes.SetAttributes(2, 3, 1, "kK"));
    EXPECT_FALSE(attributes.SetAttributes(9, 9, 2, ""));
    EXPECT_EQ(attributes, Attributes(2, 3, 1, "kK"));
}

TEST(DefaultFormats, DeriveMinAndMaxTotalLength) {
    for (const auto& c : platform_test::CaseTable("model/default_format_totals.txt", 5)) {
        SCOPED_TRACE(c[0]);
        const int count = std::stoi(c[0]);
        CQuillmarkData_CallSignType call;
        if (c[1] != "-") {
            ASSERT_TRUE(call.SetDefaultFormat(count, 0));
            EXPECT_EQ(call.GetMinTotalLength(), std::stoi(c[1]));
            EXPECT_EQ(call.GetMaxTotalLength(), std::stoi(c[2]));
        }
        CQuillmarkData_ContestNumberType number;
        ASSERT_TRUE(number.SetDefaultFormat(count, 0));
        EXPECT_EQ(number.GetMinTotalLength(), std::stoi(c[3]));
        EXPECT_EQ(number.GetMaxTotalLength(), std::stoi(c[4]));
    }
}

TEST(CallSignType, RefusesBadCountIndexOrAttributesAndDerivesTheTotals) {
    const ParameterAttributesArray two = {Attributes(1, 2), Attributes(1, 2)};
    CQuillmarkData_CallSignType format;
    EXPECT_FALSE(format.SetFormat(0, 0, {}));
    EXPECT_FALSE(format.SetFormat(2, -1, two));
    EXPECT_FALSE(format.SetFormat(2, 2, two));
    EXPECT_FALSE(format.SetFormat(3, 0, two));  // fewer attributes than parameters
    EXPECT_FALSE(format.SetFormat(2, 0, {Attributes(1, 2), CQuillmarkData_ParameterAttributes()}));
    EXPECT_FALSE(format.IsValid());
    EXPECT_EQ(format.GetParameterCount(), -2);
    // Totals that do not fit 32 bits.
    constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(format.SetFormat(2, 0, {Attributes(1, kHuge), Attributes(1, kHuge)}));
    // An optional parameter in the middle still needs both delimiters around it.
    ASSERT_TRUE(format.SetFormat(3, 1, {Attributes(2, 4), Attributes(0, 1), Attributes(3, 3)}));
    EXPECT_EQ(format.GetMainParameterIndex(), 1);
    EXPECT_EQ(format.GetMinTotalLength(), 2 + 0 + 3 + 2);
    EXPECT_EQ(format.GetMaxTotalLength(), 4 + 1 + 3 + 2);
}

TEST(CallSignType, CopyAndEquality) {
    const auto a = model_test::CallSignFormat(2, 0);
    CQuillmarkData_CallSignType copy;
    copy.CopyFrom(a);
    EXPECT_EQ(copy, a);
    EXPECT_NE(a, model_test::CallSignFormat(2, 1));
    CQuillmarkData_CallSignType d;
    d.SetFormat(2, 0, {Attributes(5, 6, 3), Attributes(0, 1, 3)});
    EXPECT_NE(a, d);  // one attribute differs
}

TEST(ContestNumberType, IndexOutsideTheRangeMeansNoMultiplier) {
    for (const auto& c : platform_test::CaseTable("model/multiplier_indices.txt", 3)) {
        CQuillmarkData_ContestNumberType format;
        ASSERT_TRUE(format.SetDefaultFormat(3, std::stoi(c[0])));
        EXPECT_EQ(format.HasMultiplier(), std::stoi(c[1])) << c[0];
        EXPECT_EQ(format.GetMultiplierParameterIndex(), std::stoi(c[2])) << c[0];
        EXPECT_EQ(format.MultiplierIndexOrNone(), std::stoi(c[2])) << c[0];
    }
    EXPECT_EQ(CQuillmarkData_ContestNumberType().MultiplierIndexOrNone(), -1);
}

TEST(ParameterTypeArchive, ContestNumberRecordPutsHasMultiplierBeforeTheIndex) {
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(format.SetFormat(1, 5, {Attributes(2, 3, 1)}));
    Bytes expected;
    expected.I32(1).I32(1).I32(0).I32(-1).I32(2).I32(3);  // ... has multiplier 0, index -1 ...
    expected.U16(1).I32(1).I32(2).I32(3).I32(1).Str("");
    EXPECT_EQ(model_test::Store(format), expected.str());
}

// A hostile attribute count fails before allocating; stored totals that disagree with the
// attributes are noticed.
TEST(ParameterTypeArchive, HostileCountsFailAndTotalsThatDisagreeAreNoticed) {
    // Count 0xFFFF escape with a 32-bit count of a billion, and nothing after it.
    const std::string hostile =
        Bytes().I32(1).I32(1).I32(0).I32(5).I32(6).U16(0xFFFF).I32(1000000000).str();
    EXPECT_THROW(model_test::Load<CQuillmarkData_CallSignType>(hostile), CArchiveException);
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetDefaultFormat(2, 0));
    EXPECT_TRUE(format.HasConsistentTotals());
    // The same record with a max total of 2^31 - 1 instead of 8.
    std::string bytes = model_test::Store(format);
    bytes.replace(16, 4, Bytes().I32(0x7FFFFFFF).str());
    const auto loaded = model_test::Load<CQuillmarkData_CallSignType>(bytes);
    EXPECT_EQ(loaded.GetMaxTotalLength(), 0x7FFFFFFF);
    EXPECT_TRUE(loaded.HasConsistentAttributes());
    EXPECT_FALSE(loaded.HasConsistentTotals());
    // No padding to two gigabytes.
    const auto item = model_test::CallSign("JA1ABC", format);
    EXPECT_EQ(item.GetPaddedText("/", loaded), "");
}

}  // namespace
