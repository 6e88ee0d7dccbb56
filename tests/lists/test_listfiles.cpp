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

TEST(ListFiles, FindsTheListInAnyLetterCasePreferringListN)
{
    TempDir dir;
    const std::string folder = dir.path().string();
    EXPECT_EQ(listFilePath(folder, 3), folder + "/List3.txt"); // none yet: the usual name
    // Of several spellings the exact one, else the first in byte order.
    const std::pair<const char *, const char *> spellings[] = {{"list31.txt", "List3.txt"},
                                                               {"list3.txt", "list3.txt"},
                                                               {"LIST3.TXT", "LIST3.TXT"},
                                                               {"List3.txt", "List3.txt"}};
    for (const auto &[name, chosen] : spellings) {
        writeFile(dir.file(name), "a\r\n");
        EXPECT_EQ(listFilePath(folder + "/", 3), folder + "/" + chosen) << name;
    }
}

TEST(ListFiles, ItemsAreTrimmedCutAsTheTaskListReadsThemBackAndOnlyTextCounts)
{
    using namespace std::string_literals;
    const std::string a252(252, 'a'), a253(253, 'a'), mb(1 << 20, 'x'), nuls(1 << 20, '\0');
    const std::tuple<const char *, std::string, Items> cases[] = {
        {"line ends, blanks, empty lines",
         "  Etude 5  \r\n\r\n   \r\nScale\rScale in G\n\n\tTabbed\t \r\n\r\r\nLast",
         {"Etude 5", "Scale", "Scale in G", "\tTabbed\t", "Last"}},
        {"1 MB line", "   " + mb + "\r\nnext", {std::string(254, 'x'), "next"}},
        {"UTF-8 straddling the cut", a252 + "\u20AC\u20AC", {a252}},
        {"UTF-8 4-byte straddling", a253 + "\U0001F3B5", {a253}},
        {"UTF-8 ending at the cut", a252 + "\u00E9\u00E9", {a252 + "\u00E9"}},
        {"Windows-1252 cut at 254", a253 + "\xE9\xE9\xE9", {a253 + "\xE9"}},
        {"UTF-8 lead byte that is Windows-1252", a253 + "\xC3x", {a253 + "\xC3"}},
        {"NUL lines", "One\r\nT\0wo\n"s + nuls + "\r\nThree", {"One", "Three"}},
        {"BOM only", "\xEF\xBB\xBF", {}},
        {"BOM, blanks, item", "\xEF\xBB\xBF  First  item \r\nSecond", {"First  item", "Second"}},
        {"BOM begun, then text", "\xEF\xBBx", {"\xEF\xBBx"}},
    };
    for (const auto &[what, bytes, items] : cases) {
        // No chunk boundary may split or join a line.
        for (const std::size_t chunk : {std::size_t {1}, std::size_t {2}, std::size_t {1} << 16}) {
            std::size_t at = 0;
            const ListItems read = readRotationItemsFrom([&](char *buffer, std::size_t size) {
                const std::size_t count = std::min({chunk, size, bytes.size() - at});
                std::memcpy(buffer, bytes.data() + at, count);
                at += count;
                return ssize_t(count);
            });
            EXPECT_EQ(read.status, ListReadStatus::Ok);
            // Not EXPECT_EQ: a wrong item may be a megabyte long.
            EXPECT_TRUE(read.items == items) << what << ", chunks of " << chunk;
        }
    }
}

TEST(ListFiles, StopsAfterThe101stItemAndKeepsTheLinesBeforeAReadError)
{
    int reads = 0;
    const ListItems endless = readRotationItemsFrom([&](char *buffer, std::size_t size) {
        ++reads;
        std::memset(buffer, '\n', size);
        std::copy_n("item\n", 5, buffer);
        return ssize_t(size);
    });
    EXPECT_EQ(endless.items.size(), kMaxRotationItems);
    EXPECT_EQ(reads, 101);

    reads = 0;
    const ListItems failed = readRotationItemsFrom([&](char *buffer, std::size_t) -> ssize_t {
        if (++reads == 1) {
            std::memcpy(buffer, "One\r\nTwo\r\nThr", 14);
            return 14;
        }
        errno = EIO;
        return -1;
    });
    EXPECT_EQ(failed.status, ListReadStatus::Ok);
    EXPECT_EQ(failed.items, (Items {"One", "Two"}));
    EXPECT_EQ(failed.errorText, std::strerror(EIO));
}

TEST(ListFiles, TellsMissingFromUnreadableWithoutWaiting)
{
    TempDir dir;
    EXPECT_EQ(readRotationItems(dir.file("List1.txt")).status, ListReadStatus::Missing);
    std::filesystem::create_directory(dir.file("List2.txt"));
    ASSERT_EQ(mkfifo(dir.file("List3.txt").c_str(), 0600), 0);
    const std::pair<std::string, const char *> cases[]
        = {{dir.file("List2.txt"), "Is a directory"},
           {dir.file("List3.txt"), "Not a regular file"},
           {"/dev/zero", "Not a regular file"}};
    for (const auto &[path, reason] : cases) {
        const ListItems read = readRotationItems(path);
        EXPECT_EQ(read.status, ListReadStatus::Error) << path;
        EXPECT_EQ(read.errorText, reason) << path;
    }
}
