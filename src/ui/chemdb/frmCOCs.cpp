#include "ui/chemdb/frmCOCs.h"

#include "data/chemical_table.h"
#include "data/program_state.h"
#include "data/schema.h"
#include "platform/ui/message_box.h"
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

const QString kNeedCasText = QStringLiteral(
    "You must enter a unique CAS Number for the chemical you are adding.  Click \"Yes\" to enter the CAS Number or "
    "\"No\" to cancel this new chemical.");
const QString kConfirmDeleteText = QStringLiteral(
    "Are you sure you want to delete the selected record?  You will not be able to undo this delete action.");

constexpr int kCasColumn = 1;

const QStringList kCaptions = {
    "Chemical Name",
    "CAS Number",
    "Maximum Contaminant Level (MCL) (mg/L)",
    "Carcinogenic Slope Factor - Oral (CSFo) (kg-day/mg)",
    "Carcinogenic Slope Factor - Inhalation (CSFi) (kg-day/mg)",
    "Reference Dose - Oral (RFDo) (mg/kg-day)",
    QStringLiteral("Reference Dose - Inhalation (RFC) (mg/m\u00B3)"),
    "Bio- concentration Factor (BCF) (L/kg)",
    "Soil Saturation Level (SOILSAT) (mg/kg)",
    "Toxicity Characteristic Level (TC) (mg/L)",
    QStringLiteral("Henry's Law Coefficient (H) (atm-m\u00B3/mol-K)"),
    QStringLiteral("Diffusion Coefficient in Water (Dw) (cm\u00B2/sec)"),
    QStringLiteral("Diffusion Coefficient in Air (Da) (cm\u00B2/sec)"),
    "Solubility (SOL) (mg/L)",
    "Landfill Dilution Attenuation Factor (DAFLF)",
    "Surface Impoundment Dilution Attenuation Factor (DAFSI)",
    "Time to reach steady state (T*) (hrs)",
    "Skin Permeability Coefficient (Kpw) (cm/hr)",
    "Tau (T) (hrs)",
    "Bunge Coefficient (B) (unitless)",
    "Organic/ Inorganic",
    "Bio- accumulation Factor (BAF) (L/kg)",
    "Chronic Ecological Threshhold (Aquatic TRV) (mg/L)",
    "Carcinogen/ Noncarcinogen",
    "Molecular Weight (MW) (gm/mol)",
    "Vapor Pressure (Vp) (atm)",
    "Surface Water Partition Coefficient (Kdsw) (L/kg)",
};

// The grid's default column width: the CAS column, narrowed to half of it, still shows a whole
// CAS number.
constexpr int kDefaultWidthTwips = 2160;

// The columns narrowed after widening, each by its share of the widened width.
const std::pair<int, double> kNarrowed[] = {{1, 0.667}, {18, 0.333}, {20, 0.6}, {23, 0.5}};

QVector<bool> numberFields(const TableDef& table)
{
    QVector<bool> numbers;
    for (const ColumnDef& c : table.columns)
        numbers << (c.kind != ColumnKind::Text && c.kind != ColumnKind::Memo);
    return numbers;
}

} // namespace

frmCOCs::frmCOCs() : grdCOCs(new DataGrid(this)), Data1(new GridBinding(grdCOCs))
{
    setWindowTitle(kReadOnlyCaption);
    grdCOCs->setObjectName(QStringLiteral("grdCOCs"));
    Data1->setObjectName(QStringLiteral("Data1"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    grdCOCs->setGridFont(font);
    grdCOCs->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdCOCs->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdCOCs);

    Data1->setBeforeUpdate([this](int row) { return grdCOCs_BeforeUpdate(row); });
    Data1->setRowCheck([](Connection& conn, const QVector<QVariant>& values, qint64 rowid) {
        return checkCasIsUnique(conn, cocsTable(), values.value(kCasColumn), rowid);
    });
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
    Data1->bind(*m_conn, std::move(*rows), numberFields(cocsTable()));
    GridModel& g = grdCOCs->grid();
    for (int c = 0; c < kCaptions.size() && c < g.columnCount(); ++c)
        g.setColumnCaption(c, kCaptions[c]);
    for (int c = 0; c < g.columnCount(); ++c) {
        const int w = kDefaultWidthTwips;
        g.setColumnWidthTwips(c, qRound(w + 0.5 * w));
        if (c > 1)
            g.setColumnFormat(c, true, true);
    }
    for (const auto& [column, share] : kNarrowed)
        if (column < g.columnCount()) {
            const int w = g.columnWidthTwips(column);
            g.setColumnWidthTwips(column, qRound(w - share * w));
        }
}

void frmCOCs::setAdministratorMode(bool on)
{
    setWindowTitle(on ? kAdministratorCaption : kReadOnlyCaption);
    Data1->setEditPermissions(on, on, on);
}

RowDecision frmCOCs::grdCOCs_BeforeUpdate(int row)
{
    if (!grdCOCs->grid().cell(row, kCasColumn).text.isEmpty())
        return RowDecision::Write;
    // No discards the change or the new row; Yes keeps the row in edit for the CAS number.
    return MsgBox(kNeedCasText, vbYesNo, QStringLiteral("Insufficient Data")) == vbNo ? RowDecision::Discard
                                                                                        : RowDecision::Stay;
}

bool frmCOCs::commitPendingEdit(bool closing)
{
    return Data1->commitPendingEdit(closing);
}

void frmCOCs::DeleteSelectedRecords()
{
    if (MsgBox(kConfirmDeleteText, vbYesNo, kConfirmDeleteTitle) != vbYes)
        return;
    Data1->deleteRows(grdCOCs->selectedWholeRows());
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
    Recordset& stored = Data1->recordset();
    for (stored.moveFirst(); !stored.eof(); stored.moveNext()) {
        TableRow row;
        for (int f = 0; f < stored.fieldCount(); ++f)
            row << stored.value(f);
        rows.push_back(std::move(row));
    }
    return rows;
}

void frmCOCs::PrintTable(bool FirstPrint)
{
    const GridModel& g = grdCOCs->grid();
    printGrid(g, tablePrintSetup(g, windowTitle(), resultsFooter()), FirstPrint);
}

void frmCOCs::ExportToTable()
{
    ExportGridToTable(grdCOCs->grid(), windowTitle());
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

Status ReplaceChemicalTableFromFile(const QString& path)
{
    if (Status s = replaceChemicalTable(*programState().gConn, path); !s)
        return s;
    if (auto* window = qobject_cast<frmCOCs*>(Forms::find(windowName::frmCOCs)))
        window->Refresh();
    return {};
}
