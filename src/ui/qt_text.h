#pragma once

#include <QString>
#include <optional>

#include "platform/cp932.h"

// The one place where the program's CP932 text meets Qt's strings.
namespace qt_text {

QString FromCp932(const Cp932& text);
// '?' for a character CP932 cannot hold.
Cp932 ToCp932(const QString& text);
// nullopt when a character cannot be held; offset then tells which (in UTF-16 units).
std::optional<Cp932> TryToCp932(const QString& text, int* bad_position = nullptr);
// A file path as the file system spells it, and back.
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

}  // namespace qt_text
