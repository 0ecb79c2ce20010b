#include "ui/results/frmTCLPResultsScreen.h"

#include <cmath>

namespace {

constexpr int kDelistingLevelColumn = 5;

}   // namespace

frmTCLPResultsScreen::frmTCLPResultsScreen()
    : ScreenResultsWindow(QStringLiteral("Maximum Allowable TCLP Concentrations - Groundwater Exposure Pathways"),
                          QStringLiteral("grdTCLPResults"))
{
}

void frmTCLPResultsScreen::setupScreenColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 2139},
        {QStringLiteral("Actual Waste Stream TCLP Concentration (mg/L)"), 1365},
        {QStringLiteral("Limiting Maximum Allowable  Receptor Concentration (mg/L)"), 1170},
        {QStringLiteral("Dilution Attenuation Factor (DAF)"), 1049},
        {QStringLiteral("Waste Volume Adjusted DAF"), 1395},
        {QStringLiteral("Delisting Level (Waste) (mg/L - Leachate )"), 1395},
        {QStringLiteral("Max. Allowable Receptor Concentration Based on Groundwater Ingestion"), 2000},
        {QStringLiteral("Max. Allowable Receptor Concentration Based on Groundwater Inhalation"), 2000},
        {QStringLiteral("Max. Allowable Receptor Concentration Based on Adult Groundwater Dermal Absorption"), 2000},
        {QStringLiteral("Max. Allowable Concentration Based on Child Groundwater Dermal Absorption"), 2000},
        {QStringLiteral("Max Allowable Concentration Based on MCL (mg/L)"), 1514},
    });
}

QVector<GridStyle> frmTCLPResultsScreen::cellStyles() const
{
    const QVector<GridStyle> skeleton = resultCellStyles();
    return {skeleton[0],
            skeleton[1],
            skeleton[2],
            {kMaxAllowDL, 16711680, true, {}, {}, {}},
            {kAsterisk, 0, true, true, {}, 16.0},
            skeleton[3]};
}

void frmTCLPResultsScreen::styleRow(GridRowStyle& row) const
{
    styleNonDetectMarkedRow(row);
    styleOnePercent(row, 1, row.cell(0).nonDetect);
    row.setStyle(kDelistingLevelColumn, kMaxAllowDL);
    styleZeroValues(row, 1);
}

QString frmTCLPResultsScreen::recordSource() const
{
    return QStringLiteral("SELECT * FROM SITECOCSQuery WHERE SITEKEY = ? ORDER BY CHEMCAS, COCROWID");
}

std::optional<QVector<GridCell>> frmTCLPResultsScreen::recordRow(const ResultRecord& record)
{
    GridCell name = GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
    name.nonDetect = record.flag(QStringLiteral("DLTCLP"));
    const std::optional<double> daf = record.number(QStringLiteral("GWDAF"));
    const std::optional<double> scale = record.single(QStringLiteral("DAF_SF"));
    const std::optional<double> adjusted = daf && scale ? std::optional<double>(float(*scale * *daf)) : std::nullopt;
    if (adjusted && !std::isfinite(*adjusted)) {
        record.fail(Error{kErrCalculation, QStringLiteral("The scaled DAF of %1 is too large for single precision.")
                                               .arg(record.text(QStringLiteral("CHEMCAS")))});
        return std::nullopt;
    }
    const GridCell level = name.nonDetect ? GridCell::fromText(kDetectionLimitMark)
                                          : GridCell::fromNumber(record.single(QStringLiteral("GWDL")));
    if (!name.nonDetect)
        m_detectedRow = true;
    QVector<GridCell> cells = {name,
                               GridCell::fromNumber(record.number(QStringLiteral("TCLPCONC"))),
                               GridCell::fromNumber(record.number(QStringLiteral("GWMaxAConcen"))),
                               GridCell::fromNumber(daf),
                               GridCell::fromNumber(adjusted),
                               level};
    for (const char* field :
         {"GWIngetion", "GWInhalation", "GWAdultDermalAbsorption", "GWChildDermalAbsorption", "MCL"})
        cells << GridCell::fromNumber(record.number(QLatin1String(field)));
    return cells;
}

void frmTCLPResultsScreen::finishLoad(GridModel& grid)
{
    // A column that shows only "*" is narrow.
    grid.setColumnWidthTwips(kDelistingLevelColumn, m_detectedRow ? 1395 : 300);
}
