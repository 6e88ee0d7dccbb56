#include "platform/qt/QtHelp.h"

#include "platform/Translator.h"
#include "platform/qt/HelpWindow.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QRegularExpression>
#include <QWhatsThis>

namespace tb {

namespace {

QString resourcePath(const QUrl &page)
{
    return QLatin1Char(':') + page.path();
}

// The folder of the help in the language the texts are shown in, or empty for the English
// pages. Only a plain language code names a folder, so nothing leads out of ":/help".
QString languageFolder()
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    QString language = QString::fromStdString(uiLanguage());
    if (language == QLatin1String("en") || !code.match(language).hasMatch())
        return {};
    return language;
}

QString noHelpText(int context)
{
    return QtHelp::tr("There is no help for this item (topic %1).").arg(context);
}

// The window the help goes beside: the one the user asked from, else the main window.
const QWidget *helpAnchor(const QWidget *help)
{
    const QWidget *active = QApplication::activeWindow();
    if (active && active != help && active->isVisible())
        return active;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows)
        if (window->objectName() == QLatin1String("frmmain") && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

QtHelp::QtHelp(QObject *parent) : QObject(parent)
{
}

QtHelp::~QtHelp()
{
    delete window_.data();
}

QUrl QtHelp::page(const QString &name)
{
    const QString folder = languageFolder();
    if (folder.isEmpty())
        return QUrl(QStringLiteral("qrc:/help/") + name);
    return existing(QUrl(QStringLiteral("qrc:/help/%1/%2").arg(folder, name)));
}

QUrl QtHelp::existing(const QUrl &url)
{
    static const QRegularExpression translated(QStringLiteral("^/help/[a-z]{2,3}/([^/]+)$"));
    const QRegularExpressionMatch match = translated.match(url.path());
    if (url.scheme() != QLatin1String("qrc") || !match.hasMatch()
        || QFile::exists(resourcePath(url)))
        return url;
    QUrl english = url;
    english.setPath(QStringLiteral("/help/") + match.captured(1));
    return english;
}

QUrl QtHelp::contentsPage()
{
    return page(QStringLiteral("contents.html"));
}

QUrl QtHelp::usingHelpPage()
{
    return page(QStringLiteral("usinghelp.html"));
}

QUrl QtHelp::topicPage(int context)
{
    return page(QStringLiteral("topic%1.html").arg(context));
}

bool QtHelp::hasTopic(int context)
{
    return QFile::exists(resourcePath(topicPage(context)));
}

const QList<int> &QtHelp::usedContexts()
{
    // Windows: 6 options, 10 task list editor, 12 list files. Controls: 8, 15, 18, 19 on
    // the main window; 19 and 21 to 25, 29 on the editor; 20, 21, 29 to 35 in the options.
    static const QList<int> contexts {6,  8,  10, 12, 15, 18, 19, 20, 21, 22,
                                      23, 24, 25, 29, 30, 31, 32, 33, 34, 35};
    return contexts;
}

QString QtHelp::popupText(int context)
{
    QFile file(resourcePath(topicPage(context)));
    if (!file.open(QIODevice::ReadOnly))
        return noHelpText(context);
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression summary(QStringLiteral("<p class=\"summary\">(.*?)</p>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = summary.match(html);
    if (!match.hasMatch())
        return noHelpText(context);
    return QStringLiteral("<p>") + match.captured(1).simplified() + QStringLiteral("</p>");
}

void QtHelp::WinHelp(int command, int context)
{
    switch (command) {
    case HELP_CONTEXT:
        if (hasTopic(context))
            showPage(topicPage(context));
        else
            showPage(contentsPage(), noHelpText(context));
        return;
    case HELP_CONTEXTPOPUP:
        QWhatsThis::showText(QCursor::pos(), popupText(context));
        return;
    case HELP_HELPONHELP:
        showPage(usingHelpPage());
        return;
    case HELP_FINDER:
    default:
        showPage(contentsPage());
        return;
    }
}

void QtHelp::showPage(const QUrl &page, const QString &notice)
{
    if (!window_)
        window_ = new HelpWindow;
    window_->showPage(page, notice);
    // A window already open stays where the user has put it.
    if (!window_->isVisible())
        window_->placeBeside(helpAnchor(window_));
    if (window_->isMinimized())
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace tb
