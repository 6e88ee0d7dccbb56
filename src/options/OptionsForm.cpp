#include "options/OptionsForm.h"

#include "platform/FileChooser.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/OpenSave.h"
#include "platform/SafeFile.h"
#include "platform/Sound.h"
#include "platform/Speech.h"
#include "platform/Translator.h"
#include "settings/FileExists.h"
#include "tallybell/Version.h"
#include "tasklist/Session.h"
#include "tasklist/TaskList.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace tb {
namespace {

constexpr std::uint32_t kDialogFlags = 0x00080004; // explorer style, no read-only box

constexpr const char *kSelectTip = TB_MARK("OptionsForm", "Select new task list");
constexpr const char *kCreateTip = TB_MARK("OptionsForm", "Create new task list");
constexpr const char *kLockedTip
    = TB_MARK("OptionsForm", "The task list cannot be changed while a session runs or is paused");

// The entries of the note names box, and what each stores ("" for the language's way).
constexpr const char *kNoteStyles[]
    = {"", TaskListFile::kNoteLetters, TaskListFile::kNoteGerman, TaskListFile::kNoteSolfege};

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

OptionsForm::OptionsForm(TaskList &list, const Session &session, FormCalls &forms,
                         OptionsServices services)
    : list_(list), session_(session), forms_(forms), s_(services)
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
    on("cbnotenames", ControlEvent::Click, [this] { cbnotenames_Click(); });
    on("cbwarn", ControlEvent::Click, [this] { cbwarn_Click(); });
    onSwitch("chkreadaloud", &OptionsForm::chkreadaloud_Click);
    on("cbspeechrate", ControlEvent::Click, [this] { cbspeechrate_Click(); });
    onRightClick(kHelpTopics, [this](int topic) { ShowControlHelp(topic); });
}

void OptionsForm::Form_Load()
{
    controls_["frmoptions"].caption
        = fillIn(trText("OptionsForm", "%1 - General task options"), {version::kProductName});
    if (!session_.soundOutput()) {
        for (const char *name : {"FrmSoundFile", "txtsoundfile", "cmdselectsndfile"}) {
            controls_[name].enabled = false;
            controls_[name].toolTip = trText("OptionsForm", "No sound output device was found");
        }
        controls_["cmdPlaySoundFile"].visible = false;
    }
    controls_["cbnotenames"].items = {trText("OptionsForm", "As the language has it"),
                                      trText("OptionsForm", "Letters: C D E F G A B"),
                                      trText("OptionsForm", "German letters: C D E F G A H"),
                                      trText("OptionsForm", "Fixed do: Do Re Mi Fa Sol La Si")};
    controls_["cbwarn"].items
        = {trText("OptionsForm", "Off"), fillIn(trText("OptionsForm", "%1 s"), {"10"}),
           fillIn(trText("OptionsForm", "%1 s"), {"30"}),
           fillIn(trText("OptionsForm", "%1 min"), {"1"}),
           fillIn(trText("OptionsForm", "%1 min"), {"2"})};
    controls_["cbspeechrate"].items
        = {trText("OptionsForm", "Slower"), trText("OptionsForm", "Normal"),
           trText("OptionsForm", "Faster")};
    shownRevision_ = list_.revision();
    controls_["txtsoundfile"].text = list_.Soundfile();
    controls_["txttasklist"].text = list_.inifilename();
    showSwitches();
    if (list_.options().readAloud)
        s_.speech.prepare();
    Form_Paint();
}

void OptionsForm::refresh()
{
    if (list_.revision() != shownRevision_) {
        shownRevision_ = list_.revision();
        controls_["txtsoundfile"].text = list_.Soundfile();
        controls_["txttasklist"].text = list_.inifilename();
        showSwitches();
    }
    Form_Paint();
}

void OptionsForm::showSwitches()
{
    const std::string names = list_.file().noteNames();
    int entry = 0;
    for (int i = 1; i < static_cast<int>(std::size(kNoteStyles)); ++i)
        entry = names == kNoteStyles[i] ? i : entry;
    controls_["cbnotenames"].listIndex = entry;
    controls_["chkplaywavefile"].checked = list_.playwavefiletasks();
    controls_["chkmaxmin"].checked = list_.MaxMinScreen();
    controls_["chkstopbtasks"].checked = list_.StopBTasks();
    const TaskListOptions &options = list_.options();
    const auto *warn = std::find(std::begin(TaskListFile::kWarnChoices),
                                 std::end(TaskListFile::kWarnChoices), options.warnSeconds);
    controls_["cbwarn"].listIndex = warn == std::end(TaskListFile::kWarnChoices)
        ? 0
        : static_cast<int>(warn - std::begin(TaskListFile::kWarnChoices));
    controls_["chkreadaloud"].checked = options.readAloud;
    controls_["cbspeechrate"].listIndex = options.speechRate + 1;
}

void OptionsForm::Form_Paint()
{
    // Reading aloud needs an engine that speaks the program's language.
    const bool mute = s_.speech.unavailable();
    const std::string why = trText("OptionsForm",
                                   "No speech engine for this language was found: install "
                                   "speech-dispatcher with espeak-ng, or flite for English");
    controls_["chkreadaloud"].toolTip = mute
        ? why
        : trText("OptionsForm",
                 "When a task begins, its text and its length are spoken, after the bell");
    controls_["cbspeechrate"].toolTip
        = mute ? why : trText("OptionsForm", "How fast the tasks are read aloud");
    controls_["lblspeechrate"].toolTip = mute ? why : std::string();
    for (const char *name : {"chkreadaloud", "cbspeechrate", "lblspeechrate"})
        controls_[name].enabled = !mute;
    const bool locked = list_.locked();
    for (const char *name : {"cmdselecttaskfile", "cmdnewtaskfile", "txttasklist", "FrmTaskList"})
        controls_[name].enabled = !locked;
    controls_["cmdselecttaskfile"].toolTip
        = trText("OptionsForm", locked ? kLockedTip : kSelectTip);
    controls_["cmdnewtaskfile"].toolTip = trText("OptionsForm", locked ? kLockedTip : kCreateTip);
}

void OptionsForm::chkmaxmin_LostFocus()
{
    list_.setMaxMinScreen(controls_.at("chkmaxmin").checked);
}

void OptionsForm::chkplaywavefile_LostFocus()
{
    list_.setPlaywavefiletasks(controls_.at("chkplaywavefile").checked);
}

void OptionsForm::chkstopbtasks_LostFocus()
{
    list_.setStopBTasks(controls_.at("chkstopbtasks").checked);
}

void OptionsForm::cbnotenames_Click()
{
    const int entry = controls_.at("cbnotenames").listIndex;
    if (entry >= 0 && entry < static_cast<int>(std::size(kNoteStyles)))
        list_.file().setNoteNames(kNoteStyles[entry]);
}

void OptionsForm::cbwarn_Click()
{
    const int entry = controls_.at("cbwarn").listIndex;
    if (entry >= 0 && entry < static_cast<int>(std::size(TaskListFile::kWarnChoices)))
        list_.setWarnSeconds(TaskListFile::kWarnChoices[entry]);
}

void OptionsForm::chkreadaloud_Click()
{
    const bool on = controls_.at("chkreadaloud").checked;
    // The engine starts now, so that the dialog can tell at once when it cannot speak.
    if (on)
        s_.speech.prepare();
    if (on != list_.options().readAloud)
        list_.setReadAloud(on);
}

void OptionsForm::cbspeechrate_Click()
{
    const int entry = controls_.at("cbspeechrate").listIndex;
    if (entry >= 0 && entry <= 2)
        list_.setSpeechRate(entry - 1);
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
    const SoundPlayed played = PlaySoundFile(s_.sound, session_.soundOutput(), list_.Soundfile());
    if (!played.problem.empty())
        s_.messages.show(
            fillIn(trText("OptionsForm", "Couldn't play the sound\r\n\r\n%1\r\n\r\n%2"),
                   {list_.Soundfile(), played.problem}),
            version::kProductName, MsgIcon::Exclamation, MsgButtons::Ok);
}

std::string OptionsForm::SelectFileName(const std::string &WinTitle, const std::string &DefaultExt,
                                        const std::string &TypeOfFiles, const std::string &initdir,
                                        bool newName)
{
    clsOpenSave dialog(s_.fileChooser);
    dialog.FLAGS = kDialogFlags;
    dialog.CancelError = true;
    dialog.DialogTitle = WinTitle;
    dialog.initdir = initdir;
    dialog.setFilter(TypeOfFiles);
    dialog.FileName = DefaultExt;
    if (newName)
        dialog.AcceptLabel = trText("OptionsForm", "&Create");
    if ((newName ? dialog.ShowSave() : dialog.ShowOpen()).Number == kCancelError)
        return {};
    std::string name = dialog.FileName;
    std::erase(name, '\0');
    return name;
}

std::string OptionsForm::startFolderFor(const std::string &file) const
{
    const std::string folder = std::filesystem::path(file).parent_path().string();
    return isFolder(folder) ? folder : list_.programFolder();
}

void OptionsForm::cmdselectsndfile_Click()
{
    const std::string &sound = list_.Soundfile();
    const std::string start = sound.empty() ? list_.programFolder() : startFolderFor(sound);
    const std::string name = SelectFileName(trText("OptionsForm", "Please select a sound file"),
                                            "*.wav", trText("OptionsForm", "Sound Files"), start);
    if (!fExist(name))
        return;
    controls_["txtsoundfile"].text = name;
    list_.setSoundfile(controls_.at("txtsoundfile").text);
}

bool OptionsForm::refuseWhileLocked()
{
    if (!list_.locked())
        return false;
    s_.messages.beep();
    return true;
}

void OptionsForm::cmdselecttaskfile_Click()
{
    if (refuseWhileLocked())
        return;
    const std::string name = SelectFileName(trText("OptionsForm", "Please select a Task File"),
                                            "*.ini", trText("OptionsForm", "Setting files"),
                                            startFolderFor(list_.inifilename()));
    if (!fExist(name))
        return;
    // A folder or a file that cannot be read would leave the program on a task list it
    // cannot use.
    if (const FileRead check = checkReadableFile(name); !check.ok()) {
        s_.messages.show(
            fillIn(trText("OptionsForm", "This task list cannot be used:\r\n%1\r\n\r\n%2"),
                   {name, check.errorText}),
            version::kProductName, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    controls_["txttasklist"].text = name;
    list_.switchTo(name);
}

void OptionsForm::cmdnewtaskfile_Click()
{
    if (refuseWhileLocked())
        return;
    std::string name
        = SelectFileName(trText("OptionsForm", "Create a new task list"), "*.ini",
                         trText("OptionsForm", "Setting files"), list_.programFolder(), true);
    if (name.empty())
        return;
    if (!name.ends_with(".ini"))
        name += ".ini";
    if (fExist(name)) {
        const std::optional<FileStamp> seen = fileStamp(name);
        if (s_.messages.show(
                trText("OptionsForm",
                       "This settings file already exists\r\nDo you want to overwrite it?"),
                version::kProductName, MsgIcon::None, MsgButtons::YesNo)
            != MsgResult::Yes)
            return;
        // Changed by another program while the question was open: the answer was about the
        // file as it was.
        const std::optional<FileStamp> now = fileStamp(name);
        if (seen.has_value() != now.has_value() || (now && !sameStamp(*seen, *now)))
            if (s_.messages.show(fillIn(trText("OptionsForm",
                                               "%1\r\nwas changed by another program just now."
                                               "\r\n\r\nDo you want to overwrite it all the same?"),
                                        {name}),
                                 version::kProductName, MsgIcon::Exclamation, MsgButtons::YesNo)
                != MsgResult::Yes)
                return;
    }

    // The six entries as single writes into an empty file would leave them, written in one
    // step: an existing file is replaced whole or not at all.
    const std::string content = TaskListFile::newTaskList(list_.options(), list_.TempTotalTime(),
                                                          list_.file().noteNames());
    if (const FileWrite written = writeFileAtomically(name, content); !written) {
        s_.messages.show(fillIn(trText("OptionsForm",
                                       "A Disk Error has occurred while creating the new file "
                                       "\n\n\r%1 %2\n\n\rPlease retry later when the problem "
                                       "has been solved"),
                                {std::to_string(written.error), written.errorText}),
                         version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    controls_["txttasklist"].text = name;
    // Its options are the ones in force: taking it into use changes none of them.
    list_.switchTo(name);
}

} // namespace tb
