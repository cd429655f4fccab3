#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/band.h"
#include "model/log_entry.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class CArchive;
class CQuillmarkData_MainData;

// One band of a contest: its frequency, the defaults for new entries on it (mode, own sent
// contest number, calling method) and its log entries, held by value in time order after
// every Rebuild. Owned by the contest (CQuillmarkData_MainData).
//
// This class does not derive from the contest class: the contest fields a band would inherit
// mean nothing for a band and are never stored with it, so they are left out altogether.
// Operations that need the contest's formats take the contest as an argument.
class CQuillmarkData_SubMainData {
public:
    // Rebuild flags: 2 sorts the entries by time, 4 sorts and assigns the First flags.
    static constexpr int kRebuildSort = 2;
    static constexpr int kRebuildFirst = 4;

    // Requires a valid band; may be called again to change the band.
    bool SetBand(const CQuillmarkData_BandItem& band);
    void SetMode(std::string_view mode) { mode_ = Cp932(mode); }
    // Requires a valid item.
    bool SetSentContestNumber(const CQuillmarkData_ContestNumberItem& item);
    void SetCallingMethod(bool calling) { calling_method_ = calling ? 1 : 0; }

    const CQuillmarkData_BandItem& GetBand() const { return band_; }
    const Cp932& GetMode() const { return mode_; }
    const CQuillmarkData_ContestNumberItem& GetSentContestNumber() const { return sent_; }
    int32_t GetCallingMethod() const { return calling_method_; }

    // --- Entries (addressed by index in this band's list). ---
    int GetEntryCount() const { return static_cast<int>(entries_.size()); }
    // Null when out of range.
    const CQuillmarkData_LogDataItem* GetEntryAt(int i) const;
    const std::vector<CQuillmarkData_LogDataItem>& GetEntries() const { return entries_; }
    // Index of the appended copy, or -1 when the entry is not valid.
    int AddEntry(const CQuillmarkData_LogDataItem& entry);
    int AddEntry(CQuillmarkData_LogDataItem&& entry);
    // Fails unless i is in range and the entry is valid.
    bool SetEntryAt(int i, const CQuillmarkData_LogDataItem& entry);
    bool RemoveEntryAt(int i);
    void RemoveAllEntries() { entries_.clear(); }
    // Puts the entries in the given order: order must be a permutation of 0 … count-1
    // (else FALSE, nothing changed).
    bool ReorderEntries(const std::vector<int>& order);

    // flags 2: stable sort by time; flags 4: the same, then First = 1 on the first entry of
    // each multiplier value (the multiplier parameter of the received contest number, per
    // the contest's format) and 0 on the later ones; nothing when the format has none.
    void Rebuild(const CQuillmarkData_MainData& contest, int flags);

    // Clears every field and entry.
    void DeleteContents() { *this = CQuillmarkData_SubMainData(); }
    void CopyFrom(const CQuillmarkData_SubMainData& other) { *this = other; }
    // Band equality, same defaults and all entries equal in order.
    bool operator==(const CQuillmarkData_SubMainData& other) const;

    // The band object's body (its tag is written by the contest): band, mode, own sent
    // contest number, calling method, entries.
    void Serialize(CArchive& ar);
    // Bytes the smallest possible band body takes in a file.
    static constexpr size_t kMinRecordBytes = (4 + 8 + 4) + 1 + (4 + 2) + 4 + 2;

private:
    // Stable sort of the entries by time.
    void SortByTime();

    CQuillmarkData_BandItem band_;
    Cp932 mode_;
    CQuillmarkData_ContestNumberItem sent_;
    int32_t calling_method_ = 0;
    std::vector<CQuillmarkData_LogDataItem> entries_;
};
