#include "app/Program.h"

#include "about/AboutForm.h"
#include "app/WindowHost.h"
#include "lists/ListEditorForm.h"
#include "options/OptionsForm.h"
#include "taskeditor/TaskEditorForm.h"

#include <algorithm>

namespace tb {

Program::Program(ProgramServices services, std::string programFolder, std::string commandLine)
    : s_(services), main_(services.main, *this, std::move(programFolder), std::move(commandLine))
{
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
    }
    return nullptr;
}

bool Program::dispatch(FormId form, std::string_view control, ControlEvent event)
{
    Form *target = this->form(form);
    if (!target)
        return false;
    ++dispatching_;
    const bool handled = target->raise(control, event);
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
}

void Program::showChangesNow()
{
    refreshAll();
    if (host_)
        host_->update(true);
}

void Program::refreshAll()
{
    for (const FormId id :
         {FormId::Main, FormId::Options, FormId::TaskEditor, FormId::ListEditor, FormId::About})
        if (Form *loaded = form(id))
            loaded->refresh();
}

OptionsForm &Program::options()
{
    load(FormId::Options);
    return *options_;
}

bool Program::load(FormId form)
{
    switch (form) {
    case FormId::Main:
        return true;
    case FormId::Options:
        if (!options_) {
            options_ = std::make_unique<OptionsForm>(
                main_, *this,
                OptionsServices {s_.main.messages, s_.main.sound, s_.main.help, s_.fileChooser,
                                 s_.main.registry});
            options_->Form_Load();
        }
        return true;
    case FormId::TaskEditor:
        if (!taskEditor_) {
            taskEditor_ = std::make_unique<TaskEditorForm>(
                main_, *this, TaskEditorServices {s_.main.messages, s_.main.help});
            taskEditor_->Form_Load();
        }
        return true;
    case FormId::ListEditor:
        if (!listEditor_) {
            listEditor_ = std::make_unique<ListEditorForm>(
                main_, *this, ListEditorServices {s_.main.messages, s_.main.help});
            listEditor_->Form_Load();
        }
        return true;
    case FormId::About:
        if (!about_) {
            about_ = std::make_unique<AboutForm>(s_.shell, *this);
            about_->Form_Load();
        }
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
