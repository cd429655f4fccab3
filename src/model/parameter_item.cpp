#include "model/parameter_item.h"

#include <cstddef>

#include "platform/archive.h"

namespace {

// The first character of the delimiter set (one or two bytes).
std::string_view FirstDelimiter(std::string_view delimiters) {
    return delimiters.substr(0, cp932::CharLength(delimiters, 0));
}

// Splits text at every character of the delimiter set; a text with no delimiter is one part,
// a trailing delimiter gives an empty last part. Stops early (returning false) once there are
// more than max_parts parts, so a hostile text cannot make it build a huge list.
bool SplitAtDelimiters(std::string_view text, std::string_view delimiters, size_t max_parts,
                       std::vector<Cp932>& parts) {
    parts.clear();
    while (true) {
        const size_t found = cp932::FindFirstOf(text, delimiters);
        if (found == std::string_view::npos) {
            break;
        }
        if (parts.size() == max_parts) {
            return false;
        }
        parts.emplace_back(text.substr(0, found));
        text.remove_prefix(found + cp932::CharLength(text, found));
    }
    if (parts.size() == max_parts) {
        return false;
    }
    parts.emplace_back(text);
    return true;
}

bool FitsLengths(size_t length, int32_t min_length, int32_t max_length) {
    if (min_length > 0 && length < static_cast<size_t>(min_length)) {
        return false;
    }
    if (max_length != -1 && (max_length < 0 || length > static_cast<size_t>(max_length))) {
        return false;
    }
    return true;
}

// Number of parts up to and including the last non-empty one.
size_t KeptPartCount(const std::vector<Cp932>& parts) {
    size_t kept = parts.size();
    while (kept > 0 && parts[kept - 1].empty()) {
        --kept;
    }
    return kept;
}

}  // namespace

bool CQuillmarkData_Item::SetTextFor(std::string_view text, std::string_view delimiters,
                                     const CQuillmarkData_ParameterType& format) {
    if (IsValid() || delimiters.empty()) {
        return false;
    }
    DeleteContents();
    if (!format.IsValid() || !format.HasConsistentAttributes()) {
        return false;
    }
    const int32_t max_total = format.GetMaxTotalLength();
    if (!FitsLengths(text.size(), format.GetMinTotalLength(), max_total)) {
        return false;
    }

    const size_t count = static_cast<size_t>(format.GetParameterCount());
    std::vector<Cp932> parts;
    if (!SplitAtDelimiters(text, delimiters, count, parts)) {
        return false;
    }
    parts.resize(count);

    for (size_t i = 0; i < count; ++i) {
        const auto* attributes = format.GetAttributes(static_cast<int>(i));
        if (!FitsLengths(parts[i].size(), attributes->GetMinLength(), attributes->GetMaxLength())) {
            return false;
        }
    }
    for (size_t i = 0; i < count; ++i) {
        const auto* attributes = format.GetAttributes(static_cast<int>(i));
        const uint32_t allowed = attributes->GetCharacterClasses();
        const std::string_view specials = attributes->GetSpecialCharacters();
        const uint32_t found =
            specials.empty()
                ? cp932::CharacterClassesOf(parts[i])
                : cp932::CharacterClassesOf(cp932::RemoveCharacters(parts[i], specials));
        if ((found & ~allowed) != 0) {
            return false;
        }
    }

    parts_ = std::move(parts);
    valid_ = 1;
    return true;
}

Cp932 CQuillmarkData_Item::GetText(std::string_view delimiters) const {
    Cp932 text;
    if (!IsValid() || delimiters.empty()) {
        return text;
    }
    const std::string_view separator = FirstDelimiter(delimiters);
    const size_t kept = KeptPartCount(parts_);
    for (size_t i = 0; i < kept; ++i) {
        if (i > 0) {
            text += separator;
        }
        text += parts_[i];
    }
    return text;
}

Cp932 CQuillmarkData_Item::GetParameter(int i) const {
    return Cp932(ParameterView(i));
}

std::string_view CQuillmarkData_Item::ParameterView(int i) const {
    if (!IsValid() || i < 0 || static_cast<size_t>(i) >= parts_.size()) {
        return {};
    }
    return parts_[static_cast<size_t>(i)];
}

Cp932 CQuillmarkData_Item::GetPaddedTextFor(std::string_view delimiters,
                                            const CQuillmarkData_ParameterType& format) const {
    Cp932 text;
    if (!IsValid() || !format.IsValid() || delimiters.empty() ||
        static_cast<int64_t>(parts_.size()) != format.GetParameterCount() ||
        format.GetMaxTotalLength() < 0 || !format.HasConsistentTotals()) {
        // A damaged file's total could ask for gigabytes of padding: trust only derived ones.
        return text;
    }
    const std::string_view separator = FirstDelimiter(delimiters);
    const size_t kept = KeptPartCount(parts_);
    for (size_t i = 0; i < kept; ++i) {
        text += parts_[i];
        const int32_t max_length = format.GetAttributes(static_cast<int>(i))->GetMaxLength();
        if (max_length > 0 && static_cast<size_t>(max_length) > parts_[i].size()) {
            text.append(static_cast<size_t>(max_length) - parts_[i].size(), ' ');
        }
        if (i + 1 < kept) {
            text += separator;
        }
    }
    const size_t max_total = static_cast<size_t>(format.GetMaxTotalLength());
    if (text.size() < max_total) {
        text.append(max_total - text.size(), ' ');
    }
    return text;
}

Cp932 CQuillmarkData_Item::GetPaddedParameterFor(int i,
                                                 const CQuillmarkData_ParameterType& format) const {
    Cp932 text;
    if (!IsValid() || !format.IsValid() ||
        static_cast<int64_t>(parts_.size()) != format.GetParameterCount() ||
        format.GetMaxTotalLength() < 0) {
        return text;
    }
    const auto* attributes = format.GetAttributes(i);
    if (attributes == nullptr || attributes->GetMaxLength() < 0) {
        return text;
    }
    text = parts_[static_cast<size_t>(i)];
    const size_t max_length = static_cast<size_t>(attributes->GetMaxLength());
    if (text.size() < max_length) {
        text.append(max_length - text.size(), ' ');
    }
    return text;
}

void CQuillmarkData_Item::DeleteContents() {
    valid_ = 0;
    parts_.clear();
}

void CQuillmarkData_Item::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(valid_);
        ar.WriteStringArray(parts_);
    } else {
        valid_ = ar.ReadInt32();
        parts_ = ar.ReadStringArray();
    }
}
