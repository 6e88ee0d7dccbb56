#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

// A moment as local date and time text that reads back as a date: "2026-12-06 14:05:09".
std::string dateTimeText(std::int64_t secondsSinceEpoch);

// True when `text` holds a valid calendar date in one of the common forms, optionally
// followed by a time: 2026-12-06, 2026/12/06, 06.12.2026, 12/6/2026 (or 6/12/2026),
// each with an optional "HH:MM[:SS]" (and AM/PM) after a blank or "T".
bool isValidDateText(std::string_view text);

} // namespace tb
