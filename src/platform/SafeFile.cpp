#include "platform/SafeFile.h"

#include "platform/Translator.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <random>
#include <unistd.h>
#include <utility>

namespace tb {
namespace {

SystemCalls &callsInForce()
{
    static SystemCalls calls = realSystemCalls();
    return calls;
}

std::string systemText(int error)
{
    return std::strerror(error);
}

const char *const notAFileText = TB_MARK("SafeFile", "Not a regular file");

// Text and code for a name that exists but is not a regular file.
std::pair<int, std::string> notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return {EISDIR, systemText(EISDIR)};
    return {EINVAL, trText("SafeFile", notAFileText)};
}

FileRead readFailure(ReadStatus status, int error, std::string text)
{
    FileRead result;
    result.status = status;
    result.error = error;
    result.errorText = std::move(text);
    return result;
}

FileWrite writeFailure(int error, std::string text)
{
    FileWrite result;
    result.error = error;
    result.errorText = std::move(text);
    return result;
}

FileWrite writeFailure(int error)
{
    return writeFailure(error, systemText(error));
}

bool isMissingError(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

std::string randomSuffix()
{
    static std::mt19937 generator {std::random_device {}()};
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, int(sizeof letters) - 2);
    std::string suffix(6, 'X');
    for (char &c : suffix)
        c = letters[pick(generator)];
    return suffix;
}

// Closes `fd` and removes `tempPath`, keeping the errno of the failure that led here.
void discardTemp(const SystemCalls &sys, int fd, const std::string &tempPath)
{
    const int saved = errno;
    if (fd >= 0)
        sys.close(fd);
    sys.unlink(tempPath.c_str());
    errno = saved;
}

bool writeAll(const SystemCalls &sys, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = sys.write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// Makes the rename itself durable. A folder that cannot be flushed does not undo the
// write, which has already taken place.
void syncFolder(const SystemCalls &sys, const std::string &folder)
{
    const int fd
        = sys.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    sys.fsync(fd);
    sys.close(fd);
}

} // namespace

SystemCalls realSystemCalls()
{
    SystemCalls calls;
    calls.open = [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); };
    calls.read = [](int fd, void *buffer, size_t size) { return ::read(fd, buffer, size); };
    calls.write = [](int fd, const void *buffer, size_t size) { return ::write(fd, buffer, size); };
    calls.fstat = [](int fd, struct stat *info) { return ::fstat(fd, info); };
    calls.stat = [](const char *path, struct stat *info) { return ::stat(path, info); };
    calls.lstat = [](const char *path, struct stat *info) { return ::lstat(path, info); };
    calls.fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
    calls.fsync = [](int fd) { return ::fsync(fd); };
    calls.close = [](int fd) { return ::close(fd); };
    calls.rename = [](const char *from, const char *to) { return ::rename(from, to); };
    calls.renameNoReplace = [](const char *from, const char *to) {
        if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return -1;
        // File systems without the no-replace flag: a hard link fails when the target exists.
        if (::link(from, to) != 0)
            return -1;
        ::unlink(from);
        return 0;
    };
    calls.unlink = [](const char *path) { return ::unlink(path); };
    calls.pread = [](int fd, void *buffer, size_t size, off_t offset) {
        return ::pread(fd, buffer, size, offset);
    };
    return calls;
}

const SystemCalls &systemCalls()
{
    return callsInForce();
}

ScopedSystemCalls::ScopedSystemCalls(SystemCalls calls)
    : previous_(std::exchange(callsInForce(), std::move(calls)))
{
}

ScopedSystemCalls::~ScopedSystemCalls()
{
    callsInForce() = std::move(previous_);
}

namespace {

FileRead openFailure(int error)
{
    return readFailure(isMissingError(error) ? ReadStatus::Missing : ReadStatus::Error, error,
                       systemText(error));
}

FileRead tooLarge(std::uint64_t size, std::uint64_t maxBytes)
{
    const auto megabytes = [](std::uint64_t bytes) {
        return std::to_string(bytes / (1u << 20) + (bytes % (1u << 20) != 0 ? 1 : 0));
    };
    return readFailure(ReadStatus::Error, EFBIG,
                       fillIn(trText("SafeFile", "%1: %2 MB, at most %3 MB"),
                              {systemText(EFBIG), megabytes(size), megabytes(maxBytes)}));
}

// A file larger than the reader takes is refused before it is opened, and again should it
// have grown by the time it is open.
bool tooLargeFor(const struct stat &info, std::uint64_t maxBytes)
{
    return info.st_size > 0 && std::uint64_t(info.st_size) > maxBytes;
}

} // namespace

RegularFile::~RegularFile()
{
    close();
}

RegularFile::RegularFile(RegularFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), info_(other.info_)
{
}

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        info_ = other.info_;
    }
    return *this;
}

void RegularFile::close()
{
    if (fd_ >= 0)
        systemCalls().close(std::exchange(fd_, -1));
}

ssize_t RegularFile::read(char *buffer, std::size_t size)
{
    for (;;) {
        const ssize_t n = systemCalls().read(fd_, buffer, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

ssize_t RegularFile::readAt(std::uint64_t offset, char *buffer, std::size_t size)
{
    std::size_t used = 0;
    while (used < size) {
        if (offset + used > std::uint64_t(std::numeric_limits<off_t>::max()))
            break;
        const ssize_t n
            = systemCalls().pread(fd_, buffer + used, size - used, off_t(offset + used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        used += std::size_t(n);
    }
    return ssize_t(used);
}

FileRead openRegularFile(const std::string &path, RegularFile &file, std::uint64_t maxBytes)
{
    const SystemCalls &sys = systemCalls();
    file.close();
    struct stat info {
    };
    // Look before opening, so that a device is not even opened; the check after opening
    // closes the race with a file swapped in between.
    if (sys.stat(path.c_str(), &info) != 0)
        return openFailure(errno);
    if (!S_ISREG(info.st_mode)) {
        auto [error, text] = notAFile(info.st_mode);
        return readFailure(ReadStatus::NotAFile, error, std::move(text));
    }
    if (tooLargeFor(info, maxBytes))
        return tooLarge(std::uint64_t(info.st_size), maxBytes);

    // O_NONBLOCK: a pipe swapped in after the check still cannot make the open wait.
    const int fd = sys.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0)
        return openFailure(errno);
    file.fd_ = fd;
    if (sys.fstat(fd, &info) != 0) {
        const int error = errno;
        file.close();
        return readFailure(ReadStatus::Error, error, systemText(error));
    }
    if (!S_ISREG(info.st_mode)) {
        file.close();
        auto [error, text] = notAFile(info.st_mode);
        return readFailure(ReadStatus::NotAFile, error, std::move(text));
    }
    if (tooLargeFor(info, maxBytes)) {
        file.close();
        return tooLarge(std::uint64_t(info.st_size), maxBytes);
    }
    file.info_ = info;
    FileRead result;
    result.status = ReadStatus::Ok;
    return result;
}

FileRead checkReadableFile(const std::string &path, std::uint64_t maxBytes)
{
    RegularFile file;
    return openRegularFile(path, file, maxBytes);
}

FileRead readRegularFile(const std::string &path, std::uint64_t maxBytes)
{
    RegularFile file;
    FileRead result = openRegularFile(path, file, maxBytes);
    if (!result.ok())
        return result;

    std::string &bytes = result.bytes;
    // The size is a hint only: the file may change while it is read.
    const auto size = std::uint64_t(std::max<off_t>(file.info().st_size, 0));
    bytes.resize(std::size_t(std::min(size, maxBytes)) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                return tooLarge(used, maxBytes);
            bytes.resize(bytes.size() * 2 + 4096);
        }
        const ssize_t n = file.read(bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            const int error = errno;
            return readFailure(ReadStatus::Error, error, systemText(error));
        }
        if (n == 0)
            break;
        used += std::size_t(n);
    }
    if (used > maxBytes)
        return tooLarge(used, maxBytes);
    bytes.resize(used);
    return result;
}

namespace {

constexpr std::size_t kTempSuffixLength = 6;

bool isLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The folder part of `path` with its slash ("" for none) and the name after it.
std::pair<std::string, std::string> splitPath(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The bytes in a new temporary file beside `folder` + `name`, flushed to disk; its path is
// `tempPath`. On failure nothing is left behind. `keptMode`, when given, is the mode the
// file gets, else the usual one (0666 less the umask).
FileWrite writeTemporary(const SystemCalls &sys, const std::string &folder, const std::string &name,
                         std::string_view bytes, std::optional<mode_t> keptMode,
                         std::string &tempPath)
{
    const std::string tempStem = folder + "." + name + ".";
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = tempStem;
        tempPath += randomSuffix();
        fd = sys.open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      keptMode ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return writeFailure(errno);
    }
    if (fd < 0)
        return writeFailure(EEXIST);

    if (keptMode) {
        // Some file systems (FAT on a stick) refuse modes; the write still goes ahead.
        sys.fchmod(fd, *keptMode);
    }

    if (!writeAll(sys, fd, bytes) || sys.fsync(fd) != 0) {
        discardTemp(sys, fd, tempPath);
        return writeFailure(errno);
    }
    if (sys.close(fd) != 0) {
        discardTemp(sys, -1, tempPath);
        return writeFailure(errno);
    }
    FileWrite result;
    result.ok = true;
    return result;
}

// After the temporary file took its place: the rename made durable, and the leftovers of
// earlier writes that were killed removed.
FileWrite placed(const SystemCalls &sys, const std::string &folder, const std::string &name)
{
    syncFolder(sys, folder);
    removeStaleTemporaryFiles(folder, name);
    FileWrite result;
    result.ok = true;
    return result;
}

} // namespace

FileWrite writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const SystemCalls &sys = systemCalls();

    std::string target = path;
    struct stat info {
    };
    std::optional<mode_t> keptMode;
    if (sys.lstat(target.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            // Replace the file the link names, not the link.
            char resolved[PATH_MAX];
            if (!::realpath(path.c_str(), resolved))
                return writeFailure(errno);
            target = resolved;
            if (sys.lstat(target.c_str(), &info) != 0)
                return writeFailure(errno);
        }
        if (!S_ISREG(info.st_mode)) {
            auto [error, text] = notAFile(info.st_mode);
            return writeFailure(error, std::move(text));
        }
        keptMode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return writeFailure(errno);
    }

    const auto [folder, name] = splitPath(target);
    if (name.empty())
        return writeFailure(EISDIR);
    std::string tempPath;
    if (FileWrite written = writeTemporary(sys, folder, name, bytes, keptMode, tempPath); !written)
        return written;
    if (sys.rename(tempPath.c_str(), target.c_str()) != 0) {
        discardTemp(sys, -1, tempPath);
        return writeFailure(errno);
    }
    return placed(sys, folder, name);
}

FileWrite writeNewFileAtomically(const std::string &path, std::string_view bytes)
{
    const SystemCalls &sys = systemCalls();
    struct stat info {
    };
    if (sys.lstat(path.c_str(), &info) == 0)
        return writeFailure(EEXIST);
    if (errno != ENOENT)
        return writeFailure(errno);

    const auto [folder, name] = splitPath(path);
    if (name.empty())
        return writeFailure(EISDIR);
    std::string tempPath;
    if (FileWrite written = writeTemporary(sys, folder, name, bytes, std::nullopt, tempPath);
        !written)
        return written;
    if (sys.renameNoReplace(tempPath.c_str(), path.c_str()) != 0) {
        discardTemp(sys, -1, tempPath);
        return writeFailure(errno);
    }
    return placed(sys, folder, name);
}

bool isTemporaryFileOf(std::string_view entry, std::string_view name)
{
    if (!entry.starts_with('.') || entry.substr(1, name.size()) != name
        || entry.substr(1 + name.size(), 1) != ".")
        return false;
    std::string_view suffix = entry.substr(name.size() + 2);
    if (suffix.size() == kTempSuffixLength)
        return std::all_of(suffix.begin(), suffix.end(), isLetterOrDigit);
    if (!suffix.ends_with(".new"))
        return false;
    suffix.remove_suffix(4);
    return !suffix.empty()
        && std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void removeStaleTemporaryFiles(const std::string &folder, std::string_view name)
{
    constexpr std::time_t kStaleSeconds = 10;
    DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        if (!isTemporaryFileOf(entry->d_name, name))
            continue;
        struct stat info {
        };
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && now - info.st_mtim.tv_sec >= kStaleSeconds)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

int renameNoReplace(const std::string &from, const std::string &to)
{
    return systemCalls().renameNoReplace(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::optional<std::string> userBaseFolder(const char *xdgValue, const char *home,
                                          std::string_view underHome)
{
    std::string base;
    if (xdgValue && xdgValue[0] == '/')
        base = xdgValue;
    else if (home && home[0] == '/')
        base = std::string(home).append(underHome);
    else
        return std::nullopt;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base;
}

int makePrivateFolders(const std::string &folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && part.back() != '/' && ::mkdir(part.c_str(), 0700) != 0) {
            const int error = errno;
            if (error != EEXIST)
                return error;
            struct stat info {
            };
            if (::stat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
                return ENOTDIR;
        }
        if (slash == std::string::npos)
            return 0;
    }
}

bool sameStamp(const FileStamp &a, const FileStamp &b)
{
    const auto sameTime = [](const timespec &x, const timespec &y) {
        return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    return a.device == b.device && a.inode == b.inode && a.size == b.size
        && sameTime(a.modified, b.modified) && sameTime(a.changed, b.changed);
}

FileStamp stampOf(const struct stat &info)
{
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

std::optional<FileStamp> fileStamp(const std::string &path)
{
    struct stat info {
    };
    if (systemCalls().stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return stampOf(info);
}

namespace {

// Nanoseconds since the epoch; times beyond the year 2106 count as then.
std::int64_t nanoseconds(const timespec &t)
{
    constexpr std::int64_t limit = std::int64_t(1) << 32;
    return std::clamp<std::int64_t>(t.tv_sec, -limit, limit) * 1'000'000'000 + t.tv_nsec;
}

} // namespace

// The coarse clock is the one the stamps come from; a finer one would pass the step too
// early. Times far from now are settled: a change made here would stamp the present.
bool stampSettled(const FileStamp &stamp, const std::optional<timespec> &now)
{
    if (!now)
        return false;
    constexpr std::int64_t second = 1'000'000'000;
    const bool wholeSeconds = stamp.modified.tv_nsec == 0 && stamp.changed.tv_nsec == 0;
    const std::int64_t step = wholeSeconds ? 2 * second : 20'000'000;
    const std::int64_t newest = std::max(nanoseconds(stamp.modified), nanoseconds(stamp.changed));
    const std::int64_t clock = nanoseconds(*now);
    return newest <= clock - step || newest > clock + 2 * second;
}

std::optional<timespec> coarseNow()
{
    timespec now {};
    if (::clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0)
        return std::nullopt;
    return now;
}

} // namespace tb
