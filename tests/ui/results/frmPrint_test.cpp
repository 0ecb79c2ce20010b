// The print window: which tables it prints, in which order, as one job, and how a job that
// cannot finish leaves the windows.

#include "forward_fixture.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirNonCarc.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"
#include "ui/input/frmPrintSiteWMU.h"
#include "ui/input/table_window.h"
#include "ui/main/main_window_services.h"
#include "ui/printers.h"
#include "ui/results/frmAggResults.h"
#include "ui/results/frmExceedResults.h"
#include "ui/results/frmLimitResults.h"
#include "ui/results/frmPrint.h"
#include "ui/results/frmTCLPResultsHQ.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/results/frmTCLPResultsScreen.h"
#include "ui/results/frmTCSSResults.h"
#include "ui/results/frmTotalResultsHQ.h"
#include "ui/results/frmTotalResultsRisk.h"
#include "ui/results/frmTotalResultsScreen.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// What the plugged-in windows printed, as "name(True)" or "name(False)".
QStringList& printLog()
{
    static QStringList log;
    return log;
}

// Windows whose next load fails.
QStringList& failingLoads()
{
    static QStringList names;
    return names;
}

// A table window plugged in under its name, as the windows of the chemical tables are: it
// prints one row under its own name as heading, and fails its load when asked to.
class PluggedTable : public FormWindow {
    Q_OBJECT
public:
    Q_INVOKABLE void PrintTable(bool FirstPrint)
    {
        printLog() << objectName() + (FirstPrint ? QStringLiteral("(True)") : QStringLiteral("(False)"));
        GridModel grid;
        grid.setColumns({{QStringLiteral("Chemical Name"), 3000}});
        grid.addTextRow(QStringLiteral("Benzene"));
        printGrid(grid, tablePrintSetup(grid, objectName(), resultsFooter()), FirstPrint);
    }
    bool loadFailed() const override { return m_failed; }

protected:
    void formLoad() override
    {
        setWindowTitle(objectName());
        if (failingLoads().removeAll(objectName()) > 0) {
            m_failed = true;
            showGeneralError(Error{kErrRecordset, QStringLiteral("No current record.")}, QStringLiteral("Unable to Save"));
        }
    }

private:
    bool m_failed = false;
};

class frmSiteCOCs : public PluggedTable { Q_OBJECT };
class frmCOCs : public PluggedTable { Q_OBJECT };
class frmCusCOC : public PluggedTable { Q_OBJECT };

template <class... T>
void plugIn()
{
    (registerFormLoader(QString::fromLatin1(T::staticMetaObject.className()), [] { return Forms::get<T>(); }), ...);
}

// An analysis with results and delisting rows; the windows of every table but the list of
// altered properties (item 3), which stays out to show a table that prints nothing.
class PrintWindow : public ResultWindowTest {
protected:
    PrintWindow()
    {
        seedAnalysis(m_db, 1, "Mill Creek", "LF", {{"Benzene", "71-43-2", 0.5, 250}, {"Lead", "7439-92-1", 0.1, 300}});
        storeResults(m_db, 1, "71-43-2", {{"LMTPTHTO", "Fish Ingestion"}, {"LMTTOTAL", 95.0}});
        storeGwDelisting(m_db, 1, "71-43-2", {{"GWDL", 0.12}, {"GWLimitingPathway", "GW Ingestion"}});
        m_db.insert("DelistCOCS", {{"SITEKEY", 1}, {"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"},
                                   {"CARCNON", "Carcinogen"}});
        openAnalysis(m_db, 1);
        printLog().clear();
        failingLoads().clear();
        plugIn<frmPrintSiteWMU, frmLimitResults, frmTCLPResultsHQ, frmTCLPResultsRisk, frmTCLPResultsScreen,
               frmTotalResultsHQ, frmTotalResultsRisk, frmTotalResultsScreen, frmAggResults, frmTCSSResults,
               frmExceedResults, frmGWCarc, frmGWNonCarc, frmSurfaceCarc, frmSurfaceWaterNonCarc, frmAirCarc,
               frmAirNonCarc, frmSoilPathwayDelisting, frmSiteCOCs, frmCOCs, frmCusCOC>();
    }
    ~PrintWindow() override
    {
        for (const PrintItem& item : printItems())
            registerFormLoader(item.window, {});
    }

    QString pdf() const { return QDir(m_db.folder()).filePath(QStringLiteral("tables.pdf")); }

    static void tick(frmPrint& w, std::initializer_list<int> items)
    {
        for (int i : items)
            w.lstPrint->item(i)->setCheckState(Qt::Checked);
    }
    static QList<int> ticked(const frmPrint& w)
    {
        QList<int> items;
        for (int i = 0; i < w.lstPrint->count(); ++i)
            if (w.lstPrint->item(i)->checkState() == Qt::Checked)
                items << i;
        return items;
    }
    static QStringList loaded()
    {
        QStringList names;
        for (const PrintItem& item : printItems())
            if (Forms::isLoaded(item.window))
                names << item.window;
        return names;
    }

    QStringList printedHeadings(const QStringList& headings) const { return pdfTableHeadings(pdf(), headings); }
};

} // namespace

TEST_F(PrintWindow, ListsTheTablesUntickedAndSelectAllLeavesTheWholeChemicalTableAsItIs)
{
    frmPrint w;
    ASSERT_EQ(w.lstPrint->count(), 22);
    EXPECT_EQ(w.lstPrint->item(0)->text(), "Project Information and Control Settings (Steps 1 - 3)");
    EXPECT_EQ(w.lstPrint->item(2)->text(), "List of Chemicals of Concern (Read Only)");
    EXPECT_EQ(w.lstPrint->item(21)->text(), "Customer Chemical Properties");
    EXPECT_TRUE(ticked(w).isEmpty());
    EXPECT_FALSE(w.chkSelectAll->isChecked());

    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    QList<int> allButTwo;
    for (int i = 0; i < 22; ++i)
        if (i != 2)
            allButTwo << i;
    EXPECT_EQ(ticked(w), allButTwo);

    tick(w, {2});
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    EXPECT_TRUE(ticked(w).isEmpty()) << "unticking clears a hand-ticked chemical table too";

    tick(w, {2});
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    EXPECT_EQ(ticked(w).size(), 22) << "select-all keeps the chemical table's own tick";
}

TEST_F(PrintWindow, ThreeTicksPrintTheirTablesInListOrderInOneJobWithTheDialogsOnce)
{
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    frmPrint w;
    tick(w, {21, 14, 8});
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);

    EXPECT_EQ(dialogs.dialogsShown(), 2);
    const QString hq = Forms::find("frmTotalResultsHQ")->windowTitle();
    const QString gw = Forms::find("frmGWCarc")->windowTitle();
    EXPECT_EQ(printedHeadings({hq, gw, "frmCusCOC"}), QStringList({hq, gw, "frmCusCOC"}));
    EXPECT_EQ(printLog(), QStringList({"frmCusCOC(False)"}));
    EXPECT_EQ(loaded(), QStringList({"frmTotalResultsHQ", "frmGWCarc", "frmCusCOC"}))
        << "the windows loaded to print stay loaded";
    EXPECT_TRUE(Forms::find("frmGWCarc")->frame()->isHidden()) << "loaded hidden";
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(PrintWindow, ATableThisProgramDoesNotHavePrintsNothingAndTheNextOneAsksTheDialogs)
{
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    frmPrint w;
    tick(w, {3, 13});
    w.cmdPrint_Click();

    EXPECT_EQ(dialogs.dialogsShown(), 2);
    EXPECT_EQ(printedHeadings({"Pathways Exceeding the Delisting Limits"}),
              QStringList({"Pathways Exceeding the Delisting Limits"}));
}

TEST_F(PrintWindow, SelectAllPrintsEveryTableButTheWholeChemicalTableAndClosesThePrintableInputs)
{
    Forms::get<frmCOCs>()->showForm();
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    frmPrint w;
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);

    QStringList headings = {"Site and WMU Information"};
    for (int i = 1; i < 22; ++i)
        if (FormWindow* window = Forms::find(printItems()[i].window))
            headings << window->windowTitle();
    EXPECT_EQ(headings.size(), 20) << "every item but the chemical table and the list of altered properties";
    EXPECT_EQ(printedHeadings(headings), headings);
    EXPECT_EQ(printLog(), QStringList({"frmSiteCOCs(False)", "frmCusCOC(False)"}));
    EXPECT_FALSE(Forms::isLoaded("frmPrintSiteWMU"));
    EXPECT_FALSE(Forms::isLoaded("frmCOCs"));
}

TEST_F(PrintWindow, AnEmptySelectionPrintsNothingAndClosesTheChemicalTable)
{
    Forms::get<frmCOCs>()->showForm();
    ScriptedPrintDialogs dialogs(pdf());   // any dialog fails the test
    frmPrint w;
    w.cmdPrint_Click();

    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(loaded().isEmpty());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(PrintWindow, CancelPrintsNothingAndClosesTheChemicalTable)
{
    Forms::get<frmCOCs>()->showForm();
    ScriptedPrintDialogs dialogs(pdf());
    frmPrint w;
    tick(w, {4});
    QTest::mouseClick(w.cmdCancel, Qt::LeftButton);

    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(loaded().isEmpty());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

// Either dialog cancelled ends the whole job: nothing printed, and the windows the job loaded
// are closed again, while a window the user had open stays.
class CancelledPrint : public PrintWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(CancelledPrint, EndsTheJobWithNothingPrintedAndClosesTheWindowsItLoaded)
{
    Forms::get<frmExceedResults>()->showForm();
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(GetParam(), false);
    frmPrint w;
    tick(w, {0, 4, 13, 21});
    w.cmdPrint_Click();

    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(printLog().isEmpty()) << "no later table is asked to print";
    EXPECT_EQ(loaded(), QStringList({"frmExceedResults"}));
    EXPECT_FALSE(Forms::find("frmExceedResults")->frame()->isHidden());
    EXPECT_FALSE(w.isVisible());
}

INSTANTIATE_TEST_SUITE_P(PageSetupOrPrintDialog, CancelledPrint, ::testing::Values(false, true));

TEST_F(PrintWindow, AFailedLoadStopsTheJobBeforeAnythingPrints)
{
    failingLoads() << "frmCOCs";
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    ScriptedPrintDialogs dialogs(pdf());
    frmPrint w;
    tick(w, {0, 1, 2, 4});
    w.cmdPrint_Click();

    EXPECT_TRUE(messages.done());
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(printLog().isEmpty());
    EXPECT_TRUE(loaded().isEmpty()) << "no window stays loaded from the stopped job";
    EXPECT_FALSE(w.isVisible());
}

TEST_F(PrintWindow, AFailedLoadOfThePrintableInputsStopsTheJob)
{
    m_db.state.gRsSiteInfo = Recordset();
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    ScriptedPrintDialogs dialogs(pdf());
    frmPrint w;
    tick(w, {0, 4});
    w.cmdPrint_Click();

    EXPECT_TRUE(messages.done());
    EXPECT_TRUE(loaded().isEmpty());
}

TEST_F(PrintWindow, AFileThatCannotBeWrittenIsReportedAndNothingStaysLoaded)
{
    const QString unwritable = QDir(m_db.folder()).filePath(QStringLiteral("no such folder/tables.pdf"));
    ScriptedMessages messages;
    messages.expect("Print Error", vbOK,
                    "An error occurred while printing: the printer or its output file could not be written.");
    ScriptedPrintDialogs dialogs(unwritable);
    dialogs.answer(true, true);
    frmPrint w;
    tick(w, {0, 4, 21});
    w.cmdPrint_Click();

    EXPECT_TRUE(messages.done());
    EXPECT_TRUE(printLog().isEmpty());
    EXPECT_TRUE(loaded().isEmpty());
    EXPECT_FALSE(w.isVisible());
}

#include "frmPrint_test.moc"
