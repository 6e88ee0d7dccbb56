#pragma once

#include "app/WindowHost.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace tb {

class Program;
class frmmain;

// The windows of the program: made when the core object opens them, destroyed when it
// closes them. The dialogs stay above the main window and are never modal.
class QtWindows final : public WindowHost
{
public:
    QtWindows(Program &program, frmmain &main);
    ~QtWindows() override;

    void open(FormId form) override;
    void close(FormId form) override;
    void update(bool now) override;

    // The open window of `form`, or null.
    QWidget *window(FormId form) const;

private:
    QWidget *make(FormId form);
    static void keepOnScreen(QWidget *window);

    Program &program_;
    frmmain &main_;
    std::map<FormId, QPointer<QWidget>> windows_;
};

} // namespace tb
