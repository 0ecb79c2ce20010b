#include "ui/results/frmTotalResultsScreen.h"

#include "ui/results/constituent_rows.h"

#include "data/value_pickers.h"

#include <array>

namespace {

// The surface pathways in the order of their columns (4 to 8).
const std::array<const char*, 5> kColumnPathways = {"SWING", "AIRINHP", "FISHING", "SOILING", "AIRINHV"};
// The same in the order in which the smallest allowable concentration is chosen.
const std::array<const char*, 5> kChoiceOrder = {"SWING", "FISHING", "AIRINHV", "AIRINHP", "SOILING"};

// A field that holds no value is no positive value.
double allowable(const ResultRecord& record, const char* pathway, const char* suffix)
{
    return record.number(QLatin1String(pathway) + QLatin1String(suffix)).value_or(0);
}

// The smallest positive value of one kind over the surface pathways; 0 when none is positive.
double smallestAllowable(const ResultRecord& record, const char* suffix)
{
    double smallest = allowable(record, kChoiceOrder[0], suffix);
    for (size_t p = 1; p < kChoiceOrder.size(); ++p)
        smallest = SmallerPositive(smallest, allowable(record, kChoiceOrder[p], suffix));
    return smallest;
}

}   // namespace

frmTotalResultsScreen::frmTotalResultsScreen()
    : ScreenResultsWindow(QStringLiteral("Maximum Allowable Total Concentrations - Surface Exposure Pathways"),
                          QStringLiteral("grdTotalResults"))
{
}

void frmTotalResultsScreen::setupScreenColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 5393},
        {QStringLiteral("Waste Stream Total Concentration (mg/Kg)"), 2911},
        {QStringLiteral("Maximum Allowable Total Concentration (mg/kg)"), 2462},
        {QStringLiteral("Delisting Level (waste) (mg/L)"), 2071},
        {QStringLiteral("Surface Water Ingestion"), 1915},
        {QStringLiteral("Air Particulate Inhalation"), 1895},
        {QStringLiteral("Fish Ingestion"), 1622},
        {QStringLiteral("Soil Ingestion"), 1465},
        {QStringLiteral("Air Volatile Inhalation"), 1309},
    });
    grid.setGroups(
        {{QStringLiteral(" "), 0, 2}, {QStringLiteral("Maximum Allowable Total Concentration (mg/Kg)"), 2, 7}});
}

QVector<GridStyle> frmTotalResultsScreen::cellStyles() const
{
    const QVector<GridStyle> skeleton = resultCellStyles();
    return {skeleton[0],
            skeleton[1],
            skeleton[2],
            {kMaxAllow, 16711680, true, {}, {}, {}},
            {kMaxAllowDL, 16711680, true, true, {}, {}},
            {kAsterisk, 0, true, true, {}, 16.0},
            skeleton[3]};
}

void frmTotalResultsScreen::styleRow(GridRowStyle& row) const
{
    const bool nonDetect = row.cell(0).nonDetect;
    styleNonDetectMarkedRow(row);
    styleOnePercent(row, 1, nonDetect);
    row.setStyle(2, nonDetect ? kMaxAllowDL : kMaxAllow);
    styleZeroValues(row, 1);
}

std::optional<QVector<GridCell>> frmTotalResultsScreen::recordRow(const ResultRecord& record)
{
    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = record.flag(QStringLiteral("DLTOTAL"));
    const double maximum = SmallerPositive(smallestAllowable(record, "sr"), smallestAllowable(record, "sh"));
    // The window computes no delisting level: the column only marks a non-detect.
    const GridCell delistingLevel = name.nonDetect ? GridCell::fromText(kDetectionLimitMark) : GridCell{};
    QVector<GridCell> cells = {name, GridCell::fromNumber(record.number(QStringLiteral("TOTCONC"))),
                               GridCell::fromNumber(maximum), delistingLevel};
    for (const char* pathway : kColumnPathways)
        cells << GridCell::fromNumber(
            SmallerPositive(allowable(record, pathway, "sr"), allowable(record, pathway, "sh")));
    return cells;
}

void frmTotalResultsScreen::finishLoad(GridModel& grid)
{
    for (int c = 4; c < grid.columnCount(); ++c)
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) + 100);
    grid.setColumnWidthTwips(2, grid.columnWidthTwips(2) + 100);
    grid.setColumnWidthTwips(3, grid.columnWidthTwips(3) - 100);
}

QString frmTotalResultsScreen::recordSource() const
{
    return kConstituentRowsSource;
}
