// The main window on the offscreen platform: its controls, menus and the events it
// forwards to its logic.

#include "WindowsFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace tb::test {
namespace {

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
    // Keeps a picture of the window for a person to look at.
    void keepShot(const char *name) const
    {
        const QString shots = qEnvironmentVariable("TALLYBELL_SHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            window->grab().save(shots + u'/' + qs(name));
    }

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
    EXPECT_EQ(label("lblTimer")->text(), qs("10:00")); // one task's length, before Start
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
    EXPECT_EQ(find<QProgressBar>("practiceprogress")->value(), 100);
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
    EXPECT_EQ(label("lblTimer")->text(), qs("10:00"));
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));
}

double luminance(const QColor &colour)
{
    const auto linear
        = [](float c) { return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return dark;
}

TEST_F(MainWindow, TimerTextAndBarStayReadableInALightAndADarkPalette)
{
    const QPalette before = QApplication::palette();
    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    ASSERT_TRUE(runningLayout());
    auto *timer = label("lblTimer");
    auto *text = label("txtmessage");
    auto *bar = find<QProgressBar>("practiceprogress");
    bar->setValue(50);

    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
        const QColor back = window->palette().color(QPalette::Window);
        ASSERT_EQ(back.lightness() < 128, dark);
        EXPECT_GE(contrast(timer->palette().color(timer->foregroundRole()), back), 4.5) << dark;

        const QColor box = text->palette().color(text->backgroundRole());
        EXPECT_GE(contrast(text->palette().color(text->foregroundRole()), box), 4.5) << dark;
        EXPECT_EQ(box.lightness() < 128, dark) << "the task box follows the theme";

        // The bar's colours live in its style sheet: read them from its drawing.
        const QImage drawn = bar->grab().toImage();
        const int y = drawn.height() / 2;
        const QColor chunk = drawn.pixelColor(drawn.width() / 4, y);
        const QColor groove = drawn.pixelColor(drawn.width() * 3 / 4, y);
        EXPECT_GE(contrast(chunk, groove), 4.5) << dark;
        EXPECT_EQ(groove.lightness() < 128, dark);
        keepShot(dark ? "main-dark.png" : "main-light.png");
    }
    QApplication::setPalette(before);
}

TEST_F(MainWindow, TimerAndTaskTextGrowWithTheWindowAndFitIt)
{
    auto *timer = label("lblTimer");
    auto *text = label("txtmessage");
    const auto resizeTo = [this](int width, int height) {
        window->resize(width, height);
        QTRY_COMPARE(window->size(), QSize(width, height));
        QCoreApplication::processEvents();
    };
    const auto textFits = [text] { return text->heightForWidth(text->width()) <= text->height(); };
    const auto timerFits = [timer] {
        return timer->minimumSize() == timer->maximumSize()
            && timer->fontMetrics().horizontalAdvance(qs("000:00")) <= timer->width()
            && timer->fontMetrics().height() <= timer->height();
    };

    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    // Longer than a description and a list item of 254 characters each.
    const QString longText = QString(qs("Play the whole movement through slowly, ")).repeated(20);
    double shortTextPoints = 0;
    for (const QString &task : {text->text(), longText}) {
        logic->controls()["txtmessage"].caption = task.toStdString();
        window->applyControls();

        resizeTo(600, 500); // the designed look; a text too long for it shrinks to fit
        EXPECT_EQ(timer->font().pointSizeF(), 48.0);
        if (task == longText)
            EXPECT_LT(text->font().pointSizeF(), 16.0);
        else
            EXPECT_EQ(text->font().pointSizeF(), 16.0);
        EXPECT_TRUE(textFits()) << text->font().pointSizeF();
        EXPECT_TRUE(timerFits());

        resizeTo(1920, 1080);
        EXPECT_GE(timer->fontMetrics().height(), 1080 / 4) << "a quarter of the height or more";
        EXPECT_TRUE(timerFits());
        EXPECT_TRUE(text->wordWrap());
        EXPECT_TRUE(textFits()) << task.size();
        EXPECT_GT(text->font().pointSizeF(), 16.0) << task.size();
        if (task == longText) {
            EXPECT_LT(text->font().pointSizeF(), shortTextPoints) << "smaller, to fit";
        } else {
            shortTextPoints = text->font().pointSizeF();
            EXPECT_GE(shortTextPoints, 32.0);
            keepShot("main-full-screen.png");
        }

        // A tick changes no size.
        const QSize timerSize = timer->size();
        clock.advance(1);
        logic->timemaintime_Timer();
        window->applyControls();
        EXPECT_EQ(timer->size(), timerSize);
    }
}

TEST_F(MainWindow, NoTaskTextPushesAControlOffTheWindow)
{
    QTest::mouseClick(button("cmdstartstop"), Qt::LeftButton);
    window->resize(600, 500);
    QTRY_COMPARE(window->size(), QSize(600, 500));
    const std::string word(254, 'x');
    const std::string lines = std::string("Long line. ").append(60, '\n').append("The end");
    for (const std::string &task :
         {word, word + " " + word, std::string(600, 'y'), lines, word + "\r\n" + lines}) {
        SCOPED_TRACE(task.size());
        logic->controls()["txtmessage"].caption = task;
        window->applyControls();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), QSize(600, 500)) << "the window keeps its size";
        for (const char *name : {"lblTimer", "Imagemoveon", "cmdstartstop", "cmdpause"}) {
            const auto *control = find<QWidget>(name);
            const QRect onWindow(control->mapTo(window.get(), QPoint(0, 0)), control->size());
            EXPECT_TRUE(window->rect().contains(onWindow)) << name;
        }
    }
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
