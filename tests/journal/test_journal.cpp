// The practice journal: its SQLite file, what a session leaves in it, the statistics over its
// days and its CSV export.

#include "journal/JournalCsv.h"
#include "journal/PracticeStats.h"
#include "settings/DateText.h"
#include "support/ProgramFixture.h"

#include <chrono>
#include <filesystem>
#include <sqlite3.h>
#include <stdlib.h>

namespace tb::test {
namespace {

// Runs SQL on the file directly, as another program would; answers the rows of its
// statements, one line each, their columns joined by '|'. A statement that fails ends it.
std::string sql(const std::string &file, const std::string &statements)
{
    sqlite3 *db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const auto addRow = [](void *out, int columns, char **values, char **) {
        auto &text = *static_cast<std::string *>(out);
        for (int i = 0; i < columns; ++i)
            text += (i ? "|" : "") + std::string(values[i] ? values[i] : "");
        text += '\n';
        return 0;
    };
    std::string rows;
    sqlite3_exec(db, statements.c_str(), addRow, &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

TEST(JournalFile, LivesInAPrivateFolderMadeAtTheFirstWrite)
{
    EXPECT_EQ(journalPath("/data/", "/home/u"), "/data/Tallybell/journal.sqlite");
    EXPECT_EQ(journalPath("data", "/home/u"), "/home/u/.local/share/Tallybell/journal.sqlite");
    EXPECT_EQ(journalPath("", nullptr), "");

    TempDir dir;
    const std::string file = journalPath(dir.path().c_str(), nullptr);
    SqliteJournal journal(file);
    EXPECT_TRUE(journal.tasks().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Tallybell")) << "a read creates nothing";
    ASSERT_TRUE(journal.addTask({}).ok);
    EXPECT_EQ(std::filesystem::status(dir.path() / "Tallybell").permissions(),
              std::filesystem::perms::owner_all);
    EXPECT_EQ(sql(file, "PRAGMA journal_mode; PRAGMA user_version"), "wal\n2\n");

    // A write that cannot be done says why.
    writeFile(dir.file("afile"), "x");
    std::filesystem::create_directories(dir.file("folder"));
    sqlite3 *other = nullptr;
    sqlite3_open(file.c_str(), &other); // another program holding the journal
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    for (const auto &[where, why] : {std::pair {dir.file("afile/j.sqlite"), "afile"},
                                     {dir.file("folder"), "not a regular file"},
                                     {file, "locked"}}) {
        const JournalWrite refused = SqliteJournal(where).addTask({});
        EXPECT_FALSE(refused.ok) << where;
        EXPECT_NE(refused.errorText.find(why), std::string::npos) << refused.errorText;
    }
    sqlite3_close(other);
}

TEST(JournalFile, UpgradesTheFirstLayoutAndReadsBackNewestFirstAndByDay)
{
    TempDir dir;
    const std::string file = dir.file("old.sqlite");
    // The first layout, as the first journal wrote it.
    sql(file, R"(
        CREATE TABLE task (id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT NOT NULL,
            number INTEGER NOT NULL, text TEXT NOT NULL, items TEXT NOT NULL,
            planned INTEGER NOT NULL, practised INTEGER NOT NULL, ending TEXT NOT NULL);
        CREATE TABLE session (id INTEGER PRIMARY KEY, started TEXT NOT NULL,
            ended TEXT NOT NULL, task_list TEXT NOT NULL, completed INTEGER NOT NULL);
        INSERT INTO task VALUES (1, '2026-03-01 23:50:00', '2026-03-02 00:00:00', 1, 'Etude 2',
            'Etude 2', 600, 600, 'skipped');
        INSERT INTO session VALUES (1, '2026-03-01 23:50:00', '2026-03-02 00:00:00', '/t.ini', 1);
        PRAGMA user_version = 1;)");
    const TaskRecord first {
        "2026-03-01 23:50:00", "2026-03-02 00:00:00", 1, "Etude 2", {"Etude 2"}, 600, 600,
        TaskEnding::Skipped};
    const TaskRecord second {"2026-03-02 00:05", "", 2, "\"A\",\r\n\xc3\xbc", {"A", "B"}, 600, 120};
    const TaskRecord third {"2026-03-02 00:20", "", 3, "", {}, 600, 0, TaskEnding::Stopped};
    const TaskRecord late {"2026-03-02 00:10", "", 2, "", {}, 600, 0}; // written after the third
    {
        SqliteJournal journal(file);
        for (const TaskRecord &task : {second, third, late})
            ASSERT_TRUE(journal.addTask(task).ok);
        ASSERT_TRUE(journal.addSession({"2026-03-02 00:05:00", "", "/t.ini", false}).ok);
    }
    SqliteJournal reopened(file);
    EXPECT_EQ(reopened.tasks(), (std::vector<TaskRecord> {third, late, second, first}));
    EXPECT_EQ(reopened.practiceByDay(),
              (std::vector<DayPractice> {{"2026-03-01", 600}, {"2026-03-02", 120}}));
    EXPECT_EQ(reopened.secondsPractisedOn("2026-03-02"), 120);
    EXPECT_EQ(reopened.secondsPractisedOn("2026-03-03"), 0);
    EXPECT_EQ(reopened.sessionsCompleted(), 1);
    EXPECT_EQ(sql(file, "PRAGMA user_version; SELECT name FROM sqlite_master WHERE type = 'index'"),
              "2\ntask_day\n");

    // A newer version's file is refused and left as it was, to the byte.
    const std::string newer = dir.file("newer.sqlite");
    sql(newer, "CREATE TABLE future (x); PRAGMA user_version = 99;");
    const std::string bytes = readFile(newer);
    SqliteJournal refusing(newer);
    EXPECT_NE(refusing.addTask(second).errorText.find("newer version"), std::string::npos);
    EXPECT_TRUE(refusing.tasks().empty());
    EXPECT_TRUE(readFile(newer) == bytes) << "changed";
    EXPECT_FALSE(std::filesystem::exists(newer + "-wal"));
}

using SessionJournal = ProgramFixture;

TEST_F(SessionJournal, TasksAndSessionsAreRecordedAfterTheBellAndTheMessage)
{
    writeFile(folder.file("List1.txt"), "Etude 1\r\nEtude 2\r\n");
    loaded(3, "testmode", // ten seconds a task
           {{"Task2", "description1", "Play%list1%slowly"},
            {"List Group Number 1", "Current Item", "Etude 2"},
            {"options", "Play Sound", "True"},
            {"options", "wavefile", "/bell.wav"},
            {"options", "Stop Between tasks", "True"}});
    messages.whileOpen = [&] {
        EXPECT_EQ(sound.played.size(), 1u);
        EXPECT_EQ(journal.tasks().size(), 1u) << "task 2 is recorded after the bell and message";
    };
    EXPECT_EQ(ctl("lbljournal"), "Sessions completed: 0 \xC2\xB7 Today: 0 minutes");
    const auto at = [&](int secondsAgo) { return dateTimeText(clock.t - secondsAgo); };

    const std::string t0 = at(0);
    click("cmdstartstop");
    EXPECT_EQ(ctl("lbljournal"), "") << "only while stopped";
    tick(3);
    click("cmdpause");
    clock.advance(100);
    click("cmdpause");
    tick(4);
    click("Imagemoveon");
    tick(1); // task 1 skipped after 8 practised seconds
    const std::string t1 = at(0);
    tick(9);
    clock.advance(5);
    tick(1); // task 2's time is up at a late tick: no more practised than planned
    messages.whileOpen = nullptr;
    const std::string t2 = at(0);
    tick(4);
    click("cmdstartstop");
    const std::string stopped = at(0);
    EXPECT_EQ(journal.tasks(),
              (std::vector<TaskRecord> {{t2, stopped, 3, "Task 3", {}, 10, 4, TaskEnding::Stopped},
                                        {t1, t2, 2, "Play Etude 2 slowly", {"Etude 2"}, 10, 10},
                                        {t0, t1, 1, "Task 1", {}, 10, 8, TaskEnding::Skipped}}));

    // The rest of the session, from task 3: its end is the last task's, not the message's.
    click("cmdstartstop");
    const std::string s0 = at(0);
    messages.whileOpen = [&] { clock.advance(60); };
    tick(10);
    messages.whileOpen = nullptr;
    EXPECT_EQ(ctl("txtmessage"), "All Tasks Completed, Congratulations!!!");
    EXPECT_EQ(ctl("lbljournal"), "Sessions completed: 1 \xC2\xB7 Today: 1 minute")
        << "the tally of the session just finished";
    EXPECT_EQ(sql(journal.location(), "SELECT started, ended, task_list, completed FROM session"),
              t0 + "|" + stopped + "|" + ini + "|0\n" + s0 + "|" + at(60) + "|" + ini + "|1\n");
    click("cmdstartstop");
    click("cmdstartstop");
    EXPECT_EQ(ctl("lbljournal"), "Sessions completed: 1 \xC2\xB7 Today: 1 minute"); // 32 s
}

TEST_F(SessionJournal, AJournalThatCannotBeWrittenIsSaidOnceWhileTheSessionGoesOn)
{
    std::filesystem::create_directories(journal.location());
    loaded(2, "testmode");
    click("cmdstartstop");
    tick(20);
    EXPECT_EQ(ctl("txtmessage"), "All Tasks Completed, Congratulations!!!") << "to its end";
    click("cmdstartstop");
    click("cmdstartstop");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("practice journal\r\n\r\n" + journal.location()),
              std::string::npos)
        << messages.shown[0].text;
}

// A list item comes into a task text with a blank on either side.
TEST(JournalFile, TextsAreKeptAndReadWithoutTheirPadding)
{
    TempDir dir;
    SqliteJournal journal(dir.file("j.sqlite"));
    for (const char *text : {"Piece:  Romanza ", " \t Play \t %  slowly",
                             "Scales \r\n  then  pieces\r\n\r\n end ", " "})
        ASSERT_TRUE(journal.addTask({"", "", 1, text, {}, 600, 600}).ok);
    EXPECT_EQ(sql(journal.location(), "SELECT group_concat(text, '|') FROM task"),
              "Piece: Romanza|Play % slowly|Scales\r\nthen pieces\r\n\r\nend|\n");
    // An older program's record, with its padding, is shown and exported without it.
    sql(journal.location(), "UPDATE task SET text = ' Old  one ' WHERE id = 4");
    EXPECT_EQ(journal.tasks().at(0).text, "Old one");
}

TEST(PracticeStats, StreaksCountLocalCalendarDays)
{
    // Berlin, where the clocks change twice a year; the other tests here do not use the zone.
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    using namespace std::chrono;
    const auto utc = [](sys_days day, int hour) {
        return (day + hours(hour)).time_since_epoch() / seconds(1);
    };
    EXPECT_EQ(localDay(utc(2026y / 1 / 10, 23)), "2026-01-11");
    EXPECT_EQ(localDay(utc(2026y / 3 / 29, 22)), "2026-03-30"); // summer time
    EXPECT_EQ(localDay(utc(2026y / 10 / 25, 22)), "2026-10-25"); // winter time again

    // The days with practice, today, and the current and the longest streak.
    const std::tuple<const char *, std::vector<const char *>, const char *, int, int> cases[] = {
        {"a missed day breaks the streak", {"01-05", "01-06", "01-07", "01-09"}, "01-09", 1, 3},
        {"yesterday's practice keeps today open", {"01-08", "01-09"}, "01-10", 2, 2},
        {"two days without practice end it", {"01-08", "01-09"}, "01-11", 0, 2},
        {"the clocks going forward", {"03-28", "03-29", "03-30", "03-31"}, "03-31", 4, 4},
        {"the clocks going back", {"10-24", "10-25", "10-26"}, "10-26", 3, 3},
    };
    for (const auto &[what, practised, today, current, longest] : cases) {
        std::vector<DayPractice> days {{"2026-01-10", 0}}; // no seconds practised: no practice
        for (const char *day : practised)
            days.push_back({std::string("2026-") + day, 60});
        const PracticeSummary s = summarisePractice(days, std::string("2026-") + today);
        EXPECT_EQ(std::pair(s.currentStreak, s.longestStreak), std::pair(current, longest)) << what;
    }
}

TEST(PracticeStats, WeekFromMondayMonthFromTheFirstAndTheLastDays)
{
    // 2026-01-11 is a Sunday, the 12th a Monday; the 20th was practised before the clock was
    // set back.
    const std::vector<DayPractice> days {
        {"2025-12-31", 300},  {"2026-01-11", 600}, {"2026-01-12", 900},
        {"2026-01-14", 1229}, {"2026-01-20", 999},
    };
    EXPECT_EQ(summarisePractice(days, "2026-01-14"), (PracticeSummary {1, 2, 1229, 2129, 2729}));
    const std::vector<DayPractice> recent = recentDays(days, "2026-01-14", 30);
    ASSERT_EQ(recent.size(), 30u);
    EXPECT_EQ(recent.front(), (DayPractice {"2025-12-16", 0}));
    EXPECT_EQ(recent[15], (DayPractice {"2025-12-31", 300}));
    EXPECT_EQ(recent.back(), (DayPractice {"2026-01-14", 1229}));
    for (const auto &[seconds, minutes] : {std::pair {29, 0}, {30, 1}, {89, 1}, {90, 2}})
        EXPECT_EQ(minutesOf(seconds), minutes) << seconds << " s";
}

TEST(PracticeStats, TheScaleRisesInRoundStepsToTheMostMinutes)
{
    const std::tuple<std::int64_t, int, std::vector<std::int64_t>> cases[] = {
        {0, 4, {0, 5}},           {20, 4, {0, 5, 10, 15, 20}},
        {22, 4, {0, 10, 20, 30}}, {45, 4, {0, 15, 30, 45}},
        {45, 2, {0, 30, 60}},     {61, 4, {0, 30, 60, 90}},
        {500, 3, {0, 300, 600}},  {100000, 4, {0, 30000, 60000, 90000, 120000}},
        {3, 0, {0, 5}},
    };
    for (const auto &[most, steps, marks] : cases)
        EXPECT_EQ(scaleMarks(most, steps), marks) << most << " minutes in " << steps << " steps";
}

TEST(JournalCsv, EveryFieldQuotedWithItsQuotesDoubled)
{
    const TaskRecord task {"2026-03-01 09:00", "",  3,   "Play \"A\", then\r\nB",
                           {"A", "B, flat"},   600, 598, TaskEnding::Skipped};
    EXPECT_EQ(tasksAsCsv({&task}),
              "\"Started\",\"Ended\",\"Task\",\"Text\",\"List items\",\"Planned seconds\","
              "\"Practised seconds\",\"Ending\"\r\n"
              "\"2026-03-01 09:00\",\"\",\"3\",\"Play \"\"A\"\", then\r\nB\",\"A; B, flat\","
              "\"600\",\"598\",\"skipped\"\r\n");
}

} // namespace
} // namespace tb::test
