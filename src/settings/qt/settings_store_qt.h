#pragma once

#include <QString>
#include <memory>

#include "settings/settings_store.h"

class QSettings;

// The program's settings store: an INI file read and written through QSettings (the user's
// file of organisation "Halvard_Systems", application "Quillmark", or a file at a given
// path). Sections become INI groups and keys keep their names. The settings object works in
// CP932; the file holds UTF-8, and this class converts at that boundary. A text that cannot
// be converted from the file reads as missing, like a number that does not parse.
class CQtSettingsStore : public ISettingsStore {
public:
    static constexpr const char* kOrganization = "Halvard_Systems";
    static constexpr const char* kApplication = "Quillmark";

    // The user's settings file.
    CQtSettingsStore();
    // The INI file at path.
    explicit CQtSettingsStore(const QString& path);
    ~CQtSettingsStore() override;

    int GetInt(std::string_view section, std::string_view key, int missing) const override;
    Cp932 GetString(std::string_view section, std::string_view key,
                    const Cp932& missing) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;
    void SetString(std::string_view section, std::string_view key, const Cp932& value) override;
    void RemoveKey(std::string_view section, std::string_view key) override;
    std::vector<std::string> GetKeys(std::string_view section) const override;
    bool Sync() override;

    QString FileName() const;
    // The QSettings behind the store, for what the program keeps beside the settings
    // (the recent-file list).
    QSettings& Raw() { return *settings_; }

private:
    std::unique_ptr<QSettings> settings_;
};
