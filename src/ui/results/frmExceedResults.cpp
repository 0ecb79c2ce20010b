#include "ui/results/frmExceedResults.h"

#include "data/value_pickers.h"

#include <QHash>

#include <iterator>

namespace {

// The surface pathways, in the order in which a tie between limits goes to the earlier one.
const char* const kSurfacePathways[] = {"SWING", "FISHING", "AIRINHV", "AIRINHP", "SOILING"};

// The name of the pathway of an allowable total concentration field; empty for any other text.
QString PathwayCodeToName(const QString& code)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("SWINGsr"), QStringLiteral("Surface Water Ingestion")},
        {QStringLiteral("SWINGsh"), QStringLiteral("Surface Water Ingestion")},
        {QStringLiteral("FISHINGsr"), QStringLiteral("Fish Ingestion")},
        {QStringLiteral("FISHINGsh"), QStringLiteral("Fish Ingestion")},
        {QStringLiteral("AIRINHVsr"), QStringLiteral("Air Volatile Inhalation")},
        {QStringLiteral("AIRINHVsh"), QStringLiteral("Air Volatile Inhalation")},
        {QStringLiteral("AIRINHPsr"), QStringLiteral("Air Particulate Inhalation")},
        {QStringLiteral("AIRINHPsh"), QStringLiteral("Air Particulate Inhalation")},
        {QStringLiteral("SOILINGsr"), QStringLiteral("Soil Ingestion")},
        {QStringLiteral("SOILINGsh"), QStringLiteral("Soil Ingestion")},
    };
    return names.value(code);
}

// The allowable total concentration field with the smallest positive value (the earlier one on
// a tie), or the first pathway's field when none is positive.
QString limitingField(const ResultRecord& record, const QString& suffix)
{
    const int count = int(std::size(kSurfacePathways));
    QString field = QLatin1String(kSurfacePathways[count - 1]) + suffix;
    for (int p = count - 2; p >= 0; --p) {
        const QString earlier = QLatin1String(kSurfacePathways[p]) + suffix;
        field = SmallerPositiveField(earlier, record.value(earlier), field, record.value(field));
    }
    return field;
}

struct Limit {
    QString field;
    double value;
};

// The limit of the total concentration: the smaller of the risk-based and the hazard-based
// levels when both are non-zero (the hazard-based one on a tie), else the one that is positive.
// A level without a value counts as zero.
std::optional<Limit> totalLimit(const ResultRecord& record)
{
    const QString riskField = limitingField(record, QStringLiteral("sr"));
    const QString hazardField = limitingField(record, QStringLiteral("sh"));
    const std::optional<double> r = record.number(riskField);
    const std::optional<double> h = record.number(hazardField);
    const bool hasR = r && *r != 0;
    const bool hasH = h && *h != 0;
    if (hasR && hasH)
        return *r < *h ? Limit{riskField, *r} : Limit{hazardField, *h};
    if (!hasR && hasH && *h > 0)
        return Limit{hazardField, *h};
    if (!hasH && hasR && *r > 0)
        return Limit{riskField, *r};
    return std::nullopt;
}

}   // namespace

frmExceedResults::frmExceedResults()
    : ResultGridWindow(QStringLiteral("Pathways Exceeding the Delisting Limits"), QStringLiteral("grdLimitResults"))
{
}

void frmExceedResults::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 4180},
        {QStringLiteral("CAS Number"), 1879},
        {QStringLiteral("Actual TCLP Concentration (mg/L)"), 2381},
        {QStringLiteral("Limiting TCLP Concentration (mg/L)"), 2461},
        {QStringLiteral("Limiting TCLP Pathway"), 3281},
        {QStringLiteral("Actual Total Concentration (mg/kg)"), 2381},
        {QStringLiteral("Limiting Total Concentration (mg/Kg)"), 2355},
        {QStringLiteral("Limiting Total Pathway"), 3122},
    });
    grid.setGroups({{QString(), 0, 2},
                    {QStringLiteral("Exceeding Pathways Analysis - Chemicals that exceed the delisting level listed "
                                    "by exceeding pathway"),
                     2, 6}});
}

void frmExceedResults::styleRow(GridRowStyle& row) const
{
    const QString dash = QStringLiteral("---");
    for (int c = 0; c < row.columnCount(); ++c)
        if (row.text(c).isEmpty())
            row.setText(c, dash);
    // A TCLP non-detect marks the name and, unless both comparisons are shown, the one that is
    // (the total one when neither is).
    const bool nonDetect = row.cell(0).nonDetect;
    if (nonDetect) {
        row.setStyle(0, kDetLim);
        row.setStyle(1, kDetLim);
        int first = -1;
        if (row.text(2) == dash)
            first = 5;
        else if (row.text(5) == dash)
            first = 2;
        if (first >= 0)
            for (int c = first; c < first + 3; ++c)
                row.setStyle(c, kDetLim);
    }
    if (!row.text(0).contains(QLatin1Char('='))) {
        styleOnePercent(row, 2, nonDetect);
        styleOnePercent(row, 5, nonDetect);
    }
    styleZeroTexts(row, 2);
}

std::optional<QVector<GridCell>> frmExceedResults::recordRow(const ResultRecord& record)
{
    if (record.text(QStringLiteral("LMTPTHTC")) == QLatin1String("Not Applicable"))
        return std::nullopt;

    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = record.flag(QStringLiteral("DLTCLP"));
    QVector<GridCell> cells = {name, GridCell::fromText(record.text(QStringLiteral("CHEMCAS")))};

    // A constituent without a delisting level exceeds it; one without a concentration does not.
    const std::optional<double> tclp = record.number(QStringLiteral("TCLPCONC"));
    const std::optional<double> level = record.number(QStringLiteral("GWDL"));
    if (tclp && !(level && *tclp <= *level))
        cells << GridCell::fromNumber(tclp) << GridCell::fromNumber(level)
              << GridCell::fromText(record.text(QStringLiteral("GWLimitingPathway")));
    else
        cells << GridCell() << GridCell() << GridCell();

    const std::optional<Limit> limit = totalLimit(record);
    const std::optional<double> total = record.number(QStringLiteral("TOTCONC"));
    if (limit && total && *total > limit->value)
        cells << GridCell::fromNumber(total) << GridCell::fromNumber(limit->value)
              << GridCell::fromText(PathwayCodeToName(limit->field));
    return cells;
}

void frmExceedResults::finishLoad(GridModel& grid)
{
    grid.setColumnWidthTwips(4, grid.columnWidthTwips(4) - 350);
    grid.setColumnWidthTwips(7, grid.columnWidthTwips(7) - 500);
}
