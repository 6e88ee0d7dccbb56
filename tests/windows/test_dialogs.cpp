// The dialogs the main window opens, on the offscreen platform: what their controls and
// keys reach, and how they close.

#include "WindowsFixture.h"
#include "platform/Shell.h"
#include "tallybell/Version.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

namespace tb::test {
namespace {

class Dialog : public WindowsFixture
{
protected:
    // Opens the dialog `id` from the main window's menu entry `entry`.
    void open(const char *entry, FormId id)
    {
        window->findChild<QAction *>(qs(entry))->trigger();
        dialog = windows->window(id);
        ASSERT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog));
    }
    template<typename T = QWidget> T *find(const char *name) const
    {
        return dialog->findChild<T *>(qs(name));
    }
    void press(const char *name, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(find(name), button);
    }

    QPointer<QWidget> dialog; // null once the dialog has closed
};

TEST_F(Dialog, TheAboutBoxLinksOpenTheirAddressesByMouseAndKeyAndOKOrEscapeCloseIt)
{
    for (const bool escape : {false, true}) {
        open("helpabout", FormId::About);
        for (const char *link : {"lblgotowebsite", "lblemail", "lblVersion"}) // no link
            press(link);
        find("lblgotowebsite")->setFocus();
        QTest::keyClick(find("lblgotowebsite"), Qt::Key_Space);
        escape ? QTest::keyClick(dialog, Qt::Key_Escape) : press("cmdOK");
        QTRY_VERIFY(dialog.isNull());
    }
    const std::string web = version::kWebAddress;
    const std::string mail = mailMessageAddress(version::kMailAddress);
    EXPECT_EQ(shell.opened, (std::vector<std::string> {web, mail, web, web, mail, web}));
    EXPECT_EQ(mail.rfind("mailto:" + std::string(version::kMailAddress), 0), 0u);
}

TEST_F(Dialog, AnOptionTickIsStoredAtOnceEvenWhenTheTitleBarClosesTheWindow)
{
    open("optionsalm", FormId::Options);
    press("chkstopbtasks");
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
    EXPECT_EQ(IniRead("options", "Stop Between tasks", ini, ""), "True");
    // Opened afresh it shows the stored switch; a right click asks for help and ticks nothing.
    open("optionsalm", FormId::Options);
    press("chkstopbtasks", Qt::RightButton);
    EXPECT_TRUE(find<QCheckBox>("chkstopbtasks")->isChecked());
    QTest::keyClick(dialog, Qt::Key_H, Qt::AltModifier); // the mnemonic reaches the button
    QTRY_COMPARE(help.calls.size(), 2u);
    EXPECT_EQ(
        help.calls,
        (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXTPOPUP, 33}, {Help::HELP_CONTEXT, 6}}));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(dialog.isNull());
}

TEST_F(Dialog, TheTaskEditorPutsMarkersAtTheCaretAndAsksBeforeDroppingChanges)
{
    for (const bool save : {false, true}) {
        open("fileedit", FormId::TaskEditor);
        auto *box = find<QLineEdit>("txtdescription");
        // A marker goes in at the caret or over the selection, counted in characters of a
        // text held as UTF-8 bytes, and the caret follows it.
        box->selectAll();
        QTest::keyClicks(box, qs("Étude"));
        box->setCursorPosition(2);
        find<QAction>("insertnote")->trigger();
        EXPECT_EQ(box->cursorPosition(), 8);
        box->setSelection(0, 2);
        find<QAction>("insertlist3")->trigger();
        EXPECT_EQ(box->text(), qs("%list3%%note%ude"));
        EXPECT_EQ(box->cursorPosition(), 7);
        if (save) {
            press("Frame3", Qt::RightButton);
            EXPECT_EQ(help.calls, (std::vector<FakeHelp::Call> {{Help::HELP_CONTEXTPOPUP, 24}}));
            press("cmdOK");
        } else { // the title bar asks, and so does Escape
            messages.answers = {MsgResult::No, MsgResult::Yes};
            dialog->close();
            EXPECT_TRUE(dialog && dialog->isVisible());
            QTest::keyClick(box, Qt::Key_Escape);
        }
        QTRY_VERIFY(dialog.isNull());
        EXPECT_EQ(IniRead("Task1", "description1", ini, ""),
                  save ? "%list3%%note%ude" : "Scales & arpeggios%CR%Slowly, then faster");
    }
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(Dialog, TheListEditorEditsAListWithMouseAndKeys)
{
    writeFile(folder.file("List1.txt"), "Scales\r\n\xC9tude\r\n"); // an older file: Windows-1252
    open("editfilesong", FormId::ListEditor);
    auto *list = find<QListWidget>("Listsongtitles");
    auto *entry = find<QLineEdit>("txtsongentry");
    const auto at = [list](int row) { return list->visualItemRect(list->item(row)).center(); };
    EXPECT_EQ(list->item(1)->text(), qs("Étude"));

    // Adding nothing is refused and puts the cursor where the item is typed; Enter adds.
    list->setFocus();
    press("cmdAdd");
    EXPECT_TRUE(entry->hasFocus());
    entry->setFocus();
    QTest::keyClicks(entry, qs("Tonleiter"));
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), qs("Tonleiter"));
    EXPECT_TRUE(entry->text().isEmpty() && dialog->isVisible());
    // A click copies the item; Delete asks about it even from the text box.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(1));
    EXPECT_EQ(entry->text(), qs("Étude"));
    messages.answers = {MsgResult::No, MsgResult::Yes};
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Delete);
    EXPECT_EQ(list->count(), 3);
    // A double click (a click, then the second press as a double click) makes it current.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(0));
    EXPECT_EQ(find<QLineEdit>("TextCurrentSong")->text(), qs("Scales"));
    EXPECT_EQ(messages.shown.size(), 3u);

    // A long list: typing a word costs less than showing the list once.
    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "Piece number " + std::to_string(i) + "\r\n";
    writeFile(folder.file("List2.txt"), lines);
    QElapsedTimer timing;
    timing.start();
    press("SpinListNumberUp");
    const qint64 shown = timing.restart();
    ASSERT_EQ(list->count(), 20000);
    entry->setFocus();
    QTest::keyClicks(entry, qs("Sonata in A"));
    EXPECT_LT(timing.elapsed(), shown);
    list->scrollToItem(list->item(5000), QAbstractItemView::PositionAtTop);
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(list->count(), 20001);
    EXPECT_EQ(list->item(20000)->text(), qs("Sonata in A"));
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 5000); // the view stays where it was

    // The close box asks about the unsaved item; Escape is the close box.
    messages.answers = {MsgResult::Cancel, MsgResult::No};
    dialog->close();
    EXPECT_TRUE(dialog && dialog->isVisible());
    QTest::keyClick(entry, Qt::Key_Escape);
    QTRY_VERIFY(dialog.isNull());
    EXPECT_EQ(readFile(folder.file("List2.txt")), lines);
}

} // namespace
} // namespace tb::test
