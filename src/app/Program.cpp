#include "app/Program.h"

#include "about/AboutForm.h"
#include "app/WindowHost.h"
#include "journal/JournalForm.h"
#include "lists/ListEditorForm.h"
#include "options/OptionsForm.h"
#include "taskeditor/TaskEditorForm.h"

#include <algorithm>

namespace tb {

namespace {

// The same services, with the messages shown through `messages`.
ProgramServices showingThrough(const ProgramServices &s, MessageBox &messages)
{
    const MainServices &m = s.main;
    return {{m.clock, m.random, messages, m.sound, m.screenSaver, m.help, m.instance, m.window,
             m.notifier, m.journal, m.speech},
            s.registry,
            s.fileChooser,
            s.shell};
}

} // namespace

Program::Program(ProgramServices services, std::string programFolder, std::string commandLine)
    : messages_(services.main.messages), s_(showingThrough(services, messages_)),
      taskList_(std::move(programFolder), services.registry),
      main_(s_.main, taskList_, *this, std::move(commandLine)), remote_(*this, main_, messages_)
{
    taskList_.setSession(&main_);
}

Program::~Program() = default;

void Program::attach(WindowHost *host)
{
    host_ = host;
}

Form *Program::form(FormId form)
{
    switch (form) {
    case FormId::Main:
        return &main_;
    case FormId::Options:
        return options_.get();
    case FormId::TaskEditor:
        return taskEditor_.get();
    case FormId::ListEditor:
        return listEditor_.get();
    case FormId::About:
        return about_.get();
    case FormId::Journal:
        return journal_.get();
    }
    return nullptr;
}

bool Program::dispatch(FormId form, std::string_view control, ControlEvent event, EventArgs &args)
{
    Form *target = this->form(form);
    if (!target)
        return false;
    ++dispatching_;
    const bool handled = target->raise(control, event, args);
    --dispatching_;
    afterEvent();
    return handled;
}

void Program::afterEvent()
{
    if (dispatching_ > 0)
        return;
    dropPendingUnloads();
    refreshAll();
    if (host_)
        host_->update(false);
    for (const auto &changed : watchers_)
        changed();
    // Said over the window as the event left it.
    main_.reportFailedSaves();
}

void Program::showChangesNow()
{
    refreshAll();
    if (host_)
        host_->update(true);
    for (const auto &changed : watchers_)
        changed();
}

void Program::refreshAll()
{
    taskList_.poll();
    for (const FormId id : {FormId::Main, FormId::Options, FormId::TaskEditor, FormId::ListEditor,
                            FormId::About, FormId::Journal})
        if (Form *loaded = form(id))
            loaded->refresh();
}

OptionsForm &Program::options()
{
    load(FormId::Options);
    return *options_;
}

namespace {

// Makes a window's logic and runs its Form_Load, unless it is loaded already.
template<typename F, typename... Args> void loadOnce(std::unique_ptr<F> &form, Args &&...args)
{
    if (form)
        return;
    form = std::make_unique<F>(std::forward<Args>(args)...);
    form->Form_Load();
}

} // namespace

bool Program::load(FormId form)
{
    MainServices &m = s_.main;
    switch (form) {
    case FormId::Main:
        return true;
    case FormId::Options:
        loadOnce(options_, taskList_, main_, *this,
                 OptionsServices {m.messages, m.sound, m.help, s_.fileChooser, m.speech});
        return true;
    case FormId::TaskEditor:
        loadOnce(taskEditor_, taskList_, main_, *this, TaskEditorServices {m.messages, m.help});
        return true;
    case FormId::ListEditor:
        loadOnce(listEditor_, taskList_, *this, ListEditorServices {m.messages, m.help});
        return true;
    case FormId::About:
        loadOnce(about_, s_.shell, *this);
        return true;
    case FormId::Journal:
        loadOnce(journal_, *this, JournalServices {m.journal, m.clock, m.messages, s_.fileChooser});
        return true;
    }
    return false;
}

void Program::show(FormId form)
{
    // Shown again by the handler that unloads it: it stays.
    std::erase(pendingUnloads_, form);
    if (!load(form))
        return;
    if (host_)
        host_->open(form);
}

void Program::unload(FormId form)
{
    if (form == FormId::Main)
        return;
    // A window's own handler is still running: drop its logic once the handler is done.
    if (dispatching_ > 0) {
        if (std::find(pendingUnloads_.begin(), pendingUnloads_.end(), form)
            == pendingUnloads_.end())
            pendingUnloads_.push_back(form);
        return;
    }
    drop(form);
}

void Program::drop(FormId form)
{
    if (host_)
        host_->close(form);
    switch (form) {
    case FormId::Main:
        break;
    case FormId::Options:
        options_.reset();
        break;
    case FormId::TaskEditor:
        taskEditor_.reset();
        break;
    case FormId::ListEditor:
        listEditor_.reset();
        break;
    case FormId::About:
        about_.reset();
        break;
    case FormId::Journal:
        journal_.reset();
        break;
    }
}

void Program::dropPendingUnloads()
{
    std::vector<FormId> unloads;
    unloads.swap(pendingUnloads_);
    for (const FormId form : unloads)
        drop(form);
}

void Program::cmdselecttaskfile_Click()
{
    options().cmdselecttaskfile_Click();
}

void Program::cmdnewtaskfile_Click()
{
    options().cmdnewtaskfile_Click();
}

} // namespace tb
