#pragma once

#include "remote/RemoteCommand.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tb {

// The program's command line: a command for the running program (--start, --pause,
// --status, ...), --help, --version, and the words the program has always taken
// ("testmode"). Qt's own options (-platform, -display, ...) are let through for Qt.
// Needs an application object for its texts.
struct CommandLine {
    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    std::optional<RemoteCommand> command;
    // The words that are not options, joined by blanks.
    QString words;
    // What to print for Help, Version and Error (the error, then the usage).
    QString text;

    static CommandLine parse(const QStringList &arguments);
};

} // namespace tb
