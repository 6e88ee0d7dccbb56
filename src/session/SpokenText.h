#pragma once

#include <string>

namespace tb {

// What is said when a task begins: its text as shown, each line break a short pause, then
// how long the task lasts in whole minutes ("Scales in G major, then Romanza. 6 minutes.").
// `shown` is UTF-8 with "\r\n" line breaks; `seconds` is the task's length.
std::string spokenTask(const std::string &shown, int seconds);

// What is said when a session has run to its end.
std::string spokenSessionEnd();

} // namespace tb
