#include "citycode/city_code_item.h"

namespace {

constexpr char kFieldSeparator[] = ":";

}  // namespace

bool CCityCodeData_CityCodeDataItem::SetFromLine(std::string_view line) {
    if (IsValid() || line.size() < 2 || line.substr(0, 2) == "//" ||
        line.find('\0') != std::string_view::npos) {
        return false;
    }
    std::vector<Cp932> fields;
    for (;;) {
        const size_t colon = cp932::FindFirstOf(line, kFieldSeparator);
        if (colon == std::string_view::npos) {
            fields.emplace_back(line);
            break;
        }
        if (fields.size() + 1 >= static_cast<size_t>(field_count_)) {
            return false;  // more fields than a record has
        }
        fields.emplace_back(line.substr(0, colon));
        line.remove_prefix(colon + 1);
    }
    if (fields.size() != static_cast<size_t>(field_count_)) {
        return false;
    }
    fields_ = std::move(fields);
    valid_ = 1;
    return true;
}

bool CCityCodeData_CityCodeDataItem::SetFields(const Cp932& code, const Cp932& name,
                                               const Cp932& reading) {
    if (IsValid()) {
        return false;
    }
    fields_ = {code, name, reading};
    valid_ = 1;
    return true;
}

void CCityCodeData_CityCodeDataItem::Reset() {
    fields_.clear();
    valid_ = 0;
}

const Cp932& CCityCodeData_CityCodeDataItem::GetField(int index) const {
    static const Cp932 kEmpty;
    if (!IsValid() || index < 0 || static_cast<size_t>(index) >= fields_.size()) {
        return kEmpty;
    }
    return fields_[static_cast<size_t>(index)];
}

bool CCityCodeData_CityCodeDataItem::operator==(const CCityCodeData_CityCodeDataItem& other) const {
    return valid_ == other.valid_ && fields_ == other.fields_;
}

bool CCityCodeData_CityCodeDataItem::FieldMatches(std::string_view field, std::string_view key,
                                                  bool exact) {
    if (key.empty()) {
        return false;
    }
    if (exact) {
        return field == key;
    }
    for (size_t pos = 0; pos + key.size() <= field.size(); pos += cp932::CharLength(field, pos)) {
        if (field.compare(pos, key.size(), key) == 0) {
            return true;
        }
    }
    return false;
}
