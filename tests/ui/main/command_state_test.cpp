// The enabled state of the commands by action and by edits.

#include "main_window_fixture.h"

namespace {

// Every control on, so that "unchanged" shows.
void switchAllOn(frmMain& w)
{
    for (const auto& [name, button] : switchedToolbarButtons())
        w.toolbarButton(button)->setEnabled(true);
    for (const auto& entry : commandState(w)) {
        const std::string& name = entry.first;
        if (name.rfind("tb", 0) == 0)
            continue;
        if (QAction* a = w.findChild<QAction*>(QString::fromStdString(name)))
            a->setEnabled(true);
        else
            w.findChild<QWidget*>(QString::fromStdString(name))->setEnabled(true);
    }
}

CommandState allOn(frmMain& w)
{
    CommandState s = commandState(w);
    for (auto& [name, on] : s)
        on = true;
    return s;
}

}   // namespace

TEST_F(MainWindowTest, EachActionSetsItsColumnOfTheTable)
{
    frmMain& w = start();

    switchAllOn(w);
    w.SetToolbarState("Open");
    EXPECT_EQ(commandState(w), analysisOpenState());
    switchAllOn(w);
    w.SetToolbarState("New");
    EXPECT_EQ(commandState(w), analysisOpenState());

    switchAllOn(w);
    w.SetToolbarState("Close");
    EXPECT_EQ(commandState(w), noAnalysisOpenState());

    switchAllOn(w);
    w.SetToolbarState("Delete");
    EXPECT_EQ(commandState(w),
              with(noAnalysisOpenState(),
                   {{"mnuSiteInfo", true}, {"mnuShowSiteCOCs", true}, {"mnuResults", true}, {"mnuRunAnalysis", true}}))
        << "Delete leaves the four analysis menu items";

    switchAllOn(w);
    w.SetToolbarState("Save");
    EXPECT_EQ(commandState(w), with(allOn(w), {{"cmdSave", false}})) << "Save switches only the two buttons";
    w.cmdCopy->setEnabled(false);
    w.SetToolbarState("Save");
    EXPECT_TRUE(w.cmdCopy->isEnabled());
}

TEST_F(MainWindowTest, OtherActionNamesChangeNothing)
{
    frmMain& w = start();
    switchAllOn(w);
    const CommandState before = commandState(w);
    for (const char* action : {"Copy", "Run", "open", "close ", ""})
        w.SetToolbarState(action);
    EXPECT_EQ(commandState(w), before);
}

TEST_F(MainWindowTest, EditsEnableSaveAndWithdrawCopyUntilSaved)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    EXPECT_FALSE(w.cmdSave->isEnabled()) << "Save waits for the first edit";

    editConstituentWindow();
    EXPECT_EQ(commandState(w),
              with(analysisOpenState(),
                   {{"cmdSave", true}, {"tbSaveAnalysis", true}, {"mnuRunAnalysis", false}, {"tbRunModel", false}}));
    fakeSite().inputs = inputsNamed("One");
    w.toolbarButton(ToolbarButton::SaveAnalysis)->trigger();
    EXPECT_FALSE(w.cmdSave->isEnabled());
    EXPECT_TRUE(w.cmdCopy->isEnabled());
    // The "Save" state leaves the toolbar alone; the constituent window's saved state sets it.
    EXPECT_FALSE(w.toolbarButton(ToolbarButton::SaveAnalysis)->isEnabled());
    EXPECT_TRUE(w.toolbarButton(ToolbarButton::CopyAnalysis)->isEnabled());
    EXPECT_FALSE(w.mnuSave->isEnabled());
    EXPECT_FALSE(w.mnuCopy->isEnabled());
}
