#pragma once

#include "session/MainForm.h"
#include "settings/IniFile.h"
#include "settings/Registry.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tb::test {

// A main window's logic over a temporary program folder and registry store, with every
// outside service scripted.
class MainFormFixture : public ::testing::Test {
protected:
    void SetUp() override { registry = std::make_unique<Registry>(config.file("registry.ini"), messages); }

    MainForm &makeForm(const std::string &commandLine = {})
    {
        form = std::make_unique<MainForm>(
            MainServices{clock, random, messages, sound, screenSaver, help, instance, window,
                         *registry},
            folder.path().string(), commandLine);
        return *form;
    }

    // A program that has run before: the store points at `ini`.
    void useSettingsFile(const std::string &ini)
    {
        registry->RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell", "FirstRun",
                                 "2026-01-05 10:00:00");
        registry->RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Tallybell", "Settings File",
                                 ini);
    }

    // Writes tasks 1..count with one description each: "Task <n>".
    void writeTasks(const std::string &ini, int count)
    {
        for (int n = 1; n <= count; ++n)
            IniWrite("Task" + std::to_string(n), "description1", "Task " + std::to_string(n), ini);
    }

    // A loaded program with `tasks` tasks in its settings file.
    MainForm &loaded(int tasks, const std::string &commandLine = {})
    {
        ini = folder.file("tasks.ini");
        useSettingsFile(ini);
        writeTasks(ini, tasks);
        MainForm &f = makeForm(commandLine);
        EXPECT_TRUE(f.Form_Load());
        return f;
    }

    std::string ctl(const char *name) const { return form->controls().at(name).caption; }
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
    FakeScreenSaver screenSaver;
    FakeHelp help;
    FakeSingleInstance instance;
    FakeWindowOps window;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<MainForm> form;
    std::string ini;
};

} // namespace tb::test
