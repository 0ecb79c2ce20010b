#include "ui/results/frmLimitResults.h"

frmLimitResults::frmLimitResults()
    : ResultGridWindow(QStringLiteral("Limiting Pathways"), QStringLiteral("grdLimitResults"))
{
}

void frmLimitResults::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 4286},
        {QStringLiteral("CAS Number"), 2037},
        {QStringLiteral("Maximum Allowable TCLP Concentration (mg/L)"), 2514},
        {QStringLiteral("Maximum Allowable TCLP Pathway"), 4022},
        {QStringLiteral("Maximum Allowable Total Concentration (mg/Kg)"), 2487},
        {QStringLiteral("Maximum Allowable Total Pathway"), 4128},
    });
    grid.setGroups({{QString(), 0, 2},
                    {QStringLiteral("Detection Limit Analysis - Toxicity of Petitioned Waste cannot be confirmed if "
                                    "Detection Limits fall below maximum allowable concentration"),
                     2, 4}});
}

void frmLimitResults::styleRow(GridRowStyle& row) const
{
    // The non-detect state is per cell: the total columns follow the total concentration only.
    for (int c = 0; c < row.columnCount(); ++c)
        if (row.cell(c).nonDetect)
            row.setStyle(c, kDetLim);
    styleZeroTexts(row, 2);
}

std::optional<QVector<GridCell>> frmLimitResults::recordRow(const ResultRecord& record)
{
    const bool dlTotal = record.flag(QStringLiteral("DLTOTAL"));
    const bool nonDetect = record.flag(QStringLiteral("DLTCLP")) || dlTotal;
    const QString totalPathway = record.text(QStringLiteral("LMTPTHTO"));
    const bool applicable = totalPathway != QLatin1String("Not Applicable");
    // A row without a total pathway (never run) shows its limit, but no pathway to mark.
    const bool hasPathway = record.value(QStringLiteral("LMTPTHTO")).isValid();

    QVector<GridCell> cells = {GridCell::fromText(record.text(QStringLiteral("CHEMNAME"))),
                               GridCell::fromText(record.text(QStringLiteral("CHEMCAS"))),
                               GridCell::fromNumber(record.number(QStringLiteral("GWDL"))),
                               GridCell::fromText(record.text(QStringLiteral("GWLimitingPathway"))),
                               applicable ? GridCell::fromNumber(record.number(QStringLiteral("LMTTOTAL")))
                                          : GridCell::dash(),
                               GridCell::fromText(totalPathway)};
    for (int c = 0; c < 4; ++c)
        cells[c].nonDetect = nonDetect;
    cells[4].nonDetect = cells[5].nonDetect = dlTotal && hasPathway && applicable;
    return cells;
}

void frmLimitResults::finishLoad(GridModel& grid)
{
    for (int c : {1, 0})
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) + 300);
}
