#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <string>

namespace tb {

class FileChooser;
class Help;
class MainForm;
class MessageBox;
class Registry;
class Sound;

struct OptionsServices {
    MessageBox &messages;
    Sound &sound;
    Help &help;
    FileChooser &fileChooser;
    Registry &registry;
};

// The "General task options" window: the three session switches, the sound file and the
// task list in use. Every change is made in the main window's state and written at once;
// OK only closes the window.
class OptionsForm final : public Form
{
public:
    OptionsForm(MainForm &main, FormCalls &forms, OptionsServices services);

    void Form_Load();
    // Locks the task-list controls while the main window is paused, and unlocks them again
    // when the pause ends.
    void Form_Paint();
    // Shows the main window's options, sound file and task list as they are now, whichever
    // window changed them.
    void refresh() override;

    void chkmaxmin_LostFocus();
    void chkplaywavefile_LostFocus();
    void chkstopbtasks_LostFocus();
    void cmdHelp_Click();
    void cmdOK_Click();
    void cmdPlaySoundFile_Click();
    void cmdselectsndfile_Click();
    // Public: also the main window's File > Open.
    void cmdselecttaskfile_Click();
    // Public: a new, empty task list holding the current options.
    void cmdnewtaskfile_Click();
    // Right mouse button on a control: its short help as a pop-up.
    void ShowControlHelp(int topic);

    // Runs an open-file dialog; the chosen full path, or "" when the user cancels.
    std::string SelectFileName(const std::string &WinTitle, const std::string &DefaultExt,
                               const std::string &TypeOfFiles, const std::string &initdir);

private:
    // The folder a file dialog for `file` starts in: the file's own folder when there is
    // one, else the program's folder.
    std::string startFolderFor(const std::string &file) const;
    void showSwitches();

    MainForm &main_;
    FormCalls &forms_;
    OptionsServices s_;
};

} // namespace tb
