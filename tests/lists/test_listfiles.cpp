#include "lists/ListFiles.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tb;
using tb::test::TempDir;
using tb::test::writeFile;
using Items = std::vector<std::string>;

TEST(ListFilePath, FindsTheListInAnyLetterCasePreferringListN)
{
    TempDir dir;
    const std::string folder = dir.path().string();
    EXPECT_EQ(listFilePath(folder, 3), folder + "/List3.txt"); // none yet: the usual name

    writeFile(dir.file("list3.txt"), "a\r\n");
    writeFile(dir.file("list31.txt"), "a\r\n");
    EXPECT_EQ(listFilePath(folder, 3), folder + "/list3.txt");
    EXPECT_EQ(listFilePath(folder + "/", 3), folder + "/list3.txt");
    writeFile(dir.file("LIST3.TXT"), "a\r\n");
    EXPECT_EQ(listFilePath(folder, 3), folder + "/LIST3.TXT"); // byte order: stable
    writeFile(dir.file("List3.txt"), "a\r\n");
    EXPECT_EQ(listFilePath(folder, 3), folder + "/List3.txt");
    EXPECT_EQ(listFilePath(folder, 4), folder + "/List4.txt");
}

TEST(ListFileReading, SplitsLinesTrimsBlanksAndSkipsEmptyLines)
{
    TempDir dir;
    writeFile(dir.file("List1.txt"),
              "  Etude 5  \r\n\r\n   \r\nScale\rScale in G\n\n\tTabbed\t \r\n\r\r\nLast");
    const ListItems read = readRotationItems(dir.file("List1.txt"));
    EXPECT_EQ(read.status, ListReadStatus::Ok);
    EXPECT_EQ(read.items, (Items {"Etude 5", "Scale", "Scale in G", "\tTabbed\t", "Last"}));

    // The same bytes fed one at a time: no chunk boundary splits or joins a line.
    const std::string bytes = " A  B \r\n  \r\nC\r";
    std::size_t at = 0;
    const ListItems trickled = readRotationItemsFrom([&](char *buffer, std::size_t) -> ssize_t {
        if (at == bytes.size())
            return 0;
        *buffer = bytes[at++];
        return 1;
    });
    EXPECT_EQ(trickled.items, (Items {"A  B", "C"}));

    writeFile(dir.file("List2.txt"), std::string(100000, ' ') + "x" + std::string(70000, 'y'));
    const ListItems longLine = readRotationItems(dir.file("List2.txt"));
    ASSERT_EQ(longLine.items.size(), 1u);
    EXPECT_EQ(longLine.items[0], "x" + std::string(kMaxItemBytes - 1, 'y'));
}

TEST(ListFileReading, StopsAfterThe101stItemOfAnEndlessStream)
{
    int reads = 0;
    const ListItems read = readRotationItemsFrom([&](char *buffer, std::size_t size) -> ssize_t {
        ++reads;
        std::memset(buffer, '\n', size);
        std::copy_n("item\n", 5, buffer);
        return ssize_t(size);
    });
    EXPECT_EQ(read.items.size(), kMaxRotationItems);
    EXPECT_EQ(reads, 101);
}

TEST(ListFileReading, KeepsTheCompleteLinesBeforeAReadError)
{
    int call = 0;
    const ListItems read = readRotationItemsFrom([&](char *buffer, std::size_t) -> ssize_t {
        if (++call == 1) {
            std::memcpy(buffer, "One\r\nTwo\r\nThr", 14);
            return 14;
        }
        errno = EIO;
        return -1;
    });
    EXPECT_EQ(read.status, ListReadStatus::Ok);
    EXPECT_EQ(read.items, (Items {"One", "Two"}));
    EXPECT_EQ(read.errorText, std::strerror(EIO));
}

TEST(ListFileReading, TellsMissingFromUnreadable)
{
    TempDir dir;
    EXPECT_EQ(readRotationItems(dir.file("List1.txt")).status, ListReadStatus::Missing);

    std::filesystem::create_directory(dir.file("List2.txt"));
    const ListItems folder = readRotationItems(dir.file("List2.txt"));
    EXPECT_EQ(folder.status, ListReadStatus::Error);
    EXPECT_EQ(folder.errorText, "Is a directory");

    ASSERT_EQ(mkfifo(dir.file("List3.txt").c_str(), 0600), 0);
    const ListItems fifo = readRotationItems(dir.file("List3.txt")); // must not wait
    EXPECT_EQ(fifo.status, ListReadStatus::Error);
    EXPECT_EQ(fifo.errorText, "Not a regular file");

    EXPECT_EQ(readRotationItems("/dev/zero").status, ListReadStatus::Error);
}
