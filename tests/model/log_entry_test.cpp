#include "model/log_entry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../platform/case_table.h"
#include "model_test_util.h"

namespace {

class LogDataItemTest : public testing::Test {
protected:
    CQuillmarkData_CallSignType call_format_ = model_test::CallSignFormat();
    CQuillmarkData_ContestNumberType number_format_ = model_test::ContestNumberFormat();
    CQuillmarkData_CallSignItem call_ = model_test::CallSign("JA1ABC", call_format_);
    CQuillmarkData_ContestNumberItem sent_ = model_test::Number("59/001", number_format_);
    CQuillmarkData_ContestNumberItem received_ = model_test::Number("59/12", number_format_);
};

// Nothing is set on an entry before SetEntry, which takes only valid items and only once.
TEST_F(LogDataItemTest, SetEntryOnceWithValidItemsAndNothingBefore) {
    CQuillmarkData_LogDataItem entry;
    EXPECT_FALSE(entry.SetTime(5));
    EXPECT_FALSE(entry.SetCallSign(call_));
    EXPECT_FALSE(entry.SetSentContestNumber(sent_));
    EXPECT_FALSE(entry.SetReceivedContestNumber(received_));
    EXPECT_FALSE(entry.SetFirst(true));
    EXPECT_FALSE(entry.SetPoints(2));
    EXPECT_FALSE(entry.SetMode("CW"));
    EXPECT_FALSE(entry.SetCallingMethod(true));
    EXPECT_FALSE(entry.SetCardFlag(1, true));
    EXPECT_FALSE(entry.SetComment("x"));
    EXPECT_EQ(entry, CQuillmarkData_LogDataItem());
    EXPECT_FALSE(entry.SetEntry(1, CQuillmarkData_CallSignItem(), sent_, received_, 1));
    EXPECT_FALSE(entry.SetEntry(1, call_, CQuillmarkData_ContestNumberItem(), received_, 1));
    EXPECT_FALSE(entry.SetEntry(1, call_, sent_, CQuillmarkData_ContestNumberItem(), 1));
    EXPECT_FALSE(entry.IsValid());
    ASSERT_TRUE(entry.SetEntry(1, call_, sent_, received_, 1));
    EXPECT_FALSE(entry.SetEntry(2, call_, sent_, received_, 2));
    EXPECT_EQ(entry.GetTime(), 1);
    EXPECT_FALSE(entry.SetCallSign(CQuillmarkData_CallSignItem()));
    EXPECT_FALSE(entry.SetSentContestNumber(CQuillmarkData_ContestNumberItem()));
    EXPECT_FALSE(entry.SetReceivedContestNumber(CQuillmarkData_ContestNumberItem()));
    EXPECT_EQ(entry.GetCallSign(), call_);
    const auto other = model_test::CallSign("JA2XYZ/1", call_format_);
    EXPECT_TRUE(entry.SetCallSign(other));
    EXPECT_EQ(entry.GetCallSign(), other);
}

TEST_F(LogDataItemTest, CardFlagSetsOrClearsExactlyOneBit) {
    for (const auto& c : platform_test::CaseTable("model/card_flags.txt", 5)) {
        SCOPED_TRACE(c[0] + " " + c[1]);
        CQuillmarkData_LogDataItem entry;
        ASSERT_TRUE(entry.SetEntry(1, call_, sent_, received_, 1));
        for (const int32_t bit : {1, 2, 4}) {
            if ((std::stoi(c[0]) & bit) != 0) {
                ASSERT_TRUE(entry.SetCardFlag(bit, true));
            }
        }
        EXPECT_EQ(entry.SetCardFlag(std::stoi(c[1]), c[2] == "on"), c[3] == "accepted");
        EXPECT_EQ(entry.GetCardFlags(), std::stoi(c[4]));
    }
}

TEST_F(LogDataItemTest, EqualityCoversEveryField) {
    CQuillmarkData_LogDataItem base;
    ASSERT_TRUE(base.SetEntry(1, call_, sent_, received_, 1));
    const std::function<void(CQuillmarkData_LogDataItem&)> changes[] = {
        [](auto& e) { e.SetTime(2); },
        [&](auto& e) { e.SetCallSign(model_test::CallSign("JA2XYZ", call_format_)); },
        [&](auto& e) { e.SetSentContestNumber(model_test::Number("59/002", number_format_)); },
        [&](auto& e) { e.SetReceivedContestNumber(model_test::Number("59/13", number_format_)); },
        [](auto& e) { e.SetFirst(true); },
        [](auto& e) { e.SetPoints(2); },
        [](auto& e) { e.SetMode("CW"); },
        [](auto& e) { e.SetCallingMethod(true); },
        [](auto& e) { e.SetCardFlag(4, true); },
        [](auto& e) { e.SetComment("x"); },
        [](auto& e) { e.DeleteContents(); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        CQuillmarkData_LogDataItem changed;
        changed.CopyFrom(base);
        ASSERT_EQ(changed, base);
        changes[i](changed);
        EXPECT_NE(changed, base) << "change " << i;
    }
}

TEST_F(LogDataItemTest, MinimalRecordSizeMatchesAnEmptyInvalidEntry) {
    CQuillmarkData_LogDataItem entry;
    EXPECT_EQ(model_test::Store(entry).size(), CQuillmarkData_LogDataItem::kMinRecordBytes);
}

TEST_F(LogDataItemTest, ATimeTheFileCannotHoldFailsTheWriteInsteadOfWrappingNegativeOnesRoundTrip) {
    CQuillmarkData_LogDataItem entry;
    ASSERT_TRUE(entry.SetEntry(int64_t{1} << 33, call_, sent_, received_, 1));
    EXPECT_THROW(model_test::Store(entry), CArchiveException);
    CQuillmarkData_LogDataItem before_1970;
    ASSERT_TRUE(before_1970.SetEntry(-86400, call_, sent_, received_, 1));
    EXPECT_EQ(
        model_test::Load<CQuillmarkData_LogDataItem>(model_test::Store(before_1970)).GetTime(),
        -86400);
}

}  // namespace
