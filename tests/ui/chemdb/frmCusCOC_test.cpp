#include "ui/chemdb/frmCusCOC.h"

#include "core/temp_database.h"
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
    OwnChemicalsList() : m_scope(db.state) { Forms::setMdiArea(&m_area); }
    ~OwnChemicalsList() override
    {
        Forms::unload<frmCusCOC>();
        Forms::setMdiArea(nullptr);
    }

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope;
    QMdiArea m_area;
};

TEST_F(OwnChemicalsList, ListsBothTablesFormattedAndPrintsThemAsOneJob)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"},
                           {"CHEMCAS", "999-01-1"},
                           {"MCL", 5e-4},
                           {"ORGANIC", 1},
                           {"CARCNON", "Carcinogen"},
                           {"MW", 120.5},
                           {"VAPORP", 0.02},
                           {"KSW", 3}});
    db.insert("Cus_COCS", {{"CHEMCAS", "999-02-2"}, {"CSFO", 0}});
    db.insert("Cus_DAFs", {{"CAS Num", "999-01-1"}, {"LFconc", 10}, {"DAFLF_CARC", 20}, {"DAFSI_NON", 1.5}});
    frmCusCOC& w = *Forms::get<frmCusCOC>();

    const GridModel& chemicals = w.SSOleDBGrid1->grid();
    ASSERT_EQ(chemicals.dataRowCount(), 2);
    const QStringList first = shownRow(chemicals, 0);
    EXPECT_EQ(first.mid(0, 4), QStringList({"Widgetane", "999-01-1", "5.00E-04", ""}));
    ASSERT_GT(first.size(), 20);
    EXPECT_EQ(first[20], "1");
    EXPECT_EQ(first.mid(23), QStringList({"Carcinogen", "1.21E+02", "2.00E-02", "3.00E+00"}));
    EXPECT_EQ(shownRow(chemicals, 1).mid(0, 4), QStringList({"", "999-02-2", "", "0.00E+00"}))
        << "a chemical without a name is listed";
    EXPECT_EQ(shownRow(w.SSOleDBGrid2->grid(), 0),
              QStringList({"999-01-1", "1.00E+01", "2.00E+01", "", "", "", "1.50E+00"}));

    const QString pdf = QDir(db.folder()).filePath("own.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    w.PrintTable(true);
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("List of Customer COCs") && pages[0].contains("Customer Chemical Properties"));
    EXPECT_TRUE(pages.back().contains("SIurface Impoundment") && pages.back().contains("Customer DAF Properties"));
}

TEST_F(OwnChemicalsList, AFailedLoadIsReportedOnceAndKeepsTheRowsRead)
{
    db.insert("Cus_COCS", {{"CHEMNAME", "Widgetane"}, {"CHEMCAS", "999-01-1"}});
    ASSERT_TRUE(db.conn().exec("DROP TABLE Cus_DAFs").ok());
    messages.expect("Unable to Save");
    frmCusCOC& w = *Forms::get<frmCusCOC>();
    EXPECT_EQ(w.SSOleDBGrid1->grid().dataRowCount(), 1);
    EXPECT_TRUE(w.loadFailed());
}

}   // namespace
