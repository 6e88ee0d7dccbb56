#include "journal/JournalCsv.h"

#include "platform/Translator.h"

#include <initializer_list>

namespace tb {
namespace {

void appendField(std::string &csv, std::string_view field)
{
    csv += '"';
    for (const char c : field) {
        if (c == '"')
            csv += '"';
        csv += c;
    }
    csv += '"';
}

void appendRow(std::string &csv, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            csv += ',';
        first = false;
        appendField(csv, field);
    }
    csv += "\r\n";
}

} // namespace

std::string tasksAsCsv(const std::vector<const TaskRecord *> &tasks)
{
    std::string csv;
    appendRow(csv,
              {trText("JournalCsv", "Started"), trText("JournalCsv", "Ended"),
               trText("JournalCsv", "Task"), trText("JournalCsv", "Text"),
               trText("JournalCsv", "List items"), trText("JournalCsv", "Planned seconds"),
               trText("JournalCsv", "Practised seconds"), trText("JournalCsv", "Ending")});
    for (const TaskRecord *task : tasks) {
        std::string items;
        for (const std::string &item : task->items)
            items += (items.empty() ? "" : "; ") + item;
        appendRow(csv,
                  {task->started, task->ended, std::to_string(task->number), task->text, items,
                   std::to_string(task->plannedSeconds), std::to_string(task->practisedSeconds),
                   taskEndingText(task->ending)});
    }
    return csv;
}

} // namespace tb
