#include "app/ProgramFolder.h"

#include "settings/SafeFile.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {
namespace {

constexpr const char *kFolderName = "Tallybell";
constexpr std::array kShipped {"tallydef.ini", "List1.txt", "List2.txt", "PINGPONG.WAV"};

bool exists(const std::string &path)
{
    struct stat info {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string &path)
{
    struct stat info {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Copies `name` from `sourceFolder` into `folder` unless it is there, crash-safely: the bytes are
// written whole to a file of their own and then given the name without replacing anything, so a
// user's file that appeared meanwhile (another copy of the program starting) wins. Returns an error
// text, empty when the file is in place or there was nothing to copy.
std::string copyIfMissing(const std::string &sourceFolder, const std::string &folder,
                          const std::string &name)
{
    const std::string from = std::string(sourceFolder).append("/").append(name);
    const std::string to = std::string(folder).append("/").append(name);
    if (exists(to))
        return {};
    const FileRead source = readRegularFile(from);
    // A shipped file that is not there: the program says what it misses where it needs it.
    if (source.absent())
        return {};
    if (!source.ok())
        return from + ": " + source.errorText;
    const std::string staging = folder + "/." + name + "." + std::to_string(::getpid()) + ".new";
    if (const FileWrite written = writeFileAtomically(staging, source.bytes); !written)
        return to + ": " + written.errorText;
    const int error = renameNoReplace(staging, to);
    if (error != 0)
        ::unlink(staging.c_str());
    if (error != 0 && !exists(to))
        return to + ": " + std::strerror(error);
    return {};
}

// A folder that holds a task list of its own still works read-only, and the program's own
// messages tell of the saves that fail; one without it needs the reason told first.
ProgramFolder fallBack(const std::string &executableFolder, bool holdsTaskList,
                       const std::string &why)
{
    if (holdsTaskList)
        return {executableFolder, {}};
    return {executableFolder,
            std::string("Tallybell could not make a folder of your own for the task list, the "
                        "list files and the bell:\r\n\r\n")
                + why + "\r\n\r\nIt uses its own folder instead:\r\n" + executableFolder};
}

} // namespace

ProgramFolder chooseProgramFolder(const std::string &executableFolder,
                                  bool executableFolderWritable, const FolderEnvironment &env)
{
    const bool holdsTaskList
        = exists(executableFolder + "/tallydef.ini") || exists(executableFolder + "/tallywork.ini");
    if (executableFolderWritable && holdsTaskList)
        return {executableFolder, {}};

    const auto dataHome = userBaseFolder(env.xdgDataHome, env.home, "/.local/share");
    if (!dataHome)
        return fallBack(executableFolder, holdsTaskList,
                        "The home folder is not known (HOME is not set).");

    const std::string folder = *dataHome + "/" + kFolderName;
    if (const int error = makePrivateFolders(folder); error != 0)
        return fallBack(executableFolder, holdsTaskList, folder + ": " + std::strerror(error));

    // A relocated installation finds its files beside its bin folder; a read-only copy
    // that carries its files in its own folder gives those.
    std::string source
        = std::filesystem::path(executableFolder + "/../share/tallybell").lexically_normal();
    if (!source.empty() && source.back() == '/')
        source.pop_back();
    if (!isFolder(source))
        source = executableFolder;

    ProgramFolder chosen {folder, {}};
    for (const std::string name : kShipped) {
        // The first start renames the default list: once that happened it is not brought back.
        if (name == "tallydef.ini" && exists(folder + "/tallywork.ini"))
            continue;
        const std::string failed = copyIfMissing(source, folder, name);
        if (!failed.empty())
            chosen.problem += (chosen.problem.empty() ? "" : "\r\n") + failed;
    }
    if (!chosen.problem.empty())
        chosen.problem = "Tallybell could not copy its default files into\r\n" + folder + "\r\n\r\n"
            + chosen.problem;
    return chosen;
}

ProgramFolder chooseProgramFolder(const std::string &executableFolder)
{
    FolderEnvironment env;
    env.xdgDataHome = std::getenv("XDG_DATA_HOME");
    env.home = std::getenv("HOME");
    return chooseProgramFolder(executableFolder, ::access(executableFolder.c_str(), W_OK) == 0,
                               env);
}

} // namespace tb
