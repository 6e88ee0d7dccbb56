// The windows on the offscreen platform, over the real logic: the main window through a
// session, its task text fitting the window, readability, keys and help; the dialogs it
// opens; the splash before it.

#include "WindowsFixture.h"
#include "about/frmSplash.h"
#include "support/Soon.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>

#include <chrono>
#include <tuple>

namespace tb::test {
namespace {

class Windows : public WindowsFixture
{
protected:
    // Finds a control of the open dialog, else of the main window.
    template<typename T = QWidget> T *find(const char *name) const
    {
        return (dialog ? dialog.data() : window.get())->findChild<T *>(qs(name));
    }
    void press(const char *name, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(find(name), button);
    }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    bool shown(const char *name) const { return find(name)->isVisibleTo(window.get()); }
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
        ASSERT_SOON_EQ(window->size(), QSize(width, height));
        QCoreApplication::processEvents();
    }

    void open(const char *entry, FormId id)
    {
        dialog = WindowsFixture::open(entry, id);
        ASSERT_TRUE(dialog);
    }

    QPointer<QWidget> dialog; // null once the dialog has closed
};

TEST_F(Windows, ASessionFlipsTheLayoutAndTheMenusReachTheLogic)
{
    const QList<QAction *> lengths = find<QMenu>("TotalTimeMenu")->actions();
    for (const int entry : {4, 4, 2}) { // the checked entry chosen again stays checked
        lengths[entry]->trigger();
        EXPECT_TRUE(lengths[entry]->isChecked()
                    && std::ranges::count_if(lengths, &QAction::isChecked) == 1);
        EXPECT_EQ(list().TempTotalTime(), entry);
    }

    for (const char *name :
         {"startfromspinUp", "startfromspinUp", "startfromspinDown", "cmdstartstop"})
        press(name);
    EXPECT_TRUE(running(true));
    EXPECT_EQ(text("txtmessage") + text("lblTimer"), qs("Studies10:00")); // 30 min, 3 tasks
    EXPECT_EQ(text("lbltasklist") + u' ' + text("lbltaskof"), qs("tasks Task 2 of 3"));
    clock.advance(65); // the timer drives the countdown from the clock
    ASSERT_SOON_EQ(text("lblTimer"), qs("08:55"));
    EXPECT_EQ(find<QProgressBar>("practiceprogress")->value(), 89);
    // Alt+N skips (the next tick ends the task) rather than pausing as other keys do.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    ASSERT_SOON_EQ(text("txtmessage"), qs("Pieces"));
    EXPECT_FALSE(logic->Taskspaused);
    press("cmdstartstop");
    EXPECT_TRUE(running(false));
    // Stopped, what Start begins with, greyed: nothing moves on for it.
    EXPECT_EQ(text("lblStartFrom") + text("txtmessage") + text("lblTimer"), qs("3Pieces10:00"));
    EXPECT_FALSE(find("txtmessage")->isEnabled());

    press("cmdstartstop");
    window->close(); // closed during a session, it lets the screen saver run again
    EXPECT_EQ(screenSaver.calls,
              (std::vector<std::string> {"blank", "restore", "blank", "restore"}));
}

TEST_F(Windows, TimerTextAndBarStayReadableInALightAndADarkPalette)
{
    const QPalette before = QApplication::palette();
    const QPalette dark(QColor(64, 64, 64), QColor(53, 53, 53)); // button, window
    press("cmdstartstop");
    find<QProgressBar>("practiceprogress")->setValue(50);
    for (const bool isDark : {false, true}) {
        SCOPED_TRACE(isDark);
        QApplication::setPalette(isDark ? dark : QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
        const QColor back = window->palette().color(QPalette::Window);
        EXPECT_GE(contrast(find("lblTimer")->palette().color(QPalette::WindowText), back), 4.5);
        const auto *task = find("txtmessage");
        const QColor box = task->palette().color(task->backgroundRole());
        EXPECT_GE(contrast(task->palette().color(task->foregroundRole()), box), 4.5);
        // The bar's colours live in its style sheet: read them from its drawing.
        const QImage bar = find("practiceprogress")->grab().toImage();
        const QColor chunk = bar.pixelColor(bar.width() / 4, bar.height() / 2);
        const QColor groove = bar.pixelColor(bar.width() * 3 / 4, bar.height() / 2);
        EXPECT_GE(contrast(chunk, groove), 4.5);
        // The window, the task box and the bar's groove all follow the theme.
        for (const QColor &background : {back, box, groove})
            EXPECT_EQ(background.lightness() < 128, isDark) << background.name().toStdString();
        keepShot(window.get(), qs(isDark ? "main-dark.png" : "main-light.png"));
    }
    QApplication::setPalette(before);
}

TEST_F(Windows, TaskTextsWrapAndShrinkToEightPointsAndNeverMoveAControlOff)
{
    auto *timer = find<QLabel>("lblTimer");
    auto *label = find<QLabel>("txtmessage");
    const auto points = [label] { return label->font().pointSizeF(); };
    const auto fits = [timer, label] {
        return label->heightForWidth(label->width()) <= label->height()
            && timer->fontMetrics().horizontalAdvance(qs("000:00")) <= timer->width()
            && timer->fontMetrics().height() <= timer->height();
    };
    press("cmdstartstop");
    const std::string shortText = text("txtmessage").toStdString();
    // Longer than a description and a list item of 254 characters each.
    const std::string longText
        = QString(qs("Play the whole movement through slowly, ")).repeated(20).toStdString();
    const std::string word(254, 'x');
    const std::string lines = std::string("Long line. ").append(60, '\n').append("The end");
    double shortTextPoints = 0;
    for (const std::string &task :
         {shortText, longText, word, std::string(word).append(" ").append(word),
          std::string(600, 'y'), lines, std::string(word).append("\r\n").append(lines)}) {
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
        EXPECT_TRUE(task.find("\n\n") == std::string::npos ? points() >= 8.0 : points() == 8.0)
            << points();
        if (task != shortText && task != longText)
            continue;
        EXPECT_TRUE(fits() && (points() == 16.0) == (task == shortText)) << points();
        resizeTo(1920, 1080);
        EXPECT_GE(timer->fontMetrics().height(), 1080 / 4) << "a quarter of the height or more";
        EXPECT_TRUE(fits() && points() > 16.0 && label->wordWrap());
        if (task == shortText) {
            shortTextPoints = points();
            EXPECT_GE(shortTextPoints, 32.0);
            keepShot(window.get(), qs("main-full-screen.png"));
        }
        EXPECT_TRUE(task == shortText || points() < shortTextPoints) << "smaller, to fit";
    }
}

// A tick draws only the digits that changed, and the window then shows what a whole repaint
// draws, even grown to full screen, where the timer is large.
TEST_F(Windows, ATickRepaintsOnlyTheDigitsThatChangedAndLeavesTheWholeTimerRight)
{
    struct Paints : QObject {
        QRegion region;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent *>(event)->region();
            return false;
        }
    } paints;
    auto *timer = find<QLabel>("lblTimer");
    timer->installEventFilter(&paints);
    find<QTimer>("timemaintime")->setInterval(10); // the fake clock says what a tick shows
    press("cmdstartstop");
    resizeTo(1920, 1080);
    // From the start of a task of 10:00: every digit, then one, then two.
    for (const auto &[seconds, shown, digits] :
         {std::tuple {1, "09:59", 4}, {1, "09:58", 1}, {2, "09:56", 1}, {16, "09:40", 2}}) {
        SCOPED_TRACE(shown);
        QCoreApplication::processEvents();
        paints.region = QRegion();
        clock.advance(seconds);
        const QString expected = qs(shown);
        ASSERT_SOON(text("lblTimer") == expected && !paints.region.isEmpty());
        const QRect drawn = paints.region.boundingRect();
        const int digitWidth = timer->fontMetrics().horizontalAdvance(u'0');
        // The digits changed, a neighbour on each side and the glyphs' overhang.
        EXPECT_LE(drawn.width(), (digits + 2) * digitWidth + digitWidth / 2) << drawn.width();
        EXPECT_EQ(drawn.height(), timer->height());
        // The window system's copy of the timer against a fresh drawing of it.
        const QRect onWindow(timer->mapTo(window.get(), QPoint(0, 0)), timer->size());
        const auto rgb = [](const QPixmap &shot) {
            return shot.toImage().convertToFormat(QImage::Format_RGB32);
        };
        EXPECT_TRUE(rgb(window->screen()->grabWindow(window->winId()).copy(onWindow))
                    == rgb(window->grab(onWindow)))
            << "the repainted part fits the rest";
    }
}

// However the text comes, the window fits it: at Start and at the next task as well.
TEST_F(Windows, ALongTaskTextFitsWhenStartOrTheNextTaskBringsIt)
{
    // Each as long as a description can be, the second the longer.
    IniWrite("Task1", "description1",
             qs("Play the whole movement slowly, ").repeated(7).toStdString(), ini);
    IniWrite("Task2", "description1",
             qs("Then the next one, a little faster;%CR%").repeated(6).toStdString(), ini);
    auto *label = find<QLabel>("txtmessage");
    double points = 16.0; // the designed size
    for (const char *button : {"cmdstartstop", "Imagemoveon"}) { // smaller each time, to fit
        press(button);
        ASSERT_SOON(label->font().pointSizeF() < points);
        points = label->font().pointSizeF();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << points;
    }
}

TEST_F(Windows, OperationsReachTheWindowAndWithThePanelOptionClosingHidesItAndTheSessionGoesOn)
{
    ops.setCaption("Tallybell 04:59");
    EXPECT_EQ(window->windowTitle(), qs("Tallybell 04:59"));
    for (const WindowState state : {WindowState::Maximized, WindowState::Normal}) {
        ops.setState(state);
        ASSERT_SOON_EQ(ops.state(), state);
    }
    ASSERT_SOON_EQ(window->windowTitle(), qs("Tallybell")); // back to normal size
    window->showMinimized();
    ASSERT_SOON_EQ(ops.state(), WindowState::Minimized);
    window->restoreAndRaise();
    ASSERT_SOON_EQ(ops.state(), WindowState::Normal);

    QAction *keep = find<QAction>("optionKeepInPanel");
    logic->setPanelAvailable(false);
    program->showChangesNow();
    EXPECT_FALSE(keep->isEnabled());
    EXPECT_TRUE(keep->toolTip().contains(u"no panel"));
    logic->setPanelAvailable(true);
    program->showChangesNow();
    keep->trigger();
    find<QAction>("optionMediaKeys")->trigger();
    EXPECT_EQ(read("options", "Keep in panel") + read("options", "Media keys"), "TrueTrue");

    window->setHideOnClose([this] { return list().keepInPanel(); });
    press("cmdstartstop");
    window->close();
    ASSERT_SOON(!window->isVisible());
    EXPECT_TRUE(running(true)) << "the session goes on in the panel";
}

TEST_F(Windows, KeysPauseWithoutPressingTheFocusedButtonAndMnemonicsAndHelpReachTheirControls)
{
    for (const char *name : {"cmdpause", "txtmessage", "cmdexit", "lblTimer"}) // no timer topic
        press(name, Qt::RightButton);
    EXPECT_TRUE(running(false)); // a right click is not a click
    find("cmdexit")->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1); // no topic of its own
    find("cmdstartstop")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help.calls,
              (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXTPOPUP, 18},
                                            {Help::HELP_CONTEXTPOPUP, 19},
                                            {Help::HELP_CONTEXTPOPUP, 8},
                                            {Help::HELP_CONTEXT, 15}}));

    // Stopped, the space bar presses the focused button; running, it pauses instead.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(running(true));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(running(true) && logic->Taskspaused && shown("linepaused"));
    // The message over the task, which stays in view; the button says what it does now.
    EXPECT_EQ(text("txtmessage"),
              qs("Paused...Click on the Pause Button to resume\nOr press any "
                 "key.\n\nScales & arpeggios\nSlowly, then faster"));
    EXPECT_EQ(find<QPushButton>("cmdpause")->text(), qs("&Resume"));
    // Modifier keys alone and auto-repeats are not key presses of their own.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, qs("a"), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_TRUE(logic->Taskspaused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A); // any other key resumes
    EXPECT_FALSE(logic->Taskspaused || shown("linepaused"));
    // The task's CR LF breaks the line; its ampersand is no mnemonic.
    EXPECT_EQ(text("txtmessage"), qs("Scales & arpeggios\nSlowly, then faster"));
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore", "blank"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    ASSERT_SOON(running(false));
}

TEST_F(Windows, AnOptionTickIsStoredAtOnceEvenWhenTheTitleBarClosesTheWindow)
{
    open("optionsalm", FormId::Options);
    QWidget *box = find("chkstopbtasks"); // its tick, at its left
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    dialog->close();
    ASSERT_SOON(dialog.isNull());
    EXPECT_EQ(IniRead("options", "Stop Between tasks", ini, ""), "True");
}

TEST_F(Windows, TheTaskEditorPutsMarkersAtTheCaretAndAsksBeforeDroppingChanges)
{
    for (const bool save : {false, true}) {
        open("fileedit", FormId::TaskEditor);
        auto *box = find<QPlainTextEdit>("txtdescription");
        // A marker goes in at the caret or over the selection, counted in characters of a
        // text held as UTF-8 bytes, and the caret follows it; Enter starts a new line, kept
        // as its placeholder.
        box->selectAll();
        QTest::keyClicks(box, qs("Étude"));
        QTextCursor caret = box->textCursor();
        caret.setPosition(2);
        box->setTextCursor(caret);
        find<QAction>("insertnote")->trigger();
        caret.setPosition(0);
        caret.setPosition(2, QTextCursor::KeepAnchor);
        box->setTextCursor(caret);
        find<QAction>("insertlist3")->trigger();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(box->toPlainText(), qs("%list3%%CR%%note%ude"));
        EXPECT_EQ(box->textCursor().position(), 11);
        if (save) {
            press("cmdOK");
        } else { // the title bar asks, and so does Escape
            messages.answers = {MsgResult::No, MsgResult::Yes};
            dialog->close();
            EXPECT_TRUE(dialog && dialog->isVisible());
            QTest::keyClick(box, Qt::Key_Escape);
        }
        ASSERT_SOON(dialog.isNull());
        EXPECT_EQ(IniRead("Task1", "description1", ini, ""),
                  save ? "%list3%%CR%%note%ude" : "Scales & arpeggios%CR%Slowly, then faster");
    }
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(Windows, TheListEditorTakesItsKeysKeepsItsViewAndAsksBeforeClosing)
{
    std::string lines = "\xC9tude\r\n"; // an older file: Windows-1252
    for (int i = 0; i < 200; ++i)
        lines += "Piece " + std::to_string(i) + "\r\n";
    writeFile(folder.file("List1.txt"), lines);
    open("editfilesong", FormId::ListEditor);
    auto *list = find<QListWidget>("Listsongtitles");
    auto *entry = find<QLineEdit>("txtsongentry");
    EXPECT_EQ(list->item(0)->text(), qs("Étude"));
    // Enter adds what is typed, and the view stays where it was.
    list->scrollToItem(list->item(100), QAbstractItemView::PositionAtTop);
    entry->setFocus();
    QTest::keyClicks(entry, qs("Sonata"));
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(list->count(), 202);
    EXPECT_EQ(list->item(201)->text(), qs("Sonata"));
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 100);
    // A click copies an item; Delete asks about it even from the text box.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(101)).center());
    EXPECT_EQ(entry->text(), qs("Piece 100"));
    messages.answers = {MsgResult::No, MsgResult::Cancel, MsgResult::No};
    entry->setFocus();
    // A real message takes the focus, and the window may not have it back before the key
    // travels on to the parents: still one question.
    messages.whileOpen = [entry] { entry->clearFocus(); };
    QTest::keyClick(entry, Qt::Key_Delete);
    messages.whileOpen = nullptr;
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(list->count(), 202);
    // The close box asks about the unsaved item; Escape is the close box.
    dialog->close();
    EXPECT_TRUE(dialog && dialog->isVisible());
    QTest::keyClick(entry, Qt::Key_Escape);
    ASSERT_SOON(dialog.isNull());
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(readFile(folder.file("List1.txt")), lines);
}

// The splash reads its picture itself, ahead of Qt's image plugins: the same pixels as Qt's.
TEST(Splash, ShowsItsPictureAsQtReadsIt)
{
    const frmSplash splash(std::chrono::hours(1));
    const QImage read = QImage(qs(":/icons/splash.png"));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(splash.findChild<QLabel *>(qs("imgLogo"))
                  ->pixmap()
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied),
              read.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(Splash, EndsAtItsTimeAKeyAClickOrAQuestionAndThenShowsTheNextWindow)
{
    // The next window notes whether the splash was still showing when it appeared.
    struct Next : QWidget {
        void showEvent(QShowEvent *) override { splashUp.push_back(splash->isVisible()); }
        QWidget *splash = nullptr;
        std::vector<bool> splashUp;
    };
    for (const int end : {0, 1, 2, 3}) { // time, key, click, a question while it is shown first
        SCOPED_TRACE(end);
        Next next;
        frmSplash splash(end == 0 ? std::chrono::milliseconds(150) : std::chrono::hours(1));
        next.splash = &splash;
        QSignalSpy finished(&splash, &frmSplash::finished);
        if (end == 3) { // it gives way to the question, and then hands over at once
            splash.showFirst();
            QMessageBox question(QMessageBox::Question, qs("Tallybell"), qs("Start anyway?"));
            question.setModal(true);
            question.show();
            ASSERT_SOON(!splash.isVisible());
        }
        splash.handOverTo(&next);
        if (end < 3) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
            EXPECT_FALSE(next.isVisible());
        }
        if (end == 1)
            QTest::keyClick(&splash, Qt::Key_X);
        if (end == 2)
            QTest::mouseClick(&splash, Qt::LeftButton);
        ASSERT_SOON(next.isVisible());
        QTest::keyClick(&splash, Qt::Key_Space); // nothing is left to end
        EXPECT_EQ(next.splashUp, std::vector<bool> {false});
        EXPECT_EQ(finished.count(), 1);
    }
}

} // namespace
} // namespace tb::test
