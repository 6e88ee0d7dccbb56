#include "journal/JournalTableModel.h"

#include "journal/JournalView.h"

#include <QStringList>

namespace tb {
namespace {

QString minutesAndSeconds(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString endingText(TaskEnding ending)
{
    switch (ending) {
    case TaskEnding::TimeUp:
        return QStringLiteral("Time up");
    case TaskEnding::Skipped:
        return QStringLiteral("Skipped");
    case TaskEnding::Stopped:
        return QStringLiteral("Stopped");
    }
    return {};
}

} // namespace

JournalTableModel::JournalTableModel(ViewSource view, QObject *parent)
    : QAbstractTableModel(parent), view_(std::move(view))
{
}

int JournalTableModel::rowCount(const QModelIndex &parent) const
{
    const JournalView *logic = view_();
    return parent.isValid() || !logic ? 0 : static_cast<int>(logic->shownCount());
}

int JournalTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalTableModel::data(const QModelIndex &index, int role) const
{
    const JournalView *logic = view_();
    // Asked before the model was told of new rows: there is nothing sure to show.
    if (!logic || !index.isValid() || static_cast<std::size_t>(index.row()) >= logic->shownCount())
        return {};
    const TaskRecord &task = logic->shownTask(static_cast<std::size_t>(index.row()));
    if (role == Qt::TextAlignmentRole)
        return index.column() == Task || index.column() == Planned || index.column() == Practised
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Started:
        return QString::fromStdString(task.started);
    case Task:
        return task.number;
    case Text: {
        QString text
            = QString::fromUtf8(task.text.data(), static_cast<qsizetype>(task.text.size()));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // One line in the table; the tool tip shows the lines as they were.
        if (role == Qt::DisplayRole)
            text.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        return text;
    }
    case Items: {
        QStringList items;
        for (const std::string &item : task.items)
            items << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
        return items.join(QStringLiteral("; "));
    }
    case Planned:
        return minutesAndSeconds(task.plannedSeconds);
    case Practised:
        return minutesAndSeconds(task.practisedSeconds);
    case Ending:
        return endingText(task.ending);
    default:
        return {};
    }
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Started:
        return QStringLiteral("Started");
    case Task:
        return QStringLiteral("Task");
    case Text:
        return QStringLiteral("Text");
    case Items:
        return QStringLiteral("List items");
    case Planned:
        return QStringLiteral("Planned");
    case Practised:
        return QStringLiteral("Practised");
    case Ending:
        return QStringLiteral("Ended by");
    default:
        return {};
    }
}

} // namespace tb
