#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"

// A settings store held in memory, for tests and for running without a user profile. Values
// are kept as text, as an INI file keeps them, so an integer key that holds text reads as
// missing. It also records every write and removal in order ("Section/Key"), so a test can
// check what a save wrote and in which order.
class CMemorySettingsStore : public ISettingsStore {
public:
    int GetInt(std::string_view section, std::string_view key, int missing) const override;
    Cp932 GetString(std::string_view section, std::string_view key,
                    const Cp932& missing) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;
    void SetString(std::string_view section, std::string_view key, const Cp932& value) override;
    void RemoveKey(std::string_view section, std::string_view key) override;
    std::vector<std::string> GetKeys(std::string_view section) const override;

    // The stored text of a key, or nothing when it is missing.
    std::optional<std::string> GetRaw(std::string_view section, std::string_view key) const;
    bool Contains(std::string_view section, std::string_view key) const;
    // Every "Section/Key" written by SetInt or SetString, in order.
    const std::vector<std::string>& GetWriteLog() const { return write_log_; }
    // Every "Section/Key" removed by RemoveKey, in order.
    const std::vector<std::string>& GetRemoveLog() const { return remove_log_; }
    void ClearLogs();

private:
    using Section = std::map<std::string, std::string, std::less<>>;
    std::map<std::string, Section, std::less<>> sections_;
    std::vector<std::string> write_log_;
    std::vector<std::string> remove_log_;
};
