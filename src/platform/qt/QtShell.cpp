#include "platform/qt/QtShell.h"

#include "platform/qt/QtMessageBox.h"
#include "tallybell/Version.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QtGlobal>

#include <utility>

namespace tb {

namespace {

QUrl strictUrl(const std::string &address)
{
    return QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::StrictMode);
}

QtMessageHandler previousHandler = nullptr;

// Qt says on the console that it found no browser or mail program; the user hears it from
// the message box instead.
void dropWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg || type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

bool openThroughQt(const QUrl &url)
{
    previousHandler = qInstallMessageHandler(dropWarnings);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(previousHandler);
    return opened;
}

} // namespace

QtShell::QtShell(MessageBox *messages, QString opener)
    : ownMessages_(messages ? nullptr : std::make_unique<QtMessageBox>()),
      messages_(messages ? *messages : *ownMessages_), opener_(std::move(opener))
{
}

QtShell::~QtShell()
{
    // An opener still running (xdg-open can wait for the browser it started) is not waited
    // for; the browser itself goes on.
    const auto running = openers_.findChildren<QProcess *>();
    for (QProcess *process : running) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
    }
}

bool QtShell::isOpenable(const std::string &address)
{
    const QUrl url = strictUrl(address);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("mailto"))
        return true;
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

void QtShell::openAddress(const std::string &address)
{
    if (!isOpenable(address))
        return;
    const QUrl url = strictUrl(address);
    const QString program = QStandardPaths::findExecutable(opener_);
    if (!program.isEmpty())
        runOpener(program, url);
    else if (!openThroughQt(url))
        tellNothingOpened(url);
}

void QtShell::runOpener(const QString &program, const QUrl &url)
{
    auto *process = new QProcess(&openers_);
    process->setProgram(program);
    // The address is one argument and starts with its scheme, never with '-'.
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // Queued, so that the message's modal loop does not run inside QProcess's own signal.
    QObject::connect(
        process, &QProcess::finished, &openers_,
        [this, process, url](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit || exitCode != 0)
                tellNothingOpened(url);
        },
        Qt::QueuedConnection);
    QObject::connect(
        process, &QProcess::errorOccurred, &openers_,
        [this, process, url](QProcess::ProcessError error) {
            // Any other error ends in finished() as well.
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            tellNothingOpened(url);
        },
        Qt::QueuedConnection);
    process->start();
}

void QtShell::tellNothingOpened(const QUrl &url)
{
    const QString text = url.scheme() == QLatin1String("mailto")
        ? QCoreApplication::translate("QtShell",
                                      "No program on this computer could start a mail message. "
                                      "You can write to this address with your mail program:"
                                      "\n\n%1")
              .arg(url.path(QUrl::FullyDecoded))
        : QCoreApplication::translate("QtShell",
                                      "No program on this computer could open the web page. You "
                                      "can copy its address into a web browser:\n\n%1")
              .arg(url.toString(QUrl::FullyEncoded));
    messages_.show(text.toStdString(), version::kProductName, MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace tb
