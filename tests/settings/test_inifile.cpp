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
#include <optional>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tb;
using tb::test::readFile;
using tb::test::TempDir;
using tb::test::writeFile;
using namespace std::string_literals;

namespace {

struct FileIdentity {
    ino_t inode = 0;
    timespec modified {};
    bool operator==(const FileIdentity &o) const
    {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec
            && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileIdentity identity(const std::string &path)
{
    struct stat info {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return {info.st_ino, info.st_mtim};
}

std::vector<std::string> folderEntries(const TempDir &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What `after` has instead of `before`, outside their common beginning and end.
struct Difference {
    std::string removed;
    std::string added;
};

Difference difference(const std::string &before, const std::string &after)
{
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {before.substr(head, before.size() - head - tail),
            after.substr(head, after.size() - head - tail)};
}

class IniFileTest : public ::testing::Test
{
protected:
    std::string file(const std::string &bytes)
    {
        writeFile(path, bytes);
        return path;
    }
    std::string read(std::string_view section, std::string_view key, std::string_view def = "")
    {
        return IniRead(section, key, path, def);
    }

    TempDir dir;
    std::string path = dir.file("settings.ini");
};

} // namespace

TEST_F(IniFileTest, AnyRunOfCrAndLfEndsALine)
{
    for (const std::string eol : {"\r\n", "\n", "\r", "\n\r", "\r\r\n\n"}) {
        file("[a]" + eol + "x=1" + eol + eol + "y=2" + eol + "[b]" + eol + "x=3");
        EXPECT_EQ(read("a", "x"), "1") << testing::PrintToString(eol);
        EXPECT_EQ(read("a", "y"), "2") << testing::PrintToString(eol);
        EXPECT_EQ(read("b", "x"), "3") << testing::PrintToString(eol);
    }
}

TEST_F(IniFileTest, SectionAndKeyLinesAreTrimmedAndSplit)
{
    file("  \t[ section1 ]  trailing words\r\n"
         "  k =  a = b  \r\n"
         "\tname2=\"val2\"\r\n"
         "name3='val3'\r\n"
         "name4=\"mixed'\r\n"
         "name5=\"\r\n"
         "name6=\"\"\r\n"
         "name7=\"  inner  \"\r\n"
         "[x]y] more text\r\n"
         "k=in x]y\r\n");
    EXPECT_EQ(read("section1", "k"), "a = b");
    EXPECT_EQ(read("  section1\t", " k "), "a = b") << "names given are trimmed as well";
    EXPECT_EQ(read("section1", "name2"), "val2");
    EXPECT_EQ(read("section1", "name3"), "val3");
    EXPECT_EQ(read("section1", "name4"), "\"mixed'") << "quotes must pair";
    EXPECT_EQ(read("section1", "name5"), "\"");
    EXPECT_EQ(read("section1", "name6", "dflt"), "dflt") << "empty once unquoted";
    EXPECT_EQ(read("section1", "name7"), "  inner  ");
    EXPECT_EQ(read("x]y", "k"), "in x]y") << "the name runs to the last ]";
}

TEST_F(IniFileTest, CommentsOddLinesAndLinesOutsideSections)
{
    file("early=before any section\r\n"
         "[s]\r\n"
         ";hidden=comment\r\n"
         "#shown=hash is no comment\r\n"
         "novalue\r\n"
         "[broken header\r\n"
         "after=still in s\r\n"
         "[open=bracket\r\n");
    EXPECT_EQ(read("s", ";hidden", "d"), "d");
    EXPECT_EQ(read("s", "hidden", "d"), "d");
    EXPECT_EQ(read("s", "#shown"), "hash is no comment");
    EXPECT_EQ(read("s", "novalue", "d"), "d");
    EXPECT_EQ(read("s", "after"), "still in s") << "a [ line without ] opens no section";
    EXPECT_EQ(read("broken header", "after", "d"), "d");
    EXPECT_EQ(read("s", "[open"), "bracket");
    EXPECT_EQ(read("", "early", "d"), "d");
    EXPECT_EQ(read("s", "early", "d"), "d");
}

TEST_F(IniFileTest, NamesMatchInAnyCaseAndTheFirstMatchWins)
{
    file("[Task1]\r\nDescription1=first\r\ndescription1=second\r\n"
         "[TASK1]\r\ndescription1=third\r\nonly=in the duplicate\r\n"
         "[\xC4pfel]\r\nk=latin-1 upper\r\n");
    EXPECT_EQ(read("task1", "DESCRIPTION1"), "first");
    EXPECT_EQ(read("tAsK1", "only", "d"), "d") << "a later duplicate section is ignored";
    EXPECT_EQ(read("\xC4pfel", "k"), "latin-1 upper");
    EXPECT_EQ(read("\xE4pfel", "k", "d"), "d") << "only ASCII letters fold";
}

TEST_F(IniFileTest, DefaultsAndTheLengthCap)
{
    const std::string v300(300, 'v');
    const std::string v254(254, 'q');
    file("[s]\r\nempty=\r\nblank=   \r\nlong=" + v300 + "\r\nexact=" + v254 + "\r\nquoted=\"" + v254
         + "\"\r\n");
    EXPECT_EQ(read("s", "empty", "1"), "1");
    EXPECT_EQ(read("s", "blank", "1"), "1");
    EXPECT_EQ(read("s", "missing", "1"), "1");
    EXPECT_EQ(read("nosection", "empty", "1"), "1");
    EXPECT_EQ(read("s", "long"), v300.substr(0, 254));
    EXPECT_EQ(read("s", "exact"), v254);
    EXPECT_EQ(read("s", "quoted"), v254);
    EXPECT_EQ(IniRead("s", "empty", dir.file("no such file"), "dflt"), "dflt");
    EXPECT_EQ(iniReadRaw("s", "long", path), v300) << "the raw read is not cut";
    EXPECT_EQ(iniReadRaw("s", "quoted", path), "\"" + v254 + "\"");
    EXPECT_EQ(iniReadRaw("s", "empty", path), "");
    EXPECT_EQ(iniReadRaw("s", "missing", path), std::nullopt);
}

TEST_F(IniFileTest, TheLengthCapNeverCutsAUtf8Character)
{
    const std::string a251(251, 'a');
    const std::string a252(252, 'a');
    const std::string a253(253, 'a');
    const std::string e = "\xC3\xA9"; // two bytes
    const std::string euro = "\xE2\x82\xAC"; // three
    const std::string clef = "\xF0\x9D\x84\x9E"; // four
    std::string euros;
    for (int i = 0; i < 100; ++i)
        euros += euro;
    struct Case {
        const char *what;
        std::string stored;
        std::string read;
    };
    const Case cases[] = {
        {"2 bytes across the cut", a253 + e + "z", a253},
        {"3 bytes, 1 before the cut", a253 + euro, a253},
        {"3 bytes, 2 before the cut", a252 + euro + "z", a252},
        {"4 bytes, 1 before the cut", a253 + clef, a253},
        {"4 bytes, 3 before the cut", a251 + clef, a251},
        {"only 3-byte characters", euros, euros.substr(0, 252)},
        {"quotes removed first", "\"" + a253 + e + "\"", a253},
        {"a character ends at the cut", a252 + e + "zz", a252 + e},
        {"exactly 254 bytes", a251 + euro, a251 + euro},
        {"Windows-1252 before the cut", "caf\xE9 " + std::string(248, 'a') + euro + "z",
         "caf\xE9 " + std::string(248, 'a') + "\xE2"},
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

TEST_F(IniFileTest, ByteOrderMarkIsSkippedOnReadAndKeptOnWrite)
{
    file("\xEF\xBB\xBF[options]\r\nPlay Sound=True\r\n");
    EXPECT_EQ(read("options", "Play Sound"), "True");
    ASSERT_TRUE(IniWrite("options", "wavefile", "a.wav", path));
    ASSERT_TRUE(IniWrite("History", "Sessions Completed", "1", path));
    EXPECT_EQ(readFile(path),
              "\xEF\xBB\xBF[options]\r\nPlay Sound=True\r\nwavefile=a.wav\r\n"
              "[History]\r\nSessions Completed=1\r\n");

    file("\xEF\xBB\xBF");
    ASSERT_TRUE(IniWrite("s", "k", "v", path));
    EXPECT_EQ(readFile(path), "\xEF\xBB\xBF[s]\r\nk=v\r\n") << "no line end after a lone mark";
}

TEST_F(IniFileTest, NulBytesAreOrdinaryBytes)
{
    const std::string content = "[s]\r\na=x\0y\r\n\0junk\0\r\nb=2\r\n[t\0u]\r\nc=3\r\n"s;
    file(content);
    EXPECT_EQ(read("s", "a"), "x\0y"s);
    EXPECT_EQ(read("s", "b"), "2");
    EXPECT_EQ(read("t\0u"s, "c"), "3");
    ASSERT_TRUE(IniWrite("s", "b", "22", path));
    ASSERT_TRUE(IniWrite("s", "new", "n", path));
    EXPECT_EQ(readFile(path), "[s]\r\na=x\0y\r\n\0junk\0\r\nb=22\r\nnew=n\r\n[t\0u]\r\nc=3\r\n"s);
}

TEST_F(IniFileTest, HugeLinesAndBinaryJunk)
{
    const std::string huge(10 * 1024 * 1024, 'h');
    file("[s]\r\nbig=" + huge + "\r\n" + huge + "\r\nafter=1\r\n");
    EXPECT_EQ(read("s", "big"), huge.substr(0, 254));
    EXPECT_EQ(read("s", "after"), "1");
    ASSERT_TRUE(IniWrite("s", "after", "2", path));
    EXPECT_EQ(readFile(path), "[s]\r\nbig=" + huge + "\r\n" + huge + "\r\nafter=2\r\n");

    // Many short lines with one kind of line end only: still one pass over the file.
    for (const char *eol : {"\r", "\n"}) {
        std::string many = "[s]"s + eol;
        for (int i = 0; i < 200000; ++i)
            many.append("k").append(std::to_string(i)).append("=v").append(eol);
        file(many + "last=found" + eol);
        EXPECT_EQ(read("s", "last"), "found");
    }

    std::mt19937 random(12345);
    for (int round = 0; round < 50; ++round) {
        std::string junk(std::size_t(random() % 4096), '\0');
        for (char &c : junk)
            c = random() % 4 == 0 ? "[]=;\r\n sk"[std::size_t(random() % 9)] : char(random());
        file(junk);
        (void)read("s", "k");
        ASSERT_TRUE(IniWrite("s", "k", "v", path));
        EXPECT_EQ(read("s", "k"), "v") << "round " << round;
        const Difference d = difference(junk, readFile(path));
        if (d.removed.empty()) {
            // Only lines added: "k=v", maybe its section and a line end before them (or
            // nothing, when the junk held k=v already).
            EXPECT_TRUE(d.added.empty() || d.added.size() == 5 || d.added.size() == 7
                        || d.added.size() == 10 || d.added.size() == 12)
                << "round " << round << ": " << testing::PrintToString(d.added);
        } else {
            EXPECT_EQ(d.removed.find_first_of("\r\n"), std::string::npos) << "round " << round;
            EXPECT_EQ(d.added.find_first_of("\r\n"), std::string::npos) << "round " << round;
        }
    }
}

TEST_F(IniFileTest, WritingAnExistingKeyReplacesOnlyItsValue)
{
    file("; my list\r\n[TASK1]\r\n  Description1 = old text   \r\n\r\n[Other]\n k = 1\n");
    ASSERT_TRUE(IniWrite("task1", "DESCRIPTION1", "new text", path));
    EXPECT_EQ(readFile(path),
              "; my list\r\n[TASK1]\r\n  Description1 = new text\r\n\r\n"
              "[Other]\n k = 1\n");
    ASSERT_TRUE(IniWrite("other", "K", "", path));
    EXPECT_EQ(readFile(path),
              "; my list\r\n[TASK1]\r\n  Description1 = new text\r\n\r\n"
              "[Other]\n k = \n");
    EXPECT_EQ(read("Other", "k", "empty"), "empty");
}

TEST_F(IniFileTest, AnEqualValueRewritesNothing)
{
    file("[s]\r\nk=  same  \r\nq=\"quoted\"\r\n");
    const FileIdentity before = identity(path);
    EXPECT_TRUE(IniWrite("S", "K", "same", path));
    EXPECT_TRUE(IniWrite("s", "q", "\"quoted\"", path));
    EXPECT_EQ(identity(path), before);
    EXPECT_EQ(readFile(path), "[s]\r\nk=  same  \r\nq=\"quoted\"\r\n");

    // A value with its own blanks is written as given, and again changes nothing.
    ASSERT_TRUE(IniWrite("s", "k", "  padded ", path));
    const FileIdentity padded = identity(path);
    EXPECT_FALSE(padded == before);
    EXPECT_TRUE(IniWrite("s", "k", "  padded ", path));
    EXPECT_EQ(identity(path), padded);
    EXPECT_EQ(readFile(path), "[s]\r\nk=  padded \r\nq=\"quoted\"\r\n");
}

TEST_F(IniFileTest, NewKeysGoAfterTheLastEntryOfTheirSection)
{
    file("[a]\r\nx=1\r\n; note\r\n\r\n\r\n[b]\r\nodd line\r\n\r\n[c]\r\n\r\n[a]\r\nlater=dup\r\n");
    ASSERT_TRUE(IniWrite("A", "y", "2", path));
    ASSERT_TRUE(IniWrite("b", "z", "3", path));
    ASSERT_TRUE(IniWrite("c", "w", "4", path));
    EXPECT_EQ(readFile(path),
              "[a]\r\nx=1\r\n; note\r\ny=2\r\n\r\n\r\n[b]\r\nodd line\r\nz=3\r\n\r\n"
              "[c]\r\nw=4\r\n\r\n[a]\r\nlater=dup\r\n");
}

TEST_F(IniFileTest, LineEndsOfTheFileAreKeptAndWrittenLinesUseCrLf)
{
    file("[a]\rx=1\r[b]\ry=2");
    ASSERT_TRUE(IniWrite("a", "n", "new", path));
    ASSERT_TRUE(IniWrite("b", "m", "more", path));
    EXPECT_EQ(readFile(path), "[a]\rx=1\rn=new\r\n[b]\ry=2\r\nm=more\r\n");

    file("[a]\nx=1");
    ASSERT_TRUE(IniWrite("z", "k", "v", path));
    EXPECT_EQ(readFile(path), "[a]\nx=1\r\n[z]\r\nk=v\r\n");

    file("[a]\nx=1");
    ASSERT_TRUE(IniWrite("a", "x", "2", path));
    EXPECT_EQ(readFile(path), "[a]\nx=2") << "an in-place change adds no line end";

    // A CR as the file's last byte ends the last line on its own (older Mac files).
    file("[s]\rk=1\r");
    ASSERT_TRUE(IniWrite("s", "n", "3", path));
    EXPECT_EQ(readFile(path), "[s]\rk=1\rn=3\r\n");
    EXPECT_EQ(read("s", "k"), "1");
    file("[options]\rPlay Sound=True\r");
    ASSERT_TRUE(IniWrite("options", "wavefile", "/x/PINGPONG.WAV", path));
    EXPECT_EQ(read("options", "wavefile"), "/x/PINGPONG.WAV");
}

TEST_F(IniFileTest, SectionsAndKeysAppearInTheOrderTheyWereFirstWritten)
{
    ASSERT_TRUE(IniWrite("App1", "key1", "val1", path));
    ASSERT_TRUE(IniWrite("App1", "key2", "val2", path));
    ASSERT_TRUE(IniWrite("App1", "key3", "val3", path));
    ASSERT_TRUE(IniWrite("App2", "key4", "val4", path));
    ASSERT_TRUE(IniWrite("App3", "key5", "val5", path));
    EXPECT_EQ(readFile(path),
              "[App1]\r\nkey1=val1\r\nkey2=val2\r\nkey3=val3\r\n"
              "[App2]\r\nkey4=val4\r\n"
              "[App3]\r\nkey5=val5\r\n");
}

TEST_F(IniFileTest, ATaskListBuiltCallByCall)
{
    // A new list from the options dialog, two tasks from the editor, one session.
    const auto w = [&](const char *s, const char *k, const char *v) {
        ASSERT_TRUE(IniWrite(s, k, v, path)) << s << " " << k;
    };
    w("options", "disable ScreenSaver", "False");
    w("options", "Use Full Screen", "False");
    w("options", "Play Sound", "True");
    w("options", "Stop Between tasks", "False");
    w("options", "wavefile", "C:\\Sounds\\PINGPONG.WAV");
    w("TotalTime", "Time", "2");
    w("Task1", "description1", "Scales in %note% major");
    w("Task2", "description1", "Sight reading%CR%%list1%");
    w("Task2", "description2", "Chord changes");
    w("task1", "Alternatetask", "2");
    w("currenttask", "number", "1");
    w("task2", "Alternatetask", "2");
    w("currenttask", "number", "2");
    w("task3", "Alternatetask", "2");
    w("History", "Sessions Completed", "1");
    w("currenttask", "number", "1");
    EXPECT_EQ(readFile(path),
              "[options]\r\n"
              "disable ScreenSaver=False\r\n"
              "Use Full Screen=False\r\n"
              "Play Sound=True\r\n"
              "Stop Between tasks=False\r\n"
              "wavefile=C:\\Sounds\\PINGPONG.WAV\r\n"
              "[TotalTime]\r\n"
              "Time=2\r\n"
              "[Task1]\r\n"
              "description1=Scales in %note% major\r\n"
              "Alternatetask=2\r\n"
              "[Task2]\r\n"
              "description1=Sight reading%CR%%list1%\r\n"
              "description2=Chord changes\r\n"
              "Alternatetask=2\r\n"
              "[currenttask]\r\n"
              "number=1\r\n"
              "[task3]\r\n"
              "Alternatetask=2\r\n"
              "[History]\r\n"
              "Sessions Completed=1\r\n");
}

TEST_F(IniFileTest, WritesThatWouldForgeOtherLinesAreRefused)
{
    const std::string content = "[s]\r\nk=v\r\n";
    file(content);
    const FileIdentity before = identity(path);
    EXPECT_FALSE(IniWrite("s", "k", "two\r\nlines", path));
    EXPECT_FALSE(IniWrite("s", "k", "cr\ronly", path));
    EXPECT_FALSE(IniWrite("s", "k\n", "v", path));
    EXPECT_FALSE(IniWrite("s\nx", "k", "v", path));
    EXPECT_FALSE(IniWrite("s", "a=b", "v", path));
    EXPECT_FALSE(IniWrite("s", "[k", "v", path));
    EXPECT_FALSE(IniWrite("s", " ;k", "v", path));
    EXPECT_EQ(identity(path), before);
    EXPECT_EQ(readFile(path), content);

    // A "]" in a section name forges nothing: a header runs to its last "]".
    ASSERT_TRUE(IniWrite("a]b", "k", "v", path));
    EXPECT_EQ(readFile(path), content + "[a]b]\r\nk=v\r\n");
    EXPECT_EQ(read("a]b", "k"), "v");
    EXPECT_EQ(read("a", "k"), "");
    file(content);

    EXPECT_FALSE(IniWrite("s", "k", "a\nb", dir.file("new.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.ini")));

    // Brackets, equals signs and semicolons are fine where they cannot mislead.
    EXPECT_TRUE(IniWrite("[s", "k]", "=;[x]", path));
    EXPECT_EQ(read("[s", "k]"), "=;[x]");
}

TEST_F(IniFileTest, WhatIsNotAWritableRegularFileFailsAndKeepsTheOldFile)
{
    // A folder, a device and a pipe read as missing files and are never written.
    ASSERT_EQ(::mkdir(dir.file("folder").c_str(), 0755), 0);
    EXPECT_EQ(IniRead("s", "k", dir.file("folder"), "d"), "d");
    EXPECT_FALSE(IniWrite("s", "k", "v", dir.file("folder")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));

    EXPECT_EQ(IniRead("s", "k", "/dev/null", "d"), "d");
    EXPECT_EQ(IniRead("s", "k", "/dev/zero", "d"), "d");
    EXPECT_FALSE(IniWrite("s", "k", "v", "/dev/null"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(IniRead("s", "k", dir.file("pipe"), "d"), "d");
    EXPECT_FALSE(IniWrite("s", "k", "v", dir.file("pipe")));

    // The folder of the file is missing.
    EXPECT_FALSE(IniWrite("s", "k", "v", dir.file("gone/settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone")));

    // The disk is full.
    file("[s]\r\nk=old\r\n");
    {
        SystemCalls calls = realSystemCalls();
        calls.write = [](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        EXPECT_FALSE(IniWrite("s", "k", "new", path));
        EXPECT_FALSE(IniWrite("s", "added", "x", path));
    }
    EXPECT_EQ(readFile(path), "[s]\r\nk=old\r\n");

    // A file that exists but cannot be read is not replaced by a new one. (Written anew, so
    // that no parse of it read before can stand in.)
    file("[s]\r\nk=old\r\n");
    {
        SystemCalls calls = realSystemCalls();
        calls.read = [](int, void *, size_t) -> ssize_t {
            errno = EIO;
            return -1;
        };
        ScopedSystemCalls unreadable(calls);
        EXPECT_EQ(read("s", "k", "d"), "d");
        EXPECT_FALSE(IniWrite("s", "k", "new", path));
    }
    EXPECT_EQ(readFile(path), "[s]\r\nk=old\r\n");
    EXPECT_EQ(folderEntries(dir), (std::vector<std::string> {"folder", "pipe", "settings.ini"}));
}

// A file is parsed once and read from its parse while unchanged; whatever another program
// does to the file is seen at the next read.
TEST_F(IniFileTest, AParseServesOnlyWhileTheFileIsUnchanged)
{
    int opens = 0;
    SystemCalls calls = realSystemCalls();
    calls.open = [&opens, real = calls.open](const char *name, int flags, mode_t mode) {
        ++opens;
        return real(name, flags, mode);
    };
    ScopedSystemCalls counted(calls);
    // Reads until one opens no file: the time stamps of a file written a moment ago do
    // not yet prove it unchanged.
    const auto servedFromItsParse = [&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        do {
            const int before = opens;
            if (read("s", "k") == "old" && opens == before)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < end);
        return false;
    };
    const std::string old = "[s]\r\nk=old\r\n";
    const auto replace = [&](const std::string &bytes) {
        writeFile(dir.file("other"), bytes);
        std::filesystem::rename(dir.file("other"), path);
    };

    struct Change {
        const char *what;
        std::function<void()> make;
        std::string read;
    };
    const Change changes[] = {
        {"same size, in place", [&] { writeFile(path, "[s]\r\nk=new\r\n"); }, "new"},
        {"another file renamed over it", [&] { replace("[s]\r\nk=new\r\n"); }, "new"},
        {"the same bytes renamed over it, then changed in place",
         [&] {
             replace(old);
             ASSERT_TRUE(servedFromItsParse());
             writeFile(path, "[s]\r\nk=new\r\n");
         },
         "new"},
        {"deleted", [&] { std::filesystem::remove(path); }, "gone"},
        {"a folder in its place",
         [&] {
             std::filesystem::remove(path);
             std::filesystem::create_directory(path);
         },
         "gone"},
    };
    for (const Change &change : changes) {
        std::filesystem::remove_all(path);
        file(old);
        ASSERT_TRUE(servedFromItsParse()) << change.what;
        change.make();
        EXPECT_EQ(read("s", "k", "gone"), change.read) << change.what;
    }
    std::filesystem::remove_all(path);

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
    file("[s]\r\nk=new\r\n");
    EXPECT_EQ(read("s", "k"), "new");
}

TEST_F(IniFileTest, MissingFileIsCreated)
{
    ASSERT_TRUE(IniWrite("s", "k", "", path));
    EXPECT_EQ(readFile(path), "[s]\r\nk=\r\n");
}

// A batch leaves the bytes, and reads the values, that the same single calls would.
TEST(IniBatchTest, EqualsTheSameSequenceOfSingleCalls)
{
    struct Start {
        const char *what;
        std::optional<std::string> bytes; // nothing: no file yet
    };
    const Start starts[] = {
        {"no file", std::nullopt},
        {"comments and odd spacing",
         "; my list\r\n[ Task1 ]\r\n  description1 =  Scales  \r\n;description2=x\r\n\r\n"
         "[Other]\r\nkeep=me\r\n"},
        {"duplicate keys and sections",
         "[Task1]\r\ndescription1=first\r\ndescription1=second\r\n[task1]\r\ndescription2=b\r\n"},
        {"CR-only line ends", "[Task1]\rdescription1=a\rdescription3=c\r[TotalTime]\rTime=4\r"},
        {"LF and no final line end", "[Task2]\ndescription1=z\n[Task1]\ndescription9=y"},
    };
    // Emptying keys that hold text, then writing the packed cells, as the task editor does.
    const auto apply = [](auto read, auto write) {
        std::vector<std::string> seen;
        for (int t = 1; t <= 3; ++t) {
            const std::string section = "Task" + std::to_string(t);
            for (int d = 1; d <= 9; ++d) {
                const std::string key = "description" + std::to_string(d);
                seen.push_back(read(section, key));
                if (!seen.back().empty())
                    write(section, key, "");
            }
            write(section, "description1", "task " + std::to_string(t));
            seen.push_back(read(section, "description1"));
        }
        write("TotalTime", "Time", "7");
        write("Task1", "bad=key", "refused");
        return seen;
    };

    for (const Start &start : starts) {
        TempDir dir;
        const std::string single = dir.file("single.ini");
        const std::string batched = dir.file("batched.ini");
        if (start.bytes) {
            writeFile(single, *start.bytes);
            writeFile(batched, *start.bytes);
        }
        const auto seenSingle = apply(
            [&](const std::string &s, const std::string &k) { return IniRead(s, k, single, ""); },
            [&](const std::string &s, const std::string &k, const std::string &v) {
                IniWrite(s, k, v, single);
            });
        IniBatch batch(batched);
        const auto seenBatch = apply(
            [&](const std::string &s, const std::string &k) { return batch.read(s, k, ""); },
            [&](const std::string &s, const std::string &k, const std::string &v) {
                batch.write(s, k, v);
            });
        ASSERT_TRUE(batch.commit()) << start.what;
        EXPECT_EQ(seenBatch, seenSingle) << start.what;
        EXPECT_EQ(readFile(batched), readFile(single)) << start.what;
    }
}

TEST(IniBatchTest, AFailureLeavesTheOldFileWholeAndSaysWhy)
{
    TempDir dir;
    const std::string path = dir.file("tasks.ini");
    writeFile(path, "[Task1]\r\ndescription1=old\r\n");
    {
        SystemCalls calls = realSystemCalls();
        calls.write = [](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        IniBatch batch(path);
        EXPECT_TRUE(batch.write("Task1", "description1", "new"));
        const FileWrite written = batch.commit();
        EXPECT_FALSE(written);
        EXPECT_EQ(written.errorText, std::strerror(ENOSPC));
    }
    EXPECT_EQ(readFile(path), "[Task1]\r\ndescription1=old\r\n");

    // A folder where the file should be: nothing is written and the reason is given.
    std::filesystem::create_directory(dir.file("folder.ini"));
    IniBatch folder(dir.file("folder.ini"));
    EXPECT_FALSE(folder.write("Task1", "description1", "x"));
    EXPECT_EQ(folder.commit().errorText, std::strerror(EISDIR));
}
