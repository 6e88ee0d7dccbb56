#include "journal/SqliteJournal.h"

#include "journal/JournalText.h"
#include "platform/SafeFile.h"
#include "tallybell/Version.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <sys/stat.h>

namespace tb {

std::string_view taskEndingText(TaskEnding ending)
{
    switch (ending) {
    case TaskEnding::TimeUp:
        return "time up";
    case TaskEnding::Skipped:
        return "skipped";
    case TaskEnding::Stopped:
        return "stopped";
    }
    return "stopped";
}

std::string journalPath(const char *xdgDataHome, const char *home)
{
    const auto base = userBaseFolder(xdgDataHome, home, "/.local/share");
    return base ? *base + "/" + version::kProductName + "/journal.sqlite" : std::string();
}

namespace {

std::string newerVersionText()
{
    return std::string("The journal was written by a newer version of ") + version::kProductName
        + ".";
}

// Another program holding the journal (a backup, a second look at it) is waited for this
// long before a write gives up: never long enough to be felt in the window.
constexpr int kBusyMilliseconds = 250;

// The first layout. Kept as it was: the upgrades below start from it.
constexpr const char *kSchema1 = R"(
CREATE TABLE task (
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    ended TEXT NOT NULL,
    number INTEGER NOT NULL,
    text TEXT NOT NULL,
    items TEXT NOT NULL,
    planned INTEGER NOT NULL,
    practised INTEGER NOT NULL,
    ending TEXT NOT NULL);
CREATE TABLE session (
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    ended TEXT NOT NULL,
    task_list TEXT NOT NULL,
    completed INTEGER NOT NULL);
)";

// The local day of each task in a column of its own, indexed together with the seconds, so
// that the statistics over years of practice read the index alone.
constexpr const char *kUpgradeTo2 = R"(
ALTER TABLE task ADD COLUMN day TEXT NOT NULL DEFAULT '';
UPDATE task SET day = substr(started, 1, 10);
CREATE INDEX task_day ON task(day, practised);
)";

struct Finalize {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

std::string columnText(sqlite3_stmt *statement, int column)
{
    const auto *bytes = sqlite3_column_text(statement, column);
    if (!bytes)
        return {};
    return {reinterpret_cast<const char *>(bytes),
            static_cast<std::size_t>(sqlite3_column_bytes(statement, column))};
}

void bindText(sqlite3_stmt *statement, int index, const std::string &text)
{
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

std::string joinItems(const std::vector<std::string> &items)
{
    std::string joined;
    for (const std::string &item : items) {
        if (!joined.empty())
            joined += '\n';
        joined += item;
    }
    return joined;
}

std::vector<std::string> splitItems(const std::string &joined)
{
    std::vector<std::string> items;
    std::size_t from = 0;
    while (from < joined.size()) {
        std::size_t end = joined.find('\n', from);
        if (end == std::string::npos)
            end = joined.size();
        items.push_back(joined.substr(from, end - from));
        from = end + 1;
    }
    return items;
}

TaskEnding endingFromText(std::string_view text)
{
    if (text == taskEndingText(TaskEnding::TimeUp))
        return TaskEnding::TimeUp;
    if (text == taskEndingText(TaskEnding::Skipped))
        return TaskEnding::Skipped;
    return TaskEnding::Stopped;
}

// Makes the folders of `file` that are missing, private to the user.
bool makeFolderOf(const std::string &file, std::string &error)
{
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return true;
    const std::string folder = file.substr(0, slash);
    if (const int failure = makePrivateFolders(folder); failure != 0) {
        error = folder + ": " + std::strerror(failure);
        return false;
    }
    return true;
}

} // namespace

struct SqliteJournal::Database {
    sqlite3 *handle = nullptr;
    Statement insertTask;
    Statement insertSession;
    Statement allTasks;
    Statement byDay;
    Statement onDay;
    Statement completed;

    // Closed once the statements are finalized.
    ~Database() { sqlite3_close_v2(handle); }

    std::string error() const { return handle ? sqlite3_errmsg(handle) : "out of memory"; }

    bool exec(const char *sql) const
    {
        return sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    bool prepare(Statement &statement, const char *sql) const
    {
        sqlite3_stmt *prepared = nullptr;
        const bool ok
            = sqlite3_prepare_v3(handle, sql, -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr)
            == SQLITE_OK;
        statement.reset(prepared);
        return ok;
    }

    int userVersion() const
    {
        Statement query;
        if (!prepare(query, "PRAGMA user_version") || sqlite3_step(query.get()) != SQLITE_ROW)
            return -1;
        return sqlite3_column_int(query.get(), 0);
    }

    // Brings the file's layout up to this program's, in one transaction.
    bool upgrade(std::string &failure) const
    {
        if (userVersion() == kSchemaVersion)
            return true;
        if (!exec("BEGIN IMMEDIATE")) {
            failure = error();
            return false;
        }
        const int found = userVersion();
        bool ok = found >= 0;
        if (found > kSchemaVersion) {
            failure = newerVersionText();
            exec("ROLLBACK");
            return false;
        }
        if (ok && found < 1)
            ok = exec(kSchema1);
        if (ok && found < 2)
            ok = exec(kUpgradeTo2);
        if (ok)
            ok = exec("PRAGMA user_version = 2");
        if (ok)
            ok = exec("COMMIT");
        if (!ok) {
            failure = error();
            exec("ROLLBACK");
        }
        return ok;
    }
};

SqliteJournal::SqliteJournal(std::string path) : path_(std::move(path))
{
}

SqliteJournal::~SqliteJournal() = default;

SqliteJournal::Database *SqliteJournal::open(bool create, std::string &error)
{
    if (db_)
        return db_.get();
    if (path_.empty()) {
        error = "There is no folder for the journal: HOME is not set.";
        return nullptr;
    }
    struct stat info {
    };
    if (::stat(path_.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            error = "This is not a regular file.";
            return nullptr;
        }
    } else if (!create || !makeFolderOf(path_, error)) {
        return nullptr; // nothing practised yet, or no folder for it
    }

    auto db = std::make_unique<Database>();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path_.c_str(), &db->handle, flags, nullptr) != SQLITE_OK) {
        error = db->error();
        return nullptr;
    }
    sqlite3_busy_timeout(db->handle, kBusyMilliseconds);
    // A newer program's file is left as it is: its version is read before anything is set.
    if (db->userVersion() > kSchemaVersion) {
        error = newerVersionText();
        return nullptr;
    }
    // Write-ahead logging: a commit appends to the log, and a kill never leaves a half
    // written page behind. Each commit reaches the disk before a write reports success.
    if (!db->exec("PRAGMA journal_mode = WAL") || !db->exec("PRAGMA synchronous = FULL")
        || !db->upgrade(error)) {
        if (error.empty())
            error = db->error();
        return nullptr;
    }
    const bool prepared
        = db->prepare(db->insertTask,
                      "INSERT INTO task (started, ended, number, text, items, planned, "
                      "practised, ending, day) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                      "substr(?1, 1, 10))")
        && db->prepare(db->insertSession,
                       "INSERT INTO session (started, ended, task_list, completed) "
                       "VALUES (?, ?, ?, ?)")
        && db->prepare(db->allTasks,
                       "SELECT started, ended, number, text, items, planned, practised, ending "
                       "FROM task ORDER BY started DESC, id DESC")
        && db->prepare(db->byDay,
                       "SELECT day, SUM(practised) FROM task GROUP BY day "
                       "HAVING SUM(practised) > 0 ORDER BY day")
        && db->prepare(db->onDay, "SELECT COALESCE(SUM(practised), 0) FROM task WHERE day = ?")
        && db->prepare(db->completed, "SELECT COUNT(*) FROM session WHERE completed");
    if (!prepared) {
        error = db->error();
        return nullptr;
    }
    db_ = std::move(db);
    return db_.get();
}

namespace {

JournalWrite finish(sqlite3 *handle, sqlite3_stmt *statement)
{
    const int result = sqlite3_step(statement);
    JournalWrite write;
    write.ok = result == SQLITE_DONE;
    if (!write.ok)
        write.errorText = sqlite3_errmsg(handle);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return write;
}

} // namespace

JournalWrite SqliteJournal::addTask(const TaskRecord &task)
{
    std::string error;
    Database *db = open(true, error);
    if (!db)
        return {false, error};
    sqlite3_stmt *insert = db->insertTask.get();
    bindText(insert, 1, task.started);
    bindText(insert, 2, task.ended);
    sqlite3_bind_int(insert, 3, task.number);
    bindText(insert, 4, tidyTaskText(task.text));
    bindText(insert, 5, joinItems(task.items));
    sqlite3_bind_int(insert, 6, task.plannedSeconds);
    sqlite3_bind_int(insert, 7, task.practisedSeconds);
    bindText(insert, 8, std::string(taskEndingText(task.ending)));
    JournalWrite written = finish(db->handle, insert);
    revision_ += written.ok ? 1 : 0;
    return written;
}

JournalWrite SqliteJournal::addSession(const SessionRecord &session)
{
    std::string error;
    Database *db = open(true, error);
    if (!db)
        return {false, error};
    sqlite3_stmt *insert = db->insertSession.get();
    bindText(insert, 1, session.started);
    bindText(insert, 2, session.ended);
    bindText(insert, 3, session.taskList);
    sqlite3_bind_int(insert, 4, session.completed ? 1 : 0);
    JournalWrite written = finish(db->handle, insert);
    revision_ += written.ok ? 1 : 0;
    return written;
}

std::vector<TaskRecord> SqliteJournal::tasks()
{
    std::vector<TaskRecord> tasks;
    std::string error;
    Database *db = open(false, error);
    if (!db)
        return tasks;
    sqlite3_stmt *query = db->allTasks.get();
    while (sqlite3_step(query) == SQLITE_ROW) {
        TaskRecord &task = tasks.emplace_back();
        task.started = columnText(query, 0);
        task.ended = columnText(query, 1);
        task.number = sqlite3_column_int(query, 2);
        task.text = tidyTaskText(columnText(query, 3)); // older records kept the padding
        task.items = splitItems(columnText(query, 4));
        task.plannedSeconds = sqlite3_column_int(query, 5);
        task.practisedSeconds = sqlite3_column_int(query, 6);
        task.ending = endingFromText(columnText(query, 7));
    }
    sqlite3_reset(query);
    return tasks;
}

std::vector<DayPractice> SqliteJournal::practiceByDay()
{
    std::vector<DayPractice> days;
    std::string error;
    Database *db = open(false, error);
    if (!db)
        return days;
    sqlite3_stmt *query = db->byDay.get();
    while (sqlite3_step(query) == SQLITE_ROW)
        days.push_back({columnText(query, 0), sqlite3_column_int64(query, 1)});
    sqlite3_reset(query);
    return days;
}

std::int64_t SqliteJournal::secondsPractisedOn(const std::string &day)
{
    std::string error;
    Database *db = open(false, error);
    if (!db)
        return 0;
    sqlite3_stmt *query = db->onDay.get();
    bindText(query, 1, day);
    const std::int64_t seconds
        = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int64(query, 0) : 0;
    sqlite3_reset(query);
    return seconds;
}

int SqliteJournal::sessionsCompleted()
{
    std::string error;
    Database *db = open(false, error);
    if (!db)
        return 0;
    sqlite3_stmt *query = db->completed.get();
    const int count = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int(query, 0) : 0;
    sqlite3_reset(query);
    return count;
}

} // namespace tb
