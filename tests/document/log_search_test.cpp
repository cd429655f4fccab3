#include "document/log_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "../platform/case_table.h"
#include "citycode/city_code_organization.h"
#include "dialogs/log_data_search_dialog.h"
#include "document_test_util.h"
#include "model/log_entry.h"

namespace {

using namespace doc_test;
using D = CLogDataSearchDialog;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);

TEST(LogSearchContainsText, FindsKeysOnCharacterBoundariesOnly) {
    for (const auto& c : platform_test::CaseTable("document/log_search_contains.txt", 3)) {
        EXPECT_EQ(log_search::ContainsText(platform_test::Unescaped(c[0]),
                                           platform_test::Unescaped(c[1])),
                  c[2] == "1")
            << c[0] << " / " << c[1];
    }
}

class LogSearchMatcherTest : public testing::Test {
protected:
    void SetUp() override {
        criteria_.SetCallSignType(CallSignFormat());
        criteria_.SetContestNumberType(NumberFormat());
        criteria_.SetPunctuationMarks(kDelimiters);
        CCityCodeData_CityCodeDataItem item;
        item.SetFields("13", "x", "y");
        database_.AddItem(item);
        CCityCodeData_CityCodeDataItem empty_code;
        empty_code.SetFields("", "empty", "code");
        database_.AddItem(empty_code);
        city_codes_.Register(&database_);
    }

    CQuillmarkData_LogDataItem Make(std::string_view received) {
        return Entry(contest_, kTime, "JA1ABC", "599/100", received);
    }

    bool Matches(const CQuillmarkData_LogDataItem& entry, int multiplier_index = 1) const {
        const CLogSearchMatcher matcher(criteria_, kDelimiters, multiplier_index, &city_codes_);
        return matcher.Matches(entry);
    }

    CQuillmarkData_MainData contest_ = Contest();
    D criteria_{kTime};
    CCityCodeData_MainData database_;
    CCityCodeData_MainDataOrganization city_codes_;
};

TEST_F(LogSearchMatcherTest, DateRangeIncludesBothEnds) {
    criteria_.SetSwitch(D::kDateTime, D::kMustMatch);
    criteria_.SetRange(kTime, kTime + 10);
    auto entry = Make("599/13");
    for (const auto& [offset, inside] :
         std::vector<std::pair<int, bool>>{{-1, false}, {0, true}, {10, true}, {11, false}}) {
        entry.SetTime(kTime + offset);
        EXPECT_EQ(Matches(entry), inside) << offset;
    }
    criteria_.SetSwitch(D::kDateTime, D::kMustNotMatch);
    entry.SetTime(kTime + 11);
    EXPECT_TRUE(Matches(entry));
}

TEST_F(LogSearchMatcherTest, MultiplierNotInTheDatabase) {
    criteria_.SetSwitch(D::kMultiplierNotInDatabase, D::kMustMatch);
    EXPECT_FALSE(Matches(Make("599/13")));
    EXPECT_TRUE(Matches(Make("599/14")));
    EXPECT_TRUE(Matches(Make("599/130"))) << "a code must be equal, not contained";
    criteria_.SetSwitch(D::kMultiplierNotInDatabase, D::kMustNotMatch);
    EXPECT_TRUE(Matches(Make("599/13")));
    EXPECT_FALSE(Matches(Make("599/14")));
    // Without a multiplier parameter the criterion rejects nothing.
    EXPECT_TRUE(Matches(Make("599/14"), -1));
    EXPECT_TRUE(Matches(Make("599/13"), -1));
}

TEST_F(LogSearchMatcherTest, CallingMethodEqualsTheChosenOne) {
    criteria_.SetSwitch(D::kCallingMethod, D::kMustMatch);
    auto entry = Make("599/13");
    entry.SetCallingMethod(true);
    criteria_.SetCallingMethodCQ(true);
    EXPECT_TRUE(Matches(entry));
    criteria_.SetCallingMethodCQ(false);
    EXPECT_FALSE(Matches(entry));
    entry.SetCallingMethod(false);
    EXPECT_TRUE(Matches(entry));
}

TEST_F(LogSearchMatcherTest, ModeMustBeEqualNotContained) {
    criteria_.SetSwitch(D::kMode, D::kMustMatch);
    criteria_.SetModeIndex(5);  // "A1"
    auto entry = Make("599/13");
    entry.SetMode("A1");
    EXPECT_TRUE(Matches(entry));
    auto longer = Make("599/13");
    longer.SetMode("A1A");
    EXPECT_FALSE(Matches(longer));
}

TEST(LogSearchFindEntries, StoppedScanKeepsWhatItFound) {
    const CQuillmarkData_MainData contest = Contest();
    std::vector<CQuillmarkData_LogDataItem> entries;
    for (int i = 0; i < 6; ++i) {
        entries.push_back(
            Entry(contest, kTime + i, i % 2 == 0 ? "JA1AAA" : "JA2BBB", "599/10", "599/10"));
    }
    D criteria(kTime);
    criteria.SetSwitch(D::kCallSign, D::kMustMatch);
    criteria.SetEnteredCallSign("JA1");
    ASSERT_TRUE(criteria.OnSearchStart().ok());
    const CLogSearchMatcher matcher(criteria, kDelimiters, 1, nullptr);
    std::vector<int> asked;
    const CWorkPacer every_step(std::chrono::nanoseconds(0));
    const auto found = log_search::FindEntries(
        entries, matcher,
        [&asked](int next) {
            asked.push_back(next);
            return next < 3;  // the operator presses Cancel before entry 3
        },
        every_step);
    EXPECT_EQ(found, (std::vector<int>{0, 2}));
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(log_search::FindEntries(entries, matcher, nullptr), (std::vector<int>{0, 2, 4}));
}

}  // namespace
