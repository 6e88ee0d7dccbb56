#pragma once

#include "app/qt/QtWindows.h"
#include "platform/qt/QtWindowOps.h"
#include "session/MainForm.h"
#include "session/frmmain.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tb::test {

inline QString qs(const char *text)
{
    return QString::fromUtf8(text);
}

// The contrast ratio of two colours, as the accessibility guidelines reckon it.
inline double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        double sum = 0.05;
        for (const auto &[v, w] :
             {std::pair {c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += w * (v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        return sum;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Keeps a picture of `shown` for a person to look at.
inline void keepShot(QWidget *shown, const QString &name)
{
    const QString shots = qEnvironmentVariable("TALLYBELL_SHOT_DIR");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        shown->grab().save(shots + u'/' + name);
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
    // Opens the window `id` from the main window's menu entry `entry`.
    QWidget *open(const char *entry, FormId id)
    {
        window->findChild<QAction *>(qs(entry))->trigger();
        QWidget *opened = windows->window(id);
        EXPECT_TRUE(opened && QTest::qWaitForWindowExposed(opened)) << entry;
        return opened;
    }

    QtWindowOps ops;
    MainForm *logic = nullptr;
    std::unique_ptr<frmmain> window;
    std::unique_ptr<QtWindows> windows;
};

} // namespace tb::test
