#pragma once

// Waiting for what the event loop brings about, as GoogleTest assertions: Qt's own QTRY
// macros report to a QTest run, which a GoogleTest executable has not, so their failures
// would pass unseen.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

namespace tb::test {

// Runs the event loop until `condition` holds; false when it still does not after
// `timeoutMs`.
template<typename Condition> bool soon(Condition condition, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace tb::test

#define ASSERT_SOON(condition)                                                                     \
    ASSERT_TRUE(::tb::test::soon([&] { return static_cast<bool>(condition); })) << #condition
#define ASSERT_SOON_EQ(actual, expected)                                                           \
    do {                                                                                           \
        ::tb::test::soon([&] { return (actual) == (expected); });                                  \
        ASSERT_EQ(actual, expected);                                                               \
    } while (false)
