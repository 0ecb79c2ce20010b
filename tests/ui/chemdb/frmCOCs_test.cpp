#include "ui/chemdb/frmCOCs.h"

#include "core/temp_database.h"
#include "data/chemical_table_file.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kInsufficientData = QStringLiteral("Insufficient Data");
const QString kUnableToSave = QStringLiteral("Unable to Save");
constexpr int kMcl = 2;
constexpr int kK = 17;

class ChemicalTableWindow : public ::testing::Test {
protected:
    ChemicalTableWindow() : m_scope(db.state)
    {
        insert("Zinc", "7440-66-6", 5.0);
        insert("Arsenic", "7440-38-2", 0.01, 1.23456789012345e-7);
        insert("benzene", "71-43-2", 0.005);
    }

    ~ChemicalTableWindow() override
    {
        Forms::unload<frmCOCs>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void insert(const QString& name, const QString& cas, double mcl, const QVariant& k = {})
    {
        db.insert("COCS", {{"CHEMNAME", name}, {"CHEMCAS", cas}, {"MCL", mcl}, {"K", k}, {"CARCNON", "Carcinogen"}});
    }

    frmCOCs& open(bool administrator)
    {
        frmCOCs* w = Forms::get<frmCOCs>();
        w->showForm();
        w->setAdministratorMode(administrator);
        return *w;
    }

    DataGrid& grid() { return *Forms::get<frmCOCs>()->findChild<DataGrid*>("grdCOCs"); }

    // The user types into a cell through its editor; the editor opened with `before`.
    void type(int row, int column, const QString& text, QString* before = nullptr)
    {
        grid().setCurrentCell(row, column);
        grid().editCurrentCell();
        auto* line = qobject_cast<QLineEdit*>(grid().cellEditor());
        ASSERT_NE(line, nullptr);
        if (before)
            *before = line->text();
        line->setText(text);
    }
    // The user moves to another row.
    void leaveRow(int to) { grid().setCurrentCell(to, 0); }

    QVariant stored(const QString& cas, const QString& field)
    {
        Result<QVariant> v =
            db.conn().scalar(QStringLiteral("SELECT %1 FROM COCS WHERE CHEMCAS = ?").arg(field), {cas});
        EXPECT_TRUE(v.ok());
        return v.ok() ? *v : QVariant();
    }

    QStringList shownNames()
    {
        QStringList names;
        for (int r = 0; r < grid().grid().dataRowCount(); ++r)
            names << grid().grid().displayText(r, 0);
        return names;
    }

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope;
};

}   // namespace

TEST_F(ChemicalTableWindow, ShowsTheTableInNameOrderWithItsCaptionsWidthsAndFormats)
{
    frmCOCs& w = open(false);
    EXPECT_EQ(w.windowTitle(), "Chemical Properties Database (Read Only)");
    EXPECT_EQ(shownNames(), QStringList({"Arsenic", "benzene", "Zinc"}));
    const GridModel& g = grid().grid();
    ASSERT_EQ(g.columnCount(), 28);
    EXPECT_EQ(g.columns()[6].caption, QString::fromUtf8("Reference Dose - Inhalation (RFC) (mg/m\u00B3)"));
    EXPECT_EQ(g.columns()[11].caption, QString::fromUtf8("Diffusion Coefficient in Water (Dw) (cm\u00B2/sec)"));
    EXPECT_EQ(g.columns()[27].caption, "LOGKOW");

    // Every column widened by half; four narrowed by their share of that.
    const int wide = g.columnWidthTwips(0);
    const std::map<int, double> narrowed = {{1, 1 - 0.667}, {18, 1 - 0.333}, {20, 0.4}, {23, 0.5}};
    for (int c = 0; c < 28; ++c) {
        const double share = narrowed.count(c) ? narrowed.at(c) : 1.0;
        EXPECT_NEAR(g.columnWidthTwips(c), wide * share, 1.0) << c;
        EXPECT_EQ(g.columns()[c].scientific, c > 1) << c;
        EXPECT_EQ(g.columns()[c].centred, c > 1) << c;
    }
    EXPECT_EQ(shownRow(g, 0).mid(0, 4), QStringList({"Arsenic", "7440-38-2", "1.00E-02", ""}));

    // Read-only: nothing can be typed, no row for a new entry.
    EXPECT_FALSE(g.flags(g.index(0, kMcl)) & Qt::ItemIsEditable);
    EXPECT_EQ(g.rowCount(), 3);
}

TEST_F(ChemicalTableWindow, EditsStartFromTheStoredValueAndAreWrittenWhenTheUserLeavesTheRow)
{
    frmCOCs& w = open(true);
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.1 - List of Chemicals (Administrator Edit Mode)");
    EXPECT_EQ(grid().grid().displayText(0, kK), "1.23E-07");

    QString before;
    type(0, kK, "2.5e-7", &before);
    EXPECT_EQ(before, "1.23456789012345e-07");
    type(0, kMcl, " 0.02\r\n");   // as a spreadsheet cell pastes it
    EXPECT_EQ(stored("7440-38-2", "MCL").toDouble(), 0.01) << "nothing is written while the user is on the row";
    leaveRow(1);
    EXPECT_EQ(stored("7440-38-2", "MCL").toDouble(), 0.02);
    EXPECT_EQ(stored("7440-38-2", "K").toDouble(), 2.5e-7);
    EXPECT_EQ(grid().grid().displayText(0, kMcl), "2.00E-02");

    // An unchanged value keeps its full precision; clearing a value stores NULL.
    type(1, kMcl, "");
    type(1, 0, "Benzene");
    leaveRow(0);
    EXPECT_FALSE(stored("71-43-2", "MCL").isValid());
    EXPECT_EQ(stored("71-43-2", "CHEMNAME").toString(), "Benzene");
    EXPECT_EQ(stored("7440-38-2", "K").toDouble(), 2.5e-7);

    // A new chemical on the row for a new entry.
    type(3, 0, "Phenol");
    type(3, 1, "108-95-2");
    type(3, kMcl, "1.5");
    leaveRow(0);
    EXPECT_EQ(db.count("COCS"), 4);
    EXPECT_EQ(stored("108-95-2", "MCL").toDouble(), 1.5);
    EXPECT_EQ(stored("108-95-2", "CHEMNAME").toString(), "Phenol");
    const std::vector<TableRow> edited = w.editedRows();
    ASSERT_EQ(edited.size(), 4u);
    EXPECT_EQ(edited[0][kK].toDouble(), 2.5e-7);
    EXPECT_EQ(edited[3][1].toString(), "108-95-2");
}

TEST_F(ChemicalTableWindow, AnEmptyCasNumberAsksAndYesKeepsTheRowInEditWhileNoDiscardsIt)
{
    frmCOCs& w = open(true);
    const QByteArray before = db.checksum();

    // A new row without CAS number: Yes keeps the user on it with nothing written.
    type(3, 0, "Phenol");
    messages.expect(kInsufficientData, vbYes,
                    "You must enter a unique CAS Number for the chemical you are adding.  Click \"Yes\" to enter the "
                    "CAS Number or \"No\" to cancel this new chemical.");
    leaveRow(0);
    EXPECT_EQ(grid().currentIndex().row(), 3);
    EXPECT_EQ(grid().grid().pendingRow(), 3);
    EXPECT_EQ(db.checksum(), before);
    // No drops the new row.
    messages.expect(kInsufficientData, vbNo);
    leaveRow(0);
    EXPECT_EQ(grid().grid().dataRowCount(), 3);
    EXPECT_EQ(db.checksum(), before);

    // A stored row whose CAS number was cleared: No restores it, Yes keeps it in edit.
    type(1, 1, "  ");
    messages.expect(kInsufficientData, vbNo);
    leaveRow(0);
    EXPECT_EQ(grid().grid().displayText(1, 1), "71-43-2");
    type(1, 1, "");
    messages.expect(kInsufficientData, vbYes);
    leaveRow(2);
    EXPECT_EQ(grid().grid().pendingRow(), 1);
    type(1, 1, "71-43-3");
    leaveRow(2);
    EXPECT_EQ(stored("71-43-3", "CHEMNAME").toString(), "benzene");

    // When administrator mode ends nothing can stay in edit: the question's Yes discards too.
    type(3, 0, "Phenol");
    messages.expect(kInsufficientData, vbYes);
    EXPECT_TRUE(w.commitPendingEdit(true));
    EXPECT_EQ(grid().grid().dataRowCount(), 3);
    EXPECT_EQ(db.count("COCS"), 3);
    EXPECT_TRUE(messages.done());
}

TEST_F(ChemicalTableWindow, AValueThatDoesNotFitItsColumnIsRefusedAndTheRowStaysInEdit)
{
    open(true);
    const struct {
        int column;
        QString text;
        const char* reason;
    } refused[] = {
        {kMcl, "abc", "not a number"},
        {kMcl, "1e400", "not a finite number"},
        {1, "7440-66-6", "another chemical"},
        {1, " 7440-66-6 ", "another chemical"},
        {0, QString(256, 'A'), "longer than 255"},
    };
    for (const auto& r : refused) {
        const QByteArray before = db.checksum();
        ScriptedMessages refusal;
        type(0, r.column, r.text);
        refusal.expect(kUnableToSave);
        leaveRow(2);
        ASSERT_EQ(refusal.shown().size(), 1u);
        EXPECT_TRUE(refusal.shown().back().text.contains(r.reason)) << qPrintable(refusal.shown().back().text);
        EXPECT_EQ(grid().currentIndex().row(), 0) << r.reason;
        EXPECT_EQ(grid().grid().pendingRow(), 0) << r.reason;
        EXPECT_EQ(db.checksum(), before) << r.reason;
        grid().cancelPendingEdit();
    }
}

TEST_F(ChemicalTableWindow, DeleteAsksAndDeletesTheSelectedRow)
{
    frmCOCs& w = open(true);
    grid().selectRow(1);
    messages.expect("Confirm Delete", vbNo,
                    "Are you sure you want to delete the selected record?  You will not be able to undo this delete "
                    "action.");
    w.DeleteSelectedRecords();
    EXPECT_EQ(db.count("COCS"), 3);

    messages.expect("Confirm Delete", vbYes);
    w.DeleteSelectedRecords();
    EXPECT_EQ(db.count("COCS"), 2);
    EXPECT_FALSE(stored("71-43-2", "CHEMNAME").isValid());
    EXPECT_EQ(shownNames(), QStringList({"Arsenic", "Zinc"}));
}

TEST_F(ChemicalTableWindow, RowsOfARepeatedCasNumberTakeEditsAndANewOrChangedCasNumberMustBeFree)
{
    insert("Zinc again", "7440-66-6", 7.0);
    insert("Lettered", "abc-1", 1.0);
    open(true);
    ASSERT_EQ(shownNames(), QStringList({"Arsenic", "benzene", "Lettered", "Zinc", "Zinc again"}));
    type(3, kMcl, "6");
    type(4, 0, "Zinc twice");
    leaveRow(0);
    EXPECT_EQ(
        db.conn().scalar("SELECT group_concat(MCL || CHEMNAME) FROM COCS WHERE CHEMCAS = '7440-66-6'")->toString(),
        "6.0Zinc,7.0Zinc twice");

    const QByteArray before = db.checksum();
    for (const auto& [row, cas] : {std::pair{1, "ABC-1"}, std::pair{5, "abc-1"}, std::pair{0, "7440-66-6"}}) {
        type(row, 1, cas);
        messages.expect(kUnableToSave);
        leaveRow(row == 0 ? 1 : 0);
        EXPECT_EQ(grid().grid().pendingRow(), row) << cas;
        grid().cancelPendingEdit();
    }
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(ChemicalTableWindow, DeletingSelectedRowsDeletesExactlyThose)
{
    insert("Cadmium", "7440-43-9", 0.005);
    insert("Lead", "7439-92-1", 0.015);
    frmCOCs& w = open(true);
    for (int row : {4, 0, 2})
        grid().selectionModel()->select(grid().grid().index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    messages.expect("Confirm Delete", vbYes);
    w.DeleteSelectedRecords();
    EXPECT_EQ(shownNames(), QStringList({"benzene", "Lead"}));
    EXPECT_EQ(db.conn().scalar("SELECT group_concat(CHEMNAME) FROM (SELECT CHEMNAME FROM COCS ORDER BY 1)")->toString(),
              "benzene,Lead");
}

TEST_F(ChemicalTableWindow, ARowDeletedElsewhereIsReportedAndTheTableReadAgain)
{
    open(true);
    ASSERT_TRUE(db.conn().exec("DELETE FROM COCS WHERE CHEMCAS = '7440-66-6'").ok());
    type(2, kMcl, "7");
    messages.expect(kUnableToSave);
    leaveRow(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(shownNames(), QStringList({"Arsenic", "benzene"}));
    EXPECT_EQ(db.count("COCS"), 2);
}

TEST_F(ChemicalTableWindow, ReplacingTheTableShowsTheNewRowsAndARefusedFileChangesNothing)
{
    open(true);
    QTemporaryDir dir;
    TableRow lead = emptyRow(cocsTable());
    lead[0] = "Lead";
    lead[1] = "7439-92-1";
    const QString good = QDir(dir.path()).filePath("good.tvx");
    const QString bad = QDir(dir.path()).filePath("bad.tvx");
    for (const QString& path : {good, bad}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(writeChemicalTableFile({lead})->chopped(path == bad ? 1 : 0));
    }
    const QByteArray before = db.checksum();
    EXPECT_FALSE(replaceChemicalTableFromFile(bad).ok());
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(shownNames(), QStringList({"Arsenic", "benzene", "Zinc"}));

    type(0, kMcl, "3");   // a pending edit of a row that the replacement removes is dropped
    ASSERT_TRUE(replaceChemicalTableFromFile(good).ok());
    EXPECT_EQ(shownNames(), QStringList({"Lead"}));
    EXPECT_EQ(grid().grid().pendingRow(), -1);
    EXPECT_EQ(db.count("COCS"), 1);
}

TEST_F(ChemicalTableWindow, CopyPutsTheCellTextOnTheClipboardAndPrintAndExportUseTheCaption)
{
    frmCOCs& w = open(false);
    grid().setFocus();
    grid().setCurrentCell(0, kMcl);
    QTest::keyClick(&grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1.00E-02");

    QTemporaryDir dir;
    const QString text = QDir(dir.path()).filePath("cocs");
    ScriptedFileDialogs files;
    files.answer(text, 2);
    w.ExportToTable();
    QFile exported(text + ".txt");
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().split('\n').value(1).startsWith("Arsenic\t7440-38-2\t1.00E-02\t"));

    const QString pdf = QDir(dir.path()).filePath("cocs.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true);
    w.setAdministratorMode(true);
    w.PrintTable(true);
    EXPECT_TRUE(pdfPageTexts(pdf).value(0).contains("TOVI v.3.1 - List of Chemicals (Administrator Edit Mode)"));
}
