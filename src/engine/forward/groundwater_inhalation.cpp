#include "engine/forward/groundwater_inhalation.h"

#include "engine/common/unit_conversions.h"
#include "engine/forward/groundwater_lookups.h"
#include "engine/forward/indoor_air.h"

namespace {

const QString kClassNonLower = QStringLiteral("non");

bool airModelApplies(const ConstituentInputs& in)
{
    return in.DIFFW != 0 && in.DIFFA != 0 && in.HENRY != 0;
}

struct Compartments {
    float shower;
    float bathroom;
    float house;
};

IndoorAirInput modelInput(const ConstituentInputs& in, float wellConc)
{
    return {in.HENRY, in.DIFFW, in.DIFFA, wellConc};
}

// 1000 × the model's averages at one well concentration, capped at the equilibrium air
// concentration.
Compartments airConcentrations(const IndoorAirRuns& air, const ConstituentInputs& in, float wellConc)
{
    const IndoorAirRun run = air.run(modelInput(in, wellConc));
    Compartments c{float(1000 * run.shower), float(1000 * run.bathroom), float(1000 * run.house)};
    const float eq = float(1000.0 * 1000 * in.HENRY * wellConc / 24.436);
    for (float* x : {&c.shower, &c.bathroom, &c.house})
        if (*x > eq)
            *x = eq;
    return c;
}

double ratio(double air, float wellConc)
{
    return wellConc != 0 ? air / wellConc : 0.0;
}

}   // namespace

std::vector<IndoorAirInput> gwInhalationModelInputs(const RunContext& ctx, const DafCurves& dafs,
                                                    const ConstituentInputs& in)
{
    if (!airModelApplies(in))
        return {};
    return {modelInput(in, gwWellConc(ctx, dafs, in, kClassCarc)),
            modelInput(in, gwWellConc(ctx, dafs, in, kClassNonLower))};
}

void CalcGWInhRisk(RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const IndoorAirRuns& air,
                   const ConstituentInputs& in, ConstituentResults& out)
{
    if (!airModelApplies(in)) {
        out.GWINHr = out.GWINHh = 0;
        out.SHWRRATEr = out.BATHRATEr = out.HSERATEr = 0;
        out.SHWRRATEh = out.BATHRATEh = out.HSERATEh = 0;
        ctx.gShowerAirCarc = ctx.gBathAirCarc = ctx.gHouseAirCarc = 0;
        ctx.gShowerAirNon = ctx.gBathAirNon = ctx.gHouseAirNon = 0;
        return;
    }

    const float Cc = gwWellConc(ctx, dafs, in, kClassCarc);
    const float Cn = gwWellConc(ctx, dafs, in, kClassNonLower);
    const Compartments carc = airConcentrations(air, in, Cc);
    const Compartments non = airConcentrations(air, in, Cn);
    ctx.gShowerAirCarc = carc.shower;
    ctx.gBathAirCarc = carc.bathroom;
    ctx.gHouseAirCarc = carc.house;
    ctx.gShowerAirNon = non.shower;
    ctx.gBathAirNon = non.bathroom;
    ctx.gHouseAirNon = non.house;
    const bool leachate = in.TCLPCONC != 0;

    if (in.ORDI != 0) {
        const double den = in.ORDI * k.BWADULT * k.ATNON * kDaysPerYear * (double(k.CRAIR) / k.gInhRateDivisor);
        auto hq = [&](float air, float exposureTime) {
            return float(double(k.CRAIR) * air * k.EV * k.EF * k.ED * exposureTime / den);
        };
        const float hqShower = hq(non.shower, k.ETshower);
        const float hqBath = hq(non.bathroom, k.ETbathroom);
        const float hqHouse = hq(non.house, k.ETHouse);
        out.GWINHh = float(double(hqBath) + hqShower + hqHouse);
        out.SHWRRATEh = leachate ? ratio(non.shower, Cn) : 0;
        out.BATHRATEh = leachate ? ratio(non.bathroom, Cn) : 0;
        out.HSERATEh = leachate ? ratio(non.house, Cn) : 0;
    } else {
        out.GWINHh = out.SHWRRATEh = out.BATHRATEh = out.HSERATEh = 0;
    }

    if (in.CSFI != 0) {
        const double den = double(k.ATCARC) * kDaysPerYear;
        auto risk = [&](float air, float exposureTime) {
            return float(in.CSFI * air * k.gInhFactorAdj * k.EF * exposureTime / den);
        };
        const float rShower = risk(carc.shower, k.ETshower);
        const float rBath = risk(carc.bathroom, k.ETbathroom);
        const float rHouse = risk(carc.house, k.ETHouse);
        out.GWINHr = float(double(rBath) + rShower + rHouse);
        out.SHWRRATEr = leachate ? ratio(carc.shower, Cc) : 0;
        out.BATHRATEr = leachate ? ratio(carc.bathroom, Cc) : 0;
        out.HSERATEr = leachate ? ratio(carc.house, Cc) : 0;
    } else {
        out.GWINHr = out.SHWRRATEr = out.BATHRATEr = out.HSERATEr = 0;
    }
}

void CalcGWInhLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                     const ConstituentInputs& in, ConstituentResults& out)
{
    out.GWINHsh = out.GWINHsr = out.GWMaxINHsh = out.GWMaxINHsr = 0;
    if (!airModelApplies(in) || (in.CSFI == 0 && in.ORDI == 0))
        return;
    const float Cw = gwWellConc(ctx, dafs, in, in.CARCNON);
    if (Cw == 0)
        return;
    auto quotient = [Cw](float air) { return float(double(air) / Cw); };

    if (in.CSFI != 0) {
        const float Qr =
            float(double(k.ATCARC) * ctx.RISKFACT * kDaysPerYear / (in.CSFI * k.EF * k.EV * k.gInhFactorAdj));
        const float Tr = float(double(k.ETbathroom) * quotient(ctx.gBathAirCarc)
                               + double(k.ETshower) * quotient(ctx.gShowerAirCarc)
                               + double(k.ETHouse) * quotient(ctx.gHouseAirCarc));
        if (Tr != 0) {
            const double well = double(Qr) / Tr;
            out.GWMaxINHsr = well;
            out.GWINHsr = gwLeachateConc(ctx, dafs, in, kClassCarc, float(well));
        }
    }

    if (in.ORDI != 0) {
        const double Qh = double(ctx.HQFACT) * in.ORDI * k.BWADULT * k.ATNON * kDaysPerYear * k.CRAIR
                          / k.gInhRateDivisor / (double(k.IR) * k.EV * k.EF * k.ED);
        const double Th = double(quotient(ctx.gShowerAirNon)) * k.ETshower
                          + double(quotient(ctx.gBathAirNon)) * k.ETbathroom
                          + double(quotient(ctx.gHouseAirNon)) * k.ETHouse;
        if (Th != 0) {
            const double well = Qh / Th;
            out.GWMaxINHsh = well;
            out.GWINHsh = gwLeachateConc(ctx, dafs, in, in.CARCNON, float(well));
        }
    }
}
