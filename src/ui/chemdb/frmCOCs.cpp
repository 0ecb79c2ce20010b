#include "ui/chemdb/frmCOCs.h"

#include "data/chemical_table.h"
#include "data/program_state.h"
#include "data/schema.h"
#include "platform/ui/message_box.h"
#include "ui/chemdb/chemical_grid.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"
#include "ui/common/window_names.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

const QString kReadOnlyCaption = QStringLiteral("Chemical Properties Database (Read Only)");
const QString kAdministratorCaption = QStringLiteral("TOVI v.3.1 - List of Chemicals (Administrator Edit Mode)");

constexpr int kCasColumn = 1;

}   // namespace

frmCOCs::frmCOCs() : grdCOCs(makeChemicalGrid(this, QStringLiteral("grdCOCs"))), Data1(new GridBinding(grdCOCs))
{
    setWindowTitle(kReadOnlyCaption);
    Data1->setObjectName(QStringLiteral("Data1"));
    grdCOCs->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdCOCs->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdCOCs);

    Data1->setBeforeUpdate([this](int row) { return grdCOCs_BeforeUpdate(row); });
    Data1->setFailureReport([](const Error& error) { showGeneralError(error, kUnableToSaveTitle); });
    connect(Data1, &GridBinding::rowsOutdated, this, &frmCOCs::Refresh);
}

frmCOCs::~frmCOCs() = default;

void frmCOCs::formLoad()
{
    resizeTwips(9255, 6780);
    // A database that cannot be opened leaves the grid empty, without a message.
    Result<std::unique_ptr<Connection>> conn = Connection::open(programState().databasePath());
    if (!conn)
        return;
    m_conn = std::move(*conn);
    SetupGrid();
}

void frmCOCs::formUnload()
{
    commitPendingEdit(true);
}

void frmCOCs::SetupGrid()
{
    Result<Recordset> rows = openTableRecordset(*m_conn, cocsTable(), {}, {}, QStringLiteral("CHEMNAME, rowid"));
    if (!rows)
        return;
    const QVector<bool> numbers = numberFields(cocsTable(), *rows);
    RowStatements statements = chemicalTableRowStatements(*m_conn, *rows);
    Data1->bind(std::move(*rows), numbers, std::move(statements));
    setupChemicalColumns(grdCOCs->grid());
}

void frmCOCs::setAdministratorMode(bool on)
{
    setWindowTitle(on ? kAdministratorCaption : kReadOnlyCaption);
    Data1->setEditPermissions(on, on, on);
}

RowDecision frmCOCs::grdCOCs_BeforeUpdate(int row)
{
    return askForCasNumber(grdCOCs->grid(), row, kCasColumn);
}

bool frmCOCs::commitPendingEdit(bool closing)
{
    return Data1->commitPendingEdit(closing);
}

void frmCOCs::DeleteSelectedRecords()
{
    deleteSelectedRows(*grdCOCs, *Data1);
}

void frmCOCs::Refresh()
{
    if (!m_conn)
        return;
    const bool admin = administratorMode();
    Data1->unbind();
    SetupGrid();
    Data1->setEditPermissions(admin, admin, admin);
}

std::vector<TableRow> frmCOCs::editedRows()
{
    std::vector<TableRow> rows;
    for (const StoredRow& stored : Data1->storedRows())
        rows.push_back(stored.values);
    return rows;
}

void frmCOCs::PrintTable(bool FirstPrint)
{
    const GridModel& g = grdCOCs->grid();
    printGrid(g, tablePrintSetup(g, windowTitle(), resultsFooter()), FirstPrint);
}

void frmCOCs::ExportToTable()
{
    exportGridToTable(grdCOCs->grid(), windowTitle());
}

bool frmCOCs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdCOCs && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        const QModelIndex current = grdCOCs->currentIndex();
        QApplication::clipboard()->setText(current.isValid() ? current.data(Qt::DisplayRole).toString() : QString());
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

Status replaceChemicalTableFromFile(const QString& path)
{
    if (Status s = replaceChemicalTable(*programState().gConn, path); !s)
        return s;
    if (auto* window = qobject_cast<frmCOCs*>(Forms::find(windowName::frmCOCs)))
        window->Refresh();
    return {};
}
