#include "settings/IniFile.h"
#include "settings/SafeFile.h"
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

// A system call that fails with `error`, whatever its arguments.
const auto failWith = [](int error) { return [error](auto...) { return errno = error, -1; }; };

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
         ";c=1\r\n#h=1\r\nnovalue\r\nDup=1\r\ndup=2\r\nempty=\r\nblank=   \r\n"
         "[broken\r\nafter=1\r\n[open=1\r\n[S]\r\ndup=3\r\nonly=3\r\n"
         "[x]y] more\r\nk=1\r\n[\xC4]\r\nk=1\r\n[t\0u]\r\na=x\0y\r\n\0junk\0\r\nb=2\r\n"s);
    const struct {
        std::string section, key, read;
    } cases[] = {
        {"s", "k", "a = b"}, {" S\t", " K ", "a = b"}, {"s", "q1", "v"},
        {"s", "q2", "v"},    {"s", "q3", "\"v'"},      {"s", "q4", "\""},
        {"s", "q5", "d"},    {"s", "q6", " v "},       {"s", ";c", "d"},
        {"s", "c", "d"},     {"s", "#h", "1"},         {"s", "novalue", "d"},
        {"s", "DUP", "1"},   {"s", "empty", "d"},      {"s", "blank", "d"},
        {"s", "none", "d"},  {"s", "after", "1"},      {"broken", "after", "d"},
        {"s", "[open", "1"}, {"", "early", "d"},       {"s", "early", "d"},
        {"s", "only", "d"},  {"x]y", "k", "1"},        {"x", "k", "d"},
        {"\xC4", "k", "1"},  {"\xE4", "k", "d"},       {"t\0u"s, "a", "x\0y"s},
        {"t\0u"s, "b", "2"}, {"none", "k", "d"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(read(c.section, c.key, "d"), c.read) << c.section << " " << c.key;
    EXPECT_EQ(IniRead("s", "k", dir.file("no such file"), "d"), "d");
}

// A read gives at most 254 bytes, and never the first bytes only of a UTF-8 character.
TEST_F(IniFileTest, TheLengthCapNeverCutsAUtf8Character)
{
    const std::string a251(251, 'a'), a252(252, 'a'), a253(253, 'a'), a254(254, 'a');
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC", clef = "\xF0\x9D\x84\x9E";
    const struct {
        const char *what;
        std::string stored, read;
    } cases[] = {
        {"254 bytes", a254, a254},
        {"300 bytes", a254 + std::string(46, 'b'), a254},
        {"quotes removed first", "\"" + a253 + e + "\"", a253},
        {"2 bytes across the cut", a253 + e + "z", a253},
        {"3 bytes, 1 before the cut", a253 + euro, a253},
        {"3 bytes, 2 before the cut", a252 + euro + "z", a252},
        {"4 bytes, 1 before the cut", a253 + clef, a253},
        {"4 bytes, 3 before the cut", a251 + clef, a251},
        {"a character ends at the cut", a252 + e + "zz", a252 + e},
        {"Windows-1252 before the cut", "\xE9" + a252 + euro, "\xE9" + a252 + "\xE2"},
        {"Windows-1252 across the cut", a253 + "\xE9\x80z", a253 + "\xE9"},
        {"a stray continuation byte", a253 + "\x80\x80", a253 + "\x80"},
    };
    std::string content = "[s]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        content += "k" + std::to_string(i) + "=" + cases[i].stored + "\r\n";
    file(content);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(read("s", "k" + std::to_string(i)), cases[i].read) << cases[i].what;
}

// A write changes the value's bytes only, or adds the key (and its section) as a CR LF
// line after the last line of the section; every other byte of the file stays.
TEST_F(IniFileTest, AWriteKeepsEveryOtherByte)
{
    const struct {
        std::string before, section, key, value, after;
    } cases[] = {
        {"; c\r\n[S1]\r\n  Desc = old   \r\n\r\n[b]\n", "s1", "DESC", "new",
         "; c\r\n[S1]\r\n  Desc = new\r\n\r\n[b]\n"},
        {"[b]\n k = 1\n", "B", "K", "", "[b]\n k = \n"},
        {"[s]\r\nk= v \r\n", "s", "k", "  v ", "[s]\r\nk=  v \r\n"},
        {"[s]\r\nk=  v  \r\n", "S", "K", "v", "[s]\r\nk=  v  \r\n"},
        {"[s]\r\nk=  v \r\n", "s", "k", "  v ", "[s]\r\nk=  v \r\n"},
        {"[s]\r\nk=\"v\"\r\n", "s", "k", "\"v\"", "[s]\r\nk=\"v\"\r\n"},
        {"[a]\r\nx=1\r\n; c\r\n\r\n[b]\r\n[a]\r\n", "A", "y", "2",
         "[a]\r\nx=1\r\n; c\r\ny=2\r\n\r\n[b]\r\n[a]\r\n"},
        {"[b]\r\nodd\r\n\r\n[c]\r\n", "b", "z", "3", "[b]\r\nodd\r\nz=3\r\n\r\n[c]\r\n"},
        {"[c]\r\n\r\n[d]", "c", "w", "4", "[c]\r\nw=4\r\n\r\n[d]"},
        {"[a]\rx=1\r[b]\r", "a", "n", "5", "[a]\rx=1\rn=5\r\n[b]\r"},
        {"[b]\ry=2", "b", "m", "6", "[b]\ry=2\r\nm=6\r\n"},
        {"[a]\nx=1", "z", "k", "7", "[a]\nx=1\r\n[z]\r\nk=7\r\n"},
        {"[a]\nx=1", "a", "x", "8", "[a]\nx=8"},
        {"[s]\rk=1\r", "s", "n", "9", "[s]\rk=1\rn=9\r\n"}, // a CR as the last byte
        {"\xEF\xBB\xBF[o]\r\n", "o", "k", "v", "\xEF\xBB\xBF[o]\r\nk=v\r\n"},
        {"\xEF\xBB\xBF", "s", "k", "v", "\xEF\xBB\xBF[s]\r\nk=v\r\n"},
        {"[s]\r\na=\0\r\n\0\r\n[t\0]\r\n"s, "s", "n", "v",
         "[s]\r\na=\0\r\n\0\r\nn=v\r\n[t\0]\r\n"s},
        {"", "a]b", "k", "v", "[a]b]\r\nk=v\r\n"},
        {"", "[s", "k]", "=;[x]", "[[s]\r\nk]==;[x]\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.before) + " " + c.section + " " + c.key);
        file(c.before);
        const auto old = fs::last_write_time(path) - std::chrono::hours(1);
        fs::last_write_time(path, old);
        EXPECT_TRUE(IniWrite(c.section, c.key, c.value, path));
        EXPECT_EQ(readFile(path), c.after);
        EXPECT_EQ(fs::last_write_time(path) == old, c.after == c.before) << "written anew";
    }
    // A missing file is made; sections and keys come in the order first written.
    fs::remove(path);
    for (const char *key : {"1", "2", "3"})
        ASSERT_TRUE(IniWrite(key[0] == '2' ? "B" : "A", key, "", path));
    EXPECT_EQ(readFile(path), "[A]\r\n1=\r\n3=\r\n[B]\r\n2=\r\n");
}

TEST_F(IniFileTest, WritesThatWouldForgeOtherLinesAreRefused)
{
    file("[s]\r\nk=v\r\n");
    const std::tuple<const char *, const char *, const char *> refused[] = {
        {"s", "k", "two\r\nlines"}, {"s", "k", "cr\ronly"}, {"s", "k\n", "v"}, {"s\nx", "k", "v"},
        {"s", "a=b", "v"},          {"s", "[k", "v"},       {"s", " ;k", "v"},
    };
    for (const auto &[section, key, value] : refused) {
        EXPECT_FALSE(IniWrite(section, key, value, path)) << section << key << value;
        EXPECT_FALSE(IniWrite(section, key, value, dir.file("new.ini"))) << section << key;
    }
    EXPECT_EQ(readFile(path), "[s]\r\nk=v\r\n");
    EXPECT_FALSE(fs::exists(dir.file("new.ini")));
}

// No failure escapes the engine: a read gives the default, a write false, and the old
// file stays whole.
TEST_F(IniFileTest, WhatCannotBeReadOrWrittenGivesTheDefaultAndKeepsTheOldFile)
{
    const auto failing = [&](auto breakIt) {
        file("[s]\r\nk=old\r\n"); // written anew, so that no parse read before stands in
        SystemCalls calls = realSystemCalls();
        breakIt(calls);
        ScopedSystemCalls broken(calls);
        EXPECT_FALSE(IniWrite("s", "k", "new", path));
        EXPECT_FALSE(IniWrite("s", "added", "x", path));
        return read("s", "k", "d");
    };
    // A full disk, a file that exists but cannot be read (never replaced), and one too
    // large for the memory.
    EXPECT_EQ(failing([](SystemCalls &c) { c.write = failWith(ENOSPC); }), "old");
    EXPECT_EQ(failing([](SystemCalls &c) { c.read = failWith(EIO); }), "d");
    EXPECT_EQ(failing([](SystemCalls &c) {
                  c.read = [](auto...) -> ssize_t { throw std::bad_alloc(); };
              }),
              "d");
    EXPECT_EQ(readFile(path), "[s]\r\nk=old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "no file left behind";
}

// A file is parsed once and read from its parse while unchanged; whatever another program
// does to the file is seen at the next read.
TEST_F(IniFileTest, AParseServesOnlyWhileTheFileIsUnchanged)
{
    int opens = 0;
    SystemCalls calls = realSystemCalls();
    calls.open = [&opens, real = calls.open](const char *name, int flags, mode_t mode) {
        return ++opens, real(name, flags, mode);
    };
    ScopedSystemCalls counted(calls);
    // Reads until one opens no file: the time stamps of a file written a moment ago do
    // not yet prove it unchanged.
    const auto servedFromItsParse = [&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        for (int before = opens; std::chrono::steady_clock::now() < end; before = opens) {
            if (read("s", "k") == "old" && opens == before)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    };
    const std::string old = "[s]\r\nk=old\r\n", changed = "[s]\r\nk=new\r\n";
    const auto replace = [&](const std::string &bytes) {
        writeFile(dir.file("other"), bytes);
        fs::rename(dir.file("other"), path);
    };
    const auto seenAfter = [&](const std::function<void()> &change) {
        fs::remove_all(path);
        file(old);
        EXPECT_TRUE(servedFromItsParse());
        change();
        return read("s", "k", "gone");
    };
    EXPECT_EQ(seenAfter([&] { file(changed); }), "new") << "same size, in place";
    EXPECT_EQ(seenAfter([&] { replace(changed); }), "new") << "another file renamed over it";
    EXPECT_EQ(seenAfter([&] {
                  replace(old);
                  EXPECT_TRUE(servedFromItsParse());
                  file(changed);
              }),
              "new")
        << "the same bytes renamed over it, then changed in place";
    EXPECT_EQ(seenAfter([&] { fs::remove(path); }), "gone");
    EXPECT_EQ(seenAfter([&] { fs::remove(path), fs::create_directory(path); }), "gone");
    fs::remove_all(path);

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

// A batch leaves the bytes, and reads the values, that the same single calls would.
TEST_F(IniFileTest, ABatchEqualsTheSameSingleCalls)
{
    const std::string start = "; l\r\n[ s1 ]\r\n  d1 =  a  \r\n[S1]\r\nd2=b\r\n[s2]\rd1=z";
    const std::string batched = dir.file("batched.ini");
    file(start);
    writeFile(batched, start);
    IniBatch batch(batched);
    for (const auto &[section, key, value] : {std::tuple {"s1", "d1", ""},
                                              {"S1", "d2", "x"},
                                              {"s2", "d1", "y"},
                                              {"s3", "d1", "z"},
                                              {"s1", "k=", ""}}) {
        EXPECT_EQ(batch.write(section, key, value), IniWrite(section, key, value, path));
        EXPECT_EQ(batch.read(section, key, "-"), read(section, key, "-"));
    }
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(readFile(batched), readFile(path));

    fs::create_directory(dir.file("folder.ini"));
    IniBatch folder(dir.file("folder.ini"));
    EXPECT_FALSE(folder.write("s", "k", "x"));
    EXPECT_EQ(folder.commit().errorText, std::strerror(EISDIR));
}
