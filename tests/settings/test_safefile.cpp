#include "settings/SafeFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tb;
using tb::test::readFile;
using tb::test::TempDir;
using tb::test::writeFile;
using namespace std::string_literals;

namespace {

std::vector<std::string> folderEntries(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t permissions(const std::string &path)
{
    struct stat info {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

TEST(ReadRegularFile, GivesTheBytesOrSaysWhyNot)
{
    TempDir dir;
    const std::string bytes = "a\0b\r\n\xFF\xEF\xBB\xBF"s + std::string(100000, 'x');
    writeFile(dir.file("f"), bytes);
    FileRead r = readRegularFile(dir.file("f"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.bytes, bytes);
    EXPECT_TRUE(r.errorText.empty());

    writeFile(dir.file("empty"), "");
    r = readRegularFile(dir.file("empty"));
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.bytes.empty());

    r = readRegularFile(dir.file("missing"));
    EXPECT_EQ(r.status, ReadStatus::Missing);
    EXPECT_TRUE(r.absent());
    EXPECT_EQ(r.errorText, std::strerror(ENOENT));

    r = readRegularFile(dir.file("missing/deeper"));
    EXPECT_EQ(r.status, ReadStatus::Missing);
    r = readRegularFile(dir.file("f/below a file"));
    EXPECT_EQ(r.status, ReadStatus::Missing);
    EXPECT_EQ(r.error, ENOTDIR);

    r = readRegularFile(dir.path().string());
    EXPECT_EQ(r.status, ReadStatus::NotAFile);
    EXPECT_TRUE(r.absent());
    EXPECT_EQ(r.errorText, std::strerror(EISDIR));

    // Neither of these may block or be read.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    r = readRegularFile(dir.file("pipe"));
    EXPECT_EQ(r.status, ReadStatus::NotAFile);
    EXPECT_FALSE(r.errorText.empty());
    EXPECT_EQ(readRegularFile("/dev/zero").status, ReadStatus::NotAFile);

    std::filesystem::create_symlink(dir.file("f"), dir.file("link"));
    r = readRegularFile(dir.file("link"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.bytes, bytes);
}

TEST(ReadRegularFile, SystemFailuresComeWithTheirText)
{
    TempDir dir;
    writeFile(dir.file("f"), "content");
    {
        SystemCalls calls = realSystemCalls();
        calls.open = [](const char *, int, mode_t) {
            errno = EACCES;
            return -1;
        };
        ScopedSystemCalls denied(calls);
        const FileRead r = readRegularFile(dir.file("f"));
        EXPECT_EQ(r.status, ReadStatus::Error);
        EXPECT_FALSE(r.absent());
        EXPECT_EQ(r.error, EACCES);
        EXPECT_EQ(r.errorText, std::strerror(EACCES));
    }
    {
        // Interrupted reads go on; a failing one stops the read.
        int calls_made = 0;
        SystemCalls calls = realSystemCalls();
        calls.read = [&calls_made](int fd, void *buffer, size_t size) -> ssize_t {
            if (++calls_made == 1) {
                errno = EINTR;
                return -1;
            }
            return ::read(fd, buffer, size < 3 ? size : 3);
        };
        ScopedSystemCalls interrupted(calls);
        const FileRead r = readRegularFile(dir.file("f"));
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.bytes, "content");
    }
    {
        SystemCalls calls = realSystemCalls();
        calls.read = [](int, void *, size_t) -> ssize_t {
            errno = EIO;
            return -1;
        };
        ScopedSystemCalls failing(calls);
        const FileRead r = readRegularFile(dir.file("f"));
        EXPECT_EQ(r.status, ReadStatus::Error);
        EXPECT_EQ(r.errorText, std::strerror(EIO));
        EXPECT_TRUE(r.bytes.empty());
    }
    EXPECT_TRUE(readRegularFile(dir.file("f")).ok()) << "the real calls are back";
}

TEST(WriteFileAtomically, CreatesAndReplacesKeepingPermissions)
{
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    ASSERT_TRUE(writeFileAtomically(path, "first\0"s));
    EXPECT_EQ(readFile(path), "first\0"s);
    EXPECT_EQ(permissions(path), 0666 & ~currentUmask());

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const FileWrite w = writeFileAtomically(path, "second");
    EXPECT_TRUE(w.ok);
    EXPECT_TRUE(w.errorText.empty());
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(permissions(path), 0640u);

    ASSERT_TRUE(writeFileAtomically(path, ""));
    EXPECT_EQ(readFile(path), "");
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string> {"settings.ini"});
}

TEST(WriteFileAtomically, FollowsASymbolicLink)
{
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("real").c_str(), 0700), 0);
    writeFile(dir.file("real/list.ini"), "old");
    std::filesystem::create_symlink("real/list.ini", dir.file("link.ini"));
    ASSERT_TRUE(writeFileAtomically(dir.file("link.ini"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(readFile(dir.file("real/list.ini")), "new");
    EXPECT_EQ(folderEntries(dir.file("real")), std::vector<std::string> {"list.ini"});
}

TEST(WriteFileAtomically, RefusesWhatIsNotARegularFile)
{
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("folder").c_str(), 0700), 0);
    FileWrite w = writeFileAtomically(dir.file("folder"), "x");
    EXPECT_FALSE(w);
    EXPECT_EQ(w.errorText, std::strerror(EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));

    w = writeFileAtomically(dir.file("folder") + "/", "x");
    EXPECT_FALSE(w);

    w = writeFileAtomically("/dev/null", "x");
    EXPECT_FALSE(w);
    EXPECT_FALSE(w.errorText.empty());
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(writeFileAtomically(dir.file("pipe"), "x"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));

    w = writeFileAtomically(dir.file("missing/settings.ini"), "x");
    EXPECT_FALSE(w);
    EXPECT_EQ(w.error, ENOENT);
    EXPECT_EQ(w.errorText, std::strerror(ENOENT));
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string> {"folder", "pipe"}));
}

// Each failing step of a replacement leaves the old file whole and no temporary file.
TEST(WriteFileAtomically, AFailingStepKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    const std::string old = "[s]\r\nk=old\r\n";

    struct Case {
        const char *what;
        int error;
        void (*breakIt)(SystemCalls &, int error);
    };
    const Case cases[] = {
        {"open denied", EACCES,
         [](SystemCalls &c, int e) {
             c.open = [e](const char *, int, mode_t) {
                 errno = e;
                 return -1;
             };
         }},
        {"disk full after a first part", ENOSPC,
         [](SystemCalls &c, int e) {
             auto real = c.write;
             c.write = [e, real, n = 0](int fd, const void *b, size_t size) mutable -> ssize_t {
                 if (n++ == 0)
                     return real(fd, b, size / 2);
                 errno = e;
                 return -1;
             };
         }},
        {"flush fails", EIO,
         [](SystemCalls &c, int e) {
             c.fsync = [e](int) {
                 errno = e;
                 return -1;
             };
         }},
        {"close fails", EIO,
         [](SystemCalls &c, int e) {
             auto real = c.close;
             c.close = [e, real](int fd) {
                 real(fd);
                 errno = e;
                 return -1;
             };
         }},
        {"rename fails", EXDEV,
         [](SystemCalls &c, int e) {
             c.rename = [e](const char *, const char *) {
                 errno = e;
                 return -1;
             };
         }},
    };
    for (const Case &c : cases) {
        writeFile(path, old);
        SystemCalls calls = realSystemCalls();
        c.breakIt(calls, c.error);
        FileWrite w;
        {
            ScopedSystemCalls broken(calls);
            w = writeFileAtomically(path, "a new and longer content for the file");
        }
        EXPECT_FALSE(w) << c.what;
        EXPECT_EQ(w.error, c.error) << c.what;
        EXPECT_EQ(w.errorText, std::strerror(c.error)) << c.what;
        EXPECT_EQ(readFile(path), old) << c.what;
        EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string> {"settings.ini"}) << c.what;
    }
}

TEST(WriteFileAtomically, TemporaryFileIsHiddenBesideTheTargetAndFlushed)
{
    TempDir dir;
    const std::string path = dir.file("list.ini");
    std::vector<std::string> opened;
    int flushes = 0;
    int interruptions = 0;
    SystemCalls calls = realSystemCalls();
    auto realOpen = calls.open;
    auto realWrite = calls.write;
    auto realFsync = calls.fsync;
    calls.open = [&](const char *p, int flags, mode_t mode) {
        opened.emplace_back(p);
        return realOpen(p, flags, mode);
    };
    calls.write = [&](int fd, const void *b, size_t size) -> ssize_t {
        if (interruptions++ == 0) {
            errno = EINTR;
            return -1;
        }
        return realWrite(fd, b, size);
    };
    calls.fsync = [&](int fd) {
        ++flushes;
        return realFsync(fd);
    };
    {
        ScopedSystemCalls watched(calls);
        ASSERT_TRUE(writeFileAtomically(path, "content"));
    }
    EXPECT_EQ(readFile(path), "content");
    ASSERT_FALSE(opened.empty());
    const std::string temp = opened.front();
    EXPECT_EQ(temp.rfind(dir.file(".list.ini."), 0), 0u) << temp;
    EXPECT_EQ(temp.size(), dir.file(".list.ini.").size() + 6);
    EXPECT_GE(flushes, 1);
}

TEST(WriteFileAtomically, RemovesItsOwnStaleTemporaryFilesAtTheNextSave)
{
    TempDir dir;
    const std::string target = dir.file("tallywork.ini");
    writeFile(target, "old");
    const auto age = [&](const std::string &name, std::time_t seconds) {
        const std::string path = dir.file(name);
        const timespec times[2]
            = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << name;
    };
    struct Entry {
        const char *name;
        std::time_t age;
        bool folder;
        bool removed;
    };
    const Entry entries[] = {
        {".tallywork.ini.Ab12Cd", 3600, false, true}, // left by a killed save
        {".tallywork.ini.Zz99zz", 11, false, true},
        {".tallywork.ini.Young1", 2, false, false}, // another save may still be writing it
        {".tallywork.ini.abc", 3600, false, false}, // not our pattern
        {".tallywork.ini.Ab12C!", 3600, false, false},
        {".other.ini.Ab12Cd", 3600, false, false}, // another file's
        {".tallywork.ini.Dir123", 3600, true, false},
    };
    for (const Entry &e : entries) {
        if (e.folder)
            std::filesystem::create_directory(dir.file(e.name));
        else
            writeFile(dir.file(e.name), "partial");
        age(e.name, e.age);
    }
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    for (const Entry &e : entries)
        EXPECT_EQ(std::filesystem::exists(dir.file(e.name)), !e.removed) << e.name;
    EXPECT_EQ(readFile(target), "new");
}
