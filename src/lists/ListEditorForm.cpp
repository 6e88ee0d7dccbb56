#include "lists/ListEditorForm.h"

#include "lists/ListFiles.h"
#include "lists/Rotation.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/Translator.h"
#include "settings/Conversions.h"
#include "settings/FileExists.h"
#include "tallybell/Version.h"
#include "tasklist/TaskList.h"
#include "text/Encoding.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <unistd.h>
#include <utility>

namespace tb {
namespace {

// Shown as the current item of a list without one; never written.
constexpr const char *kNoSong = TB_MARK("ListEditorForm", "*** No Song Currently Selected ***");
constexpr int kFirstList = 1;
constexpr int kLastList = 9;
constexpr std::int16_t kMaxInterval = std::numeric_limits<std::int16_t>::max();

// A list longer than this is not loaded into the editor: a list box of millions of lines
// would freeze the window, and the rotation reads only the first lines anyway.
constexpr std::uintmax_t kLargestEditableList = std::uintmax_t {8} * 1024 * 1024;

std::vector<std::string> nonEmptyLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    // A byte order mark is no part of the first item.
    std::size_t start = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end > start)
            lines.emplace_back(bytes, start, end - start);
        start = end + 1;
    }
    return lines;
}

} // namespace

ListEditorForm::ListEditorForm(TaskList &list, FormCalls &forms, ListEditorServices services)
    : list_(list), forms_(forms), s_(services)
{
    const auto click = [this](const char *control, void (ListEditorForm::*handler)()) {
        on(control, ControlEvent::Click, [this, handler] { (this->*handler)(); });
    };
    click("cmdAdd", &ListEditorForm::cmdAdd_Click);
    click("cmdDelete", &ListEditorForm::cmdDelete_Click);
    click("Listsongtitles", &ListEditorForm::Listsongtitles_Click);
    on("Listsongtitles", ControlEvent::DblClick, [this] { Listsongtitles_DblClick(); });
    click("Optionsongselcron", &ListEditorForm::Optionsongselcron_Click);
    click("Optionsongselrand", &ListEditorForm::Optionsongselrand_Click);
    click("spindaysDown", &ListEditorForm::spindays_DownClick);
    click("spindaysUp", &ListEditorForm::spindays_UpClick);
    click("SpinListNumberDown", &ListEditorForm::SpinListNumber_DownClick);
    click("SpinListNumberUp", &ListEditorForm::SpinListNumber_UpClick);
    click("cmdOK", &ListEditorForm::cmdOK_Click);
    click("FileExit", &ListEditorForm::FileExit_Click);
    click("cmdHelp", &ListEditorForm::cmdHelp_Click);
    // Nothing to do: handling it makes the window hand over what is typed.
    on("txtsongentry", ControlEvent::Change, [] {});
    on("frmeditsonglist", ControlEvent::KeyDown, [this](EventArgs &key) { Form_KeyDown(key); });
    on("frmeditsonglist", ControlEvent::QueryUnload,
       [this](EventArgs &close) { Form_QueryUnload(close); });
}

void ListEditorForm::Form_Load()
{
    controls_["frmeditsonglist"].caption
        = fillIn(trText("ListEditorForm", "%1 Edit List Files"), {version::kProductName});
    showList(kFirstList);
}

void ListEditorForm::refresh()
{
    if (list_.inifilename() != shownSettings_) {
        showlistsettings();
        return;
    }
    // Shown again only when the stored item changes (the rotation moved on, or another
    // program changed the file): a list file deleted here leaves the item on screen as it
    // was. Most events, the countdown's tick among them, read nothing.
    if (list_.revision() == seenRevision_)
        return;
    seenRevision_ = list_.revision();
    std::string stored = storedCurrentItem();
    if (stored != storedItem_) {
        controls_["TextCurrentSong"].text = stored;
        storedItem_ = std::move(stored);
    }
}

std::string ListEditorForm::listFile() const
{
    return listFilePath(list_.programFolder(), listNumber_);
}

std::vector<std::string> &ListEditorForm::items()
{
    return controls_["Listsongtitles"].items;
}

void ListEditorForm::showList(int listNumber)
{
    listNumber_ = listNumber;
    controls_["lblCurrentListNo"].caption = std::to_string(listNumber);
    showlistsettings();
    loadlistfile(listFile());
}

void ListEditorForm::loadlistfile(const std::string &FileName)
{
    ControlState &list = controls_["Listsongtitles"];
    list.items.clear();
    list.listIndex = -1;
    savedItems_.clear();
    tooLarge_ = false;
    std::error_code error;
    if (const std::uintmax_t size = std::filesystem::file_size(FileName, error);
        !error && size > kLargestEditableList) {
        // Kept as it is: an edited empty list must not replace it.
        tooLarge_ = true;
        s_.messages.show(fillIn(trText("ListEditorForm",
                                       "This list file is too large to edit "
                                       "here (%1 MB; at most %2 MB)\r\n\r\n%3"),
                                {std::to_string(size >> 20),
                                 std::to_string(kLargestEditableList >> 20), FileName}),
                         version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    const FileRead file = readRegularFile(FileName);
    if (file.status == ReadStatus::Missing)
        return;
    if (!file.ok()) {
        s_.messages.show(fillIn(trText("ListEditorForm",
                                       "A disk error has occurred trying to "
                                       "open the song list\r\n\r\n%1\r\n\r\n%2"),
                                {FileName, file.errorText}),
                         version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    list.items = nonEmptyLines(file.bytes);
    savedItems_ = list.items;
}

bool ListEditorForm::keepsChangesMadeElsewhere(const std::string &FileName)
{
    const FileRead file = readRegularFile(FileName);
    if ((file.ok() ? nonEmptyLines(file.bytes) : std::vector<std::string> {}) == savedItems_)
        return false;
    const MsgResult answer = s_.messages.show(
        fillIn(trText("ListEditorForm",
                      "List %1 was changed by another program since it was opened here:\r\n%2"
                      "\r\n\r\nYes: save the list as it is here, over those changes.\r\nNo: show "
                      "the list as it is now; the changes made here are dropped.\r\nCancel: go "
                      "back to the list."),
               {std::to_string(listNumber_), FileName}),
        version::kProductName, MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Yes)
        return false;
    if (answer == MsgResult::No) {
        loadlistfile(FileName);
        controls_["txtsongentry"].text.clear();
    }
    return true;
}

bool ListEditorForm::savelistfile(const std::string &FileName)
{
    // An unchanged list is left as it is: also a file that could not be read, which an
    // empty list box would otherwise delete.
    const std::vector<std::string> &entries = items();
    if (entries == savedItems_)
        return true;
    if (keepsChangesMadeElsewhere(FileName))
        return false;
    if (entries.empty()) {
        ::unlink(FileName.c_str()); // a failure is not reported
        savedItems_.clear();
        return true;
    }

    std::size_t size = 0;
    for (const std::string &entry : entries)
        size += entry.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string &entry : entries) {
        bytes += entry;
        bytes += "\r\n";
    }
    if (const FileWrite written = writeFileAtomically(FileName, bytes); !written) {
        s_.messages.show(fillIn(trText("ListEditorForm",
                                       "A disk error has occurred trying to "
                                       "save this list file\r\n\r\n%1\r\n\r\n%2"),
                                {FileName, written.errorText}),
                         version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    savedItems_ = entries;
    return true;
}

void ListEditorForm::showlistsettings()
{
    shownSettings_ = list_.inifilename();
    const TaskListFile &file = list_.file();
    // Not a number: shown as the rotation reads it.
    changeInterval_ = static_cast<std::int16_t>(file.changeInterval(listNumber_));
    showinterval(changeInterval_);
    const bool random = file.randomChange(listNumber_);
    controls_["Optionsongselrand"].checked = random;
    controls_["Optionsongselcron"].checked = !random;
    showCurrentItem();
}

std::string ListEditorForm::storedCurrentItem() const
{
    return list_.file().currentItem(listNumber_, trText("ListEditorForm", kNoSong));
}

void ListEditorForm::showCurrentItem()
{
    storedItem_ = storedCurrentItem();
    seenRevision_ = list_.revision();
    controls_["TextCurrentSong"].text
        = fExist(listFile()) ? storedItem_ : trText("ListEditorForm", kNoSong);
}

void ListEditorForm::showinterval(std::int16_t interval)
{
    controls_["labdayschange"].caption = trText(
        "ListEditorForm", "Change list item after %n practice session(s)", nullptr, interval);
}

void ListEditorForm::cmdAdd_Click()
{
    // A list too large to load stays as it is on disk: nothing is added to the empty box
    // that would replace it.
    if (tooLarge_) {
        s_.messages.beep();
        return;
    }
    ControlState &entry = controls_["txtsongentry"];
    if (entry.text.empty()) {
        s_.messages.show(
            trText("ListEditorForm",
                   "You must type a list item in the Selected List Item to add a new list item"),
            version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        ++controls_["txtsongentry"].focusRequests;
        return;
    }
    // A line break would split the item into two lines of the file.
    std::string text = entry.text;
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');

    ControlState &list = controls_["Listsongtitles"];
    const int selected = list.listIndex;
    if (selected >= 0 && std::size_t(selected) < list.items.size())
        list.items[std::size_t(selected)] = std::move(text);
    else
        list.items.push_back(std::move(text));
    list.listIndex = -1;
    entry.text.clear();
}

void ListEditorForm::cmdDelete_Click()
{
    ControlState &list = controls_["Listsongtitles"];
    const int selected = list.listIndex;
    if (selected < 0 || std::size_t(selected) >= list.items.size())
        return;
    if (s_.messages.show(
            trText("ListEditorForm", "Are you sure you wish to delete this list item?"),
            version::kProductName, MsgIcon::None, MsgButtons::YesNo)
        != MsgResult::Yes)
        return;
    list.items.erase(list.items.begin() + selected);
    list.listIndex = -1;
    controls_["txtsongentry"].text.clear();
    if (list.items.empty()) {
        savelistfile(listFile());
        return;
    }
    // The next item is selected, as a click would, so that several go in a row by keys.
    list.listIndex = std::min(selected, static_cast<int>(list.items.size()) - 1);
    Listsongtitles_Click();
}

void ListEditorForm::Listsongtitles_Click()
{
    const ControlState &list = controls_.at("Listsongtitles");
    if (list.listIndex >= 0 && std::size_t(list.listIndex) < list.items.size())
        controls_["txtsongentry"].text = list.items[std::size_t(list.listIndex)];
}

void ListEditorForm::Listsongtitles_DblClick()
{
    const ControlState &list = controls_.at("Listsongtitles");
    if (list.listIndex < 0 || std::size_t(list.listIndex) >= list.items.size())
        return;
    if (s_.messages.show(
            trText("ListEditorForm", "Are you sure you want to make this Item the current Item?"),
            version::kProductName, MsgIcon::None, MsgButtons::YesNo)
        != MsgResult::Yes)
        return;
    const TaskListFile &file = list_.file();
    // As much of the line as the task list reads back, never half a character.
    std::string item = list.items[std::size_t(list.listIndex)];
    item.resize(utf8CutLength(item, kMaxItemBytes));
    file.setCurrentItem(listNumber_, item);
    controls_["TextCurrentSong"].text = item;
    file.setLastChangeSession(listNumber_, file.sessionsCompletedText());
}

void ListEditorForm::Optionsongselcron_Click()
{
    controls_["Optionsongselcron"].checked = true;
    controls_["Optionsongselrand"].checked = false;
    list_.file().setRandomChange(listNumber_, false);
}

void ListEditorForm::Optionsongselrand_Click()
{
    controls_["Optionsongselrand"].checked = true;
    controls_["Optionsongselcron"].checked = false;
    list_.file().setRandomChange(listNumber_, true);
}

void ListEditorForm::writeInterval()
{
    showinterval(changeInterval_);
    list_.file().setChangeInterval(listNumber_, changeInterval_);
}

void ListEditorForm::spindays_DownClick()
{
    if (changeInterval_ - 1 <= 0)
        return;
    --changeInterval_;
    writeInterval();
}

void ListEditorForm::spindays_UpClick()
{
    if (changeInterval_ >= kMaxInterval)
        return;
    // A stored interval below 1 (text that is no number reads as 0) comes up to 1 at once.
    changeInterval_ = std::max<std::int16_t>(std::int16_t(changeInterval_ + 1), 1);
    writeInterval();
}

void ListEditorForm::switchList(int step)
{
    const int next = listNumber_ + step;
    if (next < kFirstList || next > kLastList) {
        s_.messages.beep();
        return;
    }
    // The entries stay on screen when they could not be saved.
    if (!savelistfile(listFile()))
        return;
    showList(next);
    controls_["txtsongentry"].text.clear();
}

void ListEditorForm::SpinListNumber_DownClick()
{
    switchList(-1);
}

void ListEditorForm::SpinListNumber_UpClick()
{
    switchList(+1);
}

void ListEditorForm::Form_KeyDown(const EventArgs &key)
{
    // Ctrl+Enter makes the selected item the current one, as a double click does.
    if (key.key == Key::Enter && key.control) {
        if (controls_.at("Listsongtitles").listIndex >= 0)
            Listsongtitles_DblClick();
    } else if (key.key == Key::Enter && !controls_.at("txtsongentry").text.empty())
        cmdAdd_Click();
    else if (key.key == Key::Delete && controls_.at("Listsongtitles").listIndex >= 0)
        cmdDelete_Click();
}

void ListEditorForm::cmdOK_Click()
{
    if (savelistfile(listFile()))
        forms_.unload(FormId::ListEditor);
}

void ListEditorForm::FileExit_Click()
{
    cmdOK_Click();
}

void ListEditorForm::cmdHelp_Click()
{
    s_.help.WinHelp(Help::HELP_CONTEXT, 12);
}

void ListEditorForm::Form_QueryUnload(EventArgs &close)
{
    if (items() == savedItems_)
        return;
    const MsgResult answer
        = s_.messages.show(fillIn(trText("ListEditorForm",
                                         "The items of list %1 have been changed.\r\n\r\nDo you "
                                         "want to save the changes?"),
                                  {std::to_string(listNumber_)}),
                           version::kProductName, MsgIcon::None, MsgButtons::YesNoCancel);
    close.cancel
        = answer == MsgResult::Cancel || (answer == MsgResult::Yes && !savelistfile(listFile()));
}

} // namespace tb
