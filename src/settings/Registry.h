#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

class MessageBox;

inline constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;

// The per-user registry store: string values under key paths, kept in a human-readable
// file. Key paths and value names match without regard to letter case; a trailing
// backslash names the same key.
//
// The file is a settings file: one section per key, one line per value, and each value
// carries its type, strings as  Name=sz:"text"  (the quotes keep blanks at either end).
// A value of any other type ("dword:...") reads as the default.
class Registry
{
public:
    Registry(std::string storeFile, MessageBox &messages);

    // The string value, or `defaultValue` when it is missing, empty or not a string.
    std::string RegReadString(std::uint32_t hive, std::string_view subkey,
                              std::string_view valueName, std::string_view defaultValue) const;

    // Stores a string value. When the store cannot be written it returns true (false on
    // success) and, the first time only, shows "Error Creating Key: <hive as signed
    // decimal>", with the store's path and the reason on the lines below.
    bool RegWriteString(std::uint32_t hive, std::string_view subkey, std::string_view valueName,
                        std::string_view data);

    const std::string &storeFile() const { return storeFile_; }

private:
    std::string storeFile_;
    MessageBox &messages_;
    bool errorShown_ = false;
};

// Where the store lives: $XDG_CONFIG_HOME (or ~/.config)/Orvane/Tallybell/registry.ini.
// Either argument may be null or empty; a relative $XDG_CONFIG_HOME is ignored, as the
// XDG rules say. Empty when neither gives a folder.
std::string registryStorePath(const char *xdgConfigHome, const char *home);

// The store's section for a key: the hive's name, a backslash and the key path without
// trailing backslashes ("HKEY_CURRENT_USER\SOFTWARE\Orvane\Tallybell").
std::string registrySection(std::uint32_t hive, std::string_view subkey);

// The key of the program's own values: "SOFTWARE\Orvane\Tallybell".
std::string programRegistryKey();
// The program's values under that key: the task list in use, the date of the first start.
inline constexpr const char *kSettingsFileValue = "Settings File";
inline constexpr const char *kFirstRunValue = "FirstRun";

// A string value of the store in `storeFile` as RegReadString reads it, for a reader that
// shows no message.
std::string readRegistryString(const std::string &storeFile, std::uint32_t hive,
                               std::string_view subkey, std::string_view valueName,
                               std::string_view defaultValue);

} // namespace tb
