#include "platform/qt/Text.h"
#include "text/Encoding.h"

#include <QString>

#include <gtest/gtest.h>

using tb::fromFileBytes;
using tb::isUtf8;
using tb::toFileBytes;

TEST(FileText, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(fromFileBytes("Scales in G"), QStringLiteral("Scales in G"));
    EXPECT_EQ(fromFileBytes("\xc3\xa9tude \xe2\x80\x9c"
                            "five\xe2\x80\x9d \xf0\x9f\x8e\xb5"),
              QString::fromUtf16(u"\u00e9tude \u201cfive\u201d \U0001F3B5"));
    EXPECT_EQ(fromFileBytes(""), QString());
    EXPECT_EQ(fromFileBytes(std::string("a\0b", 3)).size(), 3);
}

TEST(FileText, OtherBytesAreReadAsWindows1252)
{
    // Curly quotes, e acute and the euro sign as an older system stored them.
    EXPECT_EQ(fromFileBytes("\x93Sonata\x94 in \xe9 \x80"),
              QString::fromUtf16(u"\u201cSonata\u201d in \u00e9 \u20ac"));
    // The whole 0x80-0x9F block, including the five codes Windows-1252 leaves unassigned.
    std::string block;
    for (int b = 0x80; b <= 0x9F; ++b)
        block += static_cast<char>(b);
    EXPECT_EQ(fromFileBytes(block),
              QString::fromUtf16(u"\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021"
                                 u"\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f"
                                 u"\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014"
                                 u"\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178"));
    EXPECT_EQ(fromFileBytes("\xa0\xbf\xff"), QString::fromUtf16(u"\u00a0\u00bf\u00ff"));
}

TEST(FileText, MixedOrBrokenUtf8FallsBackToWindows1252ForTheWholeText)
{
    // A valid UTF-8 "é" next to a lone 1252 byte: the text as a whole is not UTF-8.
    EXPECT_EQ(fromFileBytes("\xc3\xa9 \xe9"), QString::fromUtf16(u"\u00c3\u00a9 \u00e9"));
    // A sequence cut short at the end of the text.
    EXPECT_EQ(fromFileBytes("ab\xe2\x80"), QString::fromUtf16(u"ab\u00e2\u20ac"));
}

TEST(FileText, Utf8ValidationRejectsMalformedSequences)
{
    EXPECT_TRUE(isUtf8(""));
    EXPECT_TRUE(isUtf8("plain ASCII ~\x7f"));
    EXPECT_TRUE(isUtf8("\xc2\x80\xdf\xbf\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf"));
    EXPECT_FALSE(isUtf8("\x80")); // continuation byte without a lead
    EXPECT_FALSE(isUtf8("\xc0\xaf")); // overlong "/"
    EXPECT_FALSE(isUtf8("\xe0\x80\xaf")); // overlong, three bytes
    EXPECT_FALSE(isUtf8("\xed\xa0\x80")); // UTF-16 surrogate
    EXPECT_FALSE(isUtf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(isUtf8("\xf5\x80\x80\x80"));
    EXPECT_FALSE(isUtf8("\xc3(")); // lead byte followed by ASCII
    EXPECT_FALSE(isUtf8("\xe2\x82")); // truncated
    EXPECT_FALSE(isUtf8("\xff"));
}

TEST(FileText, WrittenAsUtf8AndReadBackUnchanged)
{
    const QString text = QString::fromUtf16(u"\u201cSonata\u201d \u00e9 \u20ac %CR% \U0001F3B5");
    const std::string bytes = toFileBytes(text);
    EXPECT_EQ(bytes, "\xe2\x80\x9cSonata\xe2\x80\x9d \xc3\xa9 \xe2\x82\xac %CR% \xf0\x9f\x8e\xb5");
    EXPECT_EQ(fromFileBytes(bytes), text);
    // Text that came from a 1252 file is written back as UTF-8, not as its old bytes.
    EXPECT_EQ(toFileBytes(fromFileBytes("caf\xe9")), "caf\xc3\xa9");
}
