#pragma once

#include "platform/FileChooser.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

// The error a caller finds after ShowOpen or ShowSave.
struct DialogError {
    int Number = 0; // 0: none
    std::string Source;
    std::string Description;
    explicit operator bool() const { return Number != 0; }
};

inline constexpr int kCancelError = 32755;

inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x0002;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;

// The open/save dialog object. Its properties keep the shapes callers have always relied
// on: after a successful dialog FileName is the chosen path followed by NUL characters (the
// rest of the old name buffer), FileTitle the name followed by a NUL, and the filter is
// kept NUL-separated.
class clsOpenSave
{
public:
    explicit clsOpenSave(FileChooser &chooser);

    std::int16_t FileExt = 0;
    std::uint32_t hwnd = 0; // owner window; unused here
    std::int16_t MaxFileSize = 260;
    std::string initdir; // empty: the user's home folder
    std::uint32_t FLAGS = 0;
    std::int16_t FilterIndex = 1;
    std::string FileTitle;
    std::string FileName;
    std::string DialogTitle;
    std::string DefaultExt;
    bool CancelError = false;
    // The caption of the dialog's accept button; empty for the dialog's own.
    std::string AcceptLabel;

    // "description|pattern|description|pattern"
    void setFilter(std::string_view filter);
    std::string Filter() const;
    const std::string &storedFilter() const { return filter_; }

    DialogError ShowOpen();
    DialogError ShowSave();

private:
    FileChoice choiceFor(bool save) const;
    // Takes a chosen file into the properties; false when it does not fit the name buffer.
    bool takeChosen(const FileChosen &chosen);
    DialogError show(bool save);

    FileChooser &chooser_;
    std::string filter_;
};

} // namespace tb
