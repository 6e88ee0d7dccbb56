#pragma once

#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <cstdint>
#include <string>

namespace tb {

// What the rotation and the task text need of the main window: built for one call from
// its fields, e.g. `checksong(n, {inifilename, programFolder, random, messages})`.
// It refers to them and must not outlive them.
struct ListContext {
    const std::string &inifilename;
    const std::string &programFolder;
    Random &random;
    MessageBox &messages;
};

// "List Group Number N", the section of list N's state in the settings file.
std::string listGroupSection(int listNumber);

// Moves list `listNumber` on to its next item once "Change Song" completed sessions have
// passed since "Last Change Session Number" (at once when "Current Item" is empty), in
// file order or, when "Change Song Random" is exactly "True", at random among the other
// items. Writes "Current Item" and "Last Change Session Number" whenever a change is due,
// also when the item stays the same. A missing list file changes nothing; one that cannot
// be opened shows a disk error and changes nothing.
void checksong(std::int16_t listNumber, const ListContext &context);

} // namespace tb
