#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmTCLPResultsHQ.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QMap>

namespace {

// Benzene detected; arsenic a non-detect at 15000 mg/L with a DAF of 12000; zinc without results;
// toluene at 9995 mg/L, whose chemical no DAF table lists.
class GroundwaterResults : public ResultWindowTest {
protected:
    void seedFourConstituents(const QString& unitType = "LF")
    {
        seedAnalysis(m_db, 1, "Test Site", unitType,
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 15000, 20, true, false},
                      {"Zinc", "7440-66-6", 2.0, 5},
                      {"Toluene", "108-88-3", 9995, 5}});
        store("71-43-2", {0.1, 0.05, 0.02, 0.03}, {1e-6, 2e-7, 5e-8, 4e-8});
        store("7440-38-2", {0.2, 0.0, 0.01, 0.01}, {3e-6, 0.0, 0.0, 0.0});
        store("7440-66-6", {0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0});
        store("108-88-3", {0.001, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0});
        storeDaf("71-43-2", 20.0);
        storeDaf("7440-38-2", 12000.0);
        openAnalysis(m_db, 1);
    }

    // The ingestion, inhalation, adult and child dermal results of a constituent, and its
    // groundwater delisting row with a DAF scaling factor of 2.5.
    void store(const QString& cas, const QVariantList& hq, const QVariantList& risk, const QVariant& scale = 2.5)
    {
        const QStringList pathways = {"GWING", "GWINH", "GWADULT", "GWCHILD"};
        QVariantMap fields;
        for (int p = 0; p < 4; ++p) {
            fields.insert(pathways[p] + "h", hq[p]);
            fields.insert(pathways[p] + "r", risk[p]);
        }
        storeResults(m_db, 1, cas, fields);
        storeGwDelisting(m_db, 1, cas, {{"DAF_SF", scale}, {"GWDL", 1.0}});
    }

    // A one-row DAF curve; the carcinogen and impoundment columns differ when given.
    void storeDaf(const QString& cas, double lfNon, double lfCarc = 0, double siNon = 0)
    {
        m_db.insert("DAFs", {{"CAS Num", cas},
                             {"LFconc", 1.0},
                             {"DAFLF_NON", lfNon},
                             {"DAFLF_CARC", lfCarc > 0 ? lfCarc : lfNon},
                             {"SIconc", 1.0},
                             {"DAFSI_NON", siNon > 0 ? siNon : lfNon},
                             {"DAFSI_CARC", siNon > 0 ? siNon : lfNon}});
    }
};

}   // namespace

TEST_F(GroundwaterResults, HazardQuotientWindowShowsDafsResultsAggregatesAndTotals)
{
    seedFourConstituents();
    frmTCLPResultsHQ* window = Forms::get<frmTCLPResultsHQ>();
    const GridModel& grid = gridOf(window);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "5.00E-01", "2.00E+01", "5.00E+01", "1.00E-01", "5.00E-02",
                                              "2.00E-02", "3.00E-02", "1.80E-01"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "1.50E+04", "1.20E+04", "3.00E+04", "2.00E-01", "---",
                                              "1.00E-02", "1.00E-02", "2.10E-01"}));
    EXPECT_EQ(shownRow(grid, 2), QStringList({"Zinc", "2.00E+00", "---", "---", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 3),
              QStringList({"Toluene", "1.00E+04", "---", "---", "1.00E-03", "---", "---", "---", "1.00E-03"}));
    EXPECT_EQ(shownRow(grid, 4), QStringList({"All Waste Constituents", "---", "---", "---", "3.01E-01", "5.00E-02",
                                              "3.00E-02", "4.00E-02", "3.91E-01"}));
    EXPECT_EQ(window->windowTitle(), "Groundwater Pathway Hazard Quotient");
    EXPECT_EQ(window->grid()->objectName(), "grdTCLPResults");
}

TEST_F(GroundwaterResults, HazardQuotientWindowTestsTheTclpConcentrationForOnePercent)
{
    seedFourConstituents();
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsHQ>());
    const QString D = "DetLim", Z = "ZeroValue";
    EXPECT_EQ(styleRow(grid, 0), QStringList(9, ""));
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, "Grtr1PctDL", D, D, D, Z, D, D, D}));
    EXPECT_EQ(styleRow(grid, 2), QStringList({"", "", Z, Z, Z, Z, Z, Z, Z}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", "Grtr1Pct", Z, Z, "", Z, Z, Z, ""}));
    EXPECT_EQ(styleRow(grid, 4), QStringList({"", Z, Z, Z, "", "", "", "", ""}));
    EXPECT_EQ(cellLook(grid, 1, 2), "#ff8000 b i");
    EXPECT_EQ(cellLook(grid, 1, 1), "#ff0000 b i");
}

TEST_F(GroundwaterResults, RiskWindowPutsTheDafFirstAndTestsItForOnePercent)
{
    seedFourConstituents();
    frmTCLPResultsRisk* window = Forms::get<frmTCLPResultsRisk>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "2.00E+01", "5.00E+01", "5.00E-01", "1.00E-06", "2.00E-07",
                                              "5.00E-08", "4.00E-08", "1.25E-06"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "1.20E+04", "3.00E+04", "1.50E+04", "3.00E-06", "---", "---",
                                              "---", "3.00E-06"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Toluene", "---", "---", "1.00E+04", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(grid, 4), QStringList({"All Waste Constituents", "---", "---", "---", "4.00E-06", "2.00E-07",
                                              "5.00E-08", "4.00E-08", "4.25E-06"}));
    const QString D = "DetLim", Z = "ZeroValue";
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, "Grtr1PctDL", D, D, D, Z, Z, Z, D}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", Z, Z, "", Z, Z, Z, Z, Z}));
    EXPECT_EQ(window->windowTitle(), "Groundwater Pathway Risk");
    ASSERT_GT(grid.groups().size(), 1);
    EXPECT_EQ(grid.groups()[0].columnCount, 3);
    EXPECT_EQ(grid.groups()[1].caption, "Petitioned Waste Carcinogenic Risk - Groundwater Exposure Pathways");
    EXPECT_EQ(grid.columnWidthTwips(3), 2937);
}

TEST_F(GroundwaterResults, TheDafComesFromTheColumnOfTheUnitTypeAndWindowClass)
{
    for (const char* unit : {"LF", "SI"}) {
        seedAnalysis(m_db, 1, "Test Site", unit, {{"Benzene", "71-43-2", 0.5, 250}});
        store("71-43-2", {0.1, 0.0, 0.0, 0.0}, {1e-6, 0.0, 0.0, 0.0});
        storeDaf("71-43-2", 20, 40, 7);
        openAnalysis(m_db, 1);
        const bool si = QString(unit) == "SI";
        EXPECT_EQ(gridOf(Forms::get<frmTCLPResultsHQ>()).displayText(0, 2), si ? "7.00E+00" : "2.00E+01") << unit;
        EXPECT_EQ(gridOf(Forms::get<frmTCLPResultsRisk>()).displayText(0, 1), si ? "7.00E+00" : "4.00E+01") << unit;
        Forms::unload<frmTCLPResultsHQ>();
        Forms::unload<frmTCLPResultsRisk>();
        for (const char* table : {"SITEINFO", "WMUINFO", "SITECOCS", "GWDelisting", "DAFs"})
            ASSERT_TRUE(m_db.conn().exec(QString("DELETE FROM %1").arg(table)).ok());
    }
}

TEST_F(GroundwaterResults, EqualMissingAndNonPositiveDermalValuesAndAggregates)
{
    seedAnalysis(m_db, 1, "Test Site", "LF",
                 {{"Equal", "1-1-1", 1, 1},
                  {"NoChild", "2-2-2", 1, 1},
                  {"Negative", "3-3-3", 1, 1},
                  {"NoScale", "4-4-4", 1, 1}});
    store("1-1-1", {0.1, 0.1, 0.05, 0.05}, {0.0, 0.0, 0.0, 0.0});
    store("2-2-2", {0.1, 0.1, 0.3, QVariant()}, {0.0, 0.0, 0.0, 0.0});
    store("3-3-3", {-0.5, 0.1, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0});
    store("4-4-4", {0.1, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}, QVariant());
    for (const char* cas : {"1-1-1", "2-2-2", "3-3-3", "4-4-4"})
        storeDaf(cas, 10.0);
    openAnalysis(m_db, 1);
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsHQ>());

    EXPECT_EQ(grid.displayText(0, 8), "2.50E-01");   // the child value enters on a tie
    EXPECT_EQ(shownRow(grid, 1).mid(2), QStringList({"---", "---", "1.00E-01", "1.00E-01", "3.00E-01", "", ""}));
    EXPECT_EQ(shownRow(grid, 2).mid(2),
              QStringList({"---", "---", "-5.00E-01", "1.00E-01", "---", "---", "-4.00E-01"}));
    EXPECT_EQ(shownRow(grid, 3).mid(2), QStringList({"", "", "1.00E-01", "---", "---", "---", "1.00E-01"}));
    EXPECT_EQ(shownRow(grid, 4).mid(4), QStringList({"-2.00E-01", "3.00E-01", "3.50E-01", "", ""}));
}

TEST_F(GroundwaterResults, WithoutConstituentsOnlyTheTotalsRowShows)
{
    seedAnalysis(m_db, 1, "Empty", "LF", {});
    openAnalysis(m_db, 1);
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsRisk>());
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"All Waste Constituents", "---", "---", "---", "---", "---", "---", "---", "---"}));
}

TEST_F(GroundwaterResults, AnotherAnalysissDelistingRowsAreNotJoined)
{
    seedFourConstituents();
    seedAnalysis(m_db, 2, "Other Site", "LF", {{"Benzene", "71-43-2", 0.5, 250}});
    storeResults(m_db, 2, "71-43-2", {{"GWINGh", 0.1}, {"GWINHh", 0.0}, {"GWADULTh", 0.0}, {"GWCHILDh", 0.0}});
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmTCLPResultsHQ>());
    EXPECT_EQ(shownRow(grid, 0).mid(0, 4), QStringList({"Benzene", "5.00E-01", "", ""}));
}

TEST_F(GroundwaterResults, PrintsAndExportsTheTable)
{
    seedFourConstituents();
    const QString pdf = QDir(m_db.folder()).filePath("gw.pdf");
    const QStringList pages = printToPdf(Forms::get<frmTCLPResultsRisk>(), pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text : {"Groundwater Pathway Risk", "Results for Analysis: Test Site", "Benzene", "Arsenic",
                             "Zinc", "Toluene", "All Waste Constituents", "Dilution Attenuation Factor (DAF)"})
        EXPECT_TRUE(printed.contains(text)) << text;

    expectExportsMatch(Forms::get<frmTCLPResultsHQ>(), "groundwater_hq");
}
