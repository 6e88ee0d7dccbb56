// The task list editor on the offscreen platform: its controls and menus, typing, markers
// at the caret, and closing.

#include "WindowsFixture.h"
#include "taskeditor/TaskEditorForm.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

class EditorWindow : public WindowsFixture
{
protected:
    QWidget *openFromMenu()
    {
        window->findChild<QAction *>(qs("fileedit"))->trigger();
        QWidget *editor = windows->window(FormId::TaskEditor);
        EXPECT_NE(editor, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor));
        return editor;
    }
    template<typename T> T *find(QWidget *editor, const char *name) const
    {
        T *found = editor->findChild<T *>(qs(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string entries(QWidget *editor, const char *menu) const
    {
        QStringList list;
        for (const QAction *entry : find<QMenu>(editor, menu)->actions()) {
            const QObject *named = entry->menu() ? static_cast<QObject *>(entry->menu()) : entry;
            list << named->objectName() + QChar(u'=') + entry->text();
        }
        return list.join(QChar(u' ')).toStdString();
    }
    std::string cell(int task, int alternate) const
    {
        return program->loadedTaskEditor()->table().cell(task, alternate);
    }
};

TEST_F(EditorWindow, ShowsEveryControlAndSavesWhatIsTyped)
{
    QWidget *editor = openFromMenu();
    EXPECT_EQ(editor->windowTitle(), qs("Tallybell"));
    EXPECT_FALSE(editor->isModal());
    EXPECT_EQ(editor->parentWidget(), window.get());

    struct Expected {
        const char *name;
        const char *text;
    };
    for (const Expected &e : {Expected {"cmdOK", "&Ok"}, Expected {"cmdcancel", "&Cancel"},
                              Expected {"cmdHelp", "&Help"}})
        EXPECT_EQ(find<QPushButton>(editor, e.name)->text(), qs(e.text)) << e.name;
    for (const Expected &e :
         {Expected {"Frame1", "Total Task Time"}, Expected {"Frame2", "Task Number"},
          Expected {"Frame3", "Alternate Task Number"}, Expected {"Frame4", "Task Description"}})
        EXPECT_EQ(find<QGroupBox>(editor, e.name)->title(), qs(e.text)) << e.name;
    for (const Expected &e :
         {Expected {"TaskspinUp", "Next task"}, Expected {"TaskspinDown", "Previous task"},
          Expected {"alttaskspinUp", "Next alternate"},
          Expected {"alttaskspinDown", "Previous alternate"}})
        EXPECT_EQ(find<QToolButton>(editor, e.name)->toolTip(), qs(e.text)) << e.name;
    EXPECT_EQ(find<QMenu>(editor, "File")->title(), qs("&File"));
    EXPECT_EQ(find<QMenu>(editor, "insert")->title(), qs("&Insert"));
    EXPECT_EQ(find<QMenu>(editor, "Task")->title(), qs("&Task"));
    EXPECT_EQ(entries(editor, "File"),
              "filenew=Create a &new Task List fileopen=&Open an existing task list");
    EXPECT_EQ(entries(editor, "insert"),
              "insertnote=Insert a random &note insertCR=Insert a &carriage return "
              "insertlist=Insert a &list item");
    EXPECT_EQ(entries(editor, "Task"),
              "TaskInsertTask=Insert a &Task TaskInsertAlt=Insert a &Alternate Task "
              "TaskDelete=&Delete This Task");
    EXPECT_EQ(find<QMenu>(editor, "insertlist")->actions().size(), 9);

    auto *times = find<QComboBox>(editor, "cbtotaltime");
    EXPECT_EQ(times->count(), 10);
    EXPECT_EQ(times->currentText(), qs("30 Minutes"));
    EXPECT_EQ(find<QLabel>(editor, "lblTaskNum")->text(), qs("1"));
    EXPECT_EQ(find<QLabel>(editor, "lblAltTaskNum")->text(), qs("1"));
    auto *box = find<QLineEdit>(editor, "txtdescription");
    EXPECT_EQ(box->text(), qs("Scales & arpeggios%CR%Slowly, then faster"));

    // Typed text reaches the table; a marker goes in at the caret, counted in characters
    // of a text held as UTF-8 bytes, and the caret follows it.
    box->selectAll();
    QTest::keyClicks(box, qs("Étude"));
    EXPECT_EQ(cell(1, 1), "Étude");
    box->setCursorPosition(2);
    find<QAction>(editor, "insertnote")->trigger();
    EXPECT_EQ(box->text(), qs("Ét%note%ude"));
    EXPECT_EQ(box->cursorPosition(), 8);
    box->setSelection(0, 2);
    find<QAction>(editor, "insertlist3")->trigger();
    EXPECT_EQ(box->text(), qs("%list3%%note%ude"));
    EXPECT_EQ(box->cursorPosition(), 7);
    EXPECT_EQ(cell(1, 1), "%list3%%note%ude");

    QTest::mouseClick(find<QToolButton>(editor, "TaskspinUp"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>(editor, "lblTaskNum")->text(), qs("2"));
    EXPECT_EQ(box->text(), qs("Studies"));
    QTest::mouseClick(find<QPushButton>(editor, "cmdHelp"), Qt::LeftButton);
    QTest::mouseClick(find<QGroupBox>(editor, "Frame3"), Qt::RightButton);
    EXPECT_EQ(
        help.calls,
        (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXT, 10}, {Help::HELP_CONTEXTPOPUP, 24}}));

    QPointer<QWidget> guard(editor);
    QTest::mouseClick(find<QPushButton>(editor, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
    EXPECT_EQ(IniRead("Task1", "description1", ini, ""), "%list3%%note%ude");
}

TEST_F(EditorWindow, TheTitleBarAndEscapeAskBeforeDroppingChanges)
{
    QWidget *editor = openFromMenu();
    auto *box = find<QLineEdit>(editor, "txtdescription");
    QTest::keyClicks(box, qs("!"));
    messages.answers = {MsgResult::No, MsgResult::Yes};
    editor->close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Any Changes you may have made will be lost, are you sure you want to do this?");
    EXPECT_TRUE(editor->isVisible());

    QPointer<QWidget> guard(editor);
    QTest::keyClick(box, Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(program->loadedTaskEditor(), nullptr);
    EXPECT_EQ(IniRead("Task1", "description1", ini, ""),
              "Scales & arpeggios%CR%Slowly, then faster");
}

} // namespace
} // namespace tb::test
