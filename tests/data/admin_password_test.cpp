#include "data/admin_password.h"
#include "platform/text/windows1252.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AdminPassword, DefaultPasswordScramblesToItsStoredBytesAndBack)
{
    const std::optional<QString> stored = ScramblePassword(QStringLiteral("mizo4"));
    ASSERT_TRUE(stored.has_value());
    // Bytes 0x81 0x76 0x93 0x83 0x34, written as their Windows-1252 characters.
    EXPECT_EQ(*stored, QString::fromUtf16(u"\u0081v\u201C\u0192" "4"));
    EXPECT_EQ(UnscramblePassword(*stored), QStringLiteral("mizo4"));
}

TEST(AdminPassword, StoredFormSurvivesAFreshSettingsFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("TOVI.ini"));
    const QString password = QString::fromUtf16(u"mizo4Zy\u00E0 ~");
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue(QStringLiteral("Admin/Change"), *ScramblePassword(password));
    }
    QSettings fresh(file, QSettings::IniFormat);
    EXPECT_EQ(UnscramblePassword(fresh.value(QStringLiteral("Admin/Change")).toString()), password);
}

TEST(AdminPassword, EveryStorableCodeComesBackAndCodesBelow54StayAsTheyAre)
{
    for (int code = 1; code < 231; ++code) {
        if (code == 59 || code == 60)
            continue;
        const QString character = fromWindows1252(QByteArray(1, char(code)));
        const std::optional<QString> stored = ScramblePassword(character);
        ASSERT_TRUE(stored.has_value()) << code;
        EXPECT_EQ(UnscramblePassword(*stored), character) << code;
        if (code < 54) {
            EXPECT_EQ(*stored, character) << code;
        }
    }
    EXPECT_EQ(ScramblePassword(QString()), QString());
    EXPECT_EQ(UnscramblePassword(QString()), QString());
}

TEST(AdminPassword, NewPasswordsThatCannotComeBackAreRefused)
{
    struct Case {
        QString password;
        bool storable;
    };
    const Case cases[] = {
        {QStringLiteral("mizo4"), true},
        {QStringLiteral("Admin 2"), true},
        {QString(), false},
        {QStringLiteral("a;b"), false},                        // reads back as a nine
        {QStringLiteral("a<b"), false},                        // reads back as a colon
        {QString::fromUtf16(u"pass\u00E7"), false},            // code 231
        {QString::fromUtf16(u"\u00FF"), false},
        {QString::fromUtf16(u"\u4E2D"), false},                // no Windows-1252 code
        {QString::fromUtf16(u"\u00E6"), true},                 // code 230, the last that fits
    };
    for (const Case& c : cases)
        EXPECT_EQ(isStorablePassword(c.password), c.storable) << qPrintable(c.password);
    EXPECT_FALSE(ScramblePassword(QString::fromUtf16(u"\u00E7")).has_value());
}
