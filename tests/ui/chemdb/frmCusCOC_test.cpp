#include "ui/chemdb/frmCusCOC.h"

#include "core/temp_database.h"
#include "platform/ui/geometry.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QMdiArea>

#include <gtest/gtest.h>

namespace {

class OwnChemicalsList : public ::testing::Test {
protected:
    OwnChemicalsList() : m_scope(db.state)
    {
        Forms::setMdiArea(&m_area);
        m_area.resize(1200, 800);
        m_area.show();
    }
    ~OwnChemicalsList() override
    {
        Forms::unload<frmCusCOC>();
        Forms::setMdiArea(nullptr);
    }

    frmCusCOC& show()
    {
        frmCusCOC* w = Forms::get<frmCusCOC>();
        w->showForm();
        return *w;
    }

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope;
    QMdiArea m_area;
};

TEST_F(OwnChemicalsList, ListsEveryRowOfBothTablesWithNumbersFormattedAndNullsEmpty)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}, {"MCL", 5e-4}, {"ORGANIC", 1},
                           {"CARCNON", "Carcinogen"}, {"MW", 120.5}, {"VAPORP", 0.02}, {"KSW", 3}});
    db.insert("Cus_COCS", {{"CHEMCAS", "999-02-2"}, {"CSFO", 0}});
    db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 10}, {"DAFLF_CARC", 20}, {"DAFSI_NON", 1.5}});
    frmCusCOC& w = show();

    const GridModel& chemicals = w.SSOleDBGrid1->grid();
    ASSERT_EQ(chemicals.dataRowCount(), 2);
    const QStringList first = shownRow(chemicals, 0);
    ASSERT_EQ(first.size(), 27);
    EXPECT_EQ(first.mid(0, 4), QStringList({"Widgetane", "999-01-1", "5.00E-04", ""}));
    EXPECT_EQ(first[20], "1");
    EXPECT_EQ(first.mid(23), QStringList({"Carcinogen", "1.21E+02", "2.00E-02", "3.00E+00"}));
    EXPECT_EQ(shownRow(chemicals, 1).mid(0, 4), QStringList({"", "999-02-2", "", "0.00E+00"}))
        << "a chemical without a name is listed";

    const GridModel& dafs = w.SSOleDBGrid2->grid();
    ASSERT_EQ(dafs.dataRowCount(), 1);
    EXPECT_EQ(shownRow(dafs, 0), QStringList({"999-01-1", "1.00E+01", "2.00E+01", "", "", "", "1.50E+00"}));
}

TEST_F(OwnChemicalsList, EmptyTablesGiveEmptyListsWithoutAMessage)
{
    frmCusCOC& w = show();
    EXPECT_EQ(w.SSOleDBGrid1->grid().dataRowCount(), 0);
    EXPECT_EQ(w.SSOleDBGrid2->grid().dataRowCount(), 0);
}

TEST_F(OwnChemicalsList, AFailedLoadIsReportedOnceAndKeepsTheRowsRead)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
    ASSERT_TRUE(db.conn().exec("DROP TABLE Cus_DAFs").ok());
    messages.expect("Unable to Save");
    frmCusCOC& w = show();
    EXPECT_EQ(w.SSOleDBGrid1->grid().dataRowCount(), 1);
    EXPECT_TRUE(messages.done());
}

TEST_F(OwnChemicalsList, TheListsShareTheHeightAndATinyWindowKeepsTheirLayout)
{
    frmCusCOC& w = show();
    w.resizeTwips(9255, 6780);
    const QRect top = w.SSOleDBGrid1->geometry();
    const QRect bottom = w.SSOleDBGrid2->geometry();
    EXPECT_EQ(top.height(), bottom.height());
    EXPECT_EQ(top.width(), w.width());
    EXPECT_NEAR(bottom.bottom(), w.height(), 2);
    w.frame()->resize(w.frame()->width(), 1);
    EXPECT_EQ(w.SSOleDBGrid1->geometry(), top);
    EXPECT_EQ(w.SSOleDBGrid2->geometry(), bottom);
}

TEST_F(OwnChemicalsList, PrintsBothListsAsOneJobWithTheirFooters)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
    db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 10}});
    frmCusCOC& w = show();
    const QString pdf = QDir(db.folder()).filePath("own.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    w.PrintTable(true);
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("List of Customer COCs") && pages[0].contains("Customer Chemical Properties"));
    EXPECT_TRUE(pages[1].contains("SIurface Impoundment") && pages[1].contains("Customer DAF Properties"));
    EXPECT_EQ(dialogs.dialogsShown(), 2);
}

} // namespace
