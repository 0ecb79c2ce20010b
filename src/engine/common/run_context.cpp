#include "engine/common/run_context.h"

#include "data/value_pickers.h"
#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"

#include <cmath>

namespace {

Error unitError(const QString& field, const QString& why)
{
    return Error{kErrCalculation, QStringLiteral("The waste unit's %1 %2.").arg(field, why)};
}

Error singleError(const QString& what)
{
    return Error{kErrCalculation, QStringLiteral("The %1 is too large for single precision.").arg(what)};
}

}   // namespace

Result<WasteUnit> loadWasteUnit(Connection& conn, qint32 siteKey)
{
    Result<QueryRows> rows =
        conn.select(QStringLiteral("SELECT WMUTYPE, WASTEVOL, WVOLUNIT, ACTVLIFE, RISKFACT, HQFACT, FLOWRATE "
                                   "FROM WMUINFO WHERE SITEKEY = ?"),
                    {siteKey});
    if (!rows)
        return rows.error();
    if (rows->rows.empty())
        return Error{kErrCalculation, QStringLiteral("The analysis %1 has no waste unit.").arg(siteKey)};
    const QVector<QVariant>& row = rows->rows.front();

    WasteUnit unit;
    unit.WMUTYPE = row[0].toString();
    std::optional<double>* numbers[] = {&unit.WASTEVOL, &unit.WVOLUNIT, &unit.ACTVLIFE,
                                        &unit.RISKFACT, &unit.HQFACT,   &unit.FLOWRATE};
    for (int i = 0; i < 6; ++i) {
        const QVariant& v = row[i + 1];
        if (!v.isValid())
            continue;
        *numbers[i] = fieldNumber(v);
        if (!*numbers[i])
            return unitError(rows->columns[i + 1], QStringLiteral("is not a number"));
    }
    return unit;
}

std::optional<double> ConvertVolumeToM3(double value, int unit)
{
    switch (unit) {
    case 0:
        return value / kYd3PerM3;
    case 1:
        return value / kFt3PerM3;
    case 2:
        return value;
    default:
        return std::nullopt;
    }
}

Status CalcWasteVolume(RunContext& ctx, const WasteUnit& unit)
{
    const double wasteVol = unit.WASTEVOL.value_or(0);
    const double activeLife = unit.ACTVLIFE.value_or(0);
    if (!(wasteVol > 0))
        return unitError(QStringLiteral("WASTEVOL"), QStringLiteral("is empty or not greater than 0"));
    if (!(activeLife > 0))
        return unitError(QStringLiteral("ACTVLIFE"), QStringLiteral("is empty or not greater than 0"));
    const double code = unit.WVOLUNIT.value_or(-1);
    if (code != 0 && code != 1 && code != 2)
        return unitError(QStringLiteral("WVOLUNIT"), QStringLiteral("is not cubic yards, cubic feet or cubic metres"));

    const double total = wasteVol * activeLife;
    std::optional<float> yd3;
    std::optional<float> m3;
    if (code == 0) {
        yd3 = toSingle(total);
        m3 = toSingle(*ConvertVolumeToM3(total, 0));
    } else {
        m3 = toSingle(*ConvertVolumeToM3(total, int(code)));
        if (m3)
            yd3 = toSingle(double(*m3) * kYd3PerM3);
    }
    if (!yd3 || !m3)
        return singleError(QStringLiteral("total waste volume"));

    const std::optional<float> annual = toSingle(double(*yd3) / activeLife);
    const std::optional<float> acres = toSingle(std::exp(std::log(double(*yd3)) * 0.676889 - 5.95477));
    if (!annual || !acres)
        return singleError(QStringLiteral("annual waste volume or the unit area"));
    const std::optional<float> m2 = toSingle(double(*acres) * kM2PerAcre);
    if (!m2)
        return singleError(QStringLiteral("unit area"));

    ctx.gWasteVolYd3 = *yd3;
    ctx.gWasteVolM3 = *m3;
    ctx.gAnnualVolYd3 = *annual;
    ctx.gUnitAreaAcres = *acres;
    ctx.gUnitAreaM2 = *m2;
    return {};
}

Status setRunTargets(RunContext& ctx, const WasteUnit& unit)
{
    const std::optional<float> hq = toSingle(unit.HQFACT.value_or(0));
    if (!hq)
        return unitError(QStringLiteral("HQFACT"), QStringLiteral("is too large for single precision"));
    const std::optional<float> risk = toSingle(unit.RISKFACT.value_or(0));
    if (!risk)
        return unitError(QStringLiteral("RISKFACT"), QStringLiteral("is too large for single precision"));
    ctx.HQFACT = *hq;
    ctx.RISKFACT = *risk;
    ctx.gVktOneWay = double(ctx.gAnnualVolYd3) * 1.42 / 3650 + 7.4;
    ctx.gWmuType = unit.WMUTYPE;
    ctx.ACTVLIFE = unit.ACTVLIFE.value_or(0);
    return {};
}

float dafScaleFactor(double wasteVolYd3, const QString& wmuType)
{
    const double raw = wmuType == QLatin1String("SI") ? 108687 * std::pow(wasteVolYd3, -1.20644)
                                                      : 120379 * std::pow(wasteVolYd3, -0.97952);
    return float(*LargerPositive(raw, 1.0));
}
