#pragma once

#include "app/qt/QtWindows.h"
#include "platform/qt/QtWindowOps.h"
#include "session/MainForm.h"
#include "session/frmmain.h"
#include "support/ProgramFixture.h"

#include <QTest>

#include <memory>

namespace tb::test {

inline QString qs(const char *text)
{
    return QString::fromUtf8(text);
}

// The program with its real windows on the offscreen platform, the main window shown over
// a task list of three tasks; the outside services are the scripted fakes.
class WindowsFixture : public ProgramFixture
{
protected:
    WindowOps &windowOps() override { return ops; }

    void SetUp() override
    {
        ProgramFixture::SetUp();
        ini = folder.file("tasks.ini");
        IniWrite("Task1", "description1", "Scales & arpeggios%CR%Slowly, then faster", ini);
        IniWrite("Task2", "description1", "Studies", ini);
        IniWrite("Task3", "description1", "Pieces", ini);
        IniWrite("TotalTime", "Time", "2", ini);
        IniWrite("options", "disable ScreenSaver", "True", ini);
        useSettingsFile(ini);
        logic = &makeForm();
        window = std::make_unique<frmmain>(*program);
        ops.attach(window.get());
        windows = std::make_unique<QtWindows>(*program, *window);
        ASSERT_TRUE(logic->Form_Load());
        window->applyControls();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        windows.reset();
        window.reset();
    }

    QtWindowOps ops;
    MainForm *logic = nullptr;
    std::unique_ptr<frmmain> window;
    std::unique_ptr<QtWindows> windows;
};

} // namespace tb::test
