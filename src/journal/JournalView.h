#pragma once

#include "journal/Journal.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tb {

// What the journal window's table and chart show: the tasks the search lets through,
// newest first, and the minutes of the last days.
class JournalView
{
public:
    virtual ~JournalView() = default;

    virtual std::size_t shownCount() const = 0;
    virtual const TaskRecord &shownTask(std::size_t row) const = 0;
    // The last days up to today, oldest first.
    virtual const std::vector<DayPractice> &chartDays() const = 0;
    // Moves on whenever other rows or days are shown.
    virtual std::uint64_t shownVersion() const = 0;
};

} // namespace tb
