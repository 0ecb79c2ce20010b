#include "delisting_fixture.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "ui/common/table_window.h"
#include "ui/delisting/delisting_windows.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirExposureDelisting.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmGroundwaterDelistingLevel.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"
#include "ui/delisting/frmSurfacewaterPathwayDelisting.h"
#include "ui/grid_readback.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiSubWindow>

namespace {

using DelistingOutput = DelistingWindowTest;

// Where the grid stands in its window's client area, in twips.
QRect gridTwips(DelistingResultWindow* window)
{
    const QRect px = window->grid()->geometry();
    return {int(pxToTwips(px.x())), int(pxToTwips(px.y())), int(pxToTwips(px.width())), int(pxToTwips(px.height()))};
}

void saveShot(FormWindow* window, const QString& name)
{
    const QImage shot = window->frame()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(outputFolder()).filePath(name + ".png")));
}

}   // namespace

TEST_F(DelistingOutput, ARunShowsTheSevenWindowsCascadedBy300TwipsWithTheCarcinogenGroundwaterWindowOnTop)
{
    m_area.show();
    showDelistingResultWindows();
    const QStringList& order = delistingResultWindowNames();
    ASSERT_EQ(order, QStringList({"frmSoilPathwayDelisting", "frmAirNonCarc", "frmAirCarc", "frmSurfaceWaterNonCarc",
                                  "frmSurfaceCarc", "frmGWNonCarc", "frmGWCarc"}));
    const QList<QMdiSubWindow*> stacking = m_area.subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(stacking.size(), 7);
    for (int i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(qPrintable(order[i]));
        FormWindow* window = Forms::find(order[i]);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->frame()->isVisible());
        EXPECT_NEAR(window->leftTwips(), 300 * i, 15);
        EXPECT_NEAR(window->topTwips(), 300 * i, 15);
        EXPECT_EQ(stacking[i], window->frame());
        saveShot(window, "delisting_" + order[i]);
    }
    EXPECT_EQ(m_area.activeSubWindow(), Forms::find("frmGWCarc")->frame());
    for (const char* name :
         {"frmGroundwaterDelistingLevel", "frmSurfacewaterPathwayDelisting", "frmAirExposureDelisting"})
        EXPECT_FALSE(Forms::isLoaded(name)) << name;

    unloadDelistingResultWindows();
    for (const QString& name : order)
        EXPECT_FALSE(Forms::isLoaded(name)) << qPrintable(name);
}

TEST_F(DelistingOutput, ALoadedWindowKeepsItsRowsUntilItIsUnloadedAndShownAgain)
{
    showDelistingResultWindows();
    storeDelistingRecord(m_db, 1, {"Vinyl chloride", "75-01-4", kCarcinogen, 1, {}});
    EXPECT_EQ(gridOf(Forms::get<frmGWCarc>()).rowCount(), 3);
    // A closed analysis leaves the windows as they are, with their rows.
    m_db.state.gCurSiteKey = 0;
    EXPECT_EQ(gridOf(Forms::get<frmGWCarc>()).rowCount(), 3);
    m_db.state.gCurSiteKey = 1;
    unloadDelistingResultWindows();
    showDelistingResultWindows();
    ASSERT_FALSE(names(gridOf(Forms::get<frmGWCarc>())).isEmpty());
    EXPECT_EQ(names(gridOf(Forms::get<frmGWCarc>())).last(), "Vinyl chloride");
    EXPECT_EQ(gridOf(Forms::get<frmSoilPathwayDelisting>()).rowCount(), 8);
}

TEST_F(DelistingOutput, WindowsOpenWithTheirClientSizeAndPlaceTheirGrids)
{
    m_area.resize(2200, 1400);
    m_area.show();
    struct Expected {
        DelistingResultWindow* window;
        int clientWidth, clientHeight;
        QRect grid;
    };
    const Expected expected[] = {
        {Forms::get<frmGWCarc>(), 14190, 5385, {10, 100, 14170, 5285}},
        {Forms::get<frmGWNonCarc>(), 7470, 3540, {10, 100, 7450, 3440}},
        {Forms::get<frmAirCarc>(), 14205, 2130, {10, 100, 14185, 2030}},
        {Forms::get<frmSurfaceWaterNonCarc>(), 9120, 2295, {10, 100, 9100, 2195}},
        {Forms::get<frmSoilPathwayDelisting>(), 10980, 3300, {242, 242, 10496, 3058}},
        {Forms::get<frmGroundwaterDelistingLevel>(), 9900, 8490, {10, 100, 9880, 8390}},
        {Forms::get<frmSurfacewaterPathwayDelisting>(), 14310, 3120, {0, 121, 14310, 2999}},
        {Forms::get<frmAirExposureDelisting>(), 13515, 8475, {0, 0, 13515, 8475}},
    };
    // A pixel is 15 twips, and each offset and size is rounded to whole pixels.
    const int tolerance = 2 * 15;
    for (const Expected& e : expected) {
        SCOPED_TRACE(qPrintable(e.window->objectName()));
        e.window->showForm();
        EXPECT_NEAR(pxToTwips(e.window->width()), e.clientWidth, 15);
        EXPECT_NEAR(pxToTwips(e.window->height()), e.clientHeight, 15);
        const QRect grid = gridTwips(e.window);
        EXPECT_NEAR(grid.x(), e.grid.x(), tolerance);
        EXPECT_NEAR(grid.y(), e.grid.y(), tolerance);
        EXPECT_NEAR(grid.width(), e.grid.width(), tolerance);
        EXPECT_NEAR(grid.height(), e.grid.height(), tolerance);
        // The grid follows the window's size with the same margins.
        e.window->frame()->resize(e.window->frame()->size() + QSize(60, 40));
        const QRect grown = gridTwips(e.window);
        EXPECT_NEAR(grown.width() - grid.width(), 900, 15);
        EXPECT_NEAR(grown.height() - grid.height(), 600, 15);
    }
    // The three windows that no command opens, and every table at its whole width, for looking at.
    for (const char* name :
         {"frmGroundwaterDelistingLevel", "frmSurfacewaterPathwayDelisting", "frmAirExposureDelisting"}) {
        FormWindow* window = Forms::find(name);
        window->moveTwips(0, 0);
        window->frame()->raise();
        saveShot(window, QStringLiteral("delisting_") + name);
    }
    for (const Expected& e : expected) {
        e.window->moveTwips(0, 0);
        e.window->resizeTwips(32000, 4000);
        e.window->frame()->raise();
        saveShot(e.window, "delisting_" + e.window->objectName() + "_wide");
    }
}

TEST_F(DelistingOutput, PrintsEachTableUnderItsCaptionWithTheAnalysisNameAndTheDialogsOnce)
{
    const QString pdf = QDir(outputFolder()).filePath("delisting_print.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    {
        PrintCommand command;
        // As the print window does: the second and third are loaded by the call, not shown.
        Forms::get<frmGWCarc>()->PrintTable(true);
        Forms::get<frmGWNonCarc>()->PrintTable(false);
        Forms::get<frmSoilPathwayDelisting>()->PrintTable(false);
    }
    EXPECT_EQ(dialogs.dialogsShown(), 2);
    EXPECT_FALSE(Forms::find("frmGWNonCarc")->frame()->isVisible());
    const QString text = pdfPageTexts(pdf).join('\n');
    int at = 0;
    for (const char* header : {"Groundwater Exposure Pathways Delisting Analysis - Carcinogenic Chemicals",
                               "Groundwater Exposure Pathways Delisting Analysis - Noncarcinogenic Chemicals",
                               "Soil exposure Pathway Delisting Level"}) {
        const int found = text.indexOf(header, at);
        EXPECT_GE(found, at) << header;
        at = std::max(at, found);
    }
    EXPECT_GE(text.count("Results for Analysis: Delist Site"), 3);
    for (const char* name : {"Arsenic", "Benzene", "Dieldrin", "Barium", "Toluene", "xylenes", "Mystery Waste"})
        EXPECT_TRUE(text.contains(name)) << name;
    EXPECT_FALSE(text.contains("Nitrate"));
    EXPECT_TRUE(pdfTextInsidePages(pdf));
}

TEST_F(DelistingOutput, ExportsTheTableAsShownAsHtmlAndText)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOVI_SOURCE_DIR "/data/template3.html"), htmlTemplatePath()));
    const QString out = QDir(m_db.folder()).filePath("air_carc");
    ScriptedFileDialogs dialogs;
    dialogs.answer(out, 1).answer(out, 2).answer(QString(), 1);
    // As the main window's Export to Table does, on the active child window.
    ExportableTable* window = Forms::get<frmAirCarc>();
    for (int i = 0; i < 3; ++i)
        window->ExportToTable();
    ASSERT_EQ(dialogs.requests().size(), 3u);
    const QString expected = QStringLiteral(TOVI_SOURCE_DIR "/tests/ui/delisting/expected/");
    EXPECT_EQ(fileBytes(out + ".html"), fileBytes(expected + "air_carc.html"));
    EXPECT_EQ(fileBytes(out + ".txt"), fileBytes(expected + "air_carc.txt"));
    // The superscript three of the caption is one Windows-1252 byte.
    EXPECT_TRUE(fileBytes(out + ".txt").contains("(mg/m\xb3)"));
    EXPECT_EQ(QDir(m_db.folder()).entryList({"air_carc*"}, QDir::Files).size(), 2);
}

TEST_F(DelistingOutput, AFailedLoadKeepsTheRowsReadSoFarAndIsReportedOnce)
{
    Result<int> damaged = m_db.conn().exec("UPDATE DelistCOCS SET AIRQpsr = 'abc' WHERE CHEMNAME = 'Benzene'");
    ASSERT_TRUE(damaged.ok());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    const GridModel& grid = gridOf(Forms::get<frmAirCarc>());
    EXPECT_EQ(names(grid), QStringList({"Arsenic"}));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
    EXPECT_TRUE(messages.shown()[0].text.contains("AIRQpsr"));
    // A window that does not read the damaged field loads in full.
    EXPECT_EQ(gridOf(Forms::get<frmGWCarc>()).rowCount(), 3);
}

TEST_F(DelistingOutput, AMissingDatabaseIsReportedAndLeavesTheGridEmpty)
{
    m_db.state.programFolder = QDir(m_db.folder()).filePath("elsewhere");
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    EXPECT_EQ(gridOf(Forms::get<frmSoilPathwayDelisting>()).rowCount(), 0);
}

TEST_F(DelistingOutput, TheWindowsReadThroughTheirOwnConnectionAndWriteNothing)
{
    const QByteArray before = m_db.checksum();
    m_db.state.gConn.reset();
    showDelistingResultWindows();
    EXPECT_EQ(gridOf(Forms::get<frmSoilPathwayDelisting>()).rowCount(), 7);
    EXPECT_EQ(gridOf(Forms::get<frmAirExposureDelisting>()).rowCount(), 7);
    unloadDelistingResultWindows();
    Forms::unload<frmAirExposureDelisting>();
    Result<std::unique_ptr<Connection>> conn = Connection::open(m_db.path());
    ASSERT_TRUE(conn.ok());
    m_db.state.gConn = std::move(*conn);
    EXPECT_EQ(m_db.checksum(), before);
}
