// Where the program keeps its task list, list files and bell: beside itself, or in a folder of
// each user's own filled with the shipped defaults it misses.

#include "app/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace tb::test {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

const Files kListsAndBell {
    {"List1.txt", "shipped list 1"}, {"List2.txt", "shipped list 2"}, {"PINGPONG.WAV", "bell"}};

Files filesIn(const fs::path &folder)
{
    Files files;
    if (fs::is_directory(folder))
        for (const auto &entry : fs::directory_iterator(folder))
            files[entry.path().filename().string()] = readFile(entry.path().string());
    return files;
}

void put(const fs::path &folder, const Files &files)
{
    fs::create_directories(folder);
    for (const auto &[name, bytes] : files)
        writeFile((folder / name).string(), bytes);
}

// `files`, and those of `more` that it lacks.
Files with(Files files, const Files &more)
{
    files.insert(more.begin(), more.end());
    return files;
}
const Files kShipped = with({{"tallydef.ini", "shipped tasks"}}, kListsAndBell);

enum class Chosen { Beside, HomeData, XdgData };
using enum Chosen;

const Files def {{"tallydef.ini", "x"}}, work {{"tallywork.ini", "x"}};
const Files users {{"tallywork.ini", "my tasks"}, {"List1.txt", "my list"}};

// Each case differs from an installed program (in <root>/usr/bin, its defaults in
// <root>/usr/share/tallybell) started by a user with a HOME.
struct Case {
    const char *name;
    Files beside = {}; // beside the program
    bool writable = true;
    const char *xdg = nullptr; // XDG_DATA_HOME under the root; "" a relative one
    bool home = true;
    Files before = {}; // already in the per-user folder
    Files stale = {}; // left in the per-user folder an hour ago by a copy that was killed
    bool share = true; // the defaults installed
    bool store = false; // the user's store names a task list that is there
    enum { Calm, Race, FullDisk } disk = Calm;
    Chosen chosen = HomeData;
    Files after = kShipped; // in the per-user folder afterwards
    const char *problem = nullptr; // a part of the problem told
};
const Case kCases[] = {
    {.name = "installed"},
    {.name = "portable", .beside = def, .xdg = "xdg", .chosen = Beside},
    // A copy that cannot write in its own folder takes its task list along, and says so.
    {.name = "read-only with a task list",
     .beside = work,
     .writable = false,
     .after = with(work, kListsAndBell),
     .problem = "cannot write in its own folder"},
    {.name = "the user's own files",
     .beside = users,
     .writable = false,
     .share = false,
     .after = users,
     .problem = "cannot write in its own folder"},
    {.name = "the user's own files, the store naming the list in use",
     .beside = users,
     .writable = false,
     .share = false,
     .store = true,
     .after = users},
    {.name = "a list in the folder already",
     .beside = users,
     .writable = false,
     .before = work,
     .after = with(work, kListsAndBell)},
    // Copies killed at an earlier start, one of them by an older version, of files that
    // another start put in place meanwhile.
    {.name = "stale copies",
     .before = kShipped,
     .stale = {{".PINGPONG.WAV.Ab12Cd", ""}, {".List1.txt.4242.new", ""}}},
    {.name = "XDG_DATA_HOME", .xdg = "xdg", .chosen = XdgData},
    {.name = "a relative XDG_DATA_HOME is ignored", .xdg = ""},
    {.name = "the default list not brought back",
     .before = users,
     .after = with(users, kListsAndBell)},
    {.name = "no HOME", .home = false, .chosen = Beside, .problem = "HOME is not set"},
    {.name = "no HOME, a list", .beside = work, .writable = false, .home = false, .chosen = Beside},
    {.name = "XDG_DATA_HOME a file",
     .xdg = "usr/bin/tallybell",
     .chosen = Beside,
     .problem = "Not a directory"},
    // Another start puts its list 1 in place just before this one names its copy: theirs wins.
    {.name = "a race", .disk = Case::Race, .after = with({{"List1.txt", "theirs"}}, kShipped)},
    // Nothing is left half written to be taken as whole.
    {.name = "a full disk", .disk = Case::FullDisk, .after = {}, .problem = "List2.txt: No space"},
};

TEST(ProgramFolder, PortableOrPerUserFolderFilledWithoutReplacingAnything)
{
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.name);
        TempDir root;
        const fs::path bin = root.path() / "usr/bin", home = root.path() / "home";
        put(bin, with(c.beside, {{"tallybell", "program"}}));
        if (c.share)
            put(root.path() / "usr/share/tallybell", kShipped);
        const fs::path xdg = root.path() / (c.xdg ? c.xdg : "");
        const fs::path homeData = home / ".local/share/Tallybell";
        const fs::path data = c.chosen == XdgData ? xdg / "Tallybell" : homeData;
        if (!c.before.empty())
            put(data, c.before);
        for (const auto &[name, bytes] : c.stale) {
            put(data, {{name, bytes}});
            fs::last_write_time(data / name,
                                fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
        if (c.store)
            put(home / ".config/Orvane/Tallybell",
                {{"registry.ini",
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\r\n"
                  "Settings File=sz:\""
                      + (bin / "tallybell").string() + "\"\r\n"}});
        const std::string xdgText = xdg.string(), homeText = home.string();
        const FolderEnvironment env {c.xdg ? (*c.xdg ? xdgText.c_str() : "relative/data") : nullptr,
                                     c.home ? homeText.c_str() : nullptr};
        SystemCalls calls = realSystemCalls();
        calls.renameNoReplace = [&, real = calls.renameNoReplace](const char *from,
                                                                  const char *to) {
            if (c.disk == Case::Race && std::string(to).find("List1.txt") != std::string::npos)
                writeFile((data / "List1.txt").string(), "theirs");
            return real(from, to);
        };
        if (c.disk == Case::FullDisk)
            calls.write = [](int, const void *, size_t) -> ssize_t {
                errno = ENOSPC;
                return -1;
            };
        ScopedSystemCalls disk(calls);

        const ProgramFolder chosen = chooseProgramFolder(bin.string(), c.writable, env);

        EXPECT_EQ(chosen.problem.empty(), !c.problem) << chosen.problem;
        EXPECT_NE(chosen.problem.find(c.problem ? c.problem : ""), std::string::npos);
        if (c.chosen == Beside) {
            EXPECT_EQ(chosen.path, bin.string());
            EXPECT_FALSE(fs::exists(homeData) || fs::exists(xdg / "Tallybell"));
            continue;
        }
        EXPECT_EQ(chosen.path, data.string());
        EXPECT_EQ(filesIn(data), c.after);
        EXPECT_TRUE(!c.before.empty() || !c.stale.empty()
                    || fs::status(data).permissions() == fs::perms::owner_all)
            << "a folder made here is private";
    }
}

} // namespace
} // namespace tb::test
