#include "platform/Shell.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QtCore/qtestsupport_core.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
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

// Whatever the process writes on its standard output and error while it lives.
class CapturedOutput
{
public:
    explicit CapturedOutput(const std::string &file)
        : file_(file), out_(dup(STDOUT_FILENO)), err_(dup(STDERR_FILENO))
    {
        std::fflush(nullptr);
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, STDOUT_FILENO);
        dup2(fd, STDERR_FILENO);
        close(fd);
    }
    ~CapturedOutput() { restore(); }
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    std::string text()
    {
        restore();
        return tb::test::readFile(file_);
    }

private:
    void restore()
    {
        if (out_ < 0)
            return;
        std::fflush(nullptr);
        dup2(out_, STDOUT_FILENO);
        dup2(err_, STDERR_FILENO);
        close(out_);
        close(err_);
        out_ = err_ = -1;
    }

    std::string file_;
    int out_, err_;
};

class QtShellTest : public ::testing::Test
{
protected:
    // A stand-in for the desktop's opener: notes each address it gets on a line of its own,
    // talks on both output channels and ends with `exitCode`.
    QString opener(int exitCode)
    {
        const std::string path = dir.file("opener" + std::to_string(exitCode));
        tb::test::writeFile(path,
                            "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + dir.file("opened")
                                + "'\necho 'opener: starting'\necho 'opener: no method' >&2\nexit "
                                + std::to_string(exitCode) + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return QString::fromStdString(path);
    }
    // The addresses the opener got, once it has got `count` of them.
    QStringList opened(int count)
    {
        QStringList lines;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                lines = QString::fromStdString(tb::test::readFile(dir.file("opened")))
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                return lines.size() >= count;
            },
            5000));
        return lines;
    }

    tb::test::TempDir dir;
    tb::test::FakeMessageBox messages;
};

TEST_F(QtShellTest, EachAddressReachesTheOpenerWholeAndQuietly)
{
    CapturedOutput output(dir.file("console"));
    {
        tb::QtShell shell(&messages, opener(0));
        // Nothing else goes to the opener.
        for (const char *address :
             {"file:///bin/sh", "javascript:alert(1)", "/usr/bin/xterm", "rm -rf ~", "",
              "https://exa mple.org/", "https:///nohost", "http://[broken", "-h"})
            tb::OpenWebPage(shell, address);
        tb::OpenWebPage(shell, "https://orvane.example.org/tallybell");
        QStringList got = opened(1);
        tb::OpenWebPage(shell, "http://orvane.example.org/a%20b");
        got = opened(2);
        tb::OpenMailMessage(shell, "tallybell@orvane.example.org");
        got = opened(3);
        // An address with '?' and '&' in it does not add header fields.
        tb::OpenMailMessage(shell, "a?cc=b@x.org&body=hi");
        got = opened(4);
        const std::string console = output.text();

        ASSERT_EQ(got.size(), 4) << got.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(got[0].toStdString(), "https://orvane.example.org/tallybell");
        EXPECT_EQ(got[1].toStdString(), "http://orvane.example.org/a%20b");
        const QUrl mail(got[2]);
        EXPECT_EQ(mail.scheme().toStdString(), "mailto");
        EXPECT_EQ(mail.path().toStdString(), "tallybell@orvane.example.org");
        EXPECT_EQ(QUrlQuery(mail)
                      .queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded)
                      .toStdString(),
                  "Tallybell 1.1.0 Comment");
        const QUrl tricky(got[3]);
        const QUrlQuery query(tricky);
        EXPECT_EQ(tricky.path(QUrl::FullyDecoded).toStdString(), "a?cc=b@x.org&body=hi");
        EXPECT_FALSE(query.hasQueryItem(QStringLiteral("cc")));
        EXPECT_FALSE(query.hasQueryItem(QStringLiteral("body")));
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
        EXPECT_EQ(console, "");
    }
}

TEST_F(QtShellTest, WhenNothingTakesTheAddressTheUserIsShownItAndNothingIsPrinted)
{
    UrlCatcher catcher;
    CapturedOutput output(dir.file("console"));
    {
        // The opener finds no program for it.
        tb::QtShell shell(&messages, opener(3));
        tb::OpenWebPage(shell, "https://orvane.example.org/tallybell");
        static_cast<void>(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
        tb::OpenMailMessage(shell, "tallybell@orvane.example.org");
        static_cast<void>(QTest::qWaitFor([&] { return messages.shown.size() >= 2; }, 5000));
    }
    {
        // An opener that cannot even start.
        const std::string broken = dir.file("broken-opener");
        tb::test::writeFile(broken, "#!/nonexistent/interpreter\n");
        std::filesystem::permissions(broken, std::filesystem::perms::owner_all);
        tb::QtShell shell(&messages, QString::fromStdString(broken));
        tb::OpenWebPage(shell, "https://orvane.example.org/tallybell#top");
        static_cast<void>(QTest::qWaitFor([&] { return messages.shown.size() >= 3; }, 5000));
    }
    {
        // No opener: Qt's own ways are tried, which find nothing on this platform.
        tb::QtShell shell(&messages, QString::fromStdString(dir.file("missing-opener")));
        tb::OpenWebPage(shell, "https://orvane.example.org/tallybell?a=1");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        tb::OpenWebPage(shell, "https://orvane.example.org/caught");
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    const std::string console = output.text();

    ASSERT_EQ(catcher.opened.size(), 1u);
    EXPECT_EQ(catcher.opened[0].path().toStdString(), "/caught");
    // The address ends the message, alone on its line, ready to be copied.
    const std::vector<std::string> shownAddresses {"\n\nhttps://orvane.example.org/tallybell",
                                                   "\n\ntallybell@orvane.example.org",
                                                   "\n\nhttps://orvane.example.org/tallybell#top",
                                                   "\n\nhttps://orvane.example.org/tallybell?a=1"};
    ASSERT_EQ(messages.shown.size(), shownAddresses.size());
    for (std::size_t i = 0; i < shownAddresses.size(); ++i) {
        const auto &shown = messages.shown[i];
        const std::string &address = shownAddresses[i];
        EXPECT_EQ(shown.caption, "Tallybell");
        EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MsgButtons::Ok);
        EXPECT_TRUE(shown.text.ends_with(address)) << shown.text;
    }
    EXPECT_NE(messages.shown[1].text.find("mail"), std::string::npos);
    EXPECT_EQ(console, "");
}

#include "test_qt_adapters.moc"
