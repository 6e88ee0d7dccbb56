#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tb {

// What a file dialog is asked to show.
struct FileChoice {
    bool save = false;
    std::string title;
    // Empty, or not an existing folder: the user's home folder.
    std::string folder;
    // (description, pattern) pairs. A pattern may be empty; several patterns in one entry are
    // separated by ';'.
    std::vector<std::pair<std::string, std::string>> filters;
    int filterIndex = 1; // 1-based
    // Initial text of the name field; may be a wildcard pattern such as "*.wav".
    std::string fileName;
    // Appended (without the dot) to a typed name that has no extension; may be empty.
    std::string defaultExt;
    // Open: only an existing file may be chosen.
    bool mustExist = false;
    // Save: the dialog asks before a name of an existing file is taken.
    bool confirmOverwrite = true;
    // The accept button's caption when it should say more than "Open" or "Save"; may be
    // empty.
    std::string acceptLabel;
};

struct FileChosen {
    bool accepted = false; // false: cancelled, or the dialog failed
    std::string path; // file-system bytes
    int filterIndex = 1;
};

// Open and save dialogs. Modal: returns when the user is done.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual FileChosen choose(const FileChoice &choice) = 0;
};

} // namespace tb
