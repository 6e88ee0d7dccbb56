// The list file editor on the offscreen platform: its controls, and a list edited with the
// mouse and the keys.

#include "WindowsFixture.h"
#include "lists/ListEditorForm.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

class ListEditorWindow : public WindowsFixture
{
protected:
    template<typename T> T *find(const char *name) const
    {
        T *found = dialog->findChild<T *>(qs(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void clickItem(int row, bool twice = false)
    {
        auto *list = find<QListWidget>("Listsongtitles");
        const QPoint at = list->visualItemRect(list->item(row)).center();
        // A double click is a click, then the second press as a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList shownItems() const
    {
        QStringList texts;
        auto *list = find<QListWidget>("Listsongtitles");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    QWidget *dialog = nullptr;
};

TEST_F(ListEditorWindow, EditsAListWithMouseAndKeys)
{
    const std::string list1 = folder.file("List1.txt");
    writeFile(list1, "Scales\r\n\xC9tude\r\n"); // an older file: Windows-1252
    window->findChild<QAction *>(qs("editfilesong"))->trigger();
    dialog = windows->window(FormId::ListEditor);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->windowTitle(), qs("Tallybell Edit List Files"));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());

    for (const char *name : {"cmdAdd", "cmdDelete"})
        EXPECT_FALSE(find<QToolButton>(name)->icon().isNull()) << name;
    EXPECT_FALSE(find<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(find<QLabel>("lblCurrentListNo")->text(), qs("1"));
    EXPECT_EQ(find<QLabel>("labdayschange")->text(),
              qs("Change list item after 1 practice session"));
    EXPECT_EQ(shownItems(), QStringList({qs("Scales"), qs("Étude")}));

    // Adding nothing is refused and puts the cursor where the item is typed.
    auto *entry = find<QLineEdit>("txtsongentry");
    find<QListWidget>("Listsongtitles")->setFocus();
    QTest::mouseClick(find<QToolButton>("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(entry->hasFocus());

    // Enter adds what is typed, and closes nothing.
    entry->setFocus();
    QTest::keyClicks(entry, qs("Tonleiter in Dur"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(shownItems().last(), qs("Tonleiter in Dur"));
    EXPECT_TRUE(entry->text().isEmpty());
    EXPECT_TRUE(dialog->isVisible());

    // A click copies the item; Delete asks about it even from the text box.
    clickItem(1);
    EXPECT_EQ(entry->text(), qs("Étude"));
    messages.answers = {MsgResult::No};
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Delete);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown.back().text, "Are you sure you wish to delete this list item?");
    EXPECT_EQ(shownItems().size(), 3);

    // A double-click makes the item current.
    messages.answers = {MsgResult::Yes};
    clickItem(0, true);
    EXPECT_EQ(find<QLineEdit>("TextCurrentSong")->text(), qs("Scales"));
    EXPECT_EQ(IniRead("List Group Number 1", "Current Item", ini, ""), "Scales");

    // The next list: the one left is saved, its untouched item in its own bytes.
    QTest::mouseClick(find<QToolButton>("SpinListNumberUp"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>("lblCurrentListNo")->text(), qs("2"));
    EXPECT_EQ(readFile(list1), "Scales\r\n\xC9tude\r\nTonleiter in Dur\r\n");

    // A long list: typing a word costs less than showing the list once.
    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "Piece number " + std::to_string(i) + "\r\n";
    writeFile(folder.file("List3.txt"), lines);
    QElapsedTimer showing;
    showing.start();
    QTest::mouseClick(find<QToolButton>("SpinListNumberUp"), Qt::LeftButton);
    const qint64 shown = showing.elapsed();
    ASSERT_EQ(shownItems().size(), 20000);
    entry->setFocus();
    QElapsedTimer typing;
    typing.start();
    QTest::keyClicks(entry, qs("Sonata in A"));
    EXPECT_LT(typing.elapsed(), shown);
    auto *list = find<QListWidget>("Listsongtitles");
    list->scrollToItem(list->item(5000), QAbstractItemView::PositionAtTop);
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(shownItems().last(), qs("Sonata in A"));
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 5000); // the view stays where it was

    // The close box asks about the unsaved item; Escape is the close box.
    messages.answers = {MsgResult::Cancel};
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messages.shown.back().buttons, MsgButtons::YesNoCancel);
    messages.answers = {MsgResult::No};
    QPointer<QWidget> guard(dialog);
    QTest::keyClick(entry, Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(readFile(folder.file("List3.txt")), lines);
}

} // namespace
} // namespace tb::test
