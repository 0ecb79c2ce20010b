#include "engine/forward/air_particulate.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "engine/forward/air_dispersion.h"
#include "engine/forward/air_volatile.h"

namespace {

// The waste concentration whose particulate emission gives the allowable air concentration
// `allowAirConc` at the receptor, with the back-calculation's dispersion and PM10 terms.
double particulateLevel(const RunContext& ctx, const ExposureConstants& c, double allowAirConc, StepCheck& step,
                        const char* field)
{
    const float allowEmisRate = step.single(allowAirConc * ctx.gDispSigma * ctx.gDispXSum * c.U * kSecondsPerHour
                                                / (double(c.F) * 2.03 * (1 - c.gPartOffset) * 1000),
                                            field);
    return allowEmisRate * 1000.0 / ((double(ctx.gTrafficEmis10) + ctx.gWindEmis10 + ctx.gUnloadRate10) / 1000);
}

}   // namespace

void CalcAirRisk(RunContext& ctx, ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out)
{
    StepCheck step(in, StepCheck::Mode::SkipStep);
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;

    // The same value at every call of a run: twice the one-way traffic term of the run.
    c.VKT = step.single(2 * ctx.gVktOneWay, "VKT");
    calcDispersionTerms(activeAreaSide(ctx), c, step, "AIRINHPh", ctx.gFwdDispXv, ctx.gFwdDispX, ctx.gFwdDispXSum,
                        ctx.gFwdDispSigma);
    ctx.gFwdWindEmis10 = step.single(windEmission10(ctx, c), "AIRINHPh");
    ctx.gFwdTrafficEmis10 = step.single(trafficEmission(ctx, c, c.KP10), "AIRINHPh");
    ctx.gFwdUnloadRate10 = step.single(unloadRate(ctx, c, c.KPL10), "AIRINHPh");
    const float emission =
        step.single(double(ctx.gFwdWindEmis10) + ctx.gFwdTrafficEmis10 + ctx.gFwdUnloadRate10, "AIRINHPh");
    ctx.gFwdPartEmisRate = step.single(in.TOTCONC * emission / 1000000, "AIRINHPh");
    ctx.gFwdPartAirConc = step.single((1 - c.gPartOffset) * 2.03 * ctx.gFwdPartEmisRate * c.F * 1000
                                          / (double(ctx.gFwdDispSigma) * c.U * ctx.gFwdDispXSum * kSecondsPerHour),
                                      "AIRINHPh");
    step.write(out.AIRINHPh,
               in.ORDI != 0 ? (ctx.gFwdPartAirConc * CRAIR * ED * EF)
                                  / (in.ORDI * BWADULT * ATNON * kDaysPerYear * (CRAIR / BWADULT))
                            : 0.0,
               "AIRINHPh");
    step.write(out.AIRINHPr,
               in.CSFI != 0 ? (ctx.gFwdPartAirConc * EF * in.CSFI * c.gInhFactorAdj) / (ATCARC * kDaysPerYear) : 0.0,
               "AIRINHPr");

    calcAirVolatileRisk(ctx, c, in, out, step);
}

Status CalcAirPartLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out)
{
    StepCheck step(in);
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;
    const double HQFACT = ctx.HQFACT, RISKFACT = ctx.RISKFACT;

    calcDispersionTerms(activeAreaSide(ctx), c, step, "AIRINHPsh", ctx.gDispXv, ctx.gDispX, ctx.gDispXSum,
                        ctx.gDispSigma);
    ctx.gWindEmis10 = step.single(windEmission10(ctx, c), "AIRINHPsh");
    ctx.gWindEmis30 = step.single(2 * windEmission10(ctx, c), "AIRINHPsh");
    ctx.gTrafficEmis10 = step.single(trafficEmission(ctx, c, c.KP10), "AIRINHPsh");
    ctx.gTrafficEmis30 = step.single(trafficEmission(ctx, c, c.KP30), "AIRINHPsh");
    ctx.gUnloadRate10 = step.single(unloadRate(ctx, c, c.KPL10), "AIRINHPsh");
    ctx.gUnloadRate30 = step.single(unloadRate(ctx, c, c.KPL30), "AIRINHPsh");

    float allowAirConc = in.ORDI != 0 ? step.single(in.ORDI * BWADULT * (CRAIR / BWADULT) * HQFACT * ATNON
                                                        * kDaysPerYear / (ED * CRAIR * EF),
                                                    "AIRINHPsh")
                                      : 0.0f;
    step.write(out.AIRINHPsh, particulateLevel(ctx, c, allowAirConc, step, "AIRINHPsh"), "AIRINHPsh", true);
    allowAirConc = in.CSFI != 0
                       ? step.single(ATCARC * RISKFACT * kDaysPerYear / (in.CSFI * EF * c.gInhFactorAdj), "AIRINHPsr")
                       : 0.0f;
    step.write(out.AIRINHPsr, particulateLevel(ctx, c, allowAirConc, step, "AIRINHPsr"), "AIRINHPsr", true);
    return step.status();
}

Status CalcAirPartLevelsLead(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                             ConstituentResults& out)
{
    if (in.CHEMCAS != kLeadCas)
        return {};
    StepCheck step(in);
    ctx.gWindEmis10 = step.single(windEmission10(ctx, c), "AIRINHPsr");
    ctx.gTrafficEmis10 = step.single(trafficEmission(ctx, c, c.KP10), "AIRINHPsr");
    ctx.gUnloadRate10 = step.single(unloadRate(ctx, c, c.KPL10), "AIRINHPsr");
    // 0.0002 in place of an allowable air concentration of lead.
    const float leadEmisRate = step.single(double(ctx.gDispSigma) * 0.0002 * c.U * ctx.gDispXSum * kSecondsPerHour
                                               / (double(c.F) * 2.03 * 1000),
                                           "AIRINHPsr");
    step.write(out.AIRINHPsr,
               1000.0 * 1000.0 * leadEmisRate / (double(ctx.gTrafficEmis10) + ctx.gWindEmis10 + ctx.gUnloadRate10),
               "AIRINHPsr");
    step.write(out.AIRINHPsh, 0, "AIRINHPsh");
    return step.status();
}
