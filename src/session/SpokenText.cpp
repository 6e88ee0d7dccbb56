#include "session/SpokenText.h"

#include "platform/Translator.h"

#include <string_view>

namespace tb {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view line)
{
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

bool endsSentence(std::string_view text)
{
    return !text.empty() && std::string_view(".!?").find(text.back()) != std::string_view::npos;
}

bool endsClause(std::string_view text)
{
    return endsSentence(text)
        || (!text.empty() && std::string_view(",;:").find(text.back()) != std::string_view::npos);
}

} // namespace

std::string spokenTask(const std::string &shown, int seconds)
{
    std::string said;
    std::string_view rest(shown);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.empty())
            continue;
        // A line break is heard as the pause of a comma, unless the line made its own.
        if (!said.empty())
            said += endsClause(said) ? " " : ", ";
        said += line;
    }
    if (endsClause(said) && !endsSentence(said))
        said.pop_back();
    if (!said.empty())
        said += endsSentence(said) ? " " : ". ";
    const int minutes = seconds < 90 ? 1 : (seconds + 30) / 60;
    said += trText("SpokenText", "%n minute(s).", nullptr, minutes);
    return said;
}

std::string spokenSessionEnd()
{
    return trText("SpokenText", "Session complete.");
}

} // namespace tb
