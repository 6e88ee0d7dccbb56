#pragma once

#include "journal/Journal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tb {

// The local day of a moment: "2026-12-06".
std::string localDay(std::int64_t secondsSinceEpoch);

// Whole minutes, rounded to the nearest.
std::int64_t minutesOf(std::int64_t seconds);

struct PracticeSummary {
    // Consecutive days with practice up to today, or up to yesterday while today is still
    // open; 0 when the last practice is older.
    int currentStreak = 0;
    int longestStreak = 0;
    std::int64_t todaySeconds = 0;
    std::int64_t weekSeconds = 0; // from Monday
    std::int64_t monthSeconds = 0; // from the first of the month

    bool operator==(const PracticeSummary &) const = default;
};

// Summarises `days` (oldest first, as the journal gives them) as seen on the local day
// `today`. The days are calendar days: a day of 23 or 25 hours is one day like any other.
// Days after `today` (a clock set back) count nowhere.
PracticeSummary summarisePractice(const std::vector<DayPractice> &days, const std::string &today);

// The `count` days up to and including `today`, oldest first, each with its seconds.
std::vector<DayPractice> recentDays(const std::vector<DayPractice> &days, const std::string &today,
                                    int count);

// The marks of a scale of minutes, from 0 up to a top at or above `mostMinutes`, in at most
// `mostSteps` equal steps of a round size: 5, 10, 15 or 30 minutes, or 1, 2 or 5 times a
// power of ten hours. The smallest step that fits is taken.
std::vector<std::int64_t> scaleMarks(std::int64_t mostMinutes, int mostSteps);

} // namespace tb
