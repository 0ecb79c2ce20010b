// The menu item Chemical Properties Database and toolbar button 15.

#include "main_window_fixture.h"

#include "platform/ui/forms.h"
#include "ui/chemdb/frmCOCs.h"
#include "ui/main/main_window_services.h"

TEST_F(MainWindowTest, TheChemicalTableOpensMaximisedInFrontWithOrWithoutAnAnalysis)
{
    registerFormLoader("frmCOCs", [] { return Forms::get<frmCOCs>(); });
    db.insert("COCS", {{"CHEMNAME", "Zinc"}, {"CHEMCAS", "7440-66-6"}});
    db.insertAnalysis(1, "One");
    frmMain& w = start();

    w.mnuShowCOCs->trigger();
    FormWindow* cocs = Forms::find("frmCOCs");
    ASSERT_NE(cocs, nullptr);
    EXPECT_TRUE(cocs->frame()->isVisible());
    EXPECT_EQ(cocs->windowStateCode(), FormWindow::vbMaximized);
    EXPECT_EQ(w.mdiArea->activeSubWindow(), cocs->frame());
    EXPECT_EQ(cocs->findChild<DataGrid*>("grdCOCs")->grid().dataRowCount(), 1);

    clickNode("KEY1");
    w.cmdOpen_Click();
    ASSERT_NE(w.mdiArea->activeSubWindow(), cocs->frame());
    w.toolbarButton(15)->trigger();
    EXPECT_EQ(Forms::find("frmCOCs"), cocs) << "one window";
    EXPECT_EQ(w.mdiArea->activeSubWindow(), cocs->frame());
    EXPECT_EQ(cocs->windowStateCode(), FormWindow::vbMaximized);
    registerFormLoader("frmCOCs", {});
}
