#include "ui/results/frmAggResults.h"

#include "ui/results/constituent_rows.h"

namespace {

const QString kTotAgg = QStringLiteral("TotAgg");
const QString kTotalsLabel = QStringLiteral("All Waste Constituents");

// The groundwater pathways' sum: ingestion, inhalation and the larger dermal value (the child's
// on a tie, and whenever a comparison has no value).
std::optional<double> groundwaterSum(const ResultRecord& record, const QString& suffix)
{
    const std::optional<double> adult = record.number(QStringLiteral("GWADULT") + suffix);
    const std::optional<double> child = record.number(QStringLiteral("GWCHILD") + suffix);
    const std::optional<double> dermal = adult && child && *adult > *child ? adult : child;
    return nullableSum(nullableSum(record.number(QStringLiteral("GWING") + suffix),
                                   record.number(QStringLiteral("GWINH") + suffix)),
                       dermal);
}

std::optional<double> surfaceSum(const ResultRecord& record, const QString& suffix)
{
    std::optional<double> sum = record.number(QStringLiteral("SWING") + suffix);
    for (const char* pathway : {"FISHING", "AIRINHP", "AIRINHV", "SOILING"})
        sum = nullableSum(sum, record.number(QLatin1String(pathway) + suffix));
    return sum;
}

// The six number cells: groundwater, surface and total hazard index, then the same for risk.
QVector<GridCell> aggregateCells(const frmAggResults::Aggregates& v)
{
    return {GridCell::fromNumber(v[0]), GridCell::fromNumber(v[1]), GridCell::fromNumber(nullableSum(v[0], v[1])),
            GridCell::fromNumber(v[2]), GridCell::fromNumber(v[3]), GridCell::fromNumber(nullableSum(v[2], v[3]))};
}

}   // namespace

frmAggResults::frmAggResults()
    : ResultGridWindow(QStringLiteral("Aggregate Risk and Hazard Quotient Results"), QStringLiteral("grdAggResults"))
{
}

void frmAggResults::Totals::add(const Aggregates& values)
{
    for (size_t i = 0; i < sums.size(); ++i)
        sums[i] = started ? nullableSum(sums[i], values[i]) : values[i];
    started = true;
}

void frmAggResults::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 5133},
        {QStringLiteral("CAS Number"), 2381},
        {QStringLiteral("Aggregate HI- Groundwater Pathways"), 2752},
        {QStringLiteral("Aggregate HI- Surface Pathways"), 2672},
        {QStringLiteral("Total Aggregate Hazard Index"), 2937},
        {QStringLiteral("Aggregate Risk- Groundwater Pathways"), 2593},
        {QStringLiteral("Aggregate Risk- Surface Pathways"), 2566},
        {QStringLiteral("Total Aggregate Risk"), 2672},
    });
    grid.setGroups({{QStringLiteral(" "), 0, 2},
                    {QStringLiteral("Petitioned Waste Aggregate Non-carcinogenic Hazard"), 2, 3},
                    {QStringLiteral("Petitioned Waste Aggregate Carcinogenic Risk"), 5, 3}});
}

QVector<GridStyle> frmAggResults::cellStyles() const
{
    const QVector<GridStyle> skeleton = resultCellStyles();
    return {skeleton[0], skeleton[3], {kTotAgg, 0, true, false, {}, 9.0}};
}

void frmAggResults::styleRow(GridRowStyle& row) const
{
    // The name carries the TCLP non-detect, the CAS number the total one.
    if (row.cell(0).nonDetect)
        for (int c : {0, 1, 2, 4, 5, 7})
            row.setStyle(c, kDetLim);
    if (row.cell(1).nonDetect)
        for (int c : {0, 1, 3, 4, 6, 7})
            row.setStyle(c, kDetLim);
    if (row.text(0).contains(kTotalsLabel))
        for (int c = 2; c < row.columnCount(); ++c)
            row.setStyle(c, kTotAgg);
    // A zero, and a total that no constituent entered.
    styleZeroValues(row, 2);
}

QString frmAggResults::recordSource() const
{
    return kConstituentRowsSource;
}

std::optional<QVector<GridCell>> frmAggResults::recordRow(const ResultRecord& record)
{
    const Aggregates values = {groundwaterSum(record, QStringLiteral("h")), surfaceSum(record, QStringLiteral("h")),
                               groundwaterSum(record, QStringLiteral("r")), surfaceSum(record, QStringLiteral("r"))};
    const bool dlTclp = record.flag(QStringLiteral("DLTCLP"));
    m_including.add(values);
    if (!dlTclp)
        m_excluding.add(values);

    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = dlTclp;
    GridCell cas = GridCell::fromText(record.text(QStringLiteral("CHEMCAS")));
    cas.nonDetect = record.flag(QStringLiteral("DLTOTAL"));
    return QVector<GridCell>{name, cas} + aggregateCells(values);
}

void frmAggResults::finishLoad(GridModel& grid)
{
    const std::pair<QString, const Totals*> rows[] = {
        {QStringLiteral(" Excluding Non-detect Risk"), &m_excluding},
        {QStringLiteral(" Including Non-detect Risk"), &m_including},
    };
    for (const auto& [label, totals] : rows)
        grid.addRow(QVector<GridCell>{GridCell::fromText(kTotalsLabel + label), GridCell::dash()}
                    + (totals->started ? aggregateCells(totals->sums) : QVector<GridCell>(6, GridCell::dash())));
    for (int c = 1; c < grid.columnCount(); ++c)
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) - 100);
    for (const auto& [column, twips] : {std::pair{1, 250}, std::pair{4, 450}, std::pair{7, 400}})
        grid.setColumnWidthTwips(column, grid.columnWidthTwips(column) - twips);
}
