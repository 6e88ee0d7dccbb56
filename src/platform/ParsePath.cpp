#include "platform/ParsePath.h"

namespace tb {

std::string ParsePath(const std::string &path, int part)
{
    std::string drive;
    std::string rest = path;
    if (path.size() >= 2 && path[1] == ':') {
        drive = path.substr(0, 2);
        rest = path.substr(2);
    }

    std::string extension;
    std::string folder;
    std::string name;
    bool folderFound = false;
    // Every dot cuts the text from itself on, so later checks count only what is left.
    for (std::size_t i = rest.size(); i-- > 0;) {
        const std::size_t after = rest.size() - i - 1;
        if (rest[i] == '.') {
            if (after >= 1 && after <= 3)
                extension = rest.substr(i);
            rest.erase(i);
        } else if (rest[i] == '\\' && after >= 1 && after <= 8) {
            name = rest.substr(i + 1);
            folder = rest.substr(0, i + 1);
            folderFound = true;
            break;
        }
    }
    if (!folderFound)
        name = rest;

    switch (part) {
    case 0:
        return drive + folder;
    case 1:
        return drive;
    case 2:
        return extension;
    case 3:
        return name;
    default:
        return {};
    }
}

} // namespace tb
