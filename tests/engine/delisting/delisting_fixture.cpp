#include "delisting_fixture.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

namespace {

ExposureConstants loadConstants(const QVariantMap& overrides)
{
    TempDatabase db;
    QVariantMap row = constantsRow();
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        row.insert(it.key(), it.value());
    db.insert(QStringLiteral("CONSTNTS"), row);
    Result<ExposureConstants> c = LoadExposureConstants(db.conn());
    EXPECT_TRUE(c.ok());
    return c.ok() ? *c : ExposureConstants{};
}

}   // namespace

ExposureConstants testConstants(const QVariantMap& overrides)
{
    if (!overrides.isEmpty())
        return loadConstants(overrides);
    static const ExposureConstants standard = loadConstants({});
    return standard;
}

WasteUnit testUnit(const QString& wmuType, double flowRate)
{
    WasteUnit u;
    u.WMUTYPE = wmuType;
    u.WASTEVOL = 1000;
    u.WVOLUNIT = 0;
    u.ACTVLIFE = 10;
    u.RISKFACT = 1e-5;
    u.HQFACT = 1;
    u.FLOWRATE = flowRate;
    return u;
}

DelistingContext testContext(const WasteUnit& unit, const ExposureConstants& c)
{
    Result<DelistingContext> ctx = setDelistingContext(unit, c);
    EXPECT_TRUE(ctx.ok());
    return ctx.ok() ? *ctx : DelistingContext{};
}

DelistChemical benzeneLike()
{
    DelistChemical b;
    b.CHEMCAS = QStringLiteral("71-43-2");
    b.CARCNON = QStringLiteral("Carcinogen");
    b.CSFO = 0.055, b.CSFI = 0.027, b.ORDO = 0.004, b.ORDI = 0.0086, b.BCF = 12.6, b.BAF = 0;
    b.HENRY = 5.55e-3, b.DIFFW = 9.8e-6, b.DIFFA = 0.088, b.TSTAR = 0.7, b.K = 0.015, b.TAU = 0.29, b.B = 0.051;
    b.ORGANIC = 1, b.MW = 78.11, b.VAPORP = 95.2, b.KSW = 60;
    return b;
}

DelistChemical tolueneLike()
{
    DelistChemical t;
    t.CHEMCAS = QStringLiteral("108-88-3");
    t.CARCNON = QStringLiteral("Noncarcinogen");
    t.ORDO = 0.02, t.ORDI = 0.1, t.BCF = 30, t.BAF = 45, t.HENRY = 1.2e-3, t.DIFFW = 7.8e-6, t.DIFFA = 0.075;
    t.TSTAR = 0.5, t.K = 0.0045, t.TAU = 1.2, t.B = 0.6, t.ORGANIC = 1, t.MW = 92.14, t.VAPORP = 28.4, t.KSW = 500;
    return t;
}

DelistChemical inorganic()
{
    DelistChemical m;
    m.CHEMCAS = QStringLiteral("7440-38-2");
    m.CARCNON = QStringLiteral("Noncarcinogen");
    m.ORDO = 0.0003, m.BCF = 44, m.K = 0.001, m.KSW = 1000;
    return m;
}

DelistChemical leadChemical()
{
    DelistChemical l;
    l.CHEMCAS = QStringLiteral("7439-92-1");
    l.CARCNON = QStringLiteral("Noncarcinogen");
    l.BCF = 49, l.K = 0.0001, l.KSW = 900;
    return l;
}
