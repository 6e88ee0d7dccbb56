#pragma once

#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "tasklist/TaskListFile.h"

#include <cstdint>
#include <string>

namespace tb {

// What the rotation and the task text work on: the task list in use and the folder of the
// list files, built for one call. It refers to them and must not outlive them.
struct ListContext {
    const TaskListFile &file;
    const std::string &programFolder;
    Random &random;
    MessageBox &messages;
};

// Moves list `listNumber` on to its next item once "Change Song" completed sessions have
// passed since "Last Change Session Number" (at once when "Current Item" is empty), in
// file order or, when "Change Song Random" is exactly "True", at random among the other
// items. Writes "Current Item" and "Last Change Session Number" whenever a change is due,
// also when the item stays the same. A missing list file changes nothing; one that cannot
// be opened shows a disk error and changes nothing.
void checksong(std::int16_t listNumber, const ListContext &context);

} // namespace tb
