#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmLimitResults.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString D = "DetLim";
const QString Z = "ZeroValue";

// A landfill with a detected constituent whose total limit is 9995 mg/kg; a TCLP non-detect
// with a groundwater limit of 0; a total non-detect without a surface limit; a non-detect
// without a delisting row whose total limit is 0; a constituent with NULL limits.
class LimitResults : public ResultWindowTest {
protected:
    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 0.8, 20, true, false},
                      {"Lead", "7439-92-1", 0.01, 9995, false, true},
                      {"Mercury", "7439-97-6", 0.002, 3, true, true},
                      {"Xylenes", "1330-20-7", 0.1, 5}});
        storeResults(m_db, 1, "71-43-2", {{"LMTPTHTO", "Fish Ingestion"}, {"LMTTOTAL", 9995.0}});
        storeResults(m_db, 1, "7440-38-2", {{"LMTPTHTO", "Soil Ingestion"}, {"LMTTOTAL", 12000.0}});
        storeResults(m_db, 1, "7439-92-1", {{"LMTPTHTO", "Not Applicable"}, {"LMTTOTAL", QVariant()}});
        storeResults(m_db, 1, "7439-97-6", {{"LMTPTHTO", "Air Volatile Inhalation"}, {"LMTTOTAL", 0.0}});
        storeGwDelisting(m_db, 1, "71-43-2", {{"GWDL", 0.12345}, {"GWLimitingPathway", "GW Ingestion"}});
        storeGwDelisting(m_db, 1, "7440-38-2", {{"GWDL", 0.0}, {"GWLimitingPathway", "MCL"}});
        storeGwDelisting(m_db, 1, "7439-92-1", {{"GWDL", 0.015}, {"GWLimitingPathway", "GW Dermal-Child"}});
        storeGwDelisting(m_db, 1, "1330-20-7", {{"GWDL", QVariant()}, {"GWLimitingPathway", "GW Inhalation"}});
        openAnalysis(m_db, 1);
    }

    // An impoundment holding two of the landfill's chemicals, with delisting rows of its own
    // for one of them only.
    void seedImpoundment()
    {
        seedAnalysis(m_db, 2, "Impoundment Site", "SI",
                     {{"Benzene", "71-43-2", 0.5, 250}, {"Arsenic", "7440-38-2", 0.8, 20, false, true}});
        storeResults(m_db, 2, "71-43-2", {{"LMTPTHTO", "Air Volatile Inhalation"}, {"LMTTOTAL", 35.5}});
        storeResults(m_db, 2, "7440-38-2", {{"LMTPTHTO", "Not Applicable"}});
        storeGwDelisting(m_db, 2, "71-43-2", {{"GWDL", 0.25}, {"GWLimitingPathway", "GW Inhalation"}});
    }
};

}   // namespace

TEST_F(LimitResults, ShowsBothLimitsAndTheirPathwaysPerConstituent)
{
    seedLandfill();
    frmLimitResults* window = Forms::get<frmLimitResults>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Limiting Pathways");
    EXPECT_EQ(window->grid()->objectName(), "grdLimitResults");
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", "1.23E-01", "GW Ingestion", "1.00E+04", "Fish Ingestion"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "7440-38-2", "---", "MCL", "1.20E+04", "Soil Ingestion"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Lead", "7439-92-1", "1.50E-02", "GW Dermal-Child", "---", "Not Applicable"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Mercury", "7439-97-6", "", "", "---", "Air Volatile Inhalation"}));
    EXPECT_EQ(shownRow(grid, 4), QStringList({"Xylenes", "1330-20-7", "", "GW Inhalation", "", ""}));
}

TEST_F(LimitResults, NonDetectsAreStyledCellByCellAndNothingIsHighlightedForOnePercent)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmLimitResults>());
    // Detected, and 9995 shown as 1.00E+04: no highlighting in this window.
    EXPECT_EQ(styleRow(grid, 0), QStringList(6, ""));
    // A TCLP non-detect marks the groundwater half only; its zero limit is "---" in ZeroValue.
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, D, Z, D, "", ""}));
    // A total non-detect without a surface limit: the load's "---" keeps the default style.
    EXPECT_EQ(styleRow(grid, 2), QStringList({D, D, D, D, "", ""}));
    // Both flags; no delisting row gives empty cells; a total limit of 0 is "---" in ZeroValue.
    EXPECT_EQ(styleRow(grid, 3), QStringList({D, D, D, D, Z, D}));
    EXPECT_EQ(styleRow(grid, 4), QStringList(6, ""));
    EXPECT_EQ(cellLook(grid, 2, 3), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 2, 5), "#000000");
    EXPECT_EQ(cellLook(grid, 1, 4), "#000000");
    EXPECT_TRUE(grid.index(3, 5).data(NonDetectRole).toBool());
    EXPECT_FALSE(grid.index(2, 5).data(NonDetectRole).toBool());
    ASSERT_NE(grid.style("Grtr1PctDL"), nullptr);
    saveScreenshot(Forms::get<frmLimitResults>(), "frmLimitResults_landfill");
}

TEST_F(LimitResults, LayoutCaptionsAndWidening)
{
    seedLandfill();
    frmLimitResults* window = Forms::get<frmLimitResults>();
    const GridModel& grid = gridOf(window);
    const QStringList captions = {"Chemical Name",
                                  "CAS Number",
                                  "Maximum Allowable TCLP Concentration (mg/L)",
                                  "Maximum Allowable TCLP Pathway",
                                  "Maximum Allowable Total Concentration (mg/Kg)",
                                  "Maximum Allowable Total Pathway"};
    const int widths[] = {4286 + 300, 2037 + 300, 2514, 4022, 2487, 4128};
    ASSERT_EQ(grid.columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid.columns()[c].caption, captions[c]);
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    }
    ASSERT_EQ(grid.groups().size(), 2);
    EXPECT_EQ(grid.groups()[0].caption, "");
    EXPECT_EQ(grid.groupWidthTwips(0), 6323 + 600);
    EXPECT_EQ(grid.groups()[1].caption,
              "Detection Limit Analysis - Toxicity of Petitioned Waste cannot be confirmed if Detection Limits fall "
              "below maximum allowable concentration");
    EXPECT_EQ(grid.groups()[1].firstColumn, 2);
    EXPECT_EQ(grid.groups()[1].columnCount, 4);
    EXPECT_NEAR(window->widthTwips(), 9255, 15);
    EXPECT_NEAR(window->heightTwips(), 6780, 15);
}

TEST_F(LimitResults, AnImpoundmentShowsItsOwnDelistingRowsOnly)
{
    seedLandfill();
    seedImpoundment();
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmLimitResults>());
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", "2.50E-01", "GW Inhalation", "3.55E+01", "Air Volatile Inhalation"}));
    // The landfill's arsenic row of the delisting table is not this analysis's.
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "7440-38-2", "", "", "---", "Not Applicable"}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, D, D, D, "", ""}));
    saveScreenshot(Forms::get<frmLimitResults>(), "frmLimitResults_impoundment");
}

TEST_F(LimitResults, WithoutRowsTheTableIsEmptyAndStillWidened)
{
    seedAnalysis(m_db, 3, "Empty", "LF", {});
    for (const qint32 key : {3, 0}) {
        SCOPED_TRACE(key);
        m_db.state.gCurSiteKey = key;
        const GridModel& grid = gridOf(Forms::get<frmLimitResults>());
        EXPECT_EQ(grid.rowCount(), 0);
        EXPECT_EQ(grid.columnWidthTwips(0), 4586);
        EXPECT_EQ(grid.columnWidthTwips(1), 2337);
        Forms::unload<frmLimitResults>();
    }
}

TEST_F(LimitResults, AFailedLoadKeepsTheRowsReadSoFarWithoutWidening)
{
    seedLandfill();
    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET LMTTOTAL = 'abc' WHERE CHEMCAS = '7439-92-1'").ok());
    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET LMTPTHTO = 'Soil Ingestion' WHERE CHEMCAS = '7439-92-1'").ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmLimitResults>());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnWidthTwips(0), 4286);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown()[0].text.contains("LMTTOTAL"));
}

TEST_F(LimitResults, ATotalNonDetectWithoutATotalPathwayLeavesTheTotalColumnsUnmarked)
{
    seedLandfill();
    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET DLTOTAL = 1 WHERE CHEMCAS = '1330-20-7'").ok());
    const GridModel& grid = gridOf(Forms::get<frmLimitResults>());
    EXPECT_EQ(styleRow(grid, 4), QStringList({D, D, D, D, "", ""}));
    EXPECT_FALSE(grid.index(4, 5).data(NonDetectRole).toBool());
}

TEST_F(LimitResults, PrintsAndExportsTheTableAsShown)
{
    seedLandfill();
    const QString pdf = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots/limit_results.pdf");
    const QStringList pages = printToPdf(Forms::get<frmLimitResults>(), pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text : {"Limiting Pathways", "Results for Analysis: Landfill Site", "Benzene", "Xylenes",
                             "Not Applicable", "GW Dermal-Child", "CAS Number", "1.23E-01"})
        EXPECT_TRUE(printed.contains(text)) << text;
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(Forms::get<frmLimitResults>(), "limit_results");
}
