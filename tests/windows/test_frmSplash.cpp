// The splash on the offscreen platform: its hand-over to the main window.

#include "about/frmSplash.h"

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <gtest/gtest.h>

namespace tb::test {
namespace {

using namespace std::chrono_literals;

TEST(Splash, EndsWhenItsTimeIsUpOrAtAKeyOrAClickAndThenShowsTheNextWindow)
{
    // The next window notes whether the splash was still showing when it appeared.
    struct Next : QWidget {
        void showEvent(QShowEvent *) override { splashUp.push_back(splash->isVisible()); }
        QWidget *splash = nullptr;
        std::vector<bool> splashUp;
    };
    for (const int end : {0, 1, 2}) { // time, key, click
        SCOPED_TRACE(end);
        Next next;
        frmSplash splash(end == 0 ? 150ms : 1h);
        next.splash = &splash;
        QSignalSpy finished(&splash, &frmSplash::finished);
        splash.handOverTo(&next);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        EXPECT_FALSE(next.isVisible());
        if (end == 1)
            QTest::keyClick(&splash, Qt::Key_X);
        if (end == 2)
            QTest::mouseClick(&splash, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(next.isVisible(), 3000);
        QTest::keyClick(&splash, Qt::Key_Space); // nothing is left to end
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(next.splashUp, std::vector<bool> {false});
        EXPECT_EQ(finished.count(), 1);
    }
}

} // namespace
} // namespace tb::test
