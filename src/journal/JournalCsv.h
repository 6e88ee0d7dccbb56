#pragma once

#include "journal/Journal.h"

#include <string>
#include <vector>

namespace tb {

// The tasks as comma-separated values (RFC 4180): one header row, then one row per task;
// every field quoted, quotes doubled, line breaks inside a text kept as they are, rows
// ended by CR LF. The bytes are UTF-8 as the journal keeps them, without a byte order mark.
std::string tasksAsCsv(const std::vector<const TaskRecord *> &tasks);

} // namespace tb
