#include "core/temp_database.h"
#include "platform/ui/geometry.h"
#include "ui/common/table_operations.h"
#include "ui/grid_readback.h"
#include "ui/input/frmPrintSiteWMU.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PrintSiteWmu : public ::testing::Test {
protected:
    PrintSiteWmu() : m_scope(m_db.state) {}
    ~PrintSiteWmu() override { Forms::unload<frmPrintSiteWMU>(); }

    void open(const QVariantMap& site, const QVariantMap& unit)
    {
        m_db.insertAnalysis(4, "Plant 7 Sludge", site, unit);
        Result<Recordset> s = Recordset::openTable(m_db.conn(), "SITEINFO", "SITEKEY = ?", {4});
        Result<Recordset> u = Recordset::openTable(m_db.conn(), "WMUINFO", "SITEKEY = ?", {4});
        ASSERT_TRUE(s.ok() && u.ok());
        m_db.state.gRsSiteInfo = std::move(*s);
        m_db.state.gRsWmuInfo = std::move(*u);
        m_db.state.gCurSiteKey = 4;
    }

    // The rows of the list as shown, each "label|value".
    QStringList shownList()
    {
        const GridModel& grid = Forms::get<frmPrintSiteWMU>()->grdSiteWMUProps->grid();
        QStringList rows;
        for (int r = 0; r < grid.rowCount(); ++r)
            rows << shownRow(grid, r).join('|');
        return rows;
    }

    TempDatabase m_db;
    ScopedProgramState m_scope;
};

const QVariantMap kSite = {{"PETID", "DP-12"},
                           {"PETNAME", "Acme: Chemicals"},
                           {"FACID1", "1 Main St"},
                           {"CITY", "Dayton"},
                           {"STATE", "OH"},
                           {"ZIPCODE", "45402"},
                           {"USERNAME", "J. Roe"},
                           {"ANALDATE", " Jan-02-2024 "},
                           {"DLSTDATE", " Feb-03-2024 "},
                           {"WSTEDESC", "Sludge"},
                           {"WSTECODE", "F006"},
                           {"COMMENTS", "not shown"}};
const QVariantMap kUnit = {{"WMUTYPE", "LF"},    {"WASTEVOL", 1500.5}, {"WVOLUNIT", 1},   {"ACTVLIFE", 20.0},
                           {"RISKFACT", 0.0001}, {"HQFACT", 10.0},     {"FLOWRATE", 55.0}};

}   // namespace

TEST_F(PrintSiteWmu, ListsTheStoredInputsAsLabelAndValueRows)
{
    open(kSite, kUnit);
    EXPECT_EQ(shownList(), QStringList({
                               "Delisting Petition Number: |",
                               "|DP-12",
                               "File Name: |",
                               "|Plant 7 Sludge",
                               "Petitioner's Name: |",
                               "|Acme: Chemicals",
                               "Address 1: |",
                               "|1 Main St",
                               "Address 2: |",
                               "|",
                               "City, State: |",
                               "|Dayton, OH",
                               "Zip Code: |",
                               "|45402",
                               "Analysis Performed by: |",
                               "|J. Roe",
                               "Date of Analysis: |",
                               "| Feb-03-2024 ",
                               "Waste Description: |",
                               "|Sludge",
                               "Waste Code: |",
                               "|F006",
                               "WMU Type: |",
                               "|Landfill",
                               "Waste Volume (ft³): |",
                               "|1500.5",
                               "Active Life (years): |",
                               "|20",
                               "Risk Factor: |",
                               "|1.00E-04",
                               "HQ Factor: |",
                               "|1.00E+01",
                           }));
    frmPrintSiteWMU* form = Forms::get<frmPrintSiteWMU>();
    EXPECT_EQ(form->windowTitle(), "Print Site and WMU Information");
    EXPECT_EQ(form->grdSiteWMUProps->grid().columnWidthTwips(0), 3500);
    EXPECT_FALSE(form->grdSiteWMUProps->grid().columnHeadersVisible());
    EXPECT_EQ(dynamic_cast<ExportableTable*>(form), nullptr);   // print only
}

TEST_F(PrintSiteWmu, CityStateUnitTypeAndVolumeUnitVariants)
{
    QVariantMap site = kSite;
    site.remove("CITY");
    QVariantMap unit = kUnit;
    unit.insert("WMUTYPE", "SI");
    unit.insert("WVOLUNIT", -1);
    open(site, unit);
    const QStringList rows = shownList();
    ASSERT_GT(rows.size(), 25);
    EXPECT_EQ(rows[11], "|OH");
    EXPECT_EQ(rows[23], "|Surface Impoundment");
    EXPECT_EQ(rows[24], "|1500.5");   // no label row before the volume
    EXPECT_EQ(rows[25], "Active Life (years): |");
}

TEST_F(PrintSiteWmu, ACityWithoutStateKeepsTheSeparator)
{
    QVariantMap site = kSite;
    site.remove("STATE");
    open(site, kUnit);
    const QStringList rows = shownList();
    ASSERT_GT(rows.size(), 11);
    EXPECT_EQ(rows[11], "|Dayton, ");
}

TEST_F(PrintSiteWmu, EveryCellWithAColonIsBoldAndUnderlined)
{
    open(kSite, kUnit);
    const GridModel& grid = Forms::get<frmPrintSiteWMU>()->grdSiteWMUProps->grid();
    EXPECT_EQ(styleRow(grid, 0), QStringList({"UnderLine", ""}));
    EXPECT_EQ(styleRow(grid, 1), QStringList({"", ""}));
    EXPECT_EQ(styleRow(grid, 5), QStringList({"", "UnderLine"}));   // "Acme: Chemicals"
    const QFont font = grid.index(0, 0).data(Qt::FontRole).value<QFont>();
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
    EXPECT_EQ(cellLook(grid, 0, 0), "#000000 b");
}

TEST_F(PrintSiteWmu, PrintsTheFixedHeaderAndNoFooter)
{
    open(kSite, kUnit);
    const QString pdf = QDir(m_db.folder()).filePath("site.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    {
        PrintCommand command;
        Forms::get<frmPrintSiteWMU>()->PrintTable(true);
    }
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& page : pages) {
        EXPECT_TRUE(page.startsWith("Site and WMU Information"));
        EXPECT_FALSE(page.contains("Results for Analysis"));
        EXPECT_FALSE(page.contains("Print Site and WMU Information"));
    }
    const QString all = pages.join('\n');
    EXPECT_TRUE(all.contains("Delisting Petition Number:"));
    EXPECT_TRUE(all.contains("Waste Volume (ft³):"));
    EXPECT_TRUE(all.contains("1.00E+01"));
}

TEST_F(PrintSiteWmu, ADoubleClickPrintsAtOnceWithoutDialogs)
{
    open(kSite, kUnit);
    const QString pdf = QDir(m_db.folder()).filePath("again.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    DataGrid* grid = Forms::get<frmPrintSiteWMU>()->grdSiteWMUProps;
    emit grid->doubleClicked(grid->grid().index(0, 0));
    EXPECT_EQ(dialogs.dialogsShown(), 0);
    EXPECT_FALSE(pdfPageTexts(pdf).isEmpty());
}

TEST_F(PrintSiteWmu, ClosedRecordSetsAreReportedAndLeaveTheListEmpty)
{
    open(kSite, kUnit);
    m_db.state.gRsWmuInfo.close();
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    EXPECT_TRUE(shownList().isEmpty());
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
}

TEST_F(PrintSiteWmu, AValueLongerThanItsCellWrapsWithinItsRow)
{
    QVariantMap site = kSite;
    site["FACID1"] = QString(255, 'W');
    open(site, kUnit);
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("site.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    Forms::get<frmPrintSiteWMU>()->PrintTable(false);
    EXPECT_TRUE(pdfPageTexts(pdf).join("").remove(QRegularExpression("\\s")).contains(QString(255, 'W')));
    EXPECT_TRUE(pdfTextInsidePages(pdf));
}
