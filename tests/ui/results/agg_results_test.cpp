#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmAggResults.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString D = "DetLim";
const QString Z = "ZeroValue";
const QString T = "TotAgg";

const QStringList kHazardFields = {"GWINGh",   "GWINHh",   "GWADULTh", "GWCHILDh", "SWINGh",
                                   "FISHINGh", "AIRINHPh", "AIRINHVh", "SOILINGh"};
const QStringList kRiskFields = {"GWINGr",   "GWINHr",   "GWADULTr", "GWCHILDr", "SWINGr",
                                 "FISHINGr", "AIRINHPr", "AIRINHVr", "SOILINGr"};

class AggResults : public ResultWindowTest {
protected:
    // The nine hazard quotients and the nine risks of a constituent, in the order of the lists above.
    void store(qint32 key, const QString& cas, const QVariantList& hq, const QVariantList& risk)
    {
        QVariantMap fields;
        for (int i = 0; i < 9; ++i) {
            fields.insert(kHazardFields[i], hq[i]);
            fields.insert(kRiskFields[i], risk[i]);
        }
        storeResults(m_db, key, cas, fields);
    }

    // Benzene, detected, takes the adult dermal risk and the child dermal hazard quotient;
    // arsenic is a TCLP non-detect, lead a total non-detect, mercury both; xylenes detected.
    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 0.8, 20, true, false},
                      {"Lead", "7439-92-1", 0.01, 9995, false, true},
                      {"Mercury", "7439-97-6", 0.002, 3, true, true},
                      {"Xylenes", "1330-20-7", 0.1, 5}});
        store(1, "71-43-2", {0.1, 0.05, 0.02, 0.03, 0.01, 0.002, 0.0, 0.5, 0.004},
              {1e-6, 2e-7, 5e-6, 2e-6, 2e-6, 1e-7, 0.0, 4e-6, 3e-8});
        store(1, "7440-38-2", {0.2, 0.0, 0.01, 0.01, 0.25, 0.0, 0.0, 0.0, 0.0},
              {3e-6, 0.0, 2e-6, 5e-6, 0.0, 0.0, 0.0, 0.0, 0.0});
        store(1, "7439-92-1", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.4},
              {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1e-7});
        store(1, "7439-97-6", {0.05, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, QVariantList(9, 0.0));
        store(1, "1330-20-7", {0.001, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
              {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1e-6, 0.0});
        openAnalysis(m_db, 1);
    }
};

}   // namespace

TEST_F(AggResults, SumsEveryConstituentsPathwaysAndTotalsWithAndWithoutNonDetects)
{
    seedLandfill();
    frmAggResults* window = Forms::get<frmAggResults>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Aggregate Risk and Hazard Quotient Results");
    EXPECT_EQ(window->grid()->objectName(), "grdAggResults");
    ASSERT_EQ(grid.rowCount(), 7);
    // 0.1 + 0.05 + child 0.03; 0.01 + 0.002 + 0.5 + 0.004; 1e-6 + 2e-7 + adult 5e-6; 2e-6 + 1e-7 + 4e-6 + 3e-8.
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "71-43-2", "1.80E-01", "5.16E-01", "6.96E-01", "6.20E-06",
                                              "6.13E-06", "1.23E-05"}));
    EXPECT_EQ(shownRow(grid, 1),
              QStringList({"Arsenic", "7440-38-2", "2.10E-01", "2.50E-01", "4.60E-01", "8.00E-06", "---", "8.00E-06"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Lead", "7439-92-1", "---", "4.00E-01", "4.00E-01", "---", "1.00E-07", "1.00E-07"}));
    EXPECT_EQ(shownRow(grid, 3),
              QStringList({"Mercury", "7439-97-6", "5.00E-02", "---", "5.00E-02", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 4),
              QStringList({"Xylenes", "1330-20-7", "1.00E-03", "---", "1.00E-03", "---", "1.00E-06", "1.00E-06"}));
    // Benzene, lead and xylenes; lead's total non-detect plays no part.
    EXPECT_EQ(shownRow(grid, 5), QStringList({"All Waste Constituents Excluding Non-detect Risk", "---", "1.81E-01",
                                              "9.16E-01", "1.10E+00", "6.20E-06", "7.23E-06", "1.34E-05"}));
    EXPECT_EQ(shownRow(grid, 6), QStringList({"All Waste Constituents Including Non-detect Risk", "---", "4.41E-01",
                                              "1.17E+00", "1.61E+00", "1.42E-05", "7.23E-06", "2.14E-05"}));
}

TEST_F(AggResults, NonDetectsMarkTheirHalfOfTheRowAndTotalsAreBold)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmAggResults>());
    EXPECT_EQ(styleRow(grid, 0), QStringList(8, ""));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, D, D, "", D, D, Z, D}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({D, D, Z, D, D, Z, D, D}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({D, D, D, Z, D, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 4), QStringList({"", "", "", Z, "", Z, "", ""}));
    EXPECT_EQ(styleRow(grid, 5), QStringList({"", "", T, T, T, T, T, T}));
    EXPECT_EQ(styleRow(grid, 6), QStringList({"", "", T, T, T, T, T, T}));
    EXPECT_EQ(cellLook(grid, 5, 2), "#000000 b");
    EXPECT_EQ(grid.cellFont(5, 2).pointSizeF(), 9.0);
    EXPECT_EQ(cellLook(grid, 1, 0), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 1, 6), "#000000");
    EXPECT_EQ(grid.style("Grtr1Pct"), nullptr);
    EXPECT_EQ(grid.style("Grtr1PctDL"), nullptr);
    saveScreenshot(Forms::get<frmAggResults>(), "frmAggResults_landfill");
}

TEST_F(AggResults, NullResultsEmptyTheirSumsFromThenOnInAnImpoundment)
{
    // A surface impoundment: only volatile inhalation among the surface pathways; benzene's child
    // dermal hazard quotient has no value.
    seedAnalysis(m_db, 2, "Impoundment Site", "SI",
                 {{"Benzene", "71-43-2", 0.5, 250}, {"Toluene", "108-88-3", 0.2, 10, true, false}});
    store(2, "71-43-2", {0.3, 0.1, 0.05, QVariant(), 0.0, 0.0, 0.0, 0.02, 0.0},
          {2e-6, 0.0, 1e-6, 1e-6, 0.0, 0.0, 0.0, 5e-7, 0.0});
    store(2, "108-88-3", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.01, 0.0}, QVariantList(9, 0.0));
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmAggResults>());
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", "", "2.00E-02", "", "3.00E-06", "5.00E-07", "3.50E-06"}));
    EXPECT_EQ(shownRow(grid, 1),
              QStringList({"Toluene", "108-88-3", "---", "1.00E-02", "1.00E-02", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 2).mid(2), QStringList({"", "2.00E-02", "", "3.00E-06", "5.00E-07", "3.50E-06"}));
    EXPECT_EQ(shownRow(grid, 3).mid(2), QStringList({"", "3.00E-02", "", "3.00E-06", "5.00E-07", "3.50E-06"}));
    ASSERT_GT(grid.columnCount(), 2);
    EXPECT_EQ(styleRow(grid, 3)[2], T);
    saveScreenshot(Forms::get<frmAggResults>(), "frmAggResults_impoundment");
}

TEST_F(AggResults, TotalsWithoutAnyConstituentAndZeroTotalsShowDashesInZeroValue)
{
    seedAnalysis(m_db, 3, "All Non-detects", "LF", {{"Mercury", "7439-97-6", 0.002, 3, true, false}});
    store(3, "7439-97-6", {0.05, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, QVariantList(9, 0.0));
    seedAnalysis(m_db, 4, "Empty", "LF", {});
    openAnalysis(m_db, 3);
    const GridModel& grid = gridOf(Forms::get<frmAggResults>());
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(shownRow(grid, 1).mid(1), QStringList(7, "---"));
    EXPECT_EQ(styleRow(grid, 1), QStringList({"", "", Z, Z, Z, Z, Z, Z}));
    EXPECT_EQ(shownRow(grid, 2).mid(1), QStringList({"---", "5.00E-02", "---", "5.00E-02", "---", "---", "---"}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({"", "", T, Z, T, Z, Z, Z}));
    Forms::unload<frmAggResults>();

    openAnalysis(m_db, 4);
    const GridModel& empty = gridOf(Forms::get<frmAggResults>());
    ASSERT_EQ(empty.rowCount(), 2);
    EXPECT_EQ(empty.displayText(0, 0), "All Waste Constituents Excluding Non-detect Risk");
    EXPECT_EQ(empty.displayText(1, 0), "All Waste Constituents Including Non-detect Risk");
    EXPECT_EQ(shownRow(empty, 1).mid(1), QStringList(7, "---"));
}

TEST_F(AggResults, LayoutCaptionsAndNarrowing)
{
    seedLandfill();
    frmAggResults* window = Forms::get<frmAggResults>();
    const GridModel& grid = gridOf(window);
    const QStringList captions = {"Chemical Name",
                                  "CAS Number",
                                  "Aggregate HI- Groundwater Pathways",
                                  "Aggregate HI- Surface Pathways",
                                  "Total Aggregate Hazard Index",
                                  "Aggregate Risk- Groundwater Pathways",
                                  "Aggregate Risk- Surface Pathways",
                                  "Total Aggregate Risk"};
    const int widths[] = {5133, 2381 - 350, 2752 - 100, 2672 - 100, 2937 - 550, 2593 - 100, 2566 - 100, 2672 - 500};
    ASSERT_EQ(grid.columnCount(), 8);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid.columns()[c].caption, captions[c]);
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    }
    ASSERT_EQ(grid.groups().size(), 3);
    EXPECT_EQ(grid.groups()[1].caption, "Petitioned Waste Aggregate Non-carcinogenic Hazard");
    EXPECT_EQ(grid.groups()[2].caption, "Petitioned Waste Aggregate Carcinogenic Risk");
    EXPECT_EQ(grid.groupWidthTwips(0), 7514 - 350);
    EXPECT_EQ(grid.groupWidthTwips(1), 8361 - 750);
    EXPECT_EQ(grid.groupWidthTwips(2), 7831 - 700);
    EXPECT_NEAR(window->widthTwips(), 9255, 15);
    EXPECT_NEAR(window->heightTwips(), 6780, 15);
}

TEST_F(AggResults, AFailedLoadKeepsTheRowsReadSoFarWithoutTotals)
{
    seedLandfill();
    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET FISHINGr = 'abc' WHERE CHEMCAS = '7439-92-1'").ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmAggResults>());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.displayText(1, 0), "Arsenic");
    EXPECT_EQ(grid.columnWidthTwips(1), 2381);
}

TEST_F(AggResults, PrintsAndExportsTheTableAsShown)
{
    seedLandfill();
    const QString pdf = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots/agg_results.pdf");
    const QStringList pages = printToPdf(Forms::get<frmAggResults>(), pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text : {"Aggregate Risk and Hazard Quotient Results", "Results for Analysis: Landfill Site",
                             "Benzene", "Mercury", "All Waste Constituents Including Non-detect Risk", "2.14E-05"})
        EXPECT_TRUE(printed.contains(text)) << text;
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(Forms::get<frmAggResults>(), "agg_results");
}
