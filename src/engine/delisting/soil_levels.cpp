#include "engine/delisting/delisting_levels.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"

#include <algorithm>
#include <cmath>

namespace {

// Stores the level for the soil concentration Cs and air concentration Ca, or 0 in the three
// columns when a value is not finite.
void writeSoil(std::optional<double>& level, std::optional<double>& air, std::optional<double>& soil, double Cs,
               double Ca, const DelistingContext& ctx, const ExposureConstants& c)
{
    const DustEmissions e = soilDustEmissions(ctx, c);
    const double E = std::min(double(e.Ew) + e.Er + e.Eu, 30.0);
    const std::optional<double> l =
        storedSingle((ctx.gDispSigma * Ca * c.U * ctx.gDispXSum * 1000) / (E * 2.03 * c.F / kSecondsPerHour));
    const std::optional<double> a = storedSingle(Ca);
    const std::optional<double> s = storedSingle(Cs);
    const bool ok = l && a && s;
    level = ok ? *l : 0.0;
    air = ok ? *a : 0.0;
    soil = ok ? *s : 0.0;
}

}   // namespace

DustEmissions soilDustEmissions(const DelistingContext& ctx, const ExposureConstants& c)
{
    const RunContext& r = ctx.run;
    const double Ew = 2 * 0.036 * (1 - double(c.V)) * std::pow(4 / 5.445, 3) * c.F_X * ctx.gExposedAreaM2DL;
    const double Er = 1.7 * c.KP30 * (c.S / 12.0) * (c.SPEED / 48.0) * std::pow(c.WEIGHT / 2.7, 0.7)
                      * std::pow(c.W / 4.0, 0.5) * ((kDaysPerYear - double(c.PRECIP)) / kDaysPerYear)
                      * (ctx.VKT * std::sqrt(double(r.gUnitAreaM2) * kActiveAreaShare) / 1000)
                      * (1000.0 / kHoursPerDay);
    const double Eu = (0.0009 * c.KPL30 * (c.S / 5.0) * (4 / 2.2) * (c.DH / 1.5)
                       / (std::pow(c.M / 2.0, 2) * std::pow(c.YD / 4.6, 1.0 / 3.0)))
                      * 1000 * r.gWasteVolYd3 * 1.289 / (ctx.ACTVLIFE * kHoursPerYear);
    return {float(std::min(roundSingle(Ew), 30.0)), float(std::min(roundSingle(Er), 30.0)),
            float(std::min(roundSingle(Eu), 30.0))};
}

void CalcSoilDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                          const ExposureConstants& c, DelistResults& out)
{
    if (IsCarc) {
        if (chem.CSFO == 0) {
            out.SOILINGsr = out.SOILINCairsr = out.SOILINCsoilsr = 0.0;
            return;
        }
        const double Cs = (double(ctx.run.RISKFACT) * kDaysPerYear * c.ATCARC * 1000000) / (chem.CSFO * 39550);
        writeSoil(out.SOILINGsr, out.SOILINCairsr, out.SOILINCsoilsr, Cs, Cs * 0.0145 / 946.08, ctx, c);
        return;
    }

    if (chem.ORDO == 0) {
        if (chem.CHEMCAS == kLeadCas) {
            // A fixed soil concentration of 100.
            writeSoil(out.SOILINGsh, out.SOILINCairsh, out.SOILINCsoilsh, 100, 1.45 / 946.08, ctx, c);
            return;
        }
        out.SOILINGsh = out.SOILINCairsh = out.SOILINCsoilsh = 0.0;
        return;
    }
    const double Cs = double(ctx.run.HQFACT) * chem.ORDO * 15 * 6 * kDaysPerYear * 1000000 / 420000;
    writeSoil(out.SOILINGsh, out.SOILINCairsh, out.SOILINCsoilsh, Cs, Cs * 0.0145 / 946.08, ctx, c);
}
