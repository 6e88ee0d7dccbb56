#pragma once

namespace tb {

// The windows a window's logic may open or call.
enum class FormId { Main, Options, TaskEditor, ListEditor, About, Journal };

// What one window's logic may ask of the others. The program's core object answers, so
// that no window reaches into another one.
class FormCalls
{
public:
    virtual ~FormCalls() = default;

    // Loads the window's logic when it is not loaded, shows the window without making it
    // modal and brings it to the front.
    virtual void show(FormId form) = 0;
    // Closes the window and drops its logic: the next opening loads it afresh. Safe to
    // call from the window's own handlers.
    virtual void unload(FormId form) = 0;
    // Every open window shows its controls at once (before a modal message opens).
    virtual void showChangesNow() = 0;

    // The options dialog's public procedures: choose another task list, create a new one.
    // The dialog's logic is loaded, hidden, when it is not loaded yet.
    virtual void cmdselecttaskfile_Click() = 0;
    virtual void cmdnewtaskfile_Click() = 0;
};

} // namespace tb
