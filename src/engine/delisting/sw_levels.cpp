#include "engine/delisting/delisting_levels.h"

#include "engine/common/unit_conversions.h"

namespace {

constexpr double kDrinkingDivisor = double(3.4e11f);   // 340000014336, the single of 3.4e11
constexpr double kSolidsDivisor = 3.3e9;

struct SiteTerms {
    double L;   // soil load: unit area × soil loss
    double D;   // dilution term of the drinking-water level
    double Z;   // solids term of the total water concentration
};

SiteTerms siteTerms(const DelistingContext& ctx)
{
    const double L = double(float(double(ctx.run.gUnitAreaAcres) * ctx.gSoilLossDL));
    return {L, double(float(L / kDrinkingDivisor)), double(float(L / kSolidsDivisor * 1000000 + 10))};
}

// Stores the drinking-water concentration and its level, or 0 in both when either is not finite.
void writeDrinking(std::optional<double>& level, std::optional<double>& Csw, double csw, const SiteTerms& t)
{
    const std::optional<double> l = storedSingle(csw / t.D);
    const std::optional<double> c = storedSingle(csw);
    level = l && c ? *l : 0.0;
    Csw = l && c ? *c : 0.0;
}

// Stores the fish level for the dissolved concentration `Cd`, or 0 in the three fish columns
// when a value is not finite.
void writeFish(std::optional<double>& level, std::optional<double>& Cfish, std::optional<double>& Csw, double cfish,
               double Cd, double KSW, const SiteTerms& t)
{
    const double Ct = Cd * (1 + KSW * t.Z * 0.000001);
    const std::optional<double> l = storedSingle(Ct * kSolidsDivisor / t.L);
    const std::optional<double> f = storedSingle(cfish);
    const std::optional<double> c = storedSingle(Ct);
    const bool ok = l && f && c;
    level = ok ? *l : 0.0;
    Cfish = ok ? *f : 0.0;
    Csw = ok ? *c : 0.0;
}

}   // namespace

void CalcSWDelistLevels(bool IsCarc, const DelistChemical& chem, const DelistingContext& ctx,
                        const ExposureConstants& c, DelistResults& out)
{
    const double risk = ctx.run.RISKFACT;
    const double hq = ctx.run.HQFACT;

    if (IsCarc) {
        if (chem.CSFO == 0) {
            out.SWINGsr = out.FISHINGsr = out.SWINGCswsr = out.FISHINGCfishsr = out.FISHINGCswsr = 0.0;
            return;
        }
        const SiteTerms t = siteTerms(ctx);
        writeDrinking(out.SWINGsr, out.SWINGCswsr, (risk * kDaysPerYear * c.ATCARC) / (chem.CSFO * 374.5), t);

        const double cfish = (risk * kDaysPerYear * c.ATCARC * 72) / (chem.CSFO * (c.ED * 350.0 * 0.02));
        double factor = 0;
        if (chem.LOGKOW > 4 && chem.BAF > 0)
            factor = chem.BAF;
        else if (chem.BCF > 0)
            factor = chem.BCF;
        else if (chem.BAF > 0)
            factor = chem.BAF;
        writeFish(out.FISHINGsr, out.FISHINGCfishsr, out.FISHINGCswsr, cfish, factor > 0 ? cfish / factor : 0, chem.KSW,
                  t);
        return;
    }

    if (chem.ORDO == 0) {
        out.SWINGsh = out.FISHINGsh = out.SWINGCswsh = out.FISHINGCfishsh = out.FISHINGCswsh = 0.0;
        return;
    }
    const SiteTerms t = siteTerms(ctx);
    writeDrinking(out.SWINGsh, out.SWINGCswsh, hq * chem.ORDO * 72 * 30 * kDaysPerYear / 21000, t);

    const double cfish = hq * chem.ORDO * 72 * 30 * kDaysPerYear / 210;
    if (chem.BAF == 0 || chem.BCF == 0) {
        const std::optional<double> f = storedSingle(cfish);
        out.FISHINGsh = 0.0;
        out.FISHINGCfishsh = f.value_or(0.0);
        out.FISHINGCswsh = 0.0;
        return;
    }
    const double factor = chem.LOGKOW > 4 && chem.BAF != 0 ? chem.BAF : chem.BCF;
    writeFish(out.FISHINGsh, out.FISHINGCfishsh, out.FISHINGCswsh, cfish, cfish / factor, chem.KSW, t);
}
