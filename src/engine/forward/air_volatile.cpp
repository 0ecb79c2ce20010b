#include "engine/forward/air_volatile.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "engine/forward/air_dispersion.h"

#include <cmath>

namespace {

// The total waste concentration whose vapour flux through the cover gives the allowable air
// concentration `allowAirConc`, with the back-calculation's dispersion terms.
double volatileLevel(const RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                     double allowAirConc, StepCheck& step, const char* field)
{
    const double activeArea = ctx.gUnitAreaM2 * kActiveAreaShare;
    const float allowVapEmisRate = step.single(
        allowAirConc * ctx.gDispSigma * ctx.gDispXSum * c.U * kSecondsPerHour / (double(c.F) * 2.03 * 1000), field);
    const float allowVapFlux = step.single(allowVapEmisRate / (activeArea * kSecondsPerHour), field);
    const float vapSatConc = vaporSaturationConc(c, in, step, field);
    // Without a diffusion coefficient in air the cover lets no vapour through: no limit.
    if (vapSatConc == 0 || in.DIFFA == 0)
        return 0;
    return (std::pow(double(c.PTOT), 2) * (c.DCOVER * double(allowVapFlux)))
           / ((vapSatConc * 0.0001 * 0.000001) * in.DIFFA * std::pow(double(c.PAIR), 10 / 3.0));
}

}   // namespace

float vaporSaturationConc(const ExposureConstants& c, const ConstituentInputs& in, StepCheck& step, const char* field)
{
    return step.single(in.VAPORP * in.MW / (double(c.T) * c.RGAS), field);
}

void calcAirVolatileRisk(const RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out, StepCheck& step)
{
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;

    const float vapSatConc = vaporSaturationConc(c, in, step, "AIRINHVh");
    const float vapFlux = step.single(in.TOTCONC * 0.000001 * in.DIFFA * 0.0001 * vapSatConc
                                          * std::pow(double(c.PAIR), 10 / 3.0)
                                          / (double(c.DCOVER) * std::pow(double(c.PTOT), 2)),
                                      "AIRINHVh");
    const float vapEmisRate = step.single(ctx.gUnitAreaM2 * kActiveAreaShare * vapFlux * kSecondsPerHour, "AIRINHVh");
    const float vapAirConc = step.single(vapEmisRate * 2.03 * c.F * 1000
                                             / (double(ctx.gFwdDispSigma) * c.U * ctx.gFwdDispXSum * kSecondsPerHour),
                                         "AIRINHVh");
    step.write(out.AIRINHVh,
               in.ORDI != 0
                   ? (vapAirConc * CRAIR * ED * EF) / (in.ORDI * BWADULT * ATNON * kDaysPerYear * (CRAIR / BWADULT))
                   : 0.0,
               "AIRINHVh");
    step.write(out.AIRINHVr,
               in.CSFI != 0 ? (vapAirConc * EF * in.CSFI * c.gInhFactorAdj) / (ATCARC * kDaysPerYear) : 0.0,
               "AIRINHVr");
}

Status CalcAirVolLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                        ConstituentResults& out)
{
    StepCheck step(in);
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;
    const double HQFACT = ctx.HQFACT, RISKFACT = ctx.RISKFACT;

    calcDispersionTerms(activeAreaSide(ctx), c, step, "AIRINHVsh", ctx.gDispXv, ctx.gDispX, ctx.gDispXSum,
                        ctx.gDispSigma);
    if (in.ORDI != 0) {
        const float allowAirConc = step.single(
            in.ORDI * BWADULT * (CRAIR / BWADULT) * HQFACT * ATNON * kDaysPerYear / (ED * CRAIR * EF), "AIRINHVsh");
        step.write(out.AIRINHVsh, volatileLevel(ctx, c, in, allowAirConc, step, "AIRINHVsh"), "AIRINHVsh");
    } else {
        step.write(out.AIRINHVsh, 0, "AIRINHVsh");
    }
    if (in.CSFI != 0) {
        const float allowAirConc =
            step.single(ATCARC * RISKFACT * kDaysPerYear / (in.CSFI * EF * c.gInhFactorAdj), "AIRINHVsr");
        step.write(out.AIRINHVsr, volatileLevel(ctx, c, in, allowAirConc, step, "AIRINHVsr"), "AIRINHVsr");
    } else {
        step.write(out.AIRINHVsr, 0, "AIRINHVsr");
    }
    return step.status();
}
