#include "engine/delisting/delisting_levels.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"

#include <cmath>

namespace {

struct ReceptorLevel {
    std::optional<double>& Cg;
    std::optional<double>& level;
    std::optional<double>& max;
};

// Stores a receptor's well concentration and leachate level, or 0 in its three columns when
// either is not finite.
void writeReceptor(ReceptorLevel r, double Cg, double dafScaled)
{
    const std::optional<double> cg = storedSingle(Cg);
    const std::optional<double> level = storedSingle(dafScaled * Cg);
    if (cg && level) {
        r.level = level;
        r.Cg = cg;
        r.max = cg;
    } else {
        r.level = 0.0;
        r.Cg = 0.0;
        r.max = 0.0;
    }
}

}   // namespace

void CalcGWDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                        const ExposureConstants& c, const ChemicalDaf& daf, const DafCurves& curves, DelistResults& out)
{
    const float risk = ctx.run.RISKFACT;
    const float hq = ctx.run.HQFACT;
    double scratch = 0;

    if (IsCarc) {
        if (chem.CSFO == 0) {
            out.GWINGCgsr = out.GWINGsr = out.GWADULTCgsr = out.GWADULTsr = 0.0;
            out.GWCHILDCgsr = out.GWCHILDsr = out.GWINHCgsr = out.GWINHsr = 0.0;
            return;
        }
        const double a = roundSingle(double(risk) * kDaysPerYear * c.ATCARC);
        const double b = roundSingle(double(c.IFWADJ) * c.EF);
        const std::optional<double> Cg = storedSingle(a / (chem.CSFO * b));
        if (Cg) {
            out.GWINGsr = double(InterpLeachateConc(curves, ctx.gDafScaleDL, scratch, chem.CHEMCAS, ctx.gWmuTypeDL,
                                                    QStringLiteral("CARC"), float(*Cg), false));
            out.GWINGCgsr = Cg;
        } else {
            out.GWINGsr = out.GWINGCgsr = 0.0;
        }
        CalcGWDermalDelistLevels(chem, true, ctx, c, daf, out);
        out.GWINHsr = out.GWINHCgsr = 0.0;
        return;
    }

    if (chem.ORDO == 0) {
        if (chem.CHEMCAS == kLeadCas) {
            out.GWINGsh = roundSingle(double(daf.gH_WVDAF) * 0.015);
            return;
        }
        out.GWADULTsh = out.GWCHILDsh = out.GWINGsh = 0.0;
        return;
    }
    const std::optional<double> Cg = storedSingle(double(hq) * chem.ORDO * 72 * 30 * kDaysPerYear / 21000);
    if (Cg) {
        out.GWINGsh = double(InterpLeachateConc(curves, ctx.gDafScaleDL, scratch, chem.CHEMCAS, ctx.gWmuTypeDL,
                                                QStringLiteral("Non"), float(*Cg), false));
        out.GWINGCgsh = Cg;
    } else {
        out.GWINGsh = out.GWINGCgsh = 0.0;
    }
    CalcGWDermalDelistLevels(chem, false, ctx, c, daf, out);
    out.GWINHsh = out.GWINHCgsh = 0.0;
}

void CalcGWDermalDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                              const ExposureConstants& c, const ChemicalDaf& daf, DelistResults& out)
{
    if (chem.K == 0) {
        out.GWADULTCgsh = out.GWADULTsh = out.GWCHILDCgsh = out.GWCHILDsh = 0.0;
        out.GWADULTCgsr = out.GWADULTsr = out.GWCHILDCgsr = out.GWCHILDsr = 0.0;
        out.GWMaxADULTsh = out.GWMaxCHILDsh = out.GWMaxADULTsr = out.GWMaxCHILDsr = 0.0;
        return;
    }
    const double Kp = roundSingle(chem.K);
    const double B = roundSingle(chem.B);
    const double tau = roundSingle(chem.TAU);
    const double risk = ctx.run.RISKFACT;
    const double hq = ctx.run.HQFACT;

    double daAdult = 0;
    double daChild = 0;
    if (IsCarc) {
        daAdult = roundSingle(c.BWADULT * risk * kDaysPerYear * c.ATCARC)
                  / (chem.CSFO * roundSingle(double(c.EF) * c.ED) * 20000);
        daChild = roundSingle(c.BWCHILD * risk * kDaysPerYear * c.ATCARC)
                  / (chem.CSFO * roundSingle(double(c.EDCHILD) * c.EF) * 7900);
    } else {
        daAdult = hq * chem.ORDO * roundSingle(c.ATNON * double(kDaysPerYear) * c.BWADULT)
                  / roundSingle(double(c.EF) * c.ED * 20000);
        daChild = hq * chem.ORDO * roundSingle(c.ATCHILD * double(kDaysPerYear) * c.BWCHILD)
                  / roundSingle(double(c.EDCHILD) * c.EF * 7900);
    }

    const double tAdult = c.TADULT;
    double cgAdult = 0;
    double cgChild = 0;
    if (chem.ORGANIC != 0 && chem.TSTAR > tAdult) {
        cgAdult = 1000 * daAdult / (2 * Kp * std::sqrt(6 * tau * tAdult / 3.142));
        cgChild = 1000 * daChild / (2 * Kp * std::sqrt(6 * tau * double(c.TCHILD) / 3.142));
    } else if (chem.ORGANIC != 0) {
        // Long exposure: one factor, formed with the adult's time, for adult and child.
        const double lag = IsCarc ? roundSingle(2 * tau * (1 + 3 * B + 9 * B * B) / (1 + B))
                                  : roundSingle(2 * tau * (1 + 3 * B + 3 * B * B) / ((1 + B) * (1 + B)));
        const double F = roundSingle(Kp * (tAdult / (1 + B) + lag));
        cgAdult = 1000 * daAdult / F;
        cgChild = 1000 * daChild / F;
    } else {
        cgAdult = 1000 * daAdult / (Kp * tAdult);
        cgChild = 1000 * daChild / (Kp * tAdult);
    }

    if (IsCarc) {
        writeReceptor({out.GWADULTCgsr, out.GWADULTsr, out.GWMaxADULTsr}, cgAdult, daf.gWVDAF);
        writeReceptor({out.GWCHILDCgsr, out.GWCHILDsr, out.GWMaxCHILDsr}, cgChild, daf.gWVDAF);
    } else {
        writeReceptor({out.GWADULTCgsh, out.GWADULTsh, out.GWMaxADULTsh}, cgAdult, daf.gH_WVDAF);
        writeReceptor({out.GWCHILDCgsh, out.GWCHILDsh, out.GWMaxCHILDsh}, cgChild, daf.gH_WVDAF);
    }
}
