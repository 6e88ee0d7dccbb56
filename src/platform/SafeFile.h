#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>

namespace tb {

// The file layer: regular files opened, read whole or in chunks, and replaced crash-safely
// through temporary files of one naming pattern, which a later write cleans up after a
// crash. Error texts are the system's own description of the failure (strerror), ready to
// be shown to the user after a fixed sentence.

enum class ReadStatus {
    Ok, // bytes hold the whole file
    Missing, // no such file, or a folder of the path is missing
    NotAFile, // the name is a folder, a pipe, a device or a socket: never opened for long
    Error, // the file exists but cannot be read (or is larger than the reader takes)
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

inline constexpr std::uint64_t kNoSizeLimit = UINT64_MAX;

// A regular file open for reading; closed with the object.
class RegularFile
{
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile &&other) noexcept;
    RegularFile &operator=(RegularFile &&other) noexcept;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // What fstat said of the open file.
    const struct stat &info() const { return info_; }
    // The next bytes into `buffer`: how many, 0 at the end, or -1 with errno set. An
    // interrupted read is made again.
    ssize_t read(char *buffer, std::size_t size);
    // The bytes from `offset` on into `buffer`, until it is full or the file ends: how many,
    // or -1 with errno set.
    ssize_t readAt(std::uint64_t offset, char *buffer, std::size_t size);
    void close();

private:
    friend FileRead openRegularFile(const std::string &path, RegularFile &file,
                                    std::uint64_t maxBytes);
    int fd_ = -1;
    struct stat info_ {
    };
};

// Opens a regular file for reading into `file`. A folder, a pipe or a device is NotAFile
// and is never opened (nor waited for, when one is swapped in); a file of more than
// `maxBytes` is an Error (EFBIG) and is not opened either.
FileRead openRegularFile(const std::string &path, RegularFile &file,
                         std::uint64_t maxBytes = kNoSizeLimit);

// Reads a regular file whole, as openRegularFile opens it; one that grows past `maxBytes`
// while it is read is an Error too.
FileRead readRegularFile(const std::string &path, std::uint64_t maxBytes = kNoSizeLimit);

// Whether `path` could be read as readRegularFile would, without reading it: `bytes` stays
// empty.
FileRead checkReadableFile(const std::string &path, std::uint64_t maxBytes = kNoSizeLimit);

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

// Replaces (or creates) `path` with `bytes`: a temporary file (see isTemporaryFileOf) in the
// same folder is written, flushed to disk and renamed over the target, so that a crash or a
// failure at any step leaves either the old file or the new one, never a mix. The
// permission bits of a file that is replaced are kept; a symbolic link is followed and
// the file it names is replaced. Refused when the target exists and is not a regular
// file. On failure no temporary file is left behind; on success the stale ones of the same
// name are removed (removeStaleTemporaryFiles).
FileWrite writeFileAtomically(const std::string &path, std::string_view bytes);

// Creates `path` with `bytes` as writeFileAtomically does, but never replaces anything: when
// a file of that name is there, or appears while the bytes are written, it is kept and the
// write fails with EEXIST.
FileWrite writeNewFileAtomically(const std::string &path, std::string_view bytes);

// Whether `entry`, a name in a folder, is a temporary file of a crash-safe write of the file
// `name` there: ".<name>.XXXXXX" with six letters or digits. The first-start copy of
// earlier versions staged its files as ".<name>.<process id>.new"; those count too.
bool isTemporaryFileOf(std::string_view entry, std::string_view name);

// A write interrupted by a crash or a kill leaves its temporary file behind. Removes those
// of `name` in `folder`: only the user's own regular files, and only when old enough that
// no write of another instance can still be making them.
void removeStaleTemporaryFiles(const std::string &folder, std::string_view name);

// Makes `folder` and any folder above it that is missing, each new one private to the user
// (0700). 0, or the errno value of the failure (ENOTDIR when a file stands in the way).
int makePrivateFolders(const std::string &folder);

// The base folder of the user's files of one kind: `xdgValue` (an XDG_..._HOME variable) when
// it is absolute, or else `underHome` in the home folder when that is absolute; nothing when
// neither is. Trailing slashes are dropped, so the root comes back as "".
std::optional<std::string> userBaseFolder(const char *xdgValue, const char *home,
                                          std::string_view underHome);

// Renames `from` to `to` without ever replacing an existing `to` (a file system without the
// no-replace flag gets a hard link and an unlink), through the system calls in force. 0, or
// the errno value of the failure: EEXIST when `to` is there.
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
    // A rename that fails with EEXIST when `to` is there.
    std::function<int(const char *from, const char *to)> renameNoReplace;
    std::function<int(const char *path)> unlink;
    std::function<ssize_t(int fd, void *buffer, size_t size, off_t offset)> pread;
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
