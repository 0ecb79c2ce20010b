#include "ui/chemdb/frmCusCOC.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "platform/db/connection.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/chemdb/chemical_grid.h"
#include "ui/chemdb/stored_values.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"

#include <QResizeEvent>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("List of Customer COCs");
constexpr int kChemicalColumnWidth = 3200;
constexpr int kOrganicColumn = 20;
constexpr int kGapTwips = 10;

const QStringList kChemicalCaptions = {"Chemical Name",
                                       "CAS Number",
                                       "MCL",
                                       "Oral Carcinogenic Slope Factor",
                                       "Inhalation Carcinogenic Slope Factor",
                                       "Oral Reference Dose",
                                       "Inhalation Oral Reference Dose",
                                       "Bio-concentration Factor",
                                       "Chemical Soil Saturation Concentration",
                                       "TC",
                                       "Henry's Law Coefficient",
                                       "Diffusion Coefficient in Water",
                                       "Diffusion Coefficient in Air",
                                       "Chemical Solubility",
                                       "Dilution Attenuation Factor for LF",
                                       "Diluation Attenuation Factor for SI",
                                       "TSTAR",
                                       "Permeability Coefficient",
                                       "TAU",
                                       "Bunge Coefficient",
                                       "Chemical is Organic (O) or Inorganic (I)",
                                       "Bio Accumulation Factor",
                                       "Chronic Ecological Toxicity Concentration",
                                       "Chemical is Carcinogenic (C) or Noncarcinogenic (N)",
                                       "Molecular Weight",
                                       "Vapor Pressure",
                                       "Surface Water Partition Coefficient"};

const QStringList kDafFields = {"CAS Num", "LFconc", "DAFLF_CARC", "DAFLF_NON", "SIconc", "DAFSI_CARC", "DAFSI_NON"};

// The positions of `fields` in the query's columns.
QVector<int> fieldPositions(const QueryRows& rows, const QStringList& fields)
{
    QVector<int> positions;
    for (const QString& f : fields)
        positions << rows.columnIndex(f);
    return positions;
}

}   // namespace

frmCusCOC::frmCusCOC()
    : SSOleDBGrid1(makeChemicalGrid(this, QStringLiteral("SSOleDBGrid1"))),
      SSOleDBGrid2(makeChemicalGrid(this, QStringLiteral("SSOleDBGrid2")))
{
    setWindowTitle(kCaption);

    QVector<GridColumn> chemicals;
    for (const QString& caption : kChemicalCaptions)
        chemicals.push_back({caption, kChemicalColumnWidth});
    SSOleDBGrid1->grid().setColumns(chemicals);

    GridModel& dafs = SSOleDBGrid2->grid();
    dafs.setColumns({
        {QStringLiteral("CAS Number"), 3204},
        {QStringLiteral("Concentration"), 2892},
        {QStringLiteral("Carcinogenic Dilution Attenuation Factor"), 3419},
        {QStringLiteral("Noncarcinogenic Dilution Attenuation Factor"), 2657},
        {QStringLiteral("Concentration"), 3224},
        {QStringLiteral("Carcinogenic Dilution Attenuation Factor"), 2989},
        {QStringLiteral("Noncarcinogenic Dilution Attenuation Factor"), 2833},
    });
    dafs.setGroups({{QStringLiteral("Landfill"), 1, 3}, {QStringLiteral("SIurface Impoundment"), 4, 3}});
}

void frmCusCOC::formLoad()
{
    // Two rows of each list at the least.
    setMinimumHeight(
        2 * (std::max(SSOleDBGrid1->heightShowing(2), SSOleDBGrid2->heightShowing(2)) + twipsToPx(kGapTwips)));
    resizeTwips(9255, 6780);
    if (Status s = loadRows(); !s) {
        m_loadFailed = true;
        showGeneralError(s.error(), kUnableToSaveTitle);
    }
}

Status frmCusCOC::loadRows()
{
    Result<std::unique_ptr<Connection>> conn =
        Connection::open(programState().databasePath(), Connection::Mode::ReadOnly);
    if (!conn)
        return conn.error();
    if (Status s = loadChemicals(**conn); !s)
        return s;
    return loadDafs(**conn);
}

Status frmCusCOC::loadChemicals(Connection& conn)
{
    Result<QueryRows> rows = conn.select(QStringLiteral("SELECT * FROM Cus_COCS ORDER BY rowid"));
    if (!rows)
        return rows.error();
    QStringList fields = {QStringLiteral("CHEMNAME"), QStringLiteral("CHEMCAS")};
    fields << chemicalPropertyFields();
    const QVector<int> at = fieldPositions(*rows, fields);
    GridModel& g = SSOleDBGrid1->grid();
    for (const QVector<QVariant>& row : rows->rows) {
        QVector<GridCell> cells;
        for (int c = 0; c < at.size(); ++c) {
            const QVariant value = row.value(at[c]);
            cells << (c < 2 || c == kOrganicColumn ? storedCell(value) : scientificCell(value));
        }
        g.addRow(std::move(cells));
    }
    return {};
}

Status frmCusCOC::loadDafs(Connection& conn)
{
    Result<QueryRows> rows = conn.select(QStringLiteral("SELECT * FROM Cus_DAFs ORDER BY rowid"));
    if (!rows)
        return rows.error();
    const QVector<int> at = fieldPositions(*rows, kDafFields);
    GridModel& g = SSOleDBGrid2->grid();
    for (const QVector<QVariant>& row : rows->rows) {
        QVector<GridCell> cells = {storedCell(row.value(at[0]))};
        for (int c = 1; c < at.size(); ++c)
            cells << scientificCell(row.value(at[c]));
        g.addRow(std::move(cells));
    }
    return {};
}

void frmCusCOC::resizeEvent(QResizeEvent* event)
{
    FormWindow::resizeEvent(event);
    // Too small a window keeps the lists where they were.
    const double height = (pxToTwips(this->height()) - pxToTwips(SSOleDBGrid1->y())) / 2 - kGapTwips;
    if (height < 0)
        return;
    const double width = pxToTwips(this->width()) - 2 * pxToTwips(SSOleDBGrid1->x());
    placeTwips(SSOleDBGrid1, pxToTwips(SSOleDBGrid1->x()), pxToTwips(SSOleDBGrid1->y()), width, height);
    placeTwips(SSOleDBGrid2, pxToTwips(SSOleDBGrid1->x()), height + kGapTwips, width, height);
}

void frmCusCOC::PrintTable(bool FirstPrint)
{
    PrintCommand command;
    const GridModel& chemicals = SSOleDBGrid1->grid();
    printGrid(chemicals, tablePrintSetup(chemicals, windowTitle(), QStringLiteral("Customer Chemical Properties")),
              FirstPrint);
    const GridModel& dafs = SSOleDBGrid2->grid();
    printGrid(dafs, tablePrintSetup(dafs, windowTitle(), QStringLiteral("Customer DAF Properties")), false);
}
