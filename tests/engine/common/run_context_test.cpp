#include "engine/common/run_context.h"

#include "../relative_near.h"
#include "core/temp_database.h"

#include <gtest/gtest.h>

// Values given to 7 or 8 digits are compared with a relative tolerance of 1e-6 (single
// precision holds about 7); values whose rounding is fixed are compared exactly.

namespace {

WasteUnit unit(double wasteVol, double volUnit, double activeLife)
{
    WasteUnit u;
    u.WMUTYPE = QStringLiteral("LF");
    u.WASTEVOL = wasteVol;
    u.WVOLUNIT = volUnit;
    u.ACTVLIFE = activeLife;
    u.RISKFACT = 1e-5;
    u.HQFACT = 1.0;
    return u;
}

TEST(RunContext, TenThousandCubicYards)
{
    RunContext ctx;
    const WasteUnit u = unit(1000, 0, 10);
    ASSERT_TRUE(CalcWasteVolume(ctx, u).ok());
    ASSERT_TRUE(setRunTargets(ctx, u).ok());
    EXPECT_EQ(ctx.gWasteVolYd3, 10000.0f);
    EXPECT_TRUE(RelNear(ctx.gWasteVolM3, 7645.552, 1e-6));
    EXPECT_EQ(ctx.gAnnualVolYd3, 1000.0f);
    EXPECT_TRUE(RelNear(ctx.gUnitAreaAcres, 1.3226113, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gUnitAreaM2, 5352.440, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gVktOneWay, 7.7890411, 1e-7));
    EXPECT_EQ(ctx.HQFACT, 1.0f);
    EXPECT_EQ(ctx.RISKFACT, float(1e-5));
}

TEST(RunContext, OtherUnitsReachCubicYardsThroughTheSingleCubicMetres)
{
    RunContext ctx;
    ASSERT_TRUE(CalcWasteVolume(ctx, unit(764.5552, 2, 10)).ok());
    EXPECT_EQ(ctx.gWasteVolM3, float(7645.552));
    EXPECT_EQ(ctx.gWasteVolYd3, float(double(float(7645.552)) * 1.30795));
    EXPECT_NE(ctx.gWasteVolYd3, 10000.0f) << "the single cubic metres lose the exact 10000";
    EXPECT_TRUE(RelNear(ctx.gWasteVolYd3, 10000, 1e-6));
    EXPECT_EQ(ctx.gAnnualVolYd3, float(double(ctx.gWasteVolYd3) / 10));

    ASSERT_TRUE(CalcWasteVolume(ctx, unit(27000, 1, 10)).ok());
    EXPECT_EQ(ctx.gWasteVolM3, float(270000 / 35.3147));
    EXPECT_EQ(ctx.gWasteVolYd3, float(double(ctx.gWasteVolM3) * 1.30795));
    EXPECT_TRUE(RelNear(ctx.gWasteVolYd3, 10000, 1e-5));
}

TEST(RunContext, ConvertVolumeToM3)
{
    EXPECT_EQ(ConvertVolumeToM3(1.30795, 0), 1.0);
    EXPECT_EQ(ConvertVolumeToM3(35.3147, 1), 1.0);
    EXPECT_EQ(ConvertVolumeToM3(7.5, 2), 7.5);
    EXPECT_EQ(ConvertVolumeToM3(7.5, 3), std::nullopt);
    EXPECT_EQ(ConvertVolumeToM3(7.5, -1), std::nullopt);
}

TEST(RunContext, WhatTheDriversRefuseFailsAndKeepsTheContext)
{
    RunContext ctx;
    ASSERT_TRUE(CalcWasteVolume(ctx, unit(1000, 0, 10)).ok());
    const RunContext before = ctx;

    WasteUnit noUnit = unit(1000, 0, 10);
    noUnit.WVOLUNIT.reset();
    WasteUnit noVolume = unit(1000, 0, 10);
    noVolume.WASTEVOL.reset();
    const std::pair<WasteUnit, QString> refused[] = {
        {unit(1000, 3, 10), QStringLiteral("WVOLUNIT")},
        {unit(1000, 0.5, 10), QStringLiteral("WVOLUNIT")},
        {noUnit, QStringLiteral("WVOLUNIT")},
        {noVolume, QStringLiteral("WASTEVOL")},
        {unit(-1000, 0, 10), QStringLiteral("WASTEVOL")},
        {unit(1000, 0, 0), QStringLiteral("ACTVLIFE")},
        {unit(1e38, 0, 1e10), QStringLiteral("single")},
    };
    for (const auto& [u, word] : refused) {
        Status s = CalcWasteVolume(ctx, u);
        ASSERT_FALSE(s.ok()) << qPrintable(word);
        EXPECT_TRUE(s.error().description.contains(word)) << qPrintable(s.error().description);
        EXPECT_EQ(ctx.gWasteVolYd3, before.gWasteVolYd3);
        EXPECT_EQ(ctx.gWasteVolM3, before.gWasteVolM3);
        EXPECT_EQ(ctx.gAnnualVolYd3, before.gAnnualVolYd3);
        EXPECT_EQ(ctx.gUnitAreaAcres, before.gUnitAreaAcres);
        EXPECT_EQ(ctx.gUnitAreaM2, before.gUnitAreaM2);
    }

    WasteUnit hugeTarget = unit(1000, 0, 10);
    hugeTarget.HQFACT = 1e300;
    EXPECT_FALSE(setRunTargets(ctx, hugeTarget).ok());
    EXPECT_EQ(ctx.HQFACT, 0.0f);
}

TEST(RunContext, DafScaleFactorByVolumeAndUnitType)
{
    EXPECT_TRUE(RelNear(dafScaleFactor(1000, QStringLiteral("LF")), 138.67262, 1e-6));
    EXPECT_TRUE(RelNear(dafScaleFactor(1000, QStringLiteral("SI")), 26.113050, 1e-6));
    EXPECT_TRUE(RelNear(dafScaleFactor(10000, QStringLiteral("LF")), 14.536864, 1e-6));
    EXPECT_TRUE(RelNear(dafScaleFactor(10000, QStringLiteral("SI")), 1.6233703, 1e-6));
    EXPECT_EQ(dafScaleFactor(200000, QStringLiteral("LF")), 1.0f);
    EXPECT_EQ(dafScaleFactor(200000, QStringLiteral("SI")), 1.0f);
    // Only "SI" exactly takes the impoundment formula.
    EXPECT_EQ(dafScaleFactor(1000, QStringLiteral("si")), dafScaleFactor(1000, QStringLiteral("LF")));
    EXPECT_EQ(dafScaleFactor(1000, QString()), dafScaleFactor(1000, QStringLiteral("LF")));
}

TEST(RunContext, LoadWasteUnitReadsTheAnalysisRow)
{
    TempDatabase db;
    db.insertAnalysis(3, QStringLiteral("Other"));
    db.insertAnalysis(7, QStringLiteral("Pond"), {},
                      {{"WMUTYPE", "SI"},
                       {"WASTEVOL", 250.5},
                       {"WVOLUNIT", 2},
                       {"ACTVLIFE", 20.0},
                       {"RISKFACT", 1e-6},
                       {"HQFACT", 0.1},
                       {"FLOWRATE", QVariant()}});
    Result<WasteUnit> u = loadWasteUnit(db.conn(), 7);
    ASSERT_TRUE(u.ok()) << qPrintable(u.error().description);
    EXPECT_EQ(u->WMUTYPE, QStringLiteral("SI"));
    EXPECT_EQ(u->WASTEVOL, 250.5);
    EXPECT_EQ(u->WVOLUNIT, 2.0);
    EXPECT_EQ(u->ACTVLIFE, 20.0);
    EXPECT_EQ(u->RISKFACT, 1e-6);
    EXPECT_EQ(u->HQFACT, 0.1);
    EXPECT_EQ(u->FLOWRATE, std::nullopt);

    EXPECT_FALSE(loadWasteUnit(db.conn(), 8).ok());

    // A NULL target reads as 0 in the loop's set-up.
    RunContext ctx;
    u->HQFACT.reset();
    ASSERT_TRUE(setRunTargets(ctx, *u).ok());
    EXPECT_EQ(ctx.HQFACT, 0.0f);
    EXPECT_EQ(ctx.RISKFACT, float(1e-6));
}

}   // namespace
