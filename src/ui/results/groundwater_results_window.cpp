#include "ui/results/groundwater_results_window.h"

#include "data/program_state.h"

GroundwaterResultsWindow::GroundwaterResultsWindow(const Layout& layout)
    : ResultGridWindow(layout.caption, QStringLiteral("grdTCLPResults")), m_layout(layout)
{
}

void GroundwaterResultsWindow::setupColumns(GridModel& grid)
{
    const QString concentration = QStringLiteral("Waste Stream TCLP Concentration (mg/L)");
    const QString daf = QStringLiteral("Dilution Attenuation Factor (DAF)");
    const QString adjusted = QStringLiteral("Waste Volume Adjusted DAF");
    const QStringList first = m_layout.concentrationFirst ? QStringList{concentration, daf, adjusted}
                                                          : QStringList{daf, adjusted, concentration};
    const QStringList captions =
        QStringList{QStringLiteral("Chemical Name")} + first
        + QStringList{QStringLiteral("Groundwater Ingestion Pathway"), QStringLiteral("Groundwater Inhalation Pathway"),
                      QStringLiteral("Groundwater Dermal Absorption Pathway - Adult"),
                      QStringLiteral("Groundwater Dermal Absorption Pathway - Child"), m_layout.aggregateCaption};
    QVector<GridColumn> columns;
    for (int c = 0; c < captions.size(); ++c)
        columns << GridColumn{captions[c], m_layout.widths[c]};
    grid.setColumns(columns);
    const int split = m_layout.concentrationFirst ? 4 : 3;
    grid.setGroups({{QStringLiteral(" "), 0, split}, {m_layout.pathwayGroupCaption, split, 9 - split}});
}

Status GroundwaterResultsWindow::prepareLoad(Connection& conn)
{
    Result<QueryRows> unit =
        conn.select(QStringLiteral("SELECT WMUTYPE FROM WMUINFO WHERE SITEKEY = ?"), {programState().storedSiteKey()});
    if (!unit)
        return unit.error();
    const bool impoundment = !unit->rows.empty() && unit->rows.front()[0].toString() == QLatin1String("SI");
    m_unitType = impoundment ? QStringLiteral("SI") : QStringLiteral("LF");

    // The DAF curves of every constituent, read once for the whole table.
    Result<QueryRows> cas = conn.select(QStringLiteral("SELECT DISTINCT CHEMCAS FROM SITECOCS WHERE SITEKEY = ?"),
                                        {programState().storedSiteKey()});
    if (!cas)
        return cas.error();
    QStringList numbers;
    for (const auto& row : cas->rows)
        numbers << row[0].toString();
    Result<DafCurves> curves = DafCurves::load(conn, numbers);
    if (!curves)
        return curves.error();
    m_dafs = std::move(*curves);
    return {};
}

std::optional<double> GroundwaterResultsWindow::lookUpDaf(const ResultRecord& record, std::optional<double> scale,
                                                          std::optional<double> aggregate)
{
    if (!aggregate || *aggregate <= 0)
        return 0.0;
    if (!scale || !m_dafs)
        return std::nullopt;
    double daf = 0;
    InterpWellConc(*m_dafs, *scale, daf, record.text(QStringLiteral("CHEMCAS")), m_unitType, m_layout.chemClass, false,
                   record.number(QStringLiteral("TCLPCONC")).value_or(0));
    return daf;
}

std::optional<QVector<GridCell>> GroundwaterResultsWindow::recordRow(const ResultRecord& record)
{
    const std::optional<double> ingestion = record.number(QStringLiteral("GWING") + m_layout.suffix);
    const std::optional<double> inhalation = record.number(QStringLiteral("GWINH") + m_layout.suffix);
    const std::optional<double> adult = record.number(QStringLiteral("GWADULT") + m_layout.suffix);
    const std::optional<double> child = record.number(QStringLiteral("GWCHILD") + m_layout.suffix);
    // A comparison with a missing value is false: the child value then enters the aggregate.
    const std::optional<double> dermal = adult && child && *adult > *child ? adult : child;
    const std::optional<double> aggregate = nullableSum(nullableSum(ingestion, inhalation), dermal);
    m_totals[0].add(ingestion);
    m_totals[1].add(inhalation);
    m_totals[2].add(adult);
    m_totals[3].add(child);
    m_totals[4].add(aggregate);

    const std::optional<double> scale = record.single(QStringLiteral("DAF_SF"));
    const std::optional<double> daf = lookUpDaf(record, scale, aggregate);
    const std::optional<double> adjusted = daf && scale ? std::optional<double>(*daf * *scale) : std::nullopt;
    const GridCell concentration = GridCell::fromNumber(record.number(QStringLiteral("TCLPCONC")));

    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = record.flag(QStringLiteral("DLTCLP"));
    QVector<GridCell> cells = {name};
    if (m_layout.concentrationFirst)
        cells << concentration << GridCell::fromNumber(daf) << GridCell::fromNumber(adjusted);
    else
        cells << GridCell::fromNumber(daf) << GridCell::fromNumber(adjusted) << concentration;
    cells << GridCell::fromNumber(ingestion) << GridCell::fromNumber(inhalation) << GridCell::fromNumber(adult)
          << GridCell::fromNumber(child) << GridCell::fromNumber(aggregate);
    return cells;
}

void GroundwaterResultsWindow::finishLoad(GridModel& grid)
{
    QVector<GridCell> totals = {GridCell::fromText(QStringLiteral("All Waste Constituents")), GridCell::dash(),
                                GridCell::dash(), GridCell::dash()};
    for (const RunningTotal& t : m_totals)
        totals << t.cell();
    grid.addRow(std::move(totals));
}
