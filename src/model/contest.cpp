#include "model/contest.h"

#include <algorithm>

#include "platform/archive.h"
#include "platform/saturating.h"

namespace {

const Cp932 kEmptyText;

// Bytes of the smallest band object in a band list: a two-byte tag and the smallest body.
constexpr size_t kMinBandBytes = 2 + CQuillmarkData_SubMainData::kMinRecordBytes;

}  // namespace

bool CQuillmarkData_MainData::SetContest(
    std::string_view name, int64_t start, int64_t end,
    const CQuillmarkData_CallSignItem& own_call_sign,
    const CQuillmarkData_CallSignType& call_sign_type,
    const CQuillmarkData_ContestNumberType& contest_number_type) {
    if (IsValid()) {
        return false;
    }
    DeleteContents();
    name_ = Cp932(name);
    start_ = start;
    end_ = end;
    own_call_sign_ = own_call_sign;
    call_sign_type_ = call_sign_type;
    contest_number_type_ = contest_number_type;
    valid_ = 1;
    return true;
}

bool CQuillmarkData_MainData::SetContestName(std::string_view name) {
    if (!IsValid()) {
        return false;
    }
    name_ = Cp932(name);
    return true;
}

bool CQuillmarkData_MainData::SetCategoryCode(std::string_view code) {
    if (!IsValid()) {
        return false;
    }
    category_code_ = Cp932(code);
    return true;
}

bool CQuillmarkData_MainData::SetCategoryName(std::string_view name) {
    if (!IsValid()) {
        return false;
    }
    category_name_ = Cp932(name);
    return true;
}

bool CQuillmarkData_MainData::SetStartTime(int64_t time) {
    if (!IsValid()) {
        return false;
    }
    start_ = time;
    return true;
}

bool CQuillmarkData_MainData::SetEndTime(int64_t time) {
    if (!IsValid()) {
        return false;
    }
    end_ = time;
    return true;
}

bool CQuillmarkData_MainData::SetOwnCallSign(const CQuillmarkData_CallSignItem& item) {
    if (!IsValid() || !item.IsValid()) {
        return false;
    }
    own_call_sign_ = item;
    return true;
}

bool CQuillmarkData_MainData::SetCallSignType(const CQuillmarkData_CallSignType& format) {
    if (!IsValid() || !format.IsValid()) {
        return false;
    }
    call_sign_type_ = format;
    return true;
}

bool CQuillmarkData_MainData::SetContestNumberType(const CQuillmarkData_ContestNumberType& format) {
    if (!IsValid() || !format.IsValid()) {
        return false;
    }
    contest_number_type_ = format;
    return true;
}

const Cp932& CQuillmarkData_MainData::GetContestName() const {
    return IsValid() ? name_ : kEmptyText;
}

const Cp932& CQuillmarkData_MainData::GetCategoryCode() const {
    return IsValid() ? category_code_ : kEmptyText;
}

const Cp932& CQuillmarkData_MainData::GetCategoryName() const {
    return IsValid() ? category_name_ : kEmptyText;
}

// --- Band list ---

CQuillmarkData_SubMainData* CQuillmarkData_MainData::GetBandAt(int i) {
    if (i < 0 || static_cast<size_t>(i) >= bands_.size()) {
        return nullptr;
    }
    return bands_[static_cast<size_t>(i)].get();
}

const CQuillmarkData_SubMainData* CQuillmarkData_MainData::GetBandAt(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= bands_.size()) {
        return nullptr;
    }
    return bands_[static_cast<size_t>(i)].get();
}

int CQuillmarkData_MainData::FindBandIndex(const CQuillmarkData_BandItem& band) const {
    for (size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i]->GetBand() == band) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CQuillmarkData_SubMainData* CQuillmarkData_MainData::FindBand(const CQuillmarkData_BandItem& band) {
    return GetBandAt(FindBandIndex(band));
}

const CQuillmarkData_SubMainData* CQuillmarkData_MainData::FindBand(
    const CQuillmarkData_BandItem& band) const {
    return GetBandAt(FindBandIndex(band));
}

int CQuillmarkData_MainData::AddBand(const CQuillmarkData_BandItem& band) {
    if (!band.IsValid() || FindBandIndex(band) >= 0) {
        return -1;
    }
    auto object = std::make_unique<CQuillmarkData_SubMainData>();
    object->SetBand(band);
    bands_.push_back(std::move(object));
    return static_cast<int>(bands_.size()) - 1;
}

int CQuillmarkData_MainData::AddBandObject(std::unique_ptr<CQuillmarkData_SubMainData>&& band) {
    if (band == nullptr || !band->GetBand().IsValid() || FindBandIndex(band->GetBand()) >= 0) {
        return -1;
    }
    bands_.push_back(std::move(band));
    return static_cast<int>(bands_.size()) - 1;
}

CQuillmarkData_SubMainData* CQuillmarkData_MainData::GetActiveBand() {
    return GetBandAt(active_);
}

const CQuillmarkData_SubMainData* CQuillmarkData_MainData::GetActiveBand() const {
    return GetBandAt(active_);
}

bool CQuillmarkData_MainData::SetActiveBand(const CQuillmarkData_BandItem& band) {
    return SetActiveBandAt(FindBandIndex(band));
}

bool CQuillmarkData_MainData::SetActiveBandAt(int i) {
    if (i < 0 || static_cast<size_t>(i) >= bands_.size()) {
        return false;
    }
    active_ = i;
    return true;
}

bool CQuillmarkData_MainData::ChangeBand(const CQuillmarkData_BandItem& old_band,
                                         const CQuillmarkData_BandItem& new_band) {
    return ChangeBandAt(FindBandIndex(old_band), new_band);
}

bool CQuillmarkData_MainData::ChangeBandAt(int i, const CQuillmarkData_BandItem& new_band) {
    if (i < 0 || static_cast<size_t>(i) >= bands_.size() || !new_band.IsValid()) {
        return false;
    }
    for (size_t j = 0; j < bands_.size(); ++j) {
        if (j != static_cast<size_t>(i) && bands_[j]->GetBand() == new_band) {
            return false;
        }
    }
    return bands_[static_cast<size_t>(i)]->SetBand(new_band);
}

bool CQuillmarkData_MainData::DeleteBand(const CQuillmarkData_BandItem& band) {
    return DetachBand(band) != nullptr;
}

bool CQuillmarkData_MainData::DeleteBandAt(int i) {
    return DetachBandAt(i) != nullptr;
}

std::unique_ptr<CQuillmarkData_SubMainData> CQuillmarkData_MainData::DetachBand(
    const CQuillmarkData_BandItem& band) {
    return DetachBandAt(FindBandIndex(band));
}

std::unique_ptr<CQuillmarkData_SubMainData> CQuillmarkData_MainData::DetachBandAt(int i) {
    if (i < 0 || static_cast<size_t>(i) >= bands_.size()) {
        return nullptr;
    }
    std::unique_ptr<CQuillmarkData_SubMainData> band = std::move(bands_[static_cast<size_t>(i)]);
    bands_.erase(bands_.begin() + i);
    AdjustActiveAfterRemoval(i);
    return band;
}

void CQuillmarkData_MainData::AdjustActiveAfterRemoval(int removed) {
    if (removed > active_) {
        return;
    }
    if (bands_.empty()) {
        active_ = -1;
    } else {
        active_ = std::max(active_ - 1, 0);
    }
}

void CQuillmarkData_MainData::DeleteAllBands() {
    bands_.clear();
    active_ = -1;
}

void CQuillmarkData_MainData::SortBands() {
    if (bands_.size() < 2) {
        return;
    }
    const CQuillmarkData_SubMainData* active = GetActiveBand();
    // Stable: a band goes before the first band already placed that is higher.
    std::stable_sort(bands_.begin(), bands_.end(), [](const auto& a, const auto& b) {
        return a->GetBand().Compare(b->GetBand()) < 0;
    });
    active_ = -1;
    for (size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i].get() == active) {
            active_ = static_cast<int32_t>(i);
        }
    }
}

void CQuillmarkData_MainData::RebuildAll(int flags) {
    for (auto& band : bands_) {
        band->Rebuild(*this, flags);
    }
}

// --- Totals ---

int64_t CQuillmarkData_MainData::GetTotalEntryCount() const {
    if (!IsValid()) {
        return -1;
    }
    int64_t total = 0;
    for (const auto& band : bands_) {
        total += band->GetEntryCount();
    }
    return total;
}

const CQuillmarkData_LogDataItem* CQuillmarkData_MainData::GetTotalEntryAt(int64_t i) const {
    if (!IsValid() || i < 0) {
        return nullptr;
    }
    for (const auto& band : bands_) {
        const int64_t count = band->GetEntryCount();
        if (i < count) {
            return band->GetEntryAt(static_cast<int>(i));
        }
        i -= count;
    }
    return nullptr;
}

int64_t CQuillmarkData_MainData::GetTotalMultiplierCount() const {
    if (!IsValid() || contest_number_type_.MultiplierIndexOrNone() < 0) {
        return -1;
    }
    int64_t total = 0;
    for (const auto& band : bands_) {
        for (const auto& entry : band->GetEntries()) {
            if (entry.GetFirst() == 1) {
                ++total;
            }
        }
    }
    return total;
}

int64_t CQuillmarkData_MainData::GetTotalPoints() const {
    if (!IsValid()) {
        return -1;
    }
    // Each term is 32-bit, so 2^31 entries are needed before the 64-bit sum could overflow.
    int64_t total = 0;
    for (const auto& band : bands_) {
        for (const auto& entry : band->GetEntries()) {
            if (entry.IsValid()) {
                total += entry.GetPoints();
            }
        }
    }
    return total;
}

int64_t CQuillmarkData_MainData::GetScore() const {
    if (!IsValid()) {
        return -1;
    }
    const int64_t multipliers = GetTotalMultiplierCount();
    return SaturatingMultiply(GetTotalPoints(), multipliers < 0 ? 1 : multipliers);
}

// --- Import ---

bool CQuillmarkData_MainData::CanImport(const CQuillmarkData_MainData* other) const {
    if (!IsValid() || other == nullptr || other == this || !other->IsValid()) {
        return false;
    }
    if (name_ != other->name_ || category_code_ != other->category_code_ ||
        category_name_ != other->category_name_ || start_ != other->start_ || end_ != other->end_ ||
        !(own_call_sign_ == other->own_call_sign_) ||
        !(call_sign_type_ == other->call_sign_type_) ||
        !(contest_number_type_ == other->contest_number_type_)) {
        return false;
    }
    if (other->bands_.empty()) {
        return false;
    }
    for (const auto& band : other->bands_) {
        if (FindBandIndex(band->GetBand()) >= 0) {
            return false;
        }
    }
    return true;
}

bool CQuillmarkData_MainData::Import(const CQuillmarkData_MainData* other) {
    if (!CanImport(other)) {
        return false;
    }
    // Copy first: the other contest stays as it is, and bands equal among themselves in a
    // damaged other contest cannot slip in twice (AddBandObject refuses the second).
    for (const auto& band : other->bands_) {
        AddBandObject(std::make_unique<CQuillmarkData_SubMainData>(*band));
    }
    return true;
}

// --- Whole object ---

void CQuillmarkData_MainData::DeleteContents() {
    valid_ = 0;
    name_.clear();
    category_code_.clear();
    category_name_.clear();
    start_ = 0;
    end_ = 0;
    own_call_sign_.DeleteContents();
    call_sign_type_.DeleteContents();
    contest_number_type_.DeleteContents();
    DeleteAllBands();
}

void CQuillmarkData_MainData::CopyFrom(const CQuillmarkData_MainData& other) {
    if (&other == this) {
        return;
    }
    valid_ = other.valid_;
    name_ = other.name_;
    category_code_ = other.category_code_;
    category_name_ = other.category_name_;
    start_ = other.start_;
    end_ = other.end_;
    own_call_sign_ = other.own_call_sign_;
    call_sign_type_ = other.call_sign_type_;
    contest_number_type_ = other.contest_number_type_;
    std::vector<std::unique_ptr<CQuillmarkData_SubMainData>> bands;
    bands.reserve(other.bands_.size());
    for (const auto& band : other.bands_) {
        bands.push_back(std::make_unique<CQuillmarkData_SubMainData>(*band));
    }
    bands_ = std::move(bands);
    active_ = other.active_;
}

bool CQuillmarkData_MainData::operator==(const CQuillmarkData_MainData& other) const {
    if (valid_ != other.valid_ || name_ != other.name_ || category_code_ != other.category_code_ ||
        category_name_ != other.category_name_ || start_ != other.start_ || end_ != other.end_ ||
        !(own_call_sign_ == other.own_call_sign_) || !(call_sign_type_ == other.call_sign_type_) ||
        !(contest_number_type_ == other.contest_number_type_) || active_ != other.active_ ||
        bands_.size() != other.bands_.size()) {
        return false;
    }
    for (size_t i = 0; i < bands_.size(); ++i) {
        if (!(*bands_[i] == *other.bands_[i])) {
            return false;
        }
    }
    return true;
}

void CQuillmarkData_MainData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteString(name_);
        ar.WriteString(category_code_);
        ar.WriteString(category_name_);
        ar.WriteTime(start_);
        ar.WriteTime(end_);
    } else {
        DeleteContents();
        valid_ = ar.ReadInt32();
        name_ = ar.ReadString();
        category_code_ = ar.ReadString();
        category_name_ = ar.ReadString();
        start_ = ar.ReadTime();
        end_ = ar.ReadTime();
    }
    own_call_sign_.Serialize(ar);
    call_sign_type_.Serialize(ar);
    contest_number_type_.Serialize(ar);

    if (ar.IsStoring()) {
        ar.WriteCount(bands_.size());
        for (const auto& band : bands_) {
            if (ar.WriteObjectTag(band.get(), kBandClassName, kBandSchema)) {
                band->Serialize(ar);
            }
        }
        ar.WriteInt32(active_);
    } else {
        const size_t count = ar.ReadCount(kMinBandBytes);
        bands_.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            // Only new band objects: a null or a repeated object would leave the list with a
            // hole or one band owned twice.
            ar.ReadNewObjectTag(kBandClassName, kBandSchema);
            auto band = std::make_unique<CQuillmarkData_SubMainData>();
            ar.RegisterLoadedObject(band.get());
            band->Serialize(ar);
            bands_.push_back(std::move(band));
        }
        active_ = ar.ReadInt32();
    }
}
