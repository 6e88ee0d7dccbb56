// The options dialog's logic with the main window's, driven through the program's core
// object as the windows drive it.

#include "options/OptionsForm.h"
#include "support/ProgramFixture.h"

#include <tuple>

namespace tb::test {
namespace {

class Options : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        loaded(3);
        program->dispatch(FormId::Main, "optionsalm", ControlEvent::Click);
    }
    ControlState &option(const char *name)
    {
        return loadedForm<OptionsForm>(FormId::Options)->controls()[name];
    }
    void click(const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::Options, control, event);
    }
    // The task list in use, stored and shown.
    void expectTaskList(const std::string &file)
    {
        EXPECT_EQ(list().inifilename(), file);
        EXPECT_EQ(storedSettingsFile(), file);
        EXPECT_EQ(option("txttasklist").text, file);
    }
};

TEST_F(Options, ASwitchIsStoredWhenTickedAndWhenLeft)
{
    for (const auto &[box, key, member] :
         {std::tuple {"chkmaxmin", "Use Full Screen", &TaskList::MaxMinScreen},
          {"chkplaywavefile", "Play Sound", &TaskList::playwavefiletasks},
          {"chkstopbtasks", "Stop Between tasks", &TaskList::StopBTasks}}) {
        for (const bool checked : {true, false}) {
            option(box).checked = checked;
            click(box, checked ? ControlEvent::Click : ControlEvent::LostFocus);
            EXPECT_EQ((list().*member)(), checked) << box;
            EXPECT_EQ(read("options", key), checked ? "True" : "False") << box;
        }
    }
}

// The cues are stored as chosen, in the task list's options where older versions do not
// look; without a speech engine reading aloud cannot be chosen, and says why.
TEST_F(Options, TheCuesAreStoredAsChosenAndReadingAloudNeedsAnEngine)
{
    for (const auto &[box, entry, key, stored] : {std::tuple {"cbwarn", 3, "Warn before end", "60"},
                                                  {"cbwarn", 0, "Warn before end", "0"},
                                                  {"cbspeechrate", 0, "Speech rate", "-1"},
                                                  {"cbspeechrate", 2, "Speech rate", "1"}}) {
        option(box).listIndex = entry;
        click(box);
        EXPECT_EQ(read("options", key), stored) << box << " " << entry;
    }
    option("chkreadaloud").checked = true;
    click("chkreadaloud");
    EXPECT_TRUE(list().options().readAloud);
    EXPECT_EQ(speech.prepared, 1) << "the engine starts when reading aloud is chosen";
    EXPECT_EQ(read("options", "Read tasks aloud"), "True");
    EXPECT_TRUE(option("chkreadaloud").enabled);

    // Chosen elsewhere (another list taken into use), the dialog shows it.
    list().setWarnSeconds(120);
    program->showChangesNow();
    EXPECT_EQ(option("cbwarn").listIndex, 4);

    speech.missing = true;
    program->showChangesNow();
    for (const char *name : {"chkreadaloud", "cbspeechrate", "lblspeechrate"}) {
        EXPECT_FALSE(option(name).enabled) << name;
        EXPECT_NE(option(name).toolTip.find("No speech engine"), std::string::npos) << name;
    }
}

TEST_F(Options, TheSoundFileIsChosenAndPlayed)
{
    const std::string bell = folder.file("bell.wav");
    writeFile(bell, "RIFF");
    chooser.answers = {std::nullopt, folder.file("missing.wav"), bell};
    for (const std::string expected : {"", "", bell.c_str()}) { // cancelled, no file, chosen
        click("cmdselectsndfile");
        EXPECT_EQ(read("options", "wavefile") + option("txtsoundfile").text, expected + expected);
    }
    click("cmdPlaySoundFile");
    EXPECT_EQ(sound.played, std::vector<std::string> {bell});
}

TEST_F(Options, AnotherTaskListSwitchesTheWholeProgramUnlessItCannotBeRead)
{
    const std::string folderName = folder.file("lists.ini");
    std::filesystem::create_directory(folderName);
    chooser.answers = {std::nullopt, folder.file("typed.ini"), folderName};
    for (int i = 0; i < 3; ++i)
        click("cmdselecttaskfile");
    expectTaskList(ini);
    // Cancel and a typed name of no file say nothing; the folder is named.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(folderName + "\r\n\r\nIs a directory"),
              std::string::npos);

    const std::string second = folder.file("second.ini");
    writeTasks(second, 4);
    IniWrite("options", "Use Full Screen", "1", second);
    IniWrite("TotalTime", "Time", "5", second);
    list().setDisabless(true);
    chooser.answers = {second};
    program->dispatch(FormId::Main, "fileopen", ControlEvent::Click);
    expectTaskList(second);
    EXPECT_TRUE(option("chkmaxmin").checked);
    EXPECT_FALSE(form->controls()["optionScreenSave"].checked); // not carried over
    EXPECT_EQ(form->delay, 900); // 60 minutes over 4 tasks
    // A list without a session length of its own: 20 minutes.
    writeTasks(folder.file("third.ini"), 2);
    chooser.answers = {folder.file("third.ini")};
    click("cmdselecttaskfile");
    EXPECT_TRUE(form->controls()["Timemenu_1"].checked);
    EXPECT_EQ(form->delay, 600);
}

// The sound and another list are picked from existing files; a new list's name is typed in a
// save dialog that asks nothing about an existing file (the program asks its own question).
TEST_F(Options, EachChoiceIsADialogOfItsOwnKind)
{
    list().setSoundfile(folder.file("nowhere/bell.wav"));
    for (const char *button : {"cmdselectsndfile", "cmdselecttaskfile", "cmdnewtaskfile"})
        click(button); // each cancelled
    // Each dialog's title, first filter, name, save or open (nothing need exist, and a save
    // asks nothing about an existing file) and button; all in the list's or the program's folder.
    std::string asked;
    for (const FileChoice &c : chooser.asked) {
        EXPECT_EQ(c.folder, folder.path().string());
        asked += c.title + "|" + c.filters.at(0).first + "|" + c.fileName + "|"
            + (c.save ? "save" : "open")
            + (c.mustExist || (c.save && c.confirmOverwrite) ? "!" : "") + "|" + c.acceptLabel
            + "\n";
    }
    EXPECT_EQ(asked,
              "Please select a sound file|Sound Files|*.wav|open|\n"
              "Please select a Task File|Setting files|*.ini|open|\n"
              "Create a new task list|Setting files|*.ini|save|&Create\n");
}

TEST_F(Options, ANewTaskListGetsTheSixOptionsAndReplacesAnOldOneWholeAfterAYes)
{
    list().setMaxMinScreen(true);
    list().setSoundfile("/usr/share/sounds/bell.wav");
    const std::string old = folder.file("old.ini");
    writeTasks(old, 2);
    const std::string before = readFile(old);
    for (const auto &[typed, created] : {std::pair {"practice", "practice.ini"},
                                         {"exams.ini", "exams.ini"},
                                         {"LOUD.INI", "LOUD.INI.ini"}}) {
        chooser.answers = {folder.file(typed)};
        click("cmdnewtaskfile");
        expectTaskList(folder.file(created));
    }
    EXPECT_EQ(
        readFile(list().inifilename()),
        "[options]\r\ndisable ScreenSaver=False\r\nUse Full Screen=True\r\nPlay Sound=False\r\n"
        "Stop Between tasks=False\r\nwavefile=/usr/share/sounds/bell.wav\r\n"
        "[TotalTime]\r\nTime=1\r\n");
    messages.answers = {MsgResult::No, MsgResult::Yes};
    chooser.answers = {old, old};
    click("cmdnewtaskfile"); // No
    EXPECT_EQ(readFile(old), before);
    EXPECT_NE(list().inifilename(), old);
    click("cmdnewtaskfile"); // Yes
    expectTaskList(old);
    EXPECT_EQ(readFile(old), readFile(folder.file("LOUD.INI.ini")));
}

} // namespace
} // namespace tb::test
