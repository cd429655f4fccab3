#include "model/log_entry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../platform/case_table.h"
#include "model_test_util.h"

namespace {

const CQuillmarkData_CallSignType kCallFormat = model_test::CallSignFormat();
const CQuillmarkData_ContestNumberType kNumberFormat = model_test::ContestNumberFormat();

// Every setter, each changing one field of an entry that is set.
const std::function<bool(CQuillmarkData_LogDataItem&)> kChanges[] = {
    [](auto& e) { return e.SetTime(2); },
    [](auto& e) { return e.SetCallSign(model_test::CallSign("JA2XYZ", kCallFormat)); },
    [](auto& e) { return e.SetSentContestNumber(model_test::Number("59/002", kNumberFormat)); },
    [](auto& e) { return e.SetReceivedContestNumber(model_test::Number("59/13", kNumberFormat)); },
    [](auto& e) { return e.SetFirst(true); },
    [](auto& e) { return e.SetPoints(2); },
    [](auto& e) { return e.SetMode("CW"); },
    [](auto& e) { return e.SetCallingMethod(true); },
    [](auto& e) { return e.SetCardFlag(4, true); },
    [](auto& e) { return e.SetComment("x"); },
};

// Nothing is set on an entry before SetEntry, which takes only valid items and only once;
// afterwards each setter changes what equality compares.
TEST(LogDataItem, SetEntryOnceWithValidItemsThenEachSetterChangesTheEntry) {
    const auto call = model_test::CallSign("JA1ABC", kCallFormat);
    const auto sent = model_test::Number("59/001", kNumberFormat);
    const auto received = model_test::Number("59/12", kNumberFormat);
    CQuillmarkData_LogDataItem entry;
    for (size_t i = 0; i < std::size(kChanges); ++i) {
        EXPECT_FALSE(kChanges[i](entry)) << "change " << i;
    }
    EXPECT_EQ(entry, CQuillmarkData_LogDataItem());
    // The smallest record is an empty entry's.
    EXPECT_EQ(model_test::Store(entry).size(), CQuillmarkData_LogDataItem::kMinRecordBytes);
    EXPECT_FALSE(entry.SetEntry(1, CQuillmarkData_CallSignItem(), sent, received, 1));
    EXPECT_FALSE(entry.SetEntry(1, call, CQuillmarkData_ContestNumberItem(), received, 1));
    EXPECT_FALSE(entry.SetEntry(1, call, sent, CQuillmarkData_ContestNumberItem(), 1));
    EXPECT_FALSE(entry.IsValid());
    ASSERT_TRUE(entry.SetEntry(1, call, sent, received, 1));
    EXPECT_FALSE(entry.SetEntry(2, call, sent, received, 2));
    EXPECT_EQ(entry.GetTime(), 1);
    EXPECT_FALSE(entry.SetCallSign(CQuillmarkData_CallSignItem()));
    EXPECT_FALSE(entry.SetSentContestNumber(CQuillmarkData_ContestNumberItem()));
    EXPECT_FALSE(entry.SetReceivedContestNumber(CQuillmarkData_ContestNumberItem()));
    EXPECT_EQ(entry.GetCallSign(), call);
    for (size_t i = 0; i < std::size(kChanges); ++i) {
        CQuillmarkData_LogDataItem changed;
        changed.CopyFrom(entry);
        ASSERT_EQ(changed, entry);
        EXPECT_TRUE(kChanges[i](changed)) << "change " << i;
        EXPECT_NE(changed, entry) << "change " << i;
    }
    CQuillmarkData_LogDataItem cleared = entry;
    cleared.DeleteContents();
    EXPECT_NE(cleared, entry);
}

TEST(LogDataItem, CardFlagSetsOrClearsExactlyOneBit) {
    for (const auto& c : platform_test::CaseTable("model/card_flags.txt", 5)) {
        SCOPED_TRACE(c[0] + " " + c[1]);
        auto entry = model_test::Entry(1, "JA1ABC", "59/12");
        for (const int32_t bit : {1, 2, 4}) {
            if ((std::stoi(c[0]) & bit) != 0) {
                ASSERT_TRUE(entry.SetCardFlag(bit, true));
            }
        }
        EXPECT_EQ(entry.SetCardFlag(std::stoi(c[1]), c[2] == "on"), c[3] == "accepted");
        EXPECT_EQ(entry.GetCardFlags(), std::stoi(c[4]));
    }
}

TEST(LogDataItem, ATimeTheFileCannotHoldFailsTheWriteInsteadOfWrappingNegativeOnesRoundTrip) {
    auto far = model_test::Entry(int64_t{1} << 33, "JA1ABC", "59/12");
    EXPECT_THROW(model_test::Store(far), CArchiveException);
    auto before_1970 = model_test::Entry(-86400, "JA1ABC", "59/12");
    EXPECT_EQ(
        model_test::Load<CQuillmarkData_LogDataItem>(model_test::Store(before_1970)).GetTime(),
        -86400);
}

}  // namespace
