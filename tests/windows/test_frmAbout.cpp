// The about box on the offscreen platform: its texts and its two links.

#include "WindowsFixture.h"
#include "about/frmAbout.h"
#include "platform/Shell.h"
#include "tallybell/Version.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

QLabel *label(QWidget *window, const char *name)
{
    auto *found = window->findChild<QLabel *>(qs(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class AboutBox : public WindowsFixture
{
protected:
    frmAbout *showAbout()
    {
        program->show(FormId::About);
        auto *about = qobject_cast<frmAbout *>(windows->window(FormId::About));
        EXPECT_NE(about, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
        return about;
    }
};

TEST_F(AboutBox, ShowsWhoAndWhatTheProgramIs)
{
    frmAbout *about = showAbout();

    EXPECT_EQ(about->windowTitle(), qs("About Tallybell"));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(label(about, "lblTitle")->text(), qs("Tallybell"));
    EXPECT_TRUE(label(about, "lblTitle")->font().bold());
    EXPECT_EQ(label(about, "lblVersion")->text(), qs("Version 1.1.0"));
    EXPECT_EQ(label(about, "lblDescription")->text(), qs(version::kLegalNotice));
    EXPECT_TRUE(label(about, "Label1")->text().contains(qs("without warranty")));
    EXPECT_FALSE(label(about, "Image1")->pixmap().isNull());

    QLabel *web = label(about, "lblgotowebsite");
    EXPECT_EQ(web->text(), qs("Click here to go to Orvane Web Page"));
    EXPECT_EQ(web->toolTip(), qs(version::kWebAddress));
    QLabel *mail = label(about, "lblemail");
    EXPECT_TRUE(mail->text().contains(qs("Orvane")));
    EXPECT_EQ(mail->toolTip(), qs(version::kMailAddress));
    for (QLabel *link : {web, mail}) {
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->palette().color(link->foregroundRole()), QColor(0, 0, 0xee));
    }

    auto *ok = about->findChild<QPushButton *>(qs("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), qs("OK"));
    EXPECT_TRUE(ok->isDefault());

    // One about box: asking again brings the same one forward.
    EXPECT_EQ(showAbout(), about);

    QPointer<frmAbout> guard(about);
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());

    // Escape closes it too.
    guard = showAbout();
    QTest::keyClick(guard.data(), Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
}

TEST_F(AboutBox, ItsLinksOpenTheAddressesOfTheirToolTips)
{
    frmAbout *about = showAbout();

    QTest::mouseClick(label(about, "lblgotowebsite"), Qt::LeftButton);
    QTest::mouseClick(label(about, "lblemail"), Qt::LeftButton);
    QTest::mouseClick(label(about, "lblVersion"), Qt::LeftButton); // not a link
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], label(about, "lblgotowebsite")->toolTip().toStdString());
    EXPECT_EQ(shell.opened[1],
              mailMessageAddress(label(about, "lblemail")->toolTip().toStdString()));
    EXPECT_EQ(shell.opened[1].rfind("mailto:" + std::string(version::kMailAddress), 0), 0u);

    // From the keyboard as well.
    label(about, "lblgotowebsite")->setFocus();
    QTest::keyClick(label(about, "lblgotowebsite"), Qt::Key_Space);
    EXPECT_EQ(shell.opened.size(), 3u);
    EXPECT_TRUE(about->isVisible());
}

} // namespace
} // namespace tb::test
