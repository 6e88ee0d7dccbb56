#pragma once

#include <QRect>
#include <QSize>
#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace tb {

// The help viewer: one resizable window with the page and Back, Forward, Home and Contents
// buttons. Its pages are the program's own HTML pages under ":/help"; a link from a translated
// page to one the translation lacks shows the English page, its links still leading to the
// translated pages.
class HelpWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows `page` ("qrc:/help/..."); `notice`, when not empty, is a line shown above it
    // until the reader moves to another page.
    void showPage(const QUrl &page, const QString &notice = {});
    QUrl currentPage() const;
    QString notice() const;

    // Moves the window beside `anchor` (a window of the program) on the anchor's screen; with
    // no anchor, to the middle of the primary screen.
    void placeBeside(const QWidget *anchor);
    // Where a window whose frame is `frame` large goes beside the frame `anchor` within the
    // screen's `available` area: to its right when there is room, else to its left, else
    // overlapping it at the side with more room; level with its top as far as the screen
    // allows. A frame larger than the area is shrunk to fit it.
    static QRect besideRect(const QRect &anchor, QSize frame, const QRect &available);

private:
    QTextBrowser *browser_;
    QLabel *notice_;
    QPushButton *back_;
    QPushButton *forward_;
    QPushButton *home_;
    QPushButton *contents_;
};

} // namespace tb
