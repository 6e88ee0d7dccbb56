#include "journal/PracticeStats.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>

namespace tb {
namespace {

using std::chrono::sys_days;

std::optional<sys_days> parseDay(std::string_view text)
{
    // "YYYY-MM-DD" and nothing else.
    const auto number = [&](std::size_t from, std::size_t digits, int &value) {
        const char *end = text.data() + from + digits;
        return std::from_chars(text.data() + from, end, value).ptr == end;
    };
    int y = 0;
    int m = 0;
    int d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !number(0, 4, y)
        || !number(5, 2, m) || !number(8, 2, d) || m < 1 || d < 1)
        return std::nullopt;
    const std::chrono::year_month_day date {std::chrono::year(y),
                                            std::chrono::month(static_cast<unsigned>(m)),
                                            std::chrono::day(static_cast<unsigned>(d))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date);
}

std::string dayText(sys_days day)
{
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

} // namespace

std::string localDay(std::int64_t secondsSinceEpoch)
{
    const auto moment = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local {};
    if (!localtime_r(&moment, &local))
        return {};
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::int64_t minutesOf(std::int64_t seconds)
{
    return (seconds + 30) / 60;
}

PracticeSummary summarisePractice(const std::vector<DayPractice> &days, const std::string &today)
{
    PracticeSummary summary;
    const std::optional<sys_days> now = parseDay(today);
    if (!now)
        return summary;
    const std::chrono::year_month_day date(*now);
    const sys_days monday = *now - (std::chrono::weekday(*now) - std::chrono::Monday);
    const sys_days first = sys_days(date.year() / date.month() / 1);

    std::map<sys_days, std::int64_t> practised;
    for (const DayPractice &day : days)
        if (const auto parsed = parseDay(day.day); parsed && *parsed <= *now && day.seconds > 0)
            practised[*parsed] += day.seconds;

    std::optional<sys_days> previous;
    int run = 0;
    for (const auto &[day, seconds] : practised) {
        run = previous && day - *previous == std::chrono::days(1) ? run + 1 : 1;
        previous = day;
        summary.longestStreak = std::max(summary.longestStreak, run);
        if (day >= monday)
            summary.weekSeconds += seconds;
        if (day >= first)
            summary.monthSeconds += seconds;
        if (day == *now)
            summary.todaySeconds = seconds;
    }
    if (previous && *now - *previous <= std::chrono::days(1))
        summary.currentStreak = run;
    return summary;
}

std::vector<DayPractice> recentDays(const std::vector<DayPractice> &days, const std::string &today,
                                    int count)
{
    std::vector<DayPractice> recent;
    const std::optional<sys_days> now = parseDay(today);
    if (!now || count <= 0)
        return recent;
    const sys_days first = *now - std::chrono::days(count - 1);
    std::map<sys_days, std::int64_t> practised;
    for (const DayPractice &day : days)
        if (const auto parsed = parseDay(day.day); parsed && *parsed >= first && *parsed <= *now)
            practised[*parsed] += day.seconds;
    for (sys_days day = first; day <= *now; day += std::chrono::days(1)) {
        const auto it = practised.find(day);
        recent.push_back({dayText(day), it != practised.end() ? it->second : 0});
    }
    return recent;
}

std::vector<std::int64_t> scaleMarks(std::int64_t mostMinutes, int mostSteps)
{
    const std::int64_t most = std::max<std::int64_t>(mostMinutes, 1);
    const std::int64_t steps = std::max(mostSteps, 1);
    const auto fits = [&](std::int64_t step) { return (most - 1) / step < steps; };
    std::int64_t step = 0;
    for (const std::int64_t minutes : {5, 10, 15, 30})
        if (!step && fits(minutes))
            step = minutes;
    for (std::int64_t hour = 60; !step; hour *= 10)
        for (const std::int64_t times : {1, 2, 5})
            if (!step && fits(hour * times))
                step = hour * times;
    std::vector<std::int64_t> marks {0};
    while (marks.back() < most)
        marks.push_back(marks.back() + step);
    return marks;
}

} // namespace tb
