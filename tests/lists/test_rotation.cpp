#include "lists/Rotation.h"
#include "settings/IniFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tb;
using tb::test::readFile;
using tb::test::writeFile;

namespace {

class Rotation : public ::testing::Test
{
protected:
    void setState(const std::string &key, const std::string &value, int list = 1)
    {
        ASSERT_TRUE(IniWrite(listGroupSection(list), key, value, ini));
    }
    void setCompleted(int count)
    {
        ASSERT_TRUE(IniWrite("History", "Sessions Completed", std::to_string(count), ini));
    }
    std::string state(const std::string &key, int list = 1)
    {
        return IniRead(listGroupSection(list), key, ini, "");
    }
    // One rotation of list 1 from `current`: the item it leaves current.
    std::string rotate(const std::string &current)
    {
        setState("Current Item", current);
        checksong(1, context);
        return state("Current Item");
    }

    test::TempDir dir;
    const std::string folder = dir.path().string();
    const std::string ini = dir.file("tallywork.ini");
    test::FakeRandom random;
    test::FakeMessageBox messages;
    const ListContext context {ini, folder, random, messages};
};

} // namespace

TEST_F(Rotation, OrderedSelectionMovesOnFromTheLastMatchingLine)
{
    writeFile(dir.file("List1.txt"), "A\r\nB\r\nC\r\n");
    setState("Change Song", "0");
    EXPECT_EQ(rotate("B"), "C");
    EXPECT_EQ(rotate("C"), "A");
    EXPECT_EQ(rotate(""), "A"); // every line holds the empty text: the last one wins
    EXPECT_EQ(rotate("Nowhere"), "B");

    writeFile(dir.file("List1.txt"), "Scale\r\nScale in G\r\nArpeggio\r\n");
    EXPECT_EQ(rotate("Scale"), "Arpeggio");

    setState("Change Song Random", "true"); // only the exact "True" means random
    EXPECT_EQ(rotate("Scale in G"), "Arpeggio");

    writeFile(dir.file("List1.txt"), "  Only  \r\n");
    setCompleted(7);
    EXPECT_EQ(rotate("Only"), "Only");
    EXPECT_EQ(state("Last Change Session Number"), "7"); // written although nothing changed
    EXPECT_EQ(random.calls, 0);
}

TEST_F(Rotation, ChangesWhenTheIntervalHasPassedOrTheItemIsEmpty)
{
    writeFile(dir.file("List1.txt"), "A\r\nB\r\nC\r\nD\r\nE\r\n");
    const auto display = [&](int completed) {
        setCompleted(completed);
        checksong(1, context);
        return state("Current Item") + "@" + state("Last Change Session Number");
    };

    EXPECT_EQ(display(4), "A@4"); // no state yet: the empty item changes at once
    EXPECT_EQ(display(4), "A@4"); // interval 1 by default
    EXPECT_EQ(display(5), "B@5");

    setState("Change Song", "3");
    EXPECT_EQ(display(6), "B@5");
    EXPECT_EQ(display(7), "B@5");
    EXPECT_EQ(display(8), "C@8");
    setState("Current Item", "");
    EXPECT_EQ(display(8), "A@8");

    setState("Change Song", "0");
    EXPECT_EQ(display(8), "B@8");
    EXPECT_EQ(display(8), "C@8");

    // Counts beyond 16 bits are clamped, and their sum does not wrap round.
    setState("Last Change Session Number", "99999");
    setState("Change Song", "1");
    EXPECT_EQ(display(32767), "C@99999");
    setState("Change Song", "0");
    EXPECT_EQ(display(40000), "D@32767");
}

TEST_F(Rotation, RandomSelectionNeverRepeatsTheCurrentItem)
{
    setState("Change Song Random", "True");
    setState("Change Song", "0");

    writeFile(dir.file("List1.txt"), "Minuet\r\nWaltz\r\n");
    for (int draw : {0, 1, 0, 1, 5}) {
        random.script = {draw};
        EXPECT_EQ(rotate("Minuet"), "Waltz");
        random.script = {draw};
        EXPECT_EQ(rotate("Waltz"), "Minuet");
    }

    writeFile(dir.file("List1.txt"), "A\r\nB\r\nC\r\n");
    random.script = {0, 1};
    EXPECT_EQ(rotate("B"), "A");
    EXPECT_EQ(rotate("B"), "C");
    random.script = {0, 1}; // empty current item: never the last item
    EXPECT_EQ(rotate(""), "A");
    EXPECT_EQ(rotate(""), "B");

    const int calls = random.calls;
    writeFile(dir.file("List1.txt"), "Solo\r\n");
    EXPECT_EQ(rotate("Solo"), "Solo");
    EXPECT_EQ(rotate(""), "Solo");
    EXPECT_EQ(random.calls, calls);
}

TEST_F(Rotation, Only101ItemsOfALongListCount)
{
    std::string lines;
    for (int i = 1; i <= 150; ++i)
        lines += "Line " + std::to_string(i) + "\r\n";
    writeFile(dir.file("list1.txt"), lines);
    setState("Change Song", "0");
    EXPECT_EQ(rotate("Line 100"), "Line 101");
    EXPECT_EQ(rotate("Line 101"), "Line 1");
    EXPECT_EQ(rotate("Line 120"), "Line 2"); // not among the items: from position 0

    setState("Change Song Random", "True");
    random.script = {99, 98};
    EXPECT_EQ(rotate("Line 5"), "Line 101");
    EXPECT_EQ(rotate("Line 150"), "Line 100");
}

TEST_F(Rotation, BlankListsGiveNoItems)
{
    writeFile(dir.file("List1.txt"), "\r\n   \r\n \r\n\r\n");
    setState("Change Song", "0");
    setCompleted(3);
    EXPECT_EQ(rotate("Old"), "");
    EXPECT_EQ(state("Last Change Session Number"), "3");

    setState("Change Song Random", "True");
    setCompleted(4);
    EXPECT_EQ(rotate("Old"), "Old");
    EXPECT_EQ(state("Last Change Session Number"), "4");
    EXPECT_EQ(random.calls, 0);

    std::filesystem::remove(dir.file("List1.txt")); // a missing list: nothing written
    setCompleted(5);
    EXPECT_EQ(rotate("Old"), "Old");
    EXPECT_EQ(state("Last Change Session Number"), "4");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rotation, AFolderNamedLikeTheListIsADiskError)
{
    std::filesystem::create_directory(dir.file("List3.txt"));
    ASSERT_TRUE(IniWrite(listGroupSection(3), "Current Item", "", ini));
    setCompleted(2);
    const std::string before = readFile(ini);

    checksong(3, context);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "A disk error has occurred trying to open the song list"
              "\r\n\r\nIs a directory");
    EXPECT_EQ(messages.shown[0].caption, "Tallybell");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(readFile(ini), before);
}
