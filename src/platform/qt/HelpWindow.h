#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace tb {

// The help viewer: one resizable window with the page and Back, Forward, Home and Contents
// buttons. Its pages are the program's own HTML pages under ":/help".
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

private:
    void updateTitle();

    QTextBrowser *browser_;
    QLabel *notice_;
    QPushButton *back_;
    QPushButton *forward_;
    QPushButton *home_;
    QPushButton *contents_;
};

} // namespace tb
