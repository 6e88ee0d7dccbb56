// The options dialog's logic with the main window's, driven through the program's core
// object as the windows drive it.

#include "app/WindowHost.h"
#include "options/OptionsForm.h"
#include "settings/SafeFile.h"
#include "support/ProgramFixture.h"

#include <sys/stat.h>

namespace tb::test {
namespace {

// Records what the core object asks of the windows layer.
class FakeWindowHost : public WindowHost
{
public:
    void open(FormId form) override { calls.push_back("open " + name(form)); }
    void close(FormId form) override { calls.push_back("close " + name(form)); }
    void update(bool now) override { now ? ++updatesNow : ++updates; }
    static std::string name(FormId form) { return form == FormId::Options ? "options" : "other"; }

    std::vector<std::string> calls;
    int updates = 0;
    int updatesNow = 0;
};

class Options : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        ini = folder.file("first.ini");
        writeTasks(ini, 3);
        IniWrite("options", "disable ScreenSaver", "True", ini);
        IniWrite("options", "Play Sound", "True", ini);
        IniWrite("TotalTime", "Time", "2", ini);
        useSettingsFile(ini);
        ASSERT_TRUE(makeForm().Form_Load());
        program->attach(&host);
    }

    // Opens the dialog as the main window's menu does.
    OptionsForm &opened()
    {
        program->dispatch(FormId::Main, "optionsalm", ControlEvent::Click);
        EXPECT_NE(program->loadedOptions(), nullptr);
        return *program->loadedOptions();
    }
    const ControlState &option(const char *name)
    {
        OptionsForm *options = program->loadedOptions();
        return (options ? *options : opened()).controls().at(name);
    }
    void click(const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::Options, control, event);
    }
    void tick(const char *box, bool checked, ControlEvent event = ControlEvent::Click)
    {
        program->loadedOptions()->controls()[box].checked = checked;
        click(box, event);
    }

    FakeWindowHost host;
};

TEST_F(Options, OpeningShowsTheMainWindowsStateAndClosingDropsIt)
{
    EXPECT_EQ(option("frmoptions").caption, "Tallybell - General task options");
    EXPECT_EQ(option("txttasklist").text, ini);
    EXPECT_EQ(option("txtsoundfile").text, "");
    EXPECT_TRUE(option("chkplaywavefile").checked);
    EXPECT_FALSE(option("chkmaxmin").checked);
    EXPECT_FALSE(option("chkstopbtasks").checked);
    EXPECT_TRUE(option("cmdPlaySoundFile").visible);
    EXPECT_TRUE(option("txtsoundfile").enabled);
    // A second opening brings the same window forward.
    OptionsForm *first = &opened();
    EXPECT_EQ(&opened(), first);
    EXPECT_EQ(host.calls, std::vector<std::string>(3, "open options"));

    click("cmdOK");
    EXPECT_EQ(program->loadedOptions(), nullptr);
    EXPECT_EQ(host.calls.back(), "close options");

    // Without a sound device the sound file cannot be chosen or played; the switch stays.
    sound.device = false;
    makeForm().Form_Load();
    program->attach(&host);
    for (const char *name : {"FrmSoundFile", "txtsoundfile", "cmdselectsndfile"})
        EXPECT_FALSE(option(name).enabled) << name;
    EXPECT_FALSE(option("cmdPlaySoundFile").visible);
    EXPECT_TRUE(option("chkplaywavefile").enabled);
}

TEST_F(Options, ASwitchIsStoredWhenTickedAndWhenLeft)
{
    opened();
    struct Switch {
        const char *box;
        const char *key;
        bool MainForm::*member;
    };
    for (const Switch s : {Switch {"chkmaxmin", "Use Full Screen", &MainForm::MaxMinScreen},
                           Switch {"chkplaywavefile", "Play Sound", &MainForm::playwavefiletasks},
                           Switch {"chkstopbtasks", "Stop Between tasks", &MainForm::StopBTasks}}) {
        tick(s.box, true);
        EXPECT_TRUE(form->*s.member) << s.box;
        EXPECT_EQ(read("options", s.key), "True") << s.box;
        tick(s.box, false, ControlEvent::LostFocus);
        EXPECT_FALSE(form->*s.member) << s.box;
        EXPECT_EQ(read("options", s.key), "False") << s.box;
    }
}

TEST_F(Options, ChoosingTheSoundFile)
{
    const std::string bell = folder.file("bell.wav");
    writeFile(bell, "RIFF");
    opened();

    // Cancelled, or a typed name that is no file: nothing changes.
    chooser.answers = {std::nullopt, folder.file("missing.wav")};
    click("cmdselectsndfile");
    click("cmdselectsndfile");
    EXPECT_EQ(form->Soundfile, "");
    EXPECT_EQ(read("options", "wavefile"), "");
    ASSERT_EQ(chooser.asked.size(), 2u);
    const FileChoice &asked = chooser.asked[0];
    EXPECT_EQ(asked.title, "Please select a sound file");
    EXPECT_EQ(asked.folder, folder.path().string()); // no sound file yet: the program's folder
    EXPECT_EQ(asked.fileName, "*.wav");
    ASSERT_EQ(asked.filters.size(), 1u);
    EXPECT_EQ(asked.filters[0].first, "Sound Files");
    EXPECT_FALSE(asked.mustExist);

    chooser.answers = {bell};
    click("cmdselectsndfile");
    EXPECT_EQ(form->Soundfile, bell);
    EXPECT_EQ(option("txtsoundfile").text, bell);
    EXPECT_EQ(read("options", "wavefile"), bell);

    click("cmdPlaySoundFile");
    EXPECT_EQ(sound.played, std::vector<std::string> {bell});
}

TEST_F(Options, OpenAnotherTaskListSwitchesTheWholeProgram)
{
    const std::string second = folder.file("second.ini");
    writeTasks(second, 4, "Second ");
    IniWrite("options", "Use Full Screen", "1", second);
    IniWrite("TotalTime", "Time", "5", second);
    IniWrite("currenttask", "number", "3", second);
    ASSERT_TRUE(form->Disabless);
    ASSERT_TRUE(form->controls().at("Timemenu_2").checked);

    // From the main window's menu, with the dialog not open.
    chooser.answers = {second};
    program->dispatch(FormId::Main, "fileopen", ControlEvent::Click);

    EXPECT_EQ(chooser.asked.at(0).title, "Please select a Task File");
    EXPECT_EQ(chooser.asked.at(0).folder, folder.path().string());
    EXPECT_EQ(form->inifilename, second);
    EXPECT_EQ(storedSettingsFile(), second);
    EXPECT_TRUE(form->MaxMinScreen);
    EXPECT_FALSE(form->playwavefiletasks);
    EXPECT_FALSE(form->Disabless); // the first list's setting does not carry over
    EXPECT_FALSE(form->controls().at("optionScreenSave").checked);
    EXPECT_EQ(form->currenttask, 3);
    EXPECT_EQ(form->TempTotalTime, 5);
    EXPECT_FALSE(form->controls().at("Timemenu_2").checked);
    EXPECT_TRUE(form->controls().at("Timemenu_5").checked);
    EXPECT_EQ(form->totaltasks, 5);
    EXPECT_EQ(form->delay, 900); // 60 minutes over 4 tasks
    // Loaded hidden to do it: shown later, it shows the new list.
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(option("txttasklist").text, second);
    EXPECT_TRUE(option("chkmaxmin").checked);

    // The next session runs the new list.
    form->cmdstartstop_Click();
    EXPECT_EQ(ctl("txtmessage"), "Second 3");
    form->cmdstartstop_Click();

    // A list without a session length of its own: 20 minutes.
    const std::string third = folder.file("third.ini");
    writeTasks(third, 2);
    chooser.answers = {third};
    program->dispatch(FormId::Main, "fileopen", ControlEvent::Click);
    EXPECT_EQ(form->TempTotalTime, 1);
    EXPECT_TRUE(form->controls().at("Timemenu_1").checked);
    EXPECT_FALSE(form->controls().at("Timemenu_5").checked);
}

TEST_F(Options, ATaskListThatCannotBeReadIsRefusedAndNamed)
{
    const std::string folderName = folder.file("lists.ini");
    const std::string pipe = folder.file("pipe.ini");
    std::filesystem::create_directory(folderName);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    opened();

    chooser.answers = {std::nullopt, folder.file("typed.ini"), folderName, pipe};
    for (int i = 0; i < 4; ++i)
        click("cmdselecttaskfile");
    EXPECT_EQ(form->inifilename, ini);
    EXPECT_EQ(storedSettingsFile(), ini);
    EXPECT_EQ(option("txttasklist").text, ini);
    // Cancel and a typed name of no file say nothing; the folder and the pipe are named.
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[0].text.find(folderName), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("Is a directory"), std::string::npos);
    EXPECT_NE(messages.shown[1].text.find(pipe), std::string::npos);
}

TEST_F(Options, ThePausedSessionLocksTheTaskListUntilItResumes)
{
    const auto locked = [this] {
        for (const char *name :
             {"cmdselecttaskfile", "cmdnewtaskfile", "txttasklist", "FrmTaskList"})
            if (option(name).enabled)
                return false;
        return true;
    };
    form->cmdstartstop_Click();
    opened();
    EXPECT_FALSE(locked());
    program->dispatch(FormId::Main, "cmdpause", ControlEvent::Click);
    EXPECT_TRUE(locked());
    program->dispatch(FormId::Main, "cmdpause", ControlEvent::Click);
    EXPECT_FALSE(locked());
}

TEST_F(Options, ANewTaskListHoldsTheSixOptionsAsSingleWritesWouldLeaveThem)
{
    form->MaxMinScreen = true;
    form->Soundfile = "/usr/share/sounds/bell.wav";
    opened();

    struct Case {
        std::string typed;
        std::string created;
    };
    for (const Case &c : {Case {"practice", "practice.ini"}, Case {"exams.ini", "exams.ini"},
                          Case {"LOUD.INI", "LOUD.INI.ini"}}) {
        chooser.answers = {folder.file(c.typed)};
        click("cmdnewtaskfile");
        const std::string created = folder.file(c.created);
        EXPECT_EQ(form->inifilename, created) << c.typed;
        EXPECT_EQ(storedSettingsFile(), created) << c.typed;
        EXPECT_EQ(option("txttasklist").text, created) << c.typed;
    }
    EXPECT_EQ(chooser.asked.back().title, "Create a new task list");
    EXPECT_EQ(chooser.asked.back().folder, folder.path().string());

    const std::string reference = folder.file("reference.ini");
    IniWrite("options", "disable ScreenSaver", "True", reference);
    IniWrite("options", "Use Full Screen", "True", reference);
    IniWrite("options", "Play Sound", "True", reference);
    IniWrite("options", "Stop Between tasks", "False", reference);
    IniWrite("options", "wavefile", "/usr/share/sounds/bell.wav", reference);
    IniWrite("TotalTime", "Time", "2", reference);
    EXPECT_EQ(readFile(form->inifilename), readFile(reference));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Options, OverwritingAnExistingTaskListIsAskedAndReplacesItWhole)
{
    const std::string old = folder.file("old.ini");
    writeTasks(old, 2);
    const std::string before = readFile(old);
    opened();

    messages.answers = {MsgResult::No, MsgResult::Yes};
    chooser.answers = {old, old};
    click("cmdnewtaskfile");
    EXPECT_EQ(readFile(old), before);
    EXPECT_EQ(form->inifilename, ini);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "This settings file already exists\r\nDo you want to overwrite it?");
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);

    click("cmdnewtaskfile");
    EXPECT_EQ(form->inifilename, old);
    EXPECT_EQ(IniRead("Task1", "description1", old, "gone"), "gone");
    EXPECT_EQ(IniRead("TotalTime", "Time", old, ""), "2");
}

TEST_F(Options, ANewTaskListThatCannotBeWrittenIsADiskErrorAndChangesNothing)
{
    opened();
    chooser.answers = {folder.file("no such folder/new.ini")};
    click("cmdnewtaskfile");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "A Disk Error has occurred while creating the new file \n\n\r2 No such file or "
              "directory\n\n\rPlease retry later when the problem has been solved");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(form->inifilename, ini);
    EXPECT_EQ(storedSettingsFile(), ini);
    EXPECT_EQ(option("txttasklist").text, ini);
}

TEST_F(Options, HelpForTheWindowAndForEachControl)
{
    opened();
    click("cmdHelp");
    for (const char *name :
         {"cmdOK", "cmdHelp", "chkmaxmin", "chkplaywavefile", "chkstopbtasks", "cmdselectsndfile",
          "cmdPlaySoundFile", "cmdselecttaskfile", "cmdnewtaskfile", "txtsoundfile"})
        click(name, ControlEvent::RightClick);
    EXPECT_EQ(help.calls,
              (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXT, 6},
                                            {Help::HELP_CONTEXTPOPUP, 21},
                                            {Help::HELP_CONTEXTPOPUP, 29},
                                            {Help::HELP_CONTEXTPOPUP, 32},
                                            {Help::HELP_CONTEXTPOPUP, 35},
                                            {Help::HELP_CONTEXTPOPUP, 33},
                                            {Help::HELP_CONTEXTPOPUP, 30},
                                            {Help::HELP_CONTEXTPOPUP, 30},
                                            {Help::HELP_CONTEXTPOPUP, 20},
                                            {Help::HELP_CONTEXTPOPUP, 31}}));
    // A right click is no click: the window is still open.
    EXPECT_NE(program->loadedOptions(), nullptr);
}

} // namespace
} // namespace tb::test
