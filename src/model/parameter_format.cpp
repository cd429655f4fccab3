#include "model/parameter_format.h"

#include <cstdint>
#include <limits>

#include "platform/archive.h"

namespace {

const Cp932 kEmptyText;

// Bytes of the smallest attributes record: four int32 and an empty string.
constexpr size_t kMinAttributesRecordBytes = 4 * 4 + 1;

CQuillmarkData_ParameterAttributes MakeAttributes(int32_t min_length, int32_t max_length,
                                                  uint32_t classes,
                                                  std::string_view specials = {}) {
    CQuillmarkData_ParameterAttributes attributes;
    attributes.SetAttributes(min_length, max_length, classes, specials);
    return attributes;
}

template <typename DefaultFor>
ParameterAttributesArray DefaultArray(int count, DefaultFor default_for) {
    ParameterAttributesArray attributes;
    if (count < 1) {
        return attributes;
    }
    attributes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        attributes.push_back(default_for(i));
    }
    return attributes;
}

}  // namespace

// --- CQuillmarkData_ParameterAttributes ---

bool CQuillmarkData_ParameterAttributes::SetAttributes(int32_t min_length, int32_t max_length,
                                                       uint32_t classes,
                                                       std::string_view specials) {
    if (IsValid()) {
        return false;
    }
    min_length_ = min_length;
    max_length_ = max_length;
    classes_ = classes;
    specials_ = Cp932(specials);
    valid_ = 1;
    return true;
}

const Cp932& CQuillmarkData_ParameterAttributes::GetSpecialCharacters() const {
    return IsValid() ? specials_ : kEmptyText;
}

void CQuillmarkData_ParameterAttributes::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteInt32(min_length_);
        ar.WriteInt32(max_length_);
        ar.WriteInt32(static_cast<int32_t>(classes_));
        ar.WriteString(specials_);
    } else {
        valid_ = ar.ReadInt32();
        min_length_ = ar.ReadInt32();
        max_length_ = ar.ReadInt32();
        classes_ = static_cast<uint32_t>(ar.ReadInt32());
        specials_ = ar.ReadString();
    }
}

// --- CQuillmarkData_ParameterType ---

const CQuillmarkData_ParameterAttributes* CQuillmarkData_ParameterType::GetAttributes(int i) const {
    if (!IsValid() || i < 0 || i >= count_ || static_cast<size_t>(i) >= attributes_.size()) {
        return nullptr;
    }
    return &attributes_[static_cast<size_t>(i)];
}

bool CQuillmarkData_ParameterType::HasConsistentAttributes() const {
    return count_ >= 0 && attributes_.size() == static_cast<size_t>(count_);
}

bool CQuillmarkData_ParameterType::HasConsistentTotals() const {
    int32_t min_total = 0;
    int32_t max_total = 0;
    return HasConsistentAttributes() && DeriveTotals(attributes_, count_, min_total, max_total) &&
           min_total == min_total_ && max_total == max_total_;
}

bool CQuillmarkData_ParameterType::DeriveTotals(const ParameterAttributesArray& attributes,
                                                int count, int32_t& min_total, int32_t& max_total) {
    if (count < 1 || attributes.size() != static_cast<size_t>(count)) {
        return false;
    }
    // Trailing parameters that may be empty need no delimiter before them.
    int needed = count;
    while (needed > 0 && attributes[static_cast<size_t>(needed - 1)].GetMinLength() == 0) {
        --needed;
    }
    // Sums in 64 bits: totals that do not fit the file's 32-bit fields are refused.
    int64_t min_sum = 0;
    int64_t max_sum = 0;
    bool unlimited = false;
    for (const auto& attribute : attributes) {
        min_sum += attribute.GetMinLength();
        if (attribute.GetMaxLength() == CQuillmarkData_ParameterAttributes::kUnlimited) {
            unlimited = true;
        } else {
            max_sum += attribute.GetMaxLength();
        }
    }
    const int64_t min64 = needed == 0 ? 0 : min_sum + (needed - 1);
    const int64_t max64 = unlimited ? -1 : max_sum + (count - 1);
    constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
    constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
    if (min64 < kLow || min64 > kHigh || max64 < kLow || max64 > kHigh) {
        return false;
    }
    min_total = static_cast<int32_t>(min64);
    max_total = static_cast<int32_t>(max64);
    return true;
}

bool CQuillmarkData_ParameterType::SetCommon(int count,
                                             const ParameterAttributesArray& attributes) {
    ResetCommon();
    for (const auto& attribute : attributes) {
        if (!attribute.IsValid()) {
            return false;
        }
    }
    int32_t min_total = 0;
    int32_t max_total = 0;
    if (!DeriveTotals(attributes, count, min_total, max_total)) {
        return false;
    }
    count_ = count;
    attributes_ = attributes;
    min_total_ = min_total;
    max_total_ = max_total;
    valid_ = 1;
    return true;
}

void CQuillmarkData_ParameterType::SerializeAttributes(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(attributes_.size());
        for (auto& attribute : attributes_) {
            attribute.Serialize(ar);
        }
    } else {
        const size_t count = ar.ReadCount(kMinAttributesRecordBytes);
        attributes_.assign(count, CQuillmarkData_ParameterAttributes());
        for (auto& attribute : attributes_) {
            attribute.Serialize(ar);
        }
    }
}

// --- CQuillmarkData_CallSignType ---

bool CQuillmarkData_CallSignType::SetFormat(int count, int main_index,
                                            const ParameterAttributesArray& attributes) {
    if (IsValid() || count < 1 || main_index < 0 || main_index > count - 1) {
        return false;
    }
    if (!SetCommon(count, attributes)) {
        DeleteContents();
        return false;
    }
    main_index_ = main_index;
    return true;
}

bool CQuillmarkData_CallSignType::SetDefaultFormat(int count, int main_index) {
    if (IsValid() || count < 1) {
        return false;
    }
    return SetFormat(count, main_index, DefaultArray(count, DefaultAttributes));
}

CQuillmarkData_ParameterAttributes CQuillmarkData_CallSignType::DefaultAttributes(int i) {
    using cp932::kHalfWidthDigit;
    using cp932::kHalfWidthLetter;
    switch (i) {
        case 0:
            return MakeAttributes(5, 6, kHalfWidthDigit | kHalfWidthLetter);
        case 1:
            return MakeAttributes(0, 1, kHalfWidthDigit);
        default:
            return MakeAttributes(0, -1, CQuillmarkData_ParameterAttributes::kAllClasses);
    }
}

void CQuillmarkData_CallSignType::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteInt32(count_);
        ar.WriteInt32(main_index_);
        ar.WriteInt32(min_total_);
        ar.WriteInt32(max_total_);
    } else {
        valid_ = ar.ReadInt32();
        count_ = ar.ReadInt32();
        main_index_ = ar.ReadInt32();
        min_total_ = ar.ReadInt32();
        max_total_ = ar.ReadInt32();
    }
    SerializeAttributes(ar);
}

// --- CQuillmarkData_ContestNumberType ---

bool CQuillmarkData_ContestNumberType::SetFormat(int count, int multiplier_index,
                                                 const ParameterAttributesArray& attributes) {
    if (IsValid() || count < 1) {
        return false;
    }
    if (!SetCommon(count, attributes)) {
        DeleteContents();
        return false;
    }
    const bool has = multiplier_index >= 0 && multiplier_index <= count - 1;
    has_multiplier_ = has ? 1 : 0;
    multiplier_index_ = has ? multiplier_index : -1;
    return true;
}

bool CQuillmarkData_ContestNumberType::SetDefaultFormat(int count, int multiplier_index) {
    if (IsValid() || count < 1) {
        return false;
    }
    return SetFormat(count, multiplier_index, DefaultArray(count, DefaultAttributes));
}

CQuillmarkData_ParameterAttributes CQuillmarkData_ContestNumberType::DefaultAttributes(int i) {
    using cp932::kHalfWidthDigit;
    constexpr uint32_t kAll = CQuillmarkData_ParameterAttributes::kAllClasses;
    switch (i) {
        case 0:
            return MakeAttributes(2, 3, kHalfWidthDigit);
        case 1:
            return MakeAttributes(2, 6, kHalfWidthDigit);
        case 2:
            // Power codes such as 10K or 20W.
            return MakeAttributes(3, 3, kHalfWidthDigit, "kKwW");
        case 3:
            return MakeAttributes(0, 6, kAll);
        default:
            return MakeAttributes(0, -1, kAll);
    }
}

int CQuillmarkData_ContestNumberType::MultiplierIndexOrNone() const {
    if (!IsValid() || has_multiplier_ != 1 || multiplier_index_ < 0 ||
        multiplier_index_ >= count_) {
        return -1;
    }
    return multiplier_index_;
}

void CQuillmarkData_ContestNumberType::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteInt32(count_);
        ar.WriteInt32(has_multiplier_);
        ar.WriteInt32(multiplier_index_);
        ar.WriteInt32(min_total_);
        ar.WriteInt32(max_total_);
    } else {
        valid_ = ar.ReadInt32();
        count_ = ar.ReadInt32();
        has_multiplier_ = ar.ReadInt32();
        multiplier_index_ = ar.ReadInt32();
        min_total_ = ar.ReadInt32();
        max_total_ = ar.ReadInt32();
    }
    SerializeAttributes(ar);
}
