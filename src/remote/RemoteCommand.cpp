#include "remote/RemoteCommand.h"

#include <array>
#include <utility>

namespace tb {
namespace {

constexpr std::array<std::pair<RemoteCommand, std::string_view>, 9> kWords {{
    {RemoteCommand::Start, "start"},
    {RemoteCommand::Stop, "stop"},
    {RemoteCommand::StartStop, "start-stop"},
    {RemoteCommand::Pause, "pause"},
    {RemoteCommand::Resume, "resume"},
    {RemoteCommand::TogglePause, "toggle-pause"},
    {RemoteCommand::Next, "next"},
    {RemoteCommand::Show, "show"},
    {RemoteCommand::Status, "status"},
}};

} // namespace

std::string_view commandWord(RemoteCommand command)
{
    for (const auto &[known, word] : kWords)
        if (known == command)
            return word;
    return {};
}

std::optional<RemoteCommand> commandFromWord(std::string_view word)
{
    for (const auto &[command, known] : kWords)
        if (known == word)
            return command;
    return std::nullopt;
}

} // namespace tb
