#include "platform/text/windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(windows1252Byte(text[b]), static_cast<unsigned char>(b)) << b;

    bool ok = false;
    EXPECT_EQ(toWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Windows1252, MapsTheCodePage)
{
    EXPECT_EQ(fromWindows1252("\x80\x85\x8a\x91\x92\x96\x9f\xa0\xe9"),
              QString::fromUtf8("\u20ac\u2026\u0160\u2018\u2019\u2013\u0178\u00a0\u00e9"));
    EXPECT_EQ(fromWindows1252("\x81\x8d\x8f\x90\x9d"), QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d"));
    EXPECT_EQ(windows1252Byte(QChar(0x2122)), 0x99);
}

TEST(Windows1252, RefusesCharactersOutsideTheCodePage)
{
    for (const char16_t u : {char16_t(0x0080), char16_t(0x0082), char16_t(0x0100), char16_t(0x20AD), char16_t(0xD83D)})
        EXPECT_FALSE(windows1252Byte(QChar(u))) << int(u);

    bool ok = true;
    toWindows1252(QString::fromUtf8("caf\u00e9 \u03b1"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(toWindows1252(QString::fromUtf8("\u20ac 5"), nullptr), QByteArray("\x80 5"));
}
