#include "model/parameter_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "model_test_util.h"
#include "platform/archive.h"

namespace {

using model_test::Bytes;

CQuillmarkData_ParameterAttributes Attributes(int32_t min, int32_t max, uint32_t classes = 3,
                                              std::string_view specials = {}) {
    CQuillmarkData_ParameterAttributes attributes;
    attributes.SetAttributes(min, max, classes, specials);
    return attributes;
}

TEST(ParameterAttributes, SetOnceThenRefusesAndKeepsTheFirstValues) {
    CQuillmarkData_ParameterAttributes attributes;
    ASSERT_TRUE(attributes.SetAttributes(2, 3, 1, "kK"));
    EXPECT_FALSE(attributes.SetAttributes(9, 9, 2, ""));
    EXPECT_EQ(attributes.GetMinLength(), 2);
    EXPECT_EQ(attributes.GetMaxLength(), 3);
    EXPECT_EQ(attributes.GetCharacterClasses(), 1u);
    EXPECT_EQ(attributes.GetSpecialCharacters(), "kK");
}

TEST(ParameterAttributes, GettersOfAnInvalidObjectGiveMinusTwoAndEmpty) {
    CQuillmarkData_ParameterAttributes attributes;
    EXPECT_EQ(attributes.GetMinLength(), -2);
    EXPECT_EQ(attributes.GetMaxLength(), -2);
    EXPECT_EQ(static_cast<int32_t>(attributes.GetCharacterClasses()), -2);
    EXPECT_EQ(attributes.GetSpecialCharacters(), "");
}

struct TotalsCase {
    const char* name;
    bool call_sign;  // else contest number
    int count;
    int32_t min_total;
    int32_t max_total;
};

class DefaultFormatTotals : public testing::TestWithParam<TotalsCase> {};

TEST_P(DefaultFormatTotals, DeriveMinAndMaxTotalLength) {
    const TotalsCase& c = GetParam();
    if (c.call_sign) {
        CQuillmarkData_CallSignType format;
        ASSERT_TRUE(format.SetDefaultFormat(c.count, 0));
        EXPECT_EQ(format.GetMinTotalLength(), c.min_total);
        EXPECT_EQ(format.GetMaxTotalLength(), c.max_total);
    } else {
        CQuillmarkData_ContestNumberType format;
        ASSERT_TRUE(format.SetDefaultFormat(c.count, 0));
        EXPECT_EQ(format.GetMinTotalLength(), c.min_total);
        EXPECT_EQ(format.GetMaxTotalLength(), c.max_total);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, DefaultFormatTotals,
    testing::Values(TotalsCase{"CallSign1", true, 1, 5, 6},
                    // The optional second parameter needs no delimiter: min 5, max 6 + 1 + 1.
                    TotalsCase{"CallSign2", true, 2, 5, 8},
                    // The third parameter is unlimited.
                    TotalsCase{"CallSign3", true, 3, 5, -1},
                    TotalsCase{"ContestNumber1", false, 1, 2, 3},
                    TotalsCase{"ContestNumber2", false, 2, 5, 10},
                    TotalsCase{"ContestNumber3", false, 3, 9, 14},
                    // Trailing optional fourth parameter: min stays 9; max 3+6+3+6 + 3 delimiters.
                    TotalsCase{"ContestNumber4", false, 4, 9, 21},
                    TotalsCase{"ContestNumber5", false, 5, 9, -1}),
    [](const testing::TestParamInfo<TotalsCase>& info) { return std::string(info.param.name); });

TEST(CallSignType, MinTotalCountsDelimitersUpToTheLastRequiredParameter) {
    // An optional parameter in the middle still needs both delimiters around it.
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetFormat(3, 0, {Attributes(2, 4), Attributes(0, 1), Attributes(3, 3)}));
    EXPECT_EQ(format.GetMinTotalLength(), 2 + 0 + 3 + 2);
    EXPECT_EQ(format.GetMaxTotalLength(), 4 + 1 + 3 + 2);
}

TEST(CallSignType, AllOptionalParametersGiveMinTotalZero) {
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetFormat(2, 1, {Attributes(0, 4), Attributes(0, 1)}));
    EXPECT_EQ(format.GetMinTotalLength(), 0);
    EXPECT_EQ(format.GetMaxTotalLength(), 6);
}

TEST(CallSignType, RefusesBadCountIndexOrAttributes) {
    const ParameterAttributesArray two = {Attributes(1, 2), Attributes(1, 2)};
    CQuillmarkData_CallSignType format;
    EXPECT_FALSE(format.SetFormat(0, 0, {}));
    EXPECT_FALSE(format.SetFormat(2, -1, two));
    EXPECT_FALSE(format.SetFormat(2, 2, two));
    EXPECT_FALSE(format.SetFormat(3, 0, two));  // fewer attributes than parameters
    EXPECT_FALSE(format.SetFormat(2, 0, {Attributes(1, 2), CQuillmarkData_ParameterAttributes()}));
    EXPECT_FALSE(format.IsValid());
    EXPECT_EQ(format.GetParameterCount(), -2);
    EXPECT_TRUE(format.SetFormat(2, 1, two));
    EXPECT_EQ(format.GetMainParameterIndex(), 1);
}

TEST(CallSignType, SecondSetFailsAndKeepsTheFirstFormat) {
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetDefaultFormat(2, 0));
    EXPECT_FALSE(format.SetDefaultFormat(3, 1));
    EXPECT_FALSE(format.SetFormat(1, 0, {Attributes(1, 1)}));
    EXPECT_EQ(format.GetParameterCount(), 2);
    EXPECT_EQ(format.GetMainParameterIndex(), 0);
}

TEST(CallSignType, TotalsThatDoNotFitThirtyTwoBitsAreRefused) {
    constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
    CQuillmarkData_CallSignType format;
    EXPECT_FALSE(format.SetFormat(2, 0, {Attributes(1, kHuge), Attributes(1, kHuge)}));
    EXPECT_FALSE(format.IsValid());
}

TEST(CallSignType, GetAttributesIsNullOutsideTheRangeOrWhenNotValid) {
    CQuillmarkData_CallSignType format;
    EXPECT_EQ(format.GetAttributes(0), nullptr);
    ASSERT_TRUE(format.SetDefaultFormat(3, 0));
    EXPECT_EQ(format.GetAttributes(-1), nullptr);
    EXPECT_EQ(format.GetAttributes(3), nullptr);
    ASSERT_NE(format.GetAttributes(2), nullptr);
    EXPECT_EQ(format.GetAttributes(2)->GetMaxLength(), -1);
    EXPECT_EQ(format.GetAttributes(2)->GetCharacterClasses(), 0xFFFFFFFFu);
}

TEST(CallSignType, GettersOfAnInvalidFormatGiveMinusTwo) {
    const CQuillmarkData_CallSignType format;
    EXPECT_EQ(format.GetParameterCount(), -2);
    EXPECT_EQ(format.GetMainParameterIndex(), -2);
    EXPECT_EQ(format.GetMinTotalLength(), -2);
    EXPECT_EQ(format.GetMaxTotalLength(), -2);
}

TEST(CallSignType, CopyAndEquality) {
    CQuillmarkData_CallSignType a;
    a.SetDefaultFormat(2, 0);
    CQuillmarkData_CallSignType b;
    b.CopyFrom(a);
    EXPECT_EQ(a, b);
    CQuillmarkData_CallSignType c;
    c.SetDefaultFormat(2, 1);
    EXPECT_NE(a, c);
    CQuillmarkData_CallSignType d;
    d.SetFormat(2, 0, {Attributes(5, 6, 3), Attributes(0, 1, 3)});
    EXPECT_NE(a, d);  // one attribute differs
}

struct MultiplierCase {
    int index;
    int32_t has;
    int32_t stored;
};

class ContestNumberMultiplier : public testing::TestWithParam<MultiplierCase> {};

TEST_P(ContestNumberMultiplier, IndexOutsideTheRangeMeansNoMultiplier) {
    const MultiplierCase& c = GetParam();
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(format.SetDefaultFormat(3, c.index));
    EXPECT_EQ(format.HasMultiplier(), c.has);
    EXPECT_EQ(format.GetMultiplierParameterIndex(), c.stored);
    EXPECT_EQ(format.MultiplierIndexOrNone(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Indices, ContestNumberMultiplier,
                         testing::Values(MultiplierCase{0, 1, 0}, MultiplierCase{2, 1, 2},
                                         MultiplierCase{3, 0, -1}, MultiplierCase{-1, 0, -1},
                                         MultiplierCase{100, 0, -1}));

TEST(ContestNumberType, DefaultAttributesMatchTheBuiltInTable) {
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(format.SetDefaultFormat(5, 1));
    const auto* third = format.GetAttributes(2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->GetMinLength(), 3);
    EXPECT_EQ(third->GetMaxLength(), 3);
    EXPECT_EQ(third->GetCharacterClasses(), 1u);
    EXPECT_EQ(third->GetSpecialCharacters(), "kKwW");
    EXPECT_EQ(format.GetAttributes(3)->GetMaxLength(), 6);
    EXPECT_EQ(format.GetAttributes(3)->GetCharacterClasses(), 0xFFFFFFFFu);
    EXPECT_EQ(format.GetAttributes(4)->GetMaxLength(), -1);
}

TEST(ContestNumberType, InvalidFormatHasNoMultiplier) {
    const CQuillmarkData_ContestNumberType format;
    EXPECT_EQ(format.HasMultiplier(), -2);
    EXPECT_EQ(format.MultiplierIndexOrNone(), -1);
}

TEST(ParameterTypeArchive, CallSignRecordIsWrittenFieldByField) {
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetFormat(1, 0, {Attributes(5, 6, 3, "/")}));
    const std::string expected = Bytes()
                                     .I32(1)
                                     .I32(1)
                                     .I32(0)
                                     .I32(5)
                                     .I32(6)
                                     .U16(1)
                                     .I32(1)
                                     .I32(5)
                                     .I32(6)
                                     .I32(3)
                                     .Str("/")
                                     .str();
    EXPECT_EQ(model_test::Store(format), expected);
}

TEST(ParameterTypeArchive, ContestNumberRecordPutsHasMultiplierBeforeTheIndex) {
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(format.SetFormat(1, 5, {Attributes(2, 3, 1)}));
    const std::string expected = Bytes()
                                     .I32(1)
                                     .I32(1)
                                     .I32(0)
                                     .I32(-1)
                                     .I32(2)
                                     .I32(3)
                                     .U16(1)
                                     .I32(1)
                                     .I32(2)
                                     .I32(3)
                                     .I32(1)
                                     .Str("")
                                     .str();
    EXPECT_EQ(model_test::Store(format), expected);
}

TEST(ParameterTypeArchive, RoundTripsDefaultFormats) {
    CQuillmarkData_CallSignType call;
    call.SetDefaultFormat(3, 1);
    CQuillmarkData_ContestNumberType number;
    number.SetDefaultFormat(5, 2);
    size_t left = 1;
    EXPECT_EQ(model_test::Load<CQuillmarkData_CallSignType>(model_test::Store(call), &left), call);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(model_test::Load<CQuillmarkData_ContestNumberType>(model_test::Store(number), &left),
              number);
    EXPECT_EQ(left, 0u);
}

TEST(ParameterTypeArchive, AnInvalidFormatRoundTripsWithItsFlag) {
    CQuillmarkData_ContestNumberType number;
    const auto loaded =
        model_test::Load<CQuillmarkData_ContestNumberType>(model_test::Store(number));
    EXPECT_FALSE(loaded.IsValid());
    EXPECT_EQ(loaded, number);
}

TEST(ParameterTypeArchive, HostileAttributeCountFailsBeforeAllocating) {
    // Count 0xFFFF escape with a 32-bit count of a billion, and nothing after it.
    const std::string bytes =
        Bytes().I32(1).I32(1).I32(0).I32(5).I32(6).U16(0xFFFF).I32(1000000000).str();
    EXPECT_THROW(model_test::Load<CQuillmarkData_CallSignType>(bytes), CArchiveException);
}

}  // namespace

namespace {

TEST(ParameterTypeArchive, StoredTotalsThatDisagreeWithTheAttributesAreNoticed) {
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetDefaultFormat(2, 0));
    EXPECT_TRUE(format.HasConsistentTotals());
    // The same record with a max total of 2^31 - 1 instead of 8.
    std::string bytes = model_test::Store(format);
    const std::string huge = Bytes().I32(0x7FFFFFFF).str();
    bytes.replace(16, 4, huge);
    const auto loaded = model_test::Load<CQuillmarkData_CallSignType>(bytes);
    EXPECT_EQ(loaded.GetMaxTotalLength(), 0x7FFFFFFF);
    EXPECT_TRUE(loaded.HasConsistentAttributes());
    EXPECT_FALSE(loaded.HasConsistentTotals());
    // No padding to two gigabytes.
    const auto item = model_test::CallSign("JA1ABC", format);
    EXPECT_EQ(item.GetPaddedText("/", loaded), "");
}

}  // namespace
