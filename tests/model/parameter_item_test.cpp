#include "model/parameter_item.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../platform/case_table.h"
#include "model_test_util.h"
#include "platform/cp932_convert.h"

namespace {

using model_test::Bytes;
using Parts = std::vector<std::string>;

using model_test::Attributes;
using platform_test::Unescaped;

// A call sign format of count parameters, each 0 to unlimited bytes of anything.
CQuillmarkData_CallSignType Anything(int count) {
    CQuillmarkData_CallSignType format;
    format.SetFormat(count, 0, ParameterAttributesArray(count, Attributes(0, -1, 0xFFFFFFFFu)));
    return format;
}

// One row of the text table, on an item of the format's kind.
template <typename Item, typename Format>
void ExpectText(const platform_test::CaseRow& c, const Format& format) {
    const bool accepted = c[4] != "refused";
    const std::string delimiters = Unescaped(c[2]);
    Item item;
    EXPECT_EQ(item.SetText(Unescaped(c[1]), delimiters, format), accepted);
    EXPECT_EQ(item.IsValid(), accepted);
    EXPECT_EQ(item.GetParts(), accepted ? platform_test::Items(Unescaped(c[4])) : Parts{});
    EXPECT_EQ(item.GetText(delimiters), Unescaped(c[5]));
    EXPECT_EQ(item.GetPaddedText(delimiters, format), Unescaped(c[6]));
    EXPECT_EQ(item.GetText(""), "");
}

TEST(Item, SetTextValidatesAndSplitsAndGetTextJoinsAndPads) {
    for (const auto& c : platform_test::CaseTable("model/item_texts.txt", 7)) {
        SCOPED_TRACE(c[0]);
        std::string kind;
        int count = 0;
        std::istringstream(c[3]) >> kind >> count;
        if (kind == "number") {
            ExpectText<CQuillmarkData_ContestNumberItem>(c, model_test::ContestNumberFormat(count));
        } else {
            ExpectText<CQuillmarkData_CallSignItem>(
                c, kind == "call" ? model_test::CallSignFormat(count) : Anything(count));
        }
    }
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
    for (const auto& c : platform_test::CaseTable("model/number_classes.txt", 5)) {
        CQuillmarkData_ContestNumberType format;
        ASSERT_TRUE(
            format.SetFormat(1, -1, {Attributes(0, -1, std::stoul(c[1]), Unescaped(c[2]))}));
        CQuillmarkData_ContestNumberItem item;
        EXPECT_EQ(item.SetText(Unescaped(c[3]), "/", format), c[4] == "accepted") << c[0];
    }
}

// The whole padded texts are in the text table. The multiplier parameter follows the format.
TEST(PaddedText, EachPartIsPaddedToItsLengthUnlessUnlimitedMismatchedOrInvalid) {
    const auto number_format = model_test::ContestNumberFormat(3, 1);
    const auto number = model_test::Number("59/12/10K", number_format);
    EXPECT_EQ(number.GetMultiplierParameter(number_format), "12");
    EXPECT_EQ(number.GetMultiplierParameter(model_test::ContestNumberFormat(3, -1)), "");
    EXPECT_EQ(number.GetPaddedParameter(0, number_format), "59 ");
    EXPECT_EQ(number.GetPaddedParameter(1, number_format), "12    ");

    const auto unlimited = model_test::CallSignFormat(3);
    const auto item = model_test::CallSign("JA1ABC/1", unlimited);
    EXPECT_EQ(item.GetPaddedParameter(0, unlimited), "");
    const auto two = model_test::CallSignFormat(2);
    EXPECT_EQ(item.GetPaddedText("/", two), "");  // three parts, format of two
    EXPECT_EQ(item.GetPaddedParameter(0, two), "");

    const auto fitting = model_test::CallSign("JA1ABC", two);
    EXPECT_EQ(fitting.GetPaddedText("", two), "");
    EXPECT_EQ(fitting.GetPaddedParameter(1, two), " ");
    EXPECT_EQ(fitting.GetPaddedParameter(2, two), "");
    EXPECT_EQ(fitting.GetPaddedText("/", CQuillmarkData_CallSignType()), "");
}

// Equal items compare flag and parts byte for byte; a second SetText needs a reset.
TEST(CallSignItem, EqualityComparesFlagAndPartsAndASecondSetTextNeedsAReset) {
    const auto format = model_test::CallSignFormat();
    const auto a = model_test::CallSign("JA1ABC", format);
    EXPECT_EQ(a, model_test::CallSign("JA1ABC/", format));
    EXPECT_NE(a, model_test::CallSign("JA1ABD", format));
    EXPECT_NE(a, model_test::CallSign("ja1abc", format));
    EXPECT_NE(a, CQuillmarkData_CallSignItem());
    CQuillmarkData_CallSignItem copy;
    copy.CopyFrom(a);
    EXPECT_EQ(copy, a);
    EXPECT_FALSE(copy.SetText("JA2XYZ", "/", format));
    EXPECT_EQ(copy.GetMainParameter(format), "JA1ABC");
    copy.DeleteContents();
    EXPECT_TRUE(copy.SetText("JA2XYZ", "/", format));
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
