#include "engine/forward/surface_water.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "engine/forward/nongw_values.h"

#include <cmath>

namespace {

const QLatin1String kFishOnlyMercury("22967-92-6");

}   // namespace

std::optional<double> fishUptakeFactor(const ConstituentInputs& in, bool fourCounts)
{
    const bool threshold = fourCounts ? in.LOGKOW >= 4 : in.LOGKOW > 4;
    if (threshold && in.BAF != 0)
        return in.BAF;
    if (in.BCF != 0)
        return in.BCF;
    if (in.BAF != 0)
        return in.BAF;
    return std::nullopt;
}

Status CalcSWFishRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out)
{
    StepCheck step(in);
    const double CRWATER = c.CRWATER, CRFISH = c.CRFISH, EF = c.EF, ED = c.ED, ATCARC = c.ATCARC, ATNON = c.ATNON,
                 BWADULT = c.BWADULT, IFWADJ = c.IFWADJ;
    const double acres = ctx.gUnitAreaAcres;

    // Soil loss of the unit, on a 5 % slope.
    const double s = std::sin(std::atan(0.05));
    ctx.gLSFactor = step.single(
        (s * s * 65.41 + s * 4.56 + 0.065) * std::pow(std::sqrt(acres * kFt2PerAcre) / 145.2, 0.5), "AMBCONC");
    ctx.gSedDeliveryRatio = step.single(std::pow(double(c.d), -0.22) * 0.77, "AMBCONC");
    ctx.gUnitSoilLoss =
        step.single(double(c.K) * c.R * ctx.gLSFactor * c.C * c.p * kKgPerShortTon * ctx.gSedDeliveryRatio, "AMBCONC");
    ctx.gSedimentLoad = step.single(double(ctx.gUnitSoilLoss) * acres * kActiveAreaShare, "AMBCONC");
    // 3.4E+11 as the single-precision constant it always was.
    ctx.gSwFactor1 = step.single(double(ctx.gSedimentLoad) / 3300000000.0, "AMBCONC");
    ctx.gSwFactor2 = step.single(double(ctx.gSedimentLoad) / 340000014336.0, "AMBCONC");

    const float wasteTotConc = step.single(in.TOTCONC, "AMBCONC");
    ctx.gSuspSolids = step.single(double(ctx.gSedimentLoad) / 3300000000.0 * 1000000 + 10, "AMBCONC");
    const float drinkConc = step.single(double(wasteTotConc) * ctx.gSwFactor2, "SWINGh");
    const float totalConc = step.single(double(wasteTotConc) * ctx.gSwFactor1, "AMBCONC");
    // A NULL KSW reads as 0: no partitioning onto suspended solids.
    const float dissolvedConc = step.single(totalConc / (1 + in.KSW * ctx.gSuspSolids * 0.000001), "AMBCONC");
    step.write(out.AMBCONC, dissolvedConc, "AMBCONC");

    if (in.ORDO != 0) {
        step.write(out.SWINGh, CRWATER * drinkConc * EF * ED / (BWADULT * in.ORDO * ATNON * kDaysPerYear), "SWINGh");
        const std::optional<double> bf = fishUptakeFactor(in, false);
        step.write(out.FISHINGh,
                   bf ? dissolvedConc * *bf * CRFISH * EF * ED / (BWADULT * in.ORDO * ATNON * kDaysPerYear) : 0.0,
                   "FISHINGh");
    } else {
        step.write(out.SWINGh, 0, "SWINGh");
        step.write(out.FISHINGh, 0, "FISHINGh");
    }
    if (in.CSFO != 0) {
        step.write(out.SWINGr, IFWADJ * drinkConc * EF * in.CSFO / (ATCARC * kDaysPerYear), "SWINGr");
        const std::optional<double> bf = fishUptakeFactor(in, false);
        step.write(out.FISHINGr,
                   bf ? dissolvedConc * *bf * CRFISH * ED * EF * in.CSFO / (ATCARC * BWADULT * kDaysPerYear) : 0.0,
                   "FISHINGr");
    } else {
        step.write(out.SWINGr, 0, "SWINGr");
        step.write(out.FISHINGr, 0, "FISHINGr");
    }
    if (in.CHEMCAS == kFishOnlyMercury) {
        step.write(out.SWINGr, 0, "SWINGr");
        step.write(out.SWINGh, 0, "SWINGh");
    }
    return step.status();
}

Status CalcSWFishLevels(const RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                        ConstituentResults& out)
{
    if (ctx.gSwFactor2 == 0)
        return {};
    StepCheck step(in);
    const double CRWATER = c.CRWATER, CRFISH = c.CRFISH, EF = c.EF, ED = c.ED, ATCARC = c.ATCARC, ATNON = c.ATNON,
                 BWADULT = c.BWADULT, IFWADJ = c.IFWADJ;
    const double HQFACT = ctx.HQFACT, RISKFACT = ctx.RISKFACT;

    float allowSwConc =
        in.ORDO != 0 ? step.single(BWADULT * in.ORDO * ATNON * HQFACT * kDaysPerYear / (EF * CRWATER * ED), "SWINGsh")
                     : 0.0f;
    step.write(out.SWINGsh, allowSwConc / double(ctx.gSwFactor2), "SWINGsh");
    allowSwConc = in.CSFO != 0 ? step.single(RISKFACT * kDaysPerYear * ATCARC / (EF * in.CSFO * IFWADJ), "SWINGsr")
                               : 0.0f;
    step.write(out.SWINGsr, allowSwConc / double(ctx.gSwFactor2), "SWINGsr");
    if (in.CHEMCAS == kFishOnlyMercury) {
        step.write(out.SWINGsr, 0, "SWINGsr");
        step.write(out.SWINGsh, 0, "SWINGsh");
    }

    // The dissolved concentration back to the water column: a NULL KSW reads as 0, no
    // partitioning, as in the forward step.
    const double partition = 1 + in.KSW * ctx.gSuspSolids * 0.000001;
    std::optional<double> bf = fishUptakeFactor(in, true);
    if (in.ORDO != 0 && bf) {
        const float allowDissolved =
            step.single(BWADULT * in.ORDO * ATNON * HQFACT * kDaysPerYear / (*bf * CRFISH * EF * ED), "FISHINGsh");
        step.write(out.FISHINGsh, allowDissolved * partition / ctx.gSwFactor1, "FISHINGsh");
    } else {
        step.write(out.FISHINGsh, 0, "FISHINGsh");
    }
    bf = fishUptakeFactor(in, false);
    if (in.CSFO != 0 && bf) {
        const float allowDissolved =
            step.single(RISKFACT * kDaysPerYear * ATCARC * BWADULT / (*bf * CRFISH * ED * EF * in.CSFO), "FISHINGsr");
        step.write(out.FISHINGsr, allowDissolved * partition / ctx.gSwFactor1, "FISHINGsr");
    } else {
        step.write(out.FISHINGsr, 0, "FISHINGsr");
    }
    return step.status();
}
