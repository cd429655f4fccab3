#include "citycode/city_code_organization.h"

#include <algorithm>
#include <climits>

int CCityCodeData_MainDataOrganization::Register(const CCityCodeData_MainData* database) {
    if (database == nullptr) {
        return -1;
    }
    databases_.push_back(database);
    return static_cast<int>(databases_.size() - 1);
}

bool CCityCodeData_MainDataOrganization::RemoveAt(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    databases_.erase(databases_.begin() + index);
    return true;
}

const CCityCodeData_MainData* CCityCodeData_MainDataOrganization::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return databases_[static_cast<size_t>(index)];
}

int CCityCodeData_MainDataOrganization::GetTotalItemCount() const {
    long long total = 0;
    for (const CCityCodeData_MainData* database : databases_) {
        total += database->GetItemCount();
    }
    return total > INT_MAX ? INT_MAX : static_cast<int>(total);
}

const CCityCodeData_MainDataOrganization::Item* CCityCodeData_MainDataOrganization::GetTotalItemAt(
    int index) const {
    if (index < 0) {
        return nullptr;
    }
    for (const CCityCodeData_MainData* database : databases_) {
        const int count = database->GetItemCount();
        if (index < count) {
            return database->GetItemAt(index);
        }
        index -= count;
    }
    return nullptr;
}

int CCityCodeData_MainDataOrganization::FindItem(int start, int field, std::string_view key,
                                                 bool exact) const {
    const int total = GetTotalItemCount();
    if (start < -1 || start + 1 >= total || field < 0 || field >= Item::kFieldCount ||
        key.empty()) {
        return -1;
    }
    long long base = 0;
    for (const CCityCodeData_MainData* database : databases_) {
        const std::vector<Item>& items = database->GetItems();
        const long long first = std::max(0LL, start + 1 - base);
        for (size_t i = static_cast<size_t>(first); i < items.size(); ++i) {
            if (Item::FieldMatches(items[i].GetField(field), key, exact)) {
                return static_cast<int>(base + static_cast<long long>(i));
            }
        }
        base += static_cast<long long>(items.size());
        if (base >= total) {
            break;  // items beyond the int range cannot be addressed
        }
    }
    return -1;
}
