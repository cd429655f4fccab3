#include "ui/qt_text.h"

#include <QFile>

#include "platform/cp932_convert.h"

namespace qt_text {

QString FromCp932(const Cp932& text) {
    return QString::fromStdString(Cp932ToUtf8(text));
}

Cp932 ToCp932(const QString& text) {
    return Utf8ToCp932(text.toStdString());
}

std::optional<Cp932> TryToCp932(const QString& text, int* bad_position) {
    const std::string utf8 = text.toStdString();
    size_t bad_offset = 0;
    std::optional<Cp932> converted = TryUtf8ToCp932(utf8, &bad_offset);
    if (!converted && bad_position != nullptr) {
        *bad_position = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(bad_offset)).size();
    }
    return converted;
}

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace qt_text
