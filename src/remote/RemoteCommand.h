#pragma once

#include <optional>
#include <string_view>

namespace tb {

// What may be asked of the running program from outside its window: from the command line,
// the desktop's launcher, the panel's menu and the media keys.
enum class RemoteCommand {
    Start,
    Stop,
    StartStop, // the Start/Stop button as it is
    Pause,
    Resume,
    TogglePause, // the Pause/Resume button as it is
    Next,
    Show,
    Status,
};

// The command's word on the program's local channel ("start", "toggle-pause", ...), which is
// also its command-line option without the dashes.
std::string_view commandWord(RemoteCommand command);
std::optional<RemoteCommand> commandFromWord(std::string_view word);

} // namespace tb
