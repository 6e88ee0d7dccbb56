#include "journal/JournalTableModel.h"

#include "journal/JournalView.h"

namespace tb {

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
    return parent.isValid() ? 0 : static_cast<int>(JournalColumn::Count);
}

QVariant JournalTableModel::data(const QModelIndex &index, int role) const
{
    const JournalView *logic = view_();
    // Asked before the model was told of new rows: there is nothing sure to show.
    if (!logic || !index.isValid() || static_cast<std::size_t>(index.row()) >= logic->shownCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<JournalColumn>(index.column());
    if (role == Qt::TextAlignmentRole)
        return column == JournalColumn::Task || column == JournalColumn::Planned
                || column == JournalColumn::Practised
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant();
    if (role == Qt::ToolTipRole && column == JournalColumn::Text) {
        // The lines as they were; the table shows them on one line.
        const std::string &text = logic->shownTask(row).text;
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const std::string cell = logic->shownCell(row, column);
    return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<JournalColumn>(section)) {
    case JournalColumn::Started:
        return tr("Started");
    case JournalColumn::Task:
        return tr("Task");
    case JournalColumn::Text:
        return tr("Text");
    case JournalColumn::Items:
        return tr("List items");
    case JournalColumn::Planned:
        return tr("Planned");
    case JournalColumn::Practised:
        return tr("Practised");
    case JournalColumn::Ending:
        return tr("Ended by");
    case JournalColumn::Count:
        break;
    }
    return {};
}

} // namespace tb
