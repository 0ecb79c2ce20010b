#include "engine/forward/surface_water.h"

#include "nongw_fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

// Tolerances: six-digit reference values relative 5e-6; independently computed values relative
// 1e-6; a level fed forward against its target relative 1e-5.

namespace {

ConstituentResults forwardAndBack(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in)
{
    ConstituentResults out;
    EXPECT_TRUE(CalcSWFishRisk(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcSWFishLevels(ctx, c, in, out).ok());
    return out;
}

TEST(SurfaceWater, SoilLossChainAndWaterBodyFactors)
{
    ExposureConstants c = nongwConstants();
    c.K = c.R = c.C = c.p = c.d = 1;
    RunContext ctx = landfillRun();
    ConstituentResults out;
    ctx.gUnitAreaAcres = 10;
    ASSERT_TRUE(CalcSWFishRisk(ctx, c, benzene(), out).ok());
    EXPECT_TRUE(RelNear(ctx.gLSFactor, 0.971840, 5e-6));

    ctx.gUnitAreaAcres = 1;
    ASSERT_TRUE(CalcSWFishRisk(ctx, c, benzene(), out).ok());
    EXPECT_TRUE(RelNear(ctx.gLSFactor, 0.546506, 5e-6));
    EXPECT_EQ(ctx.gSedDeliveryRatio, 0.77f);
    EXPECT_TRUE(RelNear(ctx.gUnitSoilLoss, 381.752, 5e-6));
    EXPECT_TRUE(RelNear(ctx.gSedimentLoad, 1.56884, 5e-6));
    EXPECT_TRUE(RelNear(ctx.gSwFactor1, 4.75407e-10, 5e-6));
    EXPECT_TRUE(RelNear(ctx.gSwFactor2, 4.61424e-12, 5e-6));
    EXPECT_TRUE(RelNear(ctx.gSuspSolids, 10.0005, 5e-6));

    // 3.4E+11 is the single-precision constant 340000014336; at 2.5 acres the two divisors give
    // different singles.
    ctx.gUnitAreaAcres = 2.5;
    ASSERT_TRUE(CalcSWFishRisk(ctx, c, benzene(), out).ok());
    EXPECT_EQ(ctx.gSwFactor2, float(double(ctx.gSedimentLoad) / 340000014336.0));
    EXPECT_NE(ctx.gSwFactor2, float(double(ctx.gSedimentLoad) / 3.4e11));
}

TEST(SurfaceWater, ResultsOfALandfill)
{
    const ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    using R = ConstituentResults;
    const std::pair<ConstituentInputs, Expected> cases[] = {
        {benzene(),
         {{&R::AMBCONC, 1.25894996e-06},
          {&R::SWINGh, 8.36932897e-08},
          {&R::SWINGr, 1.00348257e-11},
          {&R::FISHINGh, 1.2106615e-06},
          {&R::FISHINGr, 1.14148085e-10},
          {&R::SWINGsh, 597419463},
          {&R::SWINGsr, 49826476.1},
          {&R::FISHINGsh, 41299733.5},
          {&R::FISHINGsr, 4380274.68}}},
        {cadmium(),
         {{&R::AMBCONC, 4.98581642e-07},
          {&R::SWINGh, 2.67818522e-07},
          {&R::FISHINGh, 0.000669028282},
          {&R::SWINGsh, 74677432.8},
          {&R::FISHINGsh, 29894.1019},
          {&R::SWINGr, 0},
          {&R::FISHINGr, 0},
          {&R::SWINGsr, 0},
          {&R::FISHINGsr, 0}}},
        {pcb(),
         {{&R::AMBCONC, 4.93681505e-08},
          {&R::SWINGh, 6.69546306e-07},
          {&R::SWINGr, 1.45961099e-11},
          {&R::FISHINGh, 0.0182594534},
          {&R::FISHINGr, 3.13019201e-07},
          {&R::SWINGsh, 2987097.47},
          {&R::SWINGsr, 1370228.03},
          {&R::FISHINGsh, 109.532299},
          {&R::FISHINGsr, 63.8938426}}},
    };
    for (const auto& [in, expected] : cases) {
        const ConstituentResults out = forwardAndBack(ctx, c, in);
        EXPECT_TRUE(RelNear(ctx.gSwFactor1, 2.51790002e-08, 1e-6));
        EXPECT_TRUE(RelNear(ctx.gSwFactor2, 2.44384402e-10, 1e-6));
        expectResults(out, expected, in.CHEMNAME);
    }
}

TEST(SurfaceWater, EachLevelFedForwardGivesItsTarget)
{
    const ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    ConstituentInputs noKsw = benzene();
    noKsw.KSW = 0;   // what a NULL reads as: no partitioning either way
    for (ConstituentInputs in : {benzene(), cadmium(), pcb(), noKsw}) {
        const ConstituentResults levels = forwardAndBack(ctx, c, in);
        using R = ConstituentResults;
        const std::tuple<std::optional<double>, ResultMember, float> checks[] = {
            {levels.SWINGsh, &R::SWINGh, ctx.HQFACT},
            {levels.SWINGsr, &R::SWINGr, ctx.RISKFACT},
            {levels.FISHINGsh, &R::FISHINGh, ctx.HQFACT},
            {levels.FISHINGsr, &R::FISHINGr, ctx.RISKFACT}};
        for (const auto& [level, forward, target] : checks) {
            if (*level == 0)
                continue;
            in.TOTCONC = *level;
            ConstituentResults out;
            ASSERT_TRUE(CalcSWFishRisk(ctx, c, in, out).ok());
            EXPECT_TRUE(RelNear(*(out.*forward), target, 1e-5)) << qPrintable(in.CHEMNAME);
        }
    }
}

TEST(SurfaceWater, FishUptakeFactorByLogKow)
{
    ConstituentInputs in;
    in.BAF = 100, in.BCF = 10, in.LOGKOW = 4;
    EXPECT_EQ(fishUptakeFactor(in, true), 100.0);   // FISHINGsh: LOGKOW ≥ 4
    EXPECT_EQ(fishUptakeFactor(in, false), 10.0);   // the other three: LOGKOW > 4
    in.LOGKOW = 3, in.BCF = 0;
    EXPECT_EQ(fishUptakeFactor(in, false), 100.0);
    in.BAF = 0;
    EXPECT_EQ(fishUptakeFactor(in, true), std::nullopt);

    // LOGKOW exactly 4 with both factors: FISHINGsh takes BAF, the other three fish fields BCF.
    const ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    ConstituentInputs atFour = pcb();
    atFour.LOGKOW = 4;
    ConstituentInputs bafOnly = atFour, bcfOnly = atFour;
    bafOnly.BCF = 0;
    bcfOnly.BAF = 0;
    const ConstituentResults both = forwardAndBack(ctx, c, atFour);
    const ConstituentResults withBaf = forwardAndBack(ctx, c, bafOnly);
    const ConstituentResults withBcf = forwardAndBack(ctx, c, bcfOnly);
    EXPECT_EQ(both.FISHINGsh, withBaf.FISHINGsh);
    EXPECT_NE(both.FISHINGsh, withBcf.FISHINGsh);
    for (auto field : {&ConstituentResults::FISHINGh, &ConstituentResults::FISHINGr, &ConstituentResults::FISHINGsr}) {
        EXPECT_EQ(both.*field, withBcf.*field);
        EXPECT_NE(both.*field, withBaf.*field);
    }

    // Without a factor the fish fields are 0 and the drinking-water fields are computed.
    in = benzene();
    in.BCF = 0;
    const ConstituentResults out = forwardAndBack(ctx, c, in);
    EXPECT_EQ(out.FISHINGh, 0.0);
    EXPECT_EQ(out.FISHINGr, 0.0);
    EXPECT_EQ(out.FISHINGsh, 0.0);
    EXPECT_EQ(out.FISHINGsr, 0.0);
    EXPECT_GT(*out.SWINGh, 0);
    EXPECT_GT(*out.SWINGsr, 0);
}

TEST(SurfaceWater, FishOnlyMercuryAndMissingToxicityValues)
{
    const ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    ConstituentInputs other = fishMercury();
    other.CHEMCAS = QStringLiteral("7439-97-6");
    const ConstituentResults mercury = forwardAndBack(ctx, c, fishMercury());
    const ConstituentResults same = forwardAndBack(ctx, c, other);
    EXPECT_EQ(mercury.SWINGh, 0.0);
    EXPECT_EQ(mercury.SWINGr, 0.0);
    EXPECT_EQ(mercury.SWINGsh, 0.0);
    EXPECT_EQ(mercury.SWINGsr, 0.0);
    EXPECT_GT(*same.SWINGh, 0);
    EXPECT_GT(*same.SWINGsr, 0);
    EXPECT_EQ(mercury.AMBCONC, same.AMBCONC);
    EXPECT_EQ(mercury.FISHINGh, same.FISHINGh);
    EXPECT_EQ(mercury.FISHINGr, same.FISHINGr);
    EXPECT_EQ(mercury.FISHINGsh, same.FISHINGsh);
    EXPECT_EQ(mercury.FISHINGsr, same.FISHINGsr);

    // No ORDO and no CSFO: every hazard, risk and level is written as 0.
    ConstituentInputs none = benzene();
    none.ORDO = none.CSFO = 0;
    const ConstituentResults out = forwardAndBack(ctx, c, none);
    for (auto field : {&ConstituentResults::SWINGh, &ConstituentResults::SWINGr, &ConstituentResults::FISHINGh,
                       &ConstituentResults::FISHINGr, &ConstituentResults::SWINGsh, &ConstituentResults::SWINGsr,
                       &ConstituentResults::FISHINGsh, &ConstituentResults::FISHINGsr})
        EXPECT_EQ(out.*field, 0.0);
}

TEST(SurfaceWater, ZeroSoilLossAndUnstorableValues)
{
    ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    c.K = 0;
    const ConstituentResults none = forwardAndBack(ctx, c, benzene());
    EXPECT_EQ(ctx.gSwFactor1, 0.0f);
    EXPECT_EQ(none.AMBCONC, 0.0);
    EXPECT_EQ(none.SWINGh, 0.0);
    EXPECT_EQ(none.FISHINGr, 0.0);
    EXPECT_EQ(none.SWINGsh, std::nullopt) << "the back-calculation writes nothing";
    EXPECT_EQ(none.FISHINGsr, std::nullopt);

    c = nongwConstants();
    c.d = 0;
    ConstituentResults out;
    Status s = CalcSWFishRisk(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().number, kErrCalculation);
    EXPECT_TRUE(s.error().description.startsWith(QStringLiteral("Benzene (71-43-2), AMBCONC:")))
        << qPrintable(s.error().description);
    EXPECT_EQ(out.AMBCONC, std::nullopt);

    c = nongwConstants();
    c.BWADULT = 0;
    s = CalcSWFishRisk(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.contains(QStringLiteral("SWINGh")));
}

}   // namespace
