#include "engine/delisting/delisting_context.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"
#include "platform/text/ascii_case.h"

#include <cmath>

namespace {

// Rounds `x` into `member`, or names the value that single precision cannot hold.
Status setSingle(float& member, double x, const char* name)
{
    const std::optional<float> f = toSingle(x);
    if (!f)
        return Error{
            kErrCalculation,
            QStringLiteral("The site value %1 of the delisting run is not a finite number.").arg(QLatin1String(name))};
    member = *f;
    return {};
}

}   // namespace

Result<DelistingContext> setDelistingContext(const WasteUnit& unit, const ExposureConstants& c)
{
    DelistingContext ctx;
    if (Status s = CalcWasteVolume(ctx.run, unit); !s)
        return s.error();
    if (Status s = setRunTargets(ctx.run, unit); !s)
        return s.error();
    const RunContext& r = ctx.run;
    ctx.ACTVLIFE = unit.ACTVLIFE.value_or(0);
    ctx.gWmuTypeDL = unit.WMUTYPE;

    const double side = std::sqrt(double(r.gUnitAreaM2) * kActiveAreaShare);
    const double s = std::sin(std::atan(0.05));
    const Status steps[] = {
        setSingle(ctx.gFlowRateDL, unit.FLOWRATE.value_or(0), "gFlowRateDL"),
        setSingle(ctx.gVktOneWayDL, double(r.gAnnualVolYd3) * 1.42 / 3650 + 7.4, "gVktOneWayDL"),
        setSingle(ctx.VKT, 2 * double(ctx.gVktOneWayDL), "VKT"),
        setSingle(ctx.gDispX, side / 2000 + 0.3048, "gDispX"),
        setSingle(ctx.gDispSigma, double(c.A) * std::pow(double(ctx.gDispX), double(c.B)), "gDispSigma"),
        setSingle(ctx.gDispXv, std::pow(side / 2 / 68.26, 1 / 0.919), "gDispXv"),
        setSingle(ctx.gDispXSum, (double(ctx.gDispXv) + ctx.gDispX) * 1000, "gDispXSum"),
        // 4047 square metres an acre, not kM2PerAcre: the delisting levels keep this formula's rounding.
        setSingle(ctx.gExposedAreaM2DL, double(r.gUnitAreaAcres) * kActiveAreaShare * 4047, "gExposedAreaM2DL"),
        setSingle(ctx.gLSFactor,
                  std::pow(std::sqrt(double(r.gUnitAreaAcres) * kFt2PerAcre) / 145.2, 0.5)
                      * (65.41 * s * s + 4.56 * s + 0.065),
                  "gLSFactor"),
        // 0.0041, the worked share rounded, not kActiveAreaShare as in the forward soil loss.
        setSingle(ctx.gSoilLossDL, double(c.K) * c.R * ctx.gLSFactor * c.C * c.p * kKgPerShortTon * 0.28 * 0.0041,
                  "gSoilLossDL"),
    };
    for (const Status& step : steps)
        if (!step)
            return step.error();
    ctx.gDafScaleDL = dafScaleFactor(r.gWasteVolYd3,
                                     unit.WMUTYPE == QLatin1String("LF") ? QStringLiteral("LF") : QStringLiteral("SI"));
    return ctx;
}

Result<DelistDafMaxima> DelistDafMaxima::load(Connection& conn, const QString& wmuType)
{
    const bool landfill = wmuType == QLatin1String("LF");
    DelistDafMaxima maxima;
    const Status read = conn.forEachRow(
        landfill ? QStringLiteral("SELECT [CAS Num], MAX([DAFLF_CARC]), MAX([DAFLF_NON]) FROM DAFs GROUP BY [CAS Num]")
                 : QStringLiteral("SELECT [CAS Num], MAX([DAFSI_CARC]), MAX([DAFSI_NON]) FROM DAFs GROUP BY [CAS Num]"),
        {}, [&maxima](const RowReader& row) -> Status {
            maxima.m_largest.insert(foldAsciiCase(row.text(0)), {row.value(1), row.value(2)});
            return {};
        });
    if (!read)
        return read.error();
    return maxima;
}

bool DelistDafMaxima::hasRows(const QString& cas) const
{
    return m_largest.contains(foldAsciiCase(cas));
}

QVariant DelistDafMaxima::largest(const QString& cas, bool carcinogen) const
{
    const auto it = m_largest.constFind(foldAsciiCase(cas));
    if (it == m_largest.constEnd())
        return {};
    return carcinogen ? it->first : it->second;
}

std::optional<ChemicalDaf> LookupDelistDAF(const DelistChemical& chem, const DelistingContext& ctx,
                                           const DelistDafMaxima& maxima, DelistResults& out)
{
    if (chem.CHEMCASIsNull)
        return std::nullopt;
    const bool carc = chem.isCarcinogen();
    float tableDaf = 0;
    if (maxima.hasRows(chem.CHEMCAS)) {
        const std::optional<double> largest = fieldNumber(maxima.largest(chem.CHEMCAS, carc));
        const std::optional<float> single = largest ? toSingle(*largest) : std::nullopt;
        if (!single)
            return std::nullopt;
        tableDaf = *single;
    }
    const std::optional<float> scaled = toSingle(double(ctx.gDafScaleDL) * tableDaf);
    if (!scaled)
        return std::nullopt;

    ChemicalDaf daf;
    if (carc) {
        daf.gWVDAF = *scaled;
        out.WVDAF = daf.gWVDAF;
        out.DAF = tableDaf;
        out.H_WVDAF = 0;
        out.H_DAF = 0;
    } else {
        daf.gH_WVDAF = *scaled;
        out.WVDAF = 0;
        out.DAF = 0;
        out.H_WVDAF = daf.gH_WVDAF;
        out.H_DAF = tableDaf;
    }
    return daf;
}
