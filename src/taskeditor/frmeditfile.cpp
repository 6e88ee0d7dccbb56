#include "taskeditor/frmeditfile.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "platform/qt/Text.h"
#include "taskeditor/TaskEditorForm.h"
#include "text/Encoding.h"
#include "ui_frmeditfile.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>

#include <algorithm>

namespace tb {
namespace {

// The logic counts the caret in bytes of the text it holds, the line edit in characters
// of the decoded text: UTF-8, or one byte a character for Windows-1252.
int byteOffset(const std::string &bytes, const QString &shown, int index)
{
    if (!isUtf8(bytes))
        return index;
    return static_cast<int>(toFileBytes(shown.left(index)).size());
}

int characterIndex(const std::string &bytes, int offset)
{
    const auto end
        = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(offset, 0)), 0, bytes.size());
    if (!isUtf8(bytes))
        return static_cast<int>(end);
    return static_cast<int>(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(end)).size());
}

} // namespace

frmeditfile::frmeditfile(Program &program, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmeditfile>()), program_(program)
{
    ui->setupUi(this);
    setModal(false);
    layout()->setMenuBar(ui->menubar);

    // The entries that edit at the caret: it is handed to the logic before the binding
    // raises the entry, and put back after the binding has shown the new text.
    QList<QAction *> editing = ui->insertlist->actions();
    editing << ui->insertnote << ui->insertCR << ui->TaskInsertTask << ui->TaskInsertAlt
            << ui->TaskDelete;
    for (QAction *entry : editing)
        connect(entry, &QAction::triggered, this, &frmeditfile::storeSelection);
    new ControlBinding(this, program_, FormId::TaskEditor);
    for (QAction *entry : editing)
        connect(entry, &QAction::triggered, this, &frmeditfile::placeCaret);

    resize(width(), sizeHint().height());
    ui->txtdescription->setFocus();
}

frmeditfile::~frmeditfile() = default;

void frmeditfile::storeSelection()
{
    TaskEditorForm *logic = program_.loadedTaskEditor();
    if (!logic)
        return;
    const QLineEdit *box = ui->txtdescription;
    const std::string &bytes = logic->controls().at("txtdescription").text;
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int end = start + (box->hasSelectedText() ? box->selectionLength() : 0);
    logic->SelStart = byteOffset(bytes, box->text(), start);
    logic->SelLength = byteOffset(bytes, box->text(), end) - logic->SelStart;
}

void frmeditfile::placeCaret()
{
    const TaskEditorForm *logic = program_.loadedTaskEditor();
    if (!logic)
        return;
    const std::string &bytes = logic->controls().at("txtdescription").text;
    ui->txtdescription->setCursorPosition(characterIndex(bytes, logic->SelStart));
    ui->txtdescription->setFocus();
}

void frmeditfile::reject()
{
    ui->cmdcancel->click();
}

void frmeditfile::closeEvent(QCloseEvent *event)
{
    if (!program_.loadedTaskEditor()) {
        event->accept();
        return;
    }
    // Closed only through Cancel's own unloading, after its question.
    event->ignore();
    ui->cmdcancel->click();
}

} // namespace tb
