#include "settings/Conversions.h"

#include "text/Ascii.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace tb {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The longest prefix of `text` that forms a decimal number: [sign] digits [. digits]
// [e [sign] digits], with at least one digit in the mantissa. `rest` receives what follows
// the number.
std::optional<double> leadingNumber(std::string_view text, std::string_view *rest = nullptr)
{
    text = skipBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    std::size_t end = i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            end = j;
        } else {
            negativeExponent = false;
        }
    }
    double value = 0;
    const char *first = text.data() + mantissaStart;
    const auto [ptr, ec] = std::from_chars(first, text.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // Beyond what a double holds: the 16-bit clamp decides anyway.
        value = negativeExponent ? 0.0 : HUGE_VAL;
    } else if (ec != std::errc() || ptr == first) {
        return std::nullopt;
    }
    if (rest)
        *rest = text.substr(end);
    return negative ? -value : value;
}

} // namespace

double textToDouble(std::string_view text)
{
    return leadingNumber(text).value_or(0.0);
}

bool beginsWithNumber(std::string_view text)
{
    return leadingNumber(text).has_value();
}

std::int16_t textToNumber(std::string_view text)
{
    const double value = textToDouble(text);
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(std::clamp(value, -32768.0, 32767.0));
    return static_cast<std::int16_t>(rounded);
}

bool textToBool(std::string_view text)
{
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (equalsIgnoringAsciiCase(text, "true"))
        return true;
    if (equalsIgnoringAsciiCase(text, "false"))
        return false;
    // Only a text that is a number as a whole is one: "1abc" is other text.
    std::string_view rest;
    if (const auto number = leadingNumber(text, &rest); number && rest.empty())
        return *number != 0.0;
    return false;
}

std::string numberToText(long long value)
{
    return std::to_string(value);
}

std::string boolToText(bool value)
{
    return value ? "True" : "False";
}

} // namespace tb
