#include "ui/chemdb/frmCusCOSAndDAF.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "data/table_row_statements.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/chemdb/chemical_grid.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"

#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString kCaption = QStringLiteral("Customer Constituents");
const QString kDafsCaption = QStringLiteral("DAFs");

constexpr int kChemicalCasColumn = 1;
constexpr int kDafCasColumn = 0;
// MCL to SOILSAT: 0 when left empty in a new chemical.
constexpr int kFirstZeroColumn = 2;
constexpr int kLastZeroColumn = 8;
constexpr int kDafColumnWidth = 1500;

const QString kRefusedRowText = QStringLiteral(
    "This row holds a value that cannot be stored.  Click \"Yes\" to correct it or \"No\" to drop your changes "
    "to this row.");

// The DAF rows without their identifier, which the database assigns.
const QStringList kDafFields = {"CAS Num", "LFconc", "DAFLF_CARC", "DAFLF_NON", "SIconc", "DAFSI_CARC", "DAFSI_NON"};
const QStringList kDafCaptions = {"CAS Number", "LFconc",     "DAFLF_CARC", "DAFLF_NON",
                                  "SIconc",     "DAFSI_CARC", "DAFSI_NON"};

Result<Recordset> openChemicals(Connection& conn)
{
    return openTableRecordset(conn, cusCocsTable(), {}, {}, QStringLiteral("CHEMNAME, rowid"));
}

Result<Recordset> openDafs(Connection& conn)
{
    return openTableRecordset(conn, cusDafsTable(), {}, {}, QStringLiteral("\"CAS Num\", rowid"), kDafFields);
}

void setupDafColumns(GridModel& g)
{
    for (int c = 0; c < g.columnCount(); ++c) {
        g.setColumnCaption(c, kDafCaptions.value(c));
        g.setColumnWidthTwips(c, kDafColumnWidth);
        if (c > 1)
            g.setColumnFormat(c, true, true);
    }
}

QLabel* makeCaptionBar(QWidget* parent, const QString& text)
{
    auto* bar = new QLabel(text, parent);
    bar->setAlignment(Qt::AlignCenter);
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Mid);
    return bar;
}

// A grid with its caption bar at the top of the rectangle given in twips.
void placeWithCaption(QLabel* caption, DataGrid* grid, double left, double top, double width, double height)
{
    const double bar = pxToTwips(caption->sizeHint().height());
    placeTwips(caption, left, top, width, bar);
    placeTwips(grid, left, top + bar, width, std::max(0.0, height - bar));
}

}   // namespace

frmCusCOSAndDAF::frmCusCOSAndDAF()
    : SSDBGrid1(makeChemicalGrid(this, QStringLiteral("SSDBGrid1"))),
      SSDBGrid2(makeChemicalGrid(this, QStringLiteral("SSDBGrid2"))), Data1(new GridBinding(SSDBGrid1)),
      Data2(new GridBinding(SSDBGrid2)), m_chemicalsCaption(makeCaptionBar(this, QStringLiteral("Constituents"))),
      m_dafsCaption(makeCaptionBar(this, kDafsCaption))
{
    setWindowTitle(kCaption);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data2->setObjectName(QStringLiteral("Data2"));
    for (DataGrid* grid : {SSDBGrid1, SSDBGrid2})
        grid->installEventFilter(this);
    Data1->setBeforeUpdate([this](int row) { return SSDBGrid1_BeforeUpdate(row); });
    Data2->setBeforeUpdate([this](int row) { return askForCasNumber(SSDBGrid2->grid(), row, kDafCasColumn); });
    for (GridBinding* binding : {Data1, Data2})
        binding->setFailureReport([this](const Error& error) {
            m_writeRefused = true;
            showGeneralError(error, kUnableToSaveTitle);
        });
    connect(Data1, &GridBinding::rowsOutdated, this, &frmCusCOSAndDAF::rereadChemicals);
    connect(Data2, &GridBinding::rowsOutdated, this, &frmCusCOSAndDAF::rereadDafs);
}

frmCusCOSAndDAF::~frmCusCOSAndDAF() = default;

void frmCusCOSAndDAF::formLoad()
{
    // A failure stops the load with its own description; the window keeps what was done.
    const auto stop = [](const Error& error) { MsgBox(error.description, vbOKOnly, QString()); };
    Result<std::unique_ptr<Connection>> conn = Connection::open(programState().databasePath());
    if (!conn)
        return stop(conn.error());
    m_conn = std::move(*conn);
    Result<Recordset> chemicals = openChemicals(*m_conn);
    if (!chemicals)
        return stop(chemicals.error());
    Result<Recordset> dafs = openDafs(*m_conn);
    if (!dafs)
        return stop(dafs.error());
    bindChemicals(std::move(*chemicals));
    bindDafs(std::move(*dafs));
    resizeTwips(9255, 6780);
    SetupGrids();
    // Two rows of each grid below its caption at the least.
    const int grid = std::max(SSDBGrid1->heightShowing(2), SSDBGrid2->heightShowing(2));
    setMinimumHeight(2 * (m_chemicalsCaption->sizeHint().height() + grid) + twipsToPx(600));
}

void frmCusCOSAndDAF::bindChemicals(Recordset rows)
{
    const QVector<bool> numbers = numberFields(cusCocsTable(), rows);
    RowStatements statements = tableRowStatements(*m_conn, cusCocsTable(), rows);
    Data1->bind(std::move(rows), numbers, std::move(statements));
    Data1->setEditPermissions(true, true, true);
}

void frmCusCOSAndDAF::bindDafs(Recordset rows)
{
    const QVector<bool> numbers = numberFields(cusDafsTable(), rows);
    RowStatements statements = tableRowStatements(*m_conn, cusDafsTable(), rows);
    Data2->bind(std::move(rows), numbers, std::move(statements));
    Data2->setEditPermissions(true, true, true);
}

void frmCusCOSAndDAF::SetupGrids()
{
    setupChemicalColumns(SSDBGrid1->grid());
    setupDafColumns(SSDBGrid2->grid());
}

void frmCusCOSAndDAF::rereadChemicals()
{
    Data1->unbind();
    if (Result<Recordset> rows = openChemicals(*m_conn)) {
        bindChemicals(std::move(*rows));
        setupChemicalColumns(SSDBGrid1->grid());
    }
}

void frmCusCOSAndDAF::rereadDafs()
{
    Data2->unbind();
    if (Result<Recordset> rows = openDafs(*m_conn)) {
        bindDafs(std::move(*rows));
        setupDafColumns(SSDBGrid2->grid());
    }
}

bool frmCusCOSAndDAF::queryUnload()
{
    // A row the user keeps in edit to complete it keeps the window open, the cursor in the row.
    for (auto [grid, binding] : {std::pair{SSDBGrid1, Data1}, std::pair{SSDBGrid2, Data2}}) {
        m_writeRefused = false;
        if (binding->commitPendingEdit())
            continue;
        // A value that cannot be stored asks as a row without CAS number does: No drops the row's edit.
        if (m_writeRefused && MsgBox(kRefusedRowText, vbYesNo, kInvalidInputTitle) == vbNo) {
            grid->cancelPendingEdit();
            continue;
        }
        grid->setFocus();
        return false;
    }
    return true;
}

RowDecision frmCusCOSAndDAF::SSDBGrid1_BeforeUpdate(int row)
{
    GridModel& g = SSDBGrid1->grid();
    if (g.pendingRowAdded()) {
        std::vector<std::pair<int, GridCell>> zeros;
        for (int c = kFirstZeroColumn; c <= kLastZeroColumn; ++c)
            if (g.cell(row, c).text.isEmpty())
                zeros.emplace_back(c, GridCell{QStringLiteral("0"), 0.0, false});
        g.setCells(row, zeros);
    }
    return askForCasNumber(g, row, kChemicalCasColumn);
}

void frmCusCOSAndDAF::resizeEvent(QResizeEvent* event)
{
    FormWindow::resizeEvent(event);
    const double w = std::round(pxToTwips(width()) - 100);
    const double h = std::round(pxToTwips(height()) / 2 - 300);
    // Too small a window keeps the grids where they were.
    if (w < 0 || h < 0)
        return;
    placeWithCaption(m_chemicalsCaption, SSDBGrid1, 0, 100, w, h);
    placeWithCaption(m_dafsCaption, SSDBGrid2, 0, h + 200, w, h);
}

bool frmCusCOSAndDAF::eventFilter(QObject* watched, QEvent* event)
{
    auto* grid = qobject_cast<DataGrid*>(watched);
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (grid && key == Qt::Key_Delete && !grid->selectedWholeRows().isEmpty()) {
        deleteSelectedRows(*grid, grid == SSDBGrid1 ? *Data1 : *Data2);
        return true;
    }
    // An open editor takes its own Escape back; on the grid it undoes the row's edit.
    if (grid && key == Qt::Key_Escape && grid->grid().pendingRow() >= 0) {
        undoEdit(*grid);
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void frmCusCOSAndDAF::undoEdit(DataGrid& grid)
{
    GridModel& g = grid.grid();
    const int row = g.pendingRow();
    // A new row was empty before.
    const auto before = [&g](int column) { return g.pendingRowBefore().value(column); };
    const auto unchanged = [&](int column) {
        const GridCell& now = g.cell(row, column);
        const GridCell was = before(column);
        return now.text == was.text && now.value == was.value;
    };
    // The current cell's edit first, a refused value included; then, or where it has none, the row's.
    const int column = grid.currentIndex().row() == row ? grid.currentIndex().column() : -1;
    const bool cellEdited = column >= 0 && !unchanged(column);
    if (cellEdited)
        g.setCells(row, {{column, before(column)}});
    bool rowUnchanged = true;
    for (int c = 0; c < g.columnCount() && rowUnchanged; ++c)
        rowUnchanged = unchanged(c);
    // A row back as it was is no longer in edit: leaving it then writes nothing and asks nothing.
    if (!cellEdited || rowUnchanged)
        grid.cancelPendingEdit();
}

void frmCusCOSAndDAF::PrintTable(bool FirstPrint)
{
    PrintCommand command;
    const GridModel& chemicals = SSDBGrid1->grid();
    printGrid(chemicals, tablePrintSetup(chemicals, windowTitle(), QStringLiteral("Customer Chemical Property")),
              FirstPrint);
    const GridModel& dafs = SSDBGrid2->grid();
    printGrid(dafs, tablePrintSetup(dafs, kDafsCaption, QStringLiteral("Customer DAFs")), false);
}

void frmCusCOSAndDAF::ExportToTable()
{
    exportGridToTable(SSDBGrid1->grid(), windowTitle());
}
