#include "settings/DateText.h"
#include "support/ProgramFixture.h"

#include <filesystem>
#include <sys/stat.h>

namespace tb::test {
namespace {

const char *kKey = "SOFTWARE\\Orvane\\Tallybell";

using StartUp = ProgramFixture;

TEST_F(StartUp, FirstRunRenamesTheDefaultListAndRecordsItInTheStore)
{
    writeFile(folder.file("tallydef.ini"), "[Task1]\r\ndescription1=Scales\r\n");
    writeFile(folder.file("PINGPONG.WAV"), "RIFF");
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());

    const std::string work = folder.file("tallywork.ini");
    EXPECT_FALSE(std::filesystem::exists(folder.file("tallydef.ini")));
    EXPECT_EQ(readFile(work),
              "[Task1]\r\ndescription1=Scales\r\n[options]\r\nwavefile="
                  + folder.file("PINGPONG.WAV") + "\r\n");
    EXPECT_EQ(registry->RegReadString(HKEY_CURRENT_USER, kKey, "Settings File", ""), work);
    const std::string firstRun = registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", "");
    EXPECT_TRUE(isValidDateText(firstRun)) << firstRun;
    EXPECT_EQ(firstRun, dateTimeText(clock.now()));
    EXPECT_EQ(f.inifilename, work);
    EXPECT_EQ(f.Soundfile, folder.file("PINGPONG.WAV"));
    EXPECT_EQ(f.totaltasks, 2);
    EXPECT_TRUE(messages.shown.empty());

    // The second start finds a date and leaves everything alone.
    IniWrite("options", "wavefile", "", work);
    MainForm &again = makeForm();
    ASSERT_TRUE(again.Form_Load());
    EXPECT_EQ(IniRead("options", "wavefile", work, "none"), "none");
    EXPECT_EQ(registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", ""), firstRun);
}

TEST_F(StartUp, FirstRunKeepsAnExistingTaskListAndReportsOtherRenameFailures)
{
    // An existing tallywork.ini is never overwritten and nothing is reported.
    writeFile(folder.file("tallydef.ini"), "[Task1]\r\ndescription1=Default\r\n");
    writeFile(folder.file("tallywork.ini"), "[Task1]\r\ndescription1=Mine\r\n");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(folder.file("tallydef.ini")));
    EXPECT_EQ(readFile(folder.file("tallywork.ini")), "[Task1]\r\ndescription1=Mine\r\n")
        << "a list already in place keeps its own sound";

    // The store lost its date, the default list is long gone: the list in place is no error.
    registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "");
    std::filesystem::remove(folder.file("tallydef.ini"));
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(IniRead("Task1", "description1", folder.file("tallywork.ini"), ""), "Mine");
}

TEST_F(StartUp, FirstRunWithoutDefaultListShowsTheDiskErrorAndGoesOn)
{
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Tallybell - Disk Error");
    EXPECT_EQ(messages.shown[0].text,
              "Couldn't copy the default settings file\r\n\r\nNo such file or directory");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    // Defaults of a list without options; the start-up went on to the end.
    EXPECT_EQ(f.currenttask, 1) << "no tasks: shown as the task Start would begin with";
    EXPECT_EQ(f.totaltasks, 1);
    EXPECT_EQ(f.TempTotalTime, 1);
    EXPECT_TRUE(f.controls().at("Timemenu_1").checked);
    EXPECT_FALSE(f.Disabless || f.MaxMinScreen || f.playwavefiletasks || f.StopBTasks);
    EXPECT_EQ(window.caption, "Tallybell");
}

// The first-run steps must not trap the user: a list that could not be put in place is
// tried again at the next start, and a store that cannot keep the first-run date neither
// resets the user's sound nor repeats its error.
TEST_F(StartUp, FirstRunIsRetriedUntilTheListIsInPlaceAndNeverResetsTheSound)
{
    ASSERT_TRUE(makeForm().Form_Load()); // no default list to put in place
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(isValidDateText(registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", "")));

    writeFile(folder.file("tallydef.ini"), "[Task1]\r\ndescription1=A\r\n");
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());
    EXPECT_EQ(f.totaltasks, 2) << "the next start puts the list in place";
    EXPECT_TRUE(isValidDateText(registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", "")));

    // The store turns into a folder: every start runs the first-run steps again.
    IniWrite("options", "wavefile", "/my/bell.wav", f.inifilename);
    std::filesystem::remove(config.file("registry.ini"));
    std::filesystem::create_directory(config.file("registry.ini"));
    for (int start = 0; start < 2; ++start) {
        messages.shown.clear();
        program.reset();
        registry = std::make_unique<Registry>(config.file("registry.ini"), messages); // a start
        MainForm &g = makeForm();
        ASSERT_TRUE(g.Form_Load());
        EXPECT_EQ(g.Soundfile, "/my/bell.wav");
        ASSERT_EQ(messages.shown.size(), 1u) << "the store's error once per start";
        EXPECT_EQ(messages.shown[0].text, "Error Creating Key: -2147483647");
    }
}

TEST_F(StartUp, ATaskListThatCannotBeReadIsSaidAtStart)
{
    const struct {
        const char *kind;
        void (*make)(const std::string &path);
        const char *reason;
    } cases[] = {
        {"a folder", [](const std::string &p) { std::filesystem::create_directory(p); },
         "Is a directory"},
        {"a pipe", [](const std::string &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "Not a regular file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        messages.shown.clear();
        ini = folder.file(std::string("list ") + c.kind);
        c.make(ini);
        useSettingsFile(ini);
        ASSERT_TRUE(makeForm().Form_Load());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "Tallybell - Disk Error");
        EXPECT_NE(messages.shown[0].text.find(ini), std::string::npos);
        EXPECT_NE(messages.shown[0].text.find(c.reason), std::string::npos)
            << messages.shown[0].text;
    }
}

TEST_F(StartUp, AnInvalidFirstRunDateRunsTheSetUpAgain)
{
    registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "yesterday");
    writeFile(folder.file("tallydef.ini"), "[Task1]\r\ndescription1=A\r\n");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(std::filesystem::exists(folder.file("tallywork.ini")));
    EXPECT_TRUE(isValidDateText(registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", "")));
}

TEST_F(StartUp, SecondInstanceHandsOverWithoutTouchingStoreOrFiles)
{
    writeFile(folder.file("tallydef.ini"), "[Task1]\r\ndescription1=A\r\n");
    instance.anotherRunning = true;
    EXPECT_FALSE(makeForm().Form_Load());
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(config.file("registry.ini")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("tallydef.ini")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("tallywork.ini")));

    // A guard that cannot be set up is said; the user chooses whether to start anyway.
    instance.anotherRunning = false;
    instance.answer = {InstanceCheck::Outcome::Refused, "/tmp/x belongs to another user."};
    messages.answers = {MsgResult::No, MsgResult::Yes};
    EXPECT_FALSE(makeForm().Form_Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("/tmp/x belongs to another user."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(config.file("registry.ini")));
    EXPECT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(std::filesystem::exists(folder.file("tallywork.ini")));
}

TEST_F(StartUp, OptionsFollowTheirReadingRules)
{
    ini = folder.file("o.ini");
    useSettingsFile(ini);
    writeTasks(ini, 2);
    IniWrite("options", "disable ScreenSaver", "true", ini); // only an exact "True" counts
    IniWrite("options", "Use Full Screen", "TRUE", ini);
    IniWrite("options", "Play Sound", "1", ini);
    IniWrite("options", "Stop Between tasks", "maybe", ini); // not a truth value: false
    IniWrite("currenttask", "number", "2nd", ini);
    IniWrite("options", "wavefile", "/sounds/bell.wav", ini);
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());
    EXPECT_FALSE(f.Disabless);
    EXPECT_FALSE(f.controls().at("optionScreenSave").checked);
    EXPECT_TRUE(f.MaxMinScreen);
    EXPECT_TRUE(f.playwavefiletasks);
    EXPECT_FALSE(f.StopBTasks);
    EXPECT_EQ(f.currenttask, 2);
    EXPECT_EQ(f.controls().at("lblStartFrom").caption, "2");
    EXPECT_EQ(f.Soundfile, "/sounds/bell.wav");

    IniWrite("options", "disable ScreenSaver", "True", ini);
    IniWrite("options", "Use Full Screen", "0", ini);
    IniWrite("options", "Play Sound", "false", ini);
    f.loadsettings();
    EXPECT_TRUE(f.Disabless);
    EXPECT_FALSE(f.MaxMinScreen);
    EXPECT_FALSE(f.playwavefiletasks);
    // Loading a list whose value is not "True" leaves the switch on.
    IniWrite("options", "disable ScreenSaver", "False", ini);
    f.loadsettings();
    EXPECT_TRUE(f.Disabless);
}

TEST_F(StartUp, TaskTimeMenuAndStoredLength)
{
    ini = folder.file("t.ini");
    useSettingsFile(ini);
    writeTasks(ini, 3);
    IniWrite("TotalTime", "Time", "3", ini);
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());
    for (int i = 0; i < 10; ++i) {
        const auto &entry = f.controls().at(MainForm::timeMenuName(i).c_str());
        EXPECT_EQ(entry.caption, std::to_string((i + 1) * 10) + " Minutes");
        EXPECT_EQ(entry.checked, i == 3) << i;
    }
    // Out-of-range lengths are kept within the menu, so one entry is always checked.
    for (const auto &[stored, expected] : {std::pair {"42", 9}, {"-3", 0}, {"x", 0}}) {
        IniWrite("TotalTime", "Time", stored, ini);
        MainForm &g = makeForm();
        ASSERT_TRUE(g.Form_Load());
        EXPECT_EQ(g.TempTotalTime, expected) << stored;
        EXPECT_TRUE(g.controls().at(MainForm::timeMenuName(expected).c_str()).checked);
    }
}

TEST_F(StartUp, SetdelayShareCountAndClamp)
{
    MainForm &f = loaded(4);
    f.TempTotalTime = 2;
    f.setdelay();
    EXPECT_EQ(f.delay, 450);
    EXPECT_EQ(f.totaltasks, 5);

    writeTasks(ini, 7);
    f.setdelay();
    EXPECT_EQ(f.delay, 257); // 1800 / 7 = 257.14

    // Halves go to the even neighbour: 600 / 16 = 37.5 -> 38.
    writeTasks(ini, 16);
    f.TempTotalTime = 0;
    f.setdelay();
    EXPECT_EQ(f.delay, 38);

    // A gap ends the list; the start task comes back within it.
    IniWrite("Task3", "description1", "", ini);
    f.currenttask = 9;
    f.setdelay();
    EXPECT_EQ(f.totaltasks, 3);
    EXPECT_EQ(f.currenttask, 2);

    f.TempTotalTime = 9;
    IniWrite("Task2", "description1", "", ini);
    f.setdelay();
    EXPECT_EQ(f.delay, 6000);
    EXPECT_EQ(MainForm::formatTime(f.delay), "100:00");
}

TEST_F(StartUp, TestmodeIsTheWholeExactCommandLine)
{
    EXPECT_EQ(loaded(3, "testmode").delay, 10);
    EXPECT_TRUE(form->TestingMode);
    for (const char *line : {"TESTMODE", "testmode now", " testmode", ""}) {
        MainForm &f = makeForm(line);
        ASSERT_TRUE(f.Form_Load());
        EXPECT_FALSE(f.TestingMode) << line;
        EXPECT_NE(f.delay, 10) << line;
    }
}

TEST(DateText, CommonFormsReadAsDates)
{
    for (const char *good : {"2026-12-06", "2026-12-06 14:05:09", "2028/02/29 1:05", "6.12.2026",
                             "12/31/2026", "31/12/2026 11:59 PM", "2024-02-29T08:00"})
        EXPECT_TRUE(isValidDateText(good)) << good;
    for (const char *bad : {"", "yesterday", "2026-02-29", "2026-13-01", "32.01.2026",
                            "2026-12-06 25:00", "2026-12", "12-31-2026x", "1/2"})
        EXPECT_FALSE(isValidDateText(bad)) << bad;
    EXPECT_TRUE(isValidDateText(dateTimeText(0)));
}

} // namespace
} // namespace tb::test
