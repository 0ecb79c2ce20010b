#include "engine/forward/soil_ingestion.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "engine/forward/air_dispersion.h"
#include "engine/forward/nongw_values.h"

namespace {

// The total waste concentration whose PM30 dust, settled for a year, gives the allowable soil
// concentration `allowSoilConcRate` × the seconds of a year.
double soilLevel(const RunContext& ctx, const ExposureConstants& c, double allowSoilConcRate, StepCheck& step,
                 const char* field)
{
    const double emission30 = double(ctx.gTrafficEmis30) + ctx.gWindEmis30 + ctx.gUnloadRate30;
    const float allowAirConc = step.single(double(c.BDSOIL) * allowSoilConcRate * c.DSOIL / c.VSETTLE, field);
    const float allowEmisRate = step.single(double(ctx.gDispSigma) * allowAirConc * c.U * ctx.gDispXSum
                                                * kSecondsPerHour / (double(c.F) * 2.03 * 1000),
                                            field);
    return allowEmisRate * 1000.0 / (emission30 / 1000);
}

}   // namespace

Status CalcSoilRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out)
{
    StepCheck step(in);
    const double EF = c.EF, ATCARC = c.ATCARC;

    calcPm30Emissions(ctx, c, step, "SOILINGh");
    ctx.gFwdPartEmisRate = step.single(
        in.TOTCONC * (double(ctx.gTrafficEmis30) + ctx.gWindEmis30 + ctx.gUnloadRate30) / 1000000, "SOILINGh");
    ctx.gFwdPartAirConc = step.single(ctx.gFwdPartEmisRate * 2.03 * c.F * 1000
                                          / (double(c.U) * ctx.gFwdDispSigma * ctx.gFwdDispXSum * kSecondsPerHour),
                                      "SOILINGh");
    const float soilConc = step.single(
        double(c.VSETTLE) * ctx.gFwdPartAirConc * kSecondsPerYear / (double(c.DSOIL) * c.BDSOIL), "SOILINGh");
    step.write(out.SOILINGh,
               in.ORDO != 0 ? double(c.CRSOIL) * soilConc * c.EDCHILD * EF
                                  / (double(c.BWCHILD) * in.ORDO * c.ATCHILD * kDaysPerYear) / 1000000
                            : 0.0,
               "SOILINGh");
    step.write(out.SOILINGr,
               in.CSFO != 0 ? double(c.IFSADJ) * soilConc * EF * in.CSFO / (ATCARC * kDaysPerYear) / 1000000 : 0.0,
               "SOILINGr");
    return step.status();
}

Status CalcSoilIngLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out)
{
    StepCheck step(in);
    const double EF = c.EF, ATCARC = c.ATCARC, CRSOIL = c.CRSOIL, EDCHILD = c.EDCHILD, BWCHILD = c.BWCHILD,
                 ATCHILD = c.ATCHILD, IFSADJ = c.IFSADJ;

    calcPm30Emissions(ctx, c, step, "SOILINGsh");
    if (in.CHEMCAS == kLeadCas) {
        // A fixed allowable soil concentration of 100, over a year of 365.2422 days.
        const float rate = step.single(100 / kSecondsPerTropicalYear, "SOILINGsh");
        step.write(out.SOILINGsh, soilLevel(ctx, c, rate, step, "SOILINGsh"), "SOILINGsh");
        step.write(out.SOILINGsr, 0, "SOILINGsr");
        return step.status();
    }
    if (in.ORDO != 0) {
        const float rate = step.single(BWCHILD * 1000000 * in.ORDO * ATCHILD * ctx.HQFACT * kDaysPerYear
                                           / (EF * CRSOIL * EDCHILD) / kSecondsPerYear,
                                       "SOILINGsh");
        step.write(out.SOILINGsh, soilLevel(ctx, c, rate, step, "SOILINGsh"), "SOILINGsh");
    } else {
        step.write(out.SOILINGsh, 0, "SOILINGsh");
    }
    if (in.CSFO != 0) {
        const float rate = step.single(
            ctx.RISKFACT * 1000000.0 * kDaysPerYear * ATCARC / (EF * in.CSFO * IFSADJ) / kSecondsPerYear, "SOILINGsr");
        step.write(out.SOILINGsr, soilLevel(ctx, c, rate, step, "SOILINGsr"), "SOILINGsr");
    } else {
        step.write(out.SOILINGsr, 0, "SOILINGsr");
    }
    return step.status();
}
