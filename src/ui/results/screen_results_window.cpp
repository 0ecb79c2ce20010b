#include "ui/results/screen_results_window.h"

#include "data/program_state.h"
#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"

namespace {

QString targetText(const Recordset& unit, const QString& field)
{
    const std::optional<double> value = variantNumber(unit.value(field));
    return value ? formatScientific(*value) : QString();
}

// The heading of the first column, from the open analysis's waste unit record.
Result<QString> targetsHeading()
{
    const Recordset& unit = programState().gRsWmuInfo;
    if (!unit.hasRecord())
        return Error{kErrRecordset, QStringLiteral("The waste unit record of the open analysis cannot be read.")};
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Chemical Name") + crlf + crlf + QStringLiteral("Risk Factor = ")
           + targetText(unit, QStringLiteral("RISKFACT")) + crlf + QStringLiteral("HQ Factor = ")
           + targetText(unit, QStringLiteral("HQFACT")) + crlf + QStringLiteral("* = Detection Limit");
}

}   // namespace

void styleNonDetectMarkedRow(GridRowStyle& row)
{
    if (row.columnCount() == 0 || !row.cell(0).nonDetect)
        return;
    for (int c = 0; c < row.columnCount(); ++c)
        row.setStyle(c, row.text(c) == kDetectionLimitMark ? kAsterisk : kDetLim);
}

void ScreenResultsWindow::SetChemNameCaption(GridModel& grid)
{
    grid.setColumnCaption(0, m_chemNameCaption);
}

void ScreenResultsWindow::setupColumns(GridModel& grid)
{
    setupScreenColumns(grid);
    SetChemNameCaption(grid);
}

void ScreenResultsWindow::formLoad()
{
    Result<QString> caption = targetsHeading();
    if (!caption) {
        setupScreenColumns(grid()->grid());
        // Without an open analysis there is nothing to report.
        if (programState().gCurSiteKey != 0)
            failLoad(caption.error());
        return;
    }
    m_chemNameCaption = *caption;
    ResultGridWindow::formLoad();
}
