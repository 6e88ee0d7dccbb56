#include "settings/SafeFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tb;
using namespace tb::test;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// A system call that fails with `error`, whatever its arguments.
const auto failWith = [](int error) { return [error](auto...) { return errno = error, -1; }; };

long filesIn(const fs::path &folder)
{
    return std::distance(fs::directory_iterator(folder), {});
}

} // namespace

TEST(ReadRegularFile, GivesTheBytesOrSaysWhyNot)
{
    TempDir dir;
    writeFile(dir.file("f"), "a\0b\r\n\xFF"s + std::string(100000, 'x'));
    fs::create_symlink(dir.file("f"), dir.file("link"));
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    const struct {
        std::string path;
        ReadStatus status;
        int error;
    } cases[] = {
        {dir.file("f"), ReadStatus::Ok, 0},
        {dir.file("link"), ReadStatus::Ok, 0},
        {dir.file("missing"), ReadStatus::Missing, ENOENT},
        {dir.file("missing/deeper"), ReadStatus::Missing, ENOENT},
        {dir.file("f/below a file"), ReadStatus::Missing, ENOTDIR},
        {dir.path(), ReadStatus::NotAFile, EISDIR},
        {dir.file("pipe"), ReadStatus::NotAFile, EINVAL}, // neither may block
        {"/dev/zero", ReadStatus::NotAFile, EINVAL},
    };
    for (const auto &c : cases) {
        const FileRead r = readRegularFile(c.path);
        EXPECT_EQ(r.status, c.status) << c.path;
        EXPECT_EQ(r.error, c.error) << c.path;
        EXPECT_EQ(r.errorText,
                  c.error == 0            ? ""
                      : c.error == EINVAL ? "Not a regular file"
                                          : std::strerror(c.error))
            << c.path;
        EXPECT_EQ(r.bytes, r.ok() ? readFile(c.path) : "") << c.path;
        EXPECT_EQ(checkReadableFile(c.path).status, c.status) << c.path;
    }

    // Interrupted and short reads go on; a failing one stops the read.
    int calls = 0;
    SystemCalls sys = realSystemCalls();
    sys.read = [&calls](int fd, void *buffer, size_t size) -> ssize_t {
        return ++calls == 1 ? failWith(EINTR)() : ::read(fd, buffer, std::min<size_t>(size, 3));
    };
    ScopedSystemCalls interrupted(sys);
    EXPECT_EQ(readRegularFile(dir.file("f")).bytes, readFile(dir.file("f")));
    sys.read = failWith(EIO);
    ScopedSystemCalls failing(sys);
    EXPECT_EQ(readRegularFile(dir.file("f")).status, ReadStatus::Error);
}

TEST(WriteFileAtomically, CreatesOrReplacesKeepingThePermissions)
{
    TempDir dir;
    const std::string path = dir.file("real/settings.ini");
    fs::create_directory(dir.file("real"));
    ASSERT_TRUE(writeFileAtomically(path, "first\0"s));
    EXPECT_EQ(readFile(path), "first\0"s);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666 & ~mask));

    fs::permissions(path, fs::perms(0640));
    fs::create_symlink("real/settings.ini", dir.file("link.ini")); // the file it names is replaced
    ASSERT_TRUE(writeFileAtomically(dir.file("link.ini"), "second"));
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));

    // What is not a regular file, or has no folder, is refused and left as it was.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const std::string &name : {dir.file("real"), dir.file("real/"), dir.file("pipe"),
                                    "/dev/null"s, dir.file("missing/settings.ini")}) {
        const FileWrite refused = writeFileAtomically(name, "x");
        EXPECT_FALSE(refused.ok || refused.errorText.empty()) << name;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_fifo(dir.file("pipe")));
    EXPECT_EQ(filesIn(dir.path()) + filesIn(dir.file("real")), 4);
}

// Each failing step of a replacement leaves the old file whole and no temporary file.
TEST(WriteFileAtomically, AFailingStepKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    std::string temp;
    const struct {
        const char *what;
        int error;
        std::function<void(SystemCalls &)> breakIt;
    } cases[] = {
        {"open", EACCES, [](SystemCalls &c) { c.open = failWith(EACCES); }},
        {"write, after an interruption and a first part", ENOSPC,
         [](SystemCalls &c) {
             c.write = [n = 0](int fd, const void *b, size_t size) mutable -> ssize_t {
                 return ++n == 1 ? failWith(EINTR)()
                     : n == 2    ? ::write(fd, b, size / 2)
                                 : failWith(ENOSPC)();
             };
         }},
        {"flush", EIO, [](SystemCalls &c) { c.fsync = failWith(EIO); }},
        {"close", EIO,
         [](SystemCalls &c) { c.close = [](int fd) { return ::close(fd), failWith(EIO)(); }; }},
        {"rename", EXDEV,
         [&temp](SystemCalls &c) {
             c.rename = [&temp](const char *from, const char *) {
                 return temp = from, failWith(EXDEV)();
             };
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(path, "old");
        SystemCalls calls = realSystemCalls();
        c.breakIt(calls);
        ScopedSystemCalls broken(calls);
        const FileWrite w = writeFileAtomically(path, "a new and longer content for the file");
        EXPECT_FALSE(w);
        EXPECT_EQ(w.error, c.error);
        EXPECT_EQ(w.errorText, std::strerror(c.error));
        EXPECT_EQ(readFile(path), "old");
        EXPECT_EQ(filesIn(dir.path()), 1);
    }
    // The temporary file is hidden beside the target: the name the next save looks for.
    EXPECT_EQ(temp.rfind(dir.file(".settings.ini."), 0), 0u) << temp;
    EXPECT_EQ(temp.size(), dir.file(".settings.ini.").size() + 6) << temp;
}

// A save removes the temporary files that killed saves of the same file left behind.
TEST(WriteFileAtomically, RemovesItsOwnStaleTemporaryFiles)
{
    TempDir dir;
    const struct {
        const char *name;
        int age;
        bool removed;
    } cases[] = {
        {".tallywork.ini.Ab12Cd", 3600, true},  {".tallywork.ini.Zz99zz", 11, true},
        {".tallywork.ini.Young1", 2, false},    {".tallywork.ini.abc", 3600, false},
        {".tallywork.ini.Ab12C!", 3600, false}, {".other.ini.Ab12Cd", 3600, false},
        {".tallywork.ini.Dir123", 3600, false},
    };
    for (const auto &c : cases) {
        if (c.name == ".tallywork.ini.Dir123"s) // a folder
            fs::create_directory(dir.file(c.name));
        else
            writeFile(dir.file(c.name), "partial");
        fs::last_write_time(dir.file(c.name),
                            fs::file_time_type::clock::now() - std::chrono::seconds(c.age));
    }
    ASSERT_TRUE(writeFileAtomically(dir.file("tallywork.ini"), "new"));
    for (const auto &c : cases)
        EXPECT_EQ(fs::exists(dir.file(c.name)), !c.removed) << c.name;
}
