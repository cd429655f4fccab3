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
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/memory_settings_store.h"
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

CMemorySettingsStore Saved(const CQuillmarkSystem& settings) {
    CMemorySettingsStore store;
    Check(settings.Save(store));
    return store;
}

// Every key the first save wrote holds the same text in the second.
void CheckSame(const CMemorySettingsStore& first, const CMemorySettingsStore& second) {
    Check(first.GetWriteLog() == second.GetWriteLog());
    for (const std::string& name : first.GetWriteLog()) {
        const size_t slash = name.find('/');
        const std::string section = name.substr(0, slash);
        const std::string key = name.substr(slash + 1);
        Check(first.GetRaw(section, key) == second.GetRaw(section, key));
    }
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
    const CMemorySettingsStore first = Saved(settings);
    CheckSame(first, Saved(LoadedFrom(first)));

    const QString rewritten = QString::fromStdString(folder + "/rewritten.ini");
    QFile::remove(rewritten);
    {
        CQtSettingsStore store(rewritten);
        Check(settings.Save(store) && store.Sync());
    }
    {
        const CQtSettingsStore store(Stamped("rewritten.ini"));
        CheckSame(first, Saved(LoadedFrom(store)));
    }
    return 0;
}
