#include "about/frmSplash.h"
#include "app/Program.h"
#include "app/ProgramFolder.h"
#include "app/qt/GuardedApplication.h"
#include "app/qt/QtWindows.h"
#include "journal/SqliteJournal.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/qt/DBusNotifier.h"
#include "platform/qt/DBusScreenSaver.h"
#include "platform/qt/LocalSingleInstance.h"
#include "platform/qt/QtFileChooser.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/QtSpeech.h"
#include "platform/qt/QtTranslator.h"
#include "platform/qt/QtWindowOps.h"
#include "session/MainForm.h"
#include "session/frmmain.h"
#include "settings/Registry.h"
#include "tallybell/Version.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QStringList>

#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    tb::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tb::version::kProductName));
    QApplication::setOrganizationName(QString::fromUtf8(tb::version::kCompanyName));
    QApplication::setApplicationVersion(QString::fromUtf8(tb::version::kVersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tallybell.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLYBELL_APP_ID));
    // The user's language, before any text is made.
    tb::QtTranslator translator;
    translator.install(QLocale());
    const tb::ScopedTranslator translating(&translator);

    tb::SystemClock clock;
    tb::StdRandom random;
    tb::QtMessageBox messages;
    app.setMessages(&messages);
    tb::QtSound sound;
    tb::QtSpeech speech;
    tb::DBusScreenSaver screenSaver;
    tb::DBusNotifier notifier;
    tb::QtHelp help;
    tb::QtShell shell(&messages);
    tb::LocalSingleInstance instance;
    tb::QtWindowOps windowOps;
    tb::QtFileChooser fileChooser;
    tb::Registry registry(
        tb::registryStorePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")), messages);
    tb::SqliteJournal journal(tb::journalPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));

    const tb::ProgramFolder folder = tb::chooseProgramFolder(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    if (!folder.problem.empty())
        messages.show(folder.problem, tb::version::kProductName, tb::MsgIcon::Exclamation,
                      tb::MsgButtons::Ok);
    const std::string &programFolder = folder.path;
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    const std::string commandLine = arguments.join(QChar(u' ')).toStdString();

    tb::Program program({{clock, random, messages, sound, screenSaver, help, instance, windowOps,
                          notifier, journal, speech},
                         registry,
                         fileChooser,
                         shell},
                        programFolder, commandLine);
    tb::frmmain window(program);
    windowOps.attach(&window);
    tb::QtWindows windows(program, window);

    // A second start has handed over to the running program: it ends here, windowless.
    if (!program.main().Form_Load())
        return 0;
    window.applyControls();
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());

    auto *splash = new tb::frmSplash;
    QObject::connect(splash, &tb::frmSplash::finished, splash, &QObject::deleteLater);
    splash->handOverTo(&window);

    QPointer<tb::frmSplash> showingSplash(splash);
    QObject::connect(&instance, &tb::LocalSingleInstance::raiseRequested, &window,
                     [&window, showingSplash] {
                         if (showingSplash && showingSplash->isUp())
                             showingSplash->bringToFront();
                         else
                             window.restoreAndRaise();
                     });

    const int code = tb::GuardedApplication::exec();
    // The message box goes before the application object does.
    app.setMessages(nullptr);
    return code;
}
