#include "settings/Registry.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tb;
using namespace tb::test;
using namespace std::string_literals;

namespace {

constexpr std::string_view appKey = "SOFTWARE\\Orvane\\Tallybell";

class RegistryTest : public ::testing::Test
{
protected:
    std::string read(std::string_view subkey, std::string_view name)
    {
        return registry.RegReadString(HKEY_CURRENT_USER, subkey, name, "dflt");
    }
    bool write(std::string_view subkey, std::string_view name, std::string_view value)
    {
        return registry.RegWriteString(HKEY_CURRENT_USER, subkey, name, value);
    }

    TempDir dir;
    std::string store = registryStorePath(dir.path().c_str(), nullptr);
    FakeMessageBox messages;
    Registry registry {store, messages};
};

} // namespace

TEST(RegistryStorePath, FollowsTheXdgRules)
{
    EXPECT_EQ(registryStorePath("/cfg//", "/home/u"), "/cfg/Orvane/Tallybell/registry.ini");
    for (const char *ignored : {"", "relative/cfg"})
        EXPECT_EQ(registryStorePath(ignored, "/u"), "/u/.config/Orvane/Tallybell/registry.ini");
    EXPECT_EQ(registryStorePath(nullptr, nullptr), "");
    EXPECT_EQ(registryStorePath("", ""), "");
}

// Any text on one line comes back exactly; key paths and names match in any case and with
// trailing backslashes; the store is a settings file to read and edit by hand.
TEST_F(RegistryTest, StringsRoundTripInAFileReadableByHand)
{
    for (const std::string &value : {"/home/u/" + std::string(600, 'p') + ".ini", " blanks\t "s,
                                     "\"quoted\""s, "x=y; [z] # \\ \xC3\xA9\xFF"s, "\""s}) {
        EXPECT_FALSE(write(appKey, "Settings File", value));
        EXPECT_EQ(read(appKey, "Settings File"), value);
    }
    ASSERT_FALSE(write("Software\\ORVANE\\Tallybell\\", "settings file", "/b.ini"));
    EXPECT_EQ(read("software\\orvane\\tallybell\\\\", "SETTINGS FILE"), "/b.ini");
    EXPECT_EQ(registry.RegReadString(0x80000002u, appKey, "Settings File", "other"), "other");
    EXPECT_EQ(readFile(store),
              "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\r\n"
              "Settings File=sz:\"/b.ini\"\r\n");
    EXPECT_TRUE(messages.shown.empty());

    // Values typed by hand, and values of other types.
    writeFile(store,
              "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\n"
              "Empty=sz:\"\"\nBare=sz:\nNumber=dword:00000001\nUntyped=/x.ini\n"
              "Hand=SZ:typed by hand \nNul=sz:\"ab\0cd\"\nNulFirst=sz:\"\0cd\"\n"
              "[HKEY_CURRENT_USER\\Other]\nOnly=sz:\"here\"\n"s);
    for (const char *name : {"Empty", "Bare", "Number", "Untyped", "NulFirst", "Only", "Missing"})
        EXPECT_EQ(read(appKey, name), "dflt") << name;
    EXPECT_EQ(read(appKey, "Hand"), "typed by hand");
    EXPECT_EQ(read(appKey, "Nul"), "ab") << "a string ends at its first NUL";
}

// Each start of the program has a store object of its own, which reports its first failed
// write, with the store's path and the reason, and stays quiet about the next.
TEST_F(RegistryTest, AStoreThatCannotBeWrittenIsReportedOncePerStartSayingWhereAndWhy)
{
    const auto shownAtOneStart = [&](std::uint32_t hive, const std::string &value) {
        messages.shown.clear();
        Registry start(store, messages);
        EXPECT_TRUE(start.RegWriteString(hive, appKey, "Settings File", value));
        EXPECT_TRUE(start.RegWriteString(hive, appKey, "Settings File", value));
        return messages.shown.size() == 1 ? messages.shown[0].text
                                          : std::to_string(messages.shown.size()) + " messages";
    };
    const std::string error = "Error Creating Key: -2147483647\r\n\r\n" + store + "\r\n";
    writeFile(dir.file("Orvane"), "not a folder"); // where the store's folder goes
    ASSERT_EQ(shownAtOneStart(HKEY_CURRENT_USER, "/a.ini"), error + "Not a directory");
    std::filesystem::remove(dir.file("Orvane"));

    ASSERT_FALSE(write(appKey, "Settings File", "/a.ini"));
    const std::string lineBreak = "This name or text cannot be stored (a line break, or \"=\" in "
                                  "the name).";
    EXPECT_EQ(shownAtOneStart(HKEY_CURRENT_USER, "a\nb"), error + lineBreak);
    EXPECT_EQ(shownAtOneStart(0x80000002u, "a\nb"),
              "Error Creating Key: -2147483646\r\n\r\n" + store + "\r\n" + lineBreak);
    EXPECT_EQ(read(appKey, "Settings File"), "/a.ini");
    Registry homeless("", messages);
    messages.shown.clear();
    EXPECT_TRUE(homeless.RegWriteString(HKEY_CURRENT_USER, appKey, "Settings File", "/a.ini"));
    EXPECT_EQ(messages.shown.at(0).text,
              "Error Creating Key: -2147483647\r\n\r\nThere is no "
              "folder for it: neither XDG_CONFIG_HOME nor HOME is set.");
}
