#include "settings/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
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

const char *const notAFileText = "Not a regular file";

// Text and code for a name that exists but is not a regular file.
std::pair<int, std::string> notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return {EISDIR, systemText(EISDIR)};
    return {EINVAL, notAFileText};
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

bool isTempSuffix(std::string_view suffix)
{
    if (suffix.size() != 6)
        return false;
    for (const char c : suffix) {
        const bool letterOrDigit
            = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit)
            return false;
    }
    return true;
}

// A save interrupted by a crash or a kill leaves its temporary file behind. Those of
// `name` in `folder` are removed at its next save: only our own pattern, only the user's
// own regular files, and only when old enough that no save of another instance can still
// be writing them.
void removeStaleTemps(const std::string &folder, const std::string &name)
{
    constexpr std::time_t kStaleSeconds = 10;
    DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const std::string stem = "." + name + ".";
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const std::string_view entryName(entry->d_name);
        if (!entryName.starts_with(stem) || !isTempSuffix(entryName.substr(stem.size())))
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
    calls.unlink = [](const char *path) { return ::unlink(path); };
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

// Opens a regular file for reading; a folder, a pipe or a device is refused without
// blocking. On success `fd` is open and `info` describes the file.
FileRead openRegularFile(const SystemCalls &sys, const std::string &path, int &fd,
                         struct stat &info)
{
    fd = -1;
    // Look before opening, so that a device is not even opened; the check after opening
    // closes the race with a file swapped in between.
    if (sys.stat(path.c_str(), &info) != 0) {
        const int error = errno;
        return readFailure(isMissingError(error) ? ReadStatus::Missing : ReadStatus::Error, error,
                           systemText(error));
    }
    if (!S_ISREG(info.st_mode)) {
        auto [error, text] = notAFile(info.st_mode);
        return readFailure(ReadStatus::NotAFile, error, std::move(text));
    }

    // O_NONBLOCK: a pipe swapped in after the check still cannot make the open wait.
    const int opened = sys.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
    if (opened < 0) {
        const int error = errno;
        return readFailure(isMissingError(error) ? ReadStatus::Missing : ReadStatus::Error, error,
                           systemText(error));
    }
    if (sys.fstat(opened, &info) != 0) {
        const int error = errno;
        sys.close(opened);
        return readFailure(ReadStatus::Error, error, systemText(error));
    }
    if (!S_ISREG(info.st_mode)) {
        sys.close(opened);
        auto [error, text] = notAFile(info.st_mode);
        return readFailure(ReadStatus::NotAFile, error, std::move(text));
    }
    fd = opened;
    FileRead result;
    result.status = ReadStatus::Ok;
    return result;
}

} // namespace

FileRead checkReadableFile(const std::string &path)
{
    const SystemCalls &sys = systemCalls();
    int fd = -1;
    struct stat info {
    };
    FileRead result = openRegularFile(sys, path, fd, info);
    if (fd >= 0)
        sys.close(fd);
    return result;
}

FileRead readRegularFile(const std::string &path)
{
    const SystemCalls &sys = systemCalls();
    int fd = -1;
    struct stat info {
    };
    if (FileRead failed = openRegularFile(sys, path, fd, info); !failed.ok())
        return failed;

    FileRead result;
    result.status = ReadStatus::Ok;
    std::string &bytes = result.bytes;
    // The size is a hint only: the file may change while it is read.
    bytes.resize(std::size_t(info.st_size > 0 ? info.st_size : 0) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2 + 4096);
        const ssize_t n = sys.read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            sys.close(fd);
            return readFailure(ReadStatus::Error, error, systemText(error));
        }
        if (n == 0)
            break;
        used += std::size_t(n);
    }
    bytes.resize(used);
    sys.close(fd);
    return result;
}

FileWrite writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const SystemCalls &sys = systemCalls();

    std::string target = path;
    struct stat info {
    };
    bool replacing = false;
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
        replacing = true;
    } else if (errno != ENOENT) {
        return writeFailure(errno);
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder
        = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty())
        return writeFailure(EISDIR);

    // A new file gets the usual permissions (0666 less the umask); a replaced one keeps
    // its own, set once the temporary file exists.
    const mode_t createMode = replacing ? 0600 : 0666;
    const std::string tempStem = folder + "." + name + ".";
    std::string tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = tempStem;
        tempPath += randomSuffix();
        fd = sys.open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST)
            return writeFailure(errno);
    }
    if (fd < 0)
        return writeFailure(EEXIST);

    if (replacing) {
        // Some file systems (FAT on a stick) refuse modes; the write still goes ahead.
        sys.fchmod(fd, info.st_mode & 07777);
    }

    if (!writeAll(sys, fd, bytes) || sys.fsync(fd) != 0) {
        discardTemp(sys, fd, tempPath);
        return writeFailure(errno);
    }
    if (sys.close(fd) != 0) {
        discardTemp(sys, -1, tempPath);
        return writeFailure(errno);
    }
    if (sys.rename(tempPath.c_str(), target.c_str()) != 0) {
        discardTemp(sys, -1, tempPath);
        return writeFailure(errno);
    }
    syncFolder(sys, folder);
    removeStaleTemps(folder, name);

    FileWrite result;
    result.ok = true;
    return result;
}

int renameNoReplace(const std::string &from, const std::string &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without the no-replace flag: a hard link fails when the target exists.
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    ::unlink(from.c_str());
    return 0;
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
