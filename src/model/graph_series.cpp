#include "model/graph_series.h"

#include <algorithm>
#include <limits>

#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "platform/saturating.h"

namespace {

// Titles and colours (0x00BBGGRR) each kind starts with.
struct KindDefaults {
    int32_t shown;
    const char* title;
    int32_t colour;
};

KindDefaults DefaultsOf(GraphKind kind) {
    switch (kind) {
        case GraphKind::stations:
            return {1, "\x8b\xc7\x90\x94", 0x0000FF};  // "局数", red
        case GraphKind::multipliers:
            return {1, "\x83\x7d\x83\x8b\x83\x60\x90\x94", 0xFF0000};  // "マルチ数", blue
        case GraphKind::points:
            break;
    }
    return {0, "\x93\xbe\x93\x5f\x90\x94", 0x008000};  // "得点数", green
}

// Points positions pack the entry index (high 32 bits) and the events already given for it.
constexpr int kRepeatBits = 32;
constexpr int64_t kRepeatMask = (int64_t{1} << kRepeatBits) - 1;

}  // namespace

CQuillmarkData_GraphDataItem::CQuillmarkData_GraphDataItem(GraphKind kind) : kind_(kind) {
    DeleteContents();
}

void CQuillmarkData_GraphDataItem::DeleteContents() {
    const KindDefaults defaults = DefaultsOf(kind_);
    valid_ = 0;
    shown_ = defaults.shown;
    bucket_length_ = 0;
    title_ = defaults.title;
    pen_width_ = 1;
    colour_ = defaults.colour;
    contest_ = nullptr;
    source_contest_ = nullptr;
    source_band_ = nullptr;
}

bool CQuillmarkData_GraphDataItem::SetSource(const CQuillmarkData_MainData* contest,
                                             const CQuillmarkData_MainData* source,
                                             int64_t bucket_length) {
    if (IsValid() || contest == nullptr || source == nullptr || bucket_length <= 0) {
        return false;
    }
    contest_ = contest;
    source_contest_ = source;
    source_band_ = nullptr;
    bucket_length_ = bucket_length;
    valid_ = 1;
    return true;
}

bool CQuillmarkData_GraphDataItem::SetSource(const CQuillmarkData_MainData* contest,
                                             const CQuillmarkData_SubMainData* source,
                                             int64_t bucket_length) {
    if (IsValid() || contest == nullptr || source == nullptr || bucket_length <= 0) {
        return false;
    }
    contest_ = contest;
    source_contest_ = nullptr;
    source_band_ = source;
    bucket_length_ = bucket_length;
    valid_ = 1;
    return true;
}

bool CQuillmarkData_GraphDataItem::SetPenWidth(int32_t width) {
    if (width < 0) {
        return false;
    }
    pen_width_ = width;
    return true;
}

int64_t CQuillmarkData_GraphDataItem::GetBucketCount() const {
    if (!IsValid()) {
        return -1;
    }
    const int64_t length = SaturatingSubtract(contest_->GetEndTime(), contest_->GetStartTime());
    // An empty or reversed period still has the one bucket every time falls into.
    if (length <= 0) {
        return 1;
    }
    return (length - 1) / bucket_length_ + 1;
}

int64_t CQuillmarkData_GraphDataItem::GetBucketIndex(int64_t time) const {
    if (!IsValid()) {
        return -1;
    }
    const int64_t start = contest_->GetStartTime();
    const int64_t length = SaturatingSubtract(contest_->GetEndTime(), start);
    if (time <= start || length <= 0) {
        return 0;
    }
    // The end itself belongs to the last bucket: one second is taken off the elapsed time at
    // the end, which matters only when the period is a whole number of buckets.
    const int64_t elapsed = std::min(SaturatingSubtract(time, start), length - 1);
    return elapsed / bucket_length_;
}

int64_t CQuillmarkData_GraphDataItem::EntryCount() const {
    if (source_band_ != nullptr) {
        return source_band_->GetEntryCount();
    }
    if (source_contest_ != nullptr) {
        int64_t count = 0;
        for (int i = 0; i < source_contest_->GetBandCount(); ++i) {
            count += source_contest_->GetBandAt(i)->GetEntryCount();
        }
        return count;
    }
    return 0;
}

const CQuillmarkData_LogDataItem* CQuillmarkData_GraphDataItem::EntryAt(int64_t i) const {
    if (i < 0) {
        return nullptr;
    }
    if (source_band_ != nullptr) {
        return i <= std::numeric_limits<int>::max() ? source_band_->GetEntryAt(static_cast<int>(i))
                                                    : nullptr;
    }
    if (source_contest_ != nullptr) {
        for (int b = 0; b < source_contest_->GetBandCount(); ++b) {
            const CQuillmarkData_SubMainData* band = source_contest_->GetBandAt(b);
            if (i < band->GetEntryCount()) {
                return band->GetEntryAt(static_cast<int>(i));
            }
            i -= band->GetEntryCount();
        }
    }
    return nullptr;
}

int64_t CQuillmarkData_GraphDataItem::EventsOf(const CQuillmarkData_LogDataItem& entry) const {
    if (!entry.IsValid()) {
        return 0;
    }
    switch (kind_) {
        case GraphKind::stations:
            return 1;
        case GraphKind::multipliers:
            return entry.GetFirst() == 1 ? 1 : 0;
        case GraphKind::points:
            // A negative score gives no events rather than a negative count.
            return std::max<int64_t>(entry.GetPoints(), 0);
    }
    return 0;
}

int64_t CQuillmarkData_GraphDataItem::GetEventCount() const {
    if (!IsValid()) {
        return -1;
    }
    int64_t count = 0;
    auto add = [&](const CQuillmarkData_SubMainData& band) {
        for (const auto& entry : band.GetEntries()) {
            count += EventsOf(entry);
        }
    };
    if (source_band_ != nullptr) {
        add(*source_band_);
    } else {
        for (int b = 0; b < source_contest_->GetBandCount(); ++b) {
            add(*source_contest_->GetBandAt(b));
        }
    }
    return count;
}

int64_t CQuillmarkData_GraphDataItem::PositionFrom(int64_t i) const {
    const int64_t count = EntryCount();
    for (; i < count; ++i) {
        const CQuillmarkData_LogDataItem* entry = EntryAt(i);
        if (entry != nullptr && EventsOf(*entry) > 0) {
            return kind_ == GraphKind::points ? i << kRepeatBits : i;
        }
    }
    return -1;
}

int64_t CQuillmarkData_GraphDataItem::GetFirstEventPosition() const {
    if (!IsValid()) {
        return -1;
    }
    return PositionFrom(0);
}

int64_t CQuillmarkData_GraphDataItem::GetNextEvent(int64_t& cursor) const {
    if (!IsValid() || cursor < 0) {
        cursor = -1;
        return -1;
    }
    const bool points = kind_ == GraphKind::points;
    const int64_t index = points ? cursor >> kRepeatBits : cursor;
    const int64_t repeat = points ? cursor & kRepeatMask : 0;
    const CQuillmarkData_LogDataItem* entry = EntryAt(index);
    if (entry == nullptr || repeat >= EventsOf(*entry)) {
        cursor = -1;
        return -1;
    }
    if (points && repeat + 1 < EventsOf(*entry)) {
        cursor = cursor + 1;
    } else {
        cursor = PositionFrom(index + 1);
    }
    return entry->GetTime();
}

std::vector<int64_t> CQuillmarkData_GraphDataItem::CountEventsPerBucket(
    int64_t bucket_limit) const {
    std::vector<int64_t> counts;
    if (!IsValid() || bucket_limit <= 0) {
        return counts;
    }
    counts.assign(static_cast<size_t>(std::min(bucket_limit, GetBucketCount())), 0);
    auto add = [&](const CQuillmarkData_SubMainData& band) {
        for (const auto& entry : band.GetEntries()) {
            const int64_t events = EventsOf(entry);
            if (events == 0) {
                continue;
            }
            const int64_t bucket = GetBucketIndex(entry.GetTime());
            if (bucket < static_cast<int64_t>(counts.size())) {
                counts[static_cast<size_t>(bucket)] += events;
            }
        }
    };
    if (source_band_ != nullptr) {
        add(*source_band_);
    } else {
        for (int b = 0; b < source_contest_->GetBandCount(); ++b) {
            add(*source_contest_->GetBandAt(b));
        }
    }
    return counts;
}
