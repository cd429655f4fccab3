#include "document/log_sort.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "document_test_util.h"
#include "model/log_entry.h"

namespace {

using namespace doc_test;
using Entries = std::vector<CQuillmarkData_LogDataItem>;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);

int Sign(int value) {
    return (value > 0) - (value < 0);
}

class LogSortCompare : public testing::Test {
protected:
    CQuillmarkData_LogDataItem Make(std::string_view call, std::string_view received = "599/13") {
        return Entry(contest_, kTime, call, "599/100", received);
    }
    int Compare(const CQuillmarkData_LogDataItem& a, const CQuillmarkData_LogDataItem& b, int key,
                int multiplier_index = 1) const {
        return Sign(log_sort::CompareEntries(a, b, key, kDelimiters, multiplier_index));
    }

    CQuillmarkData_MainData contest_ = Contest();
};

TEST_F(LogSortCompare, CallSignComparesTheTextFormWithTheFirstDelimiter) {
    // "JA1AAA/1" against "JA1AAA": the joined form is longer, so it sorts after.
    EXPECT_EQ(Compare(Make("JA1AAA,1"), Make("JA1AAA"), log_sort::kCallSign), 1);
    // Typed with different delimiters, the same parts compare equal.
    EXPECT_EQ(Compare(Make("JA1AAA,1"), Make("JA1AAA.1"), log_sort::kCallSign), 0);
    // '/' (0x2F) sorts before digits and letters, so the delimiter takes part in the order.
    EXPECT_EQ(Compare(Make("JA1AA/1"), Make("JA1AAA"), log_sort::kCallSign), -1);
}

TEST_F(LogSortCompare, UpperCaseBeforeLowerCaseAndSingleByteBeforeDoubleByte) {
    auto upper = Make("JA1AAA");
    auto lower = Make("JA1AAA");
    upper.SetComment("Z");
    lower.SetComment("a");
    EXPECT_EQ(Compare(upper, lower, log_sort::kComment), -1);

    struct Case {
        std::string_view a;
        std::string_view b;
        int expected;
    };
    const Case cases[] = {
        {"\xDF", "\x81\x40", -1},       // half-width katakana before a full-width blank
        {"~", "\xA1", -1},              // ASCII before half-width katakana
        {"\x82\xA0", "\x82\xA2", -1},   // あ before い
        {"\x82\xA0", "\x82\xA0X", -1},  // a prefix first
        {"\x88\x9F", "\x82\xA0", 1},    // 亜 after あ by its 16-bit value
        {"", "", 0},
    };
    for (const Case& c : cases) {
        auto a = Make("JA1AAA");
        auto b = Make("JA1AAA");
        a.SetMode(c.a);
        b.SetMode(c.b);
        EXPECT_EQ(Compare(a, b, log_sort::kMode), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(Compare(b, a, log_sort::kMode), -c.expected) << c.a << " vs " << c.b;
    }
}

TEST_F(LogSortCompare, FirstStatusRule) {
    auto plain_a = Make("JA1AAA", "599/20");
    auto plain_b = Make("JA1BBB", "599/10");
    auto first_20 = Make("JA1CCC", "599/20");
    auto first_10 = Make("JA1DDD", "599/10");
    first_20.SetFirst(true);
    first_10.SetFirst(true);
    constexpr int k = log_sort::kFirstStatus;
    EXPECT_EQ(Compare(plain_a, plain_b, k), 0) << "entries that are not First are equal";
    EXPECT_EQ(Compare(first_20, plain_b, k), -1);
    EXPECT_EQ(Compare(plain_b, first_20, k), 1);
    EXPECT_EQ(Compare(first_10, first_20, k), -1) << "First entries by multiplier text";
    EXPECT_EQ(Compare(first_10, first_20, k, -1), 0) << "no multiplier parameter";
}

TEST_F(LogSortCompare, NumberAndFlagKeys) {
    auto a = Make("JA1AAA");
    auto b = Make("JA1AAA");
    a.SetPoints(2);
    b.SetPoints(10);
    EXPECT_EQ(Compare(a, b, log_sort::kPoints), -1);
    EXPECT_EQ(Compare(b, a, log_sort::kPoints), 1);

    a.SetCallingMethod(true);
    b.SetCallingMethod(false);
    EXPECT_EQ(Compare(a, b, log_sort::kCallingMethod), -1) << "CQ first";
    EXPECT_EQ(Compare(b, a, log_sort::kCallingMethod), 1);

    const struct {
        int key;
        int flag;
    } cards[] = {{log_sort::kCardRequested, CQuillmarkData_LogDataItem::kCardRequested},
                 {log_sort::kCardSent, CQuillmarkData_LogDataItem::kCardSent},
                 {log_sort::kCardReceived, CQuillmarkData_LogDataItem::kCardReceived}};
    for (const auto& card : cards) {
        auto with = Make("JA1AAA");
        auto without = Make("JA1AAA");
        with.SetCardFlag(card.flag, true);
        // Another flag must not count for this key.
        without.SetCardFlag(card.flag == 1 ? 2 : 1, true);
        EXPECT_EQ(Compare(with, without, card.key), -1) << card.key;
        EXPECT_EQ(Compare(without, with, card.key), 1) << card.key;
        EXPECT_EQ(Compare(with, with, card.key), 0) << card.key;
    }
}

// --- The sort against a straightforward row-by-row insertion. ---

// The reference: each row inserted before the first row that it sorts strictly before;
// indices outside the entries compare equal to everything.
std::vector<int> InsertionSort(const Entries& entries, int key, int multiplier_index,
                               const std::vector<int>& rows) {
    const auto compare = [&](int a, int b) {
        const auto valid = [&](int i) { return i >= 0 && static_cast<size_t>(i) < entries.size(); };
        if (!valid(a) || !valid(b)) {
            return 0;
        }
        return log_sort::CompareEntries(entries[static_cast<size_t>(a)],
                                        entries[static_cast<size_t>(b)], key, kDelimiters,
                                        multiplier_index);
    };
    std::vector<int> output;
    for (const int row : rows) {
        auto position = output.begin();
        while (position != output.end() && !(compare(row, *position) < 0)) {
            ++position;
        }
        output.insert(position, row);
    }
    return output;
}

Entries RandomLog(std::mt19937& random, const CQuillmarkData_MainData& contest, int count) {
    static const char* const calls[] = {"JA1AAA", "ja1aaa", "JA1AA,1",
                                        "JA1AAB", "7K1XYZ", "JA1AAA/2"};
    static const char* const numbers[] = {"599/10", "599/100", "59/10", "579/1001", "599/09"};
    static const std::string modes[] = {"", "CW", "SSB", "cw", "\x93\x64\x90\x4D", "\xB1"};
    static const std::string comments[] = {"", "QSL", "\x82\xA0", "\x82\xA0\x82\xA2", "~", "A"};
    Entries entries;
    const auto pick = [&random](const auto& list) {
        return list[std::uniform_int_distribution<size_t>(0, std::size(list) - 1)(random)];
    };
    for (int i = 0; i < count; ++i) {
        auto entry = Entry(contest, kTime + std::uniform_int_distribution<int>(0, 5)(random),
                           pick(calls), pick(numbers), pick(numbers),
                           std::uniform_int_distribution<int>(0, 3)(random), pick(modes));
        entry.SetFirst(random() % 3 == 0);
        entry.SetCallingMethod(random() % 2 == 0);
        for (const int flag : {1, 2, 4}) {
            entry.SetCardFlag(flag, random() % 2 == 0);
        }
        entry.SetComment(pick(comments));
        EXPECT_TRUE(entry.IsValid());
        entries.push_back(entry);
    }
    return entries;
}

TEST(LogSortRows, GivesExactlyTheOrderOfRowByRowInsertion) {
    const CQuillmarkData_MainData contest = Contest();
    std::mt19937 random(20210605);
    for (int trial = 0; trial < 400; ++trial) {
        const int count = std::uniform_int_distribution<int>(0, 60)(random);
        const Entries entries = RandomLog(random, contest, count);
        std::vector<int> rows(static_cast<size_t>(count));
        std::iota(rows.begin(), rows.end(), 0);
        std::shuffle(rows.begin(), rows.end(), random);
        // Now and then a row that addresses no entry, which equals everything.
        if (trial % 10 == 0 && count > 0) {
            rows[random() % rows.size()] = trial % 20 == 0 ? -1 : count + 3;
        }
        const int key = std::uniform_int_distribution<int>(0, 13)(random);
        const int multiplier_index = trial % 7 == 0 ? -1 : 1;

        std::vector<int> sorted = rows;
        ASSERT_TRUE(
            log_sort::SortRows(entries, key, kDelimiters, multiplier_index, sorted, nullptr));
        EXPECT_EQ(sorted, InsertionSort(entries, key, multiplier_index, rows))
            << "trial " << trial << ", key " << key;
    }
}

TEST(LogSortRows, SortingTwiceNestsTheFirstOrderInsideTheSecond) {
    const CQuillmarkData_MainData contest = Contest();
    Entries entries;
    entries.push_back(Entry(contest, kTime + 0, "JA1BBB", "599/100", "599/10"));
    entries.push_back(Entry(contest, kTime + 30, "JA1AAA", "599/100", "599/10"));
    entries.push_back(Entry(contest, kTime + 10, "JA1BBB", "599/100", "599/10"));
    entries.push_back(Entry(contest, kTime + 20, "JA1AAA", "599/100", "599/10"));
    std::vector<int> rows = {0, 1, 2, 3};
    ASSERT_TRUE(log_sort::SortRows(entries, log_sort::kDateTime, kDelimiters, 1, rows, nullptr));
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 3, 1}));
    ASSERT_TRUE(log_sort::SortRows(entries, log_sort::kCallSign, kDelimiters, 1, rows, nullptr));
    EXPECT_EQ(rows, (std::vector<int>{3, 1, 0, 2})) << "by call sign, then by time";
    ASSERT_TRUE(log_sort::SortRows(entries, log_sort::kPoints, kDelimiters, 1, rows, nullptr));
    EXPECT_EQ(rows, (std::vector<int>{3, 1, 0, 2})) << "all points equal: order kept";
}

TEST(LogSortRows, CancelLeavesTheRowsAsTheyWere) {
    const CQuillmarkData_MainData contest = Contest();
    std::mt19937 random(7);
    const Entries entries = RandomLog(random, contest, 50);
    std::vector<int> rows(50);
    std::iota(rows.rbegin(), rows.rend(), 0);
    const std::vector<int> before = rows;
    int asked = 0;
    EXPECT_FALSE(log_sort::SortRows(entries, log_sort::kCallSign, kDelimiters, 1, rows,
                                    [&asked](int64_t done, int64_t total) {
                                        ++asked;
                                        EXPECT_EQ(done, 0);
                                        EXPECT_GT(total, 0);
                                        return false;
                                    }));
    EXPECT_EQ(asked, 1) << "asked once before the first comparison";
    EXPECT_EQ(rows, before);
}

TEST(LogSortRows, ReportsProgressWithinTheTotal) {
    const CQuillmarkData_MainData contest = Contest();
    std::mt19937 random(11);
    const Entries entries = RandomLog(random, contest, 3000);
    std::vector<int> rows(entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    int64_t last = -1;
    bool within = true;
    ASSERT_TRUE(log_sort::SortRows(entries, log_sort::kComment, kDelimiters, 1, rows,
                                   [&](int64_t done, int64_t total) {
                                       within = within && done >= last && done <= total;
                                       last = done;
                                       return true;
                                   }));
    EXPECT_TRUE(within);
    EXPECT_GE(last, 0);
}

}  // namespace
