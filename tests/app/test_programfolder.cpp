#include "app/ProgramFolder.h"
#include "settings/SafeFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace tb {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;
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

// An installation under <root>/usr: the program in bin, its defaults in share/tallybell,
// and a home folder.
struct Layout {
    TempDir root;
    fs::path bin = root.path() / "usr/bin";
    fs::path share = root.path() / "usr/share/tallybell";
    fs::path home = root.path() / "home";
    fs::path homeData = home / ".local/share/Tallybell";

    Layout()
    {
        put(bin, {{"tallybell", "program"}});
        put(share, kShipped);
        fs::create_directories(home);
    }
};

enum class Chosen { ExecutableFolder, HomeData, XdgData };

TEST(ProgramFolder, PortableOrPerUserFolderFilledWithoutReplacingAnything)
{
    struct Case {
        const char *name;
        Files inBin; // beside the program, besides the program itself
        bool binWritable;
        const char *xdgDataHome; // relative to the layout's root; nullptr for unset
        bool homeSet;
        Files before; // already in the per-user folder
        bool shareInstalled;
        Chosen chosen;
        Files after; // the per-user folder afterwards
        bool problem;
    };
    const Files copied = kShipped;
    const Files userFiles {{"tallywork.ini", "my tasks"}, {"List1.txt", "my list"}};
    const Files userFilesCompleted {{"tallywork.ini", "my tasks"},
                                    {"List1.txt", "my list"},
                                    {"List2.txt", "shipped list 2"},
                                    {"PINGPONG.WAV", "shipped bell"}};
    const Case cases[] = {
        {"portable with the default list",
         {{"tallydef.ini", "x"}},
         true,
         "xdg",
         true,
         {},
         true,
         Chosen::ExecutableFolder,
         {},
         false},
        {"portable after its first start",
         {{"tallywork.ini", "x"}},
         true,
         nullptr,
         true,
         {},
         true,
         Chosen::ExecutableFolder,
         {},
         false},
        {"installed", {}, true, nullptr, true, {}, true, Chosen::HomeData, copied, false},
        {"read-only folder with a task list",
         {{"tallywork.ini", "x"}},
         false,
         nullptr,
         true,
         {},
         true,
         Chosen::HomeData,
         copied,
         false},
        {"read-only copy carrying its own files",
         {{"tallydef.ini", "own"}},
         false,
         nullptr,
         true,
         {},
         false,
         Chosen::HomeData,
         {{"tallydef.ini", "own"}},
         false},
        {"XDG_DATA_HOME", {}, true, "xdg", true, {}, true, Chosen::XdgData, copied, false},
        {"XDG_DATA_HOME without HOME",
         {},
         true,
         "xdg",
         false,
         {},
         true,
         Chosen::XdgData,
         copied,
         false},
        {"relative XDG_DATA_HOME is ignored",
         {},
         true,
         "",
         true,
         {},
         true,
         Chosen::HomeData,
         copied,
         false},
        {"user's files are kept, the default list not brought back",
         {},
         true,
         nullptr,
         true,
         userFiles,
         true,
         Chosen::HomeData,
         userFilesCompleted,
         false},
        {"a changed default list is kept",
         {},
         true,
         nullptr,
         true,
         {{"tallydef.ini", "mine"}},
         true,
         Chosen::HomeData,
         {{"tallydef.ini", "mine"},
          {"List1.txt", "shipped list 1"},
          {"List2.txt", "shipped list 2"},
          {"PINGPONG.WAV", "shipped bell"}},
         false},
        {"no HOME", {}, true, nullptr, false, {}, true, Chosen::ExecutableFolder, {}, true},
        {"no HOME, a read-only folder with a task list",
         {{"tallywork.ini", "x"}},
         false,
         nullptr,
         false,
         {},
         true,
         Chosen::ExecutableFolder,
         {},
         false},
        {"XDG_DATA_HOME that cannot be made",
         {},
         true,
         "afile/data",
         true,
         {},
         true,
         Chosen::ExecutableFolder,
         {},
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Layout l;
        put(l.bin, c.inBin);
        writeFile((l.root.path() / "afile").string(), "a file, not a folder");
        if (!c.shareInstalled)
            fs::remove_all(l.share);
        const fs::path xdg = l.root.path() / (c.xdgDataHome ? c.xdgDataHome : "");
        const fs::path xdgData = xdg / "Tallybell";
        const fs::path expectedData = c.chosen == Chosen::XdgData ? xdgData : l.homeData;
        if (!c.before.empty())
            put(expectedData, c.before);
        const std::string relative = "relative/data";
        FolderEnvironment env;
        const std::string xdgText = xdg.string();
        const std::string homeText = l.home.string();
        if (c.xdgDataHome)
            env.xdgDataHome = *c.xdgDataHome ? xdgText.c_str() : relative.c_str();
        if (c.homeSet)
            env.home = homeText.c_str();

        const ProgramFolder chosen = chooseProgramFolder(l.bin.string(), c.binWritable, env);

        if (c.chosen == Chosen::ExecutableFolder) {
            EXPECT_EQ(chosen.path, l.bin.string());
            EXPECT_FALSE(fs::exists(l.homeData));
            EXPECT_FALSE(fs::exists(xdgData));
        } else {
            EXPECT_EQ(chosen.path, expectedData.string());
            EXPECT_EQ(filesIn(expectedData), c.after);
            struct stat info {
            };
            ASSERT_EQ(::stat(expectedData.c_str(), &info), 0);
            if (c.before.empty()) {
                EXPECT_EQ(info.st_mode & 0777, 0700U);
            }
        }
        EXPECT_EQ(chosen.problem.empty(), !c.problem) << chosen.problem;
    }
}

TEST(ProgramFolder, ACopyNeverReplacesAFileThatAppearsMeanwhileNorLeavesOneHalfWritten)
{
    FolderEnvironment env;
    {
        // Another start puts its list in place while this one copies the shipped list.
        Layout l;
        const std::string home = l.home.string();
        env.home = home.c_str();
        const std::string theirs = (l.homeData / "List1.txt").string();
        SystemCalls calls = realSystemCalls();
        calls.rename = [&theirs](const char *from, const char *to) {
            if (std::string(to).find("List1.txt") != std::string::npos)
                writeFile(theirs, "the other start's list");
            return ::rename(from, to);
        };
        ScopedSystemCalls racing(calls);
        const ProgramFolder chosen = chooseProgramFolder(l.bin.string(), true, env);
        EXPECT_TRUE(chosen.problem.empty()) << chosen.problem;
        Files expected = kShipped;
        expected["List1.txt"] = "the other start's list";
        EXPECT_EQ(filesIn(l.homeData), expected);
    }
    {
        // A full disk: the failure is told, and no file is left behind to be taken as whole.
        Layout l;
        const std::string home = l.home.string();
        env.home = home.c_str();
        SystemCalls calls = realSystemCalls();
        calls.write = [](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        const ProgramFolder chosen = chooseProgramFolder(l.bin.string(), true, env);
        EXPECT_EQ(chosen.path, l.homeData.string());
        EXPECT_NE(chosen.problem.find("List2.txt"), std::string::npos) << chosen.problem;
        EXPECT_NE(chosen.problem.find(std::strerror(ENOSPC)), std::string::npos);
        EXPECT_EQ(filesIn(l.homeData), Files {});
    }
}

} // namespace
} // namespace tb
