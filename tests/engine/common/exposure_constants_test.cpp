#include "engine/common/exposure_constants.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

namespace {

using E = ExposureConstants;

// A CONSTNTS row with field i (0-based) holding i + 1.1, so every member is told apart and the
// rounding to single precision shows.
QVariantMap distinctRow()
{
    QVariantMap row;
    const QStringList& fields = exposureConstantFields();
    for (int i = 0; i < fields.size(); ++i)
        row.insert(fields[i], i + 1.1);
    return row;
}

TEST(ExposureConstants, EveryFieldLandsInItsMemberInSinglePrecision)
{
    TempDatabase db;
    db.insert(QStringLiteral("CONSTNTS"), distinctRow());
    Result<ExposureConstants> c = LoadExposureConstants(db.conn());
    ASSERT_TRUE(c.ok()) << qPrintable(c.error().description);

    const std::pair<const char*, float E::*> members[] = {{"CRWATER", &E::CRWATER},
                                                          {"CRAIR", &E::CRAIR},
                                                          {"IRAIR", &E::IRAIR},
                                                          {"CRSOIL", &E::CRSOIL},
                                                          {"CRFISH", &E::CRFISH},
                                                          {"ED", &E::ED},
                                                          {"EDCHILD", &E::EDCHILD},
                                                          {"EF", &E::EF},
                                                          {"ATCARC", &E::ATCARC},
                                                          {"ATNON", &E::ATNON},
                                                          {"ATCHILD", &E::ATCHILD},
                                                          {"BWADULT", &E::BWADULT},
                                                          {"BWCHILD", &E::BWCHILD},
                                                          {"IFWADJ", &E::IFWADJ},
                                                          {"IFSADJ", &E::IFSADJ},
                                                          {"R", &E::R},
                                                          {"K", &E::K},
                                                          {"C", &E::C},
                                                          {"p", &E::p},
                                                          {"d", &E::d},
                                                          {"F_X", &E::F_X},
                                                          {"KP10", &E::KP10},
                                                          {"KP30", &E::KP30},
                                                          {"KPL10", &E::KPL10},
                                                          {"KPL30", &E::KPL30},
                                                          {"S", &E::S},
                                                          {"SPEED", &E::SPEED},
                                                          {"WEIGHT", &E::WEIGHT},
                                                          {"W", &E::W},
                                                          {"PRECIP", &E::PRECIP},
                                                          {"VKT", &E::VKT},
                                                          {"V", &E::V},
                                                          {"DH", &E::DH},
                                                          {"M", &E::M},
                                                          {"YD", &E::YD},
                                                          {"F", &E::F},
                                                          {"A", &E::A},
                                                          {"B", &E::B},
                                                          {"U", &E::U},
                                                          {"T", &E::T},
                                                          {"PTOT", &E::PTOT},
                                                          {"PAIR", &E::PAIR},
                                                          {"DCOVER", &E::DCOVER},
                                                          {"RGAS", &E::RGAS},
                                                          {"MUAIR", &E::MUAIR},
                                                          {"RHOAIR", &E::RHOAIR},
                                                          {"DETHER", &E::DETHER},
                                                          {"TADULT", &E::TADULT},
                                                          {"TCHILD", &E::TCHILD},
                                                          {"BDSOIL", &E::BDSOIL},
                                                          {"DSOIL", &E::DSOIL},
                                                          {"VSETTLE", &E::VSETTLE},
                                                          {"EV", &E::EV},
                                                          {"IR", &E::IR},
                                                          {"ETshower", &E::ETshower},
                                                          {"ETbathroom", &E::ETbathroom},
                                                          {"ETHouse", &E::ETHouse}};
    ASSERT_EQ(std::size(members), size_t(exposureConstantFields().size()));
    for (size_t i = 0; i < std::size(members); ++i) {
        EXPECT_EQ(QString::fromLatin1(members[i].first), exposureConstantFields()[int(i)]);
        EXPECT_EQ((*c).*members[i].second, float(i + 1.1)) << members[i].first;
    }

    EXPECT_EQ(c->gInhFactorAdj, 10.666667f);
    EXPECT_EQ(c->gInhRateDivisor, 70.0f);
    EXPECT_EQ(c->gPartOffset, 0.0);
}

TEST(ExposureConstants, TheFirstRowCountsAndEveryLoadReadsAfresh)
{
    TempDatabase db;
    QVariantMap first = distinctRow();
    first.insert(QStringLiteral("CRWATER"), 2.0);
    QVariantMap second = distinctRow();
    second.insert(QStringLiteral("CRWATER"), 99.0);
    db.insert(QStringLiteral("CONSTNTS"), first);
    db.insert(QStringLiteral("CONSTNTS"), second);
    EXPECT_EQ(LoadExposureConstants(db.conn())->CRWATER, 2.0f);

    ASSERT_TRUE(db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET CRWATER = 3 WHERE rowid = 1")).ok());
    EXPECT_EQ(LoadExposureConstants(db.conn())->CRWATER, 3.0f);
}

TEST(ExposureConstants, AnUnusableValueFailsNamingItsField)
{
    const std::pair<QString, QVariant> bad[] = {
        {QStringLiteral("IRAIR"), QVariant()},           // NULL, though no formula reads IRAIR
        {QStringLiteral("ED"), QStringLiteral("ten")},   // text
        {QStringLiteral("ETHouse"), 1e39},               // beyond single precision
    };
    for (const auto& [field, value] : bad) {
        TempDatabase db;
        QVariantMap row = distinctRow();
        row.insert(field, value);
        db.insert(QStringLiteral("CONSTNTS"), row);
        Result<ExposureConstants> c = LoadExposureConstants(db.conn());
        ASSERT_FALSE(c.ok()) << qPrintable(field);
        EXPECT_TRUE(c.error().description.contains(field + QStringLiteral(" in CONSTNTS")))
            << qPrintable(c.error().description);
    }
}

TEST(ExposureConstants, AnEmptyTableFails)
{
    TempDatabase db;
    EXPECT_FALSE(LoadExposureConstants(db.conn()).ok());
}

}   // namespace
