// The splash on the offscreen platform: its texts and the hand-over to the main window.

#include "about/frmSplash.h"
#include "tallybell/Version.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

using namespace std::chrono_literals;

QString qs(const char *text)
{
    return QString::fromUtf8(text);
}

// Notes whether the splash was still showing when the next window appeared.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(QWidget *watched, QWidget *splash) : splash_(splash)
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            ++shows;
            splashVisibleAtShow = splash_->isVisible();
        }
        return false;
    }
    int shows = 0;
    bool splashVisibleAtShow = true;

private:
    QWidget *splash_;
};

QString text(const frmSplash &splash, const char *name)
{
    const auto *label = splash.findChild<QLabel *>(qs(name));
    return label ? label->text() : qs("(missing)");
}

TEST(Splash, ShowsTheProductAndHandsOverWhenItsTimeIsUp)
{
    frmSplash standard;
    const auto *standardTimer = standard.findChild<QTimer *>(qs("splashTimer"));
    ASSERT_NE(standardTimer, nullptr);
    EXPECT_EQ(standardTimer->interval(), 3000);
    EXPECT_TRUE(standardTimer->isSingleShot());

    QWidget next;
    frmSplash splash(150ms);
    ASSERT_NE(splash.findChild<QWidget *>(qs("Frame1")), nullptr);
    EXPECT_EQ(text(splash, "lblProductName"), qs("Tallybell"));
    EXPECT_EQ(text(splash, "lblVersion"), qs("Version 1.1.0"));
    EXPECT_EQ(text(splash, "lblCopyright"), qs(version::kLegalNotice));
    EXPECT_EQ(text(splash, "lblCompanyProduct"), qs("Orvane"));
    const auto *logo = splash.findChild<QLabel *>(qs("imgLogo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));

    ShowWatcher watcher(&next, &splash);
    QSignalSpy finished(&splash, &frmSplash::finished);
    splash.handOverTo(&next);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(next.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(next.isVisible(), 3000);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(watcher.splashVisibleAtShow);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(watcher.shows, 1);
}

TEST(Splash, AKeyEndsItAtOnce)
{
    QWidget next;
    frmSplash splash(1h);
    QSignalSpy finished(&splash, &frmSplash::finished);
    splash.handOverTo(&next);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));

    QTest::keyClick(&splash, Qt::Key_X);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(next.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.findChild<QTimer *>(qs("splashTimer"))->isActive());

    // A second key has nothing left to end.
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
}

TEST(Splash, AClickEndsItToo)
{
    QWidget next;
    frmSplash splash(1h);
    splash.handOverTo(&next);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(next.isVisible());
}

} // namespace
} // namespace tb::test
