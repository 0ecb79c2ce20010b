#include "ui/chemdb/frmCusCOSAndDAF.h"

#include "admin_fixture.h"
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

class OwnChemicalsEditor : public ::testing::Test {
protected:
    OwnChemicalsEditor() : m_scope(db.state) { Forms::setMdiArea(&m_area); }
    ~OwnChemicalsEditor() override
    {
        Forms::unload<frmCusCOSAndDAF>();
        Forms::setMdiArea(nullptr);
    }

    // The window, on one own chemical and one DAF row of CAS number 999-01-1 unless `empty`.
    frmCusCOSAndDAF& open(bool empty = false)
    {
        if (!empty) {
            db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
            db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 1}});
        }
        m_area.show();
        frmCusCOSAndDAF* w = Forms::get<frmCusCOSAndDAF>();
        w->showForm();
        return *w;
    }

    static void leaveRow(DataGrid& grid, int to) { grid.setCurrentCell(to, 0); }

    // The stored values of a query's first row.
    QVariantList stored(const QString& sql)
    {
        Result<QueryRows> rows = db.conn().select(sql);
        EXPECT_TRUE(rows.ok() && !rows->rows.empty()) << qPrintable(sql);
        return rows.ok() && !rows->rows.empty() ? QVariantList(rows->rows[0].begin(), rows->rows[0].end())
                                                : QVariantList();
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
    db.insert("Cus_DAFs", {{"CAS Num", "b"}, {"LFconc", 2}});
    db.insert("Cus_DAFs", {{"CAS Num", "a"}, {"LFconc", 10}, {"SIconc", 10}});
    db.insert("Cus_DAFs", {{"CAS Num", "b"}, {"LFconc", 3}});
    frmCusCOSAndDAF& w = open(true);
    EXPECT_EQ(shownRow(w.SSDBGrid1->grid(), 0).mid(0, 4), QStringList({"Zylene", "999-02-2", "5.00E-04", ""}));
    const GridModel& dafs = w.SSDBGrid2->grid();
    ASSERT_EQ(dafs.columnCount(), 7);
    // The landfill concentration keeps the plain format, the impoundment one is scientific;
    // equal CAS numbers in the order entered.
    EXPECT_EQ(shownRow(dafs, 0).mid(0, 5), QStringList({"a", "10", "", "", "1.00E+01"}));
    EXPECT_EQ(shownRow(dafs, 1).value(1) + shownRow(dafs, 2).value(1), "23");

    // The grids share the window one above the other; too small a window keeps rows of each and scrolls.
    const QRect top = w.SSDBGrid1->geometry();
    const QRect bottom = w.SSDBGrid2->geometry();
    EXPECT_GT(bottom.top(), top.bottom());
    EXPECT_EQ(bottom.height(), top.height());
    w.resizeTwips(3000, 900);
    EXPECT_GT(w.SSDBGrid2->height(), w.SSDBGrid2->heightShowing(1));
    EXPECT_LT(w.SSDBGrid2->geometry().bottom(), w.height());
}

TEST_F(OwnChemicalsEditor, RowsOfBothGridsAreAddedWithTheChemicalsZeroDefaultsChangedAndDeleted)
{
    db.insert("COCS", {{"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}});
    frmCusCOSAndDAF& w = open(true);
    DataGrid& chemicals = *w.SSDBGrid1;
    DataGrid& dafs = *w.SSDBGrid2;

    // Name, CAS number (one of the chemical table's) and TC only: MCL to SOILSAT become 0.
    typeInCell(chemicals, 0, 0, "Widgetane");
    typeInCell(chemicals, 0, 1, "71-43-2");
    typeInCell(chemicals, 0, 9, "0.7");
    leaveRow(chemicals, 1);
    EXPECT_EQ(stored("SELECT MCL, CSFO, CSFI, ORDO, ORDI, BCF, SOILSAT, TC, HENRY FROM Cus_COCS"),
              QVariantList({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.7, QVariant()}));
    typeInCell(dafs, 0, 0, "71-43-2");
    typeInCell(dafs, 0, 2, "37");
    leaveRow(dafs, 1);
    EXPECT_EQ(stored("SELECT ID IS NOT NULL, \"CAS Num\", LFconc, DAFLF_CARC FROM Cus_DAFs"),
              QVariantList({1, "71-43-2", QVariant(), 37.0}));

    typeInCell(chemicals, 0, 2, "0.5");
    leaveRow(chemicals, 1);
    typeInCell(dafs, 0, 1, "20");
    leaveRow(dafs, 1);
    EXPECT_EQ(stored("SELECT MCL, LFconc FROM Cus_COCS, Cus_DAFs"), QVariantList({0.5, 20.0}));

    // Rows selected whole go with the Delete key after the question.
    for (DataGrid* grid : {&chemicals, &dafs}) {
        grid->selectRow(0);
        messages.expect("Confirm Delete", vbNo);
        QTest::keyClick(grid, Qt::Key_Delete);
        messages.expect("Confirm Delete", vbYes);
        QTest::keyClick(grid, Qt::Key_Delete);
        EXPECT_EQ(grid->grid().dataRowCount(), 0);
    }
    EXPECT_EQ(db.count("Cus_COCS") + db.count("Cus_DAFs"), 0);
}

TEST_F(OwnChemicalsEditor, AKeyTypedAtOnceAfterAClickOnTheCurrentCellLandsInIt)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Betane"}, {"CHEMCAS", "999-02-2"}, {"MCL", 3.0}});
    DataGrid& grid = *open().SSDBGrid1;
    const QPoint widgetaneMcl = grid.visualRect(grid.grid().index(1, 2)).center();
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, widgetaneMcl);
    QTest::keyClick(&grid, Qt::Key_3);   // not a search that finds Betane's "3.00E+00"
    pressEnter(grid);
    leaveRow(grid, 0);
    EXPECT_EQ(stored("SELECT group_concat(CHEMNAME || MCL) FROM Cus_COCS"), QVariantList{"Betane3.0,Widgetane3.0"});
}

TEST_F(OwnChemicalsEditor, AnEmptyCasNumberAsksInBothGridsYesKeepsTheRowAndNoDropsIt)
{
    frmCusCOSAndDAF& w = open();
    const QByteArray before = db.checksum();
    const struct {
        DataGrid* grid;
        int casColumn;
        int otherColumn;
    } grids[] = {{w.SSDBGrid1, 1, 0}, {w.SSDBGrid2, 0, 1}};
    for (const auto& [grid, cas, other] : grids) {
        DataGrid& g = *grid;
        typeInCell(g, 1, other, "5");
        messages.expect(kInsufficientData, vbYes);
        leaveRow(g, 0);
        EXPECT_EQ(g.grid().pendingRow(), 1);
        messages.expect(kInsufficientData, vbNo);
        leaveRow(g, 0);
        EXPECT_EQ(g.grid().dataRowCount(), 1);

        // A stored row whose CAS number was cleared gets it back on No.
        QTest::keyClick(typeInCell(g, 0, cas, QString()), Qt::Key_Delete);
        messages.expect(kInsufficientData, vbNo);
        leaveRow(g, 1);
        EXPECT_EQ(g.grid().displayText(0, cas), "999-01-1");
    }
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(OwnChemicalsEditor, AValueThatCannotBeStoredIsReportedTheRowStaysInEditAndEscapeOrClosingLeavesIt)
{
    frmCusCOSAndDAF& w = open();
    const QByteArray before = db.checksum();
    for (DataGrid* grid : {w.SSDBGrid1, w.SSDBGrid2}) {
        ScriptedMessages refusal;
        typeInCell(*grid, 0, 3, "7");
        typeInCell(*grid, 0, 2, "abc");
        refusal.expect(kUnableToSave);
        leaveRow(*grid, 1);
        ASSERT_FALSE(refusal.shown().empty());
        EXPECT_TRUE(refusal.shown().back().text.contains("not a number"));
        EXPECT_EQ(grid->grid().pendingRow(), 0);
        // Closing asks, and Yes keeps the window on the row; Escape undoes the value, a second the row.
        refusal.expect(kUnableToSave).expect("Invalid Input", vbYes);
        EXPECT_FALSE(Forms::unload<frmCusCOSAndDAF>());
        for (const int pending : {0, -1}) {
            QTest::keyClick(grid, Qt::Key_Escape);
            EXPECT_EQ(QString::number(grid->grid().pendingRow()) + grid->grid().cell(0, 2).text,
                      QString::number(pending));
        }
    }
    EXPECT_EQ(db.checksum(), before);

    // A row that is no longer stored is reported and the grid reads its table again.
    ASSERT_TRUE(db.conn().exec("DELETE FROM Cus_DAFs").ok());
    typeInCell(*w.SSDBGrid2, 0, 1, "2");
    messages.expect(kUnableToSave);
    leaveRow(*w.SSDBGrid2, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SSDBGrid2->grid().dataRowCount(), 0);
    ASSERT_FALSE(w.SSDBGrid2->grid().columns().empty());
    EXPECT_EQ(w.SSDBGrid2->grid().columns()[0].caption, "CAS Number");
    // No drops the row's edit and closes.
    typeInCell(*w.SSDBGrid1, 0, 2, "abc");
    messages.expect(kUnableToSave).expect("Invalid Input", vbNo);
    EXPECT_TRUE(Forms::unload<frmCusCOSAndDAF>());
}

TEST_F(OwnChemicalsEditor, ClosingTheWindowWritesTheRowInEditOrDropsItWhenItCannotStay)
{
    frmCusCOSAndDAF& w = open(true);
    typeInCell(*w.SSDBGrid1, 0, 0, "Widgetane");
    typeInCell(*w.SSDBGrid1, 0, 1, "999-01-1");
    typeInCell(*w.SSDBGrid2, 0, 1, "10");
    messages.expect(kInsufficientData, vbNo);
    EXPECT_TRUE(Forms::unload<frmCusCOSAndDAF>());
    EXPECT_EQ(db.count("Cus_COCS"), 1);
    EXPECT_EQ(db.count("Cus_DAFs"), 0);
}

TEST_F(OwnChemicalsEditor, PrintsBothGridsAsOneJobAndExportsTheChemicalsOnly)
{
    frmCusCOSAndDAF& w = open();
    const QString pdf = QDir(db.folder()).filePath("own.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    w.PrintTable(true);
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Customer Constituents") && pages[0].contains("Customer Chemical Property"));
    EXPECT_TRUE(pages.back().contains("DAFSI_NON") && pages.back().contains("Customer DAFs"));

    const QString text = QDir(db.folder()).filePath("own");
    ScriptedFileDialogs files;
    files.answer(text, 2);
    w.ExportToTable();
    QFile exported(text + ".txt");
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    EXPECT_TRUE(lines.value(1).startsWith("Widgetane\t999-01-1\t"));
    EXPECT_EQ(lines.size(), 3) << "a line of captions and one per chemical, nothing of the DAF rows";
}

TEST_F(OwnChemicalsEditor, ALoadThatFailsShowsTheErrorWithoutTitleAndOpensEmpty)
{
    ASSERT_TRUE(db.conn().exec("DROP TABLE Cus_DAFs").ok());
    messages.expect(QString());
    frmCusCOSAndDAF& w = open(true);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown().at(0).text.contains("Cus_DAFs"));
    EXPECT_EQ(w.SSDBGrid1->grid().columnCount(), 0);
}

// The editor in the program, closed by each of the user's ways.
TEST_F(AdminTest, OwnChemicalsEditorKeepsItsRowWithoutCasNumberOpenOnYesAndDropsItOnNoWhateverClosesIt)
{
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close box", [] { Forms::find("frmCusCOSAndDAF")->frame()->close(); }},
        {"Exit", [this] { main().mnuExit_Click(); }},
    };
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    for (const auto& [way, close] : ways) {
        main().mnuEditCOCDAF_Click();
        auto* editor = static_cast<frmCusCOSAndDAF*>(Forms::find("frmCusCOSAndDAF"));
        typeInCell(*editor->SSDBGrid1, 0, 0, "Widgetane");
        messages.expect(kInsufficientData, vbYes);
        close();
        ASSERT_EQ(Forms::find("frmCusCOSAndDAF"), editor) << way;
        EXPECT_EQ(editor->SSDBGrid1->grid().pendingRow(), 0) << way;
        EXPECT_TRUE(editor->SSDBGrid1->hasFocus()) << way;
        EXPECT_TRUE(main().isVisible()) << way;
        messages.expect(kInsufficientData, vbNo);
        close();
        EXPECT_EQ(Forms::find("frmCusCOSAndDAF"), nullptr) << way;
    }
    EXPECT_FALSE(main().isVisible());
    auto conn = Connection::open(db.path());
    ASSERT_TRUE(conn.ok());
    EXPECT_EQ((*conn)->scalar("SELECT count(*) FROM Cus_COCS")->toInt(), 0);
}

}   // namespace
