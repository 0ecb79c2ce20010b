#include "engine/forward/surface_impoundment.h"

#include "nongw_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

// Volatilisation from a surface impoundment. Tolerances: independently computed values
// relative 1e-6; a level fed forward against its target relative 1e-5.

namespace {

using R = ConstituentResults;

ConstituentResults forwardAndBack(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in)
{
    ConstituentResults out;
    EXPECT_TRUE(CalcImpoundmentRisk(ctx, c, in, out).ok());
    EXPECT_TRUE(CalcImpoundmentLevels(ctx, c, in, out).ok());
    return out;
}

TEST(Impoundment, ResultsAndTheZerosOfTheOtherPathways)
{
    const std::pair<ConstituentInputs, Expected> cases[] = {
        {benzene(),
         {{&R::AIRINHVh, 2.18574428e-06},
          {&R::AIRINHVr, 2.72780881e-10},
          {&R::AIRINHVsh, 228756.113},
          {&R::AIRINHVsr, 18329.8165}}},
        {pcb(), {{&R::AIRINHVh, 0}, {&R::AIRINHVr, 1.97265143e-12}, {&R::AIRINHVsh, 0}, {&R::AIRINHVsr, 5069.32063}}},
        // HENRY 0: no emission and no level, even without diffusion coefficients.
        {cadmium(), {{&R::AIRINHVh, 0}, {&R::AIRINHVr, 0}, {&R::AIRINHVsh, 0}, {&R::AIRINHVsr, 0}}},
    };
    const ResultMember zeros[] = {&R::SWINGh,  &R::FISHINGh,  &R::SOILINGh,  &R::AIRINHPh,
                                  &R::SWINGr,  &R::FISHINGr,  &R::SOILINGr,  &R::AIRINHPr,
                                  &R::SWINGsh, &R::FISHINGsh, &R::AIRINHPsh, &R::SOILINGsh,
                                  &R::SWINGsr, &R::FISHINGsr, &R::AIRINHPsr, &R::SOILINGsr};
    const ExposureConstants c = nongwConstants();
    for (const auto& [in, expected] : cases) {
        RunContext ctx = impoundmentRun();
        const ConstituentResults out = forwardAndBack(ctx, c, in);
        expectResults(out, expected, in.CHEMNAME);
        for (ResultMember field : zeros)
            EXPECT_EQ(out.*field, 0.0) << qPrintable(in.CHEMNAME);
        EXPECT_EQ(out.AMBCONC, std::nullopt);
        EXPECT_EQ(out.ECOCHRNs, std::nullopt);
        // The whole unit area is the source.
        EXPECT_TRUE(RelNear(ctx.gDispX, std::sqrt(double(ctx.gUnitAreaM2)) / 2000 + 0.3048, 1e-7));
    }
}

TEST(Impoundment, LiquidCoefficientSwitchesAboveAFetchToDepthRatioOf51_2)
{
    const ExposureConstants c = nongwConstants();
    const RunContext ctx = impoundmentRun();
    const double fetch = std::sqrt(double(ctx.gUnitAreaM2));
    StepCheck step(benzene());
    const ImpoundmentTransfer below = calcImpoundmentTransfer(ctx, c, benzene(), float(fetch / 51.19), step, "x");
    const ImpoundmentTransfer above = calcImpoundmentTransfer(ctx, c, benzene(), float(fetch / 51.21), step, "x");
    ASSERT_TRUE(step.status().ok());
    EXPECT_TRUE(RelNear(above.uWind, 5.739, 1e-4));
    EXPECT_TRUE(RelNear(below.kL, 9.45358988e-06, 1e-6));   // uWind² × (FD × 2.605E-9 + 1.277E-7)
    EXPECT_TRUE(RelNear(above.kL, 9.45540251e-06, 1e-6));   // uWind² × 2.611E-7
}

TEST(Impoundment, LevelsFedForwardGiveTheTargetsWhenBothDepthsShareTheCase)
{
    const ExposureConstants c = nongwConstants();
    RunContext ctx = nongwRun("SI", 500000, 20);   // both ratios above 51.2
    for (ConstituentInputs in : {benzene(), pcb()}) {
        const ConstituentResults levels = forwardAndBack(ctx, c, in);
        for (const auto& [level, forward, target] : {std::tuple{levels.AIRINHVsh, &R::AIRINHVh, ctx.HQFACT},
                                                     std::tuple{levels.AIRINHVsr, &R::AIRINHVr, ctx.RISKFACT}}) {
            if (*level == 0)
                continue;
            in.TCLPCONC = *level;
            EXPECT_TRUE(RelNear(*(forwardAndBack(ctx, c, in).*forward), target, 1e-5)) << qPrintable(in.CHEMNAME);
        }
    }
}

TEST(Impoundment, AVolatileChemicalNeedsItsDiffusionCoefficients)
{
    const ExposureConstants c = nongwConstants();
    RunContext ctx = impoundmentRun();
    for (const char* field : {"DIFFA", "DIFFW"}) {
        ConstituentInputs in = benzene();
        (field == QLatin1String("DIFFA") ? in.DIFFA : in.DIFFW) = 0;
        ConstituentResults out;
        for (const Status& s : {CalcImpoundmentRisk(ctx, c, in, out), CalcImpoundmentLevels(ctx, c, in, out)}) {
            ASSERT_FALSE(s.ok());
            EXPECT_TRUE(s.error().description.startsWith(QStringLiteral("Benzene (71-43-2), %1:").arg(field)))
                << qPrintable(s.error().description);
        }
        EXPECT_EQ(out.AIRINHVh, std::nullopt);
        EXPECT_EQ(out.SWINGh, std::nullopt) << "nothing is written after the failure";
    }
}

}   // namespace
