// The main window on the offscreen platform: its controls, menus and the events it
// forwards to its logic.

#include "WindowsFixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace tb::test {
namespace {

QString qs(const char *text)
{
    return QString::fromUtf8(text);
}

class MainWindow : public WindowsFixture
{
protected:
    template<typename T> T *find(const char *name) const
    {
        T *found = window->findChild<T *>(qs(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QMenu *menu(const char *name) const { return find<QMenu>(name); }
    QLabel *label(const char *name) const { return find<QLabel>(name); }
    bool shown(const char *name) const { return find<QWidget>(name)->isVisibleTo(window.get()); }

    bool runningLayout() const
    {
        return button("cmdstartstop")->text() == qs("&Stop") && button("cmdpause")->isEnabled()
            && !button("cmdexit")->isEnabled() && !shown("framestartfrom") && !shown("lblStartFrom")
            && !shown("startfromspin") && shown("Imagemoveon") && shown("practiceprogress")
            && !menu("menfile")->menuAction()->isEnabled()
            && !menu("TotalTimeMenu")->menuAction()->isEnabled()
            && !menu("helphelp")->menuAction()->isEnabled()
            && find<QTimer>("timemaintime")->isActive();
    }
    bool stoppedLayout() const
    {
        return button("cmdstartstop")->text() == qs("&Start") && !button("cmdpause")->isEnabled()
            && button("cmdexit")->isEnabled() && shown("framestartfrom") && shown("lblStartFrom")
            && shown("startfromspin") && !shown("Imagemoveon") && !shown("practiceprogress")
            && !shown("linepaused") && menu("menfile")->menuAction()->isEnabled()
            && menu("TotalTimeMenu")->menuAction()->isEnabled()
            && menu("optionS")->menuAction()->isEnabled()
            && menu("helphelp")->menuAction()->isEnabled()
            && !find<QTimer>("timemaintime")->isActive();
    }
};

TEST_F(MainWindow, EveryControlAndMenuEntryHasItsNameCaptionAndToolTip)
{
    struct Expected {
        const char *name;
        const char *caption;
        const char *toolTip;
    };
    for (const Expected &e :
         {Expected {"cmdstartstop", "&Start", "To Start or Stop this Session Click here"},
          Expected {"cmdpause", "&Pause", "To Pause the session click here"},
          Expected {"cmdexit", "&Quit", "To Quit Tallybell click here"}}) {
        EXPECT_EQ(button(e.name)->text(), qs(e.caption)) << e.name;
        EXPECT_EQ(button(e.name)->toolTip(), qs(e.toolTip)) << e.name;
    }
    EXPECT_EQ(find<QToolButton>("Imagemoveon")->toolTip(),
              qs("To jump to the next task click here"));
    EXPECT_FALSE(find<QToolButton>("Imagemoveon")->icon().isNull());
    EXPECT_EQ(label("LabelAppTitle")->text(), qs("Tallybell"));
    EXPECT_FALSE(label("Picture2")->pixmap().isNull());
    EXPECT_TRUE(shown("Shape1"));
    EXPECT_EQ(find<QGroupBox>("framestartfrom")->title(), qs("Start from task"));
    EXPECT_EQ(label("lblStartFrom")->text(), qs("1"));
    EXPECT_EQ(label("lblTimer")->text(), qs("00:00"));
    EXPECT_TRUE(label("txtmessage")->text().isEmpty());
    EXPECT_EQ(label("txtmessage")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label("txtmessage")->wordWrap());
    EXPECT_TRUE(find<QProgressBar>("practiceprogress") != nullptr);
    EXPECT_TRUE(find<QWidget>("linepaused") != nullptr);
    EXPECT_EQ(find<QTimer>("timemaintime")->interval(), 1000);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->windowTitle(), qs("Tallybell"));
    // Everything fits at the size the window opens with.
    EXPECT_LE(window->minimumSizeHint().width(), window->width());
    EXPECT_LE(window->minimumSizeHint().height(), window->height());

    auto *spin = find<QWidget>("startfromspin");
    QStringList spinNames;
    for (auto *arrow : spin->findChildren<QToolButton *>())
        spinNames << arrow->accessibleName();
    spinNames.sort();
    EXPECT_EQ(spinNames, (QStringList {qs("Next task"), qs("Previous task")}));

    EXPECT_EQ(menu("menfile")->title(), qs("&File"));
    EXPECT_EQ(menu("TotalTimeMenu")->title(), qs("&Task Time"));
    EXPECT_EQ(menu("optionS")->title(), qs("&Options"));
    EXPECT_EQ(menu("helphelp")->title(), qs("&Help"));
    struct Entry {
        const char *name;
        const char *caption;
        bool enabled;
    };
    for (const Entry &e :
         {Entry {"fileopen", "&Open another task list", true},
          Entry {"fileedit", "Edit Current &Task List", true},
          Entry {"editfilesong", "Edit &list files", true}, Entry {"filequit", "&Quit", true},
          Entry {"optionScreenSave", "Disable Screen Saver during countdown", true},
          Entry {"optionsalm", "General Task Options", true},
          Entry {"helpcontents", "Tallybell &Help Topics", true},
          Entry {"helpabouthelp", "How &to use Help", true}, Entry {"helpabout", "About", true}}) {
        EXPECT_EQ(action(e.name)->text(), qs(e.caption)) << e.name;
        EXPECT_EQ(action(e.name)->isEnabled(), e.enabled) << e.name;
    }
    EXPECT_TRUE(action("optionScreenSave")->isChecked()); // "True" in the settings file

    // Ten entries of 10 to 100 minutes, in the menu's order; the stored index 2 is checked.
    const QList<QAction *> entries = menu("TotalTimeMenu")->actions();
    ASSERT_EQ(entries.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(entries[i]->objectName(), QString::fromStdString(MainForm::timeMenuName(i)));
        EXPECT_EQ(entries[i]->text(), QString::number((i + 1) * 10) + qs(" Minutes"));
        EXPECT_EQ(entries[i]->isChecked(), i == 2) << i;
    }
    EXPECT_TRUE(stoppedLayout());
}

TEST_F(MainWindow, TheTaskTimeMenuChecksOneEntryAndSetsTheLength)
{
    const QList<QAction *> entries = menu("TotalTimeMenu")->actions();
    entries[4]->trigger();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(entries[i]->isChecked(), i == 4) << i;
    EXPECT_EQ(logic->TempTotalTime, 4);
    EXPECT_EQ(logic->delay, 1000); // 50 minutes over 3 tasks

    // Choosing the checked entry again leaves it checked.
    entries[4]->trigger();
    EXPECT_TRUE(entries[4]->isChecked());
    EXPECT_EQ(logic->TempTotalTime, 4);

    entries[0]->trigger();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(entries[i]->isChecked(), i == 0) << i;
    EXPECT_EQ(logic->delay, 200);
}

TEST_F(MainWindow, StartAndStopFlipTheLayout)
{
    QTest::mouseClick(find<QToolButton>("startfromspinUp"), Qt::LeftButton);
    EXPECT_EQ(label("lblStartFrom")->text(), qs("2"));
    QTest::mouseClick(find<QToolButton>("startfromspinDown"), Qt::LeftButton);
    EXPECT_EQ(label("lblStartFrom")->text(), qs("1"));

    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    EXPECT_TRUE(runningLayout());
    EXPECT_EQ(label("lblTimer")->text(), qs("10:00")); // 30 minutes over 3 tasks
    // The task's CR LF breaks the line; its ampersand is text, not a mnemonic.
    EXPECT_EQ(label("txtmessage")->text(), qs("Scales & arpeggios\nSlowly, then faster"));
    EXPECT_EQ(screenSaver.calls, std::vector<std::string> {"blank"});

    // The timer drives the countdown from the clock.
    clock.advance(65);
    QTRY_COMPARE_WITH_TIMEOUT(label("lblTimer")->text(), qs("08:55"), 3000);
    EXPECT_EQ(find<QProgressBar>("practiceprogress")->value(), 89);

    // The skip image ends the task at the next tick.
    QTest::mouseClick(find<QToolButton>("Imagemoveon"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(label("txtmessage")->text(), qs("Studies"), 3000);

    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    EXPECT_TRUE(stoppedLayout());
    EXPECT_EQ(label("lblStartFrom")->text(), qs("2"));
    EXPECT_TRUE(label("txtmessage")->text().isEmpty());
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));
}

TEST_F(MainWindow, AKeyPausesARunningSessionWithoutPressingTheFocusedButton)
{
    // Stopped: the space bar presses the focused button as usual.
    button("cmdstartstop")->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(runningLayout());

    // Running: the space bar pauses, and the focused Stop button stays unpressed.
    ASSERT_EQ(QApplication::focusWidget(), button("cmdstartstop"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(runningLayout());
    EXPECT_TRUE(logic->Taskspaused);
    EXPECT_TRUE(shown("linepaused"));
    EXPECT_EQ(label("txtmessage")->text(), qs("Paused...Click on the Pause Button to resume"));
    EXPECT_TRUE(menu("optionS")->menuAction()->isEnabled());
    // One key, one pause: the screen saver was held off once and let go once.
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));

    // Modifier keys alone and auto-repeats are not key presses of their own.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, qs("a"), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_TRUE(logic->Taskspaused);

    // Any other key resumes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_FALSE(logic->Taskspaused);
    EXPECT_FALSE(shown("linepaused"));
    EXPECT_EQ(label("txtmessage")->text(), qs("Scales & arpeggios\nSlowly, then faster"));
    EXPECT_FALSE(menu("optionS")->menuAction()->isEnabled());
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore", "blank"}));

    // The mnemonic still reaches its button: Alt+S stops the session.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(stoppedLayout());
}

TEST_F(MainWindow, RightButtonAndF1AskTheHelp)
{
    QTest::mouseClick(button("cmdpause"), Qt::RightButton);
    QTest::mouseClick(label("txtmessage"), Qt::RightButton);
    QTest::mouseClick(button("cmdexit"), Qt::RightButton);
    QTest::mouseClick(label("lblTimer"), Qt::RightButton); // no help of its own
    EXPECT_EQ(help.calls,
              (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXTPOPUP, 18},
                                            {Help::HELP_CONTEXTPOPUP, 19},
                                            {Help::HELP_CONTEXTPOPUP, 8}}));
    EXPECT_TRUE(stoppedLayout()); // a right click is not a click

    help.calls.clear();
    button("cmdstartstop")->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    button("cmdexit")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help.calls, (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXT, 15}}));

    help.calls.clear();
    action("helpcontents")->trigger();
    action("helpabouthelp")->trigger();
    EXPECT_EQ(help.calls,
              (std::vector<FakeHelp::Call> {{Help::HELP_FINDER, 0}, {Help::HELP_HELPONHELP, 0}}));

    action("helpabout")->trigger();
    EXPECT_NE(windows->window(FormId::About), nullptr);
}

TEST_F(MainWindow, TheScreenSaverOptionFollowsTheLogic)
{
    action("optionScreenSave")->trigger();
    EXPECT_FALSE(action("optionScreenSave")->isChecked());
    EXPECT_FALSE(logic->Disabless);
    EXPECT_EQ(IniRead("options", "disable ScreenSaver", ini, ""), "False");
    action("optionScreenSave")->trigger();
    EXPECT_TRUE(action("optionScreenSave")->isChecked());
    EXPECT_EQ(IniRead("options", "disable ScreenSaver", ini, ""), "True");
}

TEST_F(MainWindow, WindowOperationsReachTheWindow)
{
    ops.setCaption("Tallybell 04:59");
    EXPECT_EQ(window->windowTitle(), qs("Tallybell 04:59"));
    ops.setState(WindowState::Maximized);
    QTRY_COMPARE(ops.state(), WindowState::Maximized);
    ops.setState(WindowState::Normal);
    QTRY_COMPARE(ops.state(), WindowState::Normal);
    // Back to normal size: the caption is the product name again.
    QTRY_COMPARE(window->windowTitle(), qs("Tallybell"));

    window->showMinimized();
    QTRY_COMPARE(ops.state(), WindowState::Minimized);
    window->restoreAndRaise();
    QTRY_COMPARE(ops.state(), WindowState::Normal);
    EXPECT_TRUE(window->isVisible());

    QtWindowOps detached;
    EXPECT_EQ(detached.state(), WindowState::Normal);
    detached.setCaption("nothing happens");
    detached.bringToFront();
}

TEST_F(MainWindow, ClosingDuringASessionLetsTheScreenSaverRunAgain)
{
    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    ASSERT_TRUE(runningLayout());
    window->close();
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));
    EXPECT_FALSE(find<QTimer>("timemaintime")->isActive());
}

} // namespace
} // namespace tb::test
