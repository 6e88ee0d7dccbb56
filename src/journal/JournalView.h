#pragma once

#include "journal/Journal.h"
#include "journal/JournalText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tb {

// What the journal window's table and chart show: the tasks the search lets through,
// newest first, and the minutes of the last days. The window tells how it writes dates, so
// that the search reads every cell as the table shows it.
class JournalView
{
public:
    virtual ~JournalView() = default;

    virtual std::size_t shownCount() const = 0;
    virtual const TaskRecord &shownTask(std::size_t row) const = 0;
    // A cell of a shown task as the table shows it.
    virtual std::string shownCell(std::size_t row, JournalColumn column) const = 0;
    // The last days up to today, oldest first.
    virtual const std::vector<DayPractice> &chartDays() const = 0;
    // Moves on whenever other rows or days are shown, or the rows are written otherwise.
    virtual std::uint64_t shownVersion() const = 0;

    virtual void showDatesAs(DateTimeText dates) = 0;
};

} // namespace tb
