// The practice journal window on the offscreen platform: opened from the File menu, its
// figures, the search, the export, a session recorded while it is open, its chart in a
// light and a dark palette.

#include "journal/JournalForm.h"
#include "journal/PracticeStats.h"
#include "settings/DateText.h"
#include "windows/WindowsFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

class JournalWindow : public WindowsFixture
{
protected:
    template<typename T> T *find(const char *name) const
    {
        T *found = dialog->findChild<T *>(qs(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString label(const char *name) const { return find<QLabel>(name)->text(); }
    // Counts the pixels of `colour` in what `widget` shows.
    static int pixelsOf(QWidget *widget, const QColor &colour)
    {
        const QImage image = widget->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
        return count;
    }

    QWidget *dialog = nullptr;
};

TEST_F(JournalWindow, ShowsSearchesExportsAndFollowsTheJournal)
{
    const std::int64_t day = 24 * 3600;
    auto add = [&](std::int64_t at, const char *text, std::vector<std::string> items) {
        ASSERT_TRUE(journal
                        .addTask({dateTimeText(at), dateTimeText(at + 600), 2, text,
                                  std::move(items), 600, 600, TaskEnding::TimeUp})
                        .ok);
    };
    add(clock.t - 2 * day, "Play Etude 2 ,\r\n\"slowly\"", {"Etude 2"});
    add(clock.t - day, "Play Etude 3 ", {"Etude 3"});
    add(clock.t - 1200, "Scales", {});

    auto *entry = window->findChild<QAction *>(qs("filejournal"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    dialog = windows->window(FormId::Journal);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QTRY_VERIFY(dialog->isActiveWindow());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());
    EXPECT_EQ(label("lblstreak"), qs("Current streak: 3 days"));
    EXPECT_EQ(label("lbllongest"), qs("Longest streak: 3 days"));
    EXPECT_EQ(label("lblshown"), qs("3 tasks"));
    QAbstractItemModel *rows = find<QTableView>("tblrecords")->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(0, 2).data().toString(), qs("Scales"));
    EXPECT_EQ(rows->index(2, 2).data().toString(), qs("Play Etude 2 , / \"slowly\""));
    EXPECT_EQ(rows->index(2, 2).data(Qt::ToolTipRole).toString(), qs("Play Etude 2 ,\n\"slowly\""));

    auto *search = find<QLineEdit>("txtsearch");
    EXPECT_TRUE(search->hasFocus());
    QTest::keyClicks(search, qs("etude  2"));
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->index(0, 3).data().toString(), qs("Etude 2"));
    EXPECT_EQ(label("lblshown"), qs("1 of 3 tasks"));

    // Export saves what is shown.
    const std::string csv = folder.file("out.csv");
    chooser.answers = {csv};
    QTest::mouseClick(find<QPushButton>("cmdexport"), Qt::LeftButton);
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_TRUE(chooser.asked[0].save);
    const std::string exported = readFile(csv);
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
    QTRY_COMPARE(rows->rowCount(), 4);
    EXPECT_EQ(label("lblweek").isEmpty(), false);
    EXPECT_EQ(rows->index(0, 2).data().toString(), qs("Scales & arpeggios / Slowly, then faster"));

    // The chart draws in the palette's colours, light and dark.
    QWidget *chart = find<QWidget>("chartdays");
    const QPalette before = QApplication::palette();
    for (const bool dark : {false, true}) {
        QPalette palette = QApplication::style()->standardPalette();
        if (dark) {
            palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
            palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
        }
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        EXPECT_GT(pixelsOf(chart, palette.color(QPalette::Highlight)), 20) << "today's bar";
        EXPECT_GT(pixelsOf(chart, palette.color(QPalette::WindowText)), 20) << "the scale";
        const QString shots = qEnvironmentVariable("TALLYBELL_SHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            dialog->grab().save(shots + (dark ? qs("/journal-dark.png") : qs("/journal.png")));
    }
    QApplication::setPalette(before);

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(program->loadedJournal(), nullptr);
}

} // namespace
} // namespace tb::test
