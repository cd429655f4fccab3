#include "settings/qt/settings_store_qt.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "platform/cp932_convert.h"

namespace {

QString Utf16(std::string_view ascii) {
    return QString::fromUtf8(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

QString KeyPath(std::string_view section, std::string_view key) {
    return Utf16(section) + QLatin1Char('/') + Utf16(key);
}

// The text of a stored value. An INI line written by hand with commas reads back as a list;
// joined again it gives the text the user wrote.
std::optional<QString> StoredText(const QSettings& settings, const QString& path) {
    const QVariant value = settings.value(path);
    if (!value.isValid()) {
        return std::nullopt;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    if (!value.canConvert<QString>()) {
        return std::nullopt;
    }
    return value.toString();
}

}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(kOrganization),
                                            QString::fromLatin1(kApplication))) {}

CQtSettingsStore::CQtSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

CQtSettingsStore::~CQtSettingsStore() = default;

int CQtSettingsStore::GetInt(std::string_view section, std::string_view key, int missing) const {
    const std::optional<QString> text = StoredText(*settings_, KeyPath(section, key));
    if (!text) {
        return missing;
    }
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : missing;
}

Cp932 CQtSettingsStore::GetString(std::string_view section, std::string_view key,
                                  const Cp932& missing) const {
    const std::optional<QString> text = StoredText(*settings_, KeyPath(section, key));
    if (!text) {
        return missing;
    }
    const QByteArray utf8 = text->toUtf8();
    return TryUtf8ToCp932(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())))
        .value_or(missing);
}

void CQtSettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
    settings_->setValue(KeyPath(section, key), value);
}

void CQtSettingsStore::SetString(std::string_view section, std::string_view key,
                                 const Cp932& value) {
    // Bytes that are no CP932 text at all (never produced by the program) become '?'.
    const std::string utf8 = Cp932ToUtf8(value);
    settings_->setValue(KeyPath(section, key), QString::fromStdString(utf8));
}

void CQtSettingsStore::RemoveKey(std::string_view section, std::string_view key) {
    settings_->remove(KeyPath(section, key));
}

std::vector<std::string> CQtSettingsStore::GetKeys(std::string_view section) const {
    settings_->beginGroup(Utf16(section));
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(keys.size()));
    for (const QString& key : keys) {
        result.push_back(key.toStdString());
    }
    return result;
}

bool CQtSettingsStore::Sync() {
    settings_->sync();
    // A file that was damaged when it was read reports a format error for ever after, but it
    // is written all the same; only an access error means the settings did not reach it.
    return settings_->status() != QSettings::AccessError;
}

QString CQtSettingsStore::FileName() const {
    return settings_->fileName();
}
