#include "forward_fixture.h"
#include "ui/common/table_operations.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmTotalResultsHQ.h"
#include "ui/results/frmTotalResultsRisk.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>

namespace {

const QString kOrange = "#ff8000 b i";
const QString kRed = "#ff0000 b";
const QString kRedItalic = "#ff0000 b i";
const QString kBlack = "#000000";

// Benzene detected; arsenic a non-detect at 1 % of the waste; a name beginning with a lower-case
// "x"; toluene at 9995 mg/kg, which shows as 1.00E+04.
class SurfaceResults : public ResultWindowTest {
protected:
    void seedFourConstituents()
    {
        seedAnalysis(m_db, 1, "Test Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 1.2, 20000, true, true},
                      {"xylenes", "1330-20-7", 0.1, 9990},
                      {"Toluene", "108-88-3", 0.2, 9995}});
        storeResults(m_db, 1, "71-43-2",
                     {{"SWINGr", 2e-6},
                      {"AIRINHPr", 0.0},
                      {"FISHINGr", 1e-7},
                      {"SOILINGr", 3e-8},
                      {"AIRINHVr", 4e-6},
                      {"SWINGh", 0.1},
                      {"AIRINHPh", 0.0},
                      {"FISHINGh", 0.02},
                      {"SOILINGh", 0.003},
                      {"AIRINHVh", 0.5}});
        storeResults(m_db, 1, "7440-38-2",
                     {{"SWINGr", 3e-6},
                      {"AIRINHPr", 6e-9},
                      {"FISHINGr", 0.0},
                      {"SOILINGr", 0.0},
                      {"AIRINHVr", 0.0},
                      {"SWINGh", 0.2},
                      {"AIRINHPh", 0.001},
                      {"FISHINGh", 0.0},
                      {"SOILINGh", 0.0},
                      {"AIRINHVh", 0.0}});
        storeResults(m_db, 1, "1330-20-7",
                     {{"SWINGr", 1e-6},
                      {"AIRINHPr", 0.0},
                      {"FISHINGr", 0.0},
                      {"SOILINGr", 0.0},
                      {"AIRINHVr", 0.0},
                      {"SWINGh", 0.05},
                      {"AIRINHPh", 0.0},
                      {"FISHINGh", 0.0},
                      {"SOILINGh", 0.0},
                      {"AIRINHVh", 0.0}});
        storeResults(m_db, 1, "108-88-3",
                     {{"SWINGr", 0.0},
                      {"AIRINHPr", 0.0},
                      {"FISHINGr", 0.0},
                      {"SOILINGr", 0.0},
                      {"AIRINHVr", 0.0},
                      {"SWINGh", 0.0},
                      {"AIRINHPh", 0.0},
                      {"FISHINGh", 0.0},
                      {"SOILINGh", 0.0},
                      {"AIRINHVh", 0.0}});
        openAnalysis(m_db, 1);
    }
};

}   // namespace

TEST_F(SurfaceResults, RiskWindowShowsEveryConstituentItsAggregateAndTheTotals)
{
    seedFourConstituents();
    frmTotalResultsRisk* window = Forms::get<frmTotalResultsRisk>();
    const GridModel& grid = gridOf(window);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "2.50E+02", "2.00E-06", "---", "1.00E-07", "3.00E-08", "4.00E-06", "6.13E-06"}));
    EXPECT_EQ(shownRow(grid, 1),
              QStringList({"Arsenic", "2.00E+04", "3.00E-06", "6.00E-09", "---", "---", "---", "3.01E-06"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"xylenes", "9.99E+03", "1.00E-06", "---", "---", "---", "---", "1.00E-06"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Toluene", "1.00E+04", "---", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 4), QStringList({"All Waste Constituents", "---", "6.00E-06", "6.00E-09", "1.00E-07",
                                              "3.00E-08", "4.00E-06", "1.01E-05"}));
    EXPECT_EQ(window->windowTitle(), "Surface Pathway Risk");
    EXPECT_EQ(window->grid()->objectName(), "grdTotalResults");
}

TEST_F(SurfaceResults, NonDetectsOnePercentAndZeroValuesTakeTheirStyles)
{
    seedFourConstituents();
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsRisk>());
    const QString D = "DetLim", Z = "ZeroValue";
    EXPECT_EQ(styleRow(grid, 0), QStringList({"", "", "", Z, "", "", "", ""}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, "Grtr1PctDL", D, D, Z, Z, Z, D}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({"", "", "", Z, Z, Z, Z, ""}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", "Grtr1Pct", Z, Z, Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 4), QStringList({"", Z, "", "", "", "", "", ""}));

    EXPECT_EQ(cellLook(grid, 1, 0), kOrange);
    EXPECT_EQ(cellLook(grid, 1, 1), kRedItalic);
    EXPECT_EQ(cellLook(grid, 1, 4), kBlack);
    EXPECT_EQ(cellLook(grid, 3, 1), kRed);
    EXPECT_EQ(cellLook(grid, 2, 0), kBlack);
    EXPECT_EQ(cellLook(grid, 4, 0), kBlack);
    EXPECT_TRUE(grid.index(1, 0).data(NonDetectRole).toBool());
    EXPECT_FALSE(grid.index(2, 0).data(NonDetectRole).toBool());
}

TEST_F(SurfaceResults, HazardQuotientWindowDiffersOnlyInValuesAndCaptions)
{
    seedFourConstituents();
    const GridModel& risk = gridOf(Forms::get<frmTotalResultsRisk>());
    frmTotalResultsHQ* window = Forms::get<frmTotalResultsHQ>();
    const GridModel& hq = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Surface Pathway Hazard Quotient");
    EXPECT_EQ(shownRow(hq, 0),
              QStringList({"Benzene", "2.50E+02", "1.00E-01", "---", "2.00E-02", "3.00E-03", "5.00E-01", "6.23E-01"}));
    EXPECT_EQ(shownRow(hq, 4), QStringList({"All Waste Constituents", "---", "3.50E-01", "1.00E-03", "2.00E-02",
                                            "3.00E-03", "5.00E-01", "8.74E-01"}));
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(styleRow(hq, r), styleRow(risk, r)) << r;
    ASSERT_GT(hq.groups().size(), 1);
    ASSERT_GT(hq.columns().size(), 7);
    EXPECT_EQ(hq.groups()[1].caption,
              "Petitioned Waste Non-carcinogenic Hazard Quotient - Surface Water Exposure Pathways");
    EXPECT_EQ(hq.columns()[7].caption, "Surface Pathway Aggregate Hazard Quotient");
}

TEST_F(SurfaceResults, TheMainWindowReachesPrintAndExportThroughTheTableOperations)
{
    seedFourConstituents();
    ScriptedFileDialogs dialogs;
    dialogs.answer(QString(), 1);
    FormWindow* window = Forms::get<frmTotalResultsRisk>();
    auto* exportable = dynamic_cast<ExportableTable*>(window);
    ASSERT_NE(exportable, nullptr);
    exportable->ExportToTable();
    EXPECT_EQ(dialogs.requests().size(), 1u);
    EXPECT_NE(dynamic_cast<PrintableTable*>(window), nullptr);
}

TEST_F(SurfaceResults, LayoutIsWidenedAfterLoadingAndTheWindowIsSized)
{
    seedFourConstituents();
    frmTotalResultsRisk* window = Forms::get<frmTotalResultsRisk>();
    const GridModel& grid = gridOf(window);
    const int design[] = {5318, 2461, 1720, 1773, 1667, 1614, 1799, 2461};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(grid.columnWidthTwips(c), design[c] + 125) << c;
    ASSERT_EQ(grid.groups().size(), 2);
    EXPECT_EQ(grid.groups()[0].caption, " ");
    EXPECT_EQ(grid.groupWidthTwips(0), 7779 + 250);
    EXPECT_EQ(grid.groups()[1].firstColumn, 2);
    EXPECT_EQ(grid.groups()[1].columnCount, 6);
    EXPECT_NEAR(window->widthTwips(), 9255, 15);
    EXPECT_NEAR(window->heightTwips(), 6780, 15);
}

TEST_F(SurfaceResults, ANullResultEmptiesItsCellTheAggregateAndTheTotalsFromThenOn)
{
    seedAnalysis(m_db, 1, "Test Site", "LF", {{"Benzene", "71-43-2", 0.5, 250}, {"Phenol", "108-95-2", 0.1, 10}});
    storeResults(
        m_db, 1, "71-43-2",
        {{"SWINGr", 2e-6}, {"AIRINHPr", 1e-7}, {"FISHINGr", 1e-7}, {"SOILINGr", QVariant()}, {"AIRINHVr", 1e-6}});
    storeResults(m_db, 1, "108-95-2",
                 {{"SWINGr", 1e-6}, {"AIRINHPr", 1e-7}, {"FISHINGr", 1e-7}, {"SOILINGr", 1e-8}, {"AIRINHVr", 1e-6}});
    openAnalysis(m_db, 1);
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsRisk>());
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "2.50E+02", "2.00E-06", "1.00E-07", "1.00E-07", "", "1.00E-06", ""}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"All Waste Constituents", "---", "3.00E-06", "2.00E-07", "2.00E-07", "", "2.00E-06", ""}));
    ASSERT_GT(grid.columnCount(), 5);
    EXPECT_EQ(styleRow(grid, 0)[5], "");
}

TEST_F(SurfaceResults, BeforeAnyRunTheResultCellsAndTotalsAreEmpty)
{
    seedAnalysis(m_db, 1, "Test Site", "LF", {{"Benzene", "71-43-2", 0.5, 250}});
    openAnalysis(m_db, 1);
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsHQ>());
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "2.50E+02", "", "", "", "", "", ""}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"All Waste Constituents", "---", "", "", "", "", "", ""}));
}

TEST_F(SurfaceResults, WithoutConstituentsOrWithoutAnOpenAnalysisOnlyTheTotalsRowShows)
{
    seedAnalysis(m_db, 1, "Empty", "LF", {});
    for (const qint32 key : {1, 0}) {
        SCOPED_TRACE(key);
        m_db.state.gCurSiteKey = key;
        const GridModel& grid = gridOf(Forms::get<frmTotalResultsRisk>());
        ASSERT_EQ(grid.rowCount(), 1);
        EXPECT_EQ(shownRow(grid, 0),
                  QStringList({"All Waste Constituents", "---", "---", "---", "---", "---", "---", "---"}));
        EXPECT_EQ(styleRow(grid, 0).mid(1), QStringList(7, "ZeroValue"));
        Forms::unload<frmTotalResultsRisk>();
    }
}

TEST_F(SurfaceResults, AFailedLoadKeepsTheRowsReadSoFarAndIsReportedOnce)
{
    seedFourConstituents();
    Result<int> damaged = m_db.conn().exec("UPDATE SITECOCS SET SWINGr = 'abc' WHERE CHEMCAS = '1330-20-7'");
    ASSERT_TRUE(damaged.ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsRisk>());
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.displayText(1, 0), "Arsenic");
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
    EXPECT_TRUE(messages.shown()[0].text.contains("SWINGr"));
}

TEST_F(SurfaceResults, AMissingDatabaseIsReportedAndLeavesTheGridEmpty)
{
    seedFourConstituents();
    m_db.state.programFolder = QDir(m_db.folder()).filePath("elsewhere");
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    EXPECT_EQ(gridOf(Forms::get<frmTotalResultsRisk>()).rowCount(), 0);
}

TEST_F(SurfaceResults, TheWindowReadsThroughItsOwnConnectionAndWritesNothing)
{
    seedFourConstituents();
    const QByteArray before = m_db.checksum();
    m_db.state.gConn.reset();
    EXPECT_EQ(gridOf(Forms::get<frmTotalResultsHQ>()).rowCount(), 5);
    Forms::unload<frmTotalResultsHQ>();
    Result<std::unique_ptr<Connection>> conn = Connection::open(m_db.path());
    ASSERT_TRUE(conn.ok());
    m_db.state.gConn = std::move(*conn);
    EXPECT_EQ(m_db.checksum(), before);
}

TEST_F(SurfaceResults, PrintsHeadingFootingAndEveryRow)
{
    seedFourConstituents();
    const QString pdf = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots/surface_results.pdf");
    QDir().mkpath(QFileInfo(pdf).absolutePath());
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    {
        PrintCommand command;
        Forms::get<frmTotalResultsHQ>()->PrintTable(true);
        Forms::get<frmTotalResultsRisk>()->PrintTable(false);
    }
    EXPECT_EQ(dialogs.dialogsShown(), 2);
    const QStringList pages = pdfPageTexts(pdf);
    const QStringList headings = {"Surface Pathway Hazard Quotient", "Surface Pathway Risk"};
    EXPECT_EQ(pdfTableHeadings(pdf, headings), headings);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Results for Analysis: Test Site"));
        for (const char* text : {"Benzene", "Arsenic", "xylenes", "Toluene", "All Waste Constituents", "Chemical Name"})
            EXPECT_TRUE(page.contains(text)) << text;
        EXPECT_FALSE(page.contains("xArsenic"));
    }
    EXPECT_TRUE(pdfTextInsidePages(pdf));
}

TEST_F(SurfaceResults, ExportsHtmlAndTextAsExpected)
{
    seedFourConstituents();
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOVI_SOURCE_DIR "/data/template3.html"), htmlTemplatePath()));
    const QString out = QDir(m_db.folder()).filePath("surface_risk");
    ScriptedFileDialogs dialogs;
    dialogs.answer(out, 1).answer(out, 2);
    frmTotalResultsRisk* window = Forms::get<frmTotalResultsRisk>();
    window->ExportToTable();
    window->ExportToTable();
    const QString expected = QStringLiteral(TOVI_SOURCE_DIR "/tests/ui/results/expected/");
    EXPECT_EQ(fileBytes(out + ".html"), fileBytes(expected + "surface_risk.html"));
    EXPECT_EQ(fileBytes(out + ".txt"), fileBytes(expected + "surface_risk.txt"));
}
