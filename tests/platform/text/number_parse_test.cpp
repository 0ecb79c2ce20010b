#include "platform/text/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberCheck, AcceptsTheGrammar)
{
    const std::pair<const char*, double> cases[] = {
        {" -1.5e+3 ", -1500},
        {".5", 0.5},
        {"5.", 5},
        {"+7", 7},
        {"1E-4", 0.0001},
        {"0", 0},
        {"12", 12},
        {"  3.25  ", 3.25},
        {"1e-400", 0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"\r\n 8 \r\n", 8},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_TRUE(isNumber(QString::fromLatin1(text))) << text;
        EXPECT_EQ(toNumberStrict(QString::fromLatin1(text)), value) << text;
    }
}

TEST(NumberCheck, RefusesEverythingElse)
{
    const char* const cases[] = {
        "1,000", "1 000", "$5",   "",    " ",    "e5",  "1e",  "1e+",   ".",      "-",   "+-1",
        "1.2.3", "12abc", "&H1F", "1,5", "0x10", "inf", "nan", "1e400", "-1e400", "\t1", "1\n2",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(isNumber(QString::fromLatin1(text))) << text;
        EXPECT_FALSE(toNumberStrict(QString::fromLatin1(text))) << text;
    }
    // Digits of other scripts are no digits here.
    EXPECT_FALSE(isNumber(QString::fromUtf8("\u0661\u0662")));
    EXPECT_FALSE(isNumber(QString::fromUtf8("12\u00a0")));
}

TEST(LeadingNumber, ReadsTheNumberTheTextBeginsWith)
{
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},  {"1E-4", 0.0001}, {" 1 2", 12},   {"1\t2\n3", 123}, {"- 5", -5}, {"1.2.3", 1.2},
        {"1e", 1},      {"1e+x", 1},      {"2e3x", 2000}, {".5", 0.5},      {"abc", 0},  {"-", 0},
        {"", 0},        {".", 0},         {"$5", 0},      {"1,000", 1},     {"\r5", 0},  {"&H1F", 31},
        {"&h ff", 255}, {"&O17", 15},     {"&o178", 15},  {"&H", 0},        {"&X1", 0},  {"-&H10", 0},
        {"1E-400", 0},  {"10\u00b3", 10},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;

    EXPECT_EQ(leadingNumber(QStringLiteral("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber(QStringLiteral("-1e400x")), -std::numeric_limits<double>::infinity());
}

TEST(RoundHalfEven, TiesGoToTheEvenInteger)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {7, 7},
        {0.49999999999999994, 0},
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}
