#include "engine/forward/groundwater_dermal.h"

#include "engine/common/unit_conversions.h"
#include "engine/forward/groundwater_lookups.h"

#include <cmath>

namespace {

constexpr double kAdultSkin = 20000;   // cm²
constexpr double kChildSkin = 7900;
constexpr double kCm3PerLitre = 1000;

// The allowable well concentration for an allowable dose per event.
float allowableWellConc(float dosePerEvent, double eventFactor)
{
    const float X = float(double(dosePerEvent) * kCm3PerLitre);
    return float(X / eventFactor);
}

void CalcGWDermalHQ(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                    const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.ORDO == 0) {
        out.GWADULTh = 0;
        out.GWCHILDh = 0;
        return;
    }
    const float Cw = gwWellConc(ctx, dafs, in, kClassNon);
    const float Da = float(Cw * dermalEventFactor(in, k.TADULT) / kCm3PerLitre);
    const float Dc = float(Cw * dermalEventFactor(in, k.TCHILD) / kCm3PerLitre);
    const float numA = float(Da * kAdultSkin * k.EF * k.ED);
    const float numC = float(Dc * kChildSkin * k.EF * k.EDCHILD);
    out.GWADULTh = numA / (in.ORDO * k.BWADULT * k.ATNON * kDaysPerYear);
    out.GWCHILDh = numC / (in.ORDO * k.BWCHILD * k.ATCHILD * kDaysPerYear);
}

void CalcGWDermalRisk(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                      const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.CSFO == 0) {
        out.GWADULTr = 0;
        out.GWCHILDr = 0;
        return;
    }
    const float Cw = gwWellConc(ctx, dafs, in, kClassCarc);
    const float Da = float(Cw * dermalEventFactor(in, k.TADULT) / kCm3PerLitre);
    const float Dc = float(Cw * dermalEventFactor(in, k.TCHILD) / kCm3PerLitre);
    const float denA = float(double(k.ATCARC) * kDaysPerYear * k.BWADULT);
    const float denC = float(double(k.ATCARC) * kDaysPerYear * k.BWCHILD);
    out.GWADULTr = in.CSFO * Da * 1 * k.EF * k.ED * kAdultSkin / denA;
    out.GWCHILDr = in.CSFO * Dc * 1 * k.EF * k.EDCHILD * kChildSkin / denC;
}

}   // namespace

double dermalEventFactor(const ConstituentInputs& in, float eventTime)
{
    const double t = eventTime;
    if (in.ORGANIC == 0)
        return in.K * t;
    if (in.TSTAR > t)
        return 2 * in.K * std::sqrt(6 * in.TAU * t / 3.142);
    const double B = in.B;
    return in.K * (t / (1 + B) + 2 * in.TAU * (1 + 3 * B + 3 * B * B) / ((1 + B) * (1 + B)));
}

void CalcGWDermalLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                        const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.K == 0) {
        out.GWADULTsh = out.GWCHILDsh = out.GWADULTsr = out.GWCHILDsr = 0;
        out.GWMaxADULTsh = out.GWMaxCHILDsh = out.GWMaxADULTsr = out.GWMaxCHILDsr = 0;
        return;
    }
    const double adultFactor = dermalEventFactor(in, k.TADULT);
    const double childFactor = dermalEventFactor(in, k.TCHILD);

    if (in.ORDO != 0) {
        const float numA = float(double(k.ATNON) * kDaysPerYear * k.BWADULT);
        const float denA = float(double(k.ED) * k.EF * kAdultSkin);
        const float numC = float(double(k.ATCHILD) * kDaysPerYear * k.BWCHILD);
        const float denC = float(double(k.EDCHILD) * k.EF * kChildSkin);
        const float doseA = float(numA * in.ORDO * ctx.HQFACT / denA);
        const float doseC = float(numC * in.ORDO * ctx.HQFACT / denC);
        const float wellA = allowableWellConc(doseA, adultFactor);
        out.GWMaxADULTsh = wellA;
        out.GWADULTsh = gwLeachateConc(ctx, dafs, in, in.CARCNON, wellA);
        const float wellC = allowableWellConc(doseC, childFactor);
        out.GWMaxCHILDsh = wellC;
        out.GWCHILDsh = gwLeachateConc(ctx, dafs, in, in.CARCNON, wellC);
    } else {
        out.GWADULTsh = out.GWCHILDsh = out.GWMaxADULTsh = out.GWMaxCHILDsh = 0;
    }

    if (in.CSFO != 0) {
        const double R = ctx.RISKFACT / in.CSFO;
        const float denA = float(double(k.EV) * k.EF * k.ED * kAdultSkin);
        const float denC = float(double(k.EV) * k.EF * k.EDCHILD * kChildSkin);
        const float doseA = float(R * k.ATCARC * k.BWADULT * kDaysPerYear / denA);
        const float doseC = float(R * k.ATCARC * k.BWCHILD * kDaysPerYear / denC);
        const float wellA = allowableWellConc(doseA, adultFactor);
        out.GWMaxADULTsr = wellA;
        out.GWADULTsr = gwLeachateConc(ctx, dafs, in, in.CARCNON, wellA);
        const float wellC = allowableWellConc(doseC, childFactor);
        out.GWMaxCHILDsr = wellC;
        out.GWCHILDsr = gwLeachateConc(ctx, dafs, in, in.CARCNON, wellC);
    } else {
        out.GWADULTsr = out.GWCHILDsr = out.GWMaxADULTsr = out.GWMaxCHILDsr = 0;
    }
}

void CalcGWDermal(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const ConstituentInputs& in,
                  ConstituentResults& out)
{
    if (in.K == 0) {
        out.GWADULTh = out.GWCHILDh = out.GWADULTr = out.GWCHILDr = 0;
        return;
    }
    CalcGWDermalHQ(ctx, k, dafs, in, out);
    CalcGWDermalRisk(ctx, k, dafs, in, out);
}
