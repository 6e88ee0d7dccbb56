#pragma once

#include "forms/FormCalls.h"
#include "session/MainForm.h"

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
class TaskEditorForm;
class Shell;
class WindowHost;

// The outside world of the whole program.
struct ProgramServices {
    MainServices main;
    FileChooser &fileChooser;
    Shell &shell;
};

// Owns the logic of every window and carries the calls and change notices between them.
// The main window's logic lives as long as the program; the others are loaded when first
// needed and dropped when their window is unloaded.
//
// Every user event goes through `dispatch`, which then lets each loaded window's logic see
// what the event changed (`Form::refresh`) and has the windows layer show it.
class Program final : public FormCalls
{
public:
    Program(ProgramServices services, std::string programFolder, std::string commandLine);
    ~Program() override;

    // The windows layer; until it is attached, nothing is shown.
    void attach(WindowHost *host);

    MainForm &main() { return main_; }
    // The logic of `form`, or null when it is not loaded.
    Form *form(FormId form);
    OptionsForm *loadedOptions() { return options_.get(); }
    TaskEditorForm *loadedTaskEditor() { return taskEditor_.get(); }
    ListEditorForm *loadedListEditor() { return listEditor_.get(); }
    JournalForm *loadedJournal() { return journal_.get(); }

    // Raises `event` of `control` on the window `form`, then shows what changed. False when
    // the window is not loaded or has no such handler.
    bool dispatch(FormId form, std::string_view control, ControlEvent event);
    // After an event that reached a window's logic by another way (a key, a resize).
    void afterEvent();

    void show(FormId form) override;
    void unload(FormId form) override;
    void showChangesNow() override;
    void cmdselecttaskfile_Click() override;
    void cmdnewtaskfile_Click() override;

private:
    OptionsForm &options();
    bool load(FormId form);
    void drop(FormId form);
    void dropPendingUnloads();
    void refreshAll();

    ProgramServices s_;
    MainForm main_;
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
