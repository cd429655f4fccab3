#include "model/parameter_item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_test_util.h"
#include "platform/cp932_convert.h"

namespace {

using model_test::Bytes;
using model_test::kDelimiters;
using Parts = std::vector<std::string>;

CQuillmarkData_ParameterAttributes Attributes(int32_t min, int32_t max, uint32_t classes,
                                              std::string_view specials = {}) {
    CQuillmarkData_ParameterAttributes attributes;
    attributes.SetAttributes(min, max, classes, specials);
    return attributes;
}

// A call sign format of count parameters, each 0 to unlimited bytes of anything.
CQuillmarkData_CallSignType Anything(int count) {
    CQuillmarkData_CallSignType format;
    format.SetFormat(count, 0, ParameterAttributesArray(count, Attributes(0, -1, 0xFFFFFFFFu)));
    return format;
}

struct SplitCase {
    const char* name;
    std::string text;
    std::string delimiters;
    int count;  // 0: default call sign format with 2 parameters
    bool accepted;
    Parts parts;
};

class CallSignSetText : public testing::TestWithParam<SplitCase> {};

TEST_P(CallSignSetText, ValidatesAndSplits) {
    const SplitCase& c = GetParam();
    const auto format = c.count == 0 ? model_test::CallSignFormat(2) : Anything(c.count);
    CQuillmarkData_CallSignItem item;
    EXPECT_EQ(item.SetText(c.text, c.delimiters, format), c.accepted);
    EXPECT_EQ(item.IsValid(), c.accepted);
    EXPECT_EQ(item.GetParts(), c.accepted ? c.parts : Parts{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallSignSetText,
    testing::Values(
        SplitCase{"MissingOptionalPartIsEmpty", "JA1ABC", "/", 0, true, {"JA1ABC", ""}},
        SplitCase{"TwoParts", "JA1ABC/1", "/", 0, true, {"JA1ABC", "1"}},
        SplitCase{"LongerThanMaxTotal", "JA1ABC/12", "/", 0, false, {}},
        SplitCase{"FirstPartBelowItsMin", "JA1/1", "/", 0, false, {}},
        SplitCase{"BelowMinTotal", "JA1A", "/", 0, false, {}},
        SplitCase{"AnyDelimiterOfTheSet", "JA1ABC.1", "/,.", 0, true, {"JA1ABC", "1"}},
        SplitCase{"TrailingDelimiterGivesEmptyLastPart", "JA1ABC/", "/", 0, true, {"JA1ABC", ""}},
        SplitCase{"LetterInDigitsOnlyPart", "JA1ABC/P", "/", 0, false, {}},
        SplitCase{"PunctuationHasNoClass", "JA-ABC", "/", 0, true, {"JA-ABC", ""}},
        SplitCase{"KatakanaNotAllowed", "JA1AB\xb1", "/", 0, false, {}},
        SplitCase{"EmptyDelimiterSet", "JA1ABC", "", 0, false, {}},
        SplitCase{"EmptyMiddlePart", "A//B", "/", 3, true, {"A", "", "B"}},
        SplitCase{"TooManyParts", "A//B", "/", 2, false, {}},
        SplitCase{"LeadingDelimiter", "/A", "/", 2, true, {"", "A"}},
        SplitCase{"NoDelimiterIsOnePart", "ABC", "/", 3, true, {"ABC", "", ""}},
        SplitCase{"EmptyText", "", "/", 2, true, {"", ""}},
        // 0x83 0x5C is one full-width character whose trail byte is a backslash.
        SplitCase{"TrailByteIsNeverADelimiter", "\x83\x5c\\A", "\\", 2, true, {"\x83\x5c", "A"}},
        SplitCase{"TrailByteAtSignIsNotADelimiter", "\x83\x40@B", "@", 2, true, {"\x83\x40", "B"}},
        // A full-width solidus as the delimiter.
        SplitCase{"FullWidthDelimiter",
                  "AB\x81\x5e"
                  "C",
                  "\x81\x5e",
                  2,
                  true,
                  {"AB", "C"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(CallSignItem, WithoutAMultiplierAnyNumberOfPartsUpToCountIsAccepted) {
    // Count 3 default: unlimited third parameter, so only per-parameter limits apply.
    const auto format = model_test::CallSignFormat(3);
    CQuillmarkData_CallSignItem item;
    EXPECT_TRUE(item.SetText("JA1ABC/1/" + std::string(300, 'X'), "/", format));
    EXPECT_EQ(item.GetParameter(2).size(), 300u);
}

TEST(CallSignItem, SecondSetTextFailsUntilReset) {
    const auto format = model_test::CallSignFormat();
    CQuillmarkData_CallSignItem item;
    ASSERT_TRUE(item.SetText("JA1ABC", "/", format));
    EXPECT_FALSE(item.SetText("JA2XYZ", "/", format));
    EXPECT_EQ(item.GetParameter(0), "JA1ABC");
    item.DeleteContents();
    EXPECT_TRUE(item.SetText("JA2XYZ", "/", format));
}

TEST(CallSignItem, AFailedSetTextLeavesNothingBehind) {
    const auto format = model_test::CallSignFormat();
    CQuillmarkData_CallSignItem item;
    EXPECT_FALSE(item.SetText("JA1ABC/12", "/", format));
    EXPECT_EQ(item.GetPartCount(), 0);
    EXPECT_EQ(item.GetText("/"), "");
}

TEST(CallSignItem, InvalidFormatRejectsEveryText) {
    CQuillmarkData_CallSignItem item;
    EXPECT_FALSE(item.SetText("JA1ABC", "/", CQuillmarkData_CallSignType()));
}

TEST(CallSignItem, GetTextJoinsWithTheFirstDelimiterAndDropsTrailingEmptyParts) {
    const auto format = Anything(4);
    CQuillmarkData_CallSignItem item;
    ASSERT_TRUE(item.SetText("A.B,,", ",./", format));
    EXPECT_EQ(item.GetParts(), (Parts{"A", "B", "", ""}));
    EXPECT_EQ(item.GetText("/,."), "A/B");
    EXPECT_EQ(item.GetText(",/"), "A,B");
    EXPECT_EQ(item.GetText("\x81\x5e"),
              "A\x81\x5e"
              "B");
    EXPECT_EQ(item.GetText(""), "");
}

TEST(CallSignItem, GetTextKeepsInnerEmptyParts) {
    CQuillmarkData_CallSignItem item;
    ASSERT_TRUE(item.SetText("/A//", "/", Anything(4)));
    EXPECT_EQ(item.GetText("/"), "/A");
}

TEST(CallSignItem, GetParameterOutOfRangeOrInvalidIsEmpty) {
    const auto format = model_test::CallSignFormat();
    CQuillmarkData_CallSignItem item;
    EXPECT_EQ(item.GetParameter(0), "");
    ASSERT_TRUE(item.SetText("JA1ABC/1", "/", format));
    EXPECT_EQ(item.GetParameter(-1), "");
    EXPECT_EQ(item.GetParameter(2), "");
    EXPECT_EQ(item.GetMainParameter(format), "JA1ABC");
}

TEST(CallSignItem, FullWidthCharactersCountTwoBytes) {
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetFormat(1, 0, {Attributes(1, 4, cp932::kFullWidth)}));
    const Cp932 two = Utf8ToCp932("ＡＢ");
    const Cp932 three = Utf8ToCp932("ＡＢＣ");
    ASSERT_EQ(two.size(), 4u);
    CQuillmarkData_CallSignItem item;
    EXPECT_TRUE(item.SetText(two, "/", format));
    CQuillmarkData_CallSignItem longer;
    EXPECT_FALSE(longer.SetText(three, "/", format));  // 6 bytes > 4 (and > max total 4)
}

TEST(CallSignItem, FullWidthCharactersCountTwoBytesAgainstAPartLimit) {
    // Max total unlimited, so only the part's own limit can refuse.
    CQuillmarkData_CallSignType format;
    ASSERT_TRUE(format.SetFormat(
        2, 0, {Attributes(1, 3, cp932::kFullWidth), Attributes(0, -1, 0xFFFFFFFFu)}));
    CQuillmarkData_CallSignItem item;
    EXPECT_FALSE(item.SetText(Utf8ToCp932("ＡＢ"), "/", format));
    EXPECT_TRUE(item.SetText(Utf8ToCp932("Ａ"), "/", format));
}

struct ClassCase {
    const char* name;
    uint32_t classes;
    std::string specials;
    std::string text;
    bool accepted;
};

class ParameterClasses : public testing::TestWithParam<ClassCase> {};

TEST_P(ParameterClasses, RefuseCharactersOfClassesNotAllowed) {
    const ClassCase& c = GetParam();
    CQuillmarkData_ContestNumberType format;
    ASSERT_TRUE(format.SetFormat(1, -1, {Attributes(0, -1, c.classes, c.specials)}));
    CQuillmarkData_ContestNumberItem item;
    EXPECT_EQ(item.SetText(c.text, "/", format), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterClasses,
    testing::Values(ClassCase{"DigitsInDigits", 1, "", "0123456789", true},
                    ClassCase{"LetterInDigits", 1, "", "12a", false},
                    ClassCase{"DigitInLetters", 2, "", "AB1", false},
                    ClassCase{"KatakanaAllowed", 4, "", "\xb1\xb2\xdf", true},
                    ClassCase{"KatakanaRefused", 3, "", "A\xb1", false},
                    ClassCase{"FullWidthAllowed", 16, "", "\x82\x60\x88\x9f", true},
                    ClassCase{"FullWidthRefused", 7, "", "A\x82\x60", false},
                    ClassCase{"PunctuationAlwaysPasses", 1, "", "1-2.3 4", true},
                    ClassCase{"NoClassAtAllStillTakesPunctuation", 0, "", "-+ ", true},
                    ClassCase{"SpecialLetterPasses", 1, "kK", "10K", true},
                    ClassCase{"OtherLetterStillFails", 1, "kK", "10X", false},
                    ClassCase{"SpecialsRemovedEverywhere", 1, "kK", "kK1kK", true},
                    // A full-width special is removed as a whole character.
                    ClassCase{"FullWidthSpecial", 1, "\x82\x60", "1\x82\x60", true},
                    ClassCase{"FullWidthSpecialDoesNotCoverOthers", 1, "\x82\x60", "1\x82\x61",
                              false},
                    ClassCase{"AllClasses", 0xFFFFFFFFu, "", "A1\xb1\x82\x60", true}),
    [](const testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

TEST(ContestNumberItem, PowerCodeKPassesTheThirdDefaultParameter) {
    const auto format = model_test::ContestNumberFormat(3, 1);
    CQuillmarkData_ContestNumberItem item;
    EXPECT_TRUE(item.SetText("59/12/10K", "/", format));
    EXPECT_EQ(item.GetParameter(2), "10K");
    CQuillmarkData_ContestNumberItem too_long;
    EXPECT_FALSE(too_long.SetText("59/12/100K", "/", format));
    CQuillmarkData_ContestNumberItem letter;
    EXPECT_FALSE(letter.SetText("59/12/10P", "/", format));
}

TEST(ContestNumberItem, MultiplierParameterFollowsTheFormat) {
    const auto with = model_test::ContestNumberFormat(2, 1);
    const auto without = model_test::ContestNumberFormat(2, -1);
    CQuillmarkData_ContestNumberItem item;
    ASSERT_TRUE(item.SetText("59/12", "/", with));
    EXPECT_EQ(item.GetMultiplierParameter(with), "12");
    EXPECT_EQ(item.GetMultiplierParameter(without), "");
}

TEST(PaddedText, PadsEachPartAndTheWhole) {
    const auto format = model_test::ContestNumberFormat(3, 1);  // max 3 + 6 + 3 + 2 = 14
    CQuillmarkData_ContestNumberItem item;
    ASSERT_TRUE(item.SetText("59/12/10K", "/,", format));
    EXPECT_EQ(item.GetPaddedText("/,", format), "59 /12    /10K");
    EXPECT_EQ(item.GetPaddedParameter(0, format), "59 ");
    EXPECT_EQ(item.GetPaddedParameter(1, format), "12    ");
}

TEST(PaddedText, TrailingEmptyPartsAreDroppedAndTheWholeIsPadded) {
    const auto format = model_test::CallSignFormat(2);  // max 8
    CQuillmarkData_CallSignItem item;
    ASSERT_TRUE(item.SetText("JA1AB", "/", format));
    EXPECT_EQ(item.GetPaddedText("/", format), "JA1AB   ");
    EXPECT_EQ(item.GetPaddedParameter(1, format), " ");
}

TEST(PaddedText, EmptyWhenUnlimitedMismatchedOrInvalid) {
    const auto unlimited = model_test::CallSignFormat(3);
    CQuillmarkData_CallSignItem item;
    ASSERT_TRUE(item.SetText("JA1ABC/1", "/", unlimited));
    EXPECT_EQ(item.GetPaddedText("/", unlimited), "");
    EXPECT_EQ(item.GetPaddedParameter(0, unlimited), "");

    const auto two = model_test::CallSignFormat(2);
    EXPECT_EQ(item.GetPaddedText("/", two), "");  // three parts, format of two
    EXPECT_EQ(item.GetPaddedParameter(0, two), "");

    CQuillmarkData_CallSignItem fitting;
    ASSERT_TRUE(fitting.SetText("JA1ABC", "/", two));
    EXPECT_EQ(fitting.GetPaddedText("", two), "");
    EXPECT_EQ(fitting.GetPaddedParameter(2, two), "");
    EXPECT_EQ(fitting.GetPaddedText("/", CQuillmarkData_CallSignType()), "");
    EXPECT_EQ(CQuillmarkData_CallSignItem().GetPaddedText("/", two), "");
}

TEST(ItemEquality, ComparesFlagAndPartsByteForByte) {
    const auto format = model_test::CallSignFormat();
    const auto a = model_test::CallSign("JA1ABC", format);
    EXPECT_EQ(a, model_test::CallSign("JA1ABC/", format));
    EXPECT_NE(a, model_test::CallSign("JA1ABD", format));
    EXPECT_NE(a, model_test::CallSign("ja1abc", format));
    EXPECT_NE(a, CQuillmarkData_CallSignItem());
    CQuillmarkData_CallSignItem copy;
    copy.CopyFrom(a);
    EXPECT_EQ(copy, a);
}

TEST(ItemArchive, ValidItemWritesItsFlagAndParts) {
    const auto item = model_test::CallSign("JA1ABC/1", model_test::CallSignFormat());
    auto copy = item;
    EXPECT_EQ(model_test::Store(copy), Bytes().I32(1).U16(2).Str("JA1ABC").Str("1").str());
    EXPECT_EQ(model_test::Load<CQuillmarkData_CallSignItem>(model_test::Store(copy)), item);
}

TEST(ItemArchive, InvalidItemWritesZeroAndNoParts) {
    CQuillmarkData_ContestNumberItem item;
    EXPECT_EQ(model_test::Store(item), Bytes().I32(0).U16(0).str());
}

}  // namespace
