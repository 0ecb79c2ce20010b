#include "data/admin_password.h"
#include "platform/text/windows1252.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AdminPassword, DefaultPasswordStoresItsBytesAndComesBackThroughAFreshSettingsFile)
{
    const QString stored = ScramblePassword(QStringLiteral("mizo4")).value_or(QString());
    EXPECT_EQ(toWindows1252(stored, nullptr), QByteArray::fromHex("8176938334"));
    QTemporaryDir dir;
    QSettings(dir.filePath("TOVI.ini"), QSettings::IniFormat).setValue("Admin/Change", stored);
    QSettings fresh(dir.filePath("TOVI.ini"), QSettings::IniFormat);
    EXPECT_EQ(UnscramblePassword(fresh.value("Admin/Change").toString()), QStringLiteral("mizo4"));
}

TEST(AdminPassword, EveryStorableCodeComesBackAndOnlyThoseAreAccepted)
{
    for (int code = 1; code < 256; ++code) {
        const QString c = fromWindows1252(QByteArray(1, char(code)));
        const bool storable = code < 231 && code != 59 && code != 60;
        EXPECT_EQ(isStorablePassword(c), storable) << code;
        if (storable) {
            EXPECT_EQ(UnscramblePassword(*ScramblePassword(c)), c) << code;
        }
    }
    EXPECT_EQ(ScramblePassword(QStringLiteral("05 ,")), QStringLiteral("05 ,")) << "codes below 54 stay";
    EXPECT_FALSE(isStorablePassword(QString()));
    EXPECT_FALSE(isStorablePassword(QString::fromUtf16(u"ab\u4E2D"))) << "no Windows-1252 code";
}
