#include "remote/qt/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <utility>

namespace tb {
namespace {

// A text marked for the catalogues apart from its use.
QString translated(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

struct CommandOption {
    RemoteCommand command;
    const char *help;
};

// The commands as options, in the order --help lists them.
constexpr std::array<CommandOption, 8> kCommands {{
    {RemoteCommand::Start,
     QT_TRANSLATE_NOOP("CommandLine", "Start a session (and Tallybell, when it is not running).")},
    {RemoteCommand::Stop, QT_TRANSLATE_NOOP("CommandLine", "Stop the session.")},
    {RemoteCommand::Pause, QT_TRANSLATE_NOOP("CommandLine", "Pause the session.")},
    {RemoteCommand::Resume, QT_TRANSLATE_NOOP("CommandLine", "Resume the paused session.")},
    {RemoteCommand::TogglePause,
     QT_TRANSLATE_NOOP("CommandLine", "Pause the session, or resume it when it is paused.")},
    {RemoteCommand::Next, QT_TRANSLATE_NOOP("CommandLine", "Go on to the next task.")},
    {RemoteCommand::Show,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Show the window (and start Tallybell when it is not "
                       "running).")},
    {RemoteCommand::Status,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Print the session's state, task, task text and time left, "
                       "one a line.")},
}};

// Qt takes these itself when it makes the application; they are accepted and not listed.
constexpr std::array kQtOptionsWithValue {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "title",         "name",    "visual"};
constexpr std::array kQtFlags {"reverse", "widgetcount", "nograb", "dograb", "sync"};

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "A practice-session timer. With a command, tells the "
                                    "running Tallybell what to do."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Print this help and end."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Print the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    for (const CommandOption &command : kCommands)
        parser.addOption(QCommandLineOption(QString::fromLatin1(commandWord(command.command)),
                                            translated(command.help)));
    for (const char *name : kQtOptionsWithValue) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    parser.addPositionalArgument(
        QStringLiteral("testmode"),
        QCoreApplication::translate("CommandLine",
                                    "Every task 10 seconds long, to try a task list."),
        QStringLiteral("[testmode]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.outcome = Outcome::Error;
        line.text = parser.errorText() + u'\n' + parser.helpText();
        return line;
    }
    if (parser.isSet(help)) {
        line.outcome = Outcome::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.outcome = Outcome::Version;
        line.text = QCoreApplication::applicationName() + u' '
            + QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    for (const CommandOption &command : kCommands) {
        if (!parser.isSet(QString::fromLatin1(commandWord(command.command))))
            continue;
        if (line.command) {
            line.outcome = Outcome::Error;
            line.text = QCoreApplication::translate("CommandLine", "Give one command at a time.")
                + u'\n' + parser.helpText();
            return line;
        }
        line.command = command.command;
    }
    line.words = parser.positionalArguments().join(u' ');
    return line;
}

} // namespace tb
