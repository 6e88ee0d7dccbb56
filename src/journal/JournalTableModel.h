#pragma once

#include <QAbstractTableModel>

#include <functional>

namespace tb {

class JournalView;

// The journal window's tasks as a table. The rows and their cells' texts are the journal
// window's logic's: the model only shows them and is told (`showAfresh`) when the logic has
// chosen other rows. `view` gives the rows, or null once the window's logic is gone.
class JournalTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    using ViewSource = std::function<const JournalView *()>;
    explicit JournalTableModel(ViewSource view, QObject *parent = nullptr);

    // Shows the rows again, after `change` (which may be empty) has changed them.
    template<typename F> void showAfresh(F change)
    {
        beginResetModel();
        change();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ViewSource view_;
};

} // namespace tb
