#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// How a task came to its end.
enum class TaskEnding { TimeUp, Skipped, Stopped };

// "time up", "skipped", "stopped": as the journal keeps it and the export shows it.
std::string_view taskEndingText(TaskEnding ending);

// One task as it was practised. Times are local date and time text, "2026-12-06 14:05:09".
struct TaskRecord {
    std::string started;
    std::string ended;
    int number = 0;
    std::string text; // as shown, blanks tidied (tidyTaskText): UTF-8, line breaks as CR LF
    std::vector<std::string> items; // the list items the text used
    int plannedSeconds = 0;
    int practisedSeconds = 0; // pauses not counted
    TaskEnding ending = TaskEnding::TimeUp;

    bool operator==(const TaskRecord &) const = default;
};

// One session from Start to its last task or to Stop.
struct SessionRecord {
    std::string started;
    std::string ended;
    std::string taskList;
    bool completed = false;
};

// The seconds practised on one local day ("2026-12-06"), by the day each task started.
struct DayPractice {
    std::string day;
    std::int64_t seconds = 0;

    bool operator==(const DayPractice &) const = default;
};

struct JournalWrite {
    bool ok = false;
    std::string errorText; // the reason, when not ok
};

// The practice journal: what was practised, kept across runs. Reads that fail answer as an
// empty journal; writes say why they failed, and a failed write changes nothing.
class Journal
{
public:
    virtual ~Journal() = default;

    // The file the journal lives in, as the user is told when it cannot be written.
    virtual std::string location() const = 0;

    virtual JournalWrite addTask(const TaskRecord &task) = 0;
    virtual JournalWrite addSession(const SessionRecord &session) = 0;
    // Moves on with every record written: what was read before may be out of date.
    virtual std::uint64_t revision() const = 0;

    // Every task, the latest start first: a task recorded late sorts by when it started.
    virtual std::vector<TaskRecord> tasks() = 0;
    // The days with practice, oldest first.
    virtual std::vector<DayPractice> practiceByDay() = 0;
    virtual std::int64_t secondsPractisedOn(const std::string &day) = 0;
    virtual int sessionsCompleted() = 0;
};

} // namespace tb
