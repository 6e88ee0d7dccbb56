#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtHelp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWhatsThis>
#include <QXmlStreamReader>
#include <QtCore/qtestsupport_core.h>

#include <deque>
#include <gtest/gtest.h>

using tb::Help;
using tb::QtHelp;

namespace {

QString readPage(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList helpResources()
{
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

// The targets of the page's links, as written.
QStringList linksOf(const QString &html)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList links;
    for (auto it = href.globalMatch(html); it.hasNext();)
        links << it.next().captured(1);
    return links;
}

bool hasAnchor(const QString &html, const QString &anchor)
{
    return html.contains(QStringLiteral("name=\"") + anchor + QLatin1Char('"'))
        || html.contains(QStringLiteral("id=\"") + anchor + QLatin1Char('"'));
}

// The Alt keys a window's design gives its buttons and the menus of its menu bar.
QStringList altKeysOf(const QString &uiFile)
{
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + uiFile};
    QStringList keys;
    QStringList widgets; // the classes of the widgets around the current element
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            widgets << xml.attributes().value(QLatin1String("class")).toString();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            widgets.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("property")) {
            const auto name = xml.attributes().value(QLatin1String("name"));
            const bool button = widgets.value(widgets.size() - 1) == QLatin1String("QPushButton")
                && name == QLatin1String("text");
            const bool menu = widgets.value(widgets.size() - 1) == QLatin1String("QMenu")
                && widgets.value(widgets.size() - 2) == QLatin1String("QMenuBar")
                && name == QLatin1String("title");
            if (!button && !menu)
                continue;
            xml.readNextStartElement();
            const QString text = xml.readElementText();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size())
                keys << QStringLiteral("Alt+") + text.at(amp + 1).toUpper();
        }
    }
    return keys;
}

QWidget *visibleWhatsThisPopup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()
            && QLatin1String(w->metaObject()->className()) == QLatin1String("QWhatsThat"))
            return w;
    return nullptr;
}

} // namespace

TEST(HelpPages, EveryContextTheProgramUsesHasAPageWithTitleAndSummary)
{
    ASSERT_FALSE(QtHelp::usedContexts().isEmpty());
    for (int context : QtHelp::usedContexts()) {
        SCOPED_TRACE(context);
        ASSERT_TRUE(QtHelp::hasTopic(context));
        const QString html = readPage(QStringLiteral(":/help/topic%1.html").arg(context));
        QTextDocument document;
        document.setHtml(html);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        EXPECT_GT(document.toPlainText().size(), 200);
        const QString popup = QtHelp::popupText(context);
        EXPECT_FALSE(popup.contains(QStringLiteral("There is no help")));
        QTextDocument popupDocument;
        popupDocument.setHtml(popup);
        EXPECT_GT(popupDocument.toPlainText().size(), 20);
    }
    EXPECT_FALSE(QtHelp::hasTopic(0));
    EXPECT_FALSE(QtHelp::hasTopic(99));
    EXPECT_TRUE(QtHelp::popupText(99).contains(QStringLiteral("99")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/contents.html")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/usinghelp.html")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/help.css")));
}

TEST(HelpPages, EveryLinkLeadsSomewhereAndEveryPageIsReachableFromTheContents)
{
    const QStringList pages = helpResources();
    ASSERT_GE(pages.size(), 20);
    QSet<QString> reached {QStringLiteral("contents.html")};
    std::deque<QString> queue {QStringLiteral("contents.html")};
    for (const QString &page : pages) {
        const QString html = readPage(QStringLiteral(":/help/") + page);
        for (const QString &link : linksOf(html)) {
            SCOPED_TRACE(QString(page + QStringLiteral(" -> ") + link).toStdString());
            if (link.startsWith(QStringLiteral("http"))
                || link.startsWith(QStringLiteral("mailto:")))
                continue;
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            const QString anchor = link.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? page : file;
            ASSERT_TRUE(QFile::exists(QStringLiteral(":/help/") + target));
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(hasAnchor(readPage(QStringLiteral(":/help/") + target), anchor));
            }
        }
    }
    while (!queue.empty()) {
        const QString page = queue.front();
        queue.pop_front();
        for (const QString &link : linksOf(readPage(QStringLiteral(":/help/") + page))) {
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            if (file.endsWith(QStringLiteral(".html")) && !reached.contains(file)) {
                reached.insert(file);
                queue.push_back(file);
            }
        }
    }
    for (const QString &page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not linked";
}

TEST(HelpPages, TheKeyboardPageNamesEveryAltKeyOfTheWindows)
{
    QTextDocument page;
    page.setHtml(readPage(QStringLiteral(":/help/keyboard.html")));
    const QString text = page.toPlainText();
    for (const char *ui : {"session/frmmain.ui", "taskeditor/frmeditfile.ui",
                           "lists/frmeditsonglist.ui", "options/frmoptions.ui"}) {
        const QStringList keys
            = altKeysOf(QStringLiteral(TB_SOURCE_DIR "/src/") + QString::fromLatin1(ui));
        EXPECT_FALSE(keys.isEmpty()) << ui;
        for (const QString &key : keys)
            EXPECT_TRUE(text.contains(key)) << ui << ": " << key.toStdString();
    }
}

TEST(HelpWindowTest, ContextOpensItsPageInOneReusedWindow)
{
    QtHelp help;
    EXPECT_EQ(help.window(), nullptr);

    help.WinHelp(Help::HELP_CONTEXT, 10);
    tb::HelpWindow *window = help.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 2000));
    EXPECT_EQ(window->currentPage(), QtHelp::topicPage(10));
    EXPECT_TRUE(window->notice().isEmpty());
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Tallybell Help")));
    auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("helpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(
        browser->toPlainText().contains(QStringLiteral("task list editor"), Qt::CaseInsensitive));

    help.WinHelp(Help::HELP_FINDER, 0);
    EXPECT_EQ(help.window(), window);
    EXPECT_EQ(window->currentPage(), QtHelp::contentsPage());

    help.WinHelp(Help::HELP_HELPONHELP, 0);
    EXPECT_EQ(help.window(), window);
    EXPECT_EQ(window->currentPage(), QtHelp::usingHelpPage());

    // Closed and asked again: the same window comes back with the new page.
    window->close();
    EXPECT_FALSE(window->isVisible());
    help.WinHelp(Help::HELP_CONTEXT, 6);
    EXPECT_EQ(help.window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), QtHelp::topicPage(6));
}

TEST(HelpWindowPlacement, BesideTheAnchorAndAlwaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize frame(500, 400);
    const QSize narrow(300, 400);
    struct Case {
        const char *what;
        QRect available, anchor;
        QSize frame;
        QRect placed;
    };
    const Case cases[] = {
        {"room on the right", screen, {100, 100, 400, 300}, frame, {{508, 100}, frame}},
        {"just room on the right", screen, {500, 0, 472, 300}, narrow, {{980, 0}, narrow}},
        {"a pixel short on the right: left",
         screen,
         {501, 0, 472, 300},
         narrow,
         {{193, 0}, narrow}},
        {"room on the left only", screen, {800, 100, 400, 300}, frame, {{292, 100}, frame}},
        {"no room: over it on the roomier right",
         screen,
         {200, 0, 800, 300},
         frame,
         {{780, 0}, frame}},
        {"no room: over it on the roomier left",
         screen,
         {300, 0, 800, 300},
         frame,
         {{0, 0}, frame}},
        {"low anchor: raised to fit", screen, {100, 900, 400, 100}, frame, {{508, 624}, frame}},
        {"anchor above the screen", screen, {100, -50, 400, 300}, frame, {{508, 0}, frame}},
        {"larger than the screen: shrunk", screen, {100, 100, 400, 300}, {2000, 1200}, screen},
        {"second screen under a panel",
         {1280, 24, 1920, 1056},
         {1400, 10, 600, 400},
         {680, 560},
         {{2008, 24}, QSize(680, 560)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = tb::HelpWindow::besideRect(c.anchor, c.frame, c.available);
        EXPECT_EQ(placed, c.placed);
        EXPECT_TRUE(c.available.contains(placed));
    }
}

TEST(HelpWindowTest, OneTitleAndOpensBesideTheMainWindow)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setObjectName(QStringLiteral("frmmain"));
    main.setGeometry(available.left() + 20, available.top() + 40, 250, 200);
    main.show();

    QtHelp help;
    help.WinHelp(Help::HELP_CONTEXT, 10);
    tb::HelpWindow *window = help.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), "Tallybell Help");
    help.WinHelp(Help::HELP_FINDER, 0);
    EXPECT_EQ(window->windowTitle().toStdString(), "Tallybell Help");
    EXPECT_TRUE(available.contains(window->frameGeometry()));

    // Room on the right of the main window: there, level with its top.
    window->close();
    window->resize(400, 250);
    help.WinHelp(Help::HELP_CONTEXT, 15);
    EXPECT_EQ(window->pos(), QPoint(main.frameGeometry().right() + 9, main.y()));
    EXPECT_EQ(window->size(), QSize(400, 250));

    // Open windows stay where they are; once closed, the next opening goes left of a main
    // window at the right edge of the screen.
    const QPoint before = window->pos();
    main.move(available.right() - 260, available.top() + 40);
    help.WinHelp(Help::HELP_CONTEXT, 18);
    EXPECT_EQ(window->pos(), before);
    window->close();
    help.WinHelp(Help::HELP_CONTEXT, 18);
    EXPECT_EQ(window->frameGeometry().topRight(), QPoint(main.x() - 9, main.y()));
}

TEST(HelpWindowTest, ButtonsGoBackForwardHomeAndToTheContents)
{
    QtHelp help;
    help.WinHelp(Help::HELP_CONTEXT, 12);
    tb::HelpWindow *window = help.window();
    ASSERT_NE(window, nullptr);
    auto *back = window->findChild<QPushButton *>(QStringLiteral("helpBack"));
    auto *forward = window->findChild<QPushButton *>(QStringLiteral("helpForward"));
    auto *home = window->findChild<QPushButton *>(QStringLiteral("helpHome"));
    auto *contents = window->findChild<QPushButton *>(QStringLiteral("helpContents"));
    ASSERT_TRUE(back && forward && home && contents);
    for (QPushButton *button : {back, forward, home, contents}) {
        EXPECT_TRUE(button->text().contains(QLatin1Char('&'))) << button->text().toStdString();
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    EXPECT_FALSE(back->isEnabled());

    contents->click();
    EXPECT_EQ(window->currentPage(), QtHelp::contentsPage());
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window->currentPage(), QtHelp::topicPage(12));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(window->currentPage(), QtHelp::contentsPage());
    home->click();
    EXPECT_EQ(window->currentPage(), QtHelp::topicPage(12));

    // The window can be made larger and smaller.
    window->resize(900, 700);
    EXPECT_EQ(window->size(), QSize(900, 700));
    window->resize(400, 300);
    EXPECT_EQ(window->size(), QSize(400, 300));
}

TEST(HelpWindowTest, MissingTopicShowsTheContentsWithANotice)
{
    QtHelp help;
    help.WinHelp(Help::HELP_CONTEXT, 99);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->currentPage(), QtHelp::contentsPage());
    EXPECT_TRUE(help.window()->notice().contains(QStringLiteral("99")));

    // Moving on to a real page clears the notice.
    help.WinHelp(Help::HELP_CONTEXT, 15);
    EXPECT_EQ(help.window()->currentPage(), QtHelp::topicPage(15));
    EXPECT_TRUE(help.window()->notice().isEmpty());

    // An unknown command falls back to the contents too.
    help.WinHelp(2, 0);
    EXPECT_EQ(help.window()->currentPage(), QtHelp::contentsPage());
}

TEST(HelpWindowTest, PopupShowsTheTopicsShortTextWithoutAWindow)
{
    QtHelp help;
    help.WinHelp(Help::HELP_CONTEXTPOPUP, 18);
    EXPECT_EQ(help.window(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return visibleWhatsThisPopup() != nullptr; }, 2000));
    QWhatsThis::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return visibleWhatsThisPopup() == nullptr; }, 2000));

    // A topic without a page still gets a pop-up, saying so.
    help.WinHelp(Help::HELP_CONTEXTPOPUP, 99);
    EXPECT_TRUE(QTest::qWaitFor([] { return visibleWhatsThisPopup() != nullptr; }, 2000));
    QWhatsThis::hideText();
}
