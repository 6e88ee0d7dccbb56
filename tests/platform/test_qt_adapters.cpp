#include "platform/Shell.h"
#include "platform/Translator.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/LocalSingleInstance.h"
#include "platform/qt/QtFileChooser.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "tallybell/Version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QUrlQuery>

#include <filesystem>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>
#include <utility>

// Qt's strings and addresses as text in GoogleTest's messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl &url, std::ostream *out)
{
    *out << url.toString().toStdString();
}

namespace fs = std::filesystem;
using namespace tb;

namespace {

// Runs `act` on the modal dialog of type T once it is open, then closes what `act` left open.
template<class T> void whenOpen(std::function<void(T *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
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

int qtMessages = 0;

QString read(const QString &name)
{
    QFile file(name.contains(u'/') ? name : QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// The values of `attribute` in the tags of `html` (href="...", name="...").
QSet<QString> attributes(const QString &html, const QString &attribute)
{
    QSet<QString> values;
    const QRegularExpression pattern(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(attribute));
    for (auto it = pattern.globalMatch(html); it.hasNext();)
        values.insert(it.next().captured(1));
    return values;
}

// A translator that only tells its language: every text stays English.
struct Speaking final : tb::Translator {
    explicit Speaking(std::string language) : code(std::move(language)) { }
    std::string translate(const char *, const char *, const char *, int) const override
    {
        return {};
    }
    std::string language() const override { return code; }
    std::string code;
};

} // namespace

TEST(QtMessageBox, ShowsDecodedPlainTextWithTheIconAndButtonsAskedForAndGivesTheAnswer)
{
    using B = QMessageBox;
    // Asked for; shown, with its default button; the button pressed (none: closed by Escape
    // or the title bar) and the answer.
    const std::tuple<MsgIcon, MsgButtons, B::Icon, B::StandardButtons, B::StandardButton,
                     B::StandardButton, tb::MsgResult>
        rows[] = {
            {MsgIcon::Question, MsgButtons::YesNo, B::Question, B::Yes | B::No, B::No, B::NoButton,
             tb::MsgResult::No},
            {MsgIcon::Exclamation, MsgButtons::YesNoCancel, B::Warning, B::Yes | B::No | B::Cancel,
             B::Cancel, B::Yes, tb::MsgResult::Yes},
            {MsgIcon::Critical, MsgButtons::OkCancel, B::Critical, B::Ok | B::Cancel, B::Ok,
             B::Cancel, tb::MsgResult::Cancel},
        };
    for (const auto &[icon, buttons, qtIcon, qtButtons, defaultButton, press, answer] : rows) {
        const auto asked = std::tuple(qtIcon, qtButtons, defaultButton, Qt::PlainText);
        whenOpen<B>([asked, press = press](B *box) {
            EXPECT_EQ(box->windowTitle() + u'|' + box->text(),
                      QString::fromUtf16(u"Tallybell \u2013 Disk Error|Couldn't copy "
                                         u"<b>\u201ctally.ini\u201d</b>\n\nPermission denied"));
            EXPECT_EQ(std::tuple(box->icon(), box->standardButtons(),
                                 box->standardButton(box->defaultButton()), box->textFormat()),
                      asked);
            if (press != B::NoButton)
                box->button(press)->click();
        });
        EXPECT_EQ(tb::QtMessageBox().show(
                      "Couldn't copy <b>\x93tally.ini\x94</b>\r\n\r\nPermission denied",
                      "Tallybell \x96 Disk Error", icon, buttons),
                  answer);
    }
}

TEST(QtShell, OnlyWebAndMailAddressesGoOutAndOnesNoProgramTakesAreShownToTheUser)
{
    tb::test::TempDir dir;
    tb::test::FakeMessageBox messages;
    // A stand-in for the desktop's opener that notes each address, talks on both output
    // channels and finds no program for any of them.
    const std::string opener = dir.file("opener");
    tb::test::writeFile(opener,
                        "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + dir.file("opened")
                            + "'\necho starting\necho no method >&2\nexit 3\n");
    fs::permissions(opener, fs::perms::owner_all);
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) { ++qtMessages; });
    {
        tb::QtShell shell(&messages, QString::fromStdString(opener));
        for (const char *address : {"file:///bin/sh", "javascript:alert(1)", "/usr/bin/xterm", "",
                                    "https://exa mple.org/", "https:///nohost", "-h"})
            tb::OpenWebPage(shell, address);
        tb::OpenWebPage(shell, "https://orvane.example.org/tallybell#top");
        EXPECT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 1; }, 5000));
        tb::OpenMailMessage(shell, "a?cc=b@x.org&body=hi");
        EXPECT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 2; }, 5000));
    }
    // Without the opener Qt's own ways are tried, which find nothing on this platform.
    tb::QtShell(&messages, QString()).openAddress("http://orvane.example.org/a%20b");
    qInstallMessageHandler(previous);

    const QStringList opened = QString::fromStdString(tb::test::readFile(dir.file("opened")))
                                   .split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(opened.size(), 2) << opened.join(u'|').toStdString();
    EXPECT_EQ(opened[0], QStringLiteral("https://orvane.example.org/tallybell#top"));
    const QUrl mail(opened[1]);
    EXPECT_EQ(mail.scheme() + u':' + mail.path(QUrl::FullyDecoded),
              QStringLiteral("mailto:a?cc=b@x.org&body=hi"));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Tallybell %1 Comment").arg(QLatin1String(tb::version::kVersionText)));
    // The address ends the message, alone on its line, ready to be copied.
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const tb::test::ShownMessage &m : messages.shown)
        EXPECT_TRUE(m.caption == "Tallybell" && m.icon == MsgIcon::Exclamation
                    && m.buttons == MsgButtons::Ok);
    EXPECT_TRUE(messages.shown[0].text.ends_with(
        "web browser:\n\nhttps://orvane.example.org/tallybell#top"));
    EXPECT_TRUE(messages.shown[1].text.ends_with("mail program:\n\na?cc=b@x.org&body=hi"));
    EXPECT_TRUE(messages.shown[2].text.ends_with("\n\nhttp://orvane.example.org/a%20b"));
    EXPECT_EQ(qtMessages, 0);
}

TEST(QtFileChooser, AWildcardNameBecomesTheFilterAndAFolderThatIsNotThereStartsAtHome)
{
    tb::test::TempDir dir;
    tb::FileChoice choice;
    choice.title = "A sound";
    choice.folder = dir.path().string();
    choice.fileName = "*.wav";
    choice.defaultExt = "wav";
    choice.filters = {{"Sound Files", ""}, {"All Files (*.*)", "*.*"}};
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("A sound"));
        EXPECT_EQ(dialog->directory().path().toStdString(), dir.path().string());
        // Qt's own dialog gets plain patterns: it puts a pattern's extension into typed names.
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({QStringLiteral("Sound Files (*.wav) (*.wav)"),
                               QStringLiteral("All Files (*.*) (*)")}));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        EXPECT_EQ(name->text(), QString());
        // Typed as a user types: into the focused field of the active window.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("chime"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
    });
    tb::FileChosen chosen = tb::QtFileChooser(true).choose(choice);
    EXPECT_TRUE(chosen.accepted && chosen.filterIndex == 1);
    EXPECT_EQ(chosen.path, dir.file("chime.wav"));

    // A name that need not exist is typed into a save dialog whose button says what it does,
    // and an existing one is taken without a question of the dialog's own.
    tb::test::writeFile(dir.file("Morning.wav"), "");
    choice.save = true;
    choice.confirmOverwrite = false;
    choice.acceptLabel = "&Create";
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QStringLiteral("&Create"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("Morning"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
    });
    chosen = tb::QtFileChooser(true).choose(choice);
    EXPECT_TRUE(chosen.accepted);
    EXPECT_EQ(chosen.path, dir.file("Morning.wav"));

    choice.folder = "C:\\"; // not there: home
    choice.filterIndex = 2;
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->directory().path(), QDir::homePath());
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("All Files (*.*)"));
    });
    EXPECT_FALSE(tb::QtFileChooser(true).choose(choice).accepted);

    // GTK's dialog matches patterns in their letter case: it gets each letter in both.
    choice.filters = {{"Lists", "*.txt; [lL]ist?.\xc3\xa9"}};
    EXPECT_EQ(tb::nameFiltersFor(choice, true).at(0).filter,
              QString::fromUtf8(
                  "Lists (*.txt [lL]ist?.\xc3\xa9) (*.[tT][xX][tT] [lL][iI][sS][tT]?.\xc3\xa9)"));
}

namespace {

// A socket file at `path` that is listened on; closing the answer leaves what a program that
// crashed leaves behind: a socket file nobody listens on any more.
int listenAt(const fs::path &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0) << path;
    EXPECT_EQ(::listen(fd, 1), 0);
    return fd;
}

void makeFolder(const fs::path &path, mode_t mode, uid_t owner = ::getuid())
{
    fs::create_directory(path);
    EXPECT_EQ(::chmod(path.c_str(), mode) | ::chown(path.c_str(), owner, owner), 0) << path;
}

void linkToAPrivateFolder(const fs::path &path)
{
    makeFolder(path.string() + "-target", 0700);
    fs::create_directory_symlink(path.string() + "-target", path);
}

} // namespace

TEST(SingleInstance, SocketOnlyInAPrivateFolderOfTheUsersOwn)
{
    enum class Where { Runtime, Fallback, Refused };
    const std::string socketName = tb::LocalSingleInstance::socketFileName().toStdString();
    int foreignListener = -1;
    using Prepare = std::function<void(const fs::path &runtime, const fs::path &fallback)>;
    const std::tuple<const char *, Prepare, Where, bool, const char *> rows[] = {
        // what, how it is made, where the socket goes, whether only root can make it, why not
        {"private runtime folder", [](auto &r, auto &) { makeFolder(r, 0700); }, Where::Runtime,
         false, ""},
        {"runtime and fallback open to others: the fallback closed",
         [](auto &r, auto &f) { makeFolder(r, 0755), makeFolder(f, 0755); }, Where::Fallback, false,
         ""},
        {"runtime a link to a private folder, fallback missing: made",
         [](auto &r, auto &) { linkToAPrivateFolder(r); }, Where::Fallback, false, ""},
        {"fallback a socket an older version left", [](auto &, auto &f) { ::close(listenAt(f)); },
         Where::Fallback, false, ""},
        {"fallback a link to a private folder", [](auto &, auto &f) { linkToAPrivateFolder(f); },
         Where::Refused, false, " is a link, not a folder."},
        {"fallback a plain file", [](auto &, auto &f) { tb::test::writeFile(f, "x"); },
         Where::Refused, false, " is not a folder."},
        {"fallback another user's", [](auto &, auto &f) { makeFolder(f, 0700, 65534); },
         Where::Refused, true, " belongs to another user."},
        {"another user listens in our open fallback",
         [&](auto &, auto &f) {
             makeFolder(f, 0777);
             foreignListener = listenAt(f / socketName);
             EXPECT_EQ(::lchown((f / socketName).c_str(), 65534, 65534), 0);
         },
         Where::Refused, true, " belongs to another user."},
        // Another program's socket, as the X server's, is no running copy to hand over to.
        {"the socket a link to another program's",
         [&](auto &, auto &f) {
             makeFolder(f, 0700);
             foreignListener = listenAt(f.parent_path() / "X0");
             fs::create_symlink(f.parent_path() / "X0", f / socketName);
         },
         Where::Refused, false, " is a link, not a socket."},
        {"another program of the user's listens at the socket",
         [&](auto &, auto &f) {
             makeFolder(f, 0700);
             foreignListener = listenAt(f / socketName);
         },
         Where::Refused, false, " answers, but not as Tallybell does."},
    };
    for (const auto &[what, prepare, where, onlyAsRoot, why] : rows) {
        SCOPED_TRACE(what);
        if (onlyAsRoot && ::getuid() != 0)
            continue;
        tb::test::TempDir dir;
        const fs::path runtime = dir.path() / "run";
        const fs::path fallback = dir.path() / "tallybell";
        prepare(runtime, fallback);
        tb::LocalSingleInstance instance(QString::fromStdString(runtime.string()),
                                         QString::fromStdString(fallback.string()));
        const tb::InstanceCheck check = instance.checkForRunningInstance();
        if (foreignListener >= 0)
            ::close(std::exchange(foreignListener, -1));
        EXPECT_EQ(instance.isListening(), where != Where::Refused) << check.reason;
        if (where == Where::Refused) {
            // The user is told which place is unsafe, and why.
            EXPECT_NE(check.reason.find(fallback.string()), std::string::npos) << check.reason;
            EXPECT_TRUE(check.reason.ends_with(why)) << check.reason;
            continue;
        }
        const fs::path folder = where == Where::Runtime ? runtime : fallback;
        EXPECT_EQ(instance.serverName().toStdString(), (folder / socketName).string());
        struct stat info = {};
        EXPECT_EQ(::lstat(folder.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode) && info.st_uid == ::getuid());
        EXPECT_EQ(info.st_mode & 07777, 0700u);
    }
}

TEST(SingleInstance, ALaterStartHandsOverAtOnceToTheRunningOneWhichIsAskedToRaise)
{
    using Outcome = tb::InstanceCheck::Outcome;
    tb::test::TempDir dir;
    const fs::path socket = dir.path() / tb::LocalSingleInstance::socketFileName().toStdString();
    const QString folder = QString::fromStdString(dir.path().string());
    ::close(listenAt(socket)); // left by a program that crashed

    auto first = std::make_unique<tb::LocalSingleInstance>(QString(), folder);
    int raised = 0;
    QObject::connect(first.get(), &tb::LocalSingleInstance::raiseRequested, [&] { ++raised; });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(first->checkForRunningInstance().outcome, Outcome::Proceed);
    for (int start = 1; start <= 2; ++start) {
        // Started as another program is, while this one answers.
        // It checks twice (before its first window and at loading) and asks once.
        auto later = std::async(std::launch::async, [&] {
            tb::LocalSingleInstance instance(QString(), folder);
            const Outcome once = instance.checkForRunningInstance().outcome;
            return std::pair(once, instance.checkForRunningInstance().outcome);
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return raised == start; }, 5000));
        EXPECT_EQ(later.get(), std::pair(Outcome::HandedOver, Outcome::HandedOver));
    }
    QTest::qWait(100);
    EXPECT_EQ(raised, 2);
    EXPECT_LT(timer.elapsed(), 1500);
    // Only this user may connect.
    struct stat info = {};
    EXPECT_EQ(::lstat(socket.c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode) && info.st_uid == ::getuid());
    EXPECT_EQ(info.st_mode & (S_IRWXG | S_IRWXO), 0u);
    // An ended program leaves the way free.
    first.reset();
    EXPECT_EQ(tb::LocalSingleInstance(QString(), folder).checkForRunningInstance().outcome,
              Outcome::Proceed);
}

// Every context the program asks for has a page with a pop-up summary, and every link of the
// English help leads to a page and an anchor that are there. The German and French help
// translate every page but the keyboard page (whose keys the translators of the windows choose)
// with the same links, anchors and summaries: a link the help window finds no translation for
// shows the English page.
TEST(HelpPages, EveryContextHasAPageAndEveryPageIsTranslatedWithTheSameLinksThatLeadSomewhere)
{
    for (int context : QtHelp::usedContexts()) {
        EXPECT_GT(plainText(read(QStringLiteral("topic%1.html").arg(context))).size(), 200);
        EXPECT_FALSE(QtHelp::popupText(context).contains(QStringLiteral("There is no help")));
    }
    const auto links = [](const QString &html) {
        QSet<QString> all = attributes(html, QStringLiteral("href"));
        all.removeIf([](const QString &link) { return link.endsWith(u".css"); });
        return all;
    };
    const QStringList english
        = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GT(english.size(), 20);
    for (const QString &name : english) {
        const QString original = read(name);
        for (const QString &folder : {QString(), QStringLiteral("de/"), QStringLiteral("fr/")}) {
            SCOPED_TRACE(QString(folder + name).toStdString());
            const QString page = read(QStringLiteral(":/help/") + folder + name);
            if (name == QLatin1String("keyboard.html") && page.isEmpty())
                continue;
            ASSERT_FALSE(page.isEmpty());
            // Every link leads to a page, in English at least, and an anchor it has.
            for (const QString &href : links(page)) {
                const QUrl link(href);
                const QString target = read(link.path());
                EXPECT_TRUE(
                    !target.isEmpty()
                    && (!link.hasFragment()
                        || attributes(target, QStringLiteral("name")).contains(link.fragment())))
                    << href.toStdString();
            }
            if (folder.isEmpty())
                continue;
            EXPECT_NE(plainText(page), plainText(original)) << "not translated";
            EXPECT_TRUE(links(page).contains(links(original)));
            EXPECT_EQ(attributes(page, QStringLiteral("name")),
                      attributes(original, QStringLiteral("name")));
            EXPECT_EQ(page.count(QStringLiteral("<p class=\"summary\">")),
                      original.count(QStringLiteral("<p class=\"summary\">")));
        }
    }
}

// The help window and the pop-ups show the pages of the language the texts are shown in, with
// the shared style sheet, and the English page where the language has none.
TEST(HelpWindow, ShowsThePagesAndPopupsInTheLanguageOfTheTextsElseInEnglish)
{
    QtHelp help;
    const auto shown = [&help] {
        return help.window()->findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))->document();
    };
    // The size the style sheet gives the page's heading.
    const auto headingPoints = [&shown] {
        for (QTextBlock block = shown()->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().headingLevel() == 1)
                return block.charFormat().fontPointSize();
        return 0.0;
    };
    const auto summary = [](int context) { return plainText(QtHelp::popupText(context)); };
    const QString englishSummary = summary(12);
    // The language, and the folder of its help.
    for (const auto &[code, folder] : {std::pair {"de", ":/help/de/"},
                                       {"fr", ":/help/fr/"},
                                       {"es", ":/help/"},
                                       {"en", ":/help/"}}) {
        SCOPED_TRACE(code);
        const Speaking language(code);
        const tb::ScopedTranslator speaking(&language);
        const bool translated = std::string_view(folder) != ":/help/";

        help.WinHelp(Help::HELP_CONTEXT, 12);
        ASSERT_NE(help.window(), nullptr);
        const QString page = QLatin1String(folder) + QStringLiteral("topic12.html");
        EXPECT_EQ(help.window()->currentPage(), QUrl(QStringLiteral("qrc") + page));
        EXPECT_EQ(shown()->toPlainText(), plainText(read(page)));
        EXPECT_EQ(headingPoints(), 16.0);
        EXPECT_EQ(summary(12) == englishSummary, !translated);
        EXPECT_TRUE(plainText(read(page)).contains(summary(12)));

        // A link to the keyboard page, which a language's help may lack: the English page then,
        // with its style sheet.
        help.window()->showPage(
            QUrl(QStringLiteral("qrc:/help/%1/keyboard.html").arg(QLatin1String(code))));
        const QString keyboard
            = read(QStringLiteral(":/help/%1/keyboard.html").arg(QLatin1String(code)));
        EXPECT_EQ(shown()->toPlainText(),
                  plainText(keyboard.isEmpty() ? read(QStringLiteral("keyboard.html")) : keyboard));
        EXPECT_EQ(headingPoints(), 16.0);
    }
}

// Beside its anchor and always on the screen; one window with one title, which opens beside
// the main window and stays where it is while open.
TEST(HelpWindow, OneWindowBesideTheMainWindowAndOnTheScreenThatStaysWhereItIsWhileOpen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize frame(500, 400);
    const std::tuple<QRect, QRect, QSize, QRect> rows[] = {
        // available, anchor, frame, placed
        {screen, {100, 100, 400, 300}, frame, {{508, 100}, frame}}, // right
        {screen, {500, 0, 472, 300}, {300, 400}, {980, 0, 300, 400}}, // just room on the right
        {screen, {501, 0, 472, 300}, {300, 400}, {193, 0, 300, 400}}, // a pixel short: left
        {screen, {200, 0, 800, 300}, frame, {{780, 0}, frame}}, // no room: the roomier right
        {screen, {300, 0, 800, 300}, frame, {{0, 0}, frame}}, // no room: the roomier left
        {screen, {100, -50, 400, 300}, {2000, 1200}, screen}, // too large: shrunk
        {{1280, 24, 1920, 1056}, {1400, 900, 600, 400}, frame, {{2008, 680}, frame}}, // raised
    };
    for (const auto &[available, anchor, size, placed] : rows)
        EXPECT_EQ(tb::HelpWindow::besideRect(anchor, size, available), placed) << anchor.x();

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setObjectName(QStringLiteral("frmmain"));
    main.setGeometry(available.left() + 20, available.top() + 40, 250, 200);
    main.show();

    QtHelp help;
    // A topic without a page shows the contents and says so, until the next page.
    help.WinHelp(Help::HELP_CONTEXT, 99);
    tb::HelpWindow *window = help.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->currentPage(), QtHelp::contentsPage());
    EXPECT_TRUE(window->notice().contains(QStringLiteral("99")));

    // Closed and asked again: the same window, right of the main window, level with its top.
    window->close();
    window->resize(400, 250);
    help.WinHelp(Help::HELP_HELPONHELP, 0);
    EXPECT_EQ(help.window(), window);
    EXPECT_EQ(window->currentPage(), QtHelp::usingHelpPage());
    EXPECT_TRUE(window->isVisible() && window->notice().isEmpty());
    EXPECT_EQ(QRect(window->pos(), window->size()),
              QRect(main.frameGeometry().right() + 9, main.y(), 400, 250));

    // An open window stays where it is.
    const QPoint before = window->pos();
    main.move(available.right() - 260, available.top() + 40);
    help.WinHelp(Help::HELP_FINDER, 0);
    EXPECT_EQ(window->currentPage(), QtHelp::contentsPage());
    EXPECT_EQ(window->pos(), before);
}
