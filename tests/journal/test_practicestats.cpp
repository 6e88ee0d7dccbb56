#include "journal/PracticeStats.h"
#include "journal/SqliteJournal.h"
#include "settings/DateText.h"
#include "support/TempDir.h"

#include <ctime>
#include <gtest/gtest.h>
#include <stdlib.h>

using namespace tb;
using tb::test::TempDir;

namespace {

// A moment given in UTC, so that the test says exactly which instant it means.
std::int64_t utc(int y, int m, int d, int h, int min)
{
    std::tm t {};
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = min;
    return timegm(&t);
}

// Practice is counted on the local day of Berlin, where the clocks change twice a year.
class PracticeStatsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char *tz = std::getenv("TZ"))
            savedTz_ = tz;
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
    }
    void TearDown() override
    {
        if (savedTz_)
            ::setenv("TZ", savedTz_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    // Records a task of `seconds` begun at each moment, then sums up as seen at `now`.
    PracticeSummary practise(const std::vector<std::pair<std::int64_t, int>> &tasks,
                             std::int64_t now)
    {
        TempDir dir;
        SqliteJournal journal(dir.file("j.sqlite"));
        for (const auto &[moment, seconds] : tasks) {
            TaskRecord task;
            task.started = dateTimeText(moment);
            task.ended = dateTimeText(moment + seconds);
            task.practisedSeconds = seconds;
            EXPECT_TRUE(journal.addTask(task).ok);
        }
        days = journal.practiceByDay();
        return summarisePractice(days, localDay(now));
    }

    std::vector<DayPractice> days;

private:
    std::optional<std::string> savedTz_;
};

TEST_F(PracticeStatsTest, StreaksCountLocalCalendarDays)
{
    struct Case {
        const char *what;
        std::vector<std::pair<std::int64_t, int>> tasks;
        std::int64_t now;
        int current;
        int longest;
    };
    const Case cases[] = {
        {"a session across midnight makes two days",
         {{utc(2026, 1, 9, 22, 50), 600}, {utc(2026, 1, 9, 23, 5), 600}}, // 23:50, 00:05 CET
         utc(2026, 1, 10, 11, 0),
         2,
         2},
        {"a missed day breaks the streak",
         {{utc(2026, 1, 5, 9, 0), 60},
          {utc(2026, 1, 6, 9, 0), 60},
          {utc(2026, 1, 7, 9, 0), 60},
          {utc(2026, 1, 9, 9, 0), 60}},
         utc(2026, 1, 9, 20, 0),
         1,
         3},
        {"yesterday's practice keeps today open",
         {{utc(2026, 1, 8, 9, 0), 60}, {utc(2026, 1, 9, 9, 0), 60}},
         utc(2026, 1, 10, 22, 59),
         2,
         2},
        {"two days without practice end it",
         {{utc(2026, 1, 8, 9, 0), 60}, {utc(2026, 1, 9, 9, 0), 60}},
         utc(2026, 1, 10, 23, 0),
         0,
         2},
        {"a task with no practised seconds is no practice",
         {{utc(2026, 1, 8, 9, 0), 60}, {utc(2026, 1, 9, 9, 0), 0}},
         utc(2026, 1, 9, 12, 0),
         1,
         1},
        {"the night the clocks go forward",
         // 23:30 CET on the 27th and 28th, 23:30 CEST on the 29th; now 00:10 CEST on the 30th.
         {{utc(2026, 3, 27, 22, 30), 60},
          {utc(2026, 3, 28, 22, 30), 60},
          {utc(2026, 3, 29, 21, 30), 60}},
         utc(2026, 3, 29, 22, 10),
         3,
         3},
        {"the night the clocks go back",
         // 00:30 CEST on the 24th and 25th, 00:30 CET on the 26th; now 23:45 CET on the 26th.
         {{utc(2026, 10, 23, 22, 30), 60},
          {utc(2026, 10, 24, 22, 30), 60},
          {utc(2026, 10, 25, 23, 30), 60}},
         utc(2026, 10, 26, 22, 45),
         3,
         3},
    };
    for (const Case &c : cases) {
        const PracticeSummary summary = practise(c.tasks, c.now);
        EXPECT_EQ(summary.currentStreak, c.current) << c.what;
        EXPECT_EQ(summary.longestStreak, c.longest) << c.what;
    }
}

TEST_F(PracticeStatsTest, WeekFromMondayMonthFromTheFirstAndTheLastThirtyDays)
{
    // Wednesday, 14 January 2026, in the evening.
    const std::int64_t now = utc(2026, 1, 14, 19, 0);
    const PracticeSummary summary = practise({{utc(2025, 12, 31, 12, 0), 300},
                                              {utc(2026, 1, 11, 12, 0), 600}, // Sunday
                                              {utc(2026, 1, 12, 12, 0), 900}, // Monday
                                              {utc(2026, 1, 14, 8, 0), 1200},
                                              {utc(2026, 1, 14, 18, 0), 29},
                                              {utc(2026, 1, 20, 12, 0), 999}}, // clock set back
                                             now);
    EXPECT_EQ(minutesOf(summary.todaySeconds), 20);
    EXPECT_EQ(minutesOf(summary.weekSeconds), 35); // 2129 s
    EXPECT_EQ(minutesOf(summary.monthSeconds), 45); // 2729 s
    EXPECT_EQ(summary.longestStreak, 2);

    const std::vector<DayPractice> recent = recentDays(days, localDay(now), 30);
    ASSERT_EQ(recent.size(), 30u);
    EXPECT_EQ(recent.front(), (DayPractice {"2025-12-16", 0}));
    EXPECT_EQ(recent[15], (DayPractice {"2025-12-31", 300}));
    EXPECT_EQ(recent.back(), (DayPractice {"2026-01-14", 1229}));
}

} // namespace
