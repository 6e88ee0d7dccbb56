#pragma once

#include "journal/Journal.h"

#include <memory>
#include <string>

namespace tb {

// Where the journal lives: "$XDG_DATA_HOME/Tallybell/journal.sqlite", by default under
// "~/.local/share". A relative XDG_DATA_HOME is ignored. Empty when neither is known.
std::string journalPath(const char *xdgDataHome, const char *home);

// The journal in an SQLite file with write-ahead logging: a write is one transaction, so
// that a crash or a kill at any moment leaves the records before it whole.
//
// The file is opened at the first use. Reads of a file that does not exist yet answer an
// empty journal and create nothing; the first write creates the file and, with mode 0700,
// its folder. A journal that could not be opened is tried again at the next use.
class SqliteJournal final : public Journal
{
public:
    // The version of the file's layout (PRAGMA user_version) this program writes.
    // 1: task and session tables. 2: each task's local day, indexed, for the statistics.
    static constexpr int kSchemaVersion = 2;

    explicit SqliteJournal(std::string path);
    ~SqliteJournal() override;
    SqliteJournal(const SqliteJournal &) = delete;
    SqliteJournal &operator=(const SqliteJournal &) = delete;

    std::string location() const override { return path_; }
    JournalWrite addTask(const TaskRecord &task) override;
    JournalWrite addSession(const SessionRecord &session) override;
    std::uint64_t revision() const override { return revision_; }
    std::vector<TaskRecord> tasks() override;
    std::vector<DayPractice> practiceByDay() override;
    std::int64_t secondsPractisedOn(const std::string &day) override;
    int sessionsCompleted() override;

private:
    struct Database;
    // Opens the file (creating it when `create`); on failure `error` says why.
    Database *open(bool create, std::string &error);

    std::string path_;
    std::unique_ptr<Database> db_;
    std::uint64_t revision_ = 0;
};

} // namespace tb
