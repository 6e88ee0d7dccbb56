#pragma once

#include "journal/Journal.h"

#include <functional>
#include <string>
#include <string_view>

namespace tb {

// A task text as the journal keeps it: every run of blanks one blank, and no blank at the
// start or end of a line (a list item comes into a text with a blank on either side).
// Line breaks stay as they are.
std::string tidyTaskText(std::string_view text);

// The journal window's columns, left to right.
enum class JournalColumn { Started, Task, Text, Items, Planned, Practised, Ending, Count };

// Writes a task's start ("2026-12-06 14:05:09") as the reader reads dates.
using DateTimeText = std::function<std::string(const std::string &localDateTime)>;

// A cell as the window shows it (UTF-8): the start written by `dates` (as kept when there
// is none), the text on one line, the items joined, the times as minutes and seconds.
std::string cellText(const TaskRecord &task, JournalColumn column, const DateTimeText &dates);

} // namespace tb
