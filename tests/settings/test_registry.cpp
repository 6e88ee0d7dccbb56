#include "settings/IniFile.h"
#include "settings/Registry.h"
#include "settings/SafeFile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tb;
using tb::test::FakeMessageBox;
using tb::test::readFile;
using tb::test::TempDir;
using tb::test::writeFile;
using namespace std::string_literals;

namespace {

constexpr std::string_view appKey = "SOFTWARE\\Orvane\\Tallybell";

class RegistryTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::string store = registryStorePath(dir.path().c_str(), nullptr);
    FakeMessageBox messages;
    Registry registry {store, messages};

    std::string read(std::string_view subkey, std::string_view name, std::string_view def = "dflt")
    {
        return registry.RegReadString(HKEY_CURRENT_USER, subkey, name, def);
    }
};

} // namespace

TEST(RegistryStorePath, FollowsTheXdgRules)
{
    EXPECT_EQ(registryStorePath("/cfg", "/home/u"), "/cfg/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath("/cfg/", "/home/u"), "/cfg/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath("", "/home/u"), "/home/u/.config/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath(nullptr, "/home/u"),
              "/home/u/.config/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath("relative/cfg", "/home/u"),
              "/home/u/.config/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath(nullptr, nullptr), "");
    EXPECT_EQ(registryStorePath("", ""), "");
}

TEST_F(RegistryTest, StringsRoundTripExactly)
{
    const std::string longPath = "/home/someone/" + std::string(600, 'p') + "/tallywork.ini";
    const std::string awkward[] = {
        "/home/u/Task lists/tallywork.ini",
        longPath,
        "  blanks at both ends\t ",
        "\"quoted\"",
        "'single'",
        "x=y; [z] # \\ \xC3\xA9\xFF",
        "\"",
    };
    for (const std::string &value : awkward) {
        EXPECT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, appKey, "Settings File", value));
        EXPECT_EQ(read(appKey, "Settings File"), value);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegistryTest, KeysAndNamesMatchInAnyCaseAndWithATrailingBackslash)
{
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell\\",
                                         "Settings File", "/a.ini"));
    EXPECT_EQ(read("software\\orvane\\tallybell", "SETTINGS FILE"), "/a.ini");
    EXPECT_EQ(read("SOFTWARE\\Orvane\\Tallybell\\\\", "settings file"), "/a.ini");
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, "Software\\ORVANE\\Tallybell",
                                         "settings file", "/b.ini"));
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, appKey, "FirstRun", "2026-12-06"));
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, "Control Panel\\Desktop",
                                         "ScreenSaveActive", "0"));
    EXPECT_EQ(read(appKey, "Settings File"), "/b.ini");
    EXPECT_EQ(read("Control Panel\\Desktop", "ScreenSaveActive"), "0");
    EXPECT_EQ(registry.RegReadString(0x80000002u, appKey, "Settings File", "other hive"),
              "other hive");

    // One section per key, spelled as first written; readable and editable by hand.
    EXPECT_EQ(readFile(store),
              "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\r\n"
              "Settings File=sz:\"/b.ini\"\r\n"
              "FirstRun=sz:\"2026-12-06\"\r\n"
              "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
              "ScreenSaveActive=sz:\"0\"\r\n");
}

TEST_F(RegistryTest, MissingEmptyAndNonStringValuesReadAsTheDefault)
{
    EXPECT_EQ(read(appKey, "Settings File"), "dflt") << "no store yet";
    std::filesystem::create_directories(std::filesystem::path(store).parent_path());
    writeFile(store,
              "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\n"
              "Empty=sz:\"\"\n"
              "Bare=sz:\n"
              "Number=dword:00000001\n"
              "Untyped=/x.ini\n"
              "Hand=SZ:typed by hand \n"
              "Nul=sz:\"ab\0cd\"\n"
              "NulFirst=sz:\"\0cd\"\n"
              "[HKEY_CURRENT_USER\\Other]\n"
              "Only=sz:\"here\"\n"
              "\n"s);
    EXPECT_EQ(read(appKey, "Empty"), "dflt");
    EXPECT_EQ(read(appKey, "Bare"), "dflt");
    EXPECT_EQ(read(appKey, "Number"), "dflt");
    EXPECT_EQ(read(appKey, "Untyped"), "dflt");
    EXPECT_EQ(read(appKey, "Hand"), "typed by hand");
    EXPECT_EQ(read(appKey, "Nul"), "ab") << "a string ends at its first NUL";
    EXPECT_EQ(read(appKey, "NulFirst"), "dflt");
    EXPECT_EQ(read(appKey, "Only"), "dflt");
    EXPECT_EQ(read(appKey, "Missing"), "dflt");
    EXPECT_EQ(read("SOFTWARE\\Orvane", "Settings File"), "dflt");

    EXPECT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, appKey, "Empty", ""));
    EXPECT_EQ(read(appKey, "Empty"), "dflt");
    EXPECT_EQ(read("Other", "Only"), "here");
}

TEST_F(RegistryTest, CreatesItsFoldersPrivateToTheUser)
{
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, appKey, "FirstRun", "now"));
    for (const auto &folder : {dir.file("Orvane"), dir.file("Orvane/Tallybell")}) {
        struct stat info {
        };
        ASSERT_EQ(::stat(folder.c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }

    // A config home that does not exist yet is made too.
    Registry deeper(registryStorePath(dir.file("new/config").c_str(), nullptr), messages);
    EXPECT_FALSE(deeper.RegWriteString(HKEY_CURRENT_USER, appKey, "FirstRun", "now"));
    EXPECT_EQ(deeper.RegReadString(HKEY_CURRENT_USER, appKey, "FirstRun", ""), "now");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenIsReportedOncePerStart)
{
    // Each case is a start of the program: a store object of its own, which reports its
    // first failure and stays quiet about the next.
    const auto expectReportedOnce = [&](const char *what, auto &&write) {
        Registry start(store, messages);
        EXPECT_TRUE(write(start)) << what;
        EXPECT_TRUE(write(start)) << what;
        ASSERT_EQ(messages.shown.size(), 1u) << what;
        EXPECT_EQ(messages.shown[0].text, "Error Creating Key: -2147483647") << what;
        EXPECT_EQ(messages.shown[0].caption, "Tallybell") << what;
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::None) << what;
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok) << what;
        messages.shown.clear();
    };
    const auto writeSettingsFile = [](const std::string &value) {
        return [value](Registry &r) {
            return r.RegWriteString(HKEY_CURRENT_USER, appKey, "Settings File", value);
        };
    };

    // The store's folder cannot be made: a file stands in its way.
    writeFile(dir.file("Orvane"), "not a folder");
    expectReportedOnce("blocked folder", writeSettingsFile("/a.ini"));
    EXPECT_EQ(readFile(dir.file("Orvane")), "not a folder");
    std::filesystem::remove(dir.file("Orvane"));

    // The folder is there but the disk is full: the old store stays as it was.
    ASSERT_FALSE(registry.RegWriteString(HKEY_CURRENT_USER, appKey, "Settings File", "/a.ini"));
    const std::string before = readFile(store);
    {
        SystemCalls calls = realSystemCalls();
        calls.write = [](int, const void *, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        expectReportedOnce("full disk", writeSettingsFile("/b"));
    }
    EXPECT_EQ(readFile(store), before);

    // A line break cannot be kept in the store.
    expectReportedOnce("line break", writeSettingsFile("a\nb"));
    EXPECT_EQ(read(appKey, "Settings File"), "/a.ini");

    // The hive is shown as the signed number of its handle.
    EXPECT_TRUE(registry.RegWriteString(0x80000002u, "x", "v", "line\nbreak"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error Creating Key: -2147483646");

    // No place for a store at all.
    Registry nowhere("", messages);
    EXPECT_TRUE(nowhere.RegWriteString(HKEY_CURRENT_USER, appKey, "FirstRun", "now"));
    EXPECT_EQ(nowhere.RegReadString(HKEY_CURRENT_USER, appKey, "FirstRun", "d"), "d");
}
