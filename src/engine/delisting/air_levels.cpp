#include "engine/delisting/delisting_levels.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"

#include <algorithm>
#include <cmath>

namespace {

// The columns of one branch.
struct AirColumns {
    std::optional<double>& Cair;
    std::optional<double>& Qp;
    std::optional<double>& Qp10;
    std::optional<double>& INHP;
    std::optional<double>& INHV;
    std::optional<double>& SI;
};

double totalDust(const DustEmissions& e)
{
    return double(e.Ew) + e.Er + e.Eu;
}

// Landfill particulates: the emission rate capped at 10 spread over the unit's dust emission.
void particulates(AirColumns col, double Qp, const DustEmissions& e)
{
    const double Qp10 = Qp <= 10 ? Qp : 10;
    const std::optional<double> level = storedSingle(Qp10 * 3600000 / totalDust(e));
    col.Qp10 = storedSingle(Qp10).value_or(0.0);
    col.INHP = level.value_or(0.0);
}

// Landfill volatiles: the vapour diffusing through the cover; the carcinogen formula carries
// 10^6 in its numerator, the noncarcinogen formula 10^-4 × 10^-6 in its denominator.
void landfillVolatiles(std::optional<double>& column, bool IsCarc, double Qp, const DelistChemical& chem,
                       const DelistingContext& ctx, const ExposureConstants& c)
{
    if (chem.VAPORP == 0 || chem.MW == 0) {
        column = 0.0;
        return;
    }
    const double Csat = roundSingle(chem.VAPORP * chem.MW / roundSingle(double(c.T) * c.RGAS));
    const double porosity = std::pow(0.4, 10.0 / 3.0);
    const double acres = ctx.run.gUnitAreaAcres;
    // 4047 square metres an acre, not kM2PerAcre: the delisting levels keep this formula's rounding.
    const double level =
        IsCarc ? (0.4 * 0.4 * Qp * 0.1524 * 1000000)
                     / (chem.DIFFA * 1000 * porosity * kActiveAreaShare * acres * 4047 * Csat)
               : (0.4 * 0.4 * Qp * 0.1524)
                     / (chem.DIFFA * 1000 * 0.0001 * 0.000001 * porosity * kActiveAreaShare * acres * 4047 * Csat);
    column = storedSingle(level).value_or(0.0);
}

// Impoundment volatiles: the emission over the time the liquid surface needs to lose the
// chemical, against what remains of it over the residence time.
void impoundmentVolatiles(std::optional<double>& column, bool IsCarc, double Qp, const DelistChemical& chem,
                          const DelistingContext& ctx, const ExposureConstants& c)
{
    if (chem.DIFFW == 0 || chem.HENRY == 0) {
        column = 0.0;
        return;
    }
    const RunContext& r = ctx.run;
    const double U10 = roundSingle(5.44 / std::pow(0.7, 0.15));
    // Ether's diffusivity fixed in single precision, where the forward step reads DETHER.
    const double kl = roundSingle(2.611E-07 * U10 * U10 * std::pow(chem.DIFFW / double(8.5E-06f), 2.0 / 3.0));
    const double Sc = roundSingle(c.MUAIR / (double(c.RHOAIR) * chem.DIFFA));
    const double de = roundSingle(std::pow(double(r.gUnitAreaM2) * 4 / 3.142, 0.5));
    const double kg = roundSingle(std::pow(de, -0.11) * (std::pow(U10, 0.78) * 0.00482 * std::pow(Sc, -0.67)));
    const double H = roundSingle(chem.HENRY / (double(c.T) * c.RGAS));
    const double Kol = roundSingle(1 / (1 / (kg * H) + 1 / kl));
    const double t = roundSingle(std::log(0.01) * r.gWasteVolM3 / (-Kol * r.gUnitAreaM2 * kSecondsPerDay));
    // A year of 360 days, not kDaysPerYear: the residence time has always been counted so.
    const double residence = double(r.gWasteVolM3) * 360 / ctx.gFlowRateDL;
    // 4046.8 square metres an acre, not kM2PerAcre: the delisting levels keep this formula's rounding.
    const double Frem = std::exp(-Kol * r.gUnitAreaAcres * 4046.8 * residence * kSecondsPerDay / r.gWasteVolM3);
    const double D = IsCarc ? double(r.gWasteVolM3) * 1000 * Frem : Frem;
    if (D == 0) {
        column = 0.0;
        return;
    }
    const double level = roundSingle(Qp * t * kSecondsPerDay) / D;
    column = std::isfinite(level) ? level : 0.0;
}

// The models behind an allowable air concentration and its emission rate.
void unitModels(AirColumns col, bool IsCarc, bool IsLandfill, double Cair, double Qp, const DelistChemical& chem,
                const DelistingContext& ctx, const ExposureConstants& c)
{
    const std::optional<double> cair = storedSingle(Cair);
    const std::optional<double> qp = storedSingle(Qp);
    if (!cair || !qp) {
        col.Cair = col.Qp = 0.0;
        if (IsLandfill)
            col.Qp10 = col.INHP = col.INHV = 0.0;
        else
            col.SI = 0.0;
        return;
    }
    col.Cair = cair;
    col.Qp = qp;
    if (IsLandfill) {
        particulates(col, *qp, airDustEmissions(ctx, c));
        landfillVolatiles(col.INHV, IsCarc, *qp, chem, ctx, c);
    } else {
        impoundmentVolatiles(col.SI, IsCarc, *qp, chem, ctx, c);
    }
}

}   // namespace

DustEmissions airDustEmissions(const DelistingContext& ctx, const ExposureConstants& c)
{
    const RunContext& r = ctx.run;
    const double Ax = double(r.gUnitAreaM2) * kActiveAreaShare;
    const double Ew = std::pow(4.0 / 5.445, 3) * (1 - double(c.V)) * 0.036 * c.F_X * Ax;
    const double Er = std::pow(c.W / 4.0, 0.5)
                      * (std::pow(c.WEIGHT / 2.7, 0.7) * (c.S / 12.0) * (c.KP10 * 1.7) * (c.SPEED / 48.0))
                      * ((kDaysPerYear - double(c.PRECIP)) / kDaysPerYear) * (ctx.VKT * std::sqrt(Ax) / 1000)
                      * (1000.0 / kHoursPerDay);
    const double Eu = ((c.S / 5.0) * (4.0 / 2.2) * (c.DH / 1.5)
                       / (std::pow(c.M / 2.0, 2) * std::pow(c.YD / 4.6, 1.0 / 3.0)) * (c.KPL10 * 0.0009) * 1000
                       * r.gWasteVolYd3 * 1.289)
                      / (kHoursPerYear * ctx.ACTVLIFE);
    return {float(std::min(roundSingle(Ew), 10.0)), float(std::min(roundSingle(Er), 10.0)),
            float(std::min(roundSingle(Eu), 10.0))};
}

void CalcAirDelistLevels(const DelistChemical& chem, bool IsCarc, bool IsLandfill, const DelistingContext& ctx,
                         const ExposureConstants& c, DelistResults& out)
{
    if (IsCarc) {
        AirColumns col{out.AIRCairsr, out.AIRQpsr, out.AIRQp10sr, out.AIRINHPsr, out.AIRINHVsr, out.AIRSIsr};
        if (chem.CSFI == 0) {
            col.INHP = col.INHV = col.SI = col.Cair = col.Qp = col.Qp10 = 0.0;
            return;
        }
        const double numerator = roundSingle(double(ctx.run.RISKFACT) * kDaysPerYear * c.ATCARC);
        const double Cair = roundSingle(numerator / (roundSingle(double(c.gInhFactorAdj) * 350) * chem.CSFI));
        // 0.3045 as a double computation leaves it; the noncarcinogen branch divides by its single.
        const double Qp = roundSingle(ctx.gDispSigma * Cair * 4.0 * ctx.gDispXSum / 0.30449999999999994);
        unitModels(col, true, IsLandfill, Cair, Qp, chem, ctx, c);
        return;
    }

    AirColumns col{out.AIRCairsh, out.AIRQpsh, out.AIRQp10sh, out.AIRINHPsh, out.AIRINHVsh, out.AIRSIsh};
    if (chem.ORDI == 0) {
        if (chem.CHEMCAS == kLeadCas) {
            // A fixed air concentration of 0.0002, dispersed with the wind term U and the factor F.
            const double Qp = roundSingle(ctx.gDispSigma * 0.0002 * c.U * ctx.gDispXSum / (c.F * 2.03));
            const std::optional<double> qp = storedSingle(Qp);
            col.Cair = 0.0002;
            if (qp) {
                col.Qp = qp;
                particulates(col, *qp, airDustEmissions(ctx, c));
            } else {
                col.Qp = col.Qp10 = col.INHP = 0.0;
            }
            return;
        }
        col.INHP = col.INHV = col.SI = col.Cair = col.Qp = col.Qp10 = 0.0;
        return;
    }
    const double Cair = roundSingle(double(ctx.run.HQFACT) * chem.ORDI * roundSingle(double(c.CRAIR) / c.BWADULT) * 72
                                    * 30 * kDaysPerYear / 210000);
    const double Qp = roundSingle(ctx.gDispSigma * Cair * 4.0 * ctx.gDispXSum / double(0.3045f));
    unitModels(col, false, IsLandfill, Cair, Qp, chem, ctx, c);
}
