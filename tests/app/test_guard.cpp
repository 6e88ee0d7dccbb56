// An exception escaping an event handler is shown, and the event loop goes on.

#include "app/qt/GuardedApplication.h"
#include "support/Fakes.h"

#include <QTimer>

#include <gtest/gtest.h>
#include <stdexcept>

TEST(GuardedApplication, ReportsAnEscapedExceptionAndGoesOn)
{
    tb::test::FakeMessageBox messages;
    auto *app = static_cast<tb::GuardedApplication *>(QCoreApplication::instance());
    app->setMessages(&messages);

    bool after = false;
    QTimer::singleShot(0, app, [] { throw std::runtime_error("the disk caught fire"); });
    QTimer::singleShot(10, app, [&after] { after = true; });
    QTimer::singleShot(20, app, &QCoreApplication::quit);
    QCoreApplication::exec();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("the disk caught fire"), std::string::npos);
    EXPECT_EQ(messages.shown[0].caption, "Tallybell");
    EXPECT_TRUE(after);
    app->setMessages(nullptr);
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    tb::GuardedApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
