#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "model/band.h"
#include "model/band_data.h"
#include "model/log_entry.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class CArchive;

// One contest: what it is (name, category, period, own call sign, the two text formats) and
// its bands, at most one of them active. Owns the bands; the bands own their entries. The
// document (CQuillmarkDoc) owns one contest and runs every operator-facing operation on it;
// this class only keeps the data and its rules and never shows anything.
//
// The model classes share no common base: the old toolkit's document base contributed
// nothing but dynamic creation and serialisation, which here are plain Serialize members and
// the band tag written by this class.
class CQuillmarkData_MainData {
public:
    static constexpr int32_t kNotValid = -2;
    // Class name and schema of the tagged band objects in a file.
    static constexpr std::string_view kBandClassName = "CQuillmarkData_SubMainData";
    static constexpr uint16_t kBandSchema = 1;

    CQuillmarkData_MainData() = default;
    CQuillmarkData_MainData(const CQuillmarkData_MainData& other) { CopyFrom(other); }
    CQuillmarkData_MainData& operator=(const CQuillmarkData_MainData& other) {
        CopyFrom(other);
        return *this;
    }
    CQuillmarkData_MainData(CQuillmarkData_MainData&&) noexcept = default;
    CQuillmarkData_MainData& operator=(CQuillmarkData_MainData&&) noexcept = default;

    // Fails when already valid; otherwise resets, stores everything (the items and formats
    // as they are, valid flags included) and sets valid. Category code and name stay empty.
    bool SetContest(std::string_view name, int64_t start, int64_t end,
                    const CQuillmarkData_CallSignItem& own_call_sign,
                    const CQuillmarkData_CallSignType& call_sign_type,
                    const CQuillmarkData_ContestNumberType& contest_number_type);

    // Each fails when the contest is not valid; the item and format setters also when their
    // argument is not valid.
    bool SetContestName(std::string_view name);
    bool SetCategoryCode(std::string_view code);
    bool SetCategoryName(std::string_view name);
    bool SetStartTime(int64_t time);
    bool SetEndTime(int64_t time);
    bool SetOwnCallSign(const CQuillmarkData_CallSignItem& item);
    bool SetCallSignType(const CQuillmarkData_CallSignType& format);
    bool SetContestNumberType(const CQuillmarkData_ContestNumberType& format);

    bool IsValid() const { return valid_ != 0; }
    const Cp932& GetContestName() const;
    const Cp932& GetCategoryCode() const;
    const Cp932& GetCategoryName() const;
    int64_t GetStartTime() const { return IsValid() ? start_ : kNotValid; }
    int64_t GetEndTime() const { return IsValid() ? end_ : kNotValid; }
    const CQuillmarkData_CallSignItem& GetOwnCallSign() const { return own_call_sign_; }
    const CQuillmarkData_CallSignType& GetCallSignType() const { return call_sign_type_; }
    const CQuillmarkData_ContestNumberType& GetContestNumberType() const {
        return contest_number_type_;
    }

    // --- Band list. Matching is band equality (CQuillmarkData_BandItem::Compare). ---
    int GetBandCount() const { return static_cast<int>(bands_.size()); }
    // Null when out of range.
    CQuillmarkData_SubMainData* GetBandAt(int i);
    const CQuillmarkData_SubMainData* GetBandAt(int i) const;
    CQuillmarkData_SubMainData* FindBand(const CQuillmarkData_BandItem& band);
    const CQuillmarkData_SubMainData* FindBand(const CQuillmarkData_BandItem& band) const;
    // Index of the matching band, or -1.
    int FindBandIndex(const CQuillmarkData_BandItem& band) const;

    // Index of a new band object holding only the band definition, or -1 when the band is
    // not valid or a matching band exists.
    int AddBand(const CQuillmarkData_BandItem& band);
    // Appends an existing band object and takes it over; its index, or -1 (and the pointer
    // left with the caller) when it is null, its band is not valid or a matching band exists.
    int AddBandObject(std::unique_ptr<CQuillmarkData_SubMainData>&& band);

    // -1 when no band is active.
    int GetActiveBandIndex() const { return active_; }
    CQuillmarkData_SubMainData* GetActiveBand();
    const CQuillmarkData_SubMainData* GetActiveBand() const;
    bool SetActiveBand(const CQuillmarkData_BandItem& band);
    bool SetActiveBandAt(int i);
    // No band active any more (the bands stay).
    void ClearActiveBand() { active_ = -1; }

    // Replace the band definition of one band object (its entries stay); fails when the
    // band is not found, the new band is not valid, or another band already matches it.
    bool ChangeBand(const CQuillmarkData_BandItem& old_band,
                    const CQuillmarkData_BandItem& new_band);
    bool ChangeBandAt(int i, const CQuillmarkData_BandItem& new_band);

    // Removal by band or index. When the removed index is at or before the active one, the
    // active index moves back by one (not below 0), or to -1 when no band is left.
    bool DeleteBand(const CQuillmarkData_BandItem& band);
    bool DeleteBandAt(int i);
    // The removed band object (the caller owns it), or null when not found.
    std::unique_ptr<CQuillmarkData_SubMainData> DetachBand(const CQuillmarkData_BandItem& band);
    std::unique_ptr<CQuillmarkData_SubMainData> DetachBandAt(int i);
    void DeleteAllBands();

    // Orders the bands by ascending frequency, stably; the same band stays active.
    void SortBands();

    // Rebuild (flags) on every band in list order.
    void RebuildAll(int flags);

    // --- Totals over all bands; -1 when the contest is not valid. ---
    int64_t GetTotalEntryCount() const;
    // The i-th entry of all bands' lists taken one after another; null when out of range.
    const CQuillmarkData_LogDataItem* GetTotalEntryAt(int64_t i) const;
    // Entries whose First flag is 1; -1 also when the contest number has no multiplier.
    int64_t GetTotalMultiplierCount() const;
    int64_t GetTotalPoints() const;
    // Points × multipliers (× 1 without a multiplier parameter), saturating at the int64
    // limits; -1 when not valid. The document's station factor is applied by the caller.
    int64_t GetScore() const;

    // --- Import of the bands of another log of the same contest. ---
    // True when both contests are valid and distinct, define the same contest (name,
    // category, period, own call sign, both formats), the other has a band and no band of
    // one equals a band of the other.
    bool CanImport(const CQuillmarkData_MainData* other) const;
    // Appends deep copies of the other contest's bands; the active band stays the same.
    // Does nothing (FALSE) when CanImport fails.
    bool Import(const CQuillmarkData_MainData* other);

    // Resets every field, deletes all bands; the active index becomes -1.
    void DeleteContents();
    // Copies all fields and deep-copies every band, then the active index.
    void CopyFrom(const CQuillmarkData_MainData& other);
    bool operator==(const CQuillmarkData_MainData& other) const;

    // The contest record. Loading reads every field as stored (valid flags included); the
    // band list must hold only new band objects of kBandClassName, else CArchiveException
    // (badClass / badIndex / badSchema) is thrown. The object is left partly read when a
    // read throws; the caller clears it.
    void Serialize(CArchive& ar);

private:
    void AdjustActiveAfterRemoval(int removed);

    int32_t valid_ = 0;
    Cp932 name_;
    Cp932 category_code_;
    Cp932 category_name_;
    int64_t start_ = 0;
    int64_t end_ = 0;
    CQuillmarkData_CallSignItem own_call_sign_;
    CQuillmarkData_CallSignType call_sign_type_;
    CQuillmarkData_ContestNumberType contest_number_type_;
    std::vector<std::unique_ptr<CQuillmarkData_SubMainData>> bands_;
    int32_t active_ = -1;
};
