#include "settings/memory_settings_store.h"

#include <charconv>

namespace {

std::string LogName(std::string_view section, std::string_view key) {
    std::string name(section);
    name += '/';
    name += key;
    return name;
}

}  // namespace

std::optional<std::string> CMemorySettingsStore::GetRaw(std::string_view section,
                                                        std::string_view key) const {
    const auto s = sections_.find(section);
    if (s == sections_.end()) {
        return std::nullopt;
    }
    const auto k = s->second.find(key);
    if (k == s->second.end()) {
        return std::nullopt;
    }
    return k->second;
}

bool CMemorySettingsStore::Contains(std::string_view section, std::string_view key) const {
    return GetRaw(section, key).has_value();
}

int CMemorySettingsStore::GetInt(std::string_view section, std::string_view key,
                                 int missing) const {
    const std::optional<std::string> raw = GetRaw(section, key);
    if (!raw) {
        return missing;
    }
    int value = 0;
    const char* const first = raw->data();
    const char* const last = first + raw->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return missing;
    }
    return value;
}

Cp932 CMemorySettingsStore::GetString(std::string_view section, std::string_view key,
                                      const Cp932& missing) const {
    return GetRaw(section, key).value_or(missing);
}

void CMemorySettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    SetString(section, key, std::to_string(value));
}

void CMemorySettingsStore::SetString(std::string_view section, std::string_view key,
                                     const Cp932& value) {
    auto s = sections_.find(section);
    if (s == sections_.end()) {
        s = sections_.emplace(std::string(section), Section{}).first;
    }
    s->second.insert_or_assign(std::string(key), value);
    write_log_.push_back(LogName(section, key));
}

void CMemorySettingsStore::RemoveKey(std::string_view section, std::string_view key) {
    const auto s = sections_.find(section);
    if (s != sections_.end()) {
        const auto k = s->second.find(key);
        if (k != s->second.end()) {
            s->second.erase(k);
        }
    }
    remove_log_.push_back(LogName(section, key));
}

std::vector<std::string> CMemorySettingsStore::GetKeys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto s = sections_.find(section);
    if (s != sections_.end()) {
        for (const auto& entry : s->second) {
            keys.push_back(entry.first);
        }
    }
    return keys;
}

void CMemorySettingsStore::ClearLogs() {
    write_log_.clear();
    remove_log_.clear();
}
