#include "lists/frmeditsonglist.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"

namespace tb {

frmeditsonglist::frmeditsonglist(Program &program, QWidget *parent)
    : QDialog(parent), program_(program)
{
    setObjectName(QStringLiteral("frmeditsonglist"));
    new ControlBinding(this, program_, FormId::ListEditor);
}

} // namespace tb
