// The splash on the offscreen platform: its hand-over to the main window.

#include "about/frmSplash.h"

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

using namespace std::chrono_literals;

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

TEST(Splash, EndsWhenItsTimeIsUpOrAtAKeyOrAClickAndThenShowsTheNextWindow)
{
    enum class End { Time, Key, Click };
    for (const End end : {End::Time, End::Key, End::Click}) {
        SCOPED_TRACE(int(end));
        QWidget next;
        frmSplash splash(end == End::Time ? 150ms : 1h);
        ShowWatcher watcher(&next, &splash);
        QSignalSpy finished(&splash, &frmSplash::finished);
        splash.handOverTo(&next);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        EXPECT_FALSE(next.isVisible());
        if (end == End::Key)
            QTest::keyClick(&splash, Qt::Key_X);
        else if (end == End::Click)
            QTest::mouseClick(&splash, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(next.isVisible(), 3000);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(watcher.splashVisibleAtShow);
        // Nothing is left to end: a key afterwards shows nothing twice.
        QTest::keyClick(&splash, Qt::Key_Space);
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(watcher.shows, 1);
    }
}

} // namespace
} // namespace tb::test
