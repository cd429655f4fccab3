#include "document/log_sort.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "../platform/case_table.h"
#include "document_test_util.h"
#include "model/log_entry.h"

namespace {

using namespace doc_test;
using Entries = std::vector<CQuillmarkData_LogDataItem>;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// An entry from "field=value" words: call, received, comment, mode, points, first, cq and
// cards (the flags' sum); values may hold \xNN bytes.
CQuillmarkData_LogDataItem Described(const CQuillmarkData_MainData& contest,
                                     const std::string& words) {
    std::map<std::string, std::string> fields{{"call", "JA1AAA"},
                                              {"received", "599/13"},
                                              {"mode", "CW"},
                                              {"points", "1"},
                                              {"cards", "0"}};
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const size_t equals = word.find('=');
        fields[word.substr(0, equals)] = platform_test::Unescaped(word.substr(equals + 1));
    }
    auto entry = Entry(contest, kTime, fields["call"], "599/100", fields["received"],
                       std::stoi(fields["points"]), fields["mode"]);
    entry.SetComment(fields["comment"]);
    entry.SetFirst(fields["first"] == "1");
    entry.SetCallingMethod(fields["cq"] == "1");
    for (const int flag : {1, 2, 4}) {
        entry.SetCardFlag(flag, (std::stoi(fields["cards"]) & flag) != 0);
    }
    return entry;
}

TEST(LogSortCompare, EachKeyOrdersTwoEntriesAsTheTableSays) {
    const CQuillmarkData_MainData contest = Contest();
    for (const auto& c : platform_test::CaseTable("document/log_sort_comparisons.txt", 5)) {
        const int key = std::stoi(c[0]);
        const int multiplier_index = std::stoi(c[1]);
        const auto a = Described(contest, c[2]);
        const auto b = Described(contest, c[3]);
        const int expected = std::stoi(c[4]);
        EXPECT_EQ(Sign(log_sort::CompareEntries(a, b, key, kDelimiters, multiplier_index)),
                  expected)
            << c[2] << " / " << c[3];
        EXPECT_EQ(Sign(log_sort::CompareEntries(b, a, key, kDelimiters, multiplier_index)),
                  -expected)
            << c[3] << " / " << c[2];
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

// Progress stays within the total; Cancel, asked once before the first comparison, leaves the
// rows as they were.
TEST(LogSortRows, ReportsProgressWithinTheTotalAndCancelKeepsTheRows) {
    const CQuillmarkData_MainData contest = Contest();
    std::mt19937 random(11);
    const Entries entries = RandomLog(random, contest, 3000);
    std::vector<int> rows(entries.size());
    std::iota(rows.rbegin(), rows.rend(), 0);
    const std::vector<int> before = rows;
    std::vector<int64_t> asked;
    EXPECT_FALSE(log_sort::SortRows(entries, log_sort::kCallSign, kDelimiters, 1, rows,
                                    [&asked](int64_t done, int64_t total) {
                                        asked.push_back(done);
                                        EXPECT_GT(total, 0);
                                        return false;
                                    }));
    EXPECT_EQ(asked, std::vector<int64_t>{0});
    EXPECT_EQ(rows, before);
    int64_t last = -1;
    ASSERT_TRUE(log_sort::SortRows(entries, log_sort::kComment, kDelimiters, 1, rows,
                                   [&](int64_t done, int64_t total) {
                                       EXPECT_TRUE(done >= last && done <= total) << done;
                                       last = done;
                                       return true;
                                   }));
    EXPECT_GE(last, 0);
}

}  // namespace
