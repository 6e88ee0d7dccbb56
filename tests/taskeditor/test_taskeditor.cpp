// The task list editor's logic, opened from the main window's menu and driven through the
// program's core object as the window drives it.

#include "settings/SafeFile.h"
#include "support/ProgramFixture.h"
#include "taskeditor/TaskEditorForm.h"

#include <cerrno>
#include <filesystem>

namespace tb::test {
namespace {

constexpr const char *kLoseChanges
    = "Any Changes you may have made will be lost, are you sure you want to do this?";
constexpr const char *kTaskNineLost = "Inserting a task here will cause the task Number 9 to be "
                                      "lost, Are you sure you want to do this?";
constexpr const char *kNoMoreTasks
    = "Sorry you can't insert another task here, you can only have a total of 9 tasks";
constexpr const char *kAlternateNineLost
    = "Inserting a new alternate task here will cause the alternate task Number 9 to be lost, "
      "Are you sure you want to do this?";
constexpr const char *kNoMoreAlternates = "Sorry you can't insert another task here, you can "
                                          "only have a total of 9 alternate tasks";

class TaskEditor : public ProgramFixture
{
protected:
    // Starts the program on `content` and opens the editor from the main window's menu.
    TaskEditorForm &open(const std::string &content)
    {
        ini = folder.file("tasks.ini");
        writeFile(ini, content);
        useSettingsFile(ini);
        EXPECT_TRUE(makeForm().Form_Load());
        return reopen();
    }
    // `tasks` tasks holding "t.1"; task 1 holds "1.1" to "1.<firstTaskDescriptions>".
    TaskEditorForm &openList(int tasks, int firstTaskDescriptions = 1)
    {
        std::string content;
        for (int t = 1; t <= tasks; ++t) {
            content += "[Task" + std::to_string(t) + "]\r\n";
            for (int d = 1; d <= (t == 1 ? firstTaskDescriptions : 1); ++d)
                content += "description" + std::to_string(d) + "=" + std::to_string(t) + "."
                    + std::to_string(d) + "\r\n";
        }
        return open(content + "[TotalTime]\r\nTime=1\r\n");
    }
    TaskEditorForm &reopen()
    {
        program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
        return editor();
    }
    TaskEditorForm &editor()
    {
        EXPECT_NE(program->loadedTaskEditor(), nullptr);
        return *program->loadedTaskEditor();
    }
    void click(const std::string &control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::TaskEditor, control, event);
    }
    void type(const std::string &text)
    {
        editor().controls()["txtdescription"].text = text;
        click("txtdescription", ControlEvent::Change);
    }
    void chooseTotalTime(int index)
    {
        editor().controls()["cbtotaltime"].listIndex = index;
        click("cbtotaltime");
        click("cbtotaltime", ControlEvent::LostFocus);
    }
    void moveTo(int task, int alternate)
    {
        for (int i = 1; i < task; ++i)
            click("TaskspinUp");
        for (int i = 1; i < alternate; ++i)
            click("alttaskspinUp");
    }
    std::string shown() { return editor().controls().at("txtdescription").text; }
    std::string position()
    {
        return editor().controls().at("lblTaskNum").caption + "."
            + editor().controls().at("lblAltTaskNum").caption;
    }
    std::string cell(int task, int description) { return editor().table().cell(task, description); }
    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const ShownMessage &m : messages.shown)
            texts.push_back(m.text);
        return texts;
    }
};

TEST_F(TaskEditor, ReadsPackedAndSavesPackedLeavingOtherKeysEmptyAndOtherSectionsAlone)
{
    const std::string content = "; my horn practice\r\n[Task1]\r\ndescription1=\r\n[Task2]\r\n"
                                "[Task3]\r\ndescription1 = Long tones\r\ndescription4=Lip slurs\r\n"
                                "[Alternatetask]\r\nTask3=2\r\n[TotalTime]\r\nTime=2\r\n";
    open(content);
    EXPECT_EQ(editor().controls().at("frmeditfile").caption, "Tallybell");
    const ControlState &lengths = editor().controls().at("cbtotaltime");
    ASSERT_EQ(lengths.items.size(), 10u);
    EXPECT_EQ(lengths.items.front(), "10 Minutes");
    EXPECT_EQ(lengths.items.back(), "100 Minutes");
    EXPECT_EQ(lengths.listIndex, 2);
    EXPECT_EQ(position(), "1.1");
    EXPECT_EQ(shown(), "Long tones");
    click("alttaskspinUp");
    EXPECT_EQ(shown(), "Lip slurs");
    EXPECT_EQ(cell(2, 1), "");

    click("cmdOK");
    EXPECT_EQ(program->loadedTaskEditor(), nullptr);
    const std::string reference = folder.file("reference.ini");
    writeFile(reference, content);
    IniWrite("Task1", "description1", "Long tones", reference);
    IniWrite("Task1", "description2", "Lip slurs", reference);
    IniWrite("Task3", "description1", "", reference);
    IniWrite("Task3", "description4", "", reference);
    EXPECT_EQ(readFile(ini), readFile(reference));
    EXPECT_EQ(iniReadRaw("Task3", "description4", ini), std::optional<std::string>(""));
    EXPECT_EQ(read("Alternatetask", "Task3"), "2");
    EXPECT_EQ(form->totaltasks, 2); // the main window counts the saved list at once
}

TEST_F(TaskEditor, AnInsertedTaskLeftEmptyChangesNothingAndOkStartsAtTaskOne)
{
    openList(4);
    IniWrite("currenttask", "number", "3", ini);
    form->loadsettings();
    const std::string before = readFile(ini);
    // An empty task inserted and left empty is dropped again when saving.
    moveTo(3, 1);
    click("TaskInsertTask");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(position(), "3.1");
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(cell(4, 1), "3.1");
    EXPECT_EQ(cell(5, 1), "4.1");
    click("cmdOK");
    EXPECT_EQ(readFile(ini), before);
    EXPECT_EQ(form->currenttask, 1);
    EXPECT_EQ(ctl("lblStartFrom"), "1");
}

TEST_F(TaskEditor, ADeletedDescriptionAndAnEmptiedTextBoxCloseUpOnSave)
{
    openList(2, 3);
    click("TaskDelete");
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(position(), "1.1");
    // Emptied by typing, the cell is empty too: nothing of it is saved.
    moveTo(2, 1);
    type("2");
    type("");
    EXPECT_EQ(cell(2, 1), "");
    // A pasted line break becomes the placeholder: a settings line cannot hold it.
    click("TaskspinUp");
    type("Scales\nArpeggios\r\n");
    EXPECT_EQ(shown(), "Scales%CR%Arpeggios%CR%");
    EXPECT_TRUE(messages.shown.empty());
    click("cmdOK");
    EXPECT_EQ(read("Task1", "description1"), "1.2");
    EXPECT_EQ(read("Task1", "description2"), "1.3");
    EXPECT_EQ(iniReadRaw("Task1", "description3", ini), std::optional<std::string>(""));
    // The emptied task 2 is dropped: task 3 takes its place.
    EXPECT_EQ(read("Task2", "description1"), "Scales%CR%Arpeggios%CR%");
    EXPECT_EQ(read("Task3", "description1"), "");
}

TEST_F(TaskEditor, WhatMakesCancelAsk)
{
    // Moving to another task counts as a change; moving between descriptions only when the
    // shown text changes.
    struct Case {
        int tasks;
        std::vector<const char *> clicks;
        const char *position;
        bool asks;
    };
    for (const Case &c :
         {Case {2, {}, "1.1", false}, Case {2, {"TaskspinDown"}, "1.1", false},
          Case {2, {"alttaskspinDown"}, "1.1", false}, Case {2, {"alttaskspinUp"}, "1.2", true},
          Case {0, {"alttaskspinUp", "alttaskspinDown"}, "1.1", false},
          Case {0, {"TaskspinUp"}, "2.1", true}}) {
        openList(c.tasks);
        for (const char *name : c.clicks)
            click(name);
        EXPECT_EQ(position(), c.position);
        messages.shown.clear();
        click("cmdcancel"); // the scripted answer is no Yes
        EXPECT_EQ(messages.shown.size(), c.asks ? 1u : 0u) << c.position;
        EXPECT_EQ(program->loadedTaskEditor() != nullptr, c.asks) << c.position;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kLoseChanges);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
}

TEST_F(TaskEditor, InsertingAtTheNinthTaskOrAlternateAsksAndRefusesInTheirOrder)
{
    struct Case {
        int tasks;
        int descriptions; // of task 1
        int task, alternate;
        const char *item;
        std::deque<MsgResult> answers;
        std::vector<std::string> asked;
        int changedTask, changedAlternate; // an inserted empty cell, 0 for none
        const char *ninth; // task 9 or description 9 of task 1 afterwards
    };
    using enum MsgResult;
    const char *task = "TaskInsertTask";
    const char *alt = "TaskInsertAlt";
    const Case cases[] = {
        {9, 1, 1, 1, task, {No}, {kTaskNineLost}, 0, 0, "9.1"},
        {9, 1, 1, 1, task, {Yes}, {kTaskNineLost}, 1, 1, "8.1"},
        {9, 1, 9, 1, task, {Yes}, {kTaskNineLost, kNoMoreTasks}, 0, 0, "9.1"},
        {8, 1, 9, 1, task, {}, {kNoMoreTasks}, 0, 0, ""},
        {1, 8, 1, 9, alt, {}, {kNoMoreAlternates}, 0, 0, ""},
        {1, 9, 1, 9, alt, {Yes}, {kNoMoreAlternates}, 0, 0, "1.9"},
        {1, 9, 1, 2, alt, {No}, {kAlternateNineLost}, 0, 0, "1.9"},
        {1, 9, 1, 2, alt, {Yes}, {kAlternateNineLost}, 1, 2, "1.8"},
    };
    for (const Case &c : cases) {
        const std::string what = std::string(c.item) + " at " + std::to_string(c.task) + "."
            + std::to_string(c.alternate) + " of " + std::to_string(c.tasks);
        openList(c.tasks, c.descriptions);
        moveTo(c.task, c.alternate);
        const std::string before = shown();
        messages.shown.clear();
        messages.answers = c.answers;
        click(c.item);
        EXPECT_EQ(messageTexts(), c.asked) << what;
        for (const ShownMessage &m : messages.shown) {
            const bool refusal = m.buttons == MsgButtons::Ok;
            EXPECT_EQ(m.caption, refusal ? "Tallybell Error" : "Tallybell") << what;
            EXPECT_EQ(m.icon, refusal ? MsgIcon::Information : MsgIcon::None) << what;
        }
        const bool isTask = c.item == task;
        EXPECT_EQ(isTask ? cell(9, 1) : cell(1, 9), c.ninth) << what;
        if (c.changedTask == 0) {
            EXPECT_EQ(shown(), before) << what;
            continue;
        }
        EXPECT_EQ(shown(), "") << what;
        EXPECT_EQ(cell(c.changedTask, c.changedAlternate), "") << what;
        // The old entry moved up by one.
        EXPECT_EQ(isTask ? cell(c.changedTask + 1, 1) : cell(1, c.changedAlternate + 1), before)
            << what;
    }
}

TEST_F(TaskEditor, MarkersReplaceTheSelectionOrGoInAtTheCaret)
{
    struct Case {
        const char *text;
        int start, length;
        const char *item;
        const char *composed;
        int caret;
    };
    for (const Case &c : {Case {"", 0, 0, "insertnote", "%note%", 6},
                          Case {"one two three four", 4, 9, "insertlist2", "one %list2% four", 11},
                          Case {"Scales", 6, 0, "insertCR", "Scales%CR%", 10},
                          Case {"Scales", 0, 0, "insertlist9", "%list9%Scales", 7},
                          Case {"abc", 1, 99, "insertlist5", "a%list5%", 8}}) {
        openList(1);
        moveTo(2, 1);
        type(c.text);
        editor().SelStart = c.start;
        editor().SelLength = c.length;
        click(c.item);
        EXPECT_EQ(shown(), c.composed) << c.item;
        EXPECT_EQ(cell(2, 1), c.composed) << c.item;
        EXPECT_EQ(editor().SelStart, c.caret) << c.item;
        EXPECT_EQ(editor().SelLength, 0) << c.item;
    }
}

TEST_F(TaskEditor, ALeftSessionLengthRulesTheMainWindowAtOnceButReachesTheFileOnlyByOk)
{
    openList(4);
    chooseTotalTime(5);
    EXPECT_EQ(form->TempTotalTime, 5);
    EXPECT_FALSE(form->controls().at("Timemenu_1").checked);
    EXPECT_TRUE(form->controls().at("Timemenu_5").checked);
    EXPECT_EQ(form->delay, 900); // 60 minutes over 4 tasks
    messages.answers = {MsgResult::Yes};
    click("cmdcancel");
    EXPECT_EQ(messageTexts(), std::vector<std::string> {kLoseChanges});
    EXPECT_EQ(program->loadedTaskEditor(), nullptr);
    EXPECT_EQ(form->TempTotalTime, 5);
    EXPECT_EQ(read("TotalTime", "Time"), "1");

    // Opened again, it shows the file's length; one chosen in the main window's menu is
    // followed, but not over an entry being chosen here.
    EXPECT_EQ(reopen().controls().at("cbtotaltime").listIndex, 1);
    program->dispatch(FormId::Main, "Timemenu_7", ControlEvent::Click);
    EXPECT_EQ(editor().controls().at("cbtotaltime").listIndex, 7);
    editor().controls()["cbtotaltime"].listIndex = 3;
    click("cbtotaltime");
    click("alttaskspinUp");
    EXPECT_EQ(editor().controls().at("cbtotaltime").listIndex, 3);
    click("cbtotaltime", ControlEvent::LostFocus);
    click("cmdOK");
    EXPECT_EQ(read("TotalTime", "Time"), "3");
}

TEST_F(TaskEditor, AStoredLengthIsShownAsTheMainWindowUsesItAndSavedSo)
{
    struct Case {
        const char *stored; // nullptr: no entry
        int index;
    };
    for (const Case &c :
         {Case {"9", 9}, Case {nullptr, 1}, Case {"2.5", 2}, Case {"42", 9}, Case {"-3", 0}}) {
        const std::string what = c.stored ? c.stored : "missing";
        open(std::string("[Task1]\r\ndescription1=Scales\r\n")
             + (c.stored ? std::string("[TotalTime]\r\nTime=") + c.stored + "\r\n" : ""));
        EXPECT_EQ(editor().controls().at("cbtotaltime").listIndex, c.index) << what;
        EXPECT_EQ(form->TempTotalTime, c.index) << what;
        type("Arpeggios");
        click("cmdOK");
        EXPECT_EQ(read("TotalTime", "Time"), std::to_string(c.index)) << what;
    }
}

TEST_F(TaskEditor, OpeningAnotherListKeepsUnsavedEditsUnlessTheUserLetsThemGo)
{
    const std::string second = folder.file("second.ini");
    writeFile(second, "[Task2]\r\ndescription1=Sight reading\r\n[TotalTime]\r\nTime=4\r\n");
    openList(2);
    type("Unsaved");

    messages.answers = {MsgResult::No, MsgResult::Yes};
    chooser.answers = {std::nullopt};
    click("fileopen"); // No: nothing is chosen
    EXPECT_TRUE(chooser.asked.empty());
    click("fileopen"); // Yes, then the choice is cancelled: the edits stay
    EXPECT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(messageTexts(), std::vector<std::string>(2, kLoseChanges));
    EXPECT_EQ(shown(), "Unsaved");
    EXPECT_EQ(form->inifilename, ini);

    messages.answers = {MsgResult::Yes};
    chooser.answers = {second};
    moveTo(2, 3);
    click("fileopen");
    EXPECT_EQ(form->inifilename, second);
    EXPECT_EQ(position(), "1.1");
    EXPECT_EQ(shown(), "Sight reading");
    EXPECT_EQ(form->TempTotalTime, 4);
    EXPECT_TRUE(form->controls().at("Timemenu_4").checked);
    EXPECT_EQ(editor().controls().at("cbtotaltime").listIndex, 4);
}

TEST_F(TaskEditor, ANewListIsShownEmptyAfterTheQuestion)
{
    openList(3);
    type("Unsaved");
    messages.answers = {MsgResult::Yes};
    chooser.answers = {folder.file("fresh.ini")};
    click("filenew");
    EXPECT_EQ(messageTexts(), std::vector<std::string> {kLoseChanges});
    EXPECT_EQ(form->inifilename, folder.file("fresh.ini"));
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(editor().controls().at("cbtotaltime").items.size(), 10u);
    EXPECT_FALSE(editor().changed());
}

TEST_F(TaskEditor, AFailedSaveIsNamedAndTheEditsStay)
{
    struct Case {
        const char *what;
        int error; // of the failing read or write; 0: a folder in the file's place
        bool onRead;
        const char *reason;
    };
    for (const Case &c : {Case {"folder", 0, false, "Is a directory"},
                          Case {"full disk", ENOSPC, false, "No space left on device"},
                          Case {"unreadable", EIO, true, "Input/output error"}}) {
        openList(2);
        const std::string before = readFile(ini);
        type("Long tones");
        messages.shown.clear();
        SystemCalls calls = realSystemCalls();
        const auto fail = [error = c.error](auto...) -> ssize_t {
            errno = error;
            return -1;
        };
        if (c.error == 0) {
            std::filesystem::remove(ini);
            std::filesystem::create_directory(ini);
        } else if (c.onRead) {
            calls.read = fail;
        } else {
            calls.write = fail;
        }
        {
            ScopedSystemCalls broken(calls);
            click("cmdOK");
        }
        ASSERT_EQ(messages.shown.size(), 1u) << c.what;
        EXPECT_NE(messages.shown[0].text.find(ini + "\r\n\r\n" + c.reason), std::string::npos)
            << c.what << ": " << messages.shown[0].text;
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical) << c.what;
        EXPECT_EQ(shown(), "Long tones") << c.what;
        if (c.error == 0) {
            std::filesystem::remove(ini);
        } else {
            // Finding the reason wrote nothing either.
            EXPECT_EQ(readFile(ini), before) << c.what;
        }
        click("cmdOK");
        EXPECT_EQ(program->loadedTaskEditor(), nullptr) << c.what;
        EXPECT_EQ(read("Task1", "description1"), "Long tones") << c.what;
    }
}

} // namespace
} // namespace tb::test
