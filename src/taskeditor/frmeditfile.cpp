#include "taskeditor/frmeditfile.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"

namespace tb {

frmeditfile::frmeditfile(Program &program, QWidget *parent) : QDialog(parent), program_(program)
{
    setObjectName(QStringLiteral("frmeditfile"));
    new ControlBinding(this, program_, FormId::TaskEditor);
}

} // namespace tb
