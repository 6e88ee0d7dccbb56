// The practice journal window on the offscreen platform: opened from the File menu, its
// figures, the search, the export, a session recorded while it is open, its chart, its dates
// in the reader's format. With the about box: both within a small screen (this test also
// runs at double scale) and readable in a dark palette.

#include "journal/JournalForm.h"
#include "journal/PracticeChart.h"
#include "settings/DateText.h"
#include "support/Soon.h"
#include "windows/WindowsFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

class JournalWindow : public WindowsFixture
{
protected:
    void add(const TaskRecord &task) { ASSERT_TRUE(journal.addTask(task).ok); }
    static QAbstractItemModel *rows(QWidget *dialog)
    {
        return dialog->findChild<QTableView *>(qs("tblrecords"))->model();
    }
    static void typeSearch(QWidget *dialog, const QString &text)
    {
        auto *box = dialog->findChild<QLineEdit *>(qs("txtsearch"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
};

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
    for (const auto &[ago, text, items, practised, ending] :
         {std::tuple {2 * day, "Play Etude 2 ,\r\n\"slowly\"", std::vector<std::string> {"Etude 2"},
                      600, TaskEnding::TimeUp},
          {day, "Play Etude 3 ", {"Etude 3"}, 125, TaskEnding::Skipped},
          {1200, "Scales", {}, 600, TaskEnding::Stopped}})
        add({dateTimeText(clock.t - ago), dateTimeText(clock.t - ago + 600), 2, text, items, 600,
             practised, ending});

    QWidget *dialog = open("filejournal", FormId::Journal);
    ASSERT_NE(dialog, nullptr);
    ASSERT_SOON(dialog->isActiveWindow());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());
    auto label = [&](const char *name) { return dialog->findChild<QLabel *>(qs(name))->text(); };
    EXPECT_EQ(label("lblstreak"), qs("Current streak: 3 days"));
    EXPECT_EQ(label("lblshown"), qs("3 tasks"));
    QAbstractItemModel *rows = JournalWindow::rows(dialog);
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(2, 2).data().toString(), qs("Play Etude 2 , / \"slowly\""));
    EXPECT_EQ(rows->index(2, 2).data(Qt::ToolTipRole).toString(), qs("Play Etude 2 ,\n\"slowly\""));

    // The search reads every column as shown, with case and blanks folded.
    EXPECT_TRUE(dialog->findChild<QLineEdit *>(qs("txtsearch"))->hasFocus());
    const std::pair<const char *, int> searches[] = {
        {"SKIPPED", 1}, {"2:05", 1}, {"10:00", 3}, {"etude 3", 1}, {"\"slowly", 1}, {"time up", 1},
    };
    for (const auto &[query, found] : searches) {
        typeSearch(dialog, qs(query));
        EXPECT_EQ(rows->rowCount(), found) << query;
    }
    typeSearch(dialog, qs("etude  2"));
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->index(0, 3).data().toString(), qs("Etude 2"));
    EXPECT_EQ(label("lblshown"), qs("1 of 3 tasks"));
    chooser.answers = {folder.file("out.csv")};
    QTest::mouseClick(dialog->findChild<QPushButton *>(qs("cmdexport")), Qt::LeftButton);
    EXPECT_TRUE(chooser.asked.at(0).save);
    const std::string exported = readFile(folder.file("out.csv"));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 3) << exported;
    EXPECT_NE(exported.find("\"Play Etude 2 ,\r\n\"\"slowly\"\"\""), std::string::npos);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "Exported 1 task to\r\n\r\n" + folder.file("out.csv"));

    // A session stopped while the window is open shows when the window is next in front.
    typeSearch(dialog, QString());
    EXPECT_EQ(rows->rowCount(), 3);
    window->activateWindow();
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    clock.advance(90);
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    dialog->activateWindow();
    ASSERT_SOON_EQ(rows->rowCount(), 4);
    EXPECT_EQ(rows->index(0, 2).data().toString(), qs("Scales & arpeggios / Slowly, then faster"));

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(program->form(FormId::Journal), nullptr);
}

TEST_F(JournalWindow, DatesReadAsTheLocaleWritesThemInTheTableTheChartAndTheSearch)
{
    add({"2026-11-09 14:05:00", "", 1, "November", {}, 600, 600});
    add({"2026-09-11 09:30:00", "", 1, "September", {}, 600, 600});
    const QLocale before;
    for (const auto &[locale, date, started, today] :
         {std::tuple {QLocale::English, "11/9/26", "11/9/26 2:05 PM", "1/15/27"},
          {QLocale::German, "09.11.26", "09.11.26 14:05", "15.01.27"}}) {
        SCOPED_TRACE(started);
        QLocale::setDefault(QLocale(locale));
        QWidget *dialog = open("filejournal", FormId::Journal);
        EXPECT_EQ(rows(dialog)->index(0, 0).data().toString(), qs(started));
        EXPECT_EQ(dialog->findChild<PracticeChart *>()->dayMarks().back(), qs(today));
        typeSearch(dialog, qs(date));
        ASSERT_EQ(rows(dialog)->rowCount(), 1);
        EXPECT_EQ(rows(dialog)->index(0, 2).data().toString(), qs("November"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    }
    QLocale::setDefault(before);
}

// The second run of this test is at double scale on a screen of 1280 x 720 pixels.
TEST_F(JournalWindow, JournalAndAboutFitASmallScreenAndEveryColumnShowsWhole)
{
    add({dateTimeText(clock.t), "", 9, "Romanza", {"Romanza"}, 1200, 1199, TaskEnding::Skipped});
    for (const auto &[entry, id] :
         {std::pair {"filejournal", FormId::Journal}, {"helpabout", FormId::About}}) {
        SCOPED_TRACE(entry);
        QWidget *dialog = open(entry, id);
        // Where it goes is the window manager's choice; that it fits is the window's.
        const QSize room = dialog->screen()->availableGeometry().size();
        EXPECT_EQ(dialog->frameGeometry().size().boundedTo(room), dialog->frameGeometry().size());
        EXPECT_EQ(dialog->minimumSizeHint().boundedTo(QSize(640, 360)), dialog->minimumSizeHint());
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            EXPECT_TRUE(
                dialog->rect().contains(QRect(button->mapTo(dialog, QPoint()), button->size())))
                << button->objectName().toStdString();
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->objectName().toStdString() << " shows whole";
    }
    const QAbstractItemView *table
        = windows->window(FormId::Journal)->findChild<QTableView *>(qs("tblrecords"));
    auto *header = static_cast<const QTableView *>(table)->horizontalHeader();
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
    // A low screen lowers the chart: the table keeps room for a few rows.
    EXPECT_GE(table->viewport()->height(),
              3 * static_cast<const QTableView *>(table)->verticalHeader()->defaultSectionSize());
    for (int column = 0; column < header->count(); ++column)
        EXPECT_GE(header->sectionSize(column),
                  std::max(header->sectionSizeHint(column), table->sizeHintForColumn(column)))
            << column;
}

TEST_F(JournalWindow, AboutBoxReadsInALightAndADarkPaletteAndScreenshotsAreKept)
{
    for (int day = 0; day < 7; ++day) { // a week of practice for the pictures
        const std::int64_t started = clock.t - 3600 - day * 86400;
        add({dateTimeText(started), "", 2, "Romanza", {}, 1200, 600 + 90 * day});
    }
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32)); // like Adwaita dark
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    for (const bool isDark : {false, true}) {
        SCOPED_TRACE(isDark);
        QApplication::setPalette(isDark ? dark : QApplication::style()->standardPalette());
        QWidget *about = open("helpabout", FormId::About);
        QCoreApplication::processEvents();
        const QColor back = about->palette().color(QPalette::Window);
        ASSERT_EQ(back.lightness() < 128, isDark);
        for (const QLabel *label : about->findChildren<QLabel *>())
            EXPECT_GE(contrast(label->palette().color(label->foregroundRole()), back), 4.5)
                << label->objectName().toStdString();
        // The chart draws the bars and its scale in the palette's colours.
        QWidget *journalWindow = open("filejournal", FormId::Journal);
        QWidget *chart = journalWindow->findChild<QWidget *>(qs("chartdays"));
        for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::WindowText})
            EXPECT_GT(pixelsOf(chart, QApplication::palette().color(role)), 20) << role;
        // One set of pictures, at double scale, for a person to look at.
        const QString theme = qs(isDark ? "-dark.png" : "-light.png");
        if (about->devicePixelRatio() == 2) {
            keepShot(about, qs("about") + theme);
            keepShot(journalWindow, qs("journal") + theme);
        }
    }
    QApplication::setPalette(before);
}

} // namespace
} // namespace tb::test
