// Menus, toolbar, tooltips and instruction texts, and the commands that only hand over.

#include "main_window_fixture.h"

#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/main/main_window_services.h"

#include <QFile>
#include <QKeySequence>
#include <QMenuBar>
#include <QTest>

namespace {

// "name=caption" per item; a separator shows as "name=-".
QStringList itemsOf(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        items << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return items;
}

QStringList disabledItemsOf(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator() && !a->isEnabled())
            items << a->objectName();
    return items;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}   // namespace

TEST_F(MainWindowTest, MenuBarItemsInDisplayOrder)
{
    frmMain& w = start();
    QStringList bar;
    for (const QAction* a : w.menuBar()->actions())
        bar << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(bar, QStringList({"mnuFile=&File", "mnuEdit=&Edit", "mnuAnalysis=&Analysis", "mnuWindow=&Window",
                                "mnuAdmin=&Administration", "mnuDocuments=&Documents", "mnuHelp=&Help",
                                "mnuFontLegend=&Font Legend"}));
    EXPECT_EQ(itemsOf(w.mnuFile),
              QStringList({"mnuNew=&New Analysis", "mnuOpen=&Open Analysis", "mnuClose=&Close Analysis",
                           "mnuSave=&Save Analysis", "mnuSpace8=-", "mnuPrint=&Print",
                           "mnuExportTable=Export to &Table", "mnuSpace3=-", "mnuImport=&Import Analysis",
                           "mnuExport=&Export Analysis", "mnuSpace1=-", "mnuExit=E&xit"}));
    EXPECT_EQ(itemsOf(w.mnuEdit), QStringList({"mnuCopy=&Copy Analysis", "mnuDelete=&Delete Analysis", "mnuSep=-",
                                               "mnuEditCOCDAF=Customer COCs and DAF"}));
    EXPECT_EQ(itemsOf(w.mnuAnalysis),
              QStringList({"mnuSiteInfo=&Analysis Information and Control Settings",
                           "mnuShowSiteCOCs=Analysis &Chemicals of Concern (COCs)",
                           "mnuShowCOCs=Chemical &Properties Database", "mnuResults=Show/Retile &Results",
                           "mnuDelistingLevel=Show Delisting Level Analysis", "mnuSpace6=-",
                           "mnuRunAnalysis=R&un Analysis"}));
    EXPECT_EQ(itemsOf(w.mnuWindow), QStringList({"mnuCloseResults=&Close Results Screens"}));
    EXPECT_EQ(itemsOf(w.mnuAdmin),
              QStringList({"mnuUpdateDB=&Import Latest Database", "mnuSpace7=-", "mnuEditDB=&Edit COC Database",
                           "mnuViewChanges=&View Changes to COCs"}));
    EXPECT_EQ(itemsOf(w.mnuDocuments),
              QStringList({"mnuUM=&User's Manual", "mnuSpace2=-", "mnuChap1=WEXT Chapter &1",
                           "mnuChap2=WEXT Chapter &2", "mnuChap3=WEXT Chapter &3", "mnuChap4=WEXT Chapter &4",
                           "mnuChap5=WEXT Chapter &5", "mnuChap6=WEXT Chapter &6", "mnuAppA1=WEXT Appendix A-1",
                           "mnuAppA2=WEXT Appendix A-2", "mnuAppA3=WEXT Appendix A-3", "mnuAppA4=WEXT Appendix A-4",
                           "mnuAppA5=WEXT Appendix A-5", "mnuAppB=WEXT Appendix &B"}));
    EXPECT_EQ(itemsOf(w.mnuHelp),
              QStringList({"mnuHelpFile=TOVI v.3.1 &Help", "mnuSpace4=-", "mnuTOVIChanges=TOVI &Changes", "mnuSpace5=-",
                           "mnuTOVIinfo=TOVI &Information", "mnuSpace=-", "mnuAbout=About &TOVI v.3.1",
                           "mnuDisclosure=&Show Disclosure"}));
    EXPECT_EQ(itemsOf(w.mnuTOVIinfo), QStringList({"mnuAcknowledgements=&Acknowledgements", "mnuObjective=&Objective",
                                                   "mnuMission=&Mission", "mnuProc=&Procedure && Results"}));
    EXPECT_TRUE(w.mnuDisclosure->isCheckable());
}

TEST_F(MainWindowTest, CommandsOfWindowsNotYetInTheProgramStayDisabled)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();   // no command state switches them on

    EXPECT_FALSE(w.mnuAdmin->menuAction()->isEnabled()) << "the Administration menu cannot be opened";
    EXPECT_EQ(disabledItemsOf(w.mnuAdmin).size(), 3);
    EXPECT_TRUE(disabledItemsOf(w.mnuDocuments).isEmpty());
    EXPECT_TRUE(disabledItemsOf(w.mnuHelp).isEmpty());
    EXPECT_EQ(disabledItemsOf(w.mnuFile), QStringList({"mnuSave", "mnuImport"}));
    EXPECT_EQ(disabledItemsOf(w.mnuEdit), QStringList({"mnuCopy", "mnuDelete"}));
    EXPECT_EQ(disabledItemsOf(w.mnuAnalysis), QStringList());
    for (ToolbarButton b : {ToolbarButton::PrintTable, ToolbarButton::COCs, ToolbarButton::Help})
        EXPECT_TRUE(w.toolbarButton(b)->isEnabled()) << int(b);
    EXPECT_TRUE(w.mnuOpen->isEnabled());
    EXPECT_TRUE(w.mnuExportTable->isEnabled());
    EXPECT_TRUE(w.mnuDelistingLevel->isEnabled());
    EXPECT_TRUE(w.mnuCloseResults->isEnabled());
}

TEST_F(MainWindowTest, ToolbarKeysTooltipsAndSeparators)
{
    frmMain& w = start();
    QStringList buttons;
    for (const QAction* b : w.Toolbar1->actions())
        buttons << (b->isSeparator() ? QStringLiteral("-") : b->data().toString() + QLatin1Char('|') + b->toolTip());
    EXPECT_EQ(buttons, QStringList({"New Analysis|Begin a new analysis",
                                    "Open Analysis|Open an analysis",
                                    "Save Analysis|Save the currently open analysis",
                                    "Print Table|Print the current table",
                                    "Export Table|Export the current table to HTML or MS Excel",
                                    "-",
                                    "Import Analysis|Import an analysis from v.1.0 or v.2.0 or v.3.0",
                                    "Export Analysis|Export the current analysis to v.3.0 format",
                                    "-",
                                    "Copy Analysis|Copy the highlighted analysis",
                                    "Delete Analysis|Delete the highlighted analysis",
                                    "-",
                                    "Site Information|Analysis Information and Control Settings",
                                    "Site COCs|Analysis Chemicals of Concern (COCs)",
                                    "COCs|Show all of the COCs available in TOVI",
                                    "Show Results|Show/Retile the Results screens",
                                    "-",
                                    "Run Model|Run TOVI for the current analysis",
                                    "-",
                                    "Help|TOVI v.3.0 Help"}));
    EXPECT_TRUE(w.toolbarButton(ToolbarButton::NewAnalysis)->isCheckable());
    EXPECT_FALSE(w.toolbarButton(ToolbarButton::OpenAnalysis)->isCheckable());
    // Each named button is the toolbar's button of that key, in toolbar order.
    QStringList named;
    for (int i = 0; i < kToolbarButtons; ++i)
        named << w.toolbarButton(ToolbarButton(i))->data().toString() + QLatin1Char('|')
                     + w.toolbarButton(ToolbarButton(i))->toolTip();
    buttons.removeAll(QStringLiteral("-"));
    EXPECT_EQ(named, buttons);
}

TEST_F(MainWindowTest, PaneTooltipsAndInstructionTexts)
{
    frmMain& w = start();
    EXPECT_EQ(w.Label1->text(), "Available Analyses");
    EXPECT_EQ(w.Label2->text(), "Analysis Operations");
    EXPECT_TRUE(w.rtfInstructions->toPlainText().isEmpty());

    struct Control {
        QWidget* widget;
        const char* caption;
        const char* tooltip;
        const char* instruction;
    };
    const Control controls[] = {
        {w.cmdNew, "New Analysis", "Click this button to create a new TOVI analysis",
         "Click this button to begin a New analysis."},
        {w.cmdOpen, "Open Analysis", "Click this button to Open the analysis highlighted above.",
         "Make sure that one of the analyses above is highlighted and then click this button to Open the analysis."},
        {w.cmdSave, "Save Analysis", "Click this button to save the current TOVI analysis.",
         "Click this button anytime it is enable to save changes to the current analysis."},
        {w.cmdClose, "Close Analysis", "Click this button to Close the open analysis.",
         "Closes the currently open analysis."},
        {w.cmdCopy, "Copy Analysis", "Click this button to make a copy of the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to make another copy."},
        {w.cmdDelete, "Delete Analysis", "Click this button to Delete the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to permanently delete it from the "
         "database."},
        {w.cmdImport, "Import Analysis", "Click this button to Import an existing TOVI v.1.0 or v.2.0 analysis.",
         "Click this button to Import existing v.1.0 or v.2.0 TOVI analyses.  Once imported, use the Open button."},
        {w.cmdExport, "Export Analysis",
         "Click this button to Export an existing TOVI analysis so that it can be sent to another TOVI user.",
         "Click this button to Export the currently open or highlighted analysis as a v.2.0 analysis."},
        {w.cmdUpdateAnalyses, "Update Analyses",
         "Create copies of all the analyses with the most current chemical properties.",
         "Create copies of all the analyses with the most current chemical properties."},
        {w.trvAnalysis->viewport(), "",
         "Double-click any analysis in this box to open it for editing/running.  You also use this list in "
         "conjunction with the command buttons below.",
         "Double click an analysis or any sub-heading of an analysis to open it for editing and/or running."},
    };
    for (const Control& c : controls) {
        if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
            EXPECT_EQ(button->text(), c.caption);
        }
        QWidget* tipped = c.widget == w.trvAnalysis->viewport() ? w.trvAnalysis : c.widget;
        EXPECT_EQ(tipped->toolTip(), c.tooltip) << c.caption;
        QTest::mouseMove(c.widget);
        EXPECT_EQ(w.rtfInstructions->toPlainText(), c.instruction) << c.caption;
    }

    QTest::mouseMove(w.cmdOpen);
    QTest::mouseMove(w.mdiArea);
    EXPECT_EQ(w.rtfInstructions->toPlainText(), "Make sure that one of the analyses above is highlighted and then "
                                                "click this button to Open the analysis.")
        << "the background keeps the last text";
}

TEST_F(MainWindowTest, RunModelAndRunAnalysisBothStartTheRunAlsoWithNoAnalysisOpen)
{
    frmMain& w = start();
    int runs = 0;
    mainWindowServices().runRiskAnalysis = [&] { ++runs; };
    w.mnuRunAnalysis_Click();
    w.Toolbar1_ButtonClick("Run Model");
    w.Toolbar1_ButtonClick("run model");
    EXPECT_EQ(runs, 2);

    db.insertAnalysis(1, "One");
    ASSERT_TRUE(w.addAnalysisGroup(analysisTreeNodes(1, "One", {})));
    clickNode("KEY1");
    w.cmdOpen_Click();
    w.mnuRunAnalysis->trigger();
    w.toolbarButton(ToolbarButton::RunModel)->trigger();
    EXPECT_EQ(runs, 4);
}

TEST_F(MainWindowTest, PrintShowsThePrintWindowOnlyWithAnAnalysisOpen)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    QList<QWidget*> shownOver;
    mainWindowServices().showPrintWindow = [&](QWidget* parent) { shownOver << parent; };
    ASSERT_TRUE(w.mnuPrint->isEnabled() && w.toolbarButton(ToolbarButton::PrintTable)->isEnabled());
    w.mnuPrint->trigger();
    w.toolbarButton(ToolbarButton::PrintTable)->trigger();
    EXPECT_TRUE(shownOver.isEmpty()) << "no analysis open: nothing, without a message";

    clickNode("KEY1");
    w.cmdOpen_Click();
    w.mnuPrint->trigger();
    w.toolbarButton(ToolbarButton::PrintTable)->trigger();
    EXPECT_EQ(shownOver, QList<QWidget*>({&w, &w}));
}

TEST_F(MainWindowTest, ExportToTableNeedsATableWindowInFront)
{
    db.insertAnalysis(1, "One");
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "A"}});
    frmMain& w = start();
    const QString text = "This screen cannot be exported to another format.  Only tabular screens may be exported.";
    {
        ScriptedMessages msgs;
        msgs.expect("Unable to Export", vbOK, text);
        w.mnuExportTable_Click();
        ASSERT_FALSE(msgs.shown().empty());
        EXPECT_EQ(msgs.shown().front().style, vbInformation);
    }
    clickNode("KEY1");
    w.cmdOpen_Click();
    w.mnuSiteInfo_Click();
    {
        ScriptedMessages msgs;
        msgs.expect("Unable to Export", vbOK, text);
        w.toolbarButton(ToolbarButton::ExportTable)->trigger();
    }
    w.mnuResults_Click();
    resultWindowLog().clear();
    w.mnuExportTable->trigger();
    EXPECT_EQ(resultWindowLog(), QStringList({"export:frmExceedResults"}));
}

TEST_F(MainWindowTest, AnalysisWindowsComeToTheFrontMaximisedOnlyWithAnAnalysisOpen)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    w.mnuSiteInfo_Click();
    w.Toolbar1_ButtonClick("Site COCs");
    EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));

    w.trvAnalysis->setCurrentItem(w.trvAnalysis->node("KEY1"));
    w.cmdOpen_Click();
    w.Toolbar1_ButtonClick("Site Information");
    FormWindow* site = Forms::find("frmSiteWMU");
    EXPECT_EQ(site->windowStateCode(), FormWindow::vbMaximized);
    EXPECT_EQ(w.mdiArea->activeSubWindow(), site->frame());
    w.mnuShowSiteCOCs->trigger();
    EXPECT_EQ(w.mdiArea->activeSubWindow(), Forms::find("frmSiteCOCs")->frame());
    EXPECT_EQ(Forms::find("frmSiteCOCs")->windowStateCode(), FormWindow::vbMaximized);
}

TEST_F(MainWindowTest, ImportChoosesTheReaderByFilterAndFirstLine)
{
    frmMain& w = start();
    QStringList calls;
    mainWindowServices().importV1File = [&](const QString& p) { calls << "v1:" + QFileInfo(p).fileName(); };
    mainWindowServices().importV2File = [&](const QString& p) { calls << "v2:" + QFileInfo(p).fileName(); };
    const QString folder = settingsFolder.path();
    writeFile(folder + "/text2.TVN", "Version 2.0\r\nrest");
    writeFile(folder + "/binary2.TVN", QByteArray("Version 2.0") + char(8) + char(0));
    writeFile(folder + "/old.TVN", "\"Sludge\",1\r\n");

    ScriptedFileDialogs dialogs;
    dialogs.answer(folder + "/text2.TVN", 1)
        .answer(folder + "/old.TVN", 2)
        .answer(folder + "/text2.TVN", 3)
        .answer(folder + "/binary2.TVN", 3)
        .answer(folder + "/old.TVN", 3)
        .answer(folder + "/missing.TVN", 3)
        .answer("", 3);
    for (int i = 0; i < 7; ++i)
        w.cmdImport_Click();
    EXPECT_EQ(calls, QStringList({"v1:text2.TVN", "v2:old.TVN", "v2:text2.TVN", "v1:binary2.TVN", "v1:old.TVN",
                                  "v1:missing.TVN"}));
    EXPECT_EQ(w.cdbOpen.Filter, "TOVI v.1.0 (*.TVN)|*.TVN|TOVI v.2.0 (*.TVN)|*.TVN|All Files (*.*)|*.*");
    ASSERT_FALSE(dialogs.requests().empty());
    EXPECT_FALSE(dialogs.requests().front().save);
}

TEST_F(MainWindowTest, ExportAndUpdateHandOver)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    QStringList calls;
    mainWindowServices().exportV2File = [&](const QString& p) {
        calls << "export:" + p + ":" + QString::number(frmMain::instance()->highlightedSiteKey());
    };
    mainWindowServices().updateAnalyses = [&] { calls << "update"; };
    clickNode("KEY1e");

    ScriptedFileDialogs dialogs;
    dialogs.answer("/tmp/out", 1).answer("");
    w.cmdExport_Click();
    w.mnuExport->trigger();
    w.cmdUpdateAnalyses->click();
    EXPECT_EQ(calls, QStringList({"export:/tmp/out:1", "update"}));
    EXPECT_EQ(w.cdbOpen.Filter, "TOVI Export (*.TVN)|*.TVN");
    ASSERT_FALSE(dialogs.requests().empty());
    EXPECT_TRUE(dialogs.requests().front().save);
}

TEST_F(MainWindowTest, TheTreeTakesImportedGroupsAndIsRebuiltFromTheTable)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    EXPECT_TRUE(w.addAnalysisGroup(analysisTreeNodes(5, "Imported", {})));
    EXPECT_FALSE(w.addAnalysisGroup(analysisTreeNodes(5, "Again", {}))) << "a listed key is refused";
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 18);
    EXPECT_TRUE(KeyedTree::isBold(w.trvAnalysis->node("KEY5")));
}

TEST_F(MainWindowTest, TheWindowMenuListsTheOpenChildWindows)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    emit w.mnuWindow->aboutToShow();
    QStringList items = itemsOf(w.mnuWindow);
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], "mnuCloseResults=&Close Results Screens");
    EXPECT_TRUE(items[1].endsWith("=-"));
    EXPECT_TRUE(items[2].endsWith("=Analysis Information and Control Settings (Steps 1 - 3)"));
    // Shown letter for letter: the caption's "&" is no access key.
    EXPECT_TRUE(items[3].endsWith("=Select Chemicals of Concern to be Modeled (Steps 4 && 5)"));
    EXPECT_TRUE(QKeySequence::mnemonic(w.mnuWindow->actions()[3]->text()).isEmpty());
    EXPECT_TRUE(w.mnuWindow->actions()[3]->isChecked()) << "the active window is ticked";

    Forms::find("frmSiteWMU")->setWindowStateCode(FormWindow::vbMinimized);   // chosen, it comes back
    w.mnuWindow->actions()[2]->trigger();
    EXPECT_EQ(w.mdiArea->activeSubWindow(), Forms::find("frmSiteWMU")->frame());
    EXPECT_EQ(Forms::find("frmSiteWMU")->windowStateCode(), FormWindow::vbNormal);
    w.mnuClose->trigger();   // the File menu's Close Analysis closes
    emit w.mnuWindow->aboutToShow();
    EXPECT_EQ(itemsOf(w.mnuWindow), QStringList({"mnuCloseResults=&Close Results Screens"}));
    EXPECT_EQ(state().gCurSiteKey, 0);
}

TEST_F(MainWindowTest, ExitUnloadsTheAdministratorWindowWhileTheDatabaseIsOpen)
{
    frmMain& w = start();
    loadForm("frmPassword")->showForm();
    w.mnuExit->trigger();
    EXPECT_EQ(resultWindowLog(), QStringList({"unload:frmPassword with the database"}));
    EXPECT_FALSE(state().gConn);
    EXPECT_FALSE(w.isVisible());
}
