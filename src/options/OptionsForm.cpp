#include "options/OptionsForm.h"

#include "platform/FileChooser.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/OpenSave.h"
#include "platform/Sound.h"
#include "session/MainForm.h"
#include "settings/Conversions.h"
#include "settings/IniFile.h"
#include "settings/Registry.h"
#include "settings/SafeFile.h"
#include "tallybell/Version.h"

#include <algorithm>
#include <filesystem>

namespace tb {
namespace {

constexpr const char *kRegistryKey = "SOFTWARE\\Orvane\\Tallybell";
constexpr std::uint32_t kDialogFlags = 0x00080004; // explorer style, no read-only box

constexpr Form::HelpTopic kHelpTopics[] = {
    {"cmdOK", 21},
    {"cmdHelp", 29},
    {"chkmaxmin", 32},
    {"chkplaywavefile", 35},
    {"chkstopbtasks", 33},
    {"cmdselectsndfile", 30},
    {"cmdPlaySoundFile", 30},
    {"cmdselecttaskfile", 20},
    {"cmdnewtaskfile", 31},
};

bool isFolder(const std::string &path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

} // namespace

OptionsForm::OptionsForm(MainForm &main, FormCalls &forms, OptionsServices services)
    : main_(main), forms_(forms), s_(services)
{
    // A switch is stored as soon as it is toggled: a window closed by its title bar may
    // never see the focus leave it.
    const auto onSwitch = [this](const char *name, void (OptionsForm::*store)()) {
        on(name, ControlEvent::Click, [this, store] { (this->*store)(); });
        on(name, ControlEvent::LostFocus, [this, store] { (this->*store)(); });
    };
    onSwitch("chkmaxmin", &OptionsForm::chkmaxmin_LostFocus);
    onSwitch("chkplaywavefile", &OptionsForm::chkplaywavefile_LostFocus);
    onSwitch("chkstopbtasks", &OptionsForm::chkstopbtasks_LostFocus);
    on("cmdOK", ControlEvent::Click, [this] { cmdOK_Click(); });
    on("cmdHelp", ControlEvent::Click, [this] { cmdHelp_Click(); });
    on("cmdPlaySoundFile", ControlEvent::Click, [this] { cmdPlaySoundFile_Click(); });
    on("cmdselectsndfile", ControlEvent::Click, [this] { cmdselectsndfile_Click(); });
    on("cmdselecttaskfile", ControlEvent::Click, [this] { cmdselecttaskfile_Click(); });
    on("cmdnewtaskfile", ControlEvent::Click, [this] { cmdnewtaskfile_Click(); });
    onRightClick(kHelpTopics, [this](int topic) { ShowControlHelp(topic); });
}

void OptionsForm::Form_Load()
{
    controls_["frmoptions"].caption
        = std::string(version::kProductName) + " - General task options";
    if (!main_.SoundCardOnSystem) {
        for (const char *name : {"FrmSoundFile", "txtsoundfile", "cmdselectsndfile"})
            controls_[name].enabled = false;
        controls_["cmdPlaySoundFile"].visible = false;
    }
    refresh();
}

void OptionsForm::refresh()
{
    controls_["txtsoundfile"].text = main_.Soundfile;
    controls_["txttasklist"].text = main_.inifilename;
    showSwitches();
    Form_Paint();
}

void OptionsForm::showSwitches()
{
    controls_["chkplaywavefile"].checked = main_.playwavefiletasks;
    controls_["chkmaxmin"].checked = main_.MaxMinScreen;
    controls_["chkstopbtasks"].checked = main_.StopBTasks;
}

void OptionsForm::Form_Paint()
{
    for (const char *name : {"cmdselecttaskfile", "cmdnewtaskfile", "txttasklist", "FrmTaskList"})
        controls_[name].enabled = !main_.Taskspaused;
}

void OptionsForm::chkmaxmin_LostFocus()
{
    main_.MaxMinScreen = controls_.at("chkmaxmin").checked;
    IniWrite("options", "Use Full Screen", boolToText(main_.MaxMinScreen), main_.inifilename);
}

void OptionsForm::chkplaywavefile_LostFocus()
{
    main_.playwavefiletasks = controls_.at("chkplaywavefile").checked;
    IniWrite("options", "Play Sound", boolToText(main_.playwavefiletasks), main_.inifilename);
}

void OptionsForm::chkstopbtasks_LostFocus()
{
    main_.StopBTasks = controls_.at("chkstopbtasks").checked;
    IniWrite("options", "Stop Between tasks", boolToText(main_.StopBTasks), main_.inifilename);
}

void OptionsForm::cmdHelp_Click()
{
    s_.help.WinHelp(Help::HELP_CONTEXT, 6);
}

void OptionsForm::ShowControlHelp(int topic)
{
    s_.help.WinHelp(Help::HELP_CONTEXTPOPUP, topic);
}

void OptionsForm::cmdOK_Click()
{
    forms_.unload(FormId::Options);
}

void OptionsForm::cmdPlaySoundFile_Click()
{
    PlaySoundFile(s_.sound, main_.SoundCardOnSystem, main_.Soundfile);
}

std::string OptionsForm::SelectFileName(const std::string &WinTitle, const std::string &DefaultExt,
                                        const std::string &TypeOfFiles, const std::string &initdir)
{
    clsOpenSave dialog(s_.fileChooser);
    dialog.FLAGS = kDialogFlags;
    dialog.CancelError = true;
    dialog.DialogTitle = WinTitle;
    dialog.initdir = initdir;
    dialog.setFilter(TypeOfFiles);
    dialog.FileName = DefaultExt;
    if (dialog.ShowOpen().Number == kCancelError)
        return {};
    std::string name = dialog.FileName;
    std::erase(name, '\0');
    return name;
}

std::string OptionsForm::startFolderFor(const std::string &file) const
{
    const std::string folder = std::filesystem::path(file).parent_path().string();
    return isFolder(folder) ? folder : main_.programFolder();
}

void OptionsForm::cmdselectsndfile_Click()
{
    const std::string start
        = main_.Soundfile.empty() ? main_.programFolder() : startFolderFor(main_.Soundfile);
    const std::string name
        = SelectFileName("Please select a sound file", "*.wav", "Sound Files", start);
    if (!main_.fExist(name))
        return;
    controls_["txtsoundfile"].text = name;
    main_.Soundfile = controls_.at("txtsoundfile").text;
    IniWrite("options", "wavefile", main_.Soundfile, main_.inifilename);
}

void OptionsForm::cmdselecttaskfile_Click()
{
    const std::string name = SelectFileName("Please select a Task File", "*.ini", "Setting files",
                                            startFolderFor(main_.inifilename));
    if (!main_.fExist(name))
        return;
    // A folder or a file that cannot be read would leave the program on a task list it
    // cannot use.
    if (const FileRead check = checkReadableFile(name); !check.ok()) {
        s_.messages.show("This task list cannot be used:\r\n" + name + "\r\n\r\n" + check.errorText,
                         version::kProductName, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }

    controls_["txttasklist"].text = name;
    main_.inifilename = name;
    s_.registry.RegWriteString(HKEY_CURRENT_USER, std::string(kRegistryKey) + "\\", "Settings File",
                               main_.inifilename);
    // Reading the options afresh: the screen saver switch is only ever switched on by the
    // reading, so the previous list's setting must not carry over.
    main_.Disabless = false;
    main_.loadsettings();
    main_.controls()["optionScreenSave"].checked = main_.Disabless;
    showSwitches();
    main_.loadTotalTime();
    main_.setdelay();
}

void OptionsForm::cmdnewtaskfile_Click()
{
    std::string name
        = SelectFileName("Create a new task list", "*.ini", "Setting files", main_.programFolder());
    if (name.empty())
        return;
    if (!name.ends_with(".ini"))
        name += ".ini";
    if (main_.fExist(name)
        && s_.messages.show("This settings file already exists\r\nDo you want to overwrite it?",
                            version::kProductName, MsgIcon::None, MsgButtons::YesNo)
            != MsgResult::Yes)
        return;

    // The six entries as single writes into an empty file would leave them, written in one
    // step: an existing file is replaced whole or not at all.
    std::string content;
    const auto put = [&content](const char *section, const char *key, const std::string &value) {
        const IniEdit edit = setIniValue(content, section, key, value);
        if (edit.status == IniEdit::Changed)
            content = edit.content;
    };
    put("options", "disable ScreenSaver", boolToText(main_.Disabless));
    put("options", "Use Full Screen", boolToText(main_.MaxMinScreen));
    put("options", "Play Sound", boolToText(main_.playwavefiletasks));
    put("options", "Stop Between tasks", boolToText(main_.StopBTasks));
    put("options", "wavefile", main_.Soundfile);
    put("TotalTime", "Time", numberToText(main_.TempTotalTime));
    if (const FileWrite written = writeFileAtomically(name, content); !written) {
        s_.messages.show("A Disk Error has occurred while creating the new file \n\n\r"
                             + std::to_string(written.error) + " " + written.errorText
                             + "\n\n\rPlease retry later when the problem has been solved",
                         version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }

    controls_["txttasklist"].text = name;
    main_.inifilename = name;
    s_.registry.RegWriteString(HKEY_CURRENT_USER, kRegistryKey, "Settings File", main_.inifilename);
}

} // namespace tb
