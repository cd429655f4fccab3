#include "document/log_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>
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

// Each row sets one criterion on fresh criteria and one field of an entry (received 599/13,
// the multiplier 13 in the database) and says whether the entry matches; see the table.
TEST(LogSearchMatcher, EachCriterionMatchesAsTheTableSays) {
    CCityCodeData_MainData database;
    for (const auto& [code, name] : {std::pair{"13", "x"}, {"", "empty"}}) {
        CCityCodeData_CityCodeDataItem item;
        item.SetFields(code, name, "y");
        database.AddItem(item);
    }
    CCityCodeData_MainDataOrganization city_codes;
    city_codes.Register(&database);
    const CQuillmarkData_MainData contest = Contest();
    const std::pair<const char*, D::Criterion> switches[] = {
        {"date", D::kDateTime},
        {"not in database", D::kMultiplierNotInDatabase},
        {"calling", D::kCallingMethod},
        {"mode", D::kMode}};
    for (const auto& c : platform_test::CaseTable("document/log_search_matches.txt", 5)) {
        D criteria(kTime);
        criteria.SetCallSignType(CallSignFormat());
        criteria.SetContestNumberType(NumberFormat());
        criteria.SetPunctuationMarks(kDelimiters);
        const auto which = std::find_if(std::begin(switches), std::end(switches),
                                        [&c](const auto& s) { return c[0] == s.first; });
        ASSERT_NE(which, std::end(switches)) << c[0];
        criteria.SetSwitch(which->second, c[1] == "must" ? D::kMustMatch : D::kMustNotMatch);
        auto entry = Entry(contest, kTime, "JA1ABC", "599/100", "599/13");
        int multiplier_index = 1;
        if (which->second == D::kDateTime) {
            criteria.SetRange(kTime, kTime + 10);
            entry.SetTime(kTime + std::stoi(c[3]));
        } else if (which->second == D::kMultiplierNotInDatabase) {
            multiplier_index = std::stoi(c[2]);
            entry = Entry(contest, kTime, "JA1ABC", "599/100", c[3]);
        } else if (which->second == D::kCallingMethod) {
            criteria.SetCallingMethodCQ(c[2] == "1");
            entry.SetCallingMethod(c[3] == "1");
        } else {
            criteria.SetModeIndex(std::stoi(c[2]));
            entry.SetMode(c[3]);
        }
        const CLogSearchMatcher matcher(criteria, kDelimiters, multiplier_index, &city_codes);
        EXPECT_EQ(matcher.Matches(entry), c[4] == "1")
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
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
