#include "ui/input/frmPrintSiteWMU.h"

#include "data/program_state.h"
#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"

#include <QVBoxLayout>

namespace {

const QString kUnderLine = QStringLiteral("UnderLine");

// A stored value as text; a number in its general text form.
QString shown(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    const std::optional<double> n = variantNumber(v);
    return n ? generalText(*n) : v.toString();
}

QString scientific(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    return formatScientific(v.toDouble());
}

}   // namespace

frmPrintSiteWMU::frmPrintSiteWMU() : grdSiteWMUProps(new DataGrid(this))
{
    setWindowTitle(QStringLiteral("Print Site and WMU Information"));
    grdSiteWMUProps->setObjectName(QStringLiteral("grdSiteWMUProps"));
    grdSiteWMUProps->setGridFont(QFont(QStringLiteral("Arial")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdSiteWMUProps);
    connect(grdSiteWMUProps, &QAbstractItemView::doubleClicked, this, [this] { PrintTable(false); });
}

void frmPrintSiteWMU::formLoad()
{
    resizeTwips(9255, 6780);
    GridModel& grid = grdSiteWMUProps->grid();
    grid.setColumns({{QString(), 4500}, {QString(), 5500}});
    grid.setColumnHeadersVisible(false);
    grid.addStyle({kUnderLine, 0, true, {}, true, {}});
    grid.setRowStyler([](GridRowStyle& row) {
        for (int c = 0; c < row.columnCount(); ++c)
            if (row.text(c).contains(QLatin1Char(':')))
                row.setStyle(c, kUnderLine);
    });
    if (Status s = addRows(); !s) {
        m_loadFailed = true;
        showGeneralError(s.error(), kUnableToSaveTitle);
    }
    grid.setColumnWidthTwips(0, grid.columnWidthTwips(0) - 1000);
}

Status frmPrintSiteWMU::addRows()
{
    const Recordset& site = programState().gRsSiteInfo;
    const Recordset& unit = programState().gRsWmuInfo;
    if (!site.hasRecord() || !unit.hasRecord())
        return Error{kErrRecordset, QStringLiteral("The analysis's site and waste unit records are not open.")};
    GridModel& grid = grdSiteWMUProps->grid();
    const auto add = [&](const QString& label, const QString& value) {
        if (!label.isEmpty())
            grid.addTextRow(label);
        grid.addTextRow(QLatin1Char('\t') + value);
    };
    const auto field = [&](const QString& name) { return shown(site.value(name)); };

    add(QStringLiteral("Delisting Petition Number: "), field(QStringLiteral("PETID")));
    add(QStringLiteral("File Name: "), field(QStringLiteral("FILENAME")));
    add(QStringLiteral("Petitioner's Name: "), field(QStringLiteral("PETNAME")));
    add(QStringLiteral("Address 1: "), field(QStringLiteral("FACID1")));
    add(QStringLiteral("Address 2: "), field(QStringLiteral("FACID2")));
    const QString city = field(QStringLiteral("CITY"));
    const QString state = field(QStringLiteral("STATE")).left(2);
    add(QStringLiteral("City, State: "), city.isEmpty() ? state : city + QStringLiteral(", ") + state);
    add(QStringLiteral("Zip Code: "), field(QStringLiteral("ZIPCODE")));
    add(QStringLiteral("Analysis Performed by: "), field(QStringLiteral("USERNAME")));
    add(QStringLiteral("Date of Analysis: "), field(QStringLiteral("DLSTDATE")));
    add(QStringLiteral("Waste Description: "), field(QStringLiteral("WSTEDESC")));
    add(QStringLiteral("Waste Code: "), field(QStringLiteral("WSTECODE")));

    const bool landfill = unit.value(QStringLiteral("WMUTYPE")).toString() == QLatin1String("LF");
    add(QStringLiteral("WMU Type: "), landfill ? QStringLiteral("Landfill") : QStringLiteral("Surface Impoundment"));
    const QVariant volumeUnit = unit.value(QStringLiteral("WVOLUNIT"));
    QString volumeLabel;
    if (volumeUnit.isValid() && !volumeUnit.isNull()) {
        switch (volumeUnit.toInt()) {
        case 0:
            volumeLabel = QStringLiteral("Waste Volume (yd³): ");
            break;
        case 1:
            volumeLabel = QStringLiteral("Waste Volume (ft³): ");
            break;
        case 2:
            volumeLabel = QStringLiteral("Waste Volume (m³): ");
            break;
        default:
            break;
        }
    }
    add(volumeLabel, shown(unit.value(QStringLiteral("WASTEVOL"))));
    add(QStringLiteral("Active Life (years): "), shown(unit.value(QStringLiteral("ACTVLIFE"))));
    add(QStringLiteral("Risk Factor: "), scientific(unit.value(QStringLiteral("RISKFACT"))));
    add(QStringLiteral("HQ Factor: "), scientific(unit.value(QStringLiteral("HQFACT"))));
    return {};
}

void frmPrintSiteWMU::PrintTable(bool FirstPrint)
{
    const GridModel& grid = grdSiteWMUProps->grid();
    GridPrintSetup setup = tablePrintSetup(grid, QStringLiteral("Site and WMU Information"), QString());
    setup.marginTopBottom = 1.0;
    printGrid(grid, setup, FirstPrint);
}
