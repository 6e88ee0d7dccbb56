#include "platform/Shell.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QtCore/qtestsupport_core.h>

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using tb::MsgButtons;
using tb::MsgIcon;
using tb::MsgResult;

namespace {

struct SeenBox {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool plainText = false;
};

// Waits for the message box to open, notes what it shows, then lets `answer` close it.
void whenBoxOpens(SeenBox &seen, std::function<void(QMessageBox *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.plainText = box->textFormat() == Qt::PlainText;
        answer(box);
    });
    poll->start(10);
}

void press(QMessageBox::StandardButton which, QMessageBox *box)
{
    box->button(which)->click();
}

} // namespace

TEST(QtMessageBox, QuestionShowsYesNoWithNoAsDefaultAndReturnsTheAnswer)
{
    tb::QtMessageBox messages;
    SeenBox seen;
    whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::Yes, box); });
    EXPECT_EQ(messages.show("Are you sure you wish to delete this list item?", "Tallybell",
                            MsgIcon::None, MsgButtons::YesNo),
              MsgResult::Yes);
    EXPECT_EQ(seen.caption, QStringLiteral("Tallybell"));
    EXPECT_EQ(seen.text, QStringLiteral("Are you sure you wish to delete this list item?"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::No);

    whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::No, box); });
    EXPECT_EQ(messages.show("Again?", "Tallybell", MsgIcon::None, MsgButtons::YesNo),
              MsgResult::No);

    // Escape (or the title bar's close) answers No.
    whenBoxOpens(seen, [](QMessageBox *box) { box->reject(); });
    EXPECT_EQ(messages.show("Again?", "Tallybell", MsgIcon::None, MsgButtons::YesNo),
              MsgResult::No);
}

TEST(QtMessageBox, DiskErrorShowsDecodedPlainTextWithItsLineBreaks)
{
    tb::QtMessageBox messages;
    SeenBox seen;
    whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::Ok, box); });
    EXPECT_EQ(messages.show("Couldn't copy <b>\x93tallydef.ini\x94</b>\r\n\r\nPermission denied",
                            "Tallybell - Disk Error", MsgIcon::Critical, MsgButtons::Ok),
              MsgResult::Ok);
    EXPECT_EQ(seen.caption, QStringLiteral("Tallybell - Disk Error"));
    EXPECT_EQ(seen.text,
              QString::fromUtf16(u"Couldn't copy <b>\u201ctallydef.ini\u201d</b>\n\n"
                                 u"Permission denied"));
    EXPECT_TRUE(seen.plainText);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(QtMessageBox, IconsAndButtonSetsMapOneToOne)
{
    tb::QtMessageBox messages;
    SeenBox seen;
    const std::vector<std::pair<MsgIcon, QMessageBox::Icon>> icons {
        {MsgIcon::Information, QMessageBox::Information},
        {MsgIcon::Exclamation, QMessageBox::Warning},
        {MsgIcon::Question, QMessageBox::Question}};
    for (const auto &[ours, qt] : icons) {
        whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::Ok, box); });
        messages.show("The time is up on this task", "Tallybell", ours, MsgButtons::Ok);
        EXPECT_EQ(seen.icon, qt);
    }
    whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::Cancel, box); });
    EXPECT_EQ(messages.show("t", "c", MsgIcon::None, MsgButtons::OkCancel), MsgResult::Cancel);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    whenBoxOpens(seen, [](QMessageBox *box) { press(QMessageBox::No, box); });
    EXPECT_EQ(messages.show("t", "c", MsgIcon::None, MsgButtons::YesNoCancel), MsgResult::No);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Cancel);
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { opened.push_back(url); }

public:
    std::vector<QUrl> opened;
};

class QtShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *scheme : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    }
    void TearDown() override
    {
        for (const char *scheme : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    UrlCatcher catcher;
};

TEST_F(QtShellTest, MailMessageArrivesWithAddressAndDecodedSubject)
{
    tb::QtShell shell;
    tb::OpenMailMessage(shell, "tallybell@orvane.example.org");
    ASSERT_EQ(catcher.opened.size(), 1u);
    const QUrl &url = catcher.opened[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("tallybell@orvane.example.org"));
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Tallybell 1.1.0 Comment"));

    // An address with '?' and '&' in it does not add header fields.
    catcher.opened.clear();
    tb::OpenMailMessage(shell, "a?cc=b@x.org&body=hi");
    ASSERT_EQ(catcher.opened.size(), 1u);
    const QUrlQuery query(catcher.opened[0]);
    EXPECT_EQ(catcher.opened[0].path(QUrl::FullyDecoded), QStringLiteral("a?cc=b@x.org&body=hi"));
    EXPECT_FALSE(query.hasQueryItem(QStringLiteral("cc")));
    EXPECT_FALSE(query.hasQueryItem(QStringLiteral("body")));
}

TEST_F(QtShellTest, WebPagesOpenButOtherOrBrokenAddressesDoNot)
{
    tb::QtShell shell;
    tb::OpenWebPage(shell, "https://orvane.example.org/tallybell");
    tb::OpenWebPage(shell, "http://orvane.example.org/a%20b");
    ASSERT_EQ(catcher.opened.size(), 2u);
    EXPECT_EQ(catcher.opened[0].toString(), QStringLiteral("https://orvane.example.org/tallybell"));
    EXPECT_EQ(catcher.opened[1].path(), QStringLiteral("/a b"));

    catcher.opened.clear();
    for (const char *address :
         {"file:///bin/sh", "javascript:alert(1)", "/usr/bin/xterm", "rm -rf ~", "",
          "https://exa mple.org/", "https:///nohost", "http://[broken"})
        tb::OpenWebPage(shell, address);
    EXPECT_TRUE(catcher.opened.empty()) << catcher.opened.front().toString().toStdString();
}

#include "test_qt_adapters.moc"
