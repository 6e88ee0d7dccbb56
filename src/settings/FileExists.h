#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace tb {

// True when `fileName` is not empty and names an entry of its folder, whatever it is (a
// dangling link included).
inline bool fExist(const std::string &fileName)
{
    std::error_code error;
    return !fileName.empty()
        && std::filesystem::exists(std::filesystem::symlink_status(fileName, error));
}

} // namespace tb
