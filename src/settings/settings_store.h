#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

// The per-user settings store as the settings object sees it: integers and CP932 strings
// addressed by section and key. The program binds it to an INI file (the Qt store in ui/);
// tests use the in-memory store. A value that is missing, or stored as something that is not
// an integer when an integer is asked for, yields the default the caller gives.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    virtual int GetInt(std::string_view section, std::string_view key, int missing) const = 0;
    virtual Cp932 GetString(std::string_view section, std::string_view key,
                            const Cp932& missing) const = 0;
    virtual void SetInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void SetString(std::string_view section, std::string_view key, const Cp932& value) = 0;
    virtual void RemoveKey(std::string_view section, std::string_view key) = 0;
    // The keys present in a section, in no particular order.
    virtual std::vector<std::string> GetKeys(std::string_view section) const = 0;
    // Writes pending changes to permanent storage; false when that failed.
    virtual bool Sync() { return true; }
};
