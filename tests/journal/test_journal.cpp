#include "journal/SqliteJournal.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tb;
using tb::test::TempDir;
using tb::test::writeFile;

namespace {

TaskRecord task(const std::string &started, int practised, const std::string &text = "Scales")
{
    TaskRecord t;
    t.started = started;
    t.ended = started;
    t.number = 1;
    t.text = text;
    t.plannedSeconds = 600;
    t.practisedSeconds = practised;
    return t;
}

// Runs SQL on the file directly, as another program would; answers the first column of the
// last row.
std::string sql(const std::string &file, const std::string &statements)
{
    sqlite3 *db = nullptr;
    EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    std::string result;
    char *error = nullptr;
    sqlite3_exec(
        db, statements.c_str(),
        [](void *out, int, char **values, char **) {
            *static_cast<std::string *>(out) = values[0] ? values[0] : "";
            return 0;
        },
        &result, &error);
    EXPECT_EQ(error, nullptr) << error;
    sqlite3_free(error);
    sqlite3_close(db);
    return result;
}

TEST(JournalFile, LivesInThePrivateDataFolderMadeAtTheFirstWrite)
{
    EXPECT_EQ(journalPath("/data/", "/home/u"), "/data/Tallybell/journal.sqlite");
    EXPECT_EQ(journalPath("data", "/home/u"), "/home/u/.local/share/Tallybell/journal.sqlite");
    EXPECT_EQ(journalPath(nullptr, "/home/u"), "/home/u/.local/share/Tallybell/journal.sqlite");
    EXPECT_EQ(journalPath("", nullptr), "");

    TempDir dir;
    const std::string file = journalPath(dir.path().c_str(), nullptr);
    SqliteJournal journal(file);
    EXPECT_TRUE(journal.tasks().empty());
    EXPECT_EQ(journal.sessionsCompleted(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Tallybell")) << "a read creates nothing";

    ASSERT_TRUE(journal.addTask(task("2026-03-02 10:00:00", 300)).ok);
    struct stat info {
    };
    ASSERT_EQ(::stat((dir.path() / "Tallybell").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(sql(file, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(sql(file, "PRAGMA user_version"), "2");

    SqliteJournal blocked(dir.file("afile/journal.sqlite"));
    writeFile(dir.file("afile"), "x");
    const JournalWrite refused = blocked.addTask(task("2026-03-02 10:00:00", 1));
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.errorText.find("afile"), std::string::npos) << refused.errorText;
}

TEST(JournalFile, RecordsReadBackNewestFirstAndByDay)
{
    TempDir dir;
    SqliteJournal journal(dir.file("j.sqlite"));
    TaskRecord first = task("2026-03-01 23:50:00", 600, "Play \" Etude 2 \",\r\nslowly");
    first.items = {"Etude 2"};
    first.ending = TaskEnding::Skipped;
    TaskRecord second = task("2026-03-02 00:05:00", 120, "Scales ü");
    second.items = {"A", "B"};
    TaskRecord third = task("2026-03-02 00:20:00", 0);
    third.ending = TaskEnding::Stopped;
    for (const TaskRecord &t : {first, second, third})
        ASSERT_TRUE(journal.addTask(t).ok);
    ASSERT_TRUE(
        journal.addSession({"2026-03-01 23:50:00", "2026-03-02 00:20:00", "/a.ini", true}).ok);
    ASSERT_TRUE(
        journal.addSession({"2026-03-02 09:00:00", "2026-03-02 09:01:00", "/a.ini", false}).ok);

    SqliteJournal reopened(dir.file("j.sqlite"));
    EXPECT_EQ(reopened.tasks(), (std::vector<TaskRecord> {third, second, first}));
    EXPECT_EQ(reopened.practiceByDay(),
              (std::vector<DayPractice> {{"2026-03-01", 600}, {"2026-03-02", 120}}));
    EXPECT_EQ(reopened.secondsPractisedOn("2026-03-02"), 120);
    EXPECT_EQ(reopened.secondsPractisedOn("2026-03-03"), 0);
    EXPECT_EQ(reopened.sessionsCompleted(), 1);
}

TEST(JournalFile, UpgradesTheFirstLayoutAndRefusesANewerOne)
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
        INSERT INTO task VALUES (1, '2025-12-30 21:00:00', '2025-12-30 21:10:00', 1, 'Scales',
            '', 600, 600, 'time up');
        INSERT INTO task VALUES (2, '2025-12-31 08:00:00', '2025-12-31 08:05:00', 2, 'Etude 2',
            'Etude 2', 600, 300, 'skipped');
        INSERT INTO task VALUES (3, '2025-12-31 08:05:00', '2025-12-31 08:06:00', 3, 'Arpeggios',
            '', 600, 60, 'stopped');
        INSERT INTO session VALUES (1, '2025-12-30 21:00:00', '2025-12-30 21:10:00', '/t.ini', 1);
        PRAGMA user_version = 1;)");

    SqliteJournal journal(file);
    EXPECT_EQ(journal.practiceByDay(),
              (std::vector<DayPractice> {{"2025-12-30", 600}, {"2025-12-31", 360}}));
    ASSERT_TRUE(journal.addTask(task("2026-01-01 10:00:00", 30)).ok);
    EXPECT_EQ(journal.secondsPractisedOn("2026-01-01"), 30);
    const std::vector<TaskRecord> tasks = journal.tasks();
    ASSERT_EQ(tasks.size(), 4u);
    EXPECT_EQ(tasks[2].items, std::vector<std::string> {"Etude 2"});
    EXPECT_EQ(tasks[2].ending, TaskEnding::Skipped);
    EXPECT_EQ(journal.sessionsCompleted(), 1);
    EXPECT_EQ(sql(file, "PRAGMA user_version"), "2");
    EXPECT_EQ(sql(file, "SELECT count(*) FROM sqlite_master WHERE name = 'task_day'"), "1");

    const std::string newer = dir.file("newer.sqlite");
    sql(newer, "CREATE TABLE future (x); PRAGMA user_version = 3;");
    SqliteJournal later(newer);
    const JournalWrite refused = later.addTask(task("2026-01-01 10:00:00", 30));
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.errorText.find("newer version"), std::string::npos) << refused.errorText;
    EXPECT_EQ(sql(newer, "SELECT count(*) FROM sqlite_master"), "1") << "left as it was";
}

// A task text long enough to span pages, so that a torn write would show.
std::string bulkyText(std::size_t n)
{
    std::string text = "Task " + std::to_string(n) + ":";
    while (text.size() < 3000)
        text += " " + std::to_string(n * 7919 % 1000);
    return text;
}

TEST(JournalFile, AKillAtAnyMomentLeavesAReadableJournal)
{
    TempDir dir;
    const std::string file = dir.file("journal.sqlite");
    std::random_device seed;
    const unsigned seedValue = seed();
    std::mt19937 random(seedValue);
    std::uniform_int_distribution<int> pause(20, 200);
    std::size_t seen = 0;
    for (int round = 0; round < 10; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SqliteJournal journal(file);
            for (std::size_t n = journal.tasks().size();; ++n)
                journal.addTask(task("2026-03-02 10:00:00", static_cast<int>(n), bulkyText(n)));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        SqliteJournal journal(file);
        const std::vector<TaskRecord> tasks = journal.tasks();
        ASSERT_GE(tasks.size(), seen) << "seed " << seedValue;
        seen = tasks.size();
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            const std::size_t n = tasks.size() - 1 - i;
            ASSERT_EQ(tasks[i].text, bulkyText(n)) << "seed " << seedValue;
            ASSERT_EQ(tasks[i].practisedSeconds, static_cast<int>(n));
        }
        EXPECT_EQ(sql(file, "PRAGMA integrity_check"), "ok") << "seed " << seedValue;
    }
    EXPECT_GT(seen, 0u);
}

} // namespace
