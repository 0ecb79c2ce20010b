#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmTCLPResultsScreen.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"
#include "window_shot.h"

#include <QDir>
#include <QFile>

namespace {

const QString D = "DetLim", Z = "ZeroValue", M = "MaxAllowDL";

// A landfill whose constituents are stored out of CAS order: benzene detected; arsenic a
// non-detect at 15000 mg/L; zinc without a groundwater delisting row or MCL; ethylbenzene at
// 9995 mg/L with zero DAF, delisting level and inhalation, and no adult dermal value.
class TclpScreen : public ResultWindowTest {
protected:
    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 15000, 20, true, false},
                      {"Zinc", "7440-66-6", 2.0, 5},
                      {"Ethylbenzene", "100-41-4", 9995, 5}});
        storeResults(m_db, 1, "71-43-2", {{"MCL", 0.005}});
        storeResults(m_db, 1, "7440-38-2", {{"MCL", 0.01}});
        storeResults(m_db, 1, "100-41-4", {{"MCL", 0.7}});
        storeGwDelisting(m_db, 1, "71-43-2",
                         {{"GWMaxAConcen", 0.005},
                          {"GWDAF", 2.0},
                          {"DAF_SF", 138.65},
                          {"GWDL", 1.385},
                          {"GWIngetion", 0.01},
                          {"GWInhalation", 0.02},
                          {"GWAdultDermalAbsorption", 0.3},
                          {"GWChildDermalAbsorption", 0.15}});
        storeGwDelisting(m_db, 1, "7440-38-2",
                         {{"GWMaxAConcen", 0.01},
                          {"GWDAF", 12.5},
                          {"DAF_SF", 1.0},
                          {"GWDL", 125.0},
                          {"GWIngetion", 0.01},
                          {"GWInhalation", 0.0},
                          {"GWAdultDermalAbsorption", 0.05},
                          {"GWChildDermalAbsorption", 0.02}});
        storeGwDelisting(m_db, 1, "100-41-4",
                         {{"GWMaxAConcen", 0.7},
                          {"GWDAF", 0.0},
                          {"DAF_SF", 138.65},
                          {"GWDL", 0.0},
                          {"GWIngetion", 0.7},
                          {"GWInhalation", 0.0},
                          {"GWChildDermalAbsorption", 5.0}});
        // A row of this analysis's run for a chemical that only the impoundment lists.
        storeGwDelisting(m_db, 1, "108-88-3", {{"GWMaxAConcen", 1.0}, {"GWDAF", 9.0}, {"DAF_SF", 1.0}, {"GWDL", 9.0}});
        openAnalysis(m_db, 1);
    }

    static const GridModel& gridOf(frmTCLPResultsScreen* window) { return window->grid()->grid(); }
};

}   // namespace

TEST_F(TclpScreen, RowsComeInCasOrderWithTheGroundwaterDelistingResults)
{
    seedLandfill();
    frmTCLPResultsScreen* window = Forms::get<frmTCLPResultsScreen>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Maximum Allowable TCLP Concentrations - Groundwater Exposure Pathways");
    EXPECT_EQ(window->grid()->objectName(), "grdTCLPResults");
    ASSERT_GT(grid.columns().size(), 5);
    EXPECT_EQ(grid.columns()[0].caption,
              "Chemical Name\r\n\r\nRisk Factor = 1.00E-05\r\nHQ Factor = 1.00E+00\r\n* = Detection Limit");
    EXPECT_EQ(grid.columns()[2].caption, "Limiting Maximum Allowable  Receptor Concentration (mg/L)");
    EXPECT_EQ(grid.columns()[5].caption, "Delisting Level (Waste) (mg/L - Leachate )");
    EXPECT_TRUE(grid.groups().isEmpty());
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Ethylbenzene", "1.00E+04", "7.00E-01", "---", "---", "---", "7.00E-01",
                                              "---", "", "5.00E+00", "7.00E-01"}));
    // The delisting level is read in single precision: 1.385 becomes 1.38499999…
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Benzene", "5.00E-01", "5.00E-03", "2.00E+00", "2.77E+02", "1.38E+00",
                                              "1.00E-02", "2.00E-02", "3.00E-01", "1.50E-01", "5.00E-03"}));
    EXPECT_EQ(shownRow(grid, 2), QStringList({"Arsenic", "1.50E+04", "1.00E-02", "1.25E+01", "1.25E+01", "*",
                                              "1.00E-02", "---", "5.00E-02", "2.00E-02", "1.00E-02"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Zinc", "2.00E+00", "", "", "", "", "", "", "", "", ""}));
}

TEST_F(TclpScreen, NonDetectsOnePercentDelistingLevelsAndZerosTakeTheirStyles)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsScreen>());
    EXPECT_EQ(styleRow(grid, 0), QStringList({"", "Grtr1Pct", "", Z, Z, Z, "", Z, "", "", ""}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({"", "", "", "", "", M, "", "", "", "", ""}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({D, "Grtr1PctDL", D, D, D, M, D, Z, D, D, D}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", "", "", "", "", M, "", "", "", "", ""}));
    EXPECT_EQ(cellLook(grid, 1, 5), "#0000ff b");
    EXPECT_EQ(cellLook(grid, 2, 5), "#0000ff b");   // the "*" of a non-detect is blue, not black italic
    EXPECT_EQ(cellLook(grid, 2, 0), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 2, 7), "#000000");
    EXPECT_EQ(cellLook(grid, 0, 1), "#ff0000 b");
    EXPECT_EQ(grid.style("MaxAllow"), nullptr);
    ASSERT_NE(grid.style("Asterisk"), nullptr);
    EXPECT_EQ(grid.style("Asterisk")->pointSize, 16.0);
}

TEST_F(TclpScreen, AnImpoundmentShowsItsOwnScaledDafAndOnlyItsOwnDelistingRows)
{
    seedLandfill();
    seedAnalysis(m_db, 2, "Impoundment Site", "SI",
                 {{"Benzene", "71-43-2", 0.3, 5}, {"Toluene", "108-88-3", 0.1, 5}, {"Phenol", "108-95-2", 0.2, 5}});
    storeGwDelisting(m_db, 2, "71-43-2",
                     {{"GWMaxAConcen", 0.001}, {"GWDAF", 2.0}, {"DAF_SF", 26.1135}, {"GWDL", 0.0522}});
    storeGwDelisting(m_db, 2, "108-95-2", {{"GWMaxAConcen", 0.05}, {"GWDAF", 3.0}});
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsScreen>());
    ASSERT_EQ(grid.rowCount(), 3);
    // Toluene has a delisting row only from the landfill's run.
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Toluene", "1.00E-01", "", "", "", "", "", "", "", "", ""}));
    // Without a scaling factor the adjusted DAF is empty; without a level so is the level.
    EXPECT_EQ(shownRow(grid, 1),
              QStringList({"Phenol", "2.00E-01", "5.00E-02", "3.00E+00", "", "", "", "", "", "", ""}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Benzene", "3.00E-01", "1.00E-03", "2.00E+00", "5.22E+01", "5.22E-02", "", "", "", "", ""}));
}

TEST_F(TclpScreen, TheDelistingLevelColumnIsNarrowWithoutADetectedRow)
{
    const int widths[] = {2139, 1365, 1170, 1049, 1395, 1395, 2000, 2000, 2000, 2000, 1514};
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsScreen>());
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    Forms::unload<frmTCLPResultsScreen>();

    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET DLTCLP = 1").ok());
    EXPECT_EQ(gridOf(Forms::get<frmTCLPResultsScreen>()).columnWidthTwips(5), 300);
    printToPdf(Forms::get<frmTCLPResultsScreen>(), m_db.folder() + "/narrow.pdf");
    expectColumnPagesEven(m_db.folder() + "/narrow.pdf", gridOf(Forms::get<frmTCLPResultsScreen>()));
    Forms::unload<frmTCLPResultsScreen>();

    seedAnalysis(m_db, 2, "Empty", "LF", {});
    openAnalysis(m_db, 2);
    const GridModel& empty = gridOf(Forms::get<frmTCLPResultsScreen>());
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_EQ(empty.columnWidthTwips(5), 300);
}

TEST_F(TclpScreen, AScaledDafBeyondSinglePrecisionFailsTheLoadInsteadOfShowingInfinity)
{
    seedLandfill();
    ASSERT_TRUE(m_db.conn().exec("UPDATE GWDelisting SET DAF_SF = 3e38 WHERE ChemCas = '7440-38-2'").ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsScreen>());
    ASSERT_TRUE(messages.done());
    EXPECT_TRUE(messages.shown()[0].text.contains("7440-38-2"));
    for (int r = 0; r < grid.rowCount(); ++r)
        EXPECT_FALSE(grid.index(r, 4).data().toString().contains("nf")) << r;
}

TEST_F(TclpScreen, PrintsAndExportsTheTable)
{
    seedLandfill();
    frmTCLPResultsScreen* window = Forms::get<frmTCLPResultsScreen>();
    const QString pdf = screenshotPath("frmTCLPResultsScreen.pdf");
    const QStringList pages = printToPdf(window, pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const char* text : {"Maximum Allowable TCLP Concentrations - Groundwater Exposure Pathways",
                             "Results for Analysis: Landfill Site", "HQ Factor = 1.00E+00", "Ethylbenzene", "Benzene",
                             "Arsenic", "Zinc", "2.77E+02", "Waste Volume Adjusted DAF"})
        EXPECT_TRUE(pages[0].contains(text)) << text;
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(window, "tclp_screen");

    EXPECT_TRUE(saveWindowShot(window, "frmTCLPResultsScreen_rows", 20000, 5000));
}
