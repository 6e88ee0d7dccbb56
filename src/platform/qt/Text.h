#pragma once

#include <QString>

#include <string>

namespace tb {

// The files keep 8-bit text. Bytes that form valid UTF-8 are read as UTF-8; anything else
// comes from an older system and is read as Windows-1252.
QString fromFileBytes(const std::string &bytes);
// Text going back into a file is written as UTF-8.
std::string toFileBytes(const QString &text);

} // namespace tb
