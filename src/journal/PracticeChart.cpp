#include "journal/PracticeChart.h"

#include "journal/PracticeStats.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace tb {
namespace {

// "2026-01-14" as "14.1.": short enough for every week's mark.
QString shortDay(const std::string &day)
{
    QString text = QString::fromStdString(day);
    if (text.size() != 10)
        return text;
    return QString::number(text.mid(8, 2).toInt()) + QLatin1Char('.')
        + QString::number(text.mid(5, 2).toInt()) + QLatin1Char('.');
}

// The top of the scale: the most minutes of a day, rounded up to a quarter hour.
std::int64_t scaleTop(const std::vector<DayPractice> &days)
{
    std::int64_t most = 0;
    for (const DayPractice &day : days)
        most = std::max(most, minutesOf(day.seconds));
    return std::max<std::int64_t>(15, (most + 14) / 15 * 15);
}

} // namespace

PracticeChart::PracticeChart(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PracticeChart::setDays(const std::vector<DayPractice> &days)
{
    days_ = days;
    update();
}

QSize PracticeChart::sizeHint() const
{
    return {480, 140};
}

QSize PracticeChart::minimumSizeHint() const
{
    return {200, 90};
}

QRect PracticeChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("000 min")) + 6;
    return rect().adjusted(left, metrics.height() / 2, -4, -metrics.height() - 6);
}

int PracticeChart::barAt(int x) const
{
    const QRect plot = plotArea();
    if (days_.empty() || x < plot.left() || x > plot.right())
        return -1;
    const int bar = static_cast<int>(static_cast<qint64>(x - plot.left())
                                     * static_cast<qint64>(days_.size()) / plot.width());
    return std::min(bar, static_cast<int>(days_.size()) - 1);
}

void PracticeChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QRect plot = plotArea();
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const std::int64_t top = scaleTop(days_);
    QColor grid = colours.color(QPalette::WindowText);
    grid.setAlphaF(0.25f);

    // The scale: the top and its half, with a faint line across.
    painter.setPen(colours.color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (const std::int64_t minutes : {top, top / 2}) {
        const int y
            = plot.bottom() - static_cast<int>(static_cast<qint64>(plot.height()) * minutes / top);
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(minutes) + QStringLiteral(" min"));
    }
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    const int count = static_cast<int>(days_.size());
    for (int i = 0; i < count; ++i) {
        const int x0 = plot.left() + plot.width() * i / count;
        const int x1 = plot.left() + plot.width() * (i + 1) / count;
        const std::int64_t minutes = minutesOf(days_[static_cast<std::size_t>(i)].seconds);
        const int height
            = static_cast<int>(static_cast<qint64>(plot.height()) * std::min(minutes, top) / top);
        if (height > 0) {
            // Today stands out in the palette's highlight, the other days in a calmer tone.
            QColor bar = colours.color(QPalette::Highlight);
            if (i != count - 1)
                bar.setAlphaF(0.65f);
            painter.fillRect(
                QRect(x0 + 1, plot.bottom() - height + 1, std::max(1, x1 - x0 - 2), height), bar);
        }
        // Every seventh day is named, counting back from today.
        if ((count - 1 - i) % 7 == 0)
            painter.drawText(QRect(x0 - 30, plot.bottom() + 4, (x1 - x0) + 60, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop,
                             shortDay(days_[static_cast<std::size_t>(i)].day));
    }
}

bool PracticeChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int bar = barAt(help->pos().x());
        if (bar < 0) {
            QToolTip::showText(help->globalPos(), toolTip(), this);
            return true;
        }
        const DayPractice &day = days_[static_cast<std::size_t>(bar)];
        const std::int64_t minutes = minutesOf(day.seconds);
        QToolTip::showText(
            help->globalPos(),
            QString::fromStdString(day.day) + QStringLiteral(": ") + QString::number(minutes)
                + (minutes == 1 ? QStringLiteral(" minute") : QStringLiteral(" minutes")),
            this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace tb
