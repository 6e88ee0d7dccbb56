#pragma once

#include <string>

namespace tb {

// The folder that holds the task list (tallydef.ini, renamed tallywork.ini at the first
// start), the list files and the bell.
struct ProgramFolder {
    std::string path;
    // Empty, or a message for the user: the per-user folder could not be made or filled, or
    // a copy that cannot write in its own folder moved its task list there. The program goes
    // on with `path` all the same.
    std::string problem;
};

// The variables the choice reads; nullptr for one that is not set.
struct FolderEnvironment {
    const char *xdgDataHome = nullptr;
    const char *home = nullptr;
    const char *xdgConfigHome = nullptr; // where the store names the task list in use
};

// A copy that runs from a writable folder holding its task list keeps everything there.
// Otherwise (an installed program) the folder is $XDG_DATA_HOME/Tallybell, by default
// ~/.local/share/Tallybell, made 0700 when missing; the shipped defaults that are missing
// there are copied in from <executable folder>/../share/tallybell (or, when there is no
// such folder, from the executable's folder itself), and a file already there is never
// replaced. An executable's folder that holds a task list but cannot be written gives its
// task list too (tallywork.ini, else tallydef.ini), and the problem says so when the store
// names no other task list in use. Without a usable per-user folder the executable's folder
// is chosen, with a problem that says why unless that folder holds a task list to go on with.
ProgramFolder chooseProgramFolder(const std::string &executableFolder,
                                  bool executableFolderWritable, const FolderEnvironment &env);

// The same for this process: the folder's writability as the system says, and the
// process's environment.
ProgramFolder chooseProgramFolder(const std::string &executableFolder);

} // namespace tb
