#pragma once

#include <array>
#include <string>

namespace tb {

class IniBatch;

// The task list editor's copy of every description of a task list: task t's descriptions
// are cells (t, 1) to (t, 9), the first its main description. An empty text is an empty
// cell. Reading and saving pack the tasks and their descriptions from 1, so that the gaps
// left by emptied cells close.
class DescriptionTable
{
public:
    static constexpr int kTasks = 9;
    static constexpr int kDescriptions = 9;

    // Cells outside 1..9 read as empty and cannot be set.
    const std::string &cell(int task, int description) const;
    void setCell(int task, int description, std::string text);

    bool taskInUse(int task) const;
    // Task `task` becomes empty, the tasks from it on move up by one; task 9 is lost.
    void insertTask(int task);
    // Description `description` of `task` becomes empty, the later ones move up by one;
    // description 9 is lost.
    void insertDescription(int task, int description);

    // Fills the table from [TaskN] descriptionM of `fileName`, packed.
    void load(const std::string &fileName);
    // Writes the non-empty cells packed into the batch's file, emptying every other
    // description key that held text; the keys stay. False at the first write refused.
    bool save(IniBatch &file) const;

    bool operator==(const DescriptionTable &other) const { return cells_ == other.cells_; }

private:
    static bool inRange(int task, int description);
    std::string &at(int task, int description);

    std::array<std::array<std::string, kDescriptions>, kTasks> cells_;
};

} // namespace tb
