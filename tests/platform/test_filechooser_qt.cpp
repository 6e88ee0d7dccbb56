#include "platform/qt/QtFileChooser.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `act` on the file dialog once it is open, then cancels whatever `act` left open.
void whenDialogOpens(std::function<void(QFileDialog *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
}

QStringList listed(QFileDialog *dialog)
{
    QStringList names;
    const auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row)
        names.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
    names.sort();
    return names;
}

// The folder model loads in the background and delivers the first file it finds alone,
// all others together; so once both `wanted` names are in, every file is.
QStringList listedOnceLoaded(QFileDialog *dialog, const QString &wanted1, const QString &wanted2)
{
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QStringList names = listed(dialog);
        return names.contains(wanted1) && names.contains(wanted2);
    }));
    return listed(dialog);
}

QLineEdit *nameEdit(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

QString filterShown(QFileDialog *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
}

// As a user types: into the focused field of the active window. Only then does typing
// replace a file selected in the list.
void typeName(QFileDialog *dialog, const QString &name)
{
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    nameEdit(dialog)->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return nameEdit(dialog)->hasFocus(); }));
    nameEdit(dialog)->selectAll();
    QTest::keyClicks(nameEdit(dialog), name);
}

void typeAndAccept(QFileDialog *dialog, const QString &name)
{
    typeName(dialog, name);
    auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    buttons
        ->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                 : QDialogButtonBox::Open)
        ->click();
}

} // namespace

TEST(QtFileChooser, AWildcardNameBecomesTheFilterAndMatchesInAnyCase)
{
    tb::test::TempDir dir;
    for (const char *name : {"PINGPONG.WAV", "bell.wav", "Bell.Wav", "notes.txt"})
        tb::test::writeFile(dir.file(name), "x");
    tb::FileChoice choice;
    choice.title = "Select a sound";
    choice.folder = dir.path().string();
    choice.filters = {{"Sound Files", ""}};
    choice.fileName = "*.wav";
    choice.defaultExt = "wav";

    QStringList names;
    QString title, folder, filter, nameField;
    whenDialogOpens([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        folder = dialog->directory().path();
        filter = filterShown(dialog);
        nameField = nameEdit(dialog)->text();
        names
            = listedOnceLoaded(dialog, QStringLiteral("PINGPONG.WAV"), QStringLiteral("bell.wav"));
        typeAndAccept(dialog, QStringLiteral("chime"));
    });
    const tb::FileChosen chosen = tb::QtFileChooser(true).choose(choice);

    EXPECT_EQ(title, QStringLiteral("Select a sound"));
    EXPECT_EQ(folder.toStdString(), dir.path().string());
    EXPECT_EQ(filter, QStringLiteral("Sound Files (*.wav)"));
    EXPECT_EQ(nameField, QString());
    EXPECT_EQ(names,
              (QStringList {QStringLiteral("Bell.Wav"), QStringLiteral("PINGPONG.WAV"),
                            QStringLiteral("bell.wav")}));
    EXPECT_TRUE(chosen.accepted);
    EXPECT_EQ(chosen.path, dir.file("chime.wav"));
    EXPECT_EQ(chosen.filterIndex, 1);
}

TEST(QtFileChooser, SaveStartsOnTheAskedFilterAndAddsTheDefaultExtension)
{
    tb::test::TempDir dir;
    for (const char *name : {"Practice.INI", "tallywork.ini", "notes.txt"})
        tb::test::writeFile(dir.file(name), "x");
    tb::FileChoice choice;
    choice.save = true;
    choice.folder = dir.path().string();
    choice.filters = {{"All Files (*.*)", "*.*"}, {"Task Lists (*.ini)", "*.ini"}};
    choice.filterIndex = 2;
    choice.fileName = "tallywork.ini";
    choice.defaultExt = "ini";

    QStringList names;
    QString filter, nameField, renamed;
    whenDialogOpens([&](QFileDialog *dialog) {
        filter = filterShown(dialog);
        nameField = nameEdit(dialog)->text();
        names = listedOnceLoaded(dialog, QStringLiteral("Practice.INI"),
                                 QStringLiteral("tallywork.ini"));
        // Choosing a filter gives a typed name the filter's extension.
        typeName(dialog, QStringLiteral("newlist.txt"));
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QTest::keyClick(combo, Qt::Key_Down);
        renamed = nameEdit(dialog)->text();
        typeAndAccept(dialog, QStringLiteral("newlist"));
    });
    const tb::FileChosen chosen = tb::QtFileChooser(true).choose(choice);

    EXPECT_EQ(filter, QStringLiteral("Task Lists (*.ini)"));
    EXPECT_EQ(nameField, QStringLiteral("tallywork.ini"));
    EXPECT_EQ(names,
              (QStringList {QStringLiteral("Practice.INI"), QStringLiteral("tallywork.ini")}));
    EXPECT_EQ(renamed, QStringLiteral("newlist.ini"));
    EXPECT_TRUE(chosen.accepted);
    EXPECT_EQ(chosen.path, dir.file("newlist.ini"));
    EXPECT_EQ(chosen.filterIndex, 2);
}

TEST(QtFileChooser, AFolderThatIsNotThereStartsAtHomeAndCancelChoosesNothing)
{
    tb::FileChoice choice;
    choice.folder = "C:\\";
    QString folder;
    whenDialogOpens([&](QFileDialog *dialog) { folder = dialog->directory().path(); });
    const tb::FileChosen chosen = tb::QtFileChooser(true).choose(choice);
    EXPECT_EQ(folder, QDir::homePath());
    EXPECT_FALSE(chosen.accepted);
}

// GTK's dialog matches patterns in their letter case. It is handed each letter as a class of
// both cases, and names a filter by the text before the first parenthesis.
TEST(QtFileChooser, DesktopDialogsGetPatternsSpelledInBothCases)
{
    const std::pair<const char *, const char *> globs[] = {
        {"*.wav", "*.[wW][aA][vV]"},
        {"List?.TXT", "[lL][iI][sS][tT]?.[tT][xX][tT]"},
        {"take[0-9].mp3", "[tT][aA][kK][eE][0-9].[mM][pP]3"},
        {"*.\xc3\xa9t\xc3\xa9", "*.\xc3\xa9[tT]\xc3\xa9"}, // Qt drops filters holding these
    };
    for (const auto &[pattern, glob] : globs)
        EXPECT_EQ(tb::anyCaseGlob(QString::fromUtf8(pattern)), QString::fromUtf8(glob)) << pattern;

    tb::FileChoice choice;
    choice.filters = {{"All Files (*.*)", "*.*"}, {"Lists", "*.txt; *.lst"}, {"Sound Files", ""}};
    choice.fileName = "*.wav";
    const QList<tb::NameFilter> filters = tb::nameFiltersFor(choice, true);
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0].filter, QStringLiteral("All Files (*.*) (*)"));
    EXPECT_EQ(filters[1].filter,
              QStringLiteral("Lists (*.txt *.lst) (*.[tT][xX][tT] *.[lL][sS][tT])"));
    EXPECT_EQ(filters[2].filter, QStringLiteral("Sound Files (*.wav) (*.[wW][aA][vV])"));
}
