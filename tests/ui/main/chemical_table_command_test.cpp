// The menu items Chemical Properties Database (and the toolbar's COCs button) and Customer COCs and DAF.

#include "main_window_fixture.h"

#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/chemdb/frmCOCs.h"
#include "ui/chemdb/frmCusCOSAndDAF.h"

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
    w.toolbarButton(ToolbarButton::COCs)->trigger();
    EXPECT_EQ(Forms::find("frmCOCs"), cocs) << "one window";
    EXPECT_EQ(w.mdiArea->activeSubWindow(), cocs->frame());
    EXPECT_EQ(cocs->windowStateCode(), FormWindow::vbMaximized);
    registerFormLoader("frmCOCs", {});
}

TEST_F(MainWindowTest, TheOwnChemicalsEditorOpensMaximisedAndOutlivesTheAnalysis)
{
    registerFormLoader("frmCusCOSAndDAF", [] { return Forms::get<frmCusCOSAndDAF>(); });
    db.insertAnalysis(1, "One");
    frmMain& w = start();

    ASSERT_TRUE(w.mnuEditCOCDAF->isEnabled());
    w.mnuEditCOCDAF->trigger();
    FormWindow* editor = Forms::find("frmCusCOSAndDAF");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->frame()->isVisible());
    EXPECT_EQ(editor->windowStateCode(), FormWindow::vbMaximized);

    clickNode("KEY1");
    w.cmdOpen_Click();
    w.mnuCloseResults_Click();
    w.cmdClose_Click();
    EXPECT_EQ(Forms::find("frmCusCOSAndDAF"), editor);
    registerFormLoader("frmCusCOSAndDAF", {});
}
