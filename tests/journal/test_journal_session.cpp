#include "settings/DateText.h"
#include "support/ProgramFixture.h"

#include <filesystem>
#include <sqlite3.h>

namespace tb::test {
namespace {

using SessionJournal = ProgramFixture;

const char *kDone = "All Tasks Completed, Congratulations!!!";

// The session rows as text, one per row: "started|ended|task list|completed".
std::vector<std::string> sessionRows(const std::string &file)
{
    std::vector<std::string> rows;
    sqlite3 *db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(
        db, "SELECT started || '|' || ended || '|' || task_list || '|' || completed FROM session",
        [](void *out, int, char **values, char **) {
            static_cast<std::vector<std::string> *>(out)->emplace_back(values[0]);
            return 0;
        },
        &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

TEST_F(SessionJournal, TasksAndSessionsAreRecordedAfterTheBellAndTheMessage)
{
    ini = folder.file("tasks.ini");
    useSettingsFile(ini);
    writeTasks(ini, 3);
    IniWrite("Task2", "description1", "Play%list1%slowly,%CR%\"legato\"", ini);
    writeFile(folder.file("List1.txt"), "Etude 1\r\nEtude 2\r\n");
    IniWrite("List Group Number 1", "Current Item", "Etude 2", ini);
    IniWrite("List Group Number 1", "Change Song", "100", ini);
    IniWrite("options", "Play Sound", "True", ini);
    IniWrite("options", "wavefile", "/bell.wav", ini);
    IniWrite("options", "Stop Between tasks", "True", ini);
    MainForm &f = makeForm("testmode"); // ten seconds a task
    ASSERT_TRUE(f.Form_Load());
    auto tick = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
        }
    };
    auto click = [&](const char *control) {
        program->dispatch(FormId::Main, control, ControlEvent::Click);
    };
    auto at = [&](int seconds) { return dateTimeText(clock.t - seconds); };
    messages.whileOpen = [&] {
        EXPECT_EQ(sound.played.size(), 1u);
        EXPECT_EQ(journal.tasks().size(), 1u) << "task 2 is recorded after the bell and message";
    };
    EXPECT_EQ(ctl("lbljournal"), "Sessions completed: 0 \xC2\xB7 Today: 0 minutes");

    const std::string t0 = dateTimeText(clock.t);
    click("cmdstartstop");
    EXPECT_EQ(ctl("lbljournal"), "") << "only while stopped";
    tick(3);
    click("cmdpause");
    clock.advance(100);
    click("cmdpause");
    tick(4);
    click("Imagemoveon");
    tick(1); // task 1 skipped after 8 practised seconds
    const std::string t1 = dateTimeText(clock.t);
    tick(10); // task 2's time is up
    EXPECT_EQ(messages.shown.size(), 1u);
    messages.whileOpen = nullptr;
    const std::string t2 = dateTimeText(clock.t);
    tick(4);
    click("cmdstartstop");
    EXPECT_TRUE(messages.shown.size() == 1u) << "nothing failed";

    TaskRecord one {t0, t1, 1, "Task 1", {}, 10, 8, TaskEnding::Skipped};
    TaskRecord two {t1,          t2, 2,  "Play Etude 2 slowly,\r\n\"legato\"",
                    {"Etude 2"}, 10, 10, TaskEnding::TimeUp};
    TaskRecord three {t2, at(0), 3, "Task 3", {}, 10, 4, TaskEnding::Stopped};
    EXPECT_EQ(journal.tasks(), (std::vector<TaskRecord> {three, two, one}));
    EXPECT_EQ(sessionRows(journal.location()),
              std::vector<std::string> {t0 + "|" + at(0) + "|" + ini + "|0"});

    // The rest of the session, from task 3: its end is the last task's, not the message's.
    click("cmdstartstop");
    const std::string s0 = dateTimeText(clock.t);
    messages.whileOpen = [&] { clock.advance(60); };
    tick(10);
    messages.whileOpen = nullptr;
    EXPECT_EQ(ctl("txtmessage"), kDone);
    EXPECT_EQ(ctl("lbljournal"), "") << "not over another message";
    EXPECT_EQ(sessionRows(journal.location()).back(), s0 + "|" + at(60) + "|" + ini + "|1");
    click("cmdstartstop");
    click("cmdstartstop");
    EXPECT_EQ(ctl("lbljournal"), "Sessions completed: 1 \xC2\xB7 Today: 1 minute"); // 32 s
}

TEST_F(SessionJournal, AJournalThatCannotBeWrittenIsSaidOnceWhileTheSessionGoesOn)
{
    for (const bool locked : {true, false}) {
        SCOPED_TRACE(locked ? "locked by another program" : "a folder in its place");
        messages.shown.clear();
        sqlite3 *other = nullptr;
        if (locked) {
            ASSERT_TRUE(journal.addSession({}).ok);
            sqlite3_open(journal.location().c_str(), &other);
            ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        } else {
            std::filesystem::create_directories(folder.file("in-place"));
        }
        SqliteJournal inPlace {folder.file("in-place")};
        MainServices services {clock,
                               random,
                               messages,
                               sound,
                               screenSaver,
                               help,
                               instance,
                               window,
                               *registry,
                               notifier,
                               locked ? journal : inPlace};
        loaded(2, "testmode");
        program.reset();
        program = std::make_unique<Program>(ProgramServices {services, chooser, shell},
                                            folder.path().string(), "testmode");
        form = &program->main();
        ASSERT_TRUE(form->Form_Load());
        const std::string where = locked ? journal.location() : inPlace.location();

        program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
        for (int i = 0; i < 20; ++i) {
            clock.advance(1);
            program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
        }
        EXPECT_EQ(ctl("txtmessage"), kDone) << "the session goes on to its end";
        program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
        program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "Tallybell - Disk Error");
        EXPECT_NE(messages.shown[0].text.find("practice journal"), std::string::npos);
        EXPECT_NE(messages.shown[0].text.find(where), std::string::npos);
        EXPECT_NE(messages.shown[0].text.find(locked ? "locked" : "not a regular file"),
                  std::string::npos)
            << messages.shown[0].text;
        program.reset();
        sqlite3_close(other);
    }
}

} // namespace
} // namespace tb::test
