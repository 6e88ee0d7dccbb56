#include "settings/Conversions.h"
#include "settings/DateText.h"

#include <gtest/gtest.h>

using namespace tb;

// The leading number, rounded half to even and clamped to 16 bits; no number reads as 0.
TEST(TextToNumber, LeadingNumberRoundedAndClamped)
{
    const struct {
        const char *text;
        int number;
    } cases[] = {
        {" \t12 x", 12},    {"-7", -7},         {" +3", 3},       {"2.5", 2},
        {"3.5", 4},         {"-2.5", -2},       {"2.51", 3},      {" .6", 1},
        {" 4.", 4},         {"1e3", 1000},      {" 1e", 1},       {"0x10", 0},
        {"-32768", -32768}, {"32767.5", 32767}, {"40000", 32767}, {"-40000", -32768},
        {"1e999", 32767},   {"1e-999", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textToNumber(c.text), c.number) << '"' << c.text << '"';
    for (const char *text :
         {"", "   ", "abc", "-", "+", ".", "-.", "e5", "- 5", "True", "nan", "inf"}) {
        EXPECT_EQ(textToNumber(text), 0) << '"' << text << '"';
        EXPECT_FALSE(beginsWithNumber(text)) << '"' << text << '"';
    }
    EXPECT_TRUE(beginsWithNumber(" -.5e"));
    EXPECT_DOUBLE_EQ(textToDouble("40000.25"), 40000.25);
}

// "True" and "False" in any case, or a text that is a number as a whole.
TEST(TextToBool, WordsOrWholeNumbers)
{
    for (const char *text : {"True", "tRuE", " True ", "1", "-1", "0.1", "1e3"})
        EXPECT_TRUE(textToBool(text)) << '"' << text << '"';
    for (const char *text : {"False", "0", "-0", "", "yes", "Truee", "1abc", "1e", "-"})
        EXPECT_FALSE(textToBool(text)) << '"' << text << '"';
}

TEST(DateText, CalendarDatesInTheCommonForms)
{
    for (const char *text : {"2026/12/06", "06.12.2026", "12/6/2026", "31/12/2026", "2000-02-29",
                             "2026-12-06T14:05", "2026-1-6 1:02:03", "1/2/2026 2:05 PM"})
        EXPECT_TRUE(isValidDateText(text)) << '"' << text << '"';
    for (const char *text : {"1900-02-29", "2023-02-29", "2026-13-01", "06-12-2026", "2026-12/06",
                             "2026-1-6 24:00", "2026-1-6 13:00 PM", "14:05", ""})
        EXPECT_FALSE(isValidDateText(text)) << '"' << text << '"';
    EXPECT_TRUE(isValidDateText(dateTimeText(951829509)));
}
