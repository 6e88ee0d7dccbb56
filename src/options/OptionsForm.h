#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <cstdint>
#include <string>

namespace tb {

class FileChooser;
class Help;
class MessageBox;
class Session;
class Sound;
class Speech;
class TaskList;

struct OptionsServices {
    MessageBox &messages;
    Sound &sound;
    Help &help;
    FileChooser &fileChooser;
    Speech &speech;
};

// The "General task options" window: the three session switches, the sound file and the
// task list in use. Every change is made in the task list in use and written at once; OK
// only closes the window. The task list cannot be switched or replaced while a session runs
// or is paused.
class OptionsForm final : public Form
{
public:
    OptionsForm(TaskList &list, const Session &session, FormCalls &forms, OptionsServices services);

    void Form_Load();
    // Locks the task-list controls while a session runs or is paused, and unlocks them when
    // it has ended.
    void Form_Paint();
    // Shows the options, sound file and task list as they are now, whichever window
    // changed them.
    void refresh() override;

    void chkmaxmin_LostFocus();
    void chkplaywavefile_LostFocus();
    void chkstopbtasks_LostFocus();
    // Another way of naming the drawn notes, stored at once.
    void cbnotenames_Click();
    // The cues: the warning's lead time, reading aloud and its rate, stored at once.
    void cbwarn_Click();
    void chkreadaloud_Click();
    void cbspeechrate_Click();
    void cmdHelp_Click();
    void cmdOK_Click();
    void cmdPlaySoundFile_Click();
    void cmdselectsndfile_Click();
    // Public: also File > Open of the main window and of the task list editor.
    void cmdselecttaskfile_Click();
    // Public: a new, empty task list holding the current options; also the editor's
    // File > New.
    void cmdnewtaskfile_Click();
    // Right mouse button on a control: its short help as a pop-up.
    void ShowControlHelp(int topic);

    // Runs a file dialog; the chosen full path, or "" when the user cancels. An open dialog
    // picks an existing file; one for a `newName` lets a new name be typed and asks nothing
    // about an existing one (the caller asks its own question).
    std::string SelectFileName(const std::string &WinTitle, const std::string &DefaultExt,
                               const std::string &TypeOfFiles, const std::string &initdir,
                               bool newName = false);

private:
    // The folder a file dialog for `file` starts in: the file's own folder when there is
    // one, else the program's folder.
    std::string startFolderFor(const std::string &file) const;
    void showSwitches();
    // While a session runs the task list stays: says so, once for each attempt.
    bool refuseWhileLocked();

    TaskList &list_;
    const Session &session_;
    FormCalls &forms_;
    OptionsServices s_;
    std::uint64_t shownRevision_ = 0;
};

} // namespace tb
