#include "platform/text/dates.h"

#include <gtest/gtest.h>

#include <QLocale>

TEST(ParseDate, AcceptsTheListedForms)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const std::pair<const char*, QDate> cases[] = {
        {"1/15/2009", {2009, 1, 15}},   {"01-15-2009", {2009, 1, 15}},
        {"3/4/09", {2009, 3, 4}},       {"12-31-99", {1999, 12, 31}},
        {"1/1/29", {2029, 1, 1}},       {"1/1/30", {1930, 1, 1}},
        {"1/1/00", {2000, 1, 1}},       {"2009-01-15", {2009, 1, 15}},
        {"15-Jan-2009", {2009, 1, 15}}, {"15-JANUARY-2009", {2009, 1, 15}},
        {"Jan-15-2009", {2009, 1, 15}}, {" Mar-04-2009 ", {2009, 3, 4}},
        {"sep-4-2009", {2009, 9, 4}},   {"January 15, 2009", {2009, 1, 15}},
        {"dec 5,2009", {2009, 12, 5}},  {"2/29/2000", {2000, 2, 29}},
        {"2/29/2004", {2004, 2, 29}},   {"0012-01-01", {12, 1, 1}},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(parseDate(QString::fromLatin1(text)), date) << text;
    QLocale::setDefault(saved);
}

TEST(ParseDate, RefusesImpossibleDatesAndOtherForms)
{
    const char* const cases[] = {
        "2/30/2001",    "2/29/1900",  "2/29/2001",        "13/1/2001",  "0/1/2001",  "4/31/2001", "0000-01-01",
        "1/2/3",        "1/2/123",    "1/2-2001",         "2001/01/15", "15-Jan-09", "Jan-15-09", "Janu-15-2009",
        "Sept 4, 2009", "15.01.2009", "janvier 15, 2009", "",           "word",      "1/2/2001x",
    };
    for (const char* text : cases)
        EXPECT_FALSE(parseDate(QString::fromLatin1(text))) << text;
}

TEST(FormatDate, EnglishAbbreviationsAndPadding)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(formatDateChecked(QDate(2009, 3, 4)), " Mar-04-2009 ");
    EXPECT_EQ(formatDatePlain(QDate(2009, 12, 25)), "Dec-25-2009");
    EXPECT_EQ(formatDatePlain(QDate(12, 5, 1)), "May-01-0012");
    EXPECT_EQ(formatDatePlain(QDate()), "");
    QLocale::setDefault(saved);

    const QDate date(2024, 10, 7);
    EXPECT_EQ(parseDate(formatDateChecked(date)), date);
}
