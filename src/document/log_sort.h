#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkData_LogDataItem;

// The twelve orders of the log list and the sort of its rows. An order is reduced to a key
// per entry (a number and a CP932 text, compared in that order), so comparing two entries
// and sorting many rows use one and the same rule; the sort computes each row's key once
// and merges, so it is stable and O(n log n). Works on a band's entries and the row list
// of the log view; knows nothing of the document or the operator (progress goes through a
// callback).
namespace log_sort {

// Sort keys, as the log view's menu and column headers number them.
enum Key : int {
    kDateTime = 1,
    kCallSign = 2,
    kSentContestNumber = 3,
    kReceivedContestNumber = 4,
    kFirstStatus = 5,
    kPoints = 6,
    kMode = 7,
    kCallingMethod = 8,
    kCardRequested = 9,
    kCardSent = 10,
    kCardReceived = 11,
    kComment = 12,
};
inline constexpr int kFirstKey = 1;
inline constexpr int kLastKey = 12;

constexpr bool IsKey(int key) {
    return key >= kFirstKey && key <= kLastKey;
}

// The key's heading in the progress window ("[条件] ： 交信日時"); empty for an unknown key.
Cp932 HeadingOf(int key);

// What an entry is ordered by under one key.
struct SortValue {
    int64_t number = 0;
    Cp932 text;
};

// The entry's value under key; texts in their display form (parts joined by the first
// character of delimiters). multiplier_index is the contest number's multiplier parameter,
// -1 when there is none. An unknown key gives a value equal to every other.
SortValue ValueOf(const CQuillmarkData_LogDataItem& entry, int key, std::string_view delimiters,
                  int multiplier_index);

// <0, 0 or >0: number first, then text by cp932::CompareMultibyte.
int CompareValues(const SortValue& a, const SortValue& b);

// Compares two entries under key (only the sign counts): CompareValues of their values.
int CompareEntries(const CQuillmarkData_LogDataItem& a, const CQuillmarkData_LogDataItem& b,
                   int key, std::string_view delimiters, int multiplier_index);

// Called now and then while sorting with the work done so far out of total; returning false
// cancels the sort.
using ProgressCallback = std::function<bool(int64_t done, int64_t total)>;

// Reorders rows (indices into entries) by key. Rows that compare equal keep their order, so
// the result is the order that inserting the rows one by one behind their equals gives. An
// index outside entries compares equal to every row; such rows are placed exactly as that
// row-by-row insertion places them (slowly: a list view never holds one). Progress is
// asked at the start and then whenever it wants (see CWorkPacer); when it cancels, rows is
// left as it was and the result is false.
bool SortRows(const std::vector<CQuillmarkData_LogDataItem>& entries, int key,
              std::string_view delimiters, int multiplier_index, std::vector<int>& rows,
              const ProgressCallback& progress);

// Reorders rows stably by the values given for them, one per row (values[i] belongs to
// rows[i]), with the same progress and cancel as SortRows. Other lists (the city code list)
// sort through it with values of their own.
bool SortRowsByValues(const std::vector<SortValue>& values, std::vector<int>& rows,
                      const ProgressCallback& progress);

}  // namespace log_sort
