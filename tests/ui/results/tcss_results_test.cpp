#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmTCSSResults.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"
#include "window_shot.h"

#include <QDir>
#include <QFile>

namespace {

const QString D = "DetLim", Z = "ZeroValue";

struct Limits {
    QString cas;
    QVariant tc, soilSat, ecoChron, ambient;
};

// A landfill whose constituents, in stored order, exceed: only the ecological value (copper);
// the soil saturation limit with a TCLP concentration equal to TC (benzene); TC with a
// non-detect of 12000 mg/L (lead); the soil saturation limit with a non-detect of 9995 mg/kg
// and no TC (toluene); TC at 9999 mg/L and the ecological value (chromium); nothing (mercury);
// nothing but an ambient concentration over an ECOCHRON of 0 (nickel, silver); the soil
// saturation limit at 9994 mg/kg and the ecological value (xylenes); a negative TC (selenium).
class TcssResults : public ResultWindowTest {
protected:
    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Copper", "7440-50-8", 1, 10},
                      {"Benzene", "71-43-2", 0.5, 250},
                      {"Lead", "7439-92-1", 12000, 5, true, false},
                      {"Toluene", "108-88-3", 0.2, 9995, false, true},
                      {"Chromium", "7440-47-3", 9999, 1},
                      {"Mercury", "7439-97-6", 0.1, 5},
                      {"Nickel", "7440-02-0", 1, 1},
                      {"xylenes", "1330-20-7", 0.1, 9994, true, false},
                      {"Selenium", "7782-49-2", 1, 100},
                      {"Silver", "7440-22-4", 1, 1}});
        store(1, {{"7440-50-8", 0.0, 0.0, 0.009, 0.02},
                  {"71-43-2", 0.5, 100.0, 0.1, 0.05},
                  {"7439-92-1", 5.0, QVariant(), QVariant(), 3.0},
                  {"108-88-3", QVariant(), 500.0, 0.0, 4.0},
                  {"7440-47-3", 5.0, 0.0, 0.01, 0.5},
                  {"7439-97-6", 0.2, 10.0, 0.0001, QVariant()},
                  {"7440-02-0", 0.0, 0.0, 0.0, 1.0},
                  {"1330-20-7", 0.0, 200.0, 0.5, 0.6},
                  {"7782-49-2", -1.0, 10.0, 0.0, 0.0},
                  {"7440-22-4", 5.0, 0.0, 0.0, 0.3}});
        openAnalysis(m_db, 1);
    }

    void store(qint32 key, const QVector<Limits>& rows)
    {
        for (const Limits& r : rows)
            storeResults(m_db, key, r.cas,
                         {{"TC", r.tc}, {"SOILSAT", r.soilSat}, {"ECOCHRON", r.ecoChron}, {"AMBCONC", r.ambient}});
    }

    static const GridModel& gridOf(frmTCSSResults* window) { return window->grid()->grid(); }
};

}   // namespace

TEST_F(TcssResults, ListsTheExceedingConstituentsByKindOfReferenceValue)
{
    seedLandfill();
    frmTCSSResults* window = Forms::get<frmTCSSResults>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Toxicity Characteristic, Soil Saturation, and Ecological Values");
    EXPECT_EQ(window->grid()->objectName(), "grdTCSSResults");
    ASSERT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", "---", "---", "1.00E+02", "2.50E+02", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 1),
              QStringList({"Lead", "7439-92-1", "5.00E+00", "1.20E+04", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Chromium", "7440-47-3", "5.00E+00", "1.00E+04", "---", "---", "1.00E-02", "5.00E-01"}));
    EXPECT_EQ(shownRow(grid, 3),
              QStringList({"Toluene", "108-88-3", "---", "---", "5.00E+02", "1.00E+04", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 4),
              QStringList({"xylenes", "1330-20-7", "---", "---", "2.00E+02", "9.99E+03", "5.00E-01", "6.00E-01"}));
    EXPECT_EQ(shownRow(grid, 5),
              QStringList({"Copper", "7440-50-8", "---", "---", "---", "---", "9.00E-03", "2.00E-02"}));
}

TEST_F(TcssResults, NonDetectConcentrationsOnePercentAndDashesTakeTheirStyles)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmTCSSResults>());
    EXPECT_EQ(styleRow(grid, 0), QStringList({"", "", Z, Z, "", "", Z, Z}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, D, D, "Grtr1PctDL", Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({"", "", "", "Grtr1Pct", Z, Z, "", ""}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({D, D, Z, Z, D, "Grtr1PctDL", Z, Z}));
    EXPECT_EQ(styleRow(grid, 4), QStringList({"", "", Z, Z, "", "", "", ""}));
    EXPECT_EQ(styleRow(grid, 5), QStringList({"", "", Z, Z, Z, Z, "", ""}));
    EXPECT_TRUE(grid.index(1, 3).data(NonDetectRole).toBool());
    EXPECT_FALSE(grid.index(1, 0).data(NonDetectRole).toBool());
    EXPECT_EQ(cellLook(grid, 1, 0), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 1, 3), "#ff0000 b i");
    EXPECT_EQ(cellLook(grid, 2, 3), "#ff0000 b");
    EXPECT_EQ(cellLook(grid, 3, 2), "#000000");
}

TEST_F(TcssResults, AnImpoundmentWithoutAmbientConcentrationsHasNoEcologicalExceedance)
{
    seedLandfill();
    seedAnalysis(m_db, 2, "Impoundment Site", "SI",
                 {{"Benzene", "71-43-2", 1, 50}, {"Copper", "7440-50-8", 1, 10}, {"Zinc", "7440-66-6", 1, 10}});
    store(2, {{"71-43-2", 0.5, 100.0, 0.1, QVariant()},
              {"7440-50-8", 0.0, 0.0, 0.009, QVariant()},
              {"7440-66-6", 0.0, 0.0, 0.1, 0.0}});
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmTCSSResults>());
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", "5.00E-01", "1.00E+00", "---", "---", "---", "---"}));
}

TEST_F(TcssResults, WithoutExceedancesOrWithoutAnOpenAnalysisTheTableIsEmpty)
{
    seedAnalysis(m_db, 1, "Clean Site", "LF", {{"Mercury", "7439-97-6", 0.1, 5}});
    store(1, {{"7439-97-6", 0.2, 10.0, 0.0001, QVariant()}});
    openAnalysis(m_db, 1);
    for (const qint32 key : {1, 0}) {
        m_db.state.gCurSiteKey = key;
        EXPECT_EQ(gridOf(Forms::get<frmTCSSResults>()).rowCount(), 0) << key;
        Forms::unload<frmTCSSResults>();
    }
}

TEST_F(TcssResults, TheLoadAdjustsTheColumnWidths)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmTCSSResults>());
    const int widths[] = {4339, 2108, 2439, 2386, 2439, 2386, 2378, 2537};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    const QStringList groups = {" ", "Toxicity Characteristic Rule", "Soil Saturation", "Ecological Screen"};
    ASSERT_EQ(grid.groups().size(), 4);
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(grid.groups()[g].caption, groups[g]);
        EXPECT_EQ(grid.groups()[g].firstColumn, 2 * g);
    }
    EXPECT_EQ(grid.groupWidthTwips(0), 6447);
}

TEST_F(TcssResults, AFailedLoadKeepsTheRowsListedSoFarAndIsReportedOnce)
{
    seedLandfill();
    ASSERT_TRUE(m_db.conn().exec("UPDATE SITECOCS SET AMBCONC = 'abc' WHERE CHEMCAS = '7440-47-3'").ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmTCSSResults>());
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.displayText(1, 0), "Lead");
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown()[0].text.contains("AMBCONC"));
}

TEST_F(TcssResults, PrintsAndExportsTheTable)
{
    seedLandfill();
    frmTCSSResults* window = Forms::get<frmTCSSResults>();
    const QString pdf = screenshotPath("frmTCSSResults.pdf");
    const QStringList pages = printToPdf(window, pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text :
         {"Toxicity Characteristic, Soil Saturation, and Ecological Values", "Results for Analysis: Landfill Site",
          "Ecological Screen", "Benzene", "Lead", "Chromium", "Toluene", "xylenes", "Copper", "7440-50-8"})
        EXPECT_TRUE(printed.contains(text)) << text;
    EXPECT_FALSE(printed.contains("Mercury"));
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(window, "tcss_results");

    EXPECT_TRUE(saveWindowShot(window, "frmTCSSResults_rows", 21000, 4500));
}
