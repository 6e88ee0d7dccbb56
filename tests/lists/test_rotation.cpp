#include "lists/Rotation.h"
#include "settings/IniFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tb;

namespace {

class Rotation : public ::testing::Test
{
protected:
    test::TempDir dir;
    const std::string folder = dir.path().string();
    const std::string ini = dir.file("tallywork.ini");
    test::FakeRandom random;
    test::FakeMessageBox messages;
    const ListContext context {ini, folder, random, messages};
};

constexpr const char *kAbc = "A\r\nB\r\nC\r\n";
constexpr const char *kScales = "Scale\r\nScale in G\r\nArpeggio\r\n";
constexpr const char *kBlank = "\r\n   \r\n \r\n\r\n";

} // namespace

// One table for when the item changes and to which: state before (nullptr: no such key),
// the draw scripted (-1: none may be made), the item and the session of the change after.
TEST_F(Rotation, ChangesTheItemWhenDueInOrderOrAtRandom)
{
    std::string lines;
    for (int i = 1; i <= 150; ++i)
        lines += "Line " + std::to_string(i) + "\r\n";
    const struct {
        const char *what, *list, *current, *interval, *last, *completed, *random;
        int draw;
        const char *item, *lastAfter;
    } cases[] = {
        {"next", kAbc, "B", "0", "0", "0", nullptr, -1, "C", "0"},
        {"wraps", kAbc, "C", "0", "0", "0", nullptr, -1, "A", "0"},
        {"not found", kAbc, "Nowhere", "0", "0", "0", nullptr, -1, "B", "0"},
        {"held by two lines", kScales, "Scale", "0", "0", "0", nullptr, -1, "Arpeggio", "0"},
        {"only True is random", kScales, "Scale in G", "0", "0", "0", "true", -1, "Arpeggio", "0"},
        {"one item", "  Only  \r\n", "Only", "0", "0", "7", nullptr, -1, "Only", "7"},
        {"101 items count", lines.c_str(), "Line 101", "0", "0", "0", nullptr, -1, "Line 1", "0"},
        {"blank list", kBlank, "Old", "0", "0", "3", nullptr, -1, "", "3"},
        {"no state yet", kAbc, nullptr, nullptr, nullptr, "4", nullptr, -1, "A", "4"},
        {"interval 1 by default", kAbc, "A", nullptr, "4", "4", nullptr, -1, "A", "4"},
        {"interval not passed", kAbc, "B", "3", "5", "7", nullptr, -1, "B", "5"},
        {"interval passed", kAbc, "B", "3", "5", "8", nullptr, -1, "C", "8"},
        {"empty item at once", kAbc, "", "3", "8", "8", nullptr, -1, "A", "8"},
        {"counts clamped, no wrap", kAbc, "C", "1", "99999", "32767", nullptr, -1, "C", "99999"},
        {"completed clamped", kAbc, "C", "0", "0", "40000", nullptr, -1, "A", "32767"},
        {"random, first", "Minuet\r\nWaltz\r\n", "Minuet", "0", "0", "0", "True", 0, "Waltz", "0"},
        {"random before", kAbc, "B", "0", "0", "0", "True", 0, "A", "0"},
        {"random after", kAbc, "B", "0", "0", "0", "True", 1, "C", "0"},
        {"random, empty", kAbc, "", "0", "0", "0", "True", 1, "B", "0"},
        {"random, one item", "Solo\r\n", "Solo", "0", "0", "0", "True", -1, "Solo", "0"},
        {"random, blank list", kBlank, "Old", "0", "0", "4", "True", -1, "Old", "4"},
        {"missing list", nullptr, "Old", "0", "2", "5", nullptr, -1, "Old", "2"},
    };
    const std::string section = listGroupSection(1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(ini);
        std::filesystem::remove(dir.file("list1.txt"));
        if (c.list)
            test::writeFile(dir.file("list1.txt"), c.list); // any letter case is found
        const std::pair<const char *, const char *> state[]
            = {{"Current Item", c.current},
               {"Change Song", c.interval},
               {"Last Change Session Number", c.last},
               {"Change Song Random", c.random}};
        for (const auto &[key, value] : state) {
            if (value)
                IniWrite(section, key, value, ini);
        }
        IniWrite("History", "Sessions Completed", c.completed, ini);
        random.calls = 0;
        random.script.clear();
        if (c.draw >= 0)
            random.script = {c.draw};

        checksong(1, context);

        EXPECT_EQ(IniRead(section, "Current Item", ini, ""), c.item);
        EXPECT_EQ(IniRead(section, "Last Change Session Number", ini, ""), c.lastAfter);
        // A single draw among the other items: certain to end.
        EXPECT_EQ(random.calls, c.draw >= 0 ? 1 : 0);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rotation, AFolderNamedLikeTheListIsADiskError)
{
    std::filesystem::create_directory(dir.file("List3.txt"));
    IniWrite("History", "Sessions Completed", "2", ini);
    const std::string before = test::readFile(ini);
    checksong(3, context);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "A disk error has occurred trying to open the song list\r\n\r\nIs a directory");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(test::readFile(ini), before);
}
