#include "app/ProgramFolder.h"

#include "platform/SafeFile.h"
#include "platform/Translator.h"
#include "settings/Registry.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {
namespace {

constexpr const char *kFolderName = "Tallybell";
constexpr const char *kDefaultList = "tallydef.ini";
constexpr const char *kWorkList = "tallywork.ini";
constexpr std::array kShipped {kDefaultList, "List1.txt", "List2.txt", "PINGPONG.WAV",
                               "WARNING.WAV"};

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

struct Copy {
    bool copied = false;
    std::string failure; // for the user; empty when none
};

// Copies `name` from `sourceFolder` into `folder` unless it is there, crash-safely and without
// replacing anything: a user's file that appears meanwhile (another copy of the program
// starting) wins. A source that is not there is no failure: the program says what it misses
// where it needs it.
Copy copyIfMissing(const std::string &sourceFolder, const std::string &folder,
                   const std::string &name)
{
    const std::string from = sourceFolder + "/" + name;
    const std::string to = folder + "/" + name;
    if (exists(to))
        return {};
    const FileRead source = readRegularFile(from);
    if (source.absent())
        return {};
    if (!source.ok())
        return {false, from + ": " + source.errorText};
    const FileWrite written = writeNewFileAtomically(to, source.bytes);
    if (!written && written.error != EEXIST)
        return {false, to + ": " + written.errorText};
    return {written.ok, {}};
}

// The user's store names a task list that is there: that one stays in use.
bool storeNamesATaskList(const FolderEnvironment &env)
{
    const std::string inUse
        = readRegistryString(registryStorePath(env.xdgConfigHome, env.home), HKEY_CURRENT_USER,
                             programRegistryKey(), kSettingsFileValue, "");
    return !inUse.empty() && exists(inUse);
}

// A folder that holds a task list of its own still works read-only, and the program's own
// messages tell of the saves that fail; one without it needs the reason told first.
ProgramFolder fallBack(const std::string &executableFolder, bool holdsTaskList,
                       const std::string &why)
{
    if (holdsTaskList)
        return {executableFolder, {}};
    return {executableFolder,
            fillIn(trText("ProgramFolder",
                          "Tallybell could not make a folder of your own for the "
                          "task list, the list files and the bell:\r\n\r\n%1"
                          "\r\n\r\nIt uses its own folder instead:\r\n%2"),
                   {why, executableFolder})};
}

} // namespace

ProgramFolder chooseProgramFolder(const std::string &executableFolder,
                                  bool executableFolderWritable, const FolderEnvironment &env)
{
    const bool holdsWorkList = exists(executableFolder + "/" + kWorkList);
    const bool holdsTaskList = holdsWorkList || exists(executableFolder + "/" + kDefaultList);
    if (executableFolderWritable && holdsTaskList)
        return {executableFolder, {}};

    const auto dataHome = userBaseFolder(env.xdgDataHome, env.home, "/.local/share");
    if (!dataHome)
        return fallBack(executableFolder, holdsTaskList,
                        trText("ProgramFolder", "The home folder is not known (HOME is not set)."));

    const std::string folder = *dataHome + "/" + kFolderName;
    if (const int error = makePrivateFolders(folder); error != 0)
        return fallBack(executableFolder, holdsTaskList, folder + ": " + std::strerror(error));

    std::string failures;
    const auto copy = [&](const std::string &sourceFolder, const std::string &name) {
        const Copy done = copyIfMissing(sourceFolder, folder, name);
        if (!done.failure.empty())
            failures += (failures.empty() ? "" : "\r\n") + done.failure;
        return done.copied;
    };

    // A copy that cannot write in its own folder but carries a task list takes it along: the
    // user's own, else its default one. A task list in the per-user folder stays as it is.
    const bool listTaken = holdsTaskList && !exists(folder + "/" + kWorkList)
        && copy(executableFolder, holdsWorkList ? kWorkList : kDefaultList);

    // A relocated installation finds its files beside its bin folder; a read-only copy
    // that carries its files in its own folder gives those.
    std::string source
        = std::filesystem::path(executableFolder + "/../share/tallybell").lexically_normal();
    if (!source.empty() && source.back() == '/')
        source.pop_back();
    if (!isFolder(source))
        source = executableFolder;
    for (const std::string name : kShipped) {
        // The first start renames the default list: once that happened it is not brought back.
        if (name != kDefaultList || !exists(folder + "/" + kWorkList))
            copy(source, name);
    }
    // What a copy killed at a start before left behind.
    for (const char *name : kShipped)
        removeStaleTemporaryFiles(folder, name);
    removeStaleTemporaryFiles(folder, kWorkList);

    ProgramFolder chosen {folder, {}};
    // Said once, when the list is taken along, unless the list in use is another one.
    if (listTaken && !storeNamesATaskList(env))
        chosen.problem = fillIn(
            trText("ProgramFolder",
                   "Tallybell cannot write in its own folder\r\n%1\r\n\r\nso it keeps the task "
                   "list, the list files and the bell in\r\n%2\r\n\r\nfrom now on. Your task "
                   "list was copied there; the one in the program's folder is left as it is."),
            {executableFolder, folder});
    if (!failures.empty())
        chosen.problem += std::string(chosen.problem.empty() ? "" : "\r\n\r\n")
            + fillIn(trText("ProgramFolder",
                            "Tallybell could not copy its default files into\r\n%1\r\n\r\n%2"),
                     {folder, failures});
    return chosen;
}

ProgramFolder chooseProgramFolder(const std::string &executableFolder)
{
    FolderEnvironment env;
    env.xdgDataHome = std::getenv("XDG_DATA_HOME");
    env.xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    env.home = std::getenv("HOME");
    return chooseProgramFolder(executableFolder, ::access(executableFolder.c_str(), W_OK) == 0,
                               env);
}

} // namespace tb
