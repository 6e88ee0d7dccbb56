#pragma once

#include <string>
#include <string_view>

namespace tb {

// A task text as the journal keeps it: every run of blanks one blank, and no blank at the
// start or end of a line (a list item comes into a text with a blank on either side).
// Line breaks stay as they are.
std::string tidyTaskText(std::string_view text);

} // namespace tb
