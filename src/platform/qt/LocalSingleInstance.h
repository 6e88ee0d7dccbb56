#pragma once

#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QSocketNotifier;
class QWidget;

namespace tb {

// One running program per user, over a local socket in a folder only the user may enter.
// The socket is the system's own (a Unix domain socket watched by the event loop): Qt's
// network library, which would bring a dozen libraries more to every start, is not needed
// for one short line each way.
// The first instance listens and greets each connection; a later one connects, and when
// it is greeted, sends a raise request and ends. The first instance then emits
// raiseRequested(), which the main window answers by coming back from the task bar and to
// the front (restoreAndRaise below).
//
// A later start may instead send a command ("command pause"): the first instance answers
// with the handler's exit code on a line of its own and the handler's text, then hangs up.
//
// The socket lives in the user's runtime folder when that is a real folder of the user's
// that nobody else may enter. Otherwise it lives in a folder of its own in /tmp, which the
// first start makes; because anyone can make that name first, it is used only when it is
// a real folder (not a link) of the user's, and a start refuses when it is not. The socket
// itself must be the user's own socket, not a link, and must greet as a running copy does.
class LocalSingleInstance final : public QObject, public SingleInstance
{
    Q_OBJECT
public:
    // $XDG_RUNTIME_DIR, else /tmp/tallybell-<uid>.
    explicit LocalSingleInstance(QObject *parent = nullptr);
    // The same rule over given folders. An empty runtimeFolder means there is none.
    LocalSingleInstance(const QString &runtimeFolder, const QString &fallbackFolder,
                        QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    // A check that handed over says so again without asking the running copy a second
    // time: the program checks before its first window and the main window's logic again.
    InstanceCheck checkForRunningInstance() override;

    // True once this instance listens for later starts.
    bool isListening() const;
    // The socket's path, once a check has found a safe place for it.
    QString serverName() const { return serverName_; }
    // The socket's name within its folder.
    static QString socketFileName();

    // What a running instance answered a command.
    struct CommandAnswer {
        int exitCode = 0;
        QByteArray text;
    };
    // Sends `word` to the running instance and waits for its answer. Nothing when none runs;
    // when the socket's place is not safe or another program answers, nothing, and
    // `problem` says why.
    std::optional<CommandAnswer> sendCommand(const QString &word, QString *problem);
    // Answers the commands of later starts, once this instance listens.
    using CommandHandler = std::function<CommandAnswer(const QString &word)>;
    void setCommandHandler(CommandHandler handler) { commandHandler_ = std::move(handler); }

Q_SIGNALS:
    void raiseRequested();

private:
    // What answers at the socket: nothing, a running copy, or another program.
    enum class Answer { None, Greeting, Other };

    QString findSafePlace();
    // Said when another program listens at the socket's name.
    QString notTallybell() const;
    Answer askRunningInstance(QByteArrayView request, QByteArray *reply = nullptr);
    // Listens at serverName_; the system's reason when it cannot.
    QString listen();
    void acceptConnections();
    // Answers the requests a later start has sent so far, taking them from the front of
    // `received` and adding the answer to `answer`; true when the connection is done with.
    bool readRequest(QByteArray &received, QByteArray &answer);

    QString runtimeFolder_;
    QString fallbackFolder_;
    QString serverName_;
    int listening_ = -1; // the socket, while this instance listens
    QSocketNotifier *connections_ = nullptr;
    bool handedOver_ = false;
    CommandHandler commandHandler_;
};

// Un-minimises `window`, shows it and brings it to the front with the input focus.
void restoreAndRaise(QWidget *window);

} // namespace tb
