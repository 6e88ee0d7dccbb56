#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>

namespace tb {

// Whole-file reads and crash-safe whole-file writes of regular files.
// Error texts are the system's own description of the failure (strerror), ready to be
// shown to the user after a fixed sentence.

enum class ReadStatus {
    Ok, // bytes hold the whole file
    Missing, // no such file, or a folder of the path is missing
    NotAFile, // the name is a folder, a pipe, a device or a socket: never opened for long
    Error, // the file exists but cannot be read
};

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    int error = 0; // errno of the failure, 0 when none
    std::string errorText; // empty when status is Ok

    bool ok() const { return status == ReadStatus::Ok; }
    // Missing and NotAFile: there is no file to read, as far as a reader is concerned.
    bool absent() const { return status == ReadStatus::Missing || status == ReadStatus::NotAFile; }
};

// Reads a regular file whole. A folder, a pipe or a device is NotAFile and never blocks.
FileRead readRegularFile(const std::string &path);

// Whether `path` could be read as readRegularFile would, without reading it: `bytes` stays
// empty.
FileRead checkReadableFile(const std::string &path);

// What tells a file's contents apart without reading them: the device, inode and size, and
// the modification and change times to the nanosecond. A replacement by rename gives a new
// inode; a write in place moves the times.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified {};
    timespec changed {};
};

bool sameStamp(const FileStamp &a, const FileStamp &b);

// The stamp of what stat gives for `path` (through the system calls in force).
FileStamp stampOf(const struct stat &info);
// The stamp of the regular file `path`; nothing when it is missing or not a regular file.
std::optional<FileStamp> fileStamp(const std::string &path);

// A file's times come from a clock that moves in steps of a few milliseconds (whole
// seconds, or two, on some file systems), so a change made within the step that stamped
// the file leaves the stamp as it was. True when the stamp was taken, at `now` (the coarse
// clock the stamps come from), after that step had passed: an equal stamp later proves the
// bytes unchanged.
bool stampSettled(const FileStamp &stamp, const std::optional<timespec> &now);
// The coarse real-time clock, the one file times are taken from.
std::optional<timespec> coarseNow();

struct FileWrite {
    bool ok = false;
    int error = 0;
    std::string errorText;

    explicit operator bool() const { return ok; }
};

// Replaces (or creates) `path` with `bytes`: a temporary file ".<name>.XXXXXX" in the same
// folder is written, flushed to disk and renamed over the target, so that a crash or a
// failure at any step leaves either the old file or the new one, never a mix. The
// permission bits of a file that is replaced are kept; a symbolic link is followed and
// the file it names is replaced. Refused when the target exists and is not a regular
// file. On failure no temporary file is left behind.
FileWrite writeFileAtomically(const std::string &path, std::string_view bytes);

// Makes `folder` and any folder above it that is missing, each new one private to the user
// (0700). 0, or the errno value of the failure (ENOTDIR when a file stands in the way).
int makePrivateFolders(const std::string &folder);

// The base folder of the user's files of one kind: `xdgValue` (an XDG_..._HOME variable) when
// it is absolute, or else `underHome` in the home folder when that is absolute; nothing when
// neither is. Trailing slashes are dropped, so the root comes back as "".
std::optional<std::string> userBaseFolder(const char *xdgValue, const char *home,
                                          std::string_view underHome);

// Renames `from` to `to` without ever replacing an existing `to` (a file system without the
// no-replace flag gets a hard link and an unlink). 0, or the errno value of the failure:
// EEXIST when `to` is there.
int renameNoReplace(const std::string &from, const std::string &to);

// The system calls the file layer makes, replaceable so that tests can make any of them
// fail (full disk, denied access, failed rename) even when running as root.
struct SystemCalls {
    std::function<int(const char *path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void *buffer, size_t size)> read;
    std::function<ssize_t(int fd, const void *buffer, size_t size)> write;
    std::function<int(int fd, struct stat *info)> fstat;
    std::function<int(const char *path, struct stat *info)> stat;
    std::function<int(const char *path, struct stat *info)> lstat;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char *from, const char *to)> rename;
    std::function<int(const char *path)> unlink;
};

// The calls of the operating system.
SystemCalls realSystemCalls();

// The calls in force.
const SystemCalls &systemCalls();

// Puts `calls` in force for its lifetime, then restores the previous set. For tests.
class ScopedSystemCalls
{
public:
    explicit ScopedSystemCalls(SystemCalls calls);
    ~ScopedSystemCalls();
    ScopedSystemCalls(const ScopedSystemCalls &) = delete;
    ScopedSystemCalls &operator=(const ScopedSystemCalls &) = delete;

private:
    SystemCalls previous_;
};

} // namespace tb
