#include "lists/frmeditsonglist.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmeditsonglist.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>

#include <algorithm>
#include <cstdlib>

namespace tb {
namespace {

// A list without a current row makes its first row current when it gets the focus by the
// keyboard, which would copy that item over what the user typed. Setting the (empty)
// current row through the view stops that.
void keepCurrentRow(QListWidget *list)
{
    list->setCurrentIndex(list->currentIndex());
}

} // namespace

frmeditsonglist::frmeditsonglist(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmeditsonglist>()), host_(host)
{
    ui->setupUi(this);
    setModal(false);
    layout()->setMenuBar(ui->editorMenuBar);
    ui->cmdAdd->setIcon(QIcon(QStringLiteral(":/icons/add.svg")));
    ui->cmdDelete->setIcon(QIcon(QStringLiteral(":/icons/delete.svg")));
    ui->Image1->setPixmap(
        QIcon(QStringLiteral(":/icons/listeditor.svg")).pixmap(ui->Image1->maximumSize()));

    binding_ = new ControlBinding(this, host_, FormId::ListEditor);
    // The binding shows changed items afresh; an edit must not throw the view back to the
    // top of a long list.
    QListWidget *list = ui->Listsongtitles;
    rowsOfList_ = shownList();
    connect(list->model(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this, list] { topRow_ = list->indexAt(QPoint(0, 0)).row(); });
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this, list] {
        const int shown = shownList();
        if (shown == rowsOfList_ && topRow_ > 0)
            list->scrollToItem(list->item(std::min(topRow_, list->count() - 1)),
                               QAbstractItemView::PositionAtTop);
        rowsOfList_ = shown;
        keepCurrentRow(list);
    });
    keepCurrentRow(list);

    // The item's actions by keys as well as by mouse: the Menu key and Shift+F10 open them.
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &at) {
        const QListWidgetItem *item = list->currentItem();
        if (!item)
            return;
        QMenu menu(this);
        QAction *current = menu.addAction(tr("Make &current item"));
        current->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
        QAction *remove = menu.addAction(tr("&Delete item"));
        remove->setShortcut(QKeySequence(Qt::Key_Delete));
        // From the keyboard the menu opens at the item, not where the pointer happens to be.
        const QPoint where = list->viewport()->rect().contains(at) && list->itemAt(at) == item
            ? at
            : list->visualItemRect(item).center();
        const QAction *chosen = menu.exec(list->viewport()->mapToGlobal(where));
        if (chosen == current)
            host_.dispatch(FormId::ListEditor, "Listsongtitles", ControlEvent::DblClick);
        else if (chosen == remove)
            host_.dispatch(FormId::ListEditor, "cmdDelete", ControlEvent::Click);
    });

    installEventFilter(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
    ui->txtsongentry->setFocus();
}

frmeditsonglist::~frmeditsonglist()
{
    // The list's model empties itself while the widgets are taken down.
    disconnect(ui->Listsongtitles->model(), nullptr, this, nullptr);
}

bool frmeditsonglist::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!widget || ControlBinding::keyName(key->key()) == Key::Other)
        return false;
    binding_->raiseKeyDown(*key, widget);
    return false; // the focused control has the key as well
}

int frmeditsonglist::shownList()
{
    const Form *logic = host_.form(FormId::ListEditor);
    return logic ? QString::fromStdString(logic->controls().at("lblCurrentListNo").caption).toInt()
                 : 0;
}

// Escape is the close box.
void frmeditsonglist::reject()
{
    close();
}

void frmeditsonglist::closeEvent(QCloseEvent *event)
{
    EventArgs query;
    binding_->raiseWindowEvent(ControlEvent::QueryUnload, query);
    if (query.cancel) {
        event->ignore();
        return;
    }
    event->accept();
    host_.unload(FormId::ListEditor);
}

} // namespace tb
