#pragma once

#include "forms/FormCalls.h"
#include "forms/FormHost.h"
#include "remote/ModalMessages.h"
#include "remote/RemoteControl.h"
#include "session/MainForm.h"
#include "tasklist/TaskList.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

class AboutForm;
class FileChooser;
class JournalForm;
class ListEditorForm;
class OptionsForm;
class Registry;
class TaskEditorForm;
class Shell;
class WindowHost;

// The outside world of the whole program.
struct ProgramServices {
    MainServices main;
    Registry &registry;
    FileChooser &fileChooser;
    Shell &shell;
};

// Owns the task list in use and the logic of every window, and carries the calls and change
// notices between them. The main window's logic lives as long as the program; the others
// are loaded when first needed and dropped when their window is unloaded.
//
// Every user event goes through `dispatch`, which then looks whether the task list changed
// on disk, lets each loaded window's logic see what the event changed (`Form::refresh`) and
// has the windows layer show it.
class Program final : public FormCalls, public FormHost
{
public:
    Program(ProgramServices services, std::string programFolder, std::string commandLine);
    ~Program() override;

    // The windows layer; until it is attached, nothing is shown.
    void attach(WindowHost *host);

    MainForm &main() { return main_; }
    TaskList &taskList() { return taskList_; }
    // The commands from outside the window.
    RemoteControl &remote() { return remote_; }
    // `changed` looks at the session after every event, as the windows do: the panel's
    // icon and the media player follow it so, without a timer of their own.
    void watch(std::function<void()> changed) { watchers_.push_back(std::move(changed)); }

    Form *form(FormId form) override;
    using FormHost::dispatch;
    bool dispatch(FormId form, std::string_view control, ControlEvent event,
                  EventArgs &args) override;

    void show(FormId form) override;
    void unload(FormId form) override;
    void showChangesNow() override;
    void cmdselecttaskfile_Click() override;
    void cmdnewtaskfile_Click() override;

private:
    void afterEvent();
    OptionsForm &options();
    bool load(FormId form);
    void drop(FormId form);
    void dropPendingUnloads();
    void refreshAll();

    // Every message of the program passes here, so that a command from outside knows when
    // one is open.
    ModalMessages messages_;
    ProgramServices s_;
    TaskList taskList_;
    MainForm main_;
    RemoteControl remote_;
    std::vector<std::function<void()>> watchers_;
    std::unique_ptr<OptionsForm> options_;
    std::unique_ptr<TaskEditorForm> taskEditor_;
    std::unique_ptr<ListEditorForm> listEditor_;
    std::unique_ptr<AboutForm> about_;
    std::unique_ptr<JournalForm> journal_;
    WindowHost *host_ = nullptr;
    int dispatching_ = 0;
    std::vector<FormId> pendingUnloads_;
};

} // namespace tb
