#include "ui/chemdb/frmChngDBProps.h"

#include "data/program_state.h"
#include "data/property_codes.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"

#include <QVBoxLayout>

frmChngDBProps::frmChngDBProps() : grdChngChems(new DataGrid(this))
{
    setWindowTitle(QStringLiteral("Summary of COC Parameter Changes"));
    grdChngChems->setObjectName(QStringLiteral("grdChngChems"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    grdChngChems->setGridFont(font);
    grdChngChems->grid().setColumns({{QStringLiteral("Chemical Name"), 2880},
                                     {QStringLiteral("CAS Number"), 1440},
                                     {QStringLiteral("Parameter Modified"), 2880},
                                     {QStringLiteral("Parameter Symbol"), 1440},
                                     {QStringLiteral("Parameter Units"), 1440},
                                     {QStringLiteral("Original Value"), 1800},
                                     {QStringLiteral("Modified Value"), 1800}});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdChngChems);
}

void frmChngDBProps::formLoad()
{
    resizeTwips(9255, 6780);
}

void frmChngDBProps::addChangeLine(const ChemicalChange& change)
{
    const bool loaded = Forms::isLoaded(QString::fromLatin1(staticMetaObject.className()));
    frmChngDBProps* report = Forms::get<frmChngDBProps>();
    report->grdChngChems->grid().addRow({GridCell::fromText(change.chemName), GridCell::fromText(change.chemCas),
                                         GridCell::fromText(GetPropertyDescription(change.prop)),
                                         GridCell::fromText(change.prop),
                                         GridCell::fromText(GetPropertyUnits(change.prop)),
                                         GridCell::fromText(change.oldValue), GridCell::fromText(change.newValue)});
    if (!loaded)
        report->showForm();
}

void frmChngDBProps::PrintTable(bool FirstPrint)
{
    const GridModel& g = grdChngChems->grid();
    printGrid(g, tablePrintSetup(g, windowTitle(), resultsFooter()), FirstPrint);
}

void frmChngDBProps::ExportToTable()
{
    exportGridToTable(grdChngChems->grid(), windowTitle());
}

void showChangeLog()
{
    Result<std::vector<ChemicalChange>> log = readChangeLog(*programState().gConn);
    if (!log) {
        showGeneralError(log.error(), kUnableToSaveTitle);
        return;
    }
    for (const ChemicalChange& change : *log)
        frmChngDBProps::addChangeLine(change);
}
