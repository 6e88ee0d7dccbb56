#include "lists/frmeditsonglist.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "lists/ListEditorForm.h"
#include "ui_frmeditsonglist.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>

#include <algorithm>

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

frmeditsonglist::frmeditsonglist(Program &program, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmeditsonglist>()), program_(program)
{
    ui->setupUi(this);
    setModal(false);
    layout()->setMenuBar(ui->editorMenuBar);
    ui->cmdAdd->setIcon(QIcon(QStringLiteral(":/icons/add.svg")));
    ui->cmdDelete->setIcon(QIcon(QStringLiteral(":/icons/delete.svg")));
    ui->Image1->setPixmap(
        QIcon(QStringLiteral(":/icons/listeditor.svg")).pixmap(ui->Image1->maximumSize()));

    new ControlBinding(this, program_, FormId::ListEditor);
    // The binding shows changed items afresh; an edit must not throw the view back to the
    // top of a long list.
    QListWidget *list = ui->Listsongtitles;
    if (ListEditorForm *logic = program_.loadedListEditor())
        rowsOfList_ = logic->shownList();
    connect(list->model(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this, list] { topRow_ = list->indexAt(QPoint(0, 0)).row(); });
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this, list] {
        ListEditorForm *logic = program_.loadedListEditor();
        const int shown = logic ? logic->shownList() : 0;
        if (shown == rowsOfList_ && topRow_ > 0)
            list->scrollToItem(list->item(std::min(topRow_, list->count() - 1)),
                               QAbstractItemView::PositionAtTop);
        rowsOfList_ = shown;
        keepCurrentRow(list);
    });
    keepCurrentRow(list);
    // Connected after the binding, so it runs once the click has been handled.
    connect(ui->cmdAdd, &QAbstractButton::clicked, this, &frmeditsonglist::applyFocusRequest);

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
    // A key travels from the focused widget up to its parents: take it at the first.
    QWidget *first = QApplication::focusWidget();
    if (watched != (first && first->window() == this ? first : this))
        return false;
    int code = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = ListEditorForm::vbKeyReturn;
        break;
    case Qt::Key_Delete:
        code = ListEditorForm::vbKeyDelete;
        break;
    default:
        return false;
    }
    if (ListEditorForm *logic = program_.loadedListEditor()) {
        logic->Form_KeyDown(code);
        program_.afterEvent();
        applyFocusRequest();
    }
    return false; // the focused control has the key as well
}

void frmeditsonglist::applyFocusRequest()
{
    ListEditorForm *logic = program_.loadedListEditor();
    if (!logic)
        return;
    const std::string name = logic->takeFocusRequest();
    if (name.empty())
        return;
    if (auto *widget = findChild<QWidget *>(QString::fromStdString(name)))
        widget->setFocus();
}

// Escape is the close box.
void frmeditsonglist::reject()
{
    close();
}

void frmeditsonglist::closeEvent(QCloseEvent *event)
{
    ListEditorForm *logic = program_.loadedListEditor();
    const bool keepOpen = logic && logic->Form_QueryUnload();
    program_.afterEvent();
    if (keepOpen) {
        event->ignore();
        return;
    }
    event->accept();
    program_.unload(FormId::ListEditor);
}

} // namespace tb
