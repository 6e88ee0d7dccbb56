#pragma once

#include "platform/Shell.h"

#include <QObject>
#include <QString>

#include <memory>

class QUrl;

namespace tb {

class MessageBox;

// Hands web and mail addresses to the desktop's default programs. Only well-formed http:,
// https: and mailto: addresses are passed on; no shell is ever run.
//
// The desktop's opener (xdg-open) is run here rather than through QDesktopServices, which
// starts it detached and so reports success even when it then finds no browser: its exit
// status tells whether a program took the address. Without an opener QDesktopServices tries
// the ways it knows. When nothing takes the address the user is told so, with the address to
// copy. Nothing is printed on the console: the opener's output is dropped, and so are Qt's
// warnings about finding no browser.
class QtShell final : public Shell
{
public:
    // `messages` tells the user that nothing opened an address (when null, a QtMessageBox of
    // the adapter's own); `opener` is the opening program, by name or path.
    explicit QtShell(MessageBox *messages = nullptr, QString opener = QStringLiteral("xdg-open"));
    ~QtShell() override;
    QtShell(const QtShell &) = delete;
    QtShell &operator=(const QtShell &) = delete;

    void openAddress(const std::string &address) override;
    // True when `address` is one this adapter passes on.
    static bool isOpenable(const std::string &address);

private:
    void runOpener(const QString &program, const QUrl &url);
    void tellNothingOpened(const QUrl &url);

    std::unique_ptr<MessageBox> ownMessages_;
    MessageBox &messages_;
    QString opener_;
    QObject openers_; // parent of the opener processes still running
};

} // namespace tb
