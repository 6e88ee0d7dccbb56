// The main window on the offscreen platform: its layout over a session, the task text
// fitting the window, readability, keys and help.

#include "WindowsFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <cmath>

namespace tb::test {
namespace {

class MainWindow : public WindowsFixture
{
protected:
    template<typename T = QWidget> T *find(const char *name) const
    {
        return window->findChild<T *>(qs(name));
    }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    bool shown(const char *name) const { return find(name)->isVisibleTo(window.get()); }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // Keeps a picture of the window for a person to look at.
    void keepShot(const char *name) const
    {
        const QString shots = qEnvironmentVariable("TALLYBELL_SHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            window->grab().save(shots + u'/' + qs(name));
    }
    bool running(bool yes) const
    {
        return find<QPushButton>("cmdstartstop")->text() == qs(yes ? "&Stop" : "&Start")
            && find("cmdpause")->isEnabled() == yes && shown("framestartfrom") != yes
            && shown("Imagemoveon") == yes
            && find<QMenu>("menfile")->menuAction()->isEnabled() != yes
            && find<QTimer>("timemaintime")->isActive() == yes;
    }
    void resizeTo(int width, int height)
    {
        window->resize(width, height);
        QTRY_COMPARE(window->size(), QSize(width, height));
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindow, ASessionFlipsTheLayoutAndTheMenusReachTheLogic)
{
    const QList<QAction *> lengths = find<QMenu>("TotalTimeMenu")->actions();
    for (const int entry : {4, 4, 2}) { // the checked entry chosen again stays checked
        lengths[entry]->trigger();
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(lengths[i]->isChecked(), i == entry) << i;
        EXPECT_EQ(logic->TempTotalTime, entry);
    }
    find<QAction>("optionScreenSave")->trigger();
    EXPECT_FALSE(find<QAction>("optionScreenSave")->isChecked() || logic->Disabless);
    find<QAction>("optionScreenSave")->trigger();

    for (const char *name :
         {"startfromspinUp", "startfromspinUp", "startfromspinDown", "cmdstartstop"})
        QTest::mouseClick(find(name), Qt::LeftButton);
    EXPECT_TRUE(running(true));
    EXPECT_EQ(text("txtmessage") + text("lblTimer"), qs("Studies10:00")); // 30 min, 3 tasks
    EXPECT_EQ(find<QProgressBar>("practiceprogress")->value(), 100);
    clock.advance(65); // the timer drives the countdown from the clock
    QTRY_COMPARE_WITH_TIMEOUT(text("lblTimer"), qs("08:55"), 3000);
    EXPECT_EQ(find<QProgressBar>("practiceprogress")->value(), 89);
    QTest::mouseClick(find("Imagemoveon"), Qt::LeftButton); // ends the task at the next tick
    QTRY_COMPARE_WITH_TIMEOUT(text("txtmessage"), qs("Pieces"), 3000);
    QTest::mouseClick(find("cmdstartstop"), Qt::LeftButton);
    EXPECT_TRUE(running(false));
    EXPECT_EQ(text("lblStartFrom") + text("txtmessage") + text("lblTimer"), qs("310:00"));

    QTest::mouseClick(find("cmdstartstop"), Qt::LeftButton);
    window->close(); // closed during a session, it lets the screen saver run again
    EXPECT_EQ(screenSaver.calls,
              (std::vector<std::string> {"blank", "restore", "blank", "restore"}));
    EXPECT_FALSE(find<QTimer>("timemaintime")->isActive());
}

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](float v) {
            return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF())
            + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

TEST_F(MainWindow, TimerTextAndBarStayReadableInALightAndADarkPalette)
{
    const QPalette before = QApplication::palette();
    QPalette dark;
    for (const auto &[role, colour] : {std::pair {QPalette::Window, 0x353535},
                                       {QPalette::WindowText, 0xeeeeee},
                                       {QPalette::Base, 0x2a2a2a},
                                       {QPalette::Text, 0xeeeeee},
                                       {QPalette::Button, 0x404040},
                                       {QPalette::ButtonText, 0xeeeeee}})
        dark.setColor(role, QColor::fromRgb(QRgb(colour)));
    QTest::mouseClick(find("cmdstartstop"), Qt::LeftButton);
    find<QProgressBar>("practiceprogress")->setValue(50);
    for (const bool isDark : {false, true}) {
        SCOPED_TRACE(isDark);
        QApplication::setPalette(isDark ? dark : QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
        const QColor back = window->palette().color(QPalette::Window);
        ASSERT_EQ(back.lightness() < 128, isDark);
        EXPECT_GE(contrast(find("lblTimer")->palette().color(QPalette::WindowText), back), 4.5);
        const auto *task = find("txtmessage");
        const QColor box = task->palette().color(task->backgroundRole());
        EXPECT_GE(contrast(task->palette().color(task->foregroundRole()), box), 4.5);
        EXPECT_EQ(box.lightness() < 128, isDark) << "the task box follows the theme";
        // The bar's colours live in its style sheet: read them from its drawing.
        const QImage bar = find("practiceprogress")->grab().toImage();
        const QColor chunk = bar.pixelColor(bar.width() / 4, bar.height() / 2);
        const QColor groove = bar.pixelColor(bar.width() * 3 / 4, bar.height() / 2);
        EXPECT_GE(contrast(chunk, groove), 4.5);
        EXPECT_EQ(groove.lightness() < 128, isDark);
        keepShot(isDark ? "main-dark.png" : "main-light.png");
    }
    QApplication::setPalette(before);
}

TEST_F(MainWindow, TaskTextsWrapAndShrinkToEightPointsAndNeverMoveAControlOff)
{
    auto *timer = find<QLabel>("lblTimer");
    auto *label = find<QLabel>("txtmessage");
    const auto points = [label] { return label->font().pointSizeF(); };
    const auto fits = [timer, label] {
        return label->heightForWidth(label->width()) <= label->height()
            && timer->minimumSize() == timer->maximumSize()
            && timer->fontMetrics().horizontalAdvance(qs("000:00")) <= timer->width()
            && timer->fontMetrics().height() <= timer->height();
    };
    QTest::mouseClick(find("cmdstartstop"), Qt::LeftButton);
    const std::string shortText = text("txtmessage").toStdString();
    // Longer than a description and a list item of 254 characters each.
    const std::string longText
        = QString(qs("Play the whole movement through slowly, ")).repeated(20).toStdString();
    const std::string word(254, 'x');
    const std::string lines = std::string("Long line. ").append(60, '\n').append("The end");
    double shortTextPoints = 0;
    for (const std::string &task : {shortText, longText, word, word + " " + word,
                                    std::string(600, 'y'), lines, word + "\r\n" + lines}) {
        SCOPED_TRACE(task.size());
        resizeTo(600, 500); // the designed look; a text too long for it shrinks to fit
        logic->controls()["txtmessage"].caption = task;
        window->applyControls();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), QSize(600, 500)) << "the window keeps its size";
        EXPECT_EQ(timer->font().pointSizeF(), 48.0);
        for (const char *name : {"lblTimer", "Imagemoveon", "cmdstartstop", "cmdpause"}) {
            const QRect onWindow(find(name)->mapTo(window.get(), QPoint(0, 0)), find(name)->size());
            EXPECT_TRUE(window->rect().contains(onWindow)) << name;
        }
        // A long word wraps within the box; too many lines to fit at any size take the
        // smallest size and are cut at the bottom.
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width());
        const bool manyLines = task.find("\n\n") != std::string::npos;
        EXPECT_TRUE(manyLines ? points() == 8.0 : points() >= 8.0) << points();
        if (task != shortText && task != longText)
            continue;
        EXPECT_TRUE(fits() && (points() == 16.0) == (task == shortText)) << points();
        resizeTo(1920, 1080);
        EXPECT_GE(timer->fontMetrics().height(), 1080 / 4) << "a quarter of the height or more";
        EXPECT_TRUE(fits() && points() > 16.0 && label->wordWrap());
        if (task == shortText) {
            shortTextPoints = points();
            EXPECT_GE(shortTextPoints, 32.0);
            keepShot("main-full-screen.png");
        }
        EXPECT_TRUE(task == shortText || points() < shortTextPoints) << "smaller, to fit";
        const QSize timerSize = timer->size(); // a tick changes no size
        clock.advance(1);
        logic->timemaintime_Timer();
        window->applyControls();
        EXPECT_EQ(timer->size(), timerSize);
    }
}

TEST_F(MainWindow, KeysPauseWithoutPressingTheFocusedButtonAndMnemonicsAndHelpReachTheirControls)
{
    for (const char *name : {"cmdpause", "txtmessage", "cmdexit", "lblTimer"}) // no timer topic
        QTest::mouseClick(find(name), Qt::RightButton);
    EXPECT_TRUE(running(false)); // a right click is not a click
    find("cmdexit")->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    key(Qt::Key_F1); // no topic of its own
    find("cmdstartstop")->setFocus();
    key(Qt::Key_F1);
    find<QAction>("helpcontents")->trigger();
    find<QAction>("helpabouthelp")->trigger();
    EXPECT_EQ(help.calls,
              (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXTPOPUP, 18},
                                            {Help::HELP_CONTEXTPOPUP, 19},
                                            {Help::HELP_CONTEXTPOPUP, 8},
                                            {Help::HELP_CONTEXT, 15},
                                            {Help::HELP_FINDER, 0},
                                            {Help::HELP_HELPONHELP, 0}}));

    // Stopped, the space bar presses the focused button; running, it pauses instead.
    key(Qt::Key_Space);
    ASSERT_TRUE(running(true));
    key(Qt::Key_Space);
    EXPECT_TRUE(running(true) && logic->Taskspaused && shown("linepaused"));
    EXPECT_EQ(text("txtmessage"), qs("Paused...Click on the Pause Button to resume"));
    EXPECT_TRUE(find<QMenu>("optionS")->menuAction()->isEnabled());
    // Modifier keys alone and auto-repeats are not key presses of their own.
    key(Qt::Key_Shift);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, qs("a"), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_TRUE(logic->Taskspaused);
    key(Qt::Key_A); // any other key resumes
    EXPECT_FALSE(logic->Taskspaused || shown("linepaused"));
    // The task's CR LF breaks the line; its ampersand is no mnemonic.
    EXPECT_EQ(text("txtmessage"), qs("Scales & arpeggios\nSlowly, then faster"));
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore", "blank"}));
    key(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(running(false));
}

TEST_F(MainWindow, WindowOperationsReachTheWindow)
{
    ops.setCaption("Tallybell 04:59");
    EXPECT_EQ(window->windowTitle(), qs("Tallybell 04:59"));
    for (const WindowState state : {WindowState::Maximized, WindowState::Normal}) {
        ops.setState(state);
        QTRY_COMPARE(ops.state(), state);
    }
    QTRY_COMPARE(window->windowTitle(), qs("Tallybell")); // back to normal size
    window->showMinimized();
    QTRY_COMPARE(ops.state(), WindowState::Minimized);
    window->restoreAndRaise();
    QTRY_COMPARE(ops.state(), WindowState::Normal);
}

} // namespace
} // namespace tb::test
