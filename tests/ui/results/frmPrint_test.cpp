// The print window: which tables it prints, in which order, as one job, and how a job that
// cannot finish leaves the windows.

#include "app/program_wiring.h"
#include "forward_fixture.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/common/table_operations.h"
#include "ui/common/table_window.h"
#include "ui/input/site_window_services.h"
#include "ui/main/main_window_services.h"
#include "ui/printers.h"
#include "ui/results/frmPrint.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

namespace {

// What the stand-ins printed, as "name(True)" or "name(False)", and those whose next load fails.
QStringList g_printLog;
QStringList g_failingLoads;

// A table window plugged in by its name: it prints one row under its name as heading.
class PluggedTable : public FormWindow, public PrintableTable {
    Q_OBJECT
public:
    void PrintTable(bool FirstPrint) override
    {
        g_printLog << objectName() + (FirstPrint ? QStringLiteral("(True)") : QStringLiteral("(False)"));
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
        if (g_failingLoads.removeAll(objectName()) > 0) {
            m_failed = true;
            showGeneralError(Error{kErrRecordset, QStringLiteral("No current record.")},
                             QStringLiteral("Unable to Save"));
        }
    }

private:
    bool m_failed = false;
};

class frmSiteCOCs : public PluggedTable {
    Q_OBJECT
};
class frmCOCs : public PluggedTable {
    Q_OBJECT
};
class frmCusCOC : public PluggedTable {
    Q_OBJECT
};

// An analysis with results and delisting rows, the program's windows, and stand-ins for the
// constituent window and two chemical table windows.
class PrintWindow : public ResultWindowTest {
protected:
    PrintWindow()
    {
        seedAnalysis(m_db, 1, "Mill Creek", "LF", {{"Benzene", "71-43-2", 0.5, 250}, {"Lead", "7439-92-1", 0.1, 300}});
        storeResults(m_db, 1, "71-43-2", {{"LMTPTHTO", "Fish Ingestion"}, {"LMTTOTAL", 95.0}});
        storeGwDelisting(m_db, 1, "71-43-2", {{"GWDL", 0.12}, {"GWLimitingPathway", "GW Ingestion"}});
        m_db.insert("DelistCOCS",
                    {{"SITEKEY", 1}, {"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}, {"CARCNON", "Carcinogen"}});
        openAnalysis(m_db, 1);
        g_printLog.clear();
        g_failingLoads.clear();
        installProgramWiring();
        registerFormLoader("frmSiteCOCs", [] { return Forms::get<frmSiteCOCs>(); });
        registerFormLoader("frmCOCs", [] { return Forms::get<frmCOCs>(); });
        registerFormLoader("frmCusCOC", [] { return Forms::get<frmCusCOC>(); });
    }
    ~PrintWindow() override
    {
        for (const PrintItem& item : printItems())
            registerFormLoader(item.window, {});
        mainWindowServices() = {};
        siteWindowServices() = {};
    }

    QString pdf() const { return QDir(m_db.folder()).filePath(QStringLiteral("tables.pdf")); }

    static void tick(frmPrint& w, std::initializer_list<int> items)
    {
        for (int i : items)
            w.lstPrint->item(i)->setCheckState(Qt::Checked);
    }
    static int tickCount(const frmPrint& w)
    {
        int n = 0;
        for (int i = 0; i < w.lstPrint->count(); ++i)
            n += w.lstPrint->item(i)->checkState() == Qt::Checked;
        return n;
    }
    static QStringList loaded()
    {
        QStringList names;
        for (const PrintItem& item : printItems())
            if (Forms::isLoaded(item.window))
                names << item.window;
        return names;
    }
};

}   // namespace

TEST_F(PrintWindow, SelectAllTicksEveryTableButTheWholeChemicalTable)
{
    frmPrint w;
    ASSERT_EQ(w.lstPrint->count(), 22);
    EXPECT_EQ(w.lstPrint->item(2)->text(), "List of Chemicals of Concern (Read Only)");
    tick(w, {2});
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    EXPECT_EQ(tickCount(w), 22) << "select-all keeps the chemical table's own tick";
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    EXPECT_EQ(tickCount(w), 0) << "unticking clears the chemical table too";
    QTest::mouseClick(w.chkSelectAll, Qt::LeftButton);
    EXPECT_EQ(tickCount(w), 21);
    EXPECT_NE(w.lstPrint->item(2)->checkState(), Qt::Checked);
    // A click on an entry's box makes the entry current: Space then acts on it.
    w.show();
    for (const int entry : {2, 4}) {
        const QRect item = w.lstPrint->visualItemRect(w.lstPrint->item(entry));
        QTest::mouseClick(w.lstPrint->viewport(), Qt::LeftButton, {}, item.topLeft() + QPoint(8, item.height() / 2));
        QTest::keyClick(w.lstPrint, Qt::Key_Space);
    }
    EXPECT_TRUE(w.lstPrint->item(4)->checkState() == Qt::Checked && w.lstPrint->item(2)->checkState() != Qt::Checked);
}

TEST_F(PrintWindow, TicksPrintTheirTablesInListOrderInOneJobWithTheDialogsOnce)
{
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    frmPrint w;
    tick(w, {21, 14, 8, 3});
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);

    EXPECT_EQ(dialogs.dialogsShown(), 2) << "asked by the first table printed only";
    const QString altered = Forms::find("frmChngChems")->windowTitle();
    const QString hq = Forms::find("frmTotalResultsHQ")->windowTitle();
    const QString gw = Forms::find("frmGWCarc")->windowTitle();
    EXPECT_EQ(pdfTableHeadings(pdf(), {altered, hq, gw, "frmCusCOC"}), QStringList({altered, hq, gw, "frmCusCOC"}));
    EXPECT_EQ(g_printLog, QStringList({"frmCusCOC(False)"}));
    EXPECT_EQ(loaded(), QStringList({"frmChngChems", "frmTotalResultsHQ", "frmGWCarc", "frmCusCOC"}))
        << "the windows loaded to print stay loaded";
    EXPECT_TRUE(Forms::find("frmGWCarc")->frame()->isHidden()) << "loaded hidden";
    EXPECT_FALSE(w.isVisible());
}

TEST_F(PrintWindow, AnEmptySelectionAndCancelPrintNothingAndCloseTheChemicalTable)
{
    ScriptedPrintDialogs dialogs(pdf());   // any dialog fails the test
    for (const bool cancel : {false, true}) {
        Forms::get<frmCOCs>()->showForm();
        frmPrint w;
        if (cancel)
            tick(w, {4});
        QTest::mouseClick(cancel ? w.cmdCancel : w.cmdPrint, Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(pdf()));
        EXPECT_TRUE(loaded().isEmpty());
        EXPECT_EQ(w.result(), cancel ? QDialog::Rejected : QDialog::Accepted);
    }
}

// Either dialog cancelled ends the whole job: nothing printed, and the windows the job loaded
// are closed again, while a window the user had open stays.
class CancelledPrint : public PrintWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(CancelledPrint, EndsTheJobWithNothingPrintedAndClosesTheWindowsItLoaded)
{
    loadForm("frmExceedResults")->showForm();
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(GetParam(), false);
    frmPrint w;
    tick(w, {0, 4, 13, 21});
    w.cmdPrint_Click();

    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(g_printLog.isEmpty()) << "no later table is asked to print";
    EXPECT_EQ(loaded(), QStringList({"frmExceedResults"}));
    EXPECT_FALSE(Forms::find("frmExceedResults")->frame()->isHidden());
    EXPECT_FALSE(w.isVisible());
}

INSTANTIATE_TEST_SUITE_P(PageSetupOrPrintDialog, CancelledPrint, ::testing::Values(false, true));

TEST_F(PrintWindow, AFailedLoadStopsTheJobBeforeAnythingPrints)
{
    g_failingLoads << "frmCOCs";
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    ScriptedPrintDialogs dialogs(pdf());
    frmPrint w;
    tick(w, {0, 1, 2, 4});
    w.cmdPrint_Click();

    EXPECT_TRUE(messages.done());
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(g_printLog.isEmpty());
    EXPECT_TRUE(loaded().isEmpty()) << "no window stays loaded from the stopped job";
    EXPECT_FALSE(w.isVisible());
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
    EXPECT_TRUE(g_printLog.isEmpty());
    EXPECT_TRUE(loaded().isEmpty());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(PrintWindow, APrintoutThatDoesNotFitOnTheDiskIsReportedAndLeavesNoFile)
{
    ScriptedMessages messages;
    messages.expect("Print Error");
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    frmPrint w;
    tick(w, {4, 13});
    // Files may grow no larger than 4 KB, as on a full disk: a write beyond fails.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full = {4096, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    w.cmdPrint_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(messages.done());
    EXPECT_EQ(QDir(m_db.folder()).entryList({"tables*"}, QDir::Files | QDir::Hidden), QStringList());
}

#include "frmPrint_test.moc"
