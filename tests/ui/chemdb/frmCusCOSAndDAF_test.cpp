#include "ui/chemdb/frmCusCOSAndDAF.h"

#include "core/temp_database.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"
#include "ui/user_input.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kInsufficientData = QStringLiteral("Insufficient Data");
const QString kUnableToSave = QStringLiteral("Unable to Save");
constexpr int kMcl = 2;

class OwnChemicalsEditor : public ::testing::Test {
protected:
    OwnChemicalsEditor() : m_scope(db.state) { Forms::setMdiArea(&m_area); }
    ~OwnChemicalsEditor() override
    {
        Forms::unload<frmCusCOSAndDAF>();
        Forms::setMdiArea(nullptr);
    }

    frmCusCOSAndDAF& open()
    {
        m_area.show();
        frmCusCOSAndDAF* w = Forms::get<frmCusCOSAndDAF>();
        w->showForm();
        return *w;
    }

    // The window on one own chemical and one DAF row, both of CAS number 999-01-1.
    frmCusCOSAndDAF& openOnOneRowEach()
    {
        db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
        db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 1}});
        return open();
    }

    static void leaveRow(DataGrid& grid, int to) { grid.setCurrentCell(to, 0); }
    static void clearCell(DataGrid& grid, int row, int column)
    {
        if (QLineEdit* editor = typeInCell(grid, row, column, QString()))
            QTest::keyClick(editor, Qt::Key_Delete);
    }

    // The stored rows of a query, one list of values per row.
    QList<QVariantList> stored(const QString& sql)
    {
        Result<QueryRows> rows = db.conn().select(sql);
        EXPECT_TRUE(rows.ok()) << qPrintable(sql);
        QList<QVariantList> values;
        if (rows.ok())
            for (const QVector<QVariant>& r : rows->rows)
                values << QVariantList(r.begin(), r.end());
        return values;
    }

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope;
    QMdiArea m_area;
};

TEST_F(OwnChemicalsEditor, ShowsChemicalsByNameAndDafRowsByCasWithoutTheirIdentifierInTwoHalves)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Zylene"}, {"CHEMCAS", "999-02-2"}, {"MCL", 5e-4}});
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
    db.insert("Cus_DAFs", {{"CAS Num", "b"}, {"LFconc", 2}});
    db.insert("Cus_DAFs", {{"CAS Num", "a"}, {"LFconc", 10}, {"SIconc", 10}});
    db.insert("Cus_DAFs", {{"CAS Num", "b"}, {"LFconc", 1}});
    frmCusCOSAndDAF& w = open();
    EXPECT_EQ(w.windowTitle(), "Customer Constituents");

    const GridModel& chemicals = w.SSDBGrid1->grid();
    ASSERT_EQ(chemicals.columnCount(), 28);
    EXPECT_EQ(shownRow(chemicals, 1).mid(0, 4), QStringList({"Zylene", "999-02-2", "5.00E-04", ""}));

    const GridModel& dafs = w.SSDBGrid2->grid();
    ASSERT_EQ(dafs.columnCount(), 7);
    EXPECT_EQ(dafs.columns()[0].caption, "CAS Number");
    // The landfill concentration keeps the plain format, the impoundment one is scientific.
    EXPECT_EQ(shownRow(dafs, 0).mid(0, 5), QStringList({"a", "10", "", "", "1.00E+01"}));
    EXPECT_EQ(shownRow(dafs, 1).mid(0, 2), QStringList({"b", "2"})) << "equal CAS numbers in the order entered";
    EXPECT_EQ(shownRow(dafs, 2).mid(0, 2), QStringList({"b", "1"}));

    // The grids share the window one above the other; too small a window leaves them where they were.
    const QRect top = w.SSDBGrid1->geometry();
    const QRect bottom = w.SSDBGrid2->geometry();
    EXPECT_GT(bottom.top(), top.bottom());
    EXPECT_EQ(bottom.height(), top.height());
    w.resizeTwips(3000, 900);
    EXPECT_EQ(w.SSDBGrid1->geometry(), top);
    EXPECT_EQ(w.SSDBGrid2->geometry(), bottom);
}

TEST_F(OwnChemicalsEditor, ChemicalsAreAddedWithZeroDefaultsChangedAndDeleted)
{
    db.insert("COCS", {{"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}});
    frmCusCOSAndDAF& w = open();
    DataGrid& g = *w.SSDBGrid1;

    // Name, CAS number and TC only: MCL to SOILSAT become 0, the others stay empty.
    typeInCell(g, 0, 0, "Widgetane");
    typeInCell(g, 0, 1, "999-01-1");
    typeInCell(g, 0, 9, "0.7");
    leaveRow(g, 1);
    const QVariant null;
    EXPECT_EQ(stored("SELECT MCL, CSFO, CSFI, ORDO, ORDI, BCF, SOILSAT, TC, HENRY, KSW FROM Cus_COCS"),
              QList<QVariantList>({{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.7, null, null}}));
    EXPECT_EQ(g.grid().displayText(0, kMcl), "0.00E+00");

    // A CAS number of the chemical table and one already entered are both accepted.
    for (const QString cas : {"71-43-2", "999-01-1"}) {
        const int row = g.grid().dataRowCount();
        typeInCell(g, row, 0, "Own " + cas);
        typeInCell(g, row, 1, cas);
        leaveRow(g, 0);
    }
    EXPECT_EQ(db.count("Cus_COCS"), 3);

    typeInCell(g, 0, kMcl, "0.5");
    typeInCell(g, 0, 23, "Carcinogen");
    leaveRow(g, 1);
    EXPECT_EQ(stored("SELECT MCL, CARCNON FROM Cus_COCS WHERE CHEMNAME = 'Widgetane'"),
              QList<QVariantList>({{0.5, "Carcinogen"}}));

    // Rows selected whole go with the Delete key after the question.
    g.selectRow(1);
    messages.expect("Confirm Delete", vbNo);
    QTest::keyClick(&g, Qt::Key_Delete);
    EXPECT_EQ(db.count("Cus_COCS"), 3);
    messages.expect("Confirm Delete", vbYes);
    QTest::keyClick(&g, Qt::Key_Delete);
    EXPECT_EQ(stored("SELECT CHEMNAME FROM Cus_COCS ORDER BY rowid"),
              QList<QVariantList>({{"Widgetane"}, {"Own 999-01-1"}}));
    EXPECT_EQ(g.grid().dataRowCount(), 2);
    EXPECT_TRUE(messages.done());
}

TEST_F(OwnChemicalsEditor, DafRowsAreAddedChangedAndDeletedWithTheDatabasesIdentifier)
{
    frmCusCOSAndDAF& w = open();
    DataGrid& g = *w.SSDBGrid2;
    const QStringList typed = {"999-01-1", "10", "37", "38", "5", "39", "40"};
    for (int c = 0; c < typed.size(); ++c)
        typeInCell(g, 0, c, typed[c]);
    leaveRow(g, 1);
    typeInCell(g, 1, 0, "999-01-1");
    typeInCell(g, 1, 1, "1");
    leaveRow(g, 0);
    EXPECT_EQ(stored("SELECT ID IS NOT NULL, \"CAS Num\", LFconc, DAFLF_CARC, DAFLF_NON, SIconc, DAFSI_CARC, "
                     "DAFSI_NON FROM Cus_DAFs ORDER BY rowid"),
              QList<QVariantList>({{1, "999-01-1", 10.0, 37.0, 38.0, 5.0, 39.0, 40.0},
                                   {1, "999-01-1", 1.0, QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}}))
        << "no zero defaults in the DAF rows";

    typeInCell(g, 0, 1, "20");
    leaveRow(g, 1);
    g.selectRow(1);
    messages.expect("Confirm Delete", vbYes);
    QTest::keyClick(&g, Qt::Key_Delete);
    EXPECT_EQ(stored("SELECT LFconc FROM Cus_DAFs"), QList<QVariantList>({{20.0}}));
}

TEST_F(OwnChemicalsEditor, AnEmptyCasNumberAsksInBothGridsYesKeepsTheRowAndNoDropsIt)
{
    frmCusCOSAndDAF& w = openOnOneRowEach();
    const QByteArray before = db.checksum();
    const struct {
        DataGrid* grid;
        int casColumn;
        int otherColumn;
    } grids[] = {{w.SSDBGrid1, 1, 0}, {w.SSDBGrid2, 0, 1}};
    for (const auto& [grid, cas, other] : grids) {
        DataGrid& g = *grid;
        typeInCell(g, 1, other, "5");
        messages.expect(kInsufficientData, vbYes,
                        "You must enter a unique CAS Number for the chemical you are adding.  Click \"Yes\" to enter "
                        "the CAS Number or \"No\" to cancel this new chemical.");
        leaveRow(g, 0);
        EXPECT_EQ(g.currentIndex().row(), 1);
        EXPECT_EQ(g.grid().pendingRow(), 1);
        messages.expect(kInsufficientData, vbNo);
        leaveRow(g, 0);
        EXPECT_EQ(g.grid().dataRowCount(), 1);

        // A stored row whose CAS number was cleared gets it back on No.
        clearCell(g, 0, cas);
        messages.expect(kInsufficientData, vbNo);
        leaveRow(g, 1);
        EXPECT_EQ(g.grid().displayText(0, cas), "999-01-1");
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_TRUE(messages.done());
}

TEST_F(OwnChemicalsEditor, AValueThatCannotBeStoredIsReportedAndTheRowStaysInEdit)
{
    frmCusCOSAndDAF& w = openOnOneRowEach();
    const QByteArray before = db.checksum();
    const struct {
        DataGrid* grid;
        int column;
        QString text;
        const char* reason;
    } refused[] = {
        {w.SSDBGrid1, kMcl, "abc", "not a number"},
        {w.SSDBGrid1, 17, "1e400", "not a finite number"},
        {w.SSDBGrid1, 1, QString(256, 'A'), "longer than 255"},
        {w.SSDBGrid2, 1, "ten", "not a number"},
    };
    for (const auto& r : refused) {
        ScriptedMessages refusal;
        typeInCell(*r.grid, 0, r.column, r.text);
        refusal.expect(kUnableToSave);
        leaveRow(*r.grid, 1);
        ASSERT_EQ(refusal.shown().size(), 1u) << r.reason;
        EXPECT_TRUE(refusal.shown().back().text.contains(r.reason)) << qPrintable(refusal.shown().back().text);
        EXPECT_EQ(r.grid->grid().pendingRow(), 0) << r.reason;
        r.grid->cancelPendingEdit();
    }
    EXPECT_EQ(db.checksum(), before);

    // A row that is no longer stored is reported and the grid reads its table again.
    ASSERT_TRUE(db.conn().exec("DELETE FROM Cus_DAFs").ok());
    typeInCell(*w.SSDBGrid2, 0, 1, "2");
    messages.expect(kUnableToSave);
    leaveRow(*w.SSDBGrid2, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SSDBGrid2->grid().dataRowCount(), 0);
    EXPECT_EQ(w.SSDBGrid2->grid().columns()[0].caption, "CAS Number");
}

TEST_F(OwnChemicalsEditor, ClosingTheWindowWritesTheRowInEditOrDropsItWhenItCannotStay)
{
    frmCusCOSAndDAF& w = open();
    typeInCell(*w.SSDBGrid1, 0, 0, "Widgetane");
    typeInCell(*w.SSDBGrid1, 0, 1, "999-01-1");
    typeInCell(*w.SSDBGrid2, 0, 1, "10");
    messages.expect(kInsufficientData, vbYes);
    EXPECT_TRUE(Forms::unload<frmCusCOSAndDAF>());
    EXPECT_EQ(db.count("Cus_COCS"), 1);
    EXPECT_EQ(db.count("Cus_DAFs"), 0);
    EXPECT_TRUE(messages.done());
}

TEST_F(OwnChemicalsEditor, PrintsBothGridsAsOneJobAndExportsTheChemicalsOnly)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}, {"MCL", 5e-4}});
    db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 1}});
    frmCusCOSAndDAF& w = open();

    const QString pdf = QDir(db.folder()).filePath("own.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    w.PrintTable(true);
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Customer Constituents") && pages[0].contains("Customer Chemical Property"));
    EXPECT_TRUE(pages[1].contains("DAFSI_NON") && pages[1].contains("Customer DAFs"));

    const QString text = QDir(db.folder()).filePath("own");
    ScriptedFileDialogs files;
    files.answer(text, 2);
    w.ExportToTable();
    QFile exported(text + ".txt");
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    EXPECT_TRUE(lines.value(0).startsWith("Chemical Name\tCAS Number\t"));
    EXPECT_TRUE(lines.value(1).startsWith("Widgetane\t999-01-1\t5.00E-04\t"));
    EXPECT_EQ(lines.size(), 3) << "a line of captions and one per chemical, nothing of the DAF rows";
}

TEST_F(OwnChemicalsEditor, ALoadThatFailsShowsTheErrorWithoutTitleAndOpensEmpty)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
    ASSERT_TRUE(db.conn().exec("DROP TABLE Cus_DAFs").ok());
    messages.expect(QString());
    frmCusCOSAndDAF& w = open();
    EXPECT_TRUE(messages.shown().at(0).text.contains("Cus_DAFs")) << qPrintable(messages.shown().at(0).text);
    EXPECT_EQ(w.SSDBGrid1->grid().dataRowCount(), 0);
    EXPECT_EQ(w.SSDBGrid2->grid().columnCount(), 0);
}

} // namespace
