#include "app/ProgramFolder.h"
#include "settings/SafeFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace tb::test {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

const Files kShipped {{"tallydef.ini", "shipped tasks"},
                      {"List1.txt", "shipped list 1"},
                      {"List2.txt", "shipped list 2"},
                      {"PINGPONG.WAV", "shipped bell"}};

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

Files with(Files files, const Files &changes)
{
    for (const auto &[name, bytes] : changes)
        files[name] = bytes;
    return files;
}

// An installation under <root>/usr: the program in bin, its defaults in share/tallybell.
struct Layout {
    TempDir root;
    fs::path bin = root.path() / "usr/bin";
    fs::path home = root.path() / "home";
    fs::path homeData = home / ".local/share/Tallybell";
    std::string homeText = home.string();

    Layout()
    {
        put(bin, {{"tallybell", "program"}});
        put(root.path() / "usr/share/tallybell", kShipped);
        fs::create_directories(home);
    }
};

enum class Chosen { Beside, HomeData, XdgData };
using enum Chosen;

const Files def {{"tallydef.ini", "x"}}, work {{"tallywork.ini", "x"}};
const Files users {{"tallywork.ini", "my tasks"}, {"List1.txt", "my list"}};
const Files usersCompleted = with(
    users,
    {{"List2.txt", kShipped.at("List2.txt")}, {"PINGPONG.WAV", kShipped.at("PINGPONG.WAV")}});
const Files mine {{"tallydef.ini", "mine"}}, own {{"tallydef.ini", "own"}};

// Each case differs from an installed program started by a user with a HOME.
struct Case {
    const char *name;
    Files beside = {}; // beside the program
    bool writable = true;
    const char *xdg = nullptr; // XDG_DATA_HOME under the root; "" a relative one
    bool home = true;
    Files before = {}; // already in the per-user folder
    bool share = true; // the defaults installed in share/tallybell
    Chosen chosen = HomeData;
    Files after = kShipped; // in the per-user folder afterwards
    bool problem = false;
};
const Case kCases[] = {
    {.name = "installed"},
    {.name = "portable", .beside = def, .xdg = "xdg", .chosen = Beside},
    {.name = "portable, run before", .beside = work, .chosen = Beside},
    {.name = "read-only with a task list", .beside = work, .writable = false},
    {.name = "own files", .beside = own, .writable = false, .share = false, .after = own},
    {.name = "XDG_DATA_HOME", .xdg = "xdg", .chosen = XdgData},
    {.name = "XDG_DATA_HOME without HOME", .xdg = "xdg", .home = false, .chosen = XdgData},
    {.name = "a relative XDG_DATA_HOME is ignored", .xdg = ""},
    {.name = "the default list not brought back", .before = users, .after = usersCompleted},
    {.name = "a changed default list is kept", .before = mine, .after = with(kShipped, mine)},
    {.name = "no HOME", .home = false, .chosen = Beside, .problem = true},
    {.name = "no HOME, a task list",
     .beside = work,
     .writable = false,
     .home = false,
     .chosen = Beside},
    {.name = "XDG_DATA_HOME cannot be made",
     .xdg = "afile/data",
     .chosen = Beside,
     .problem = true},
};

TEST(ProgramFolder, PortableOrPerUserFolderFilledWithoutReplacingAnything)
{
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.name);
        Layout l;
        put(l.bin, c.beside);
        writeFile((l.root.path() / "afile").string(), "a file, not a folder");
        if (!c.share)
            fs::remove_all(l.root.path() / "usr/share");
        const fs::path xdg = l.root.path() / (c.xdg ? c.xdg : "");
        const fs::path data = c.chosen == XdgData ? xdg / "Tallybell" : l.homeData;
        if (!c.before.empty())
            put(data, c.before);
        const std::string xdgText = xdg.string();
        FolderEnvironment env;
        if (c.xdg)
            env.xdgDataHome = *c.xdg ? xdgText.c_str() : "relative/data";
        if (c.home)
            env.home = l.homeText.c_str();

        const ProgramFolder chosen = chooseProgramFolder(l.bin.string(), c.writable, env);

        EXPECT_EQ(chosen.problem.empty(), !c.problem) << chosen.problem;
        if (c.chosen == Beside) {
            EXPECT_EQ(chosen.path, l.bin.string());
            EXPECT_FALSE(fs::exists(l.homeData) || fs::exists(xdg / "Tallybell"));
            continue;
        }
        EXPECT_EQ(chosen.path, data.string());
        EXPECT_EQ(filesIn(data), c.after);
        struct stat info {
        };
        ASSERT_EQ(::stat(data.c_str(), &info), 0);
        EXPECT_TRUE(!c.before.empty() || (info.st_mode & 0777) == 0700) << "made private";
    }
}

TEST(ProgramFolder, ACopyNeverReplacesAFileThatAppearsMeanwhileNorLeavesOneHalfWritten)
{
    FolderEnvironment env;
    for (const bool fullDisk : {false, true}) {
        SCOPED_TRACE(fullDisk ? "a full disk" : "another start puts its list 1 in place");
        Layout l;
        env.home = l.homeText.c_str();
        const std::string theirs = (l.homeData / "List1.txt").string();
        SystemCalls calls = realSystemCalls();
        calls.rename = [&theirs](const char *from, const char *to) {
            if (std::string(to).find("List1.txt") != std::string::npos) // just before it is named
                writeFile(theirs, "their list");
            return ::rename(from, to);
        };
        if (fullDisk)
            calls.write = [](int, const void *, size_t) -> ssize_t {
                errno = ENOSPC;
                return -1;
            };
        ScopedSystemCalls scoped(calls);
        const ProgramFolder chosen = chooseProgramFolder(l.bin.string(), true, env);
        EXPECT_EQ(chosen.path, l.homeData.string());
        if (fullDisk) {
            EXPECT_NE(chosen.problem.find("List2.txt"), std::string::npos) << chosen.problem;
            EXPECT_NE(chosen.problem.find(std::strerror(ENOSPC)), std::string::npos);
            EXPECT_EQ(filesIn(l.homeData), Files {}) << "no file left to be taken as whole";
        } else {
            EXPECT_EQ(chosen.problem, "");
            EXPECT_EQ(filesIn(l.homeData), with(kShipped, {{"List1.txt", "their list"}}));
        }
    }
}

} // namespace
} // namespace tb::test
