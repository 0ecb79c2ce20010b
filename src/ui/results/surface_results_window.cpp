#include "ui/results/surface_results_window.h"

#include "ui/results/constituent_rows.h"

namespace {
// The surface pathways in column order.
const std::array<const char*, 5> kPathways = {"SWING", "AIRINHP", "FISHING", "SOILING", "AIRINHV"};
}   // namespace

SurfaceResultsWindow::SurfaceResultsWindow(const QString& caption, const QString& suffix,
                                           const QString& pathwayGroupCaption, const QString& aggregateCaption)
    : ResultGridWindow(caption, QStringLiteral("grdTotalResults")), m_suffix(suffix),
      m_pathwayGroupCaption(pathwayGroupCaption), m_aggregateCaption(aggregateCaption)
{
}

void SurfaceResultsWindow::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 5318},
        {QStringLiteral("Waste Stream Total Concentration (mg/Kg)"), 2461},
        {QStringLiteral("Surface Water Ingestion Pathway"), 1720},
        {QStringLiteral("Air Particulate Inhalation Pathway"), 1773},
        {QStringLiteral("Fish Ingestion Pathway"), 1667},
        {QStringLiteral("Soil Ingestion Pathway"), 1614},
        {QStringLiteral("Air Volatile Inhalation Pathway"), 1799},
        {m_aggregateCaption, 2461},
    });
    grid.setGroups({{QStringLiteral(" "), 0, 2}, {m_pathwayGroupCaption, 2, 6}});
}

std::optional<QVector<GridCell>> SurfaceResultsWindow::recordRow(const ResultRecord& record)
{
    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = record.flag(QStringLiteral("DLTOTAL"));
    QVector<GridCell> cells = {name, GridCell::fromNumber(record.number(QStringLiteral("TOTCONC")))};
    std::optional<double> aggregate;
    for (size_t p = 0; p < kPathways.size(); ++p) {
        const std::optional<double> value = record.number(QLatin1String(kPathways[p]) + m_suffix);
        aggregate = p == 0 ? value : nullableSum(aggregate, value);
        m_totals[p].add(value);
        cells << GridCell::fromNumber(value);
    }
    m_totals[5].add(aggregate);
    cells << GridCell::fromNumber(aggregate);
    return cells;
}

void SurfaceResultsWindow::finishLoad(GridModel& grid)
{
    QVector<GridCell> totals = {GridCell::fromText(QStringLiteral("All Waste Constituents")), GridCell::dash()};
    for (const RunningTotal& t : m_totals)
        totals << t.cell();
    grid.addRow(std::move(totals));
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) + 125);
}

QString SurfaceResultsWindow::recordSource() const
{
    return kConstituentRowsSource;
}
