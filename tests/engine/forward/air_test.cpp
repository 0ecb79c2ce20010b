#include "engine/forward/air_particulate.h"
#include "engine/forward/air_volatile.h"
#include "engine/forward/soil_ingestion.h"

#include "nongw_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

// Air particulate and volatile inhalation and soil ingestion of a landfill. Tolerances:
// independently computed values relative 1e-6; a level fed forward against its target
// relative 1e-5.

namespace {

using R = ConstituentResults;

// The steps in the dispatcher's order: forward air and soil, then the back-calculations.
ConstituentResults airAndSoil(RunContext& ctx, ExposureConstants& c, const ConstituentInputs& in)
{
    ConstituentResults out;
    CalcAirRisk(ctx, c, in, out);
    EXPECT_TRUE(CalcSoilRisk(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcAirPartLevels(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcAirPartLevelsLead(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcAirVolLevels(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcSoilIngLevels(ctx, c, in, out).ok());
    return out;
}

TEST(Air, DispersionEmissionAndTrafficTerms)
{
    ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    airAndSoil(ctx, c, benzene());

    // The run's traffic term replaces the table's VKT.
    EXPECT_EQ(c.VKT, float(2 * ctx.gVktOneWay));
    EXPECT_TRUE(RelNear(c.VKT, 15.5780821, 1e-7));
    const float forward[] = {ctx.gFwdDispXv, ctx.gFwdDispX, ctx.gFwdDispXSum, ctx.gFwdDispSigma};
    const float back[] = {ctx.gDispXv, ctx.gDispX, ctx.gDispXSum, ctx.gDispSigma};
    const double expected[] = {0.0255235471, 0.3071449995, 332.668549, 0.06912562996};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(RelNear(forward[i], expected[i], 1e-6)) << i;
        EXPECT_EQ(back[i], forward[i]) << i;
    }
    EXPECT_TRUE(RelNear(ctx.gFwdWindEmis10, 0.0304516461, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gFwdTrafficEmis10, 2.3172211647, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gFwdUnloadRate10, 0.0044054794, 1e-6));
    EXPECT_EQ(ctx.gWindEmis10, ctx.gFwdWindEmis10);
    EXPECT_EQ(ctx.gTrafficEmis10, ctx.gFwdTrafficEmis10);
    EXPECT_EQ(ctx.gUnloadRate10, ctx.gFwdUnloadRate10);
    // The PM30 wind term is twice the PM10 one.
    EXPECT_EQ(ctx.gWindEmis30, 2 * ctx.gWindEmis10);
    EXPECT_TRUE(RelNear(ctx.gTrafficEmis30, 4.8330616951, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gUnloadRate30, 0.0093144430, 1e-6));

    // Whatever VKT the table holds, the results stay.
    ExposureConstants other = nongwConstants();
    other.VKT = 1;
    RunContext ctx2 = landfillRun();
    EXPECT_EQ(airAndSoil(ctx2, other, benzene()).AIRINHPh, airAndSoil(ctx, c, benzene()).AIRINHPh);
}

TEST(Air, ResultsOfALandfill)
{
    const std::pair<ConstituentInputs, Expected> cases[] = {
        {benzene(),
         {{&R::AIRINHPh, 5.12089506e-06},
          {&R::AIRINHPr, 6.39087722e-10},
          {&R::AIRINHPsh, 9763918},
          {&R::AIRINHPsr, 782365.125},
          {&R::AIRINHVh, 3.97551502e-13},
          {&R::AIRINHVr, 4.9614429e-17},
          {&R::AIRINHVsh, 1.25769869e+14},
          {&R::AIRINHVsr, 1.00777136e+13},
          {&R::SOILINGh, 0.000224437847},
          {&R::SOILINGr, 6.03096557e-09},
          {&R::SOILINGsh, 222778.816},
          {&R::SOILINGsr, 82905.4575}}},
        // Not volatile (no vapour pressure, no DIFFA): the volatile fields are all 0.
        {cadmium(),
         {{&R::AIRINHPh, 0.00614507434},
          {&R::AIRINHPr, 5.89927154e-08},
          {&R::AIRINHPsh, 3254.6394},
          {&R::AIRINHPsr, 3390.24902},
          {&R::AIRINHVh, 0},
          {&R::AIRINHVr, 0},
          {&R::AIRINHVsh, 0},
          {&R::AIRINHVsr, 0},
          {&R::SOILINGh, 0.000718201091},
          {&R::SOILINGr, 0},
          {&R::SOILINGsh, 27847.352},
          {&R::SOILINGsr, 0}}},
        {pcb(),
         {{&R::AIRINHPh, 0},
          {&R::AIRINHPr, 1.87278449e-09},
          {&R::AIRINHPsh, 0},
          {&R::AIRINHPsr, 10679.2842},
          {&R::AIRINHVh, 0},
          {&R::AIRINHVr, 1.1032746e-21},
          {&R::AIRINHVsh, 0},
          {&R::AIRINHVsr, 1.81278538e+16},
          {&R::SOILINGh, 0.00179550264},
          {&R::SOILINGr, 8.77231289e-09},
          {&R::SOILINGsh, 1113.89405},
          {&R::SOILINGsr, 2279.90026}}},
        // Lead: fixed allowable air and soil levels, SOILINGsr 0.
        {lead(),
         {{&R::AIRINHPh, 0},
          {&R::AIRINHPr, 0},
          {&R::AIRINHPsh, 0},
          {&R::AIRINHPsr, 62417.7398},
          {&R::SOILINGsh, 71160.6201},
          {&R::SOILINGsr, 0}}},
    };
    for (const auto& [in, expected] : cases) {
        ExposureConstants c = nongwConstants();
        RunContext ctx = landfillRun();
        expectResults(airAndSoil(ctx, c, in), expected, in.CHEMNAME);
    }
}

TEST(Air, LeadLevelsIgnoreToxicityValuesAndTargets)
{
    ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    ctx.HQFACT = 10, ctx.RISKFACT = 1e-4f;
    ConstituentInputs in = lead();
    in.ORDI = in.CSFI = in.ORDO = in.CSFO = 0.5;
    const ConstituentResults out = airAndSoil(ctx, c, in);
    expectResults(out,
                  {{&R::AIRINHPsh, 0}, {&R::AIRINHPsr, 62417.7398}, {&R::SOILINGsh, 71160.6201}, {&R::SOILINGsr, 0}},
                  in.CHEMNAME);
    // The forward values of lead follow the general formulas.
    EXPECT_GT(*out.AIRINHPh, 0);
    EXPECT_GT(*out.SOILINGr, 0);
}

TEST(Air, EachLevelFedForwardGivesItsTarget)
{
    struct Inverse {
        ResultMember level, forward;
        bool hazard;
    };
    const Inverse pairs[] = {{&R::AIRINHPsh, &R::AIRINHPh, true}, {&R::AIRINHPsr, &R::AIRINHPr, false},
                             {&R::AIRINHVsh, &R::AIRINHVh, true}, {&R::AIRINHVsr, &R::AIRINHVr, false},
                             {&R::SOILINGsh, &R::SOILINGh, true}, {&R::SOILINGsr, &R::SOILINGr, false}};
    for (ConstituentInputs in : {benzene(), cadmium(), pcb()}) {
        ExposureConstants c = nongwConstants();
        RunContext ctx = landfillRun();
        ctx.HQFACT = 0.1f, ctx.RISKFACT = 1e-6f;
        const ConstituentResults levels = airAndSoil(ctx, c, in);
        for (const auto& [level, forward, hazard] : pairs) {
            if (*(levels.*level) == 0)
                continue;
            in.TOTCONC = *(levels.*level);
            EXPECT_TRUE(RelNear(*(airAndSoil(ctx, c, in).*forward), hazard ? ctx.HQFACT : ctx.RISKFACT, 1e-5))
                << qPrintable(in.CHEMNAME);
        }
    }
}

TEST(Air, TheForwardStepSkipsWhatCannotBeStored)
{
    ExposureConstants c = nongwConstants();
    c.U = 0;   // the air concentrations divide by it
    RunContext ctx = landfillRun();
    ConstituentResults out;
    CalcAirRisk(ctx, c, benzene(), out);
    EXPECT_TRUE(std::isnan(ctx.gFwdPartAirConc));
    EXPECT_TRUE(std::isfinite(ctx.gFwdDispSigma));
    EXPECT_EQ(out.AIRINHPh, std::nullopt);
    EXPECT_EQ(out.AIRINHPr, std::nullopt);
    EXPECT_EQ(out.AIRINHVh, std::nullopt);
    EXPECT_EQ(out.AIRINHVr, std::nullopt);
    // Without ORDI the hazard quotients do not need the air concentration.
    CalcAirRisk(ctx, c, pcb(), out);
    EXPECT_EQ(out.AIRINHPh, 0.0);
    EXPECT_EQ(out.AIRINHVh, 0.0);

    // Every other step fails, naming the constituent and the field.
    Status s = CalcSoilRisk(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.startsWith(QStringLiteral("Benzene (71-43-2), SOILINGh:")));
    c = nongwConstants();
    c.F = 0;
    s = CalcAirPartLevels(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.contains(QStringLiteral("AIRINHPsh")));
    c = nongwConstants();
    c.PAIR = 0;
    EXPECT_FALSE(CalcAirVolLevels(ctx, c, benzene(), out).ok());
}

TEST(Air, NoDiffusionCoefficientMeansNoVolatileLimit)
{
    ExposureConstants c = nongwConstants();
    RunContext ctx = landfillRun();
    ConstituentInputs in = benzene();
    in.DIFFA = 0;   // also what a NULL reads as
    const ConstituentResults out = airAndSoil(ctx, c, in);
    EXPECT_EQ(out.AIRINHVh, 0.0);
    EXPECT_EQ(out.AIRINHVr, 0.0);
    EXPECT_EQ(out.AIRINHVsh, 0.0);
    EXPECT_EQ(out.AIRINHVsr, 0.0);
}

}   // namespace
