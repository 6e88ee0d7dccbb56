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
#include "platform/qt/MediaModule.h"
#include "platform/qt/QtFileChooser.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTranslator.h"
#include "platform/qt/QtWindowOps.h"
#include "remote/MediaPlayer.h"
#include "remote/qt/CommandLine.h"
#include "remote/qt/DBusApplication.h"
#include "remote/qt/MprisService.h"
#include "remote/qt/PanelIcon.h"
#include "remote/qt/QueuedCommand.h"
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
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(tb::version::kProductName));
    QCoreApplication::setOrganizationName(QString::fromUtf8(tb::version::kCompanyName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(tb::version::kVersionText));
}

void print(std::FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read without a display: --help, --version and the commands for a
    // running Tallybell need none. A start without arguments, the usual one, has nothing to
    // read and goes straight on to its first window.
    std::optional<tb::RemoteCommand> command;
    QString words;
    if (argc > 1) {
        QCoreApplication parsing(argc, argv);
        nameTheProgram();
        tb::QtTranslator translator;
        translator.install(QLocale());
        const tb::CommandLine line = tb::CommandLine::parse(QCoreApplication::arguments());
        switch (line.outcome) {
        case tb::CommandLine::Outcome::Help:
        case tb::CommandLine::Outcome::Version:
            print(stdout, line.text);
            return 0;
        case tb::CommandLine::Outcome::Error:
            print(stderr, line.text);
            return 2;
        case tb::CommandLine::Outcome::Run:
            break;
        }
        command = line.command;
        words = line.words;
        if (command) {
            tb::LocalSingleInstance running;
            QString problem;
            const auto answer
                = running.sendCommand(QString::fromLatin1(tb::commandWord(*command)), &problem);
            if (answer) {
                print(answer->exitCode == 0 ? stdout : stderr, QString::fromUtf8(answer->text));
                return answer->exitCode;
            }
            if (!problem.isEmpty()) {
                print(stderr, problem + u'\n');
                return 1;
            }
            // Nothing runs: starting a session or showing the window starts the program.
            if (*command != tb::RemoteCommand::Start && *command != tb::RemoteCommand::Show) {
                print(stderr,
                      QCoreApplication::translate("main", "Tallybell is not running.") + u'\n');
                return 1;
            }
        }
    }

    // Reading the font configuration is the longest step before the first window can be
    // laid out; it is done on a thread of its own while Qt connects to the display and loads
    // its plugins. Qt's own font database then finds it read.
    std::jthread fontConfiguration([] { FcInit(); });
    // The countdown repaints a digit or two a second. Through the X server's shared memory Qt
    // waits for the server after each such repaint, a round trip that wakes two threads; sent
    // over the connection, a repaint this small needs no wait (docs/performance.md). Only
    // this program's own connection: the environment is put back for the programs it starts.
    const bool sharedMemoryChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!sharedMemoryChosen)
        qputenv("QT_XCB_NO_MITSHM", "1");
    tb::GuardedApplication app(argc, argv);
    if (!sharedMemoryChosen)
        qunsetenv("QT_XCB_NO_MITSHM");
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLYBELL_APP_ID));
    // The user's language, before any text is made.
    tb::QtTranslator translator;
    translator.install(QLocale());
    const tb::ScopedTranslator translating(&translator);

    tb::QtMessageBox messages;
    app.setMessages(&messages);
    // The splash is the first window, drawn before anything else is made or loaded: the sound
    // system, the session bus, the journal and the main window come after it. Not for a later
    // start, which hands over to the running copy without showing anything. Until the program
    // has made its windows nothing answers other programs: the single-instance socket's
    // calls wait for the event loop, and nothing is on the session bus yet.
    tb::LocalSingleInstance instance;
    const auto makeSplash = [] {
        auto *made = new tb::frmSplash;
        QObject::connect(made, &tb::frmSplash::finished, made, &QObject::deleteLater);
        return made;
    };
    fontConfiguration.join();
    tb::frmSplash *splash = nullptr;
    if (instance.checkForRunningInstance().outcome == tb::InstanceCheck::Outcome::Proceed) {
        splash = makeSplash();
        splash->showFirst();
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tallybell.svg")));

    tb::SystemClock clock;
    tb::StdRandom random;
    tb::MediaModule media;
    tb::ModuleSound sound(media);
    tb::ModuleSpeech speech(media);
    tb::DBusScreenSaver screenSaver;
    tb::DBusNotifier notifier;
    tb::QtHelp help;
    tb::QtShell shell(&messages);
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
    const std::string commandLine = words.toStdString();

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
    // The panel's icon, the launcher's actions and the media keys: each follows the session
    // after every event, as the windows do.
    tb::RemoteControl &remote = program.remote();
    remote.setOtherModal([] { return QApplication::activeModalWidget() != nullptr; });
    const bool panelAvailable = tb::PanelIcon::available();
    program.main().setPanelAvailable(panelAvailable);
    std::unique_ptr<tb::PanelIcon> panel;
    if (panelAvailable)
        panel = std::make_unique<tb::PanelIcon>(remote, program.main(), &window);
    // Another window closed while the main one is in the panel does not end the program:
    // only the main window's own close and Quit do.
    QApplication::setQuitOnLastWindowClosed(false);
    window.setHideOnClose([&panel, &program] { return panel && program.taskList().keepInPanel(); });
    tb::MediaPlayer player(program.main(), program.taskList());
    tb::MprisService mpris(player, remote, QStringLiteral(TALLYBELL_APP_ID));
    tb::DBusApplication application(remote);
    application.registerAs(QStringLiteral(TALLYBELL_APP_ID));
    program.watch([&panel, &mpris] {
        if (panel)
            panel->update();
        mpris.update();
    });
    instance.setCommandHandler([&remote, &window](const QString &word) {
        const std::optional<tb::RemoteCommand> asked = tb::commandFromWord(word.toStdString());
        if (!asked)
            return tb::LocalSingleInstance::CommandAnswer {2, QByteArray()};
        const tb::CommandReply reply = tb::queueCommand(remote, *asked, window);
        return tb::LocalSingleInstance::CommandAnswer {reply.done ? 0 : 1,
                                                       QByteArray::fromStdString(reply.text)};
    });
    window.applyControls();
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());

    if (!splash)
        splash = makeSplash();
    splash->handOverTo(&window);

    QPointer<tb::frmSplash> showingSplash(splash);
    const auto bringForward = [&window, &panel, showingSplash] {
        if (showingSplash && showingSplash->isUp())
            showingSplash->bringToFront();
        else
            window.restoreAndRaise();
        if (panel)
            panel->update();
    };
    QObject::connect(&instance, &tb::LocalSingleInstance::raiseRequested, &window, bringForward);
    remote.setShowWindow(bringForward);
    if (command == tb::RemoteCommand::Start)
        QMetaObject::invokeMethod(
            &window, [&remote] { remote.run(tb::RemoteCommand::Start); }, Qt::QueuedConnection);

    const int code = tb::GuardedApplication::exec();
    // The message box goes before the application object does.
    app.setMessages(nullptr);
    return code;
}
