#include "delisting_fixture.h"
#include "platform/ui/forms.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirExposureDelisting.h"
#include "ui/delisting/frmAirNonCarc.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmGroundwaterDelistingLevel.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"
#include "ui/delisting/frmSurfacewaterPathwayDelisting.h"
#include "ui/grid_readback.h"

namespace {

const QString Z = QStringLiteral("ZeroValue");
const QString kRed = QStringLiteral("#ff0000 b");
const QString kBlack = QStringLiteral("#000000");

using DelistingWindows = DelistingWindowTest;

}   // namespace

TEST_F(DelistingWindows, GroundwaterWindowsShowEachClassWithItsOwnFields)
{
    frmGWCarc* carc = Forms::get<frmGWCarc>();
    const GridModel& c = gridOf(carc);
    EXPECT_EQ(carc->windowTitle(), "Groundwater Exposure Pathways Delisting Analysis - Carcinogenic Chemicals");
    EXPECT_EQ(carc->grid()->objectName(), "SSOleDBGrid1");
    // The query compares the class as the database does, without regard to letter case.
    EXPECT_EQ(names(c), QStringList({"Arsenic", "Benzene", "Dieldrin"}));
    EXPECT_EQ(shownRow(c, 0), QStringList({"Arsenic", "1.00E+04", "2.00E+04", "1.00E-03", "", "9.00E-03", "1.70E-02",
                                           "2.10E-02", "1.30E-02", "1.10E-02", "1.90E-02", "2.30E-02", "---"}));
    EXPECT_EQ(shownRow(c, 1),
              QStringList({"Benzene", "1.25E+01", "6.00E-04", "1.00E-04", "2.00E-04", "9.00E-04", "1.70E-03",
                           "2.10E-03", "1.30E-03", "1.10E-03", "1.90E-03", "2.30E-03", "1.50E-03"}));
    ASSERT_GT(c.columns().size(), 9);
    EXPECT_EQ(c.columns()[9].caption, "Groundwater Ingestion  (mg/L)");
    ASSERT_EQ(c.groups().size(), 3);
    EXPECT_EQ(c.groups()[1].caption, "Maxinum Allowable Constituent Concentration");
    EXPECT_EQ(c.groupWidthTwips(0), 11606);
    EXPECT_EQ(c.groupWidthTwips(1), 8499);

    frmGWNonCarc* non = Forms::get<frmGWNonCarc>();
    const GridModel& n = gridOf(non);
    EXPECT_EQ(non->windowTitle(), "Groundwater Exposure Pathways Delisting Analysis - Noncarcinogenic Chemicals");
    EXPECT_EQ(names(n), QStringList({"Barium", "Toluene", "xylenes"}));
    EXPECT_EQ(shownRow(n, 0), QStringList({"Barium", "9.99E+03", "8.00E-02", "3.00E-02", "", "1.00E-01", "1.80E-01",
                                           "2.20E-01", "1.40E-01", "1.20E-01", "2.00E-01", "2.40E-01", "---"}));
    EXPECT_EQ(shownRow(n, 1),
              QStringList({"Toluene", "1.00E+04", "8.00E+00", "3.00E+00", "4.00E+00", "1.00E+01", "1.80E+01",
                           "2.20E+01", "1.40E+01", "1.20E+01", "2.00E+01", "2.40E+01", "1.60E+01"}));
    ASSERT_GT(n.columns().size(), 8);
    EXPECT_EQ(n.columns()[8].caption, "Adult Inhaltion of Volatiles (mg/L)");
    EXPECT_EQ(n.groupWidthTwips(0), 12876);
}

TEST_F(DelistingWindows, AirWindowsShowEachClassWithItsOwnFields)
{
    frmAirCarc* carc = Forms::get<frmAirCarc>();
    const GridModel& c = gridOf(carc);
    EXPECT_EQ(carc->windowTitle(), "Air Exposure Pathways Delisting Analysis - Carcinogenic Chemicals");
    EXPECT_EQ(names(c), QStringList({"Arsenic", "Benzene", "Dieldrin"}));
    EXPECT_EQ(shownRow(c, 0), QStringList({"Arsenic", "1.00E+04", "1.00E-03", "", "3.90E-02", "4.10E-02", "4.50E-02",
                                           "4.70E-02", "---"}));
    ASSERT_GT(c.columns().size(), 5);
    EXPECT_EQ(c.columns()[4].caption,
              QString::fromUtf8(" Max Allowable Respirable POE air concentration (mg/m\u00b3)"));
    EXPECT_EQ(c.columns()[5].caption, "Waste Constituenct  Particulates Max Allowable Emission Rate  (mg/L)");
    ASSERT_EQ(c.groups().size(), 3);
    EXPECT_EQ(c.groups()[2].caption, "Pathway Leachate Concentration Delisting Level");
    EXPECT_EQ(c.groups()[2].firstColumn, 6);

    frmAirNonCarc* non = Forms::get<frmAirNonCarc>();
    const GridModel& n = gridOf(non);
    EXPECT_EQ(non->windowTitle(), "Air Exposure Pathways Delisting Analysis - Noncarcinogenic Chemicals");
    EXPECT_EQ(names(n), QStringList({"Barium", "Toluene", "xylenes"}));
    EXPECT_EQ(shownRow(n, 1), QStringList({"Toluene", "1.00E+04", "3.00E+00", "4.00E+00", "4.00E+01", "4.20E+01",
                                           "4.60E+01", "4.80E+01", "5.00E+01"}));
    ASSERT_GT(n.columns().size(), 4);
    EXPECT_EQ(n.columns()[4].caption, "Max Allowable Respirable POE Air Concentraion (mg/ m3)");
}

TEST_F(DelistingWindows, SurfaceWaterWindowsShowEachClassWithItsOwnFields)
{
    frmSurfaceCarc* carc = Forms::get<frmSurfaceCarc>();
    const GridModel& c = gridOf(carc);
    EXPECT_EQ(carc->windowTitle(), "Surface Water Exposure Pathways Delisting Level Analysis - Carcinogenic Chemicals");
    EXPECT_EQ(names(c), QStringList({"Arsenic", "Benzene", "Dieldrin"}));
    EXPECT_EQ(shownRow(c, 1), QStringList({"Benzene", "1.25E+01", "1.00E-04", "2.00E-04", "2.90E-03", "3.30E-03",
                                           "3.50E-03", "3.10E-03", "3.70E-03"}));

    frmSurfaceWaterNonCarc* non = Forms::get<frmSurfaceWaterNonCarc>();
    const GridModel& n = gridOf(non);
    EXPECT_EQ(non->windowTitle(),
              "Surface Water Exposure Pathways Delisting Level Analysis - Noncarcinogenic Chemicals");
    EXPECT_EQ(names(n), QStringList({"Barium", "Toluene", "xylenes"}));
    EXPECT_EQ(shownRow(n, 0), QStringList({"Barium", "9.99E+03", "3.00E-02", "", "3.00E-01", "3.40E-01", "3.60E-01",
                                           "3.20E-01", "3.80E-01"}));
    ASSERT_GT(n.groups().size(), 2);
    ASSERT_GT(c.groups().size(), 2);
    EXPECT_EQ(n.groups()[2].caption, "Pathway leachate Concentration Delisting Level");
    EXPECT_EQ(c.groups()[2].caption, "Pathway Leachate Concentration Delisting Level");
}

TEST_F(DelistingWindows, SoilWindowLaysOutEveryChemicalWithAClassByExactClassText)
{
    storeDelistingRecord(m_db, 1, {"Zeolite", "1318-02-1", QString(""), 1, {}});
    frmSoilPathwayDelisting* window = Forms::get<frmSoilPathwayDelisting>();
    const GridModel& g = gridOf(window);
    EXPECT_EQ(window->windowTitle(), "Soil exposure Pathway Delisting Level");
    // Nitrate's class holds no value; Zinc belongs to another analysis.
    EXPECT_EQ(names(g), QStringList({"Arsenic", "Barium", "Benzene", "Dieldrin", "Mystery Waste", "Toluene", "xylenes",
                                     "Zeolite"}));
    EXPECT_EQ(shownRow(g, 7),
              QStringList({"Zeolite", "7.00E+00", "---", "3.00E+00", "---", "---", "5.20E+01", "5.60E+01"}));
    EXPECT_EQ(shownRow(g, 0),
              QStringList({"Arsenic", "1.00E+04", "1.00E-03", "---", "5.10E-02", "5.50E-02", "---", "---"}));
    EXPECT_EQ(shownRow(g, 1),
              QStringList({"Barium", "9.99E+03", "---", "3.00E-02", "---", "---", "5.20E-01", "5.60E-01"}));
    // A class other than "Carcinogen" letter for letter takes the noncarcinogen layout.
    EXPECT_EQ(shownRow(g, 3),
              QStringList({"Dieldrin", "7.00E-05", "---", "3.00E-05", "---", "---", "5.20E-04", "5.60E-04"}));
    EXPECT_EQ(shownRow(g, 4),
              QStringList({"Mystery Waste", "7.00E-06", "---", "3.00E-06", "---", "---", "5.20E-05", "5.60E-05"}));
    EXPECT_EQ(styleRow(g, 0), QStringList({"", "Grtr1Pct", "", Z, "", "", Z, Z}));
    EXPECT_EQ(styleRow(g, 1), QStringList({"", "", Z, "", Z, Z, "", ""}));
    ASSERT_GT(g.groups().size(), 2);
    EXPECT_EQ(g.groups()[2].caption, "Non Canrcinogenic");
}

TEST_F(DelistingWindows, PathwayWindowsLayOutBothClassesInOneGrid)
{
    frmGroundwaterDelistingLevel* gw = Forms::get<frmGroundwaterDelistingLevel>();
    const GridModel& g = gridOf(gw);
    EXPECT_EQ(gw->windowTitle(), "Groundwater Exposure Pathways Delisting Level - Carcinogenic Cheimcals Constituents");
    EXPECT_EQ(gw->grid()->objectName(), "grdGroundwaterDL");
    ASSERT_EQ(g.rowCount(), 7);
    // The groundwater window leaves the other class's cells of a noncarcinogen empty.
    EXPECT_EQ(shownRow(g, 0), QStringList({"Arsenic", "1.00E+04", "1.00E-03", "", "---", "---", "1.10E-02", "1.90E-02",
                                           "2.30E-02", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(g, 1), QStringList({"Barium", "9.99E+03", "", "", "3.00E-02", "", "", "", "", "", "1.20E-01",
                                           "2.00E-01", "2.40E-01", "---"}));
    EXPECT_EQ(styleRow(g, 1), QStringList({"", "", "", "", "", "", "", "", "", "", "", "", "", Z}));

    const GridModel& sw = gridOf(Forms::get<frmSurfacewaterPathwayDelisting>());
    EXPECT_EQ(names(sw), names(g));
    EXPECT_EQ(shownRow(sw, 2), QStringList({"Benzene", "1.25E+01", "1.00E-04", "2.00E-04", "---", "---", "3.10E-03",
                                            "3.70E-03", "---", "---"}));
    EXPECT_EQ(shownRow(sw, 5), QStringList({"Toluene", "1.00E+04", "---", "---", "3.00E+00", "4.00E+00", "---", "---",
                                            "3.20E+01", "3.80E+01"}));
    ASSERT_GT(sw.columns().size(), 3);
    EXPECT_EQ(sw.columns()[3].caption, "Inhaltion (mg/kg-day)");

    const GridModel& air = gridOf(Forms::get<frmAirExposureDelisting>());
    EXPECT_EQ(names(air), names(g));
    EXPECT_EQ(shownRow(air, 0), QStringList({"Arsenic", "1.00E+04", "1.00E-03", "", "---", "---", "4.50E-02",
                                             "4.70E-02", "---", "---", "---", "---"}));
    EXPECT_EQ(shownRow(air, 6), QStringList({"xylenes", "7.00E+01", "---", "---", "3.00E+01", "4.00E+01", "---", "---",
                                             "---", "4.60E+02", "4.80E+02", "5.00E+02"}));
    ASSERT_FALSE(air.groups().empty());
    EXPECT_EQ(air.groups()[0].caption, "Chemical Name");
}

TEST_F(DelistingWindows, OnlyTheDafColumnIsMarkedAtOnePercentZerosAreDashesAndNullsStayEmpty)
{
    const GridModel& carc = gridOf(Forms::get<frmGWCarc>());
    // 9995 shows as 1.00E+04; the waste-volume-adjusted DAF of 20000 is never marked.
    EXPECT_EQ(styleRow(carc, 0), QStringList({"", "Grtr1Pct", "", "", "", "", "", "", "", "", "", "", Z}));
    EXPECT_EQ(cellLook(carc, 0, 1), kRed);
    EXPECT_EQ(cellLook(carc, 0, 2), kBlack);
    EXPECT_EQ(cellLook(carc, 0, 12), kBlack);
    EXPECT_EQ(styleRow(carc, 1), QStringList(13, QString()));

    const GridModel& non = gridOf(Forms::get<frmGWNonCarc>());
    ASSERT_GT(non.columnCount(), 1);
    EXPECT_EQ(styleRow(non, 0)[1], "");   // 9994 shows as 9.99E+03
    EXPECT_EQ(styleRow(non, 1)[1], "Grtr1Pct");
    EXPECT_EQ(cellLook(non, 1, 1), kRed);

    // A name that begins with a lower-case "x" is a name, not a detection-limit marker.
    EXPECT_EQ(non.displayText(2, 0), "xylenes");
    EXPECT_EQ(cellLook(non, 2, 0), kBlack);
    EXPECT_EQ(styleRow(non, 2), QStringList(13, QString()));
}

TEST_F(DelistingWindows, WithoutRecordsOfTheOpenAnalysisTheGridsAreEmptyAndNothingIsSaid)
{
    for (const qint32 key : {0, 3}) {
        SCOPED_TRACE(key);
        m_db.state.gCurSiteKey = key;
        EXPECT_EQ(gridOf(Forms::get<frmGWCarc>()).rowCount(), 0);
        EXPECT_EQ(gridOf(Forms::get<frmSoilPathwayDelisting>()).rowCount(), 0);
        EXPECT_EQ(gridOf(Forms::get<frmAirExposureDelisting>()).rowCount(), 0);
        EXPECT_EQ(gridOf(Forms::get<frmGWCarc>()).columnCount(), 13);
        Forms::unload<frmGWCarc>();
        Forms::unload<frmSoilPathwayDelisting>();
        Forms::unload<frmAirExposureDelisting>();
    }
    m_db.state.gCurSiteKey = 2;
    EXPECT_EQ(names(gridOf(Forms::get<frmSurfaceWaterNonCarc>())), QStringList({"Zinc"}));
    EXPECT_EQ(gridOf(Forms::get<frmSurfaceCarc>()).rowCount(), 0);
}
