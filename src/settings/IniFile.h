#pragma once

#include <string>
#include <string_view>

namespace tb {

// The settings file engine: one key of an INI-format file read or written per call,
// behaving as the profile functions that older task lists were written with.
// Texts are bytes: the engine never decodes them.

// The value of `key` in `section` of `fileName`: at most 254 characters, enclosing quotes
// removed. A missing file, section or key, and an empty value, give `defaultValue`.
std::string IniRead(std::string_view section, std::string_view key, const std::string &fileName,
                    std::string_view defaultValue);

// Sets `key` of `section` in `fileName` to `value`, creating the key, the section or the
// file as needed and keeping every other byte of the file. The file is replaced
// crash-safely. False when the write failed (the old file is then whole) or when a name
// or the value holds a line break, a section name holds "]" or a key holds "=".
bool IniWrite(std::string_view section, std::string_view key, std::string_view value,
              const std::string &fileName);

} // namespace tb
