// The practice journal window on the offscreen platform: opened from the File menu, its
// figures, the search, the export, a session recorded while it is open, its chart.

#include "journal/JournalForm.h"
#include "support/Soon.h"
#include "settings/DateText.h"
#include "windows/WindowsFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

using JournalWindow = WindowsFixture;

// Counts the pixels of `colour` in what `widget` shows.
long pixelsOf(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), colour.rgb());
}

TEST_F(JournalWindow, ShowsSearchesExportsAndFollowsTheJournal)
{
    const std::int64_t day = 24 * 3600;
    for (const auto &[ago, text, items] : {std::tuple {2 * day, "Play Etude 2 ,\r\n\"slowly\"",
                                                       std::vector<std::string> {"Etude 2"}},
                                           {day, "Play Etude 3 ", {"Etude 3"}},
                                           {1200, "Scales", {}}})
        ASSERT_TRUE(journal
                        .addTask({dateTimeText(clock.t - ago), dateTimeText(clock.t - ago + 600), 2,
                                  text, items, 600, 600, TaskEnding::TimeUp})
                        .ok);

    window->findChild<QAction *>(qs("filejournal"))->trigger();
    QWidget *dialog = windows->window(FormId::Journal);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    ASSERT_SOON(dialog->isActiveWindow());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());
    auto label = [&](const char *name) { return dialog->findChild<QLabel *>(qs(name))->text(); };
    EXPECT_EQ(label("lblstreak"), qs("Current streak: 3 days"));
    EXPECT_EQ(label("lblshown"), qs("3 tasks"));
    QAbstractItemModel *rows = dialog->findChild<QTableView *>(qs("tblrecords"))->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(2, 2).data().toString(), qs("Play Etude 2 , / \"slowly\""));
    EXPECT_EQ(rows->index(2, 2).data(Qt::ToolTipRole).toString(), qs("Play Etude 2 ,\n\"slowly\""));

    // The search folds case and blanks; the export saves what is shown.
    auto *search = dialog->findChild<QLineEdit *>(qs("txtsearch"));
    EXPECT_TRUE(search->hasFocus());
    QTest::keyClicks(search, qs("etude  2"));
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->index(0, 3).data().toString(), qs("Etude 2"));
    EXPECT_EQ(label("lblshown"), qs("1 of 3 tasks"));
    chooser.answers = {folder.file("out.csv")};
    QTest::mouseClick(dialog->findChild<QPushButton *>(qs("cmdexport")), Qt::LeftButton);
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_TRUE(chooser.asked[0].save);
    const std::string exported = readFile(folder.file("out.csv"));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 3) << exported;
    EXPECT_NE(exported.find("\"Play Etude 2 ,\r\n\"\"slowly\"\"\""), std::string::npos);

    // A session stopped while the window is open shows when the window is next in front.
    search->selectAll();
    QTest::keyClick(search, Qt::Key_Backspace);
    EXPECT_EQ(rows->rowCount(), 3);
    window->activateWindow();
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    clock.advance(90);
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    dialog->activateWindow();
    ASSERT_SOON_EQ(rows->rowCount(), 4);
    EXPECT_EQ(rows->index(0, 2).data().toString(), qs("Scales & arpeggios / Slowly, then faster"));

    // The chart draws today's bar and its scale in the palette's colours: a dark one here.
    QWidget *chart = dialog->findChild<QWidget *>(qs("chartdays"));
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(chart, dark.color(QPalette::Highlight)), 20);
    EXPECT_GT(pixelsOf(chart, dark.color(QPalette::WindowText)), 20);
    QApplication::setPalette(before);

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(program->form(FormId::Journal), nullptr);
}

} // namespace
} // namespace tb::test
