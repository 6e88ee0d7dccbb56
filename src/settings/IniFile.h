#pragma once

#include "platform/SafeFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// The settings file engine: one key of an INI-format file read or written per call,
// behaving as the profile functions that older task lists were written with.
// Texts are bytes: the engine never decodes them.
//
// A file read is parsed once, and its parse serves later reads while the file on disk is
// unchanged: same device, inode and size, same modification and change times to the
// nanosecond. A change made by any program is seen at the next read. The parses of a few
// files are kept, the least recently used giving way.
//
// A settings file is small. One of more than kMaxSettingsFileBytes is none: reads give the
// default without reading it (its size is all that is looked at), and writes fail and leave
// it as it is.
inline constexpr std::uint64_t kMaxSettingsFileBytes = std::uint64_t(16) << 20;

// A read gives at most this many bytes of a value: the readers of older task lists had a
// buffer of 255 characters, one of them for the terminating NUL.
inline constexpr std::size_t kMaxIniValueBytes = 254;

// Whether `fileName` can be read as a settings file, without reading it: as
// checkReadableFile, and an Error (EFBIG, its size in the text) when it is too large.
FileRead checkSettingsFile(const std::string &fileName);

// The value of `key` in `section` of `fileName`: at most 254 bytes, enclosing quotes
// removed; a UTF-8 character that would be cut there is left out whole. A missing file,
// section or key, and an empty value, give `defaultValue`.
std::string IniRead(std::string_view section, std::string_view key, const std::string &fileName,
                    std::string_view defaultValue);

// Sets `key` of `section` in `fileName` to `value`, creating the key, the section or the
// file as needed and keeping every other byte of the file. The file is replaced
// crash-safely; a value equal to the stored one writes nothing. False when the write
// failed (the old file is then whole) or when the entry is not writable (see
// isWritableIniEntry). A file that exists but cannot be read is never replaced.
bool IniWrite(std::string_view section, std::string_view key, std::string_view value,
              const std::string &fileName);

// The value of `key` in `section` of `fileName` exactly as stored: trimmed of blanks, but
// with its quotes and not cut at 254 characters. Nothing when the file, the section or the
// key is missing (an empty stored value is an empty text).
std::optional<std::string> iniReadRaw(std::string_view section, std::string_view key,
                                      const std::string &fileName);

// The same engine over the bytes of a settings file held in memory.

// The stored value as iniReadRaw gives it; the view points into `content`.
std::optional<std::string_view> findIniValue(std::string_view content, std::string_view section,
                                             std::string_view key);

// What IniRead returns for a file holding `content`.
std::string iniValueFromContent(std::string_view content, std::string_view section,
                                std::string_view key, std::string_view defaultValue);

// The sections of a settings file's bytes, indexed by name: a lookup reads only the lines
// of the section asked for, and finds what findIniValue finds. `content` must outlive the
// index unchanged.
class IniIndex
{
public:
    explicit IniIndex(std::string_view content);

    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

private:
    struct Section {
        std::uint32_t hash; // of the name, without regard to case
        std::uint32_t begin; // the section's own line
        std::uint32_t end; // where the next section's line begins
    };
    std::string_view content_;
    std::vector<Section> sections_; // by hash, then in the order of the file
    bool indexed_ = true; // false for contents too large for the offsets: they are scanned
};

// False when the names or the value cannot be written without forging other lines:
// a line break anywhere, "=" in the key, or a key that would read as a
// section line or a comment (first character "[" or ";").
bool isWritableIniEntry(std::string_view section, std::string_view key, std::string_view value);

struct IniEdit {
    enum Status { Changed, Unchanged, Refused };
    Status status = Refused;
    std::string content; // the new bytes when Changed
};

// `content` with `key` of `section` set to `value`, as IniWrite would write it.
IniEdit setIniValue(std::string_view content, std::string_view section, std::string_view key,
                    std::string_view value);

// Many reads and writes of one settings file, applied to the file's bytes in memory and
// written back in one crash-safe replacement. The bytes left on disk are those the same
// sequence of IniRead and IniWrite calls would have left; a failure leaves the old file
// whole.
class IniBatch
{
public:
    explicit IniBatch(std::string fileName);

    // As IniRead, over the writes made so far.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;
    // As IniWrite, in memory: false when the entry is not writable or the file exists but
    // cannot be read.
    bool write(std::string_view section, std::string_view key, std::string_view value);
    // Replaces the file once when a write changed it. Not ok when the file could not be read
    // or written; the reason is in the result.
    FileWrite commit();

private:
    std::string fileName_;
    FileRead file_;
    bool changed_ = false;
};

} // namespace tb
