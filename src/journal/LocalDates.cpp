#include "journal/LocalDates.h"

#include <QDate>
#include <QTime>

namespace tb {

LocalDates::LocalDates(const QLocale &locale) : locale_(locale)
{
}

QString LocalDates::day(const std::string &isoDay) const
{
    const QString text = QString::fromStdString(isoDay);
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return text.size() == 10 && date.isValid() ? locale_.toString(date, QLocale::ShortFormat)
                                               : text;
}

std::string LocalDates::dateTime(const std::string &localDateTime)
{
    if (localDateTime.size() < 16 || localDateTime[10] != ' ')
        return localDateTime;
    // What is not a date or a time is remembered as empty.
    const std::string dayPart = localDateTime.substr(0, 10);
    auto shownDay = days_.find(dayPart);
    if (shownDay == days_.end()) {
        const QString date = day(dayPart);
        shownDay = days_
                       .emplace(dayPart,
                                date == QString::fromStdString(dayPart) ? std::string()
                                                                        : date.toStdString())
                       .first;
    }
    const std::string minute = localDateTime.substr(11, 5);
    auto shownTime = times_.find(minute);
    if (shownTime == times_.end()) {
        const QTime time
            = QTime::fromString(QString::fromStdString(minute), QStringLiteral("HH:mm"));
        shownTime = times_
                        .emplace(minute,
                                 time.isValid()
                                     ? locale_.toString(time, QLocale::ShortFormat).toStdString()
                                     : std::string())
                        .first;
    }
    if (shownDay->second.empty() || shownTime->second.empty())
        return localDateTime;
    return shownDay->second + ' ' + shownTime->second;
}

} // namespace tb
