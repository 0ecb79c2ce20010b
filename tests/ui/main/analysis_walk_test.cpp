// A user's way through the main window: first start, New, Save, Close, Open, Copy, Delete.

#include "main_window_fixture.h"

#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/settings.h"
#include "ui/main/analysis_session.h"
#include "ui/main/frmOpenAnalyses.h"
#include "ui/main/main_window_services.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kClosedCaption = QStringLiteral("TOVI v.3.0.35 - RCRA Subtitle D Quarvel Program");

QStringList nodeTexts(const KeyedTree& tree)
{
    QStringList texts;
    for (int p = 1; p <= tree.nodeCount(); ++p)
        texts << tree.nodeAt(p)->text(0);
    return texts;
}

}   // namespace

TEST_F(MainWindowTest, FirstStartOnAnEmptyDatabase)
{
    QStringList calls;
    mainWindowServices().scramblePassword = [&](const QString& p) {
        calls << QStringLiteral("scramble:") + p;
        return QStringLiteral("scrambled");
    };
    mainWindowServices().showChangesNotice = [&] {
        calls << QStringLiteral("notice");
        EXPECT_FALSE(frmMain::instance()->isVisible()) << "the notice comes before the window shows";
        return ChangesNoticeAnswer{false, true};
    };
    frmMain& w = start();

    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 0);
    EXPECT_EQ(w.windowTitle(), kClosedCaption + QLatin1Char(' '));
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
    EXPECT_EQ(calls, QStringList({"notice", "scramble:mizo4"}));
    EXPECT_EQ(GetSetting("TOVI", "Admin", "ShowChanges"), "No");
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Change"), "scrambled");
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
    EXPECT_EQ(w.rtfInstructions->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(state().gRsSiteInfo.isOpen()) << "start-up closes the record sets after the load";
}

TEST_F(MainWindowTest, SecondStartKeepsTheStoredSettings)
{
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "ShowChanges", "No"));
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "Change", "mine"));
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "Disclosure", "0"));
    bool noticeShown = false;
    mainWindowServices().showChangesNotice = [&] {
        noticeShown = true;
        return ChangesNoticeAnswer{};
    };
    mainWindowServices().scramblePassword = [](const QString&) { return QStringLiteral("scrambled"); };
    frmMain& w = start();
    EXPECT_FALSE(noticeShown);
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Change"), "mine");
    EXPECT_FALSE(w.mnuDisclosure->isChecked());
}

TEST_F(MainWindowTest, ViewingTheChangesWithoutTickingAsksAgainNextTime)
{
    bool documentShown = false;
    mainWindowServices().showChangesNotice = [] { return ChangesNoticeAnswer{true, false}; };
    mainWindowServices().showChangesDocument = [&] { documentShown = true; };
    start();
    EXPECT_TRUE(documentShown);
    EXPECT_EQ(GetSetting("TOVI", "Admin", "ShowChanges"), "");
}

TEST_F(MainWindowTest, StoredAnalysesFillTheTreeInStoredOrder)
{
    db.insertAnalysis(7, "Seven", {{"PETID", "P7"}, {"CITY", "Austin"}, {"STATE", "TX"}});
    db.insertAnalysis(2, "Two");
    db.insert("SITEINFO", {{"SITEKEY", 3}});   // no name
    frmMain& w = start();

    ASSERT_EQ(w.trvAnalysis->nodeCount(), 27);
    EXPECT_EQ(nodeTexts(*w.trvAnalysis).mid(0, 9),
              QStringList({"Seven", "Petition ID: P7", "Address 1: ", "Address 2: ", "City: Austin", "State: TX",
                           "Waste date: ", "Delisting date: ", "Performed by: "}));
    EXPECT_EQ(w.trvAnalysis->nodeAt(10)->text(0), "Two");
    EXPECT_EQ(w.trvAnalysis->nodeAt(19)->text(0), "") << "a missing name gives an empty node, the load goes on";
    EXPECT_TRUE(KeyedTree::isBold(w.trvAnalysis->node("KEY7")));
    EXPECT_FALSE(KeyedTree::isBold(w.trvAnalysis->node("KEY7d")));
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, NewSaveCloseAndOpenAgain)
{
    frmMain& w = start();

    w.cmdNew_Click();
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_EQ(w.txtCurSiteKey->text(), "1");
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 9);
    EXPECT_EQ(nodeTexts(*w.trvAnalysis),
              QStringList({"New Analysis", "Petition ID: ", "Address 1: ", "Address 2: ", "City: ", "State: ",
                           "Waste date: ", "Delisting date: ", "Performed by: "}));
    EXPECT_TRUE(KeyedTree::isBold(w.trvAnalysis->node("KEY1")));
    EXPECT_EQ(w.curNodeIndex(), 1);
    EXPECT_TRUE(isVisible("frmSiteWMU"));
    EXPECT_TRUE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_FALSE(isVisible("frmSiteCOCs")) << "New loads the constituent window without showing it";
    FormWindow* site = Forms::find("frmSiteWMU");
    EXPECT_FALSE(site->findChild<QWidget*>("cmdUpdateSiteInfo")->isEnabled());
    EXPECT_FALSE(site->findChild<QWidget*>("cmdCancel")->isEnabled());
    EXPECT_EQ(commandState(w), analysisOpenState());
    EXPECT_EQ(w.windowTitle(), kClosedCaption) << "New only closes, leaving Close's caption";
    EXPECT_EQ(db.count("SITEINFO"), 0) << "New writes nothing";

    fakeSite().inputs = inputsNamed("Plating sludge");
    fakeConstituents().casNumbers = {"7440-38-2", "7439-92-1"};
    editSiteWindow();
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_FALSE(w.cmdCopy->isEnabled());
    w.cmdSave_Click();

    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_EQ(field("SITEINFO", "FILENAME", 1), "Plating sludge");
    EXPECT_EQ(db.count("SITECOCS"), 2);
    EXPECT_EQ(nodeTexts(*w.trvAnalysis),
              QStringList({"Plating sludge", "Petition ID: P-17", "Address 1: 1 Mill Road",
                           "Address 2: ", "City: Springfield", "State: IL", "Waste date:  Mar-04-2009 ",
                           "Delisting date: ", "Performed by: J. Doe"}));
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.1.35 - RCRA Subtitle D Quarvel Program [Plating sludge]");
    EXPECT_EQ(state().gCurFileName, "Plating sludge");
    EXPECT_EQ(fakeConstituents().savedCalls, 1);
    // The "Save" column, and the constituent window's saved state for the toolbar's Save and Copy.
    EXPECT_EQ(commandState(w), with(analysisOpenState(), {{"cmdCopy", true}, {"tbCopyAnalysis", true}}));
    EXPECT_FALSE(site->findChild<QWidget*>("cmdUpdateSiteInfo")->isEnabled());
    EXPECT_FALSE(site->findChild<QWidget*>("cmdCancel")->isEnabled());
    EXPECT_TRUE(site->findChild<QWidget*>("cmdNext")->isEnabled());

    w.cmdClose_Click();   // no unsaved edits: nothing is asked
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 9) << "a saved analysis stays listed";
    EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));
    EXPECT_FALSE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_FALSE(state().gRsSiteInfo.isOpen());
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
    EXPECT_EQ(w.windowTitle(), kClosedCaption);

    clickNode("KEY1d");   // the City node opens its analysis
    EXPECT_EQ(commandState(w), with(noAnalysisOpenState(), {{"cmdOpen", true},
                                                            {"tbOpenAnalysis", true},
                                                            {"cmdDelete", true},
                                                            {"mnuDelete", true},
                                                            {"tbDeleteAnalysis", true},
                                                            {"cmdExport", true},
                                                            {"mnuExport", true},
                                                            {"tbExportAnalysis", true},
                                                            {"cmdCopy", true},
                                                            {"mnuCopy", true},
                                                            {"tbCopyAnalysis", true}}));
    w.cmdOpen_Click();
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_EQ(state().gRsSiteInfo.recordCount(), 1);
    EXPECT_EQ(state().gRsSiteCocs.recordCount(), 2);
    EXPECT_EQ(w.windowTitle(), kClosedCaption + " [Plating sludge]");
    EXPECT_TRUE(isVisible("frmSiteWMU"));
    EXPECT_TRUE(isVisible("frmSiteCOCs"));
    EXPECT_EQ(w.mdiArea->activeSubWindow(), Forms::find("frmSiteCOCs")->frame()) << "constituents in front";
    EXPECT_EQ(commandState(w), analysisOpenedState());
    EXPECT_EQ(mousePointer(&w), vbArrow);

    clickNode("KEY1");   // a click while an analysis is open keeps Delete off
    EXPECT_FALSE(w.cmdDelete->isEnabled());
    EXPECT_FALSE(w.mnuDelete->isEnabled());
    EXPECT_TRUE(w.cmdCopy->isEnabled());
}

TEST_F(MainWindowTest, DoubleClickOpensAndNewReusesTheKeyOfANeverSavedAnalysis)
{
    db.insertAnalysis(1, "One");
    db.insertAnalysis(7, "Seven");
    frmMain& w = start();

    w.cmdNew_Click();
    EXPECT_EQ(state().gCurSiteKey, 8) << "the largest stored key plus one";
    fakeConstituents().casNumbers = {"50-00-0"};
    // The constituent window saved rows of the never-saved analysis on its own.
    ASSERT_TRUE(saveAnalysisInputs(state(), {.constituents = fakeConstituentRows()}).ok());
    db.insert("GWDelisting", {{"SITEKEY", 8}, {"ChemCas", "50-00-0"}});
    EXPECT_EQ(db.count("SITECOCS"), 1);

    w.cmdNew_Click();   // closes the never-saved analysis first
    EXPECT_EQ(state().gCurSiteKey, 8);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 27) << "one New Analysis group";
    EXPECT_EQ(db.count("SITECOCS"), 0) << "what the never-saved analysis stored is gone";
    EXPECT_EQ(db.count("GWDelisting"), 0);

    // A double click as the window system delivers it: press, release, press, release.
    const QPoint seven = w.trvAnalysis->visualItemRect(w.trvAnalysis->node("KEY7")).center();
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, w.trvAnalysis->viewport()->mapTo(&w, seven));
    EXPECT_EQ(state().gCurSiteKey, 7);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 18) << "the New Analysis group left with its Close";
    EXPECT_EQ(w.windowTitle(), kClosedCaption + " [Seven]");
    EXPECT_EQ(commandState(w), analysisOpenedState()) << "the double click's second click is no tree click";
}

TEST_F(MainWindowTest, OpeningTheNeverSavedGroupItselfOpensNothing)
{
    frmMain& w = start();
    w.cmdNew_Click();
    clickNode("KEY1");
    ScriptedMessages msgs;
    msgs.expect("Unable to Save");
    w.cmdOpen_Click();
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 0);
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, OpenWithNothingHighlightedClosesTheOpenAnalysisAndReports)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    w.trvAnalysis->clearSelection();

    ScriptedMessages msgs;
    msgs.expect("Unable to Save", vbOK,
                "The program experienced the following error: No analysis is highlighted in the list of "
                "analyses.\r\nError Number: 100004");
    w.cmdOpen_Click();
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));
    EXPECT_EQ(mousePointer(&w), vbArrow);
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

// New, Open and Close from the main window, and Open through the File menu's list, ask before
// they discard unsaved input: Yes saves, No discards, a failed save keeps the analysis open.
struct DiscardingCommand {
    const char* name;
    std::function<void(frmMain&)> run;
    qint32 keyAfter;   // the analysis open after it; 0 none, -1 a new one
};

void PrintTo(const DiscardingCommand& command, std::ostream* out)
{
    *out << command.name;
}

class AskingBeforeDiscarding : public MainWindowTest, public ::testing::WithParamInterface<DiscardingCommand> {};

TEST_P(AskingBeforeDiscarding, YesSavesNoDiscardsAndAFailedSaveKeepsTheAnalysis)
{
    db.insertAnalysis(1, "One", {{"PETID", "P1"}});
    db.insertAnalysis(2, "Two");
    frmMain& w = start();
    const qint32 expectedKey = GetParam().keyAfter < 0 ? 3 : GetParam().keyAfter;
    auto openAndEdit = [&](const QString& name) {
        clickNode("KEY1");
        w.cmdOpen_Click();
        fakeSite().inputs = inputsNamed(name);
        editSiteWindow();
        clickNode("KEY2");
    };

    openAndEdit("Kept");
    fakeSite().numbersPass = false;   // the save refuses: nothing is discarded
    {
        ScriptedMessages msgs;
        msgs.expect("Save Changes", vbYes, "Do you want to save your changes?").expect("Invalid Input");
        GetParam().run(w);
    }
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_TRUE(w.cmdSave->isEnabled());
    fakeSite().numbersPass = true;

    {
        ScriptedMessages msgs;
        msgs.expect("Save Changes", vbYes);
        GetParam().run(w);
    }
    EXPECT_EQ(field("SITEINFO", "FILENAME", 1), "Kept");
    EXPECT_EQ(state().gCurSiteKey, expectedKey);

    w.cmdClose_Click();
    openAndEdit("Dropped");
    const QByteArray before = db.checksum();
    {
        ScriptedMessages msgs;
        msgs.expect("Save Changes", vbNo);
        GetParam().run(w);
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(state().gCurSiteKey, expectedKey);
    // Nothing unsaved, nothing asked (no script: a question would fail the test).
    GetParam().run(w);
}

INSTANTIATE_TEST_SUITE_P(Commands, AskingBeforeDiscarding,
                         ::testing::Values(DiscardingCommand{"New", [](frmMain& w) { w.cmdNew_Click(); }, -1},
                                           DiscardingCommand{"Open", [](frmMain& w) { w.cmdOpen_Click(); }, 2},
                                           DiscardingCommand{"Close", [](frmMain& w) { w.cmdClose_Click(); }, 0},
                                           DiscardingCommand{"OpenFromTheList",
                                                             [](frmMain& w) {
                                                                 frmOpenAnalyses dialog(w.session());
                                                                 dialog.lstAnalyses->setCurrentRow(1);
                                                                 dialog.cmdOpen->click();
                                                             },
                                                             2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ClosingAnInputWindowWithUnsavedEditsAsksAndSaves)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    fakeSite().inputs = inputsNamed("Renamed");
    editSiteWindow();

    {
        ScriptedMessages msgs;
        msgs.expect("Close Analysis", vbNo);
        EXPECT_FALSE(Forms::find("frmSiteWMU")->unload());
        EXPECT_EQ(state().gCurSiteKey, 1) << "No keeps the analysis open";
    }
    {
        ScriptedMessages msgs;
        msgs.expect("Close Analysis", vbYes).expect("Save Changes", vbYes);
        Forms::find("frmSiteWMU")->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(field("SITEINFO", "FILENAME", 1), "Renamed");
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));
    EXPECT_FALSE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_EQ(w.trvAnalysis->node("KEY1")->text(0), "Renamed");
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, ClosingAnInputWindowAndDecliningTheSaveKeepsTheStoredAnalysis)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    fakeSite().inputs = inputsNamed("Renamed");
    editConstituentWindow();
    const QByteArray before = db.checksum();

    ScriptedMessages msgs;
    msgs.expect("Close Analysis", vbYes).expect("Save Changes", vbNo);
    Forms::find("frmSiteCOCs")->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksOnlyWithUnsavedEdits)
{
    db.insertAnalysis(1, "One");
    {
        frmMain& w = start();
        clickNode("KEY1");
        w.cmdOpen_Click();
        fakeSite().inputs = inputsNamed("Renamed");
        editSiteWindow();
        ScriptedMessages msgs;
        msgs.expect("Save Changes", vbYes, "Do you want to save your changes?");
        w.close();
        EXPECT_FALSE(state().gConn) << "the unload closes the connection";
        EXPECT_FALSE(Forms::isLoaded("frmSiteWMU"));
    }
    auto conn = Connection::open(db.path());
    ASSERT_TRUE(conn.ok());
    EXPECT_EQ((*conn)->scalar("SELECT FILENAME FROM SITEINFO WHERE SITEKEY = 1")->toString(), "Renamed");
}

TEST_F(MainWindowTest, ClosingTheMainWindowAndDecliningTheSaveWritesNothing)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    fakeSite().inputs = inputsNamed("Renamed");
    editSiteWindow();
    const QByteArray before = db.checksum();
    {
        ScriptedMessages msgs;
        msgs.expect("Save Changes", vbNo);
        w.close();
    }
    auto conn = Connection::open(db.path());
    ASSERT_TRUE(conn.ok());
    EXPECT_EQ((*conn)->scalar("SELECT FILENAME FROM SITEINFO WHERE SITEKEY = 1")->toString(), "One");
}

TEST_F(MainWindowTest, ClosingTheMainWindowWithoutEditsAsksNothing)
{
    frmMain& w = start();
    w.mnuExit_Click();   // a question would fail: no script is installed and no dialog can answer
    EXPECT_FALSE(state().gConn);
}

TEST_F(MainWindowTest, ExitDropsWhatANeverSavedAnalysisStoredSoTheNextNewStartsEmpty)
{
    db.insertAnalysis(1, "One");
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "7440-38-2"}});
    frmMain& w = start();
    w.cmdNew_Click();
    ASSERT_EQ(state().gCurSiteKey, 2);
    // The constituent window saved rows of the never-saved analysis on its own.
    fakeConstituents().casNumbers = {"50-00-0"};
    ASSERT_TRUE(saveAnalysisInputs(state(), {.constituents = fakeConstituentRows()}).ok());
    db.insert("GWDelisting", {{"SITEKEY", 2}, {"ChemCas", "50-00-0"}});
    db.insert("DelistCOCS", {{"SITEKEY", 2}});

    w.mnuExit_Click();
    EXPECT_FALSE(state().gConn);
    auto conn = Connection::open(db.path());
    ASSERT_TRUE(conn.ok());
    for (const char* table : {"SITECOCS", "GWDelisting", "DelistCOCS"})
        EXPECT_EQ((*conn)->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE SITEKEY = 2").arg(table))->toInt(), 0)
            << table;
    EXPECT_EQ((*conn)->scalar("SELECT COUNT(*) FROM SITECOCS WHERE SITEKEY = 1")->toInt(), 1)
        << "stored analyses keep their rows";
}

TEST_F(MainWindowTest, OpenThroughTheListShowsOnlyTheConstituentWindow)
{
    db.insertAnalysis(1, "One");
    db.insertAnalysis(2, "Two");
    frmMain& w = start();
    w.cmdNew_Click();   // a never-saved group before the chosen one leaves with the Close

    frmOpenAnalyses dialog(w.session());
    ASSERT_EQ(dialog.lstAnalyses->count(), 3);
    EXPECT_EQ(dialog.windowTitle(), "Open Analysis");
    EXPECT_EQ(dialog.lstAnalyses->item(1)->text(), "Two");
    EXPECT_EQ(dialog.lstAnalyses->item(1)->data(Qt::UserRole).toInt(), 11);
    EXPECT_TRUE(dialog.lstAnalyses->selectedItems().isEmpty());
    dialog.lstAnalyses->item(1)->setSelected(true);
    dialog.cmdOpen_Click();

    EXPECT_EQ(state().gCurSiteKey, 2);
    EXPECT_EQ(state().gCurFileName, "Two");
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 18);
    EXPECT_FALSE(isVisible("frmSiteWMU"));
    EXPECT_TRUE(Forms::isLoaded("frmSiteWMU"));
    EXPECT_TRUE(isVisible("frmSiteCOCs"));
    FormWindow* cocs = Forms::find("frmSiteCOCs");
    EXPECT_FALSE(cocs->findChild<QWidget*>("cmdUpdateSiteCOCs")->isEnabled());
    EXPECT_FALSE(cocs->findChild<QWidget*>("cmdCancel")->isEnabled());
    EXPECT_TRUE(Forms::find("frmSiteWMU")->findChild<QWidget*>("cmdNext")->isEnabled());
    EXPECT_EQ(w.windowTitle(), kClosedCaption + " [Two]");
    EXPECT_EQ(commandState(w), analysisOpenedState());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, TheListFromTheFileMenuOpensAndItsCancelChangesNothing)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmOpenAnalyses*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    w.mnuOpen->trigger();
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_EQ(commandState(w), analysisOpenedState());

    w.cmdClose_Click();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmOpenAnalyses*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QListWidgetItem* one = dialog->lstAnalyses->item(0);
        const QPoint at = dialog->lstAnalyses->visualItemRect(one).center();
        QTest::mouseClick(dialog->lstAnalyses->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dialog->lstAnalyses->viewport(), Qt::LeftButton, {}, at);
        if (dialog->isVisible())
            dialog->reject();   // the double click did not end it: let the test report
    });
    w.mnuOpen->trigger();
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, OpenThroughTheListWithNoEntryChosenEndsWithNoAnalysisOpen)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    frmOpenAnalyses dialog(w.session());
    ScriptedMessages msgs;
    msgs.expect("Unable to Save");
    dialog.cmdOpen_Click();
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, CopyTwiceGivesTheNextFreeNames)
{
    db.insertAnalysis(1, "Sludge", {{"PETID", "P1"}, {"USERNAME", "Ann"}});
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "7440-38-2"}, {"GWINGh", 0.5}});
    frmMain& w = start();
    clickNode("KEY1b");   // a detail node copies its analysis

    w.cmdCopy_Click();
    w.cmdCopy_Click();
    clickNode("KEY1");
    w.toolbarButton(ToolbarButton::CopyAnalysis)->trigger();

    ASSERT_EQ(w.trvAnalysis->nodeCount(), 36);
    EXPECT_EQ(w.trvAnalysis->nodeAt(10)->text(0), "Copy of Sludge");
    EXPECT_EQ(w.trvAnalysis->nodeAt(19)->text(0), "Copy of Sludge(1)");
    EXPECT_EQ(w.trvAnalysis->nodeAt(28)->text(0), "Copy of Sludge(2)");
    EXPECT_EQ(KeyedTree::keyOf(w.trvAnalysis->nodeAt(28)), "KEY4");
    EXPECT_EQ(w.trvAnalysis->nodeAt(29)->text(0), "Petition ID: P1");
    EXPECT_EQ(w.trvAnalysis->nodeAt(36)->text(0), "Performed by: Ann");
    EXPECT_EQ(field("SITECOCS", "GWINGh", 3).toDouble(), 0.5) << "the copy keeps the results";
    EXPECT_EQ(w.trvAnalysis->currentItem(), w.trvAnalysis->node("KEY1")) << "Copy does not select the copy";
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(state().gRsSiteInfo.isOpen());
}

TEST_F(MainWindowTest, CopyOfTheOpenAnalysisIgnoresTheHighlightAndRefusesANeverSavedOne)
{
    db.insertAnalysis(1, "One");
    db.insertAnalysis(2, "Two");
    frmMain& w = start();
    clickNode("KEY2");
    w.cmdOpen_Click();
    clickNode("KEY1");
    w.cmdCopy_Click();
    EXPECT_EQ(w.trvAnalysis->nodeAt(19)->text(0), "Copy of Two");
    EXPECT_EQ(state().gRsSiteInfo.recordCount(), 1) << "the open analysis keeps its record sets";

    w.cmdNew_Click();
    const QByteArray before = db.checksum();
    ScriptedMessages msgs;
    msgs.expect("Unable to Copy", vbOK,
                "The program experienced the following error: The analysis has not been saved.\r\nError Number: "
                "100008");
    w.cmdCopy_Click();
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 36);
}

TEST_F(MainWindowTest, DeleteAsksFirstAndRemovesEveryRowOfTheAnalysis)
{
    db.insertAnalysis(1, "One");
    db.insertAnalysis(2, "Two");
    for (const char* table : {"SITECOCS", "DelistCOCS", "GWDelisting"})
        db.insert(table, {{"SITEKEY", 2}});
    frmMain& w = start();
    clickNode("KEY2h");
    const QByteArray before = db.checksum();
    {
        ScriptedMessages msgs;
        msgs.expect("Confirm Delete", vbNo,
                    "Are you sure you want to delete the selected analysis?  You won't be able to undo this action.");
        w.cmdDelete_Click();
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 18);
    {
        ScriptedMessages msgs;
        msgs.expect("Confirm Delete", vbYes);
        w.toolbarButton(ToolbarButton::DeleteAnalysis)->trigger();
    }
    EXPECT_EQ(w.trvAnalysis->nodeCount(), 9);
    EXPECT_EQ(w.trvAnalysis->nodeAt(1)->text(0), "One");
    for (const char* table : {"SITEINFO", "WMUINFO", "SITECOCS", "DelistCOCS", "GWDelisting"})
        EXPECT_EQ(field(table, "COUNT(*)", 2).toInt(), 0) << table;
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, TheOpenAnalysisCannotBeDeleted)
{
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    EXPECT_FALSE(w.cmdDelete->isEnabled());
    EXPECT_FALSE(w.mnuDelete->isEnabled());
    EXPECT_FALSE(w.toolbarButton(ToolbarButton::DeleteAnalysis)->isEnabled());
    clickNode("KEY1a");
    EXPECT_FALSE(w.cmdDelete->isEnabled()) << "a click while it is open keeps Delete off";

    w.cmdDelete_Click();   // reached anyway: nothing is asked, nothing deleted
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_EQ(state().gCurSiteKey, 1);
    EXPECT_TRUE(Forms::isLoaded("frmSiteWMU"));
}

TEST_F(MainWindowTest, TheInputWindowsReachTheMainWindowOnlyWhileItLives)
{
    frmMain& w = start();
    EXPECT_EQ(analysisHost(), &w.session());
    delete &w;
    EXPECT_EQ(analysisHost(), nullptr) << "no host outlives its window";
}
