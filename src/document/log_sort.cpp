#include "document/log_sort.h"

#include <array>
#include <cstddef>
#include <utility>

#include "document/work_pacer.h"
#include "model/log_entry.h"
#include "platform/cp932_convert.h"

namespace log_sort {

namespace {

// A flag counts as a smaller number when set, so entries that have it come first.
int64_t FlagOrder(bool set) {
    return set ? 0 : 1;
}

// Asks the callback when the pacer says so; steps between clock reads keep the cost of
// asking negligible against the comparisons.
class PacedProgress {
public:
    PacedProgress(const ProgressCallback& callback, int64_t total)
        : callback_(callback), total_(total) {}

    // False when the operator cancelled.
    bool Start() { return Ask(0); }
    bool Step(int64_t done) {
        if (++steps_ % kStepsPerClockRead != 0) {
            return true;
        }
        return Ask(done);
    }
    bool cancelled() const { return cancelled_; }

private:
    static constexpr int kStepsPerClockRead = 64;

    bool Ask(int64_t done) {
        if (!cancelled_ && callback_ && pacer_.Due() && !callback_(done, total_)) {
            cancelled_ = true;
        }
        return !cancelled_;
    }

    const ProgressCallback& callback_;
    const int64_t total_;
    CWorkPacer pacer_;
    int64_t steps_ = 0;
    bool cancelled_ = false;
};

int64_t MergePasses(size_t n) {
    int64_t passes = 0;
    for (size_t width = 1; width < n; width *= 2) {
        ++passes;
    }
    return passes;
}

// Bottom-up merge sort of positions into values; a right element moves ahead only when it
// is strictly smaller, which keeps equals in order.
bool MergeSort(const std::vector<SortValue>& values, std::vector<size_t>& order,
               PacedProgress& progress) {
    const size_t n = order.size();
    std::vector<size_t> buffer(n);
    int64_t done = 0;
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t low = 0; low < n; low += 2 * width) {
            const size_t middle = std::min(low + width, n);
            const size_t high = std::min(low + 2 * width, n);
            size_t i = low;
            size_t j = middle;
            size_t k = low;
            while (i < middle && j < high) {
                if (CompareValues(values[order[j]], values[order[i]]) < 0) {
                    buffer[k++] = order[j++];
                } else {
                    buffer[k++] = order[i++];
                }
                if (!progress.Step(done + static_cast<int64_t>(k - low))) {
                    return false;
                }
            }
            while (i < middle) {
                buffer[k++] = order[i++];
            }
            while (j < high) {
                buffer[k++] = order[j++];
            }
            done += static_cast<int64_t>(high - low);
        }
        order.swap(buffer);
    }
    return true;
}

// Row-by-row insertion behind the last equal row. Only used when a row addresses no entry:
// such a row equals everything, which no merge can reproduce.
bool InsertOneByOne(const std::vector<SortValue>& values, const std::vector<bool>& valid,
                    std::vector<size_t>& order, PacedProgress& progress) {
    std::vector<size_t> output;
    output.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t row = order[i];
        size_t j = 0;
        if (valid[row]) {
            while (j < output.size() &&
                   !(valid[output[j]] && CompareValues(values[row], values[output[j]]) < 0)) {
                if (!progress.Step(static_cast<int64_t>(i))) {
                    return false;
                }
                ++j;
            }
        } else {
            j = output.size();
        }
        output.insert(output.begin() + static_cast<std::ptrdiff_t>(j), row);
    }
    order.swap(output);
    return true;
}

std::vector<size_t> Identity(size_t n) {
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) {
        order[i] = i;
    }
    return order;
}

// rows[i] becomes the row that stood at order[i].
void ApplyOrder(const std::vector<size_t>& order, std::vector<int>& rows) {
    std::vector<int> sorted(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted[i] = rows[order[i]];
    }
    rows.swap(sorted);
}

}  // namespace

Cp932 HeadingOf(int key) {
    static const std::array<Cp932, kLastKey> headings = {
        Utf8ToCp932("[条件] ： 交信日時"),
        Utf8ToCp932("[条件] ： 呼出符号"),
        Utf8ToCp932("[条件] ： 送信コンテストナンバー"),
        Utf8ToCp932("[条件] ： 受信コンテストナンバー"),
        Utf8ToCp932("[条件] ： マルチの First の状況"),
        Utf8ToCp932("[条件] ： 得点"),
        Utf8ToCp932("[条件] ： 電波の型式"),
        Utf8ToCp932("[条件] ： 呼び出しの方法"),
        Utf8ToCp932("[条件] ： カードの要求の有無"),
        Utf8ToCp932("[条件] ： カード送出の完了の状況"),
        Utf8ToCp932("[条件] ： カード受取の完了の状況"),
        Utf8ToCp932("[条件] ： コメント"),
    };
    if (!IsKey(key)) {
        return {};
    }
    return headings[static_cast<size_t>(key - kFirstKey)];
}

SortValue ValueOf(const CQuillmarkData_LogDataItem& entry, int key, std::string_view delimiters,
                  int multiplier_index) {
    SortValue value;
    switch (key) {
        case kDateTime:
            value.number = entry.GetTime();
            break;
        case kCallSign:
            value.text = entry.GetCallSign().GetText(delimiters);
            break;
        case kSentContestNumber:
            value.text = entry.GetSentContestNumber().GetText(delimiters);
            break;
        case kReceivedContestNumber:
            value.text = entry.GetReceivedContestNumber().GetText(delimiters);
            break;
        case kFirstStatus: {
            const bool first = entry.GetFirst() == 1;
            value.number = FlagOrder(first);
            // Entries that are not First are all equal; so are First ones without a
            // multiplier parameter.
            if (first && multiplier_index >= 0) {
                value.text =
                    Cp932(entry.GetReceivedContestNumber().ParameterView(multiplier_index));
            }
            break;
        }
        case kPoints:
            value.number = entry.GetPoints();
            break;
        case kMode:
            value.text = entry.GetMode();
            break;
        case kCallingMethod:
            value.number = FlagOrder(entry.GetCallingMethod() == 1);
            break;
        case kCardRequested:
            value.number = FlagOrder(entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardRequested));
            break;
        case kCardSent:
            value.number = FlagOrder(entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardSent));
            break;
        case kCardReceived:
            value.number = FlagOrder(entry.HasCardFlag(CQuillmarkData_LogDataItem::kCardReceived));
            break;
        case kComment:
            value.text = entry.GetComment();
            break;
        default:
            break;
    }
    return value;
}

int CompareValues(const SortValue& a, const SortValue& b) {
    if (a.number != b.number) {
        return a.number < b.number ? -1 : 1;
    }
    return cp932::CompareMultibyte(a.text, b.text);
}

int CompareEntries(const CQuillmarkData_LogDataItem& a, const CQuillmarkData_LogDataItem& b,
                   int key, std::string_view delimiters, int multiplier_index) {
    return CompareValues(ValueOf(a, key, delimiters, multiplier_index),
                         ValueOf(b, key, delimiters, multiplier_index));
}

bool SortRowsByValues(const std::vector<SortValue>& values, std::vector<int>& rows,
                      const ProgressCallback& progress) {
    const size_t n = rows.size();
    if (values.size() != n) {
        return false;
    }
    std::vector<size_t> order = Identity(n);
    PacedProgress paced(progress, MergePasses(n) * static_cast<int64_t>(n));
    if (!paced.Start() || !MergeSort(values, order, paced)) {
        return false;
    }
    ApplyOrder(order, rows);
    return true;
}

bool SortRows(const std::vector<CQuillmarkData_LogDataItem>& entries, int key,
              std::string_view delimiters, int multiplier_index, std::vector<int>& rows,
              const ProgressCallback& progress) {
    const size_t n = rows.size();
    std::vector<SortValue> values(n);
    std::vector<bool> valid(n);
    bool all_valid = true;
    for (size_t i = 0; i < n; ++i) {
        const int index = rows[i];
        valid[i] = index >= 0 && static_cast<size_t>(index) < entries.size();
        if (valid[i]) {
            values[i] =
                ValueOf(entries[static_cast<size_t>(index)], key, delimiters, multiplier_index);
        }
        all_valid = all_valid && valid[i];
    }
    if (all_valid) {
        return SortRowsByValues(values, rows, progress);
    }
    std::vector<size_t> order = Identity(n);
    PacedProgress paced(progress, static_cast<int64_t>(n));
    if (!paced.Start() || !InsertOneByOne(values, valid, order, paced)) {
        return false;
    }
    ApplyOrder(order, rows);
    return true;
}

}  // namespace log_sort
