#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tb {

class Help;
class MessageBox;
class TaskList;

struct ListEditorServices {
    MessageBox &messages;
    Help &help;
};

// The list file editor: the items of one of the nine lists at a time, its rotation
// settings and its current item. Item edits stay in the list box until the list is saved
// (OK, File > Exit, a switch to another list, deleting the last item); the rotation
// settings and a hand-picked current item are written to the settings file at once.
//
// The items are kept as the bytes of their lines: an item the user did not touch is
// written back exactly as it was read.
class ListEditorForm final : public Form
{
public:
    // The list files are in `list`'s program folder; the rotation settings shown and
    // changed are those of the task list in use.
    ListEditorForm(TaskList &list, FormCalls &forms, ListEditorServices services);

    void Form_Load();
    // Another window may have switched the task list, or the rotation moved the current
    // item on.
    void refresh() override;
    // A key pressed anywhere in the window (Enter adds, Delete deletes); the focused
    // control receives it as well.
    void Form_KeyDown(const EventArgs &key);
    // The window's close box: asks about unsaved item edits. Cancelled keeps it open.
    void Form_QueryUnload(EventArgs &close);

    void cmdAdd_Click();
    void cmdDelete_Click();
    void Listsongtitles_Click();
    void Listsongtitles_DblClick();
    void Optionsongselcron_Click();
    void Optionsongselrand_Click();
    void spindays_DownClick();
    void spindays_UpClick();
    void SpinListNumber_DownClick();
    void SpinListNumber_UpClick();
    void cmdOK_Click();
    void FileExit_Click();
    void cmdHelp_Click();

    // Fills the list box from the list file at `FileName`.
    void loadlistfile(const std::string &FileName);
    // Writes the list box to `FileName`, or deletes the file when the list box is empty.
    // False when the write failed (it has been reported) or the user kept what another
    // program changed meanwhile.
    bool savelistfile(const std::string &FileName);
    void showlistsettings();
    void showinterval(std::int16_t interval);

    int shownList() const { return listNumber_; }

private:
    std::string listFile() const;
    std::vector<std::string> &items();
    std::string storedCurrentItem() const;
    void showCurrentItem();
    void showList(int listNumber);
    void switchList(int step);
    void writeInterval();
    // Before a save: when another program changed the list file since it was read here, the
    // user chooses. True when the save must not go on (cancelled, or the file's list shown
    // instead of the one here).
    bool keepsChangesMadeElsewhere(const std::string &FileName);

    TaskList &list_;
    FormCalls &forms_;
    ListEditorServices s_;

    int listNumber_ = 1;
    std::int16_t changeInterval_ = 1;
    // The items as the list file holds them: what a save would not need to write.
    std::vector<std::string> savedItems_;
    bool tooLarge_ = false;
    // The task list whose settings are shown, and its revision when they were read.
    std::string shownSettings_;
    std::uint64_t seenRevision_ = 0;
    // "Current Item" as last read.
    std::string storedItem_;
};

} // namespace tb
