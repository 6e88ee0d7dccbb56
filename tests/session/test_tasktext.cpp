#include "session/TaskText.h"
#include "settings/IniFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tb;
using tb::test::readFile;
using tb::test::writeFile;

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

    test::TempDir dir;
    const std::string folder = dir.path().string();
    const std::string ini = dir.file("tallywork.ini");
    test::FakeRandom random;
    test::FakeMessageBox messages;
    const ListContext context {ini, folder, random, messages};
};

} // namespace

TEST_F(TaskText, AlternatesCycleThroughTheDescriptionsAndSkipGaps)
{
    for (int m = 1; m <= 9; ++m)
        set("Task1", "description" + std::to_string(m), "D" + std::to_string(m));
    for (int call = 0; call < 11; ++call) {
        const int shown = call % 9 + 1;
        EXPECT_EQ(task(1), "D" + std::to_string(shown));
        EXPECT_EQ(get("task1", "Alternatetask"), std::to_string(shown + 1));
    }
    EXPECT_EQ(get("currenttask", "number"), "1");

    set("task2", "description1", "First");
    set("task2", "description3", "Third"); // behind a gap: never reached
    EXPECT_EQ(task(2), "First");
    EXPECT_EQ(task(2), "First");
    EXPECT_EQ(get("task2", "Alternatetask"), "2");
    set("task2", "description2", "Second");
    set("task2", "description4", "");
    set("task2", "Alternatetask", "4");
    EXPECT_EQ(task(2), "First");
    EXPECT_EQ(task(2), "Second");
    EXPECT_EQ(task(2), "Third");
    EXPECT_EQ(get("currenttask", "number"), "2");

    // Not a number, 10 and more, negative, and beyond 16 bits (clamped) all show the first.
    set("task2", "description10", "Ten");
    for (const char *stored : {"x", "10", "-2", "40000", "-40000"}) {
        set("task2", "Alternatetask", stored);
        EXPECT_EQ(task(2), "First") << stored;
        EXPECT_EQ(get("task2", "Alternatetask"), "2") << stored;
    }
    set("task2", "description-32768", "Odd");
    set("task2", "Alternatetask", "-40000");
    EXPECT_EQ(task(2), "Odd");
    EXPECT_EQ(get("task2", "Alternatetask"), "-32767");

    // One past the last task: the empty text, and the counter is still written.
    EXPECT_EQ(task(3), "");
    EXPECT_EQ(get("task3", "Alternatetask"), "2");
    EXPECT_EQ(get("currenttask", "number"), "3");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TaskText, EachPlaceholderIsReplacedOnceInOrder)
{
    set("task1", "description1", "%note%/%note% %Note% %cr% a%NL%b%CR%c%CR%d");
    random.script = {13}; // below(7): 13 % 7 = 6
    EXPECT_EQ(task(1), "G/%note% %Note% %cr% a%NL%b\r\nc%CR%d");
    set("task1", "description1", "x%NL%y%NL%%note%");
    for (char letter = 'A'; letter <= 'G'; ++letter) {
        random.script = {letter - 'A'};
        EXPECT_EQ(task(1), std::string("x\r\ny%NL%") + letter);
    }

    // A list item is inserted after the other placeholders: it stays as it is.
    writeFile(dir.file("List1.txt"), "Minuet %note%%CR% %list2%\r\n");
    set("task1", "description1", "%list1%|%list1%");
    EXPECT_EQ(task(1), " Minuet %note%%CR% %list2% |%list1%");
    EXPECT_EQ(get("List Group Number 2", "Current Item"), "");

    // Only the first "%list" counts, and only with a digit 1 to 9 and "%" after it.
    writeFile(dir.file("List2.txt"), "Waltz\r\n");
    for (const char *text : {"%list0% %list2%", "%list12% %list2%", "%listx %list2%",
                             "%list2 %list2%", "Play %list", "Play %list2"}) {
        set("task1", "description1", text);
        EXPECT_EQ(task(1), text);
    }
    EXPECT_EQ(get("List Group Number 2", "Current Item"), "");
    EXPECT_EQ(random.calls, 8);
}

TEST_F(TaskText, ListItemsAndTheEmptyListErrorAreSetOffByBlanks)
{
    writeFile(dir.file("List2.txt"), "Etude 4\r\nEtude 5\r\nEtude 6\r\n");
    set("List Group Number 2", "Current Item", "Etude 5");
    set("List Group Number 2", "Last Change Session Number", "0");
    set("task1", "description1", "Scale in %note% major%CR%then %list2%");
    random.script = {3};
    EXPECT_EQ(task(1), "Scale in D major\r\nthen  Etude 5 ");

    set("History", "Sessions Completed", "1"); // now due: the text shows the new item
    EXPECT_EQ(task(1), "Scale in A major\r\nthen  Etude 6 ");
    EXPECT_EQ(get("List Group Number 2", "Last Change Session Number"), "1");

    writeFile(dir.file("List4.txt"), "  \r\n");
    set("task2", "description1", "Play%list4%!");
    EXPECT_EQ(task(2), "Play ***Error List 4 contains no items *** !");
    set("task2", "description1", "%list7%"); // no list file and no item
    EXPECT_EQ(task(2), " ***Error List 7 contains no items *** ");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TaskText, TheDescriptionAndTheListItemAreEachMadeUtf8)
{
    const struct {
        const char *what;
        std::string description;
        std::string item;
        std::string shown;
    } cases[] = {
        {"UTF-8 description, Windows-1252 item", "\u00C9tude: %list1%", "Caf\xE9 \x80\x81",
         "\u00C9tude:  Caf\u00E9 \u20AC\xC2\x81 "},
        {"Windows-1252 description, UTF-8 item", "\xC9tude \x96 %list1%", "Caf\u00E9 \u266A",
         "\u00C9tude \u2013  Caf\u00E9 \u266A "},
        {"both UTF-8", "\u00C9tude %list1%", "F\u00FCr Elise", "\u00C9tude  F\u00FCr Elise "},
        {"both ASCII", "Play %list1%!", "Minuet", "Play  Minuet !"},
    };
    for (const auto &c : cases) {
        writeFile(dir.file("List1.txt"), c.item + "\r\n");
        set("List Group Number 1", "Current Item", ""); // due at once: the file's item
        set("task1", "description1", c.description);
        EXPECT_EQ(task(1), c.shown) << c.what;
    }
}

namespace {

// The lines of a settings file, without its blank lines.
std::vector<std::string> linesOf(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST_F(TaskText, ATaskListOverSeveralSessions)
{
    writeFile(ini,
              "[options]\r\n"
              "disable ScreenSaver=False\r\n"
              "Use Full Screen=False\r\n"
              "Play Sound=True\r\n"
              "Stop Between tasks=False\r\n"
              "wavefile=\r\n"
              "[TotalTime]\r\n"
              "Time=2\r\n"
              "[Task1]\r\n"
              "description1=Scales in %note% major\r\n"
              "description2=Arpeggios in %note% minor\r\n"
              "[Task2]\r\n"
              "description1=Sight reading%CR%%list1%\r\n"
              "[Task3]\r\n"
              "description1=Long tones\r\n"
              "description2=Lip slurs\r\n"
              "description3=Tonguing%NL%slow then fast\r\n"
              "[Task4]\r\n"
              "description1=Repertoire:%list2%\r\n"
              "[List Group Number 1]\r\n"
              "Change Song=2\r\n"
              "[List Group Number 2]\r\n"
              "Change Song=1\r\n"
              "Change Song Random=True\r\n");
    writeFile(dir.file("List1.txt"), "Etude 1\r\n  Etude 2  \r\n\r\nEtude 3\r\n");
    writeFile(dir.file("list2.txt"), "Sonata\r\nMinuet in %note%\r\nWaltz\r\n");
    random.script = {3, 1, 6, 1, 0, 0};

    // A session shows the tasks from `first` on, until the empty text or `stopBefore`.
    std::vector<std::string> shown;
    int completed = 0;
    const auto session = [&](std::int16_t first, std::int16_t stopBefore = 99) {
        for (std::int16_t n = first; n < stopBefore; ++n) {
            std::string text = task(n);
            if (text.empty()) {
                set("History", "Sessions Completed", std::to_string(++completed));
                set("currenttask", "number", "1");
                return;
            }
            shown.push_back(std::move(text));
        }
    };
    session(1);
    session(1);
    session(1, 3); // stopped during task 2
    session(std::int16_t(std::stoi(get("currenttask", "number"))));

    EXPECT_EQ(
        shown,
        (std::vector<std::string> {
            "Scales in D major", "Sight reading\r\n Etude 1 ", "Long tones",
            "Repertoire: Minuet in %note% ", // session 1
            "Arpeggios in G minor", "Sight reading\r\n Etude 1 ", "Lip slurs",
            "Repertoire: Waltz ", // session 2
            "Scales in A major", "Sight reading\r\n Etude 2 ", // stopped
            "Sight reading\r\n Etude 2 ", "Tonguing\r\nslow then fast", "Repertoire: Sonata "}));
    EXPECT_EQ(linesOf(readFile(ini)),
              (std::vector<std::string> {
                  "[options]",
                  "disable ScreenSaver=False",
                  "Use Full Screen=False",
                  "Play Sound=True",
                  "Stop Between tasks=False",
                  "wavefile=",
                  "[TotalTime]",
                  "Time=2",
                  "[Task1]",
                  "description1=Scales in %note% major",
                  "description2=Arpeggios in %note% minor",
                  "Alternatetask=2",
                  "[Task2]",
                  "description1=Sight reading%CR%%list1%",
                  "Alternatetask=2",
                  "[Task3]",
                  "description1=Long tones",
                  "description2=Lip slurs",
                  "description3=Tonguing%NL%slow then fast",
                  "Alternatetask=4",
                  "[Task4]",
                  "description1=Repertoire:%list2%",
                  "Alternatetask=2",
                  "[List Group Number 1]",
                  "Change Song=2",
                  "Current Item=Etude 2",
                  "Last Change Session Number=2",
                  "[List Group Number 2]",
                  "Change Song=1",
                  "Change Song Random=True",
                  "Current Item=Sonata",
                  "Last Change Session Number=2",
                  "[currenttask]",
                  "number=1",
                  "[task5]",
                  "Alternatetask=2",
                  "[History]",
                  "Sessions Completed=3",
              }));
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(random.calls, 6);
    EXPECT_TRUE(messages.shown.empty());
}
