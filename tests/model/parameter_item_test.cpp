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

using model_test::Attributes;

// A call sign format of count parameters, each 0 to unlimited bytes of anything.
CQuillmarkData_CallSignType Anything(int count) {
    CQuillmarkData_CallSignType format;
    format.SetFormat(count, 0, ParameterAttributesArray(count, Attributes(0, -1, 0xFFFFFFFFu)));
    return format;
}

TEST(CallSignItem, SetTextValidatesAndSplits) {
    const struct {
        const char* name;
        std::string text;
        std::string delimiters;
        int count;  // 0: default call sign format with 2 parameters
        bool accepted;
        Parts parts;
    } cases[] = {

        {"MissingOptionalPartIsEmpty", "JA1ABC", "/", 0, true, {"JA1ABC", ""}},
        {"TwoParts", "JA1ABC/1", "/", 0, true, {"JA1ABC", "1"}},
        {"LongerThanMaxTotal", "JA1ABC/12", "/", 0, false, {}},
        {"FirstPartBelowItsMin", "JA1/1", "/", 0, false, {}},
        {"BelowMinTotal", "JA1A", "/", 0, false, {}},
        {"AnyDelimiterOfTheSet", "JA1ABC.1", "/,.", 0, true, {"JA1ABC", "1"}},
        {"TrailingDelimiterGivesEmptyLastPart", "JA1ABC/", "/", 0, true, {"JA1ABC", ""}},
        {"LetterInDigitsOnlyPart", "JA1ABC/P", "/", 0, false, {}},
        {"PunctuationHasNoClass", "JA-ABC", "/", 0, true, {"JA-ABC", ""}},
        {"KatakanaNotAllowed", "JA1AB\xb1", "/", 0, false, {}},
        {"EmptyDelimiterSet", "JA1ABC", "", 0, false, {}},
        {"EmptyMiddlePart", "A//B", "/", 3, true, {"A", "", "B"}},
        {"TooManyParts", "A//B", "/", 2, false, {}},
        {"LeadingDelimiter", "/A", "/", 2, true, {"", "A"}},
        {"NoDelimiterIsOnePart", "ABC", "/", 3, true, {"ABC", "", ""}},
        {"EmptyText", "", "/", 2, true, {"", ""}},
        // 0x83 0x5C is one full-width character whose trail byte is a backslash.
        {"TrailByteIsNeverADelimiter", "\x83\x5c\\A", "\\", 2, true, {"\x83\x5c", "A"}},
        {"TrailByteAtSignIsNotADelimiter", "\x83\x40@B", "@", 2, true, {"\x83\x40", "B"}},
        // A full-width solidus as the delimiter.
        {"FullWidthDelimiter",
         "AB\x81\x5e"
         "C",
         "\x81\x5e",
         2,
         true,
         {"AB", "C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto format = c.count == 0 ? model_test::CallSignFormat(2) : Anything(c.count);
        CQuillmarkData_CallSignItem item;
        EXPECT_EQ(item.SetText(c.text, c.delimiters, format), c.accepted);
        EXPECT_EQ(item.IsValid(), c.accepted);
        EXPECT_EQ(item.GetParts(), c.accepted ? c.parts : Parts{});
    }
}

TEST(CallSignItem, WithoutAMultiplierAnyNumberOfPartsUpToCountIsAccepted) {
    // Count 3 default: unlimited third parameter, so only per-parameter limits apply.
    const auto format = model_test::CallSignFormat(3);
    CQuillmarkData_CallSignItem item;
    EXPECT_TRUE(item.SetText("JA1ABC/1/" + std::string(300, 'X'), "/", format));
    EXPECT_EQ(item.GetParameter(2).size(), 300u);
}

TEST(CallSignItem, AFailedSetTextLeavesNothingBehindAndASecondOneNeedsAReset) {
    const auto format = model_test::CallSignFormat();
    CQuillmarkData_CallSignItem item;
    EXPECT_FALSE(item.SetText("JA1ABC/12", "/", format));
    EXPECT_EQ(item.GetPartCount(), 0);
    EXPECT_EQ(item.GetText("/"), "");
    ASSERT_TRUE(item.SetText("JA1ABC", "/", format));
    EXPECT_FALSE(item.SetText("JA2XYZ", "/", format));
    EXPECT_EQ(item.GetMainParameter(format), "JA1ABC");
    item.DeleteContents();
    EXPECT_TRUE(item.SetText("JA2XYZ", "/", format));
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
    CQuillmarkData_CallSignItem inner;
    ASSERT_TRUE(inner.SetText("/A//", "/", format));
    EXPECT_EQ(inner.GetText("/"), "/A");  // inner empty parts are kept
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

TEST(ContestNumberItem, CharactersOfClassesNotAllowedAreRefused) {
    const struct {
        const char* name;
        uint32_t classes;
        std::string specials;
        std::string text;
        bool accepted;
    } cases[] = {
        {"DigitsInDigits", 1, "", "0123456789", true},
        {"LetterInDigits", 1, "", "12a", false},
        {"DigitInLetters", 2, "", "AB1", false},
        {"KatakanaAllowed", 4, "", "\xb1\xb2\xdf", true},
        {"KatakanaRefused", 3, "", "A\xb1", false},
        {"FullWidthAllowed", 16, "", "\x82\x60\x88\x9f", true},
        {"FullWidthRefused", 7, "", "A\x82\x60", false},
        {"PunctuationAlwaysPasses", 1, "", "1-2.3 4", true},
        {"NoClassAtAllStillTakesPunctuation", 0, "", "-+ ", true},
        {"SpecialLetterPasses", 1, "kK", "10K", true},
        {"OtherLetterStillFails", 1, "kK", "10X", false},
        {"SpecialsRemovedEverywhere", 1, "kK", "kK1kK", true},
        // A full-width special is removed as a whole character.
        {"FullWidthSpecial", 1, "\x82\x60", "1\x82\x60", true},
        {"FullWidthSpecialDoesNotCoverOthers", 1, "\x82\x60", "1\x82\x61", false},
        {"AllClasses", 0xFFFFFFFFu, "", "A1\xb1\x82\x60", true},
    };
    for (const auto& c : cases) {
        CQuillmarkData_ContestNumberType format;
        ASSERT_TRUE(format.SetFormat(1, -1, {Attributes(0, -1, c.classes, c.specials)}));
        CQuillmarkData_ContestNumberItem item;
        EXPECT_EQ(item.SetText(c.text, "/", format), c.accepted) << c.name;
    }
}

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

TEST(ItemArchive, ItemWritesItsFlagAndParts) {
    const auto item = model_test::CallSign("JA1ABC/1", model_test::CallSignFormat());
    auto copy = item;
    EXPECT_EQ(model_test::Store(copy), Bytes().I32(1).U16(2).Str("JA1ABC").Str("1").str());
    EXPECT_EQ(model_test::Load<CQuillmarkData_CallSignItem>(model_test::Store(copy)), item);
    CQuillmarkData_ContestNumberItem invalid;
    EXPECT_EQ(model_test::Store(invalid), Bytes().I32(0).U16(0).str());
}

}  // namespace
