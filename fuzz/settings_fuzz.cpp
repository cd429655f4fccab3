// libFuzzer harness for the settings as the program reads them at start-up: arbitrary bytes
// as the user's INI file, read through the Qt INI store (CQtSettingsStore) into the settings
// object and brought into range (Validate).
//
// Whatever the file holds, the settings must then save, and read back from what they saved
// (in memory and through a new INI file) to exactly the same values: a damaged file must
// never leave a setting that the next start-up reads differently. Anything else (a crash, a
// sanitizer report, an escaping exception) is a finding.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "settings/qt/settings_store_qt.h"
#include "settings/quillmark_system.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string folder;

// Qt keeps what it read per file name and reads a file again only when its size or time
// changed. The two files keep their names (so that cache stays the same size and no input
// looks like a leak) and get a new time whenever they are written, so each is read afresh.
QString Stamped(const char* name) {
    static long long stamp = 1000000000;
    const std::string path = folder + "/" + name;
    const timespec times[2] = {{++stamp, 0}, {stamp, 0}};
    Check(::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0);
    return QString::fromStdString(path);
}

// What a save wrote, as "Section/Key" → text; lighter than the memory store, whose write log
// this harness does not need.
class CFlatStore : public ISettingsStore {
public:
    int GetInt(std::string_view section, std::string_view key, int missing) const override {
        const auto found = values_.find(Name(section, key));
        int value = 0;
        if (found == values_.end()) {
            return missing;
        }
        const std::string& text = found->second;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size() ? value : missing;
    }
    Cp932 GetString(std::string_view section, std::string_view key,
                    const Cp932& missing) const override {
        const auto found = values_.find(Name(section, key));
        return found == values_.end() ? missing : found->second;
    }
    void SetInt(std::string_view section, std::string_view key, int value) override {
        values_[Name(section, key)] = std::to_string(value);
    }
    void SetString(std::string_view section, std::string_view key, const Cp932& value) override {
        values_[Name(section, key)] = value;
    }
    void RemoveKey(std::string_view section, std::string_view key) override {
        values_.erase(Name(section, key));
    }
    std::vector<std::string> GetKeys(std::string_view section) const override {
        std::vector<std::string> keys;
        const std::string prefix = Name(section, "");
        for (auto it = values_.lower_bound(prefix);
             it != values_.end() && it->first.starts_with(prefix); ++it) {
            keys.push_back(it->first.substr(prefix.size()));
        }
        return keys;
    }
    bool operator==(const CFlatStore& other) const { return values_ == other.values_; }

private:
    static std::string Name(std::string_view section, std::string_view key) {
        std::string name(section);
        name += '/';
        name += key;
        return name;
    }
    std::map<std::string, std::string> values_;
};

CFlatStore Saved(const CQuillmarkSystem& settings) {
    CFlatStore store;
    Check(settings.Save(store));
    return store;
}

CQuillmarkSystem LoadedFrom(const ISettingsStore& store) {
    CQuillmarkSystem settings;
    settings.Load(store);
    settings.Validate(false);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/qm_settings_fuzz_XXXXXX";
    Check(::mkdtemp(pattern.data()) != nullptr);
    folder = pattern;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString damaged = QString::fromStdString(folder + "/damaged.ini");
    {
        QFile file(damaged);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
              static_cast<qint64>(size));
    }
    CQuillmarkSystem settings;
    {
        const CQtSettingsStore store(Stamped("damaged.ini"));
        settings = LoadedFrom(store);
    }
    const CFlatStore first = Saved(settings);
    Check(Saved(LoadedFrom(first)) == first);

    const QString rewritten = QString::fromStdString(folder + "/rewritten.ini");
    QFile::remove(rewritten);
    {
        CQtSettingsStore store(rewritten);
        Check(settings.Save(store) && store.Sync());
    }
    {
        const CQtSettingsStore store(Stamped("rewritten.ini"));
        Check(Saved(LoadedFrom(store)) == first);
    }
    return 0;
}
