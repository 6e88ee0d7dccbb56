#include "journal/JournalText.h"

#include "platform/Translator.h"

namespace tb {
namespace {

std::string minutesAndSeconds(int seconds)
{
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

} // namespace

std::string tidyTaskText(std::string_view text)
{
    std::string tidy;
    tidy.reserve(text.size());
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        const bool lineBreak = c == '\r' || c == '\n';
        if (blank && !lineBreak && !tidy.empty() && tidy.back() != '\r' && tidy.back() != '\n')
            tidy += ' ';
        blank = false;
        tidy += c;
    }
    return tidy;
}

std::string cellText(const TaskRecord &task, JournalColumn column, const DateTimeText &dates)
{
    switch (column) {
    case JournalColumn::Started:
        return dates ? dates(task.started) : task.started;
    case JournalColumn::Task:
        return std::to_string(task.number);
    case JournalColumn::Text: {
        std::string line;
        line.reserve(task.text.size());
        for (std::size_t i = 0; i < task.text.size(); ++i) {
            const char c = task.text[i];
            if (c != '\r' && c != '\n') {
                line += c;
                continue;
            }
            line += " / ";
            if (c == '\r' && i + 1 < task.text.size() && task.text[i + 1] == '\n')
                ++i;
        }
        return line;
    }
    case JournalColumn::Items: {
        std::string items;
        for (const std::string &item : task.items)
            items.append(items.empty() ? "" : "; ").append(item);
        return items;
    }
    case JournalColumn::Planned:
        return minutesAndSeconds(task.plannedSeconds);
    case JournalColumn::Practised:
        return minutesAndSeconds(task.practisedSeconds);
    case JournalColumn::Ending:
        switch (task.ending) {
        case TaskEnding::TimeUp:
            return trText("JournalText", "Time up");
        case TaskEnding::Skipped:
            return trText("JournalText", "Skipped");
        case TaskEnding::Stopped:
            return trText("JournalText", "Stopped");
        }
        return {};
    case JournalColumn::Count:
        break;
    }
    return {};
}

} // namespace tb
