#include "engine/forward/surface_impoundment.h"

#include "engine/common/unit_conversions.h"
#include "engine/forward/air_dispersion.h"

#include <cmath>

namespace {

// The waste concentration in the impoundment whose emission gives the allowable air
// concentration `allowAirConc`.
double impoundmentLevel(const RunContext& ctx, const ExposureConstants& c, const ImpoundmentTransfer& t,
                        double allowAirConc, StepCheck& step, const char* field)
{
    const float allowEmisRate = step.single(
        allowAirConc * ctx.gDispSigma * ctx.gDispXSum * c.U * kSecondsPerHour / (double(c.F) * 2.03 * 1000), field);
    const double removed = std::exp(-double(t.Kol) * ctx.gUnitAreaM2 * t.tRem * kSecondsPerDay / ctx.gWasteVolM3);
    return (allowEmisRate * double(t.tRem) * kHoursPerDay * 1000) / (double(ctx.gWasteVolM3) * 1000 * removed);
}

}   // namespace

ImpoundmentTransfer calcImpoundmentTransfer(const RunContext& ctx, const ExposureConstants& c,
                                            const ConstituentInputs& in, float depth, StepCheck& step,
                                            const char* field)
{
    ImpoundmentTransfer t;
    t.uWind = step.single(5.44 / std::pow(0.7, 0.15), field);
    t.fetch = step.single(std::sqrt(double(ctx.gUnitAreaM2)), field);
    t.depth = depth;
    t.FD = step.single(double(t.fetch) / t.depth, field);
    if (in.HENRY == 0)
        return t;
    if (in.DIFFA == 0)
        step.refuse("DIFFA", QStringLiteral("a volatile chemical needs a diffusion coefficient in air."));
    if (in.DIFFW == 0)
        step.refuse("DIFFW", QStringLiteral("a volatile chemical needs a diffusion coefficient in water."));

    const double u2 = double(t.uWind) * t.uWind;
    double kL0;
    if (t.FD > 51.2f && t.uWind > 3.25f)
        kL0 = u2 * 2.611e-7;
    else if (t.uWind >= 3.25f)
        kL0 = u2 * (t.FD * 2.605e-9 + 1.277e-7);
    else
        kL0 = 2.78e-6;
    t.kL = step.single(kL0 * std::pow(in.DIFFW / c.DETHER, 2 / 3.0), field);
    t.ScG = step.single(c.MUAIR / (in.DIFFA * c.RHOAIR), field);
    t.de = step.single(std::pow(double(ctx.gUnitAreaM2) * 4 / 3.142, 0.5), field);
    t.kG = step.single(std::pow(double(t.uWind), 0.78) * 0.00482 * std::pow(double(t.ScG), -0.67)
                           * std::pow(double(t.de), -0.11),
                       field);
    t.Keq = step.single(in.HENRY / (double(c.T) * c.RGAS), field);
    t.Kol = step.single(1 / (1 / (double(t.Keq) * t.kG) + 1 / double(t.kL)), field);
    t.tRem = step.single(std::log(0.01) * ctx.gWasteVolM3 / (-double(t.Kol) * ctx.gUnitAreaM2 * kSecondsPerDay), field);
    return t;
}

Status CalcImpoundmentRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                           ConstituentResults& out)
{
    StepCheck step(in);
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;

    calcDispersionTerms(std::sqrt(double(ctx.gUnitAreaM2)), c, step, "AIRINHVh", ctx.gFwdDispXv, ctx.gFwdDispX,
                        ctx.gFwdDispXSum, ctx.gFwdDispSigma);
    const float depth = step.single(double(ctx.gWasteVolM3) / ctx.gUnitAreaM2, "AIRINHVh");
    const ImpoundmentTransfer t = calcImpoundmentTransfer(ctx, c, in, depth, step, "AIRINHVh");
    float emission = 0;
    if (in.HENRY != 0) {
        const double removed =
            std::exp((-double(t.Kol) * ctx.gUnitAreaM2 * t.tRem) / (double(ctx.gWasteVolM3) / kSecondsPerDay));
        emission = step.single(ctx.gWasteVolM3 * in.TCLPCONC / (double(t.tRem) * kHoursPerDay) * removed, "AIRINHVh");
    }
    const float airConc = step.single(emission * 2.03 * c.F * 1000
                                          / (double(ctx.gFwdDispSigma) * ctx.gFwdDispXSum * c.U * kSecondsPerHour),
                                      "AIRINHVh");
    step.write(out.AIRINHVh,
               in.ORDI != 0
                   ? (CRAIR * airConc * ED * EF) / (in.ORDI * BWADULT * ATNON * kDaysPerYear * (CRAIR / BWADULT))
                   : 0.0,
               "AIRINHVh", true);
    step.write(out.AIRINHVr, in.CSFI != 0 ? (EF * airConc * in.CSFI * c.gInhFactorAdj) / (ATCARC * kDaysPerYear) : 0.0,
               "AIRINHVr", true);
    if (!step.failed())
        for (std::optional<double>* field : {&out.SWINGh, &out.FISHINGh, &out.SOILINGh, &out.AIRINHPh, &out.SWINGr,
                                             &out.FISHINGr, &out.SOILINGr, &out.AIRINHPr})
            *field = 0.0;
    return step.status();
}

Status CalcImpoundmentLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                             ConstituentResults& out)
{
    StepCheck step(in);
    const double CRAIR = c.CRAIR, ED = c.ED, EF = c.EF, ATCARC = c.ATCARC, ATNON = c.ATNON, BWADULT = c.BWADULT;
    const double HQFACT = ctx.HQFACT, RISKFACT = ctx.RISKFACT;

    calcDispersionTerms(std::sqrt(double(ctx.gUnitAreaM2)), c, step, "AIRINHVsh", ctx.gDispXv, ctx.gDispX,
                        ctx.gDispXSum, ctx.gDispSigma);
    // The depth of the back-calculation is fixed, whatever the waste volume.
    const ImpoundmentTransfer t = calcImpoundmentTransfer(ctx, c, in, 7.191f, step, "AIRINHVsh");
    if (in.ORDI != 0) {
        const float allowAirConc = step.single(
            in.ORDI * BWADULT * (CRAIR / BWADULT) * HQFACT * ATNON * kDaysPerYear / (ED * CRAIR * EF), "AIRINHVsh");
        step.write(out.AIRINHVsh, impoundmentLevel(ctx, c, t, allowAirConc, step, "AIRINHVsh"), "AIRINHVsh");
    } else {
        step.write(out.AIRINHVsh, 0, "AIRINHVsh");
    }
    if (in.CSFI != 0) {
        const float allowAirConc =
            step.single(ATCARC * RISKFACT * kDaysPerYear / (in.CSFI * EF * c.gInhFactorAdj), "AIRINHVsr");
        step.write(out.AIRINHVsr, impoundmentLevel(ctx, c, t, allowAirConc, step, "AIRINHVsr"), "AIRINHVsr");
    } else {
        step.write(out.AIRINHVsr, 0, "AIRINHVsr");
    }
    if (!step.failed())
        for (std::optional<double>* field : {&out.SWINGsh, &out.FISHINGsh, &out.AIRINHPsh, &out.SOILINGsh, &out.SWINGsr,
                                             &out.FISHINGsr, &out.AIRINHPsr, &out.SOILINGsr})
            *field = 0.0;
    return step.status();
}
