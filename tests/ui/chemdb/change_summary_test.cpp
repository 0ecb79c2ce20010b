#include "admin_fixture.h"

#include "platform/ui/forms.h"
#include "ui/chemdb/frmCOCs.h"

#include <QDate>
#include <QLineEdit>

namespace {

qint64 logRows(TempDatabase& db, const QString& where = QStringLiteral("1"))
{
    Result<QVariant> n = db.conn().scalar(QStringLiteral("SELECT COUNT(*) FROM DBCHANGE WHERE ") + where);
    EXPECT_TRUE(n.ok());
    return n.ok() ? n->toLongLong() : -1;
}

const QString kUnableToSave = QStringLiteral("Unable to Save");

}   // namespace

TEST_F(AdminTest, SummaryReportsEveryChangedValueAndLogsItOnYes)
{
    openAdministration();
    logOn("mizo4");
    setField("71-43-2", "MCL", 0.006);                   // an edited number
    setField("71-43-2", "HENRY", QVariant());            // a value cleared
    setField("108-88-3", "BCF", 10.7);                   // an empty value filled
    setField("7440-38-2", "CARCNON", "Noncarcinogen");   // an edited text
    setField("7440-38-2", "CHEMNAME", "Arsenic (total)");
    db.insert("COCS", {{"CHEMNAME", "Added"}, {"CHEMCAS", "1330-20-7"}, {"MCL", 10.0}});
    closeAdministration(vbYes);

    const QStringList expected = {
        "Arsenic\t7440-38-2\t\tCHEMNAME\t\tArsenic\tArsenic (total)",
        "Arsenic\t7440-38-2\tCarcinogenic or Noncarcinogenic\tCARCNON\t---\tCarcinogen\tNoncarcinogen",
        "Benzene\t71-43-2\tMaximum Concentration Level\tMCL\tmg/L\t0.005\t0.006",
    };
    EXPECT_EQ(reportLines(), expected);
    ASSERT_NE(report(), nullptr);
    EXPECT_TRUE(report()->frame()->isVisible());
    EXPECT_EQ(report()->windowTitle(), QStringLiteral("Summary of COC Parameter Changes"));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(logRows(db, QStringLiteral("CHNGDATE = '%1'").arg(today)), 3);
    EXPECT_EQ(logRows(db, "PROP = 'CHEMNAME' AND CHEMNAME = 'Arsenic' AND NEWVAL = 'Arsenic (total)'"), 1);
}

TEST_F(AdminTest, SummaryAnsweredNoLogsNothingAndNoChangeUnloadsTheReport)
{
    db.insert("DBCHANGE", {{"CHNGDATE", "2021-05-06"},
                           {"CHEMNAME", "Lead"},
                           {"CHEMCAS", "7439-92-1"},
                           {"PROP", "MCL"},
                           {"OLDVAL", "0.015"},
                           {"NEWVAL", "0.02"}});
    frmPassword& w = openAdministration();
    click(w.Command1);
    setField("108-88-3", "ORDO", 0.2);
    closeAdministration(vbNo);
    EXPECT_EQ(reportLines(), QStringList({"Lead\t7439-92-1\tMaximum Concentration Level\tMCL\tmg/L\t0.015\t0.02",
                                          "Toluene\t108-88-3\tOral Reference Dose\tORDO\tmg/kg-day\t0.08\t0.2"}));
    EXPECT_EQ(logRows(db), 1);

    openAdministration();
    closeAdministration(vbYes);
    EXPECT_EQ(report(), nullptr) << "with no change the open report goes";
    EXPECT_EQ(logRows(db), 1);
}

TEST_F(AdminTest, LogViewListsTwoSessionsInStoredOrderAndAddsThemAgain)
{
    main().mnuViewChanges_Click();
    EXPECT_EQ(report(), nullptr) << "an empty log shows nothing";

    openAdministration();
    setField("71-43-2", "MCL", 0.006);
    closeAdministration(vbYes);
    openAdministration();
    setField("108-88-3", "MCL", 2.0);
    setField("71-43-2", "MCL", 0.007);
    closeAdministration(vbYes);
    report()->unload();

    const QStringList sessions = {
        "Benzene\t71-43-2\tMaximum Concentration Level\tMCL\tmg/L\t0.005\t0.006",
        "Benzene\t71-43-2\tMaximum Concentration Level\tMCL\tmg/L\t0.006\t0.007",
        "Toluene\t108-88-3\tMaximum Concentration Level\tMCL\tmg/L\t1\t2",
    };
    main().mnuViewChanges_Click();
    EXPECT_EQ(reportLines(), sessions);
    main().mnuViewChanges_Click();
    EXPECT_EQ(reportLines(), sessions + sessions);
}

TEST_F(AdminTest, FailedLogWritesAreReportedAndLeaveTheLogAsItWas)
{
    openAdministration();
    setField("7440-38-2", "MCL", 0.02);
    setField("7440-38-2", "TC", 6.0);
    ASSERT_TRUE(db.conn()
                    .exec("CREATE TRIGGER refuse BEFORE INSERT ON DBCHANGE WHEN NEW.PROP = 'TC' "
                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                    .ok());
    messages.expect("Save Summary of Changes", vbYes).expect(kUnableToSave);
    admin()->close();
    EXPECT_EQ(logRows(db), 0);
    EXPECT_EQ(reportLines().size(), 2) << "the report is shown whatever the answer";

    ASSERT_TRUE(db.conn().exec("DROP TABLE DBCHANGE").ok());
    messages.expect(kUnableToSave);
    main().mnuViewChanges_Click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown().back().text.startsWith("The program experienced the following error: "));
}

TEST_F(AdminTest, ClosingTheMainWindowEndsAdministrationWithItsSummary)
{
    openAdministration();
    logOn("mizo4");
    setField("7440-38-2", "TC", 6.0);
    messages.expect("Save Summary of Changes", vbYes);
    main().close();
    EXPECT_EQ(admin(), nullptr);
    EXPECT_EQ(db.state.gConn, nullptr);
    Result<std::unique_ptr<Connection>> reopened = Connection::open(db.path());
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ((*reopened)->scalar("SELECT COUNT(*) FROM DBCHANGE WHERE PROP = 'TC' AND NEWVAL = '6'")->toInt(), 1)
        << "the summary was written while the database was still open";
}

TEST_F(AdminTest, LogOnEditsTheTableWindowWhoseEditsAndDeletionsTheSummaryFinds)
{
    frmPassword& w = openAdministration();
    auto* table = static_cast<frmCOCs*>(Forms::find("frmCOCs"));
    ASSERT_NE(table, nullptr);
    EXPECT_FALSE(table->administratorMode());
    logOn("mizo4");
    EXPECT_EQ(table->windowTitle(), QStringLiteral("TOVI v.3.1 - List of Chemicals (Administrator Edit Mode)"));
    EXPECT_TRUE(table->administratorMode());

    DataGrid& grid = *table->grdCOCs;
    grid.selectRow(2);   // Toluene
    messages.expect("Confirm Delete", vbNo);
    click(w.cmdDelCOC);
    messages.expect("Confirm Delete", vbYes);
    click(w.cmdDelCOC);
    EXPECT_EQ(db.count("COCS"), 2);

    grid.setCurrentCell(1, 2);   // Benzene's MCL, left in edit
    grid.editCurrentCell();
    auto* editor = qobject_cast<QLineEdit*>(grid.cellEditor());
    ASSERT_NE(editor, nullptr);
    editor->setText("0.004");
    closeAdministration(vbYes);
    EXPECT_EQ(reportLines(), QStringList({"Benzene\t71-43-2\tMaximum Concentration Level\tMCL\tmg/L\t0.005\t0.004"}));
    EXPECT_EQ(Forms::find("frmCOCs"), nullptr);

    main().mnuShowCOCs_Click();
    EXPECT_EQ(Forms::find("frmCOCs")->windowTitle(), QStringLiteral("Chemical Properties Database (Read Only)"));
}
