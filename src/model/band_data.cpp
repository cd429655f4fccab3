#include "model/band_data.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "model/contest.h"
#include "platform/archive.h"

bool CQuillmarkData_SubMainData::SetBand(const CQuillmarkData_BandItem& band) {
    if (!band.IsValid()) {
        return false;
    }
    band_ = band;
    return true;
}

bool CQuillmarkData_SubMainData::SetSentContestNumber(
    const CQuillmarkData_ContestNumberItem& item) {
    if (!item.IsValid()) {
        return false;
    }
    sent_ = item;
    return true;
}

const CQuillmarkData_LogDataItem* CQuillmarkData_SubMainData::GetEntryAt(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= entries_.size()) {
        return nullptr;
    }
    return &entries_[static_cast<size_t>(i)];
}

int CQuillmarkData_SubMainData::AddEntry(const CQuillmarkData_LogDataItem& entry) {
    if (!entry.IsValid()) {
        return -1;
    }
    entries_.push_back(entry);
    return static_cast<int>(entries_.size()) - 1;
}

int CQuillmarkData_SubMainData::AddEntry(CQuillmarkData_LogDataItem&& entry) {
    if (!entry.IsValid()) {
        return -1;
    }
    entries_.push_back(std::move(entry));
    return static_cast<int>(entries_.size()) - 1;
}

bool CQuillmarkData_SubMainData::SetEntryAt(int i, const CQuillmarkData_LogDataItem& entry) {
    if (i < 0 || static_cast<size_t>(i) >= entries_.size() || !entry.IsValid()) {
        return false;
    }
    entries_[static_cast<size_t>(i)] = entry;
    return true;
}

bool CQuillmarkData_SubMainData::RemoveEntryAt(int i) {
    if (i < 0 || static_cast<size_t>(i) >= entries_.size()) {
        return false;
    }
    entries_.erase(entries_.begin() + i);
    return true;
}

bool CQuillmarkData_SubMainData::ReorderEntries(const std::vector<int>& order) {
    const size_t count = entries_.size();
    if (order.size() != count) {
        return false;
    }
    std::vector<bool> seen(count, false);
    for (const int index : order) {
        if (index < 0 || static_cast<size_t>(index) >= count || seen[static_cast<size_t>(index)]) {
            return false;
        }
        seen[static_cast<size_t>(index)] = true;
    }
    std::vector<CQuillmarkData_LogDataItem> reordered;
    reordered.reserve(count);
    for (const int index : order) {
        reordered.push_back(std::move(entries_[static_cast<size_t>(index)]));
    }
    entries_ = std::move(reordered);
    return true;
}

void CQuillmarkData_SubMainData::SortByTime() {
    const auto by_time = [](const CQuillmarkData_LogDataItem& a,
                            const CQuillmarkData_LogDataItem& b) {
        return a.GetTime() < b.GetTime();
    };
    if (std::is_sorted(entries_.begin(), entries_.end(), by_time)) {
        return;
    }
    // Ordering (time, original position) is the stable order: the same as inserting each
    // entry before the first entry that is later. Sorting small keys and moving every entry
    // once is much cheaper than moving the entries around during the sort.
    std::vector<std::pair<int64_t, size_t>> keys;
    keys.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        keys.emplace_back(entries_[i].GetTime(), i);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<CQuillmarkData_LogDataItem> sorted;
    sorted.reserve(entries_.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(entries_[key.second]));
    }
    entries_ = std::move(sorted);
}

void CQuillmarkData_SubMainData::Rebuild(const CQuillmarkData_MainData& contest, int flags) {
    if ((flags & (kRebuildSort | kRebuildFirst)) == 0) {
        return;
    }
    SortByTime();

    const int multiplier_index = contest.GetContestNumberType().MultiplierIndexOrNone();
    if ((flags & kRebuildFirst) == 0 || multiplier_index < 0) {
        return;
    }
    // Views into the entries' own texts: nothing below changes a text, so they stay valid.
    std::unordered_set<std::string_view> seen;
    seen.reserve(entries_.size());
    for (auto& entry : entries_) {
        const std::string_view value =
            entry.GetReceivedContestNumber().ParameterView(multiplier_index);
        entry.SetFirst(seen.insert(value).second);
    }
}

bool CQuillmarkData_SubMainData::operator==(const CQuillmarkData_SubMainData& other) const {
    return band_ == other.band_ && band_.IsValid() == other.band_.IsValid() &&
           mode_ == other.mode_ && sent_ == other.sent_ &&
           calling_method_ == other.calling_method_ && entries_ == other.entries_;
}

void CQuillmarkData_SubMainData::Serialize(CArchive& ar) {
    band_.Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteString(mode_);
    } else {
        mode_ = ar.ReadString();
    }
    sent_.Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteInt32(calling_method_);
        ar.WriteCount(entries_.size());
        for (auto& entry : entries_) {
            entry.Serialize(ar);
        }
    } else {
        calling_method_ = ar.ReadInt32();
        const size_t count = ar.ReadCount(CQuillmarkData_LogDataItem::kMinRecordBytes);
        entries_.clear();
        entries_.resize(count);
        for (auto& entry : entries_) {
            entry.Serialize(ar);
        }
    }
}
