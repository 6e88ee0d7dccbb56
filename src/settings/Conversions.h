#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

// Numbers and truth values are kept as text in the settings file and the list state.

// The leading number of `text` (leading blanks and tabs skipped; a sign, a decimal point
// and an exponent are accepted), rounded to the nearest whole number with halves going to
// the even neighbour. Text that does not begin with a number reads as 0. Values beyond the
// 16-bit range are clamped to -32768 or 32767 instead of failing.
std::int16_t textToNumber(std::string_view text);

// The same number without the 16-bit clamp (for sums that must not overflow).
double textToDouble(std::string_view text);

// True when `text` begins with a number (after blanks), as textToNumber would read it.
bool beginsWithNumber(std::string_view text);

// "True" and "False" in any letter case, or a number (0 is false, any other true).
// Any other text reads as false.
bool textToBool(std::string_view text);

std::string numberToText(long long value);
std::string boolToText(bool value);

} // namespace tb
