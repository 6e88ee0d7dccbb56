#pragma once

#include "app/Program.h"
#include "journal/SqliteJournal.h"
#include "settings/IniFile.h"
#include "settings/Registry.h"
#include "support/FakeFileChooser.h"
#include "support/FakeNotifier.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace tb::test {

// The program's logic over a temporary program folder and registry store, with every
// outside service scripted. `form` is the main window's logic.
class ProgramFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry = std::make_unique<Registry>(config.file("registry.ini"), messages);
    }

    // The window operations the main window's logic uses; window tests hand in real ones.
    virtual WindowOps &windowOps() { return window; }
    // The sound and speech; the tests of real sound hand in real ones.
    virtual Sound &soundOut() { return sound; }
    virtual Speech &speechOut() { return speech; }

    MainForm &makeForm(const std::string &commandLine = {})
    {
        program.reset();
        program = std::make_unique<Program>(
            ProgramServices {MainServices {clock, random, messages, soundOut(), screenSaver, help,
                                           instance, windowOps(), notifier, journal, speechOut()},
                             *registry, chooser, shell},
            folder.path().string(), commandLine);
        form = &program->main();
        return *form;
    }

    // A program that has run before: the store points at `ini`.
    void useSettingsFile(const std::string &file)
    {
        registry->RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell", "FirstRun",
                                 "2026-01-05 10:00:00");
        registry->RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell", "Settings File",
                                 file);
    }
    std::string storedSettingsFile() const
    {
        return registry->RegReadString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell",
                                       "Settings File", "");
    }

    // Writes tasks 1..count with one description each: "Task <n>".
    static void writeTasks(const std::string &file, int count, const std::string &prefix = "Task ")
    {
        for (int n = 1; n <= count; ++n)
            IniWrite("Task" + std::to_string(n), "description1", prefix + std::to_string(n), file);
    }

    // A loaded program over a fresh settings file of `tasks` tasks and `entries`, each a
    // section, a key and a value.
    MainForm &loaded(int tasks, const std::string &commandLine = {},
                     std::initializer_list<std::array<const char *, 3>> entries = {})
    {
        ini = folder.file("tasks.ini");
        std::filesystem::remove(ini);
        useSettingsFile(ini);
        writeTasks(ini, tasks);
        for (const auto &[section, key, value] : entries)
            IniWrite(section, key, value, ini);
        MainForm &f = makeForm(commandLine);
        EXPECT_TRUE(f.Form_Load());
        return f;
    }

    // `seconds` of the countdown: the clock moves on a second before each tick.
    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
        }
    }
    void click(const char *control)
    {
        program->dispatch(FormId::Main, control, ControlEvent::Click);
    }
    std::string ctl(const char *name) const { return form->controls().at(name).caption; }
    // The logic of a loaded window, or null.
    template<typename F> F *loadedForm(FormId id) { return dynamic_cast<F *>(program->form(id)); }
    TaskList &list() { return program->taskList(); }
    std::string read(const char *section, const char *key, const char *def = "") const
    {
        return IniRead(section, key, ini, def);
    }

    TempDir folder;
    TempDir config;
    FakeClock clock;
    FakeRandom random;
    FakeMessageBox messages;
    FakeSound sound;
    FakeSpeech speech;
    FakeScreenSaver screenSaver;
    FakeNotifier notifier;
    FakeHelp help;
    FakeSingleInstance instance;
    FakeWindowOps window;
    FakeFileChooser chooser;
    FakeShell shell;
    std::unique_ptr<Registry> registry;
    // A real journal in a temporary file.
    SqliteJournal journal {config.file("journal.sqlite")};
    std::unique_ptr<Program> program;
    MainForm *form = nullptr;
    std::string ini;
};

} // namespace tb::test
