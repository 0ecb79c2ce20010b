#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmTotalResultsScreen.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"
#include "window_shot.h"

#include <QDir>
#include <QFile>

namespace {

const QString D = "DetLim", Z = "ZeroValue";

// A landfill (targets 1E-5 and 1.0) whose constituents cover the choice of the smallest
// positive allowable concentration (zeros, NULLs, a negative value, ties), non-detects at 1 %
// of the waste and below, a constituent not yet run and one without a total concentration.
class TotalScreen : public ResultWindowTest {
protected:
    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 1.0, 20000, false, true},
                      {"Lead", "7439-92-1", 1.0, 9995, false, true},
                      {"Toluene", "108-88-3", 0.2, 9990},
                      {"xylenes", "1330-20-7", 0.1, 10000},
                      {"Phenol", "108-95-2", 0.1, 0}});
        storeResults(m_db, 1, "71-43-2",
                     {{"SWINGsr", 2000.0},
                      {"SWINGsh", 500.0},
                      {"FISHINGsr", 0.0},
                      {"FISHINGsh", 12.0},
                      {"AIRINHVsr", -3.0},
                      {"AIRINHVsh", 40.0},
                      {"AIRINHPsr", QVariant()},
                      {"AIRINHPsh", QVariant()},
                      {"SOILINGsr", 800.0},
                      {"SOILINGsh", 900.0}});
        storeResults(
            m_db, 1, "7440-38-2",
            {{"SWINGsr", 0.0}, {"FISHINGsr", 0.0}, {"AIRINHVsr", 0.0}, {"AIRINHPsr", 0.0}, {"SOILINGsr", 0.0}});
        storeResults(m_db, 1, "7439-92-1",
                     {{"SOILINGsr", 400.0}, {"SOILINGsh", 400.0}, {"AIRINHPsr", 0.0}, {"AIRINHPsh", 1e6}});
        storeResults(m_db, 1, "1330-20-7", {{"SWINGsr", 1e5}});
        storeResults(m_db, 1, "108-95-2", {{"TOTCONC", QVariant()}, {"SWINGsr", 3.33}, {"FISHINGsh", 3.33}});
        openAnalysis(m_db, 1);
    }

    // An impoundment (targets 1E-4 and 0.1) with the volatile pathway's values only.
    void seedImpoundment()
    {
        seedAnalysis(m_db, 2, "Impoundment Site", "SI", {{"Benzene", "71-43-2", 0.5, 50}});
        ASSERT_TRUE(
            m_db.conn().exec("UPDATE WMUINFO SET RISKFACT = ?, HQFACT = ? WHERE SITEKEY = 2", {1e-4, 0.1}).ok());
        storeResults(m_db, 2, "71-43-2",
                     {{"SWINGsr", 0.0},
                      {"SWINGsh", 0.0},
                      {"FISHINGsr", 0.0},
                      {"FISHINGsh", 0.0},
                      {"AIRINHVsr", 3.5},
                      {"AIRINHVsh", 7.0},
                      {"AIRINHPsr", 0.0},
                      {"AIRINHPsh", 0.0},
                      {"SOILINGsr", 0.0},
                      {"SOILINGsh", 0.0}});
    }

    static const GridModel& gridOf(frmTotalResultsScreen* window) { return window->grid()->grid(); }
};

QString heading(const QString& risk, const QString& hq)
{
    return "Chemical Name\r\n\r\nRisk Factor = " + risk + "\r\nHQ Factor = " + hq + "\r\n* = Detection Limit";
}

}   // namespace

TEST_F(TotalScreen, EachRowShowsTheSmallestPositiveAllowableConcentrations)
{
    seedLandfill();
    frmTotalResultsScreen* window = Forms::get<frmTotalResultsScreen>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Maximum Allowable Total Concentrations - Surface Exposure Pathways");
    EXPECT_EQ(window->grid()->objectName(), "grdTotalResults");
    ASSERT_FALSE(grid.columns().empty());
    EXPECT_EQ(grid.columns()[0].caption, heading("1.00E-05", "1.00E+00"));
    ASSERT_EQ(grid.rowCount(), 6);   // no totals row
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "2.50E+02", "1.20E+01", "", "5.00E+02", "---", "1.20E+01",
                                              "8.00E+02", "4.00E+01"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "2.00E+04", "---", "*", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Lead", "1.00E+04", "4.00E+02", "*", "---", "1.00E+06", "---", "4.00E+02", "---"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Toluene", "9.99E+03", "---", "", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 4),
              QStringList({"xylenes", "1.00E+04", "1.00E+05", "", "1.00E+05", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 5),
              QStringList({"Phenol", "", "3.33E+00", "", "3.33E+00", "---", "3.33E+00", "---", "---"}));
}

TEST_F(TotalScreen, NonDetectsTheMaximumOnePercentAndZerosTakeTheirStyles)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsScreen>());
    EXPECT_EQ(styleRow(grid, 0), QStringList({"", "", "MaxAllow", "", "", Z, "", "", ""}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, "Grtr1PctDL", Z, "Asterisk", Z, Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({D, "Grtr1PctDL", "MaxAllowDL", "Asterisk", Z, D, Z, D, Z}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", "", Z, "", Z, Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 4), QStringList({"", "Grtr1Pct", "MaxAllow", "", "", Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 5), QStringList({"", "", "MaxAllow", "", "", Z, "", Z, Z}));

    EXPECT_EQ(cellLook(grid, 0, 2), "#0000ff b");
    EXPECT_EQ(cellLook(grid, 2, 0), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 2, 1), "#ff0000 b i");
    EXPECT_EQ(cellLook(grid, 2, 2), "#0000ff b i");
    EXPECT_EQ(cellLook(grid, 2, 3), "#000000 b i");
    EXPECT_EQ(grid.cellFont(2, 3).pointSizeF(), 16.0);
    EXPECT_EQ(cellLook(grid, 1, 2), "#000000");
    EXPECT_EQ(cellLook(grid, 4, 1), "#ff0000 b");
    EXPECT_EQ(cellLook(grid, 4, 0), "#000000");
    QStringList created;
    for (const char* name : {"DetLim", "Grtr1Pct", "Grtr1PctDL", "MaxAllow", "MaxAllowDL", "Asterisk", "ZeroValue"})
        if (grid.style(name))
            created << name;
    EXPECT_EQ(created.size(), 7);
}

TEST_F(TotalScreen, AnImpoundmentShowsItsOwnTargetsAndRowsOnly)
{
    seedLandfill();
    seedImpoundment();
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsScreen>());
    ASSERT_FALSE(grid.columns().empty());
    EXPECT_EQ(grid.columns()[0].caption, heading("1.00E-04", "1.00E-01"));
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "5.00E+01", "3.50E+00", "", "---", "---", "---", "---", "3.50E+00"}));
}

TEST_F(TotalScreen, TheHeadingKeepsTheTargetsWithWhichTheWindowLoaded)
{
    seedLandfill();
    const GridModel& before = gridOf(Forms::get<frmTotalResultsScreen>());
    m_db.state.gRsWmuInfo.setValue("RISKFACT", 1e-6);
    m_db.state.gRsWmuInfo.setValue("HQFACT", QVariant());
    ASSERT_FALSE(before.columns().empty());
    EXPECT_EQ(before.columns()[0].caption, heading("1.00E-05", "1.00E+00"));
    Forms::unload<frmTotalResultsScreen>();
    ASSERT_FALSE(gridOf(Forms::get<frmTotalResultsScreen>()).columns().empty());
    EXPECT_EQ(gridOf(Forms::get<frmTotalResultsScreen>()).columns()[0].caption, heading("1.00E-06", ""));
}

TEST_F(TotalScreen, TheLoadSizesTheWindowAndWidensThePathwayColumns)
{
    seedLandfill();
    frmTotalResultsScreen* window = Forms::get<frmTotalResultsScreen>();
    const GridModel& grid = gridOf(window);
    const int widths[] = {5393, 2911, 2562, 1971, 2015, 1995, 1722, 1565, 1409};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    ASSERT_EQ(grid.groups().size(), 2);
    EXPECT_EQ(grid.groups()[0].caption, " ");
    EXPECT_EQ(grid.groupWidthTwips(0), 8304);
    EXPECT_EQ(grid.groups()[1].caption, "Maximum Allowable Total Concentration (mg/Kg)");
    EXPECT_EQ(grid.groupWidthTwips(1), 12739 + 500);
    EXPECT_NEAR(window->widthTwips(), 9255, 15);
    EXPECT_NEAR(window->heightTwips(), 6780, 15);
}

TEST_F(TotalScreen, WithoutConstituentsOnlyTheHeadingsShow)
{
    seedAnalysis(m_db, 1, "Empty", "LF", {});
    openAnalysis(m_db, 1);
    const GridModel& grid = gridOf(Forms::get<frmTotalResultsScreen>());
    EXPECT_EQ(grid.rowCount(), 0);
    ASSERT_FALSE(grid.columns().empty());
    EXPECT_EQ(grid.columns()[0].caption, heading("1.00E-05", "1.00E+00"));
}

TEST_F(TotalScreen, AnUnreadableWasteUnitRecordEndsTheLoadBeforeTheRows)
{
    seedLandfill();
    m_db.state.gRsWmuInfo.close();
    {
        ScriptedMessages messages;
        messages.expect("Unable to Save");
        const GridModel& grid = gridOf(Forms::get<frmTotalResultsScreen>());
        EXPECT_EQ(grid.rowCount(), 0);
        ASSERT_FALSE(grid.columns().empty());
        EXPECT_EQ(grid.columns()[0].caption, "Chemical Name");
        EXPECT_EQ(grid.style("DetLim"), nullptr);
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
    }
    Forms::unload<frmTotalResultsScreen>();
    // No analysis open: nothing to show and nothing to report.
    m_db.state.gCurSiteKey = 0;
    EXPECT_EQ(gridOf(Forms::get<frmTotalResultsScreen>()).rowCount(), 0);
}

TEST_F(TotalScreen, PrintsAndExportsTheTable)
{
    seedLandfill();
    frmTotalResultsScreen* window = Forms::get<frmTotalResultsScreen>();
    const QString pdf = screenshotPath("frmTotalResultsScreen.pdf");
    const QStringList pages = printToPdf(window, pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text : {"Maximum Allowable Total Concentrations - Surface Exposure Pathways",
                             "Results for Analysis: Landfill Site", "Risk Factor = 1.00E-05", "* = Detection Limit",
                             "Benzene", "Arsenic", "Lead", "Toluene", "xylenes", "Phenol", "1.20E+01", "1.00E+06"})
        EXPECT_TRUE(printed.contains(text)) << text;
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(window, "total_screen");

    EXPECT_TRUE(saveWindowShot(window, "frmTotalResultsScreen_rows", 24000, 5000));
}
