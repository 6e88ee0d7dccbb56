#include "session/TaskText.h"
#include "settings/IniFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tb::test {
namespace {

class TaskText : public ::testing::Test
{
protected:
    void set(const std::string &section, const std::string &key, const std::string &value)
    {
        ASSERT_TRUE(IniWrite(section, key, value, ini));
    }
    std::string get(const std::string &section, const std::string &key)
    {
        return IniRead(section, key, ini, "");
    }
    std::string task(std::int16_t number) { return getnexttask(number, context); }

    TempDir dir;
    const std::string folder = dir.path().string();
    const std::string ini = dir.file("tallywork.ini");
    FakeRandom random;
    FakeMessageBox messages;
    const ListContext context {ini, folder, random, messages};
};

// Each call shows the stored alternate description and stores the next number; a number
// outside 1 to 9, or one that names no description, starts over with the first.
TEST_F(TaskText, AlternatesTakeTurnsAndStartOverOutOfRange)
{
    for (const auto &[number, text] : {std::pair {"1", "First"},
                                       {"2", "Second"},
                                       {"9", "Ninth"},
                                       {"10", "Tenth"},
                                       {"-32768", "Odd"}})
        set("task1", std::string("description") + number, text);
    const struct {
        const char *stored;
        const char *shown;
        const char *next;
    } cases[] = {
        {"", "First", "2"},          {"2", "Second", "3"},
        {"3", "First", "2"},         {"9", "Ninth", "10"},
        {"10", "First", "2"},        {"x", "First", "2"},
        {"-2", "First", "2"},        {"40000", "First", "2"},
        {"-40000", "Odd", "-32767"}, // beyond 16 bits the number is clamped
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        set("task1", "Alternatetask", c.stored);
        EXPECT_EQ(task(1), c.shown);
        EXPECT_EQ(get("task1", "Alternatetask"), c.next);
    }
    // One past the last task: the empty text, and the next session resumes there.
    EXPECT_EQ(task(2), "");
    EXPECT_EQ(get("currenttask", "number"), "2");
}

// The first %note% becomes a note letter, the first %CR% (or, without one, the first %NL%) a
// line break, and the first "%list" with a digit 1 to 9 and "%" that list's item set off by
// blanks, after the others: an item's own placeholders stay. The description and the item
// are each made UTF-8 on their own.
TEST_F(TaskText, EachPlaceholderIsFilledOnceAndEachPieceMadeUtf8)
{
    random.fallback = 13; // a note letter from below(7): G
    const struct {
        const char *description;
        std::string item; // the one item of List1.txt
        std::string shown;
    } cases[] = {
        {"%note%/%note% %Note%", "", "G/%note% %Note%"},
        {"a%CR%b%NL%c%CR%d", "", "a\r\nb%NL%c%CR%d"},
        {"a%NL%b%NL%c", "", "a\r\nb%NL%c"},
        {"%list1%|%list1%", "Minuet %note%%CR% %list2%", " Minuet %note%%CR% %list2% |%list1%"},
        {"Play%list1%!", "  ", "Play ***Error List 1 contains no items *** !"},
        {"%list0% %list1%", "Waltz", "%list0% %list1%"},
        {"%list12% %list1%", "Waltz", "%list12% %list1%"},
        {"%listx %list1%", "Waltz", "%listx %list1%"},
        {"%list1 %list1%", "Waltz", "%list1 %list1%"},
        {"Play %list1", "Waltz", "Play %list1"},
        {"\u00C9tude: %list1%", "Caf\xE9 \x80\x81", "\u00C9tude:  Caf\u00E9 \u20AC\xC2\x81 "},
        {"\xC9tude \x96 %list1%", "Caf\u00E9 \u266A", "\u00C9tude \u2013  Caf\u00E9 \u266A "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.description);
        writeFile(dir.file("List1.txt"), c.item + "\r\n");
        set("List Group Number 1", "Current Item", ""); // due at once: the file's item
        set("task1", "description1", c.description);
        EXPECT_EQ(task(1), c.shown);
    }
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace tb::test
