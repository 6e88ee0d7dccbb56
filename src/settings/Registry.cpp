#include "settings/Registry.h"

#include "platform/MessageBox.h"
#include "settings/IniFile.h"
#include "settings/SafeFile.h"
#include "tallybell/Version.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <utility>

namespace tb {
namespace {

constexpr std::string_view stringType = "sz:";

std::string hiveName(std::uint32_t hive)
{
    switch (hive) {
    case 0x80000000u:
        return "HKEY_CLASSES_ROOT";
    case 0x80000001u:
        return "HKEY_CURRENT_USER";
    case 0x80000002u:
        return "HKEY_LOCAL_MACHINE";
    case 0x80000003u:
        return "HKEY_USERS";
    case 0x80000005u:
        return "HKEY_CURRENT_CONFIG";
    default:
        break;
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(hive));
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (lower != prefix[i])
            return false;
    }
    return true;
}

std::string parentFolder(const std::string &file)
{
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

} // namespace

std::string registryStorePath(const char *xdgConfigHome, const char *home)
{
    const auto base = userBaseFolder(xdgConfigHome, home, "/.config");
    return base
        ? *base + "/" + version::kCompanyName + "/" + version::kProductName + "/registry.ini"
        : std::string();
}

std::string registrySection(std::uint32_t hive, std::string_view subkey)
{
    while (!subkey.empty() && subkey.back() == '\\')
        subkey.remove_suffix(1);
    std::string section = hiveName(hive);
    if (!subkey.empty())
        section.append("\\").append(subkey);
    return section;
}

Registry::Registry(std::string storeFile, MessageBox &messages)
    : storeFile_(std::move(storeFile)), messages_(messages)
{
}

std::string Registry::RegReadString(std::uint32_t hive, std::string_view subkey,
                                    std::string_view valueName, std::string_view defaultValue) const
{
    if (storeFile_.empty())
        return std::string(defaultValue);
    const auto stored = iniReadRaw(registrySection(hive, subkey), valueName, storeFile_);
    if (!stored || !startsWithNoCase(*stored, stringType))
        return std::string(defaultValue);
    std::string_view text = std::string_view(*stored).substr(stringType.size());
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    // A string ends at its first NUL, as the system's strings do.
    text = text.substr(0, text.find('\0'));
    return std::string(text.empty() ? defaultValue : text);
}

bool Registry::RegWriteString(std::uint32_t hive, std::string_view subkey,
                              std::string_view valueName, std::string_view data)
{
    std::string stored;
    stored.reserve(stringType.size() + data.size() + 2);
    stored.append(stringType).append("\"").append(data).append("\"");

    bool written = false;
    if (!storeFile_.empty() && makePrivateFolders(parentFolder(storeFile_)) == 0) {
        // Written as a batch of one: a failed write of the store is said here, as a key
        // error, and not a second time as a failed save of a settings file.
        IniBatch store(storeFile_);
        written
            = store.write(registrySection(hive, subkey), valueName, stored) && store.commit().ok;
    }
    if (written)
        return false;
    // A store that cannot be written fails at every write; one message per run is enough.
    if (!errorShown_) {
        errorShown_ = true;
        messages_.show("Error Creating Key: " + std::to_string(std::int32_t(hive)),
                       version::kProductName, MsgIcon::None, MsgButtons::Ok);
    }
    return true;
}

} // namespace tb
