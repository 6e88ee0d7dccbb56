#pragma once

#include "settings/IniFile.h"

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tb {

// The nine list files ("List1.txt" to "List9.txt") beside the program.

// The path of list `listNumber` in `programFolder`: an existing entry of that name in any
// letter case (the list editor has always written "list1.txt"), the exact "ListN.txt"
// preferred when there are several; otherwise `programFolder` + "/ListN.txt".
// Every reader and writer of a list file goes through this.
std::string listFilePath(const std::string &programFolder, int listNumber);

// The rotation considers the first 101 items of a list only.
inline constexpr std::size_t kMaxRotationItems = 101;

// An item is kept as the task list can read it back: a settings value is read back as at
// most 254 characters, so longer items are cut there (never inside a UTF-8 character).
inline constexpr std::size_t kMaxItemBytes = kMaxIniValueBytes;

enum class ListReadStatus { Ok, Missing, Error };

struct ListItems {
    ListReadStatus status = ListReadStatus::Missing;
    std::vector<std::string> items;
    // The system's description of the failure: of the open for Error; for Ok, of a read
    // that failed part-way (the items of the complete lines before it are kept).
    std::string errorText;
};

// Reads the rotation items of a list file as a stream: a UTF-8 byte order mark at the
// start is skipped, lines end at any run of CR and LF, leading and trailing space
// characters (only the blank, not tabs) are removed, empty lines and lines holding a NUL
// byte (not text) are skipped, items are cut to kMaxItemBytes by utf8CutLength, reading
// stops after `maxItems` items. Memory stays bounded whatever the lines' length. A file
// that does not exist (or a folder on its path) is Missing; one that cannot be opened, or is
// not a regular file (a folder, a pipe, a device), is Error. Never blocks.
ListItems readRotationItems(const std::string &path, std::size_t maxItems = kMaxRotationItems);

// The chunk source behind readRotationItems: fills the buffer and returns the number of
// bytes, 0 at the end, or -1 with errno set. Separate so that chunk boundaries and
// failing reads can be exercised.
using ChunkSource = std::function<ssize_t(char *buffer, std::size_t size)>;
ListItems readRotationItemsFrom(const ChunkSource &source,
                                std::size_t maxItems = kMaxRotationItems);

} // namespace tb
