#include "platform/SafeFile.h"
#include "settings/IniFile.h"
#include "settings/WriteFailures.h"
#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <sys/stat.h>
#include <thread>

using namespace tb;
using namespace tb::test;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    void file(const std::string &bytes) { writeFile(path, bytes); }
    std::string read(std::string_view section, std::string_view key, std::string_view def = "")
    {
        return IniRead(section, key, path, def);
    }

    TempDir dir;
    std::string path = dir.file("settings.ini");
};

} // namespace

// Any run of CR and LF ends a line. Names are trimmed and match in any ASCII case; the first
// section and key of a name count.
TEST_F(IniFileTest, ReadsTheFirstMatchingKeyOfTheFirstMatchingSection)
{
    file("early=1\n  \t[ s ]  trailing words\r\n  k =  a = b  \r\r\n\n"
         "q1=\"v\"\rq2='v'\n\rq3=\"v'\r\nq4=\"\nq5=\"\"\r\nq6=\" v \"\r\n"
         ";c=1\r\n#h=1\r\nnovalue\r\nDup=1\r\ndup=2\r\nblank=   \r\n"
         "[broken\r\nafter=1\r\n[open=1\r\n[S]\r\ndup=3\r\nonly=3\r\n"
         "[x]y] more\r\nk=1\r\n[\xC4]\r\nk=1\r\n[t\0u]\r\na=x\0y\r\n\0junk\0\r\nb=2\r\n"s);
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {" S\t", " K ", "a = b"}, {"s", "q1", "v"},    {"s", "q2", "v"},
        {"s", "q3", "\"v'"},      {"s", "q4", "\""},   {"s", "q5", "d"},
        {"s", "q6", " v "},       {"s", ";c", "d"},    {"s", "#h", "1"},
        {"s", "novalue", "d"},    {"s", "DUP", "1"},   {"s", "blank", "d"},
        {"s", "after", "1"},      {"s", "[open", "1"}, {"s", "early", "d"},
        {"s", "only", "d"},       {"x]y", "k", "1"},   {"\xE4", "k", "d"},
        {"t\0u"s, "a", "x\0y"s},  {"t\0u"s, "b", "2"},
    };
    for (const auto &[section, key, value] : cases)
        EXPECT_EQ(read(section, key, "d"), value) << section << " " << key;
    EXPECT_EQ(IniRead("s", "k", dir.file("no such file"), "d"), "d");
}

// A read gives at most 254 bytes, and never the first bytes only of a UTF-8 character.
TEST_F(IniFileTest, TheLengthCapNeverCutsAUtf8Character)
{
    const std::string a251(251, 'a'), a252(252, 'a'), a253(253, 'a'), a254(254, 'a');
    const std::string e = "\xC3\xA9", clef = "\xF0\x9D\x84\x9E";
    const std::tuple<const char *, std::string, std::string> cases[] = {
        {"300 bytes", a254 + std::string(46, 'b'), a254},
        {"quotes removed first", "\"" + a253 + e + "\"", a253},
        {"4 bytes, 3 before the cut", a251 + clef, a251},
        {"a character ends at the cut", a252 + e + "zz", a252 + e},
        {"Windows-1252 across the cut", a253 + "\xE9\x80z", a253 + "\xE9"},
    };
    for (const auto &[what, stored, value] : cases) {
        file("[s]\r\nk=" + stored + "\r\n");
        EXPECT_EQ(read("s", "k"), value) << what;
    }
}

// A write changes the value's bytes only, or adds the key (and its section) as a CR LF
// line after the last line of the section; every other byte of the file stays.
TEST_F(IniFileTest, AWriteKeepsEveryOtherByte)
{
    // Before, the section, key and value written, after.
    const std::tuple<std::string, std::string, std::string, std::string, std::string> cases[] = {
        {"; c\r\n[S1]\r\n  Desc = old   \r\n\r\n[b]\n", "s1", "DESC", "new",
         "; c\r\n[S1]\r\n  Desc = new\r\n\r\n[b]\n"},
        {"[b]\n k = 1\n", "B", "K", "", "[b]\n k = \n"},
        {"[s]\r\nk= v \r\n", "s", "k", "  v ", "[s]\r\nk=  v \r\n"},
        {"[s]\r\nk=  v  \r\n", "S", "K", "v", "[s]\r\nk=  v  \r\n"},
        {"[a]\r\nx=1\r\n; c\r\n\r\n[b]\r\n[a]\r\n", "A", "y", "2",
         "[a]\r\nx=1\r\n; c\r\ny=2\r\n\r\n[b]\r\n[a]\r\n"},
        {"[a]\rx=1\r[b]\r", "a", "n", "5", "[a]\rx=1\rn=5\r\n[b]\r"},
        {"[b]\ry=2", "b", "m", "6", "[b]\ry=2\r\nm=6\r\n"},
        {"[a]\nx=1", "z", "k", "7", "[a]\nx=1\r\n[z]\r\nk=7\r\n"},
        {"[a]\nx=1", "a", "x", "8", "[a]\nx=8"},
        {"[s]\rk=1\r", "s", "n", "9", "[s]\rk=1\rn=9\r\n"}, // a CR as the last byte
        {"\xEF\xBB\xBF[o]\r\n", "o", "k", "v", "\xEF\xBB\xBF[o]\r\nk=v\r\n"},
        {"", "a]b", "k", "v", "[a]b]\r\nk=v\r\n"},
    };
    for (const auto &[before, section, key, value, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(before) + " " + section + " " + key);
        file(before);
        const auto old = fs::last_write_time(path) - std::chrono::hours(1);
        fs::last_write_time(path, old);
        EXPECT_TRUE(IniWrite(section, key, value, path));
        EXPECT_EQ(readFile(path), after);
        EXPECT_EQ(fs::last_write_time(path) == old, after == before) << "written anew";
        writeFile(path + ".b", before); // a batch of writes in memory leaves the same bytes
        IniBatch batch(path + ".b");
        EXPECT_TRUE(batch.write(section, key, value) && batch.commit());
        EXPECT_EQ(batch.read(section, key, "-"), read(section, key, "-"));
        EXPECT_EQ(readFile(path + ".b"), after);
    }
    // A missing file is made; sections and keys come in the order first written.
    fs::remove(path);
    ASSERT_TRUE(IniWrite("A", "1", "", path) && IniWrite("B", "2", "", path)
                && IniWrite("a", "3", "", path));
    EXPECT_EQ(readFile(path), "[A]\r\n1=\r\n3=\r\n[B]\r\n2=\r\n");
}

TEST_F(IniFileTest, WritesThatWouldForgeOtherLinesAreRefused)
{
    file("[s]\r\nk=v\r\n");
    const std::tuple<const char *, const char *, const char *> refused[] = {
        {"s", "k", "two\r\nlines"}, {"s", "k", "cr\ronly"}, {"s", "k\n", "v"}, {"s\nx", "k", "v"},
        {"s", "a=b", "v"},          {"s", "[k", "v"},       {"s", " ;k", "v"},
    };
    for (const auto &[section, key, value] : refused)
        EXPECT_FALSE(IniWrite(section, key, value, path)) << section << key << value;
    EXPECT_EQ(readFile(path), "[s]\r\nk=v\r\n");
}

// A settings file is small: one of more than 16 MB is none. However often it is read, only
// its size is looked at; a write leaves it as it is and says why. A smaller file is parsed
// once and read from its parse while unchanged; whatever another program does to the file is
// seen at the next read.
TEST_F(IniFileTest, AFileIsParsedOnceWhileUnchangedAndNeverWhenTooLarge)
{
    int opens = 0;
    SystemCalls calls = realSystemCalls();
    calls.open = [&opens, real = calls.open](const char *name, int flags, mode_t mode) {
        return ++opens, real(name, flags, mode);
    };
    ScopedSystemCalls counted(calls);
    std::string reason;
    ScopedWriteFailureListener listener(
        [&](const std::string &, const std::string &why) { reason = why; });
    // The size, and the megabytes said (rounded up).
    for (const auto &[size, megabytes] : {std::pair {kMaxSettingsFileBytes, ""},
                                          {kMaxSettingsFileBytes + 1, "17"},
                                          {std::uint64_t(1) << 30, "1024"}}) {
        SCOPED_TRACE(size);
        file("[s]\r\nk=v\r\n");
        fs::resize_file(path, size); // the rest a hole of zeros
        const bool tooLarge = size > kMaxSettingsFileBytes;
        opens = 0;
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(read("s", "k", "d"), tooLarge ? "d" : "v");
        if (!tooLarge)
            continue;
        EXPECT_FALSE(IniWrite("s", "k", "w", path));
        IniBatch batch(path);
        EXPECT_FALSE(batch.write("s", "k", "w") || batch.commit());
        EXPECT_EQ(opens, 0);
        EXPECT_EQ(fs::file_size(path), size);
        EXPECT_EQ(reason, "File too large: " + std::string(megabytes) + " MB, at most 16 MB");
    }

    // Reads until one opens no file: the time stamps of a file written a moment ago do
    // not yet prove it unchanged.
    const auto servedFromItsParse = [&](const char *value) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        for (int before = opens; std::chrono::steady_clock::now() < end; before = opens) {
            if (read("s", "k") == value && opens == before)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    };
    const std::string old = "[s]\r\nk=old\r\n", changed = "[s]\r\nk=new\r\n";
    file(old);
    EXPECT_TRUE(servedFromItsParse("old"));
    writeFile(dir.file("other"), old); // the same bytes, renamed over it
    fs::rename(dir.file("other"), path);
    EXPECT_TRUE(servedFromItsParse("old"));
    file(changed); // the same size, changed in place
    EXPECT_EQ(read("s", "k"), "new");
    EXPECT_TRUE(servedFromItsParse("new"));
    fs::remove(path);
    EXPECT_EQ(read("s", "k", "gone"), "gone");

    // A file system that keeps whole seconds: a change within the second leaves the same
    // stamps, and the bytes are read again until the clock has moved on. (The stamps are a
    // second ahead, so that a stalled test machine cannot pass that time.)
    const std::time_t second = std::time(nullptr) + 1;
    calls.stat = [second, real = calls.stat](const char *name, struct stat *info) {
        const int result = real(name, info);
        info->st_mtim = info->st_ctim = timespec {second, 0};
        return result;
    };
    ScopedSystemCalls wholeSeconds(calls);
    file(old);
    EXPECT_EQ(read("s", "k"), "old");
    file(changed);
    EXPECT_EQ(read("s", "k"), "new");
}

// The file layer under the engine.

TEST_F(IniFileTest, AReplacedFileKeepsItsPermissions)
{
    path = dir.file("real/settings.ini");
    fs::create_directory(dir.file("real"));
    ASSERT_TRUE(writeFileAtomically(path, "first"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666 & ~mask));

    fs::permissions(path, fs::perms(0640));
    fs::create_symlink("real/settings.ini", dir.file("link.ini")); // the file it names is replaced
    ASSERT_TRUE(writeFileAtomically(dir.file("link.ini"), "second"));
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));

    // What is not a regular file, or has no folder, is neither read (not even opened for
    // long: a pipe never blocks) nor written, and is left as it was.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const std::string &name : {dir.file("real"), dir.file("real/"), dir.file("pipe"),
                                    "/dev/null"s, dir.file("missing/x"), path + "/below"}) {
        const ReadStatus status = fs::exists(name) ? ReadStatus::NotAFile : ReadStatus::Missing;
        EXPECT_EQ(readRegularFile(name).status, status) << name;
        EXPECT_EQ(checkReadableFile(name).status, status) << name;
        EXPECT_FALSE(readRegularFile(name).errorText.empty()) << name;
        const FileWrite refused = writeFileAtomically(name, "x");
        EXPECT_FALSE(refused.ok || refused.errorText.empty()) << name;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_fifo(dir.file("pipe")));
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), 4);
}

// A failure at any step of a write leaves the old file whole and no temporary file; the
// write gives false and tells why. Nothing escapes the engine: a read gives the default.
TEST_F(IniFileTest, AFailingStepKeepsTheOldFileAndSaysWhy)
{
    std::string temp, reason;
    // What breaks, what a read gives then, the reason said, and how it is broken.
    const std::tuple<const char *, const char *, std::string, std::function<void(SystemCalls &)>>
        cases[] = {
            {"disk full after an interruption and a short write", "old", std::strerror(ENOSPC),
             [](SystemCalls &c) {
                 c.write = [n = 0](int fd, const void *bytes, size_t size) mutable -> ssize_t {
                     return ++n == 1 ? failWith(EINTR)()
                         : n == 2    ? ::write(fd, bytes, size / 2)
                                     : failWith(ENOSPC)();
                 };
             }},
            {"flush", "old", std::strerror(EIO), [](SystemCalls &c) { c.fsync = failWith(EIO); }},
            {"rename", "old", std::strerror(EXDEV),
             [&temp](SystemCalls &c) {
                 c.rename = [&temp](const char *from, const char *) {
                     return temp = from, failWith(EXDEV)();
                 };
             }},
            {"unreadable: never replaced", "d", std::strerror(EIO),
             [](SystemCalls &c) { c.read = failWith(EIO); }},
            {"too large for the memory", "d", "std::bad_alloc",
             [](SystemCalls &c) { c.read = [](auto...) -> ssize_t { throw std::bad_alloc(); }; }},
        };
    ScopedWriteFailureListener listener([&](const std::string &name, const std::string &why) {
        reason = name == path ? why : "another file";
    });
    for (const auto &[what, reads, why, breakIt] : cases) {
        SCOPED_TRACE(what);
        reason.clear();
        file("[s]\r\nk=old\r\n"); // written anew, so that no parse read before stands in
        SystemCalls calls = realSystemCalls();
        breakIt(calls);
        ScopedSystemCalls broken(calls);
        EXPECT_FALSE(IniWrite("s", "k", "a new and longer value", path));
        EXPECT_EQ(reason, why);
        EXPECT_EQ(read("s", "k", "d"), reads);
        EXPECT_EQ(readFile(path), "[s]\r\nk=old\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    }
    // The temporary file is hidden beside the target: the name the next save looks for.
    EXPECT_EQ(temp.substr(0, temp.size() - 6), dir.file(".settings.ini.")) << temp;
}

// A save removes the temporary files that killed saves of the same file left behind.
TEST_F(IniFileTest, AWriteRemovesTheStaleTemporaryFilesOfKilledSaves)
{
    // A file, its age in seconds, and whether the save removes it.
    const std::tuple<const char *, int, bool> cases[] = {
        {".tallywork.ini.Ab12Cd", 3600, true},  {".tallywork.ini.Zz99zz", 11, true},
        {".tallywork.ini.Young1", 2, false},    {".tallywork.ini.abc", 3600, false},
        {".tallywork.ini.Ab12C!", 3600, false}, {".other.ini.Ab12Cd", 3600, false},
    };
    const auto now = fs::file_time_type::clock::now();
    for (const auto &[name, age, removed] : cases) {
        writeFile(dir.file(name), "partial");
        fs::last_write_time(dir.file(name), now - std::chrono::seconds(age));
    }
    ASSERT_TRUE(writeFileAtomically(dir.file("tallywork.ini"), "new"));
    for (const auto &[name, age, removed] : cases)
        EXPECT_EQ(fs::exists(dir.file(name)), !removed) << name;
}
