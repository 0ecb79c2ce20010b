#include "core/temp_database.h"
#include "ui/chemdb/chemical_grid.h"
#include "ui/common/table_window.h"
#include "ui/input/constituent_grid.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TableWindowExport : public ::testing::Test {
protected:
    TableWindowExport() : m_scope(m_db.state)
    {
        m_grid.setColumns({{"Chemical Name", 2000}, {"Value", 1000}});
        m_grid.addRow({GridCell::fromText("Benzene"), GridCell::fromNumber(1.5)});
    }

    QString target(const QString& name) const { return QDir(m_out.path()).filePath(name); }

    void installTemplate()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOVI_SOURCE_DIR "/data/template3.html"), htmlTemplatePath()));
    }

    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDatabase m_db;
    ScopedProgramState m_scope;
    QTemporaryDir m_out;
    GridModel m_grid;
};

}   // namespace

TEST(ExportTargetName, AppendsTheExtensionUnlessTheNameHoldsItAnywhereInTheSameCase)
{
    struct Case {
        const char* chosen;
        bool html;
        const char* target;
    };
    const Case cases[] = {
        {"report", true, "report.html"},
        {"report.htm", true, "report.htm"},
        {"report.html", true, "report.html"},
        {"REPORT.HTM", true, "REPORT.HTM.html"},
        {"report.txt", true, "report.txt.html"},
        {"/tmp/site.htm/report", true, "/tmp/site.htm/report"},
        {"table", false, "table.txt"},
        {"table.txt", false, "table.txt"},
        {"table.txt.bak", false, "table.txt.bak"},
        {"REPORT.TXT", false, "REPORT.TXT.txt"},
        {"/tmp/a.txt/table", false, "/tmp/a.txt/table"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(exportTargetName(c.chosen, c.html), QString(c.target)) << c.chosen;
}

TEST_F(TableWindowExport, HtmlFilterWritesTheTableThroughTheProgramsTemplate)
{
    installTemplate();
    ScriptedFileDialogs dialogs;
    dialogs.answer(target("report"), 1);
    exportGridToTable(m_grid, "Surface Pathway Risk");

    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_TRUE(dialogs.requests()[0].save);
    ASSERT_EQ(dialogs.requests()[0].filters.size(), 2);
    EXPECT_TRUE(dialogs.requests()[0].filters[0].startsWith("Table Export (*.html)"));
    const QByteArray html = contents(target("report.html"));
    EXPECT_TRUE(html.contains("<meta charset=\"windows-1252\">"));
    EXPECT_TRUE(html.contains("<title>Surface Pathway Risk</title>"));
    EXPECT_TRUE(html.contains("<td>Benzene</td><td>1.50E+00</td>"));
    EXPECT_FALSE(QFile::exists(target("report")));
}

TEST_F(TableWindowExport, TextFilterWritesTabDelimitedText)
{
    ScriptedFileDialogs dialogs;
    dialogs.answer(target("table"), 2);
    exportGridToTable(m_grid, "T");
    EXPECT_EQ(contents(target("table.txt")), QByteArray("Chemical Name\tValue\r\nBenzene\t1.50E+00\r\n"));
}

TEST_F(TableWindowExport, CancellingTheDialogWritesAndShowsNothing)
{
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    dialogs.answer(QString(), 1);
    exportGridToTable(m_grid, "T");
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
}

TEST_F(TableWindowExport, AMissingTemplateOrAnUnwritableFileIsReportedAndLeavesNoFile)
{
    const QString text = "An error occurred while performing the export.  Please try again.";
    ScriptedMessages messages;
    messages.expect("Export Error", vbOK, text).expect("Export Error", vbOK, text);
    ScriptedFileDialogs dialogs;
    dialogs.answer(target("report"), 1).answer(target("no/such/folder/table"), 2);
    exportGridToTable(m_grid, "T");
    exportGridToTable(m_grid, "T");
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].style, vbInformation);
}

TEST_F(TableWindowExport, TheProgramsTemplateIsNeverWrittenOver)
{
    installTemplate();
    const QByteArray before = contents(htmlTemplatePath());
    ScriptedMessages messages;
    messages.expect("Export Error").expect("Export Error");
    ScriptedFileDialogs dialogs;
    const QString chosen = QFileInfo(htmlTemplatePath()).absolutePath() + QStringLiteral("/template3");
    dialogs.answer(chosen, 1).answer(htmlTemplatePath(), 1);
    exportGridToTable(m_grid, "T");
    exportGridToTable(m_grid, "T");
    EXPECT_TRUE(messages.done());
    EXPECT_EQ(contents(htmlTemplatePath()), before);
}

TEST_F(TableWindowExport, TheFooterNamesTheOpenAnalysis)
{
    m_db.insertAnalysis(3, "Plant 7 Sludge");
    Result<Recordset> site = Recordset::openTable(m_db.conn(), "SITEINFO", "SITEKEY = ?", {3});
    ASSERT_TRUE(site.ok());
    m_db.state.gRsSiteInfo = std::move(*site);
    m_db.state.gCurFileName = "Other";
    EXPECT_EQ(resultsFooter(), "Results for Analysis: Plant 7 Sludge");

    m_db.state.gRsSiteInfo.close();
    EXPECT_EQ(resultsFooter(), "Results for Analysis: Other");
}

TEST(TablePrint, CaptionsOfTheConstituentAndChemicalTablesBreakOnlyAtBlanks)
{
    GridModel constituents;
    constituents.setColumns(constituentGridColumns());
    for (int c = 0; c < constituents.columnCount(); ++c)
        constituents.setColumnCaption(c, constituentGridCaptions()[c]);
    GridModel chemicals;
    chemicals.setColumns(QVector<GridColumn>(27));
    setupChemicalColumns(chemicals);
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("captions.pdf");
    for (GridModel* grid : {&constituents, &chemicals}) {
        grid->setFont(QFont(QStringLiteral("Arial"), 8));
        // As shown, then with every column as narrow as a user may drag it.
        for (const int twips : {0, 1800, 1500, 1300, 1100, 900}) {
            for (int c = 0; c < grid->columnCount() && twips > 0; ++c)
                grid->setColumnWidthTwips(c, twips);
            ScriptedPrintDialogs dialogs(pdf);
            dialogs.answer(true);
            ASSERT_TRUE(printGrid(*grid, GridPrintSetup(), true));
            expectColumnPagesEven(pdf, *grid);
        }
    }
}
