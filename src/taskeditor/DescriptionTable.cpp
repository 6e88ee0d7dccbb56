#include "taskeditor/DescriptionTable.h"

#include "settings/IniFile.h"
#include "tasklist/TaskListFile.h"

#include <algorithm>
#include <cstddef>

namespace tb {
namespace {

// The editor writes the task sections in its own spelling, "Task3".
std::string taskSection(int task)
{
    return TaskListFile::editorTaskSection(task);
}

std::string descriptionKey(int description)
{
    return TaskListFile::descriptionKey(description);
}

std::size_t index(int number)
{
    return static_cast<std::size_t>(number - 1);
}

} // namespace

bool DescriptionTable::inRange(int task, int description)
{
    return task >= 1 && task <= kTasks && description >= 1 && description <= kDescriptions;
}

std::string &DescriptionTable::at(int task, int description)
{
    return cells_[index(task)][index(description)];
}

const std::string &DescriptionTable::cell(int task, int description) const
{
    static const std::string empty;
    return inRange(task, description) ? cells_[index(task)][index(description)] : empty;
}

void DescriptionTable::setCell(int task, int description, std::string text)
{
    if (inRange(task, description))
        at(task, description) = std::move(text);
}

bool DescriptionTable::taskInUse(int task) const
{
    if (task < 1 || task > kTasks)
        return false;
    const auto &row = cells_[index(task)];
    return std::any_of(row.begin(), row.end(), [](const std::string &s) { return !s.empty(); });
}

void DescriptionTable::insertTask(int task)
{
    if (task < 1 || task > kTasks)
        return;
    for (int j = kTasks; j > task; --j)
        cells_[index(j)] = cells_[index(j - 1)];
    cells_[index(task)].fill({});
}

void DescriptionTable::insertDescription(int task, int description)
{
    if (!inRange(task, description))
        return;
    for (int k = kDescriptions; k > description; --k)
        at(task, k) = at(task, k - 1);
    at(task, description).clear();
}

void DescriptionTable::load(const std::string &fileName)
{
    for (auto &row : cells_)
        row.fill({});
    int target = 1;
    for (int t = 1; t <= kTasks; ++t) {
        int d = 1;
        for (int source = 1; source <= kDescriptions; ++source) {
            std::string text = IniRead(taskSection(t), descriptionKey(source), fileName, "");
            if (!text.empty())
                at(target, d++) = std::move(text);
        }
        if (d > 1)
            ++target;
    }
}

bool DescriptionTable::save(IniBatch &file) const
{
    int targetTask = 1;
    for (int t = 1; t <= kTasks; ++t) {
        int targetDescription = 1;
        for (int d = 1; d <= kDescriptions; ++d) {
            // Emptied before it may be written again below, so a rewritten key keeps its
            // new text.
            if (!file.read(taskSection(t), descriptionKey(d), "").empty()
                && !file.write(taskSection(t), descriptionKey(d), ""))
                return false;
            const std::string &text = cell(t, d);
            if (text.empty())
                continue;
            if (!file.write(taskSection(targetTask), descriptionKey(targetDescription), text))
                return false;
            ++targetDescription;
        }
        if (targetDescription > 1)
            ++targetTask;
    }
    return true;
}

} // namespace tb
