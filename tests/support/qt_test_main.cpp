// A main for GoogleTest executables that need a QApplication (windows, widgets, local
// sockets, resources). Add this file to a test's SOURCES and link tallybell_ui; the test
// must not link GTest::gtest_main. Window tests run on the offscreen platform (WINDOW).

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
