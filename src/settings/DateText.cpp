#include "settings/DateText.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <vector>

namespace tb {
namespace {

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool validDay(int y, int m, int d)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    return d <= days[m - 1] + ((m == 2 && isLeap(y)) ? 1 : 0);
}

// Splits "12/06/2026" into its numbers and the separators between them.
bool splitNumbers(std::string_view text, std::vector<int> &numbers, std::string &separators)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        int value = 0;
        std::size_t digits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            if (++digits > 4)
                return false;
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        numbers.push_back(value);
        if (i < text.size())
            separators += text[i++];
    }
    return !numbers.empty() && separators.size() + 1 == numbers.size();
}

bool validTime(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return true;
    bool twelveHour = false;
    if (text.size() >= 2) {
        const std::string_view tail = text.substr(text.size() - 2);
        if (tail == "AM" || tail == "PM" || tail == "am" || tail == "pm") {
            twelveHour = true;
            text.remove_suffix(2);
            while (!text.empty() && text.back() == ' ')
                text.remove_suffix(1);
        }
    }
    std::vector<int> parts;
    std::string separators;
    if (!splitNumbers(text, parts, separators) || parts.size() < 2 || parts.size() > 3)
        return false;
    for (char c : separators)
        if (c != ':')
            return false;
    const int maxHour = twelveHour ? 12 : 23;
    return parts[0] <= maxHour && (!twelveHour || parts[0] >= 1) && parts[1] <= 59
        && (parts.size() < 3 || parts[2] <= 59);
}

} // namespace

std::string dateTimeText(std::int64_t secondsSinceEpoch)
{
    const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local {};
    localtime_r(&t, &local);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return buffer;
}

bool isValidDateText(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    const std::size_t cut = text.find_first_of(" T");
    const std::string_view date = text.substr(0, cut);
    if (cut != std::string_view::npos && !validTime(text.substr(cut + 1)))
        return false;

    std::vector<int> n;
    std::string sep;
    if (!splitNumbers(date, n, sep) || n.size() != 3 || sep[0] != sep[1])
        return false;
    const char s = sep[0];
    if (s != '-' && s != '/' && s != '.')
        return false;
    if (validDay(n[0], n[1], n[2]) && date.find_first_of("-/.") == 4)
        return true; // year first
    if (s == '-')
        return false;
    // Day or month first, as the desktop's locale may have written it.
    return validDay(n[2], n[1], n[0]) || validDay(n[2], n[0], n[1]);
}

} // namespace tb
