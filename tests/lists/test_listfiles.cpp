// Reading the nine list files, and the rotation of each list's current item over them.

#include "lists/ListFiles.h"
#include "lists/Rotation.h"
#include "settings/IniFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tb;
using namespace tb::test;

TEST(ListFiles, FindsTheListInAnyLetterCasePreferringListN)
{
    TempDir dir;
    const std::string folder = dir.path().string();
    std::string chosen; // after each file added: the exact name, else the first in byte order
    for (const char *name : {"list31.txt", "list3.txt", "LIST3.TXT", "List3.txt"}) {
        writeFile(dir.file(name), "a\r\n");
        chosen += listFilePath(folder + "/", 3).substr(folder.size()) + " ";
    }
    EXPECT_EQ(chosen, "/List3.txt /list3.txt /LIST3.TXT /List3.txt ");
}

TEST(ListFiles, ItemsAreTrimmedCutAsTheTaskListReadsThemBackAndOnlyTextCounts)
{
    using namespace std::string_literals;
    const std::string a252(252, 'a'), a253(253, 'a'), mb(1 << 20, 'x'), nuls(1 << 20, '\0');
    const std::tuple<const char *, std::string, std::vector<std::string>> cases[] = {
        {"line ends, blanks, empty lines",
         "  Etude 5  \r\n\r\n   \r\nScale\rScale in G\n\n\tTabbed\t \r\n\r\r\nLast",
         {"Etude 5", "Scale", "Scale in G", "\tTabbed\t", "Last"}},
        {"1 MB line", "   " + mb + "\r\nnext", {std::string(254, 'x'), "next"}},
        {"UTF-8 straddling the cut", a252 + "\u20AC\u20AC", {a252}},
        {"UTF-8 ending at the cut", a252 + "\u00E9\u00E9", {a252 + "\u00E9"}},
        {"Windows-1252 cut at 254", a253 + "\xE9\xE9\xE9", {a253 + "\xE9"}},
        {"NUL lines", "One\r\nT\0wo\n"s + nuls + "\r\nThree", {"One", "Three"}},
        {"BOM only", "\xEF\xBB\xBF", {}},
        {"BOM, blanks, item", "\xEF\xBB\xBF  First  item \r\nSecond", {"First  item", "Second"}},
        {"BOM begun, then text", "\xEF\xBBx", {"\xEF\xBBx"}},
    };
    for (const auto &[what, text, items] : cases) {
        const std::string &bytes = text; // named, so that the reader below can take it
        // No chunk boundary may split or join a line.
        for (const std::size_t chunk : {std::size_t {1}, std::size_t {2}, std::size_t {1} << 16}) {
            std::size_t at = 0;
            const ListItems read = readRotationItemsFrom([&](char *buffer, std::size_t size) {
                const std::size_t count = bytes.copy(buffer, std::min(chunk, size), at);
                at += count;
                return ssize_t(count);
            });
            // Not EXPECT_EQ: a wrong item may be a megabyte long.
            EXPECT_TRUE(read.items == items) << what << ", chunks of " << chunk;
        }
    }
}

TEST(ListFiles, ReadsNoMoreThanItNeedsAndNeverWaits)
{
    int reads = 0;
    const ListItems endless = readRotationItemsFrom([&](char *buffer, std::size_t size) {
        ++reads;
        std::memset(buffer, '\n', size);
        std::copy_n("item\n", 5, buffer);
        return ssize_t(size);
    });
    EXPECT_EQ(std::pair(endless.items.size(), reads), std::pair(kMaxRotationItems, 101));

    TempDir dir; // what is no regular file is not even opened
    ASSERT_EQ(mkfifo(dir.file("List3.txt").c_str(), 0600), 0);
    for (const std::string &path : {dir.file("List3.txt"), std::string("/dev/zero")})
        EXPECT_EQ(readRotationItems(path).errorText, "Not a regular file") << path;
}

// One table for when the item changes and to which: the list (nullptr: none), the state
// before (nullptr: no such key), the draw scripted (-1: none may be made), the item and the
// session of the change after.
TEST(Rotation, ChangesTheItemWhenDueInOrderOrAtRandom)
{
    TempDir dir;
    const std::string ini = dir.file("tallywork.ini"), folder = dir.path().string();
    FakeRandom random;
    FakeMessageBox messages;
    const char *const abc = "A\r\nB\r\nC\r\n", *const blank = "\r\n   \r\n \r\n\r\n";
    const char *const scales = "Scale\r\nScale in G\r\nArpeggio\r\n", *const folderInstead = "";
    const struct {
        const char *what, *list, *current, *interval, *last, *completed, *random;
        int draw;
        const char *item, *lastAfter;
    } cases[] = {
        {"next", abc, "B", "0", "0", "0", nullptr, -1, "C", "0"},
        {"wraps", abc, "C", "0", "0", "0", nullptr, -1, "A", "0"},
        {"not found", abc, "Nowhere", "0", "0", "0", nullptr, -1, "B", "0"},
        {"held by two lines", scales, "Scale", "0", "0", "0", nullptr, -1, "Arpeggio", "0"},
        {"only True is random", scales, "Scale in G", "0", "0", "0", "true", -1, "Arpeggio", "0"},
        {"blank list", blank, "Old", "0", "0", "3", nullptr, -1, "", "3"},
        {"no state yet", abc, nullptr, nullptr, nullptr, "4", nullptr, -1, "A", "4"},
        {"interval 1 by default", abc, "A", nullptr, "4", "4", nullptr, -1, "A", "4"},
        {"interval not passed", abc, "B", "3", "5", "7", nullptr, -1, "B", "5"},
        {"interval passed", abc, "B", "3", "5", "8", nullptr, -1, "C", "8"},
        {"empty item at once", abc, "", "3", "8", "8", nullptr, -1, "A", "8"},
        {"counts clamped, no wrap", abc, "C", "1", "99999", "32767", nullptr, -1, "C", "99999"},
        {"completed clamped", abc, "C", "0", "0", "40000", nullptr, -1, "A", "32767"},
        {"random before", abc, "B", "0", "0", "0", "True", 0, "A", "0"},
        {"random after", abc, "B", "0", "0", "0", "True", 1, "C", "0"},
        {"random, empty", abc, "", "0", "0", "0", "True", 1, "B", "0"},
        {"random, one item", "Solo\r\n", "Solo", "0", "0", "0", "True", -1, "Solo", "0"},
        {"random, blank list", blank, "Old", "0", "0", "4", "True", -1, "Old", "4"},
        {"missing list", nullptr, "Old", "0", "2", "5", nullptr, -1, "Old", "2"},
        {"a folder in its place", folderInstead, "Old", "0", "2", "5", nullptr, -1, "Old", "2"},
    };
    const std::string section = TaskListFile::listGroupSection(1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(ini);
        std::filesystem::remove(dir.file("list1.txt"));
        if (c.list == folderInstead)
            std::filesystem::create_directory(dir.file("list1.txt"));
        else if (c.list)
            writeFile(dir.file("list1.txt"), c.list); // any letter case is found
        for (const auto &[key, value] : {std::pair {"Current Item", c.current},
                                         {"Change Song", c.interval},
                                         {"Last Change Session Number", c.last},
                                         {"Change Song Random", c.random}})
            if (value)
                IniWrite(section, key, value, ini);
        IniWrite("History", "Sessions Completed", c.completed, ini);
        random.calls = 0;
        random.script = c.draw < 0 ? std::deque<int> {} : std::deque<int> {c.draw};

        const TaskListFile file(ini);
        checksong(1, {file, folder, random, messages});

        EXPECT_EQ(IniRead(section, "Current Item", ini, ""), c.item);
        EXPECT_EQ(IniRead(section, "Last Change Session Number", ini, ""), c.lastAfter);
        // A single draw among the other items: certain to end.
        EXPECT_EQ(random.calls, c.draw >= 0 ? 1 : 0);
    }
    ASSERT_EQ(messages.shown.size(), 1u); // the folder's
    EXPECT_EQ(messages.shown[0].text,
              "A disk error has occurred trying to open the song list\r\n\r\n"
                  + dir.file("list1.txt") + "\r\n\r\nIs a directory");
}
