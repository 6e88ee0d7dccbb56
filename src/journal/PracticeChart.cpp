#include "journal/PracticeChart.h"

#include "journal/LocalDates.h"
#include "journal/PracticeStats.h"
#include "platform/Translator.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace tb {
namespace {

QString minutesText(std::int64_t minutes)
{
    return PracticeChart::tr("%1 min").arg(minutes);
}

// The marks of the minute scale beside a plot `height` pixels high: a line of text apart.
std::vector<std::int64_t> scale(const std::vector<DayPractice> &days, int height,
                                const QFontMetrics &metrics)
{
    std::int64_t most = 0;
    for (const DayPractice &day : days)
        most = std::max(most, minutesOf(day.seconds));
    return scaleMarks(most, std::min(4, height / (metrics.height() + 4)));
}

} // namespace

PracticeChart::PracticeChart(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PracticeChart::setDays(const std::vector<DayPractice> &days)
{
    days_ = days;
    const LocalDates dates(locale());
    marks_.clear();
    for (std::size_t i = 0; i < days_.size(); ++i)
        marks_ << ((days_.size() - 1 - i) % 7 == 0 ? dates.day(days_[i].day) : QString());
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
    QRect plot = rect().adjusted(0, metrics.height() / 2, -4, -metrics.height() - 6);
    int widest = 0;
    for (const std::int64_t minutes : scale(days_, plot.height(), metrics))
        widest = std::max(widest, metrics.horizontalAdvance(minutesText(minutes)));
    plot.setLeft(widest + 6);
    return plot;
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
    QColor grid = colours.color(QPalette::WindowText);
    grid.setAlphaF(0.25f);

    // The scale: round minutes with a faint line across, as many as there is room for.
    const QFontMetrics metrics = fontMetrics();
    const std::vector<std::int64_t> marks = scale(days_, plot.height(), metrics);
    const std::int64_t top = marks.back();
    for (const std::int64_t minutes : marks) {
        const int y
            = plot.bottom() - static_cast<int>(static_cast<qint64>(plot.height()) * minutes / top);
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, minutesText(minutes));
    }
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    const int count = static_cast<int>(days_.size());
    const auto barLeft = [&](int i) { return plot.left() + plot.width() * i / count; };
    for (int i = 0; i < count; ++i) {
        const int x0 = barLeft(i);
        const int x1 = barLeft(i + 1);
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
    }

    // The dates under their bars, from today back; one that would touch the last written
    // is left out.
    int free = rect().right();
    for (int i = count - 1; i >= 0; --i) {
        const QString &mark = marks_[i];
        const int width = metrics.horizontalAdvance(mark);
        const int left = std::max(
            plot.left(), std::min((barLeft(i) + barLeft(i + 1) - width) / 2, free - width));
        if (mark.isEmpty() || left + width > free)
            continue;
        painter.drawText(QRect(left, plot.bottom() + 4, width, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, mark);
        free = left - metrics.horizontalAdvance(QStringLiteral("  "));
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
            QString::fromStdString(trText("PracticeChart", "%1: %n minute(s)", nullptr, minutes))
                .arg(LocalDates(locale()).day(day.day)),
            this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace tb
