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
}

namespace {

// The items of `bytes` fed to the reader `chunk` bytes at a time.
Items readInChunks(const std::string &bytes, std::size_t chunk)
{
    std::size_t at = 0;
    const ListItems read = readRotationItemsFrom([&](char *buffer, std::size_t size) -> ssize_t {
        const std::size_t count = std::min({chunk, size, bytes.size() - at});
        std::memcpy(buffer, bytes.data() + at, count);
        at += count;
        return ssize_t(count);
    });
    EXPECT_EQ(read.status, ListReadStatus::Ok);
    return read.items;
}

} // namespace

TEST(ListFileReading, ItemsAreCutAsTheTaskListReadsThemBackAndOnlyTextCounts)
{
    using namespace std::string_literals;
    const std::string a252(252, 'a');
    const std::string a253(253, 'a');
    const struct {
        const char *what;
        std::string bytes;
        Items items;
    } cases[] = {
        {"1 MB line",
         "   " + std::string(1 << 20, 'x') + "\r\nnext",
         {std::string(254, 'x'), "next"}},
        {"UTF-8 straddling the cut", a252 + "\u20AC\u20AC", {a252}},
        {"UTF-8 4-byte straddling", a253 + "\U0001F3B5", {a253}},
        {"UTF-8 ending at the cut", a252 + "\u00E9\u00E9", {a252 + "\u00E9"}},
        {"Windows-1252 cut at 254", a253 + "\xE9\xE9\xE9", {a253 + "\xE9"}},
        {"UTF-8 lead byte that is Windows-1252", a253 + "\xC3x", {a253 + "\xC3"}},
        {"NUL lines",
         "One\r\nT\0wo\n"s + std::string(1 << 20, '\0') + "\r\nThree",
         {"One", "Three"}},
        {"BOM only", "\xEF\xBB\xBF", {}},
        {"BOM, blanks, item", "\xEF\xBB\xBF  First  item \r\nSecond", {"First  item", "Second"}},
        {"BOM begun, then text", "\xEF\xBBx", {"\xEF\xBBx"}},
    };
    for (const auto &c : cases) {
        for (const std::size_t chunk : {std::size_t {1}, std::size_t {2}, std::size_t {1} << 16}) {
            const Items got = readInChunks(c.bytes, chunk);
            // Not EXPECT_EQ: a wrong item may be a megabyte long.
            EXPECT_TRUE(got == c.items) << c.what << ", chunks of " << chunk << ": "
                                        << ::testing::PrintToString(got).substr(0, 300);
        }
    }
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
