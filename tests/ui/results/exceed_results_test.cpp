#include "forward_fixture.h"
#include "ui/common/table_window.h"
#include "ui/grid_readback.h"
#include "ui/results/frmExceedResults.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString D = "DetLim";
const QString Z = "ZeroValue";
const QString R = "Grtr1Pct";
const QString RD = "Grtr1PctDL";

class ExceedResults : public ResultWindowTest {
protected:
    // Every allowable total concentration 0, then the given ones.
    static QVariantMap limits(const QVariantMap& given)
    {
        QVariantMap fields;
        for (const char* pathway : {"SWING", "FISHING", "AIRINHV", "AIRINHP", "SOILING"})
            for (const char* suffix : {"sr", "sh"})
                fields.insert(QString(pathway) + suffix, 0.0);
        for (auto it = given.begin(); it != given.end(); ++it)
            fields.insert(it.key(), it.value());
        return fields;
    }

    void seedLandfill()
    {
        seedAnalysis(m_db, 1, "Landfill Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 3},
                      {"Arsenic", "7440-38-2", 0.8, 10, true, false},
                      {"Lead", "7439-92-1", 0.01, 9995, true, false},
                      {"Zinc", "7440-66-6", 12000, 5},
                      {"Mercury", "7439-97-6", 0.002, 9994},
                      {"Toluene", "108-88-3", 0.0, 9995},
                      {"Tin=Sn", "7440-31-5", 20000, 1},
                      {"Phenol", "108-95-2", 0.0, 1},
                      {"Cadmium", "7440-43-9", 0.5, 10, true, false}});
        // The limit met exactly; the smaller of two risk-based levels.
        storeResults(m_db, 1, "71-43-2", limits({{"SWINGsr", 5.0}, {"FISHINGsr", 2.0}}));
        storeGwDelisting(m_db, 1, "71-43-2", {{"GWDL", 0.5}, {"GWLimitingPathway", "GW Ingestion"}});
        // Both exceeded; the hazard-based level is the smaller.
        storeResults(m_db, 1, "7440-38-2", limits({{"SOILINGsr", 4.0}, {"AIRINHPsh", 3.0}}));
        storeGwDelisting(m_db, 1, "7440-38-2", {{"GWDL", 0.2}, {"GWLimitingPathway", "GW Ingestion"}});
        // 9995 mg/kg against equal levels; the hazard-based one wins the tie.
        storeResults(m_db, 1, "7439-92-1", limits({{"SOILINGsr", 400.0}, {"SOILINGsh", 400.0}}));
        storeGwDelisting(m_db, 1, "7439-92-1", {{"GWDL", 0.015}, {"GWLimitingPathway", "GW Dermal-Child"}});
        // A delisting level of 0; no surface level at all.
        storeResults(m_db, 1, "7440-66-6", limits({}));
        storeGwDelisting(m_db, 1, "7440-66-6", {{"GWDL", 0.0}, {"GWLimitingPathway", "MCL"}});
        // No delisting row; two equal risk-based levels, the earlier pathway wins; no hazard-based levels.
        storeResults(m_db, 1, "7439-97-6",
                     {{"SWINGsr", 0.0},
                      {"FISHINGsr", QVariant()},
                      {"AIRINHVsr", 100.0},
                      {"AIRINHPsr", 0.0},
                      {"SOILINGsr", 100.0}});
        // No risk-based level (the first field without a value), one hazard-based level.
        QVariantMap toluene = limits({{"AIRINHVsh", 50.0}});
        toluene.insert("SWINGsr", QVariant());
        storeResults(m_db, 1, "108-88-3", toluene);
        storeGwDelisting(m_db, 1, "108-88-3", {{"GWDL", 1.0}, {"GWLimitingPathway", "GW Inhalation"}});
        // A name holding "=" skips the 1 % test.
        storeResults(m_db, 1, "7440-31-5", limits({}));
        storeGwDelisting(m_db, 1, "7440-31-5", {{"GWDL", 1.0}, {"GWLimitingPathway", "MCL"}});
        // Without a TCLP concentration nothing is exceeded.
        storeResults(m_db, 1, "108-95-2", limits({{"TCLPCONC", QVariant()}}));
        storeGwDelisting(m_db, 1, "108-95-2", {{"GWDL", 1.0}, {"GWLimitingPathway", "GW Ingestion"}});
        // A TCLP non-detect exceeding its delisting level; its total equals its limit.
        storeResults(m_db, 1, "7440-43-9", limits({{"SWINGsr", 10.0}}));
        storeGwDelisting(m_db, 1, "7440-43-9", {{"GWDL", 0.005}, {"GWLimitingPathway", "GW Ingestion"}});
        openAnalysis(m_db, 1);
    }

    // An impoundment: volatile inhalation is the only surface pathway with levels.
    void seedImpoundment()
    {
        seedAnalysis(m_db, 2, "Impoundment Site", "SI",
                     {{"Benzene", "71-43-2", 0.5, 100}, {"Arsenic", "7440-38-2", 0.01, 50}});
        storeResults(m_db, 2, "71-43-2", limits({{"AIRINHVsr", 20.0}, {"AIRINHVsh", 30.0}}));
        storeGwDelisting(m_db, 2, "71-43-2", {{"GWDL", 0.1}, {"GWLimitingPathway", "GW Inhalation"}});
        storeResults(m_db, 2, "7440-38-2", limits({}));
        storeGwDelisting(m_db, 2, "7440-38-2", {{"GWDL", 0.05}, {"GWLimitingPathway", "MCL"}});
    }
};

}   // namespace

TEST_F(ExceedResults, ShowsEachExceededComparisonWithItsLimitAndPathway)
{
    seedLandfill();
    frmExceedResults* window = Forms::get<frmExceedResults>();
    const GridModel& grid = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Pathways Exceeding the Delisting Limits");
    EXPECT_EQ(window->grid()->objectName(), "grdLimitResults");
    ASSERT_EQ(grid.rowCount(), 9);
    const QString none = "---";
    EXPECT_EQ(shownRow(grid, 0),
              QStringList({"Benzene", "71-43-2", none, none, none, "3.00E+00", "2.00E+00", "Fish Ingestion"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "7440-38-2", "8.00E-01", "2.00E-01", "GW Ingestion",
                                              "1.00E+01", "3.00E+00", "Air Particulate Inhalation"}));
    EXPECT_EQ(shownRow(grid, 2),
              QStringList({"Lead", "7439-92-1", none, none, none, "1.00E+04", "4.00E+02", "Soil Ingestion"}));
    EXPECT_EQ(shownRow(grid, 3), QStringList({"Zinc", "7440-66-6", "1.20E+04", none, "MCL", none, none, none}));
    EXPECT_EQ(shownRow(grid, 4), QStringList({"Mercury", "7439-97-6", "2.00E-03", none, none, "9.99E+03", "1.00E+02",
                                              "Air Volatile Inhalation"}));
    EXPECT_EQ(shownRow(grid, 5), QStringList({"Toluene", "108-88-3", none, none, none, "1.00E+04", "5.00E+01",
                                              "Air Volatile Inhalation"}));
    EXPECT_EQ(shownRow(grid, 6), QStringList({"Tin=Sn", "7440-31-5", "2.00E+04", "1.00E+00", "MCL", none, none, none}));
    EXPECT_EQ(shownRow(grid, 7), QStringList({"Phenol", "108-95-2", none, none, none, none, none, none}));
    EXPECT_EQ(shownRow(grid, 8),
              QStringList({"Cadmium", "7440-43-9", "5.00E-01", "5.00E-03", "GW Ingestion", none, none, none}));
}

TEST_F(ExceedResults, NonDetectsOnePercentAndZeroLimitsTakeTheirStyles)
{
    seedLandfill();
    const GridModel& grid = gridOf(Forms::get<frmExceedResults>());
    EXPECT_EQ(styleRow(grid, 0), QStringList(8, ""));
    // Both comparisons shown: only the name and CAS number.
    EXPECT_EQ(styleRow(grid, 1), QStringList({D, D, "", "", "", "", "", ""}));
    // Only the total comparison shown, at 9995 mg/kg, which shows as 1.00E+04.
    EXPECT_EQ(styleRow(grid, 2), QStringList({D, D, "", "", "", RD, D, D}));
    EXPECT_EQ(styleRow(grid, 3), QStringList({"", "", R, Z, "", "", "", ""}));
    // 9994 shows as 9.99E+03.
    EXPECT_EQ(styleRow(grid, 4), QStringList(8, ""));
    EXPECT_EQ(styleRow(grid, 5), QStringList({"", "", "", "", "", R, "", ""}));
    EXPECT_EQ(styleRow(grid, 6), QStringList(8, ""));
    EXPECT_EQ(styleRow(grid, 8), QStringList({D, D, D, D, D, "", "", ""}));
    EXPECT_EQ(cellLook(grid, 2, 5), "#ff0000 b i");
    EXPECT_EQ(cellLook(grid, 3, 2), "#ff0000 b");
    EXPECT_EQ(cellLook(grid, 2, 6), "#ff8000 b i");
    saveScreenshot(Forms::get<frmExceedResults>(), "frmExceedResults_landfill");
}

TEST_F(ExceedResults, AnImpoundmentIsLimitedByVolatileInhalationAndUsesItsOwnDelistingRows)
{
    seedLandfill();
    seedImpoundment();
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmExceedResults>());
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "71-43-2", "5.00E-01", "1.00E-01", "GW Inhalation", "1.00E+02",
                                              "2.00E+01", "Air Volatile Inhalation"}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"Arsenic", "7440-38-2", "---", "---", "---", "---", "---", "---"}));
    saveScreenshot(Forms::get<frmExceedResults>(), "frmExceedResults_impoundment");
}

TEST_F(ExceedResults, BeforeAnyRunEveryTclpConcentrationLacksItsLimit)
{
    seedAnalysis(m_db, 3, "Not Run", "LF", {{"Benzene", "71-43-2", 0.5, 3}});
    openAnalysis(m_db, 3);
    const GridModel& grid = gridOf(Forms::get<frmExceedResults>());
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "71-43-2", "5.00E-01", "---", "---", "---", "---", "---"}));
}

TEST_F(ExceedResults, RowsWhoseQueryMarksThemNotApplicableAreLeftOut)
{
    seedImpoundment();
    storeResults(m_db, 2, "71-43-2", {{"LMTPTHTO", "Not Applicable"}});
    storeResults(m_db, 2, "7440-38-2", {{"LMTPTHTO", "not applicable"}});
    // A database whose query fills the column.
    ASSERT_TRUE(m_db.conn().exec("DROP VIEW SITECOCSQuery").ok());
    ASSERT_TRUE(m_db.conn()
                    .exec("CREATE VIEW SITECOCSQuery AS SELECT s.*, s.rowid AS COCROWID, g.GWDL, g.GWLimitingPathway, "
                          "s.LMTPTHTO AS LMTPTHTC FROM SITECOCS s LEFT JOIN GWDelisting g "
                          "ON g.SITEKEY = s.SITEKEY AND g.ChemCas = s.CHEMCAS")
                    .ok());
    openAnalysis(m_db, 2);
    const GridModel& grid = gridOf(Forms::get<frmExceedResults>());
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.displayText(0, 0), "Arsenic");
}

TEST_F(ExceedResults, LayoutCaptionsAndNarrowing)
{
    seedLandfill();
    frmExceedResults* window = Forms::get<frmExceedResults>();
    const GridModel& grid = gridOf(window);
    const QStringList captions = {"Chemical Name",
                                  "CAS Number",
                                  "Actual TCLP Concentration (mg/L)",
                                  "Limiting TCLP Concentration (mg/L)",
                                  "Limiting TCLP Pathway",
                                  "Actual Total Concentration (mg/kg)",
                                  "Limiting Total Concentration (mg/Kg)",
                                  "Limiting Total Pathway"};
    const int widths[] = {4180, 1879, 2381, 2461, 3281 - 350, 2381, 2355, 3122 - 500};
    ASSERT_EQ(grid.columnCount(), 8);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid.columns()[c].caption, captions[c]);
        EXPECT_EQ(grid.columnWidthTwips(c), widths[c]) << c;
    }
    ASSERT_EQ(grid.groups().size(), 2);
    EXPECT_EQ(grid.groups()[0].caption, "");
    EXPECT_EQ(grid.groups()[1].caption,
              "Exceeding Pathways Analysis - Chemicals that exceed the delisting level listed by exceeding pathway");
    EXPECT_EQ(grid.groupWidthTwips(1), 15981 - 850);
    EXPECT_NEAR(window->widthTwips(), 9255, 15);
    EXPECT_NEAR(window->heightTwips(), 6780, 15);
}

TEST_F(ExceedResults, PrintsAndExportsTheTableAsShown)
{
    seedLandfill();
    const QString pdf = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots/exceed_results.pdf");
    const QStringList pages = printToPdf(Forms::get<frmExceedResults>(), pdf);
    const QString printed = pages.join(QLatin1Char('\n'));
    ASSERT_FALSE(printed.isEmpty());
    for (const char* text : {"Pathways Exceeding the Delisting Limits", "Results for Analysis: Landfill Site",
                             "Benzene", "Cadmium", "Air Particulate Inhalation", "Limiting TCLP Pathway"})
        EXPECT_TRUE(printed.contains(text)) << text;
    EXPECT_TRUE(pdfTextInsidePages(pdf));

    expectExportsMatch(Forms::get<frmExceedResults>(), "exceed_results");
}
