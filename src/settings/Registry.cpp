#include "settings/Registry.h"

#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/Translator.h"
#include "settings/IniFile.h"
#include "tallybell/Version.h"
#include "text/Ascii.h"

#include <cstdio>
#include <cstring>
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

std::string programRegistryKey()
{
    return std::string("SOFTWARE\\") + version::kCompanyName + "\\" + version::kProductName;
}

std::string Registry::RegReadString(std::uint32_t hive, std::string_view subkey,
                                    std::string_view valueName, std::string_view defaultValue) const
{
    return readRegistryString(storeFile_, hive, subkey, valueName, defaultValue);
}

std::string readRegistryString(const std::string &storeFile, std::uint32_t hive,
                               std::string_view subkey, std::string_view valueName,
                               std::string_view defaultValue)
{
    if (storeFile.empty())
        return std::string(defaultValue);
    const auto stored = iniReadRaw(registrySection(hive, subkey), valueName, storeFile);
    if (!stored || !startsWithIgnoringAsciiCase(*stored, stringType))
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

    const std::string section = registrySection(hive, subkey);
    std::string reason; // why the store cannot be written, empty when it was
    if (storeFile_.empty()) {
        reason = trText("Registry",
                        "There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.");
    } else if (const int error = makePrivateFolders(parentFolder(storeFile_)); error != 0) {
        reason = std::strerror(error);
    } else if (!isWritableIniEntry(section, valueName, stored)) {
        reason = trText("Registry",
                        "This name or text cannot be stored (a line break, or \"=\" in the name).");
    } else {
        // Written as a batch of one: a failed write of the store is said here, as a key
        // error, and not a second time as a failed save of a settings file.
        IniBatch store(storeFile_);
        store.write(section, valueName, stored);
        reason = store.commit().errorText;
    }
    if (reason.empty())
        return false;
    // A store that cannot be written fails at every write; one message per run is enough.
    if (!errorShown_) {
        errorShown_ = true;
        const std::string where = storeFile_.empty() ? std::string() : storeFile_ + "\r\n";
        messages_.show(fillIn(trText("Registry", "Error Creating Key: %1"),
                              {std::to_string(std::int32_t(hive))})
                           + "\r\n\r\n" + where + reason,
                       version::kProductName, MsgIcon::None, MsgButtons::Ok);
    }
    return true;
}

} // namespace tb
