#pragma once

#include <QApplication>

namespace tb {

class MessageBox;

// The program's application object. An exception that escapes an event handler is shown
// in a message and the program goes on, instead of ending it and the session with it.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    // Where unexpected errors are shown; until set, they are swallowed silently.
    void setMessages(MessageBox *messages) { messages_ = messages; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void report(const char *what);

    MessageBox *messages_ = nullptr;
    bool reporting_ = false;
};

} // namespace tb
