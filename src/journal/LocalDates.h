#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <unordered_map>

namespace tb {

// The journal's local dates and times ("2026-12-06 14:05:09") as the reader's locale writes
// them, in its short formats ("12/6/26 2:05 PM"). A text that is no date stays as it is.
// Each day and minute is written once: years of records hold only a few thousand days.
class LocalDates
{
public:
    explicit LocalDates(const QLocale &locale = QLocale());

    // "2026-12-06" as a date.
    QString day(const std::string &isoDay) const;
    // "2026-12-06 14:05[:09]" as a date and a time to the minute.
    std::string dateTime(const std::string &localDateTime);

private:
    QLocale locale_;
    std::unordered_map<std::string, std::string> days_;
    std::unordered_map<std::string, std::string> times_;
};

} // namespace tb
