#include "engine/forward/groundwater_ingestion.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "engine/forward/groundwater_lookups.h"

namespace {
constexpr double kLeadWellConc = 0.015;
}   // namespace

void CalcGWIngLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                     const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.ORDO != 0) {
        const float den = float(double(k.EF) * k.CRWATER * k.ED);
        const float Th = float(in.ORDO * k.BWADULT * ctx.HQFACT * k.ATNON * kDaysPerYear / den);
        out.GWMaxINGsh = Th;
        out.GWINGsh = gwLeachateConc(ctx, dafs, in, in.CARCNON, Th);
    } else {
        out.GWINGsh = 0;
        out.GWMaxINGsh = 0;
    }

    if (in.CSFO != 0) {
        const float num = float(double(ctx.RISKFACT) * kDaysPerYear * k.ATCARC);
        const float Tr = float(num / (in.CSFO * k.EF * k.IFWADJ));
        out.GWMaxINGsr = Tr;
        out.GWINGsr = gwLeachateConc(ctx, dafs, in, in.CARCNON, Tr);
    } else {
        out.GWINGsr = 0;
        out.GWMaxINGsr = 0;
    }

    if (in.CHEMCAS == kLeadCas) {
        out.GWMaxINGsr = kLeadWellConc;
        out.GWINGsr = gwLeachateConc(ctx, dafs, in, in.CARCNON, float(kLeadWellConc));
    }
}

void CalcGWIngRisk(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                   const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.ORDO != 0) {
        const float Ch = gwWellConc(ctx, dafs, in, kClassNon);
        const float num = float(double(k.CRWATER) * Ch * k.EF * k.ED);
        out.GWINGh = num / (in.ORDO * k.BWADULT * k.ATNON * kDaysPerYear);
    } else {
        out.GWINGh = 0;
    }

    if (in.CSFO != 0) {
        const float Cr = gwWellConc(ctx, dafs, in, kClassCarc);
        const float EFCr = float(double(k.EF) * Cr);
        const float den = float(double(k.ATCARC) * kDaysPerYear);
        out.GWINGr = in.CSFO * EFCr * k.IFWADJ / den;
    } else {
        out.GWINGr = 0;
    }
}
