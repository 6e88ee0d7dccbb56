#pragma once

// Waiting for what the event loop brings about, as GoogleTest assertions: Qt's own QTRY
// macros report to a QTest run, which a GoogleTest executable has not, so their failures
// would pass unseen. QTest::qWaitFor runs the event loop until its condition holds, for at
// most five seconds.

#include <QTest>

#define ASSERT_SOON(condition)                                                                     \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); })) << #condition
#define ASSERT_SOON_EQ(actual, expected)                                                           \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }));                \
        ASSERT_EQ(actual, expected);                                                               \
    } while (false)
