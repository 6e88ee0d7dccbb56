// The options dialog on the offscreen platform: its controls, and a switch stored at once.

#include "WindowsFixture.h"
#include "options/OptionsForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

class OptionsWindow : public WindowsFixture
{
protected:
    QWidget *openFromMenu()
    {
        window->findChild<QAction *>(qs("optionsalm"))->trigger();
        QWidget *dialog = windows->window(FormId::Options);
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }
    template<typename T> T *find(QWidget *dialog, const char *name) const
    {
        T *found = dialog->findChild<T *>(qs(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(OptionsWindow, ShowsEveryControlAndStoresASwitchAtOnce)
{
    QWidget *dialog = openFromMenu();
    EXPECT_EQ(dialog->windowTitle(), qs("Tallybell - General task options"));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get()); // kept above the main window

    struct Expected {
        const char *name;
        const char *text; // caption, or tool tip for a picture button
    };
    for (const Expected &e : {Expected {"cmdOK", "&OK"}, Expected {"cmdHelp", "&Help"},
                              Expected {"chkmaxmin", "Use Full Screen during countdown"},
                              Expected {"chkplaywavefile", "Play sound between tasks"},
                              Expected {"chkstopbtasks", "Stop between tasks"}})
        EXPECT_EQ(find<QAbstractButton>(dialog, e.name)->text(), qs(e.text)) << e.name;
    for (const Expected &e : {Expected {"cmdselectsndfile", "Select new sound file"},
                              Expected {"cmdPlaySoundFile", "Play sound file"},
                              Expected {"cmdselecttaskfile", "Select new task list"},
                              Expected {"cmdnewtaskfile", "Create new task list"}}) {
        auto *button = find<QToolButton>(dialog, e.name);
        EXPECT_EQ(button->toolTip(), qs(e.text)) << e.name;
        EXPECT_FALSE(button->icon().isNull()) << e.name;
    }
    EXPECT_EQ(find<QGroupBox>(dialog, "FrmSoundFile")->title(), qs("Current Sound File"));
    EXPECT_EQ(find<QGroupBox>(dialog, "FrmTaskList")->title(), qs("Current Task List"));
    EXPECT_EQ(find<QLineEdit>(dialog, "txttasklist")->text(), QString::fromStdString(ini));
    EXPECT_TRUE(find<QLineEdit>(dialog, "txttasklist")->isReadOnly());
    EXPECT_TRUE(find<QPushButton>(dialog, "cmdOK")->isDefault());

    // The tab order runs as the window is read: OK, Help, the switches, then each row.
    QStringList order;
    QWidget *focus = find<QWidget>(dialog, "cmdOK");
    for (int i = 0; i < 11; ++i, focus = focus->nextInFocusChain()) {
        while (!(focus->focusPolicy() & Qt::TabFocus))
            focus = focus->nextInFocusChain();
        order << focus->objectName();
    }
    EXPECT_EQ(order.join(QChar(u' ')),
              qs("cmdOK cmdHelp chkmaxmin chkplaywavefile chkstopbtasks txtsoundfile "
                 "cmdselectsndfile cmdPlaySoundFile txttasklist cmdselecttaskfile "
                 "cmdnewtaskfile"));

    // A tick is stored at once, even if the window is then closed by its title bar.
    QTest::mouseClick(find<QCheckBox>(dialog, "chkstopbtasks"), Qt::LeftButton);
    EXPECT_TRUE(logic->StopBTasks);
    EXPECT_EQ(IniRead("options", "Stop Between tasks", ini, ""), "True");
    QPointer<QWidget> guard(dialog);
    dialog->close();
    QTRY_VERIFY(guard.isNull());
    EXPECT_EQ(program->loadedOptions(), nullptr);

    // Opened afresh, it shows the stored switch; a right click asks for the control's help.
    dialog = openFromMenu();
    EXPECT_TRUE(find<QCheckBox>(dialog, "chkstopbtasks")->isChecked());
    QTest::mouseClick(find<QCheckBox>(dialog, "chkstopbtasks"), Qt::RightButton);
    EXPECT_TRUE(find<QCheckBox>(dialog, "chkstopbtasks")->isChecked());
    EXPECT_EQ(help.calls.back(), (FakeHelp::Call {Help::HELP_CONTEXTPOPUP, 33}));

    // Escape is OK.
    guard = dialog;
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
}

} // namespace
} // namespace tb::test
