#include "engine/forward/gw_delisting.h"

#include "data/value_pickers.h"

#include <array>

namespace {

using Member = std::optional<double> ConstituentResults::*;
using R = ConstituentResults;

struct Route {
    Member hazard;
    Member risk;
    const char* label;
};

// The routes in the order their labels are tried.
const std::array<Route, 4> kRoutes = {{
    {&R::GWMaxINGsh, &R::GWMaxINGsr, "GW Ingestion"},
    {&R::GWMaxADULTsh, &R::GWMaxADULTsr, "GW Dermal-Adult"},
    {&R::GWMaxCHILDsh, &R::GWMaxCHILDsr, "GW Dermal-Child"},
    {&R::GWMaxINHsh, &R::GWMaxINHsr, "GW Inhalation"},
}};

double valueOf(const std::optional<double>& v)
{
    return v.value_or(0);
}

struct Limit {
    double value = 0;
    QString label;
};

// SmallerPositive over the four routes' fields of one side and MCL, innermost first, and the
// label of the first route whose value equals the result, else "MCL".
Limit sideLimit(const R& row, Member Route::*side, double mcl)
{
    Limit limit;
    limit.value = mcl;
    for (size_t i = kRoutes.size(); i-- > 0;)
        limit.value = SmallerPositive(valueOf(row.*(kRoutes[i].*side)), limit.value);
    limit.label = QStringLiteral("MCL");
    for (const Route& route : kRoutes) {
        const std::optional<double>& v = row.*(route.*side);
        if (v && *v == limit.value) {
            limit.label = QString::fromLatin1(route.label);
            break;
        }
    }
    return limit;
}

double routeValue(const R& row, const Route& route)
{
    return SmallerPositive(valueOf(row.*route.risk), valueOf(row.*route.hazard));
}

GWDelistingRow delistingRow(const RunContext& ctx, const DafCurves& dafs, const ConstituentInputs& in, const R& row)
{
    GWDelistingRow out;
    out.ChemCas = in.CHEMCAS;
    const Limit risk = sideLimit(row, &Route::risk, in.MCL);
    const Limit hazard = sideLimit(row, &Route::hazard, in.MCL);
    out.GWMaxAConcen = SmallerPositive(hazard.value, risk.value);

    QString chemClass;
    if (out.GWMaxAConcen == hazard.value) {
        out.GWLimitingPathway = out.GWMaxAConcen != 0 ? hazard.label : QStringLiteral("");
        chemClass = QStringLiteral("NON");
    } else {
        out.GWLimitingPathway = risk.label;
        chemClass = QStringLiteral("CARC");
    }

    out.GWIngetion = routeValue(row, kRoutes[0]);
    out.GWAdultDermalAbsorption = routeValue(row, kRoutes[1]);
    out.GWChildDermalAbsorption = routeValue(row, kRoutes[2]);
    out.GWInhalation = routeValue(row, kRoutes[3]);

    if (out.GWMaxAConcen > 0) {
        const QString unit = ctx.gWmuType == QLatin1String("SI") ? QStringLiteral("SI") : QStringLiteral("LF");
        out.GWDL = InterpLeachateConc(dafs, ctx.gDafScale, out.GWDAF, in.CHEMCAS, unit, chemClass,
                                      float(out.GWMaxAConcen), false);
    }
    out.DAF_SF = ctx.gDafScale;
    return out;
}

}   // namespace

std::vector<GWDelistingRow> CalcGWDelistingLevels(const RunContext& ctx, const DafCurves& dafs,
                                                  std::span<const ConstituentInputs> inputs,
                                                  std::span<const ConstituentResults> results)
{
    std::vector<GWDelistingRow> rows;
    rows.reserve(results.size());
    for (size_t i = 0; i < results.size(); ++i)
        rows.push_back(delistingRow(ctx, dafs, inputs[i], results[i]));
    return rows;
}
