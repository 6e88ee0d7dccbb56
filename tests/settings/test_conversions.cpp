#include "settings/Conversions.h"

#include <gtest/gtest.h>

using namespace tb;

TEST(TextToNumber, LeadingNumberRoundedHalfToEven)
{
    EXPECT_EQ(textToNumber("42"), 42);
    EXPECT_EQ(textToNumber("  \t12 apples"), 12);
    EXPECT_EQ(textToNumber("-7"), -7);
    EXPECT_EQ(textToNumber("+3"), 3);
    EXPECT_EQ(textToNumber("2.5"), 2);
    EXPECT_EQ(textToNumber("3.5"), 4);
    EXPECT_EQ(textToNumber("-2.5"), -2);
    EXPECT_EQ(textToNumber("0.5"), 0);
    EXPECT_EQ(textToNumber("1.5x"), 2);
    EXPECT_EQ(textToNumber("2.51"), 3);
    EXPECT_EQ(textToNumber(".5"), 0);
    EXPECT_EQ(textToNumber(".6"), 1);
    EXPECT_EQ(textToNumber("4."), 4);
    EXPECT_EQ(textToNumber("1e3"), 1000);
    EXPECT_EQ(textToNumber("1e"), 1);
    EXPECT_EQ(textToNumber("0x10"), 0);
}

TEST(TextToNumber, NoNumberReadsAsZero)
{
    for (const char *text :
         {"", "   ", "abc", "-", "+", ".", "-.", "e5", "- 5", "True", "nan", "inf"})
        EXPECT_EQ(textToNumber(text), 0) << '"' << text << '"';
    EXPECT_FALSE(beginsWithNumber("abc"));
    EXPECT_FALSE(beginsWithNumber("."));
    EXPECT_TRUE(beginsWithNumber(" -.5"));
}

TEST(TextToNumber, OutOfRangeIsClampedToSixteenBits)
{
    EXPECT_EQ(textToNumber("32767"), 32767);
    EXPECT_EQ(textToNumber("-32768"), -32768);
    EXPECT_EQ(textToNumber("32767.4"), 32767);
    EXPECT_EQ(textToNumber("32767.5"), 32767);
    EXPECT_EQ(textToNumber("-32768.5"), -32768);
    EXPECT_EQ(textToNumber("40000"), 32767);
    EXPECT_EQ(textToNumber("-40000"), -32768);
    EXPECT_EQ(textToNumber("99999999999999999999999"), 32767);
    EXPECT_EQ(textToNumber("1e999"), 32767);
    EXPECT_EQ(textToNumber("-1e999"), -32768);
    EXPECT_EQ(textToNumber("1e-999"), 0);
    EXPECT_DOUBLE_EQ(textToDouble("40000.25"), 40000.25);
}

TEST(TextToBool, WordsInAnyCaseOrWholeNumbers)
{
    for (const char *text :
         {"True", "true", "TRUE", "tRuE", " True ", "1", "-1", "2.5", "0.1", "1e3", " 7 "})
        EXPECT_TRUE(textToBool(text)) << '"' << text << '"';
    for (const char *text : {"False", "false", "FALSE", "0", "0.0", "-0", " 0 "})
        EXPECT_FALSE(textToBool(text)) << '"' << text << '"';
}

TEST(TextToBool, OtherTextReadsAsFalse)
{
    for (const char *text : {"", "yes", "on", "Truee", "T", "1abc", "2 apples", "True!", "1e", "-"})
        EXPECT_FALSE(textToBool(text)) << '"' << text << '"';
}

TEST(Writers, PlainDecimalAndWords)
{
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-12), "-12");
    EXPECT_EQ(numberToText(32767), "32767");
    EXPECT_EQ(boolToText(true), "True");
    EXPECT_EQ(boolToText(false), "False");
    for (int n : {-32768, -1, 0, 9, 32767})
        EXPECT_EQ(textToNumber(numberToText(n)), n);
    EXPECT_TRUE(textToBool(boolToText(true)));
    EXPECT_FALSE(textToBool(boolToText(false)));
}
