#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "support/Fakes.h"

#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <string>

TEST(MailMessage, SubjectNamesProductAndVersionEncoded)
{
    EXPECT_EQ(tb::mailMessageAddress("tallybell@orvane.example.org"),
              "mailto:tallybell@orvane.example.org?subject=Tallybell%201.1.0%20Comment");

    tb::test::FakeShell shell;
    tb::OpenMailMessage(shell, "ann@example.org");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "mailto:ann@example.org?subject=Tallybell%201.1.0%20Comment");
}

TEST(MailMessage, AddressCannotBreakOutOfTheMailtoAddress)
{
    // A '?' or '&' would start or add header fields, '#' a fragment, '%' an escape.
    EXPECT_EQ(
        tb::mailMessageAddress("a?cc=b@x.org&bcc=c@x.org#f%41"),
        "mailto:a%3Fcc%3Db@x.org%26bcc%3Dc@x.org%23f%2541?subject=Tallybell%201.1.0%20Comment");
    // Blanks, line breaks, other control characters and bytes above 127 are encoded too.
    EXPECT_EQ(tb::mailMessageAddress(" a b\r\n\t\x7f\xc3\xa9@x"),
              "mailto:%20a%20b%0D%0A%09%7F%C3%A9@x?subject=Tallybell%201.1.0%20Comment");
    // Characters an address may carry stay as they are.
    EXPECT_EQ(tb::mailMessageAddress("first.last+tag-1_x~y@sub.example.org,other@x.org"),
              "mailto:first.last+tag-1_x~y@sub.example.org,other@x.org"
              "?subject=Tallybell%201.1.0%20Comment");
    EXPECT_EQ(tb::mailMessageAddress(""), "mailto:?subject=Tallybell%201.1.0%20Comment");
}

TEST(WebPage, AddressIsHandedOverUnchanged)
{
    tb::test::FakeShell shell;
    tb::OpenWebPage(shell, "https://orvane.example.org/tallybell?x=1");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://orvane.example.org/tallybell?x=1");
}

TEST(SystemClock, GivesWholeSecondsSinceTheEpoch)
{
    using namespace std::chrono;
    const tb::SystemClock clock;
    const auto before = duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    const auto now = clock.now();
    const auto after = duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    EXPECT_GT(now, 1'600'000'000); // after September 2020: seconds, not milliseconds or days
    EXPECT_LT(now, 10'000'000'000);
}

TEST(StdRandom, StaysInRangeAndReachesEveryValueEvenly)
{
    tb::StdRandom random;
    std::array<int, 7> counts {};
    constexpr int draws = 70'000;
    for (int i = 0; i < draws; ++i) {
        const int v = random.below(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        ++counts[static_cast<std::size_t>(v)];
    }
    // Each value expects 10000 draws; the standard deviation is about 93.
    for (int c : counts) {
        EXPECT_GT(c, 9'500);
        EXPECT_LT(c, 10'500);
    }
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(random.below(1), 0);
    EXPECT_EQ(random.below(0), 0); // out of contract, but no crash and no out-of-range value
}

TEST(StdRandom, TwoGeneratorsAreSeededDifferently)
{
    tb::StdRandom a;
    tb::StdRandom b;
    int same = 0;
    for (int i = 0; i < 64; ++i)
        same += a.below(1'000'000) == b.below(1'000'000) ? 1 : 0;
    EXPECT_LT(same, 4);
}
