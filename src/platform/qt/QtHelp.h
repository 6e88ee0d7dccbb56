#pragma once

#include "platform/Help.h"
#include "platform/qt/HelpWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

namespace tb {

// The program's help: HTML pages compiled in under ":/help", one per context number
// ("topic<N>.html"), plus the contents and a page on using the help. A language the help is
// translated into has its own pages in a folder of its name (":/help/de/topic6.html"); a page
// missing there is shown in English, and so is every page in a language without a folder.
//   HELP_CONTEXT     the topic's page in the help window (a missing topic: the contents,
//                    with a line saying that there is no help for it)
//   HELP_FINDER      the contents page
//   HELP_HELPONHELP  the page on using the help
//   HELP_CONTEXTPOPUP the topic's short text as a What's-This pop-up at the mouse
// The help window is made on first use, then reused and brought to the front. Each time it
// opens it goes beside the window the help was asked from (else beside the main window,
// "frmmain"); while open it stays where the user put it.
class QtHelp final : public QObject, public Help
{
    Q_OBJECT
public:
    explicit QtHelp(QObject *parent = nullptr);
    ~QtHelp() override;

    void WinHelp(int command, int context) override;

    // The help window, or null before the first page was shown.
    HelpWindow *window() const { return window_; }

    // The help page `name` ("session.html") in the language the program's texts are shown
    // in, where the help has it in that language; else the English page.
    static QUrl page(const QString &name);
    // Where `url` (a page or the style sheet of the help) is found: a translated page that is
    // missing (a link to "qrc:/help/de/keyboard.html") is taken from the English pages.
    static QUrl existing(const QUrl &url);

    static QUrl contentsPage();
    static QUrl usingHelpPage();
    static QUrl topicPage(int context);
    static bool hasTopic(int context);
    // The topic's short text (rich text, from its page's summary paragraph), or a line
    // saying that there is no help for it.
    static QString popupText(int context);
    // Every context number the program's windows use.
    static const QList<int> &usedContexts();

private:
    void showPage(const QUrl &page, const QString &notice = {});

    QPointer<HelpWindow> window_;
};

} // namespace tb
