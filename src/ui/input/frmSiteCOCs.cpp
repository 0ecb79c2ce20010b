#include "ui/input/frmSiteCOCs.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "platform/text/number_parse.h"
#include "platform/ui/geometry.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/input/constituent_grid.h"
#include "ui/main/analysis_host.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString kCaption = QStringLiteral("Select Chemicals of Concern to be Modeled (Steps 4 & 5)");
const QString kDuplicateText = QStringLiteral(
    "This record already exists.  Please ensure that all COCs have at least one unique field.  You won't be "
    "allowed to Update the Site COCs until each chemical is unique.");
const QString kConfirmDeleteText = QStringLiteral(
    "Are you sure you want to delete the selected record?  Once deleted, you cannot recover this record.");
const QString kDuplicateTitle = QStringLiteral("Duplicate");
const QString kCasOfListedText =
    QStringLiteral("The CAS Number %1 belongs to %2.  Choose that data source to add the chemical; a chemical typed "
                   "by hand needs a CAS Number that no chemical has.");
const QString kChemicalTableWords = QStringLiteral("a chemical of the chemical table (\"Default\")");
const QString kOwnChemicalsWords = QStringLiteral("one of your own chemicals (\"Customer\")");
const QString kSelectEntireRowText = QStringLiteral("You must highlight the entire row before deleting the chemical.");

// Design-time geometry, in twips.
constexpr int kMargin = 120;
constexpr int kLabel1Top = 60;
constexpr int kLine1Y = 360;
constexpr int kGridTop = 480;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 120;
constexpr int kLineAboveButtons = 100;
constexpr int kGridAboveLabel = 100;
constexpr int kProgressGap = 50;
constexpr int kProgressWidth = 1800;

QWidget* childOf(QWidget* form, const char* name)
{
    return form ? form->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
}

// The analysis information window holds edits that its own save has not stored, or the
// analysis has never been saved (its site row is still pending): closing would then drop it.
bool siteInputsUnsaved()
{
    if (programState().gRsSiteInfo.editMode() == Recordset::EditMode::AddNew)
        return true;
    const QWidget* update = childOf(Forms::find(windowName::frmSiteWMU), "cmdUpdateSiteInfo");
    return update && update->isEnabled();
}

// The y of a horizontal line: the middle of its frame.
int lineY(const QFrame* line)
{
    return line->y() + line->height() / 2;
}

void placeLine(QFrame* line, int y)
{
    line->move(line->x(), y - line->height() / 2);
}

}   // namespace

frmSiteCOCs::frmSiteCOCs()
{
    setWindowTitle(kCaption);

    Label1 = new QLabel(QStringLiteral("Step 4 - Select Chemicals of Concern and Enter Concentrations"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Step 5 - Update Chemicals of Concern and Run TOVI"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* label : {Label1, Label2}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->adjustSize();
    }
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    for (QFrame* line : {Line1, Line2}) {
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->resize(twipsToPx(10680), 3);
    }
    Label1->move(twipsToPx(kMargin), twipsToPx(kLabel1Top));
    Label2->move(twipsToPx(kMargin), 0);
    Line1->move(twipsToPx(kMargin), 0);
    placeLine(Line1, twipsToPx(kLine1Y));

    grdSiteCOCs = new DataGrid(this);
    grdSiteCOCs->setObjectName(QStringLiteral("grdSiteCOCs"));
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPointSizeF(8.25);
    grdSiteCOCs->setGridFont(gridFont);
    grdSiteCOCs->setGeometry(twipsToPx(kMargin), twipsToPx(kGridTop), twipsToPx(10680), twipsToPx(6600));
    GridModel& grid = grdSiteCOCs->grid();
    grid.setColumns(constituentGridColumns());
    grid.setAllowAddNew(true);
    grid.setRowLoader(fillRowDefaults);
    grid.setCommitCheck([this](int, int column, const QString& text) { return checkTypedCell(column, text); });
    grdSiteCOCs->setEditable(true);

    drdChemName = new GridDropDown(this);
    drdChemName->setObjectName(QStringLiteral("drdChemName"));
    drdChemCAS = new GridDropDown(this);
    drdChemCAS->setObjectName(QStringLiteral("drdChemCAS"));
    drdChemCAS->setSearchColumn(kColChemCas);
    drdChemCAS->setValueColumn(kColChemCas);
    grdSiteCOCs->setColumnDropDown(kColChemName, drdChemName);
    grdSiteCOCs->setColumnDropDown(kColChemCas, drdChemCAS);

    cmbDataSource = new QComboBox(this);
    cmbDataSource->setObjectName(QStringLiteral("cmbDataSource"));
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdDelete = button("cmdDelete", QStringLiteral("Delete COC"));
    cmdCancel = button("cmdCancel", QStringLiteral("Cancel Changes"));
    cmdBack = button("cmdBack", QStringLiteral("<< Back to Steps 1-3"));
    cmdUpdateSiteCOCs = button("cmdUpdateSiteCOCs", QStringLiteral("Update Site COCs"));
    cmdRunTOVI = button("cmdRunTOVI", QStringLiteral("Run TOVI"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    // The bottom row, left to right; Resize keeps these left edges.
    int left = twipsToPx(kMargin);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmbDataSource, cmdDelete, cmdCancel, cmdBack, cmdUpdateSiteCOCs, cmdRunTOVI}) {
        const int height = w == cmbDataSource ? w->sizeHint().height() : twipsToPx(kButtonHeight);
        w->setGeometry(left, 0, w->sizeHint().width() + twipsToPx(kButtonGap), height);
        left += w->width() + twipsToPx(kButtonGap);
    }
    ProgressBar1->resize(twipsToPx(kProgressWidth), twipsToPx(kButtonHeight));
    Line2->move(twipsToPx(kMargin), 0);

    connect(cmdUpdateSiteCOCs, &QPushButton::clicked, this, &frmSiteCOCs::cmdUpdateSiteCOCs_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSiteCOCs::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSiteCOCs::cmdCancel_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmSiteCOCs::cmdBack_Click);
    connect(cmdRunTOVI, &QPushButton::clicked, this, &frmSiteCOCs::cmdRunTOVI_Click);
    connect(cmbDataSource, &QComboBox::activated, this,
            [this](int index) { reportListFailure(SetChemSource(QString::number(index))); });
    connect(&grid, &GridModel::cellEdited, this, &frmSiteCOCs::markEdited);
    connect(grdSiteCOCs, &DataGrid::editorTextChanged, this, &frmSiteCOCs::markEdited);
    connect(grdSiteCOCs, &DataGrid::currentCellChanged, this, [this](int, int column) { openChemicalCell(column); });
    // A click into the current chemical cell opens its list again, as entering the cell does.
    connect(grdSiteCOCs, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (index == grdSiteCOCs->currentIndex())
            openChemicalCell(index.column());
    });
    connect(grdSiteCOCs, &DataGrid::dropDownChosen, this, &frmSiteCOCs::closeUp);
    connect(grdSiteCOCs, &DataGrid::enterPressed, this, &frmSiteCOCs::enterPressed);
    // Coming back from another window rebuilds the chemical lists, which may have changed there.
    if (QMdiArea* area = Forms::mdiArea())
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
            if (active != frame()) {
                m_refresh = true;
            } else if (m_refresh) {
                m_refresh = false;
                ResetCOCs();
            }
        });
    layoutControls();
    fitMinimumSize();
}

// ---- Load, layout, closing --------------------------------------------------------------

void frmSiteCOCs::formLoad()
{
    m_loading = true;
    const Status loaded = loadWindow();
    m_loading = false;
    if (!loaded) {
        m_loadFailure = loaded.error();
        showGeneralError(loaded.error(), kUnableToSaveTitle);
    }
}

Status frmSiteCOCs::loadWindow()
{
    cmbDataSource->addItems({QStringLiteral("Default"), QStringLiteral("Customer")});
    cmbDataSource->setCurrentIndex(0);
    if (Status s = SetChemSource(QStringLiteral("0")); !s)
        return s;
    resizeTwips(11025, 9495);

    ProgramState& state = programState();
    Recordset& rows = state.gRsSiteCocs;
    if (rows.recordCount() > 0) {
        if (AnalysisHost* host = analysisHost())
            host->setRunEnabled(true);
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            grdSiteCOCs->grid().addRow(storedConstituentRow(rows));
    }
    UpdateRemoteCOCs();
    setWindowStateCode(vbMaximized);
    uiState().gAnalysisFormsOpen = true;
    SetupGrid();
    return {};
}

void frmSiteCOCs::SetupGrid()
{
    GridModel& grid = grdSiteCOCs->grid();
    const QStringList& captions = constituentGridCaptions();
    QVector<int> widths;
    for (int c = 0; c < grid.columnCount(); ++c) {
        grid.setColumnCaption(c, captions[c]);
        widths << grid.columnWidthTwips(c);
    }
    const QVector<int> changed = setupGridWidths(widths);
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setColumnWidthTwips(c, changed[c]);
    fitMinimumSize();
}

void frmSiteCOCs::fitMinimumSize()
{
    // The bottom row with the progress bar, and the grid's captions and two rows above it.
    const int gridHeight = grdSiteCOCs->heightShowing(2);
    const int belowGrid = twipsToPx(kGridAboveLabel) + lineY(Line1) - Label1->y() + twipsToPx(kLineAboveButtons)
                          + twipsToPx(kButtonHeight);
    setMinimumSize(ProgressBar1->x() + ProgressBar1->width() + grdSiteCOCs->x(),
                   grdSiteCOCs->y() + gridHeight + belowGrid);
}

void frmSiteCOCs::resizeEvent(QResizeEvent* event)
{
    FormWindow::resizeEvent(event);
    layoutControls();
}

void frmSiteCOCs::layoutControls()
{
    if (AnalysisHost* host = analysisHost(); host && frame() != this && windowStateCode() == vbNormal)
        moveTwips(pxToTwips(host->paneOrigin().x()), pxToTwips(host->paneOrigin().y()));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdCancel, cmdUpdateSiteCOCs, cmdBack, cmbDataSource, cmdRunTOVI, cmdDelete})
        w->move(w->x(), height() - w->height());
    placeLine(Line2, cmdUpdateSiteCOCs->y() - twipsToPx(kLineAboveButtons));
    Label2->move(Label2->x(), lineY(Line2) - (lineY(Line1) - Label1->y()));
    grdSiteCOCs->resize(width() - 2 * grdSiteCOCs->x(), grdSiteCOCs->height());
    const int gridHeight = Label2->y() - grdSiteCOCs->y() - twipsToPx(kGridAboveLabel);
    if (gridHeight > 0)
        grdSiteCOCs->resize(grdSiteCOCs->width(), gridHeight);
    ProgressBar1->move(cmdRunTOVI->x() + cmdRunTOVI->width() + twipsToPx(kProgressGap), cmdRunTOVI->y());
}

bool frmSiteCOCs::queryUnload()
{
    AnalysisHost* host = analysisHost();
    return !host || host->askToCloseAnalysis();
}

// ---- Chemical lists ---------------------------------------------------------------------

void frmSiteCOCs::ResetCOCs()
{
    reportListFailure(SetChemSource(cmbDataSource->currentText() != QLatin1String("Default") ? QStringLiteral("1")
                                                                                             : QStringLiteral("0")));
}

Status frmSiteCOCs::SetChemSource(const QString& flag)
{
    const TableDef* table = nullptr;
    if (flag == QLatin1String("0"))
        table = &cocsTable();
    else if (flag == QLatin1String("1"))
        table = &cusCocsTable();
    else
        return {};
    Result<QueryRows> rows = readChemicalTable(programState().databasePath(), *table);
    if (!rows)
        return rows.error();
    m_chemicals = std::move(*rows);
    fillList(*drdChemName);
    fillList(*drdChemCAS);
    return {};
}

void frmSiteCOCs::fillList(GridDropDown& list)
{
    const TableDef& table = cocsTable();
    QVector<GridColumn> columns;
    for (const ColumnDef& c : table.columns)
        columns << GridColumn{c.name, c.name == QLatin1String("CHEMNAME") ? 3200 : 1300};
    GridModel& model = list.list();
    model.setColumns(columns);
    for (const QVector<QVariant>& chemical : m_chemicals.rows) {
        QVector<GridCell> cells;
        for (int i = 0; i < int(table.columns.size()); ++i)
            cells << (table.columns[size_t(i)].kind == ColumnKind::Text ? textCell(chemical.value(i))
                                                                        : numberCell(chemical.value(i)));
        model.addRow(std::move(cells));
    }
}

void frmSiteCOCs::reportListFailure(const Status& status)
{
    if (!status)
        showGeneralError(status.error(), kUnableToSaveTitle);
}

// ---- The grid ---------------------------------------------------------------------------

std::optional<GridCell> frmSiteCOCs::checkTypedCell(int column, const QString& text)
{
    std::optional<GridCell> cell = typedCell(column, text);
    if (!cell && !m_warning) {
        m_warning = true;
        MsgBox(kInvalidInputText, vbCritical, kInvalidInputTitle);
        m_warning = false;
    }
    return cell;
}

void frmSiteCOCs::openChemicalCell(int column)
{
    if (column == kColChemName || column == kColChemCas)
        grdSiteCOCs->editCurrentCell();
}

void frmSiteCOCs::enterPressed(int row, int column)
{
    GridModel& grid = grdSiteCOCs->grid();
    const int next = column == grid.columnCount() - 1 ? qMin(row + 1, grid.rowCount() - 1) : row;
    grdSiteCOCs->setCurrentCell(next, kColTclpConc);
}

void frmSiteCOCs::closeUp(int row, int column, int listRow, const QString& typed)
{
    GridModel& grid = grdSiteCOCs->grid();
    const QString cas = typed.trimmed();
    std::vector<std::pair<int, GridCell>> cells;
    if (listRow >= 0 && listRow < int(m_chemicals.rows.size()))
        cells = chosenChemicalCells(m_chemicals.rows[size_t(listRow)], column == kColChemName);
    else if (column == kColChemName && !typed.isEmpty())
        cells = handTypedChemicalCells(typed);
    // A hand-typed chemical takes a CAS number of its own, that no listed chemical's begins with.
    else if (column == kColChemCas && !cas.isEmpty() && row < grid.dataRowCount()) {
        if (!handTypedRowTakes(row, cas))
            return;
        cells = {{kColChemCas, GridCell::fromText(cas)}};
    } else {
        return;
    }
    grid.setCells(row, cells);
    markEdited();
}

bool frmSiteCOCs::handTypedRowTakes(int row, const QString& cas)
{
    const QString path = programState().databasePath();
    const Result<bool> handTyped = isHandTypedChemical(path, grdSiteCOCs->grid().cell(row, kColChemCas).text);
    if (!handTyped || !*handTyped) {
        if (!handTyped)
            showGeneralError(handTyped.error(), kUnableToSaveTitle);
        return false;
    }
    // The list shown has no chemical of this CAS number, or it would have been chosen; one of
    // the other list's keeps it.
    const Result<CasListed> listed = listsHoldingCas(path, cas);
    if (!listed) {
        showGeneralError(listed.error(), kUnableToSaveTitle);
        return false;
    }
    if (!listed->chemicalTable && !listed->ownChemicals)
        return true;
    MsgBox(kCasOfListedText.arg(cas, listed->chemicalTable ? kChemicalTableWords : kOwnChemicalsWords), vbInformation,
           kDuplicateTitle);
    return false;
}

// ---- Window states ----------------------------------------------------------------------

void frmSiteCOCs::markEdited()
{
    cmdUpdateSiteCOCs->setEnabled(true);
    cmdCancel->setEnabled(true);
    cmdRunTOVI->setEnabled(false);
    cmdBack->setEnabled(false);
    ProgressBar1->setValue(0);
    ProgressBar1->setEnabled(false);
    if (AnalysisHost* host = analysisHost()) {
        host->markEdited(CommandReach::ButtonsAndToolbar);
        host->setRunEnabled(false);
    }
}

void frmSiteCOCs::markSaved()
{
    cmdUpdateSiteCOCs->setEnabled(false);
    cmdCancel->setEnabled(false);
    cmdRunTOVI->setEnabled(true);
    cmdBack->setEnabled(true);
    ProgressBar1->setEnabled(true);
    AnalysisHost* host = analysisHost();
    if (!host)
        return;
    // Unsaved site inputs keep the main window's Save on.
    if (!siteInputsUnsaved())
        host->markSaved(CommandReach::ButtonsAndToolbar);
    if (grdSiteCOCs->grid().dataRowCount() > 0)
        host->setRunEnabled(true);
}

// ---- Save, Delete, Cancel, Back, Run ----------------------------------------------------

bool frmSiteCOCs::checkConstituentRows()
{
    // The save shows the window in every outcome; the window's own load leaves that to its caller.
    if (!m_loading)
        showForm();
    if (m_loadFailure) {
        showGeneralError(*m_loadFailure, kUnableToSaveTitle);
        return false;
    }
    if (!grdSiteCOCs->commitPendingEdit())
        return false;
    if (hasDuplicateRows(grdSiteCOCs->grid())) {
        MsgBox(kDuplicateText, vbInformation, kDuplicateTitle);
        markEdited();
        return false;
    }
    return true;
}

Result<ConstituentRows> frmSiteCOCs::constituentRows() const
{
    return constituentRowsToSave(grdSiteCOCs->grid(), programState().gRsSiteCocs);
}

void frmSiteCOCs::constituentRowsSaved()
{
    GridModel& grid = grdSiteCOCs->grid();
    for (int r = grid.dataRowCount() - 1; r >= 0; --r)
        if (!isStorableRow(grid, r))
            grid.removeRow(r);
    markSaved();
    if (AnalysisHost* host = analysisHost())
        host->constituentRowsStored();
    for (int c = kColTclpConc; c < grid.columnCount(); ++c)
        grid.setColumnFormat(c, true, true);
}

void frmSiteCOCs::UpdateRemoteCOCs()
{
    if (!checkConstituentRows())
        return;
    ProgramState& state = programState();
    if (Status saved =
            saveAnalysisInputs(state, {.constituents = constituentRowsToSave(grdSiteCOCs->grid(), state.gRsSiteCocs)});
        !saved) {
        showGeneralError(saved.error(), kUnableToSaveTitle);
        return;
    }
    if (AnalysisHost* host = analysisHost())
        host->followAnalysisKey();
    constituentRowsSaved();
}

Result<bool> frmSiteCOCs::ToBoolean(const QString& ConvStrng)
{
    if (ConvStrng.isEmpty())
        return false;
    const QString word = ConvStrng.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = toNumberStrict(ConvStrng))
        return *number != 0;
    return Error{kErrConversion, QStringLiteral("Type mismatch: \"%1\" is not a Boolean.").arg(ConvStrng)};
}

void frmSiteCOCs::cmdUpdateSiteCOCs_Click()
{
    UpdateRemoteCOCs();
}

void frmSiteCOCs::cmdDelete_Click()
{
    if (MsgBox(kConfirmDeleteText, vbYesNo, kConfirmDeleteTitle) != vbYes)
        return;
    const QList<int> rows = grdSiteCOCs->selectedWholeRows();
    if (rows.isEmpty())
        MsgBox(kSelectEntireRowText, vbInformation, QStringLiteral("Select Entire Row"));
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        grdSiteCOCs->grid().removeRow(*it);
    markEdited();
}

void frmSiteCOCs::cmdCancel_Click()
{
    grdSiteCOCs->cancelPendingEdit();
}

void frmSiteCOCs::cmdBack_Click()
{
    hideForm();
    FormWindow* site = Forms::find(windowName::frmSiteWMU);
    if (!site)
        return;
    if (QWidget* next = childOf(site, "cmdNext"))
        next->setEnabled(true);
    site->showForm();
    site->setWindowStateCode(vbMaximized);
}

void frmSiteCOCs::cmdRunTOVI_Click()
{
    startRiskAnalysis();
    ProgressBar1->setValue(0);
}

void frmSiteCOCs::PrintTable(bool FirstPrint)
{
    const GridModel& grid = grdSiteCOCs->grid();
    printGrid(grid, tablePrintSetup(grid, kCaption, resultsFooter() + QStringLiteral("\t<page number>")), FirstPrint);
}

void frmSiteCOCs::ExportToTable()
{
    exportGridToTable(grdSiteCOCs->grid(), windowTitle());
}
