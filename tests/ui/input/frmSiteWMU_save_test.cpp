// Update Information, Cancel Changes, the main window's Save through this window, and
// Calculate Delisting Levels.

#include "site_window_fixture.h"

#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "ui/input/site_window_services.h"

#include <QProgressBar>

namespace {

const QString kNeedSiteId = QStringLiteral(
    "Please enter a unique File Name before updating the database.  This name will be used to reference the "
    "analysis.");
const QString kAnalysisExists = QStringLiteral(
    "The 'Analysis Filename' that you entered already exists in the database.  Please choose another name for "
    "this analysis.");
const QString kUpdateError = QStringLiteral(
    "TOVI experienced an error while trying to update and could not update your analysis.  Please verify that "
    "the information is correct and try again.");

QStringList nodeTexts(frmMain& main, qint32 key)
{
    QTreeWidgetItem* root = main.trvAnalysis->node(QStringLiteral("KEY%1").arg(key));
    QStringList texts = {root ? root->text(0) : QString()};
    for (int i = 0; root && i < root->childCount(); ++i)
        texts << root->child(i)->text(0);
    return texts;
}

}   // namespace

class SiteWindowSave : public SiteWindowTest {
protected:
    // Every input of a new analysis, as the user enters them.
    void fillEveryField()
    {
        frmSiteWMU& w = site();
        activateSite();
        w.cmbRegion->setCurrentIndex(9);
        type(w.txtPetitionID, "KOR-2009-017");
        type(w.txtFileName, "Plating sludge");
        type(w.txtSiteID, "Acme Plating");
        type(w.txtFacID1, "1 Mill Road");
        type(w.txtFacID2, "Suite 4");
        type(w.txtCity, "Columbus");
        w.cmbState->setCurrentIndex(w.cmbState->findText("OH - Ohio"));
        type(w.txtZipCode, "43215");
        type(w.txtWasteDesc, "Wastewater treatment sludge");
        type(w.txtWasteCode, "F006, F019");
        type(w.txtUserName, "J. Doe");
        type(w.txtDelistDate, "6/30/2009");
        leave(w.txtDelistDate, w.txtSubmitDate);
        type(w.txtSubmitDate, "2009-03-04");
        leave(w.txtSubmitDate, w.txtCity);
        type(w.rtfComments, "Four rounds.");
        w.optSurfaceImpoundment->click();
        type(w.txtVolume, "2500");
        w.cmbVolumeUnits->setCurrentIndex(2);
        type(w.txtFlowRate, "12.3");
        w.optMultiBatch->click();
        w.txtActiveLife->setText("\r\n30\r\n");   // as a paste from a spreadsheet leaves it
        w.cmbRiskValue->setCurrentIndex(0);
        w.cmbHQValue->setCurrentIndex(0);
    }

    qint32 saveNew(const QString& name)
    {
        newAnalysis();
        type(site().txtFileName, name);
        type(site().txtVolume, "100");
        site().cmdUpdateSiteInfo_Click();
        return state().gCurSiteKey;
    }
};

TEST_F(SiteWindowSave, EveryFieldIsStoredAndComesBack)
{
    newAnalysis();
    const qint32 key = state().gCurSiteKey;
    fillEveryField();
    site().cmdUpdateSiteInfo_Click();

    const std::pair<const char*, QVariant> siteFields[] = {{"FILENAME", "Plating sludge"},
                                                           {"PETNAME", "Acme Plating"},
                                                           {"PETID", "KOR-2009-017"},
                                                           {"FACID1", "1 Mill Road"},
                                                           {"FACID2", "Suite 4"},
                                                           {"CITY", "Columbus"},
                                                           {"STATE", "OH"},
                                                           {"ZIPCODE", "43215"},
                                                           {"ANALDATE", " Mar-04-2009 "},
                                                           {"DLSTDATE", " Jun-30-2009 "},
                                                           {"USERNAME", "J. Doe"},
                                                           {"COMMENTS", "Four rounds."},
                                                           {"KORRGION", 9},
                                                           {"WSTEDESC", "Wastewater treatment sludge"},
                                                           {"WSTECODE", "F006, F019"}};
    for (const auto& [column, value] : siteFields)
        EXPECT_EQ(field("SITEINFO", column, key), value) << column;
    EXPECT_EQ(field("WMUINFO", "WMUTYPE", key).toString(), "SI");
    EXPECT_EQ(field("WMUINFO", "WVOLUNIT", key).toInt(), 2);
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", key).toDouble(), 2500.0);
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", key).toDouble(), double(12.3f)) << "held in single precision";
    EXPECT_EQ(field("WMUINFO", "ACTVLIFE", key).toDouble(), 30.0);
    EXPECT_EQ(field("WMUINFO", "RISKFACT", key).toDouble(), 1e-4);
    EXPECT_EQ(field("WMUINFO", "HQFACT", key).toDouble(), 0.1);

    frmSiteWMU& w = site();
    EXPECT_FALSE(w.cmdUpdateSiteInfo->isEnabled());
    EXPECT_FALSE(w.cmdCancel->isEnabled());
    EXPECT_TRUE(w.cmdNext->isEnabled());
    EXPECT_FALSE(main().cmdSave->isEnabled());
    EXPECT_TRUE(main().cmdCopy->isEnabled());
    EXPECT_TRUE(main().toolbarButton(ToolbarButton::SaveAnalysis)->isEnabled()) << "the toolbar is not touched";
    EXPECT_EQ(state().gCurFileName, "Plating sludge");
    w.setWindowStateCode(FormWindow::vbNormal);   // a maximised child shows its caption in the main window's
    EXPECT_EQ(main().windowTitle(), "TOVI v.3.0 - RCRA Subtitle D Quarvel Program [Plating sludge]");
    EXPECT_EQ(nodeTexts(main(), key),
              QStringList({"Plating sludge", "Petition ID: KOR-2009-017", "Address 1: 1 Mill Road",
                           "Address 2: Suite 4", "City: Columbus", "State: OH", "Waste date:  Mar-04-2009 ",
                           "Delisting date:  Jun-30-2009 ", "Performed by: J. Doe"}));

    main().cmdClose_Click();
    ASSERT_FALSE(siteLoaded());
    openAnalysis(key);
    frmSiteWMU& again = site();
    EXPECT_EQ(again.txtFileName->text(), "Plating sludge");
    EXPECT_EQ(again.txtSiteID->text(), "Acme Plating");
    EXPECT_EQ(again.txtPetitionID->text(), "KOR-2009-017");
    EXPECT_EQ(again.txtFacID2->text(), "Suite 4");
    EXPECT_EQ(again.cmbState->currentText(), "OH - Ohio");
    EXPECT_EQ(again.cmbRegion->currentText(), "10");
    EXPECT_EQ(again.txtDelistDate->text(), " Jun-30-2009 ");
    EXPECT_EQ(again.txtSubmitDate->text(), " Mar-04-2009 ");
    EXPECT_EQ(again.rtfComments->toPlainText(), "Four rounds.");
    EXPECT_TRUE(again.optSurfaceImpoundment->isChecked());
    EXPECT_TRUE(again.optMultiBatch->isChecked());
    EXPECT_EQ(again.txtActiveLife->text(), "30");
    EXPECT_EQ(again.txtVolume->text(), "2500");
    EXPECT_EQ(again.cmbVolumeUnits->currentText(), "m³");
    EXPECT_EQ(again.txtFlowRate->text(), "12.3");
    EXPECT_EQ(again.cmbRiskValue->currentText(), "0.0001");
    EXPECT_EQ(again.cmbHQValue->currentText(), "0.1");
    EXPECT_EQ(again.txtWasteCode->text(), "F006, F019");
}

TEST_F(SiteWindowSave, UpdateInformationRefusesIncompleteInput)
{
    newAnalysis();
    frmSiteWMU& w = site();
    activateSite();
    const QByteArray empty = db.checksum();
    w.cmdUpdateSiteInfo->setEnabled(true);

    messages.expect("Need Site ID", vbOK, kNeedSiteId);
    w.cmdUpdateSiteInfo_Click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().style, vbExclamation);
    EXPECT_TRUE(w.cmdUpdateSiteInfo->isEnabled()) << "no button changes";

    type(w.txtFileName, "Sludge");
    w.txtFlowRate->setText("1,000");
    messages.expect("Invalid Input");
    w.cmdUpdateSiteInfo_Click();
    EXPECT_EQ(focused(), w.txtFlowRate);

    w.txtFlowRate->setText("5");
    messages.expect("Update Error", vbOK, kUpdateError);
    w.cmdUpdateSiteInfo_Click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().style, vbCritical);
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(db.checksum(), empty) << "nothing is written";
    EXPECT_EQ(state().gRsSiteInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_EQ(state().gRsWmuInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_TRUE(w.cmdUpdateSiteInfo->isEnabled());

    type(w.txtVolume, "100");
    w.txtFlowRate->setText("");
    messages.expect("Update Error");
    w.cmdUpdateSiteInfo_Click();
    EXPECT_EQ(db.count("SITEINFO"), 0) << "an empty flow rate is no number, for a landfill too";

    w.txtFlowRate->setText(" 5 ");
    w.cmdUpdateSiteInfo_Click();
    EXPECT_EQ(db.count("SITEINFO"), 1) << "the corrected retry succeeds";
    EXPECT_EQ(db.count("WMUINFO"), 1);
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", state().gCurSiteKey).toDouble(), 5.0);
    EXPECT_FALSE(w.cmdUpdateSiteInfo->isEnabled());
}

TEST_F(SiteWindowSave, ATakenNameIsRefusedAndACorrectedOneStored)
{
    db.insertAnalysis(1, "Taken", {{"CITY", "Gary"}});
    listStoredAnalyses();
    newAnalysis();
    const qint32 key = state().gCurSiteKey;
    type(site().txtFileName, "TAKEN");
    type(site().txtVolume, "100");
    messages.expect("Analysis Exists", vbOK, kAnalysisExists);
    site().cmdUpdateSiteInfo_Click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().style, vbInformation);
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_EQ(db.count("WMUINFO"), 1);
    EXPECT_EQ(nodeTexts(main(), key)[0], "New Analysis");

    type(site().txtFileName, "Taken too");
    site().cmdUpdateSiteInfo_Click();
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(field("SITEINFO", "FILENAME", key).toString(), "Taken too");
    EXPECT_EQ(nodeTexts(main(), key)[0], "Taken too");

    // A stored analysis renamed to a taken name keeps its stored row.
    type(site().txtFileName, "Taken");
    type(site().txtCity, "Hammond");
    messages.expect("Analysis Exists");
    site().cmdUpdateSiteInfo_Click();
    EXPECT_EQ(field("SITEINFO", "FILENAME", key).toString(), "Taken too");
    EXPECT_EQ(field("SITEINFO", "CITY", key).toString(), "");
    EXPECT_EQ(state().gCurFileName, "Taken too");
    type(site().txtFileName, "Third");
    site().cmdUpdateSiteInfo_Click();
    EXPECT_EQ(field("SITEINFO", "CITY", key).toString(), "Hammond");
    EXPECT_EQ(db.count("SITEINFO"), 2);

    // Renamed meanwhile in another copy: refused in the general form, and what was typed stays.
    db.conn().exec("UPDATE SITEINFO SET FILENAME = 'Elsewhere' WHERE SITEKEY = ?", {key}).value();
    type(site().txtCity, "Gary");
    messages.expect("Update Error");
    site().cmdUpdateSiteInfo_Click();
    EXPECT_TRUE(messages.shown().back().text.startsWith("The program experienced the following error: "));
    EXPECT_EQ(field("SITEINFO", "FILENAME", key).toString(), "Elsewhere");
    EXPECT_EQ(site().txtCity->text(), "Gary");
}

TEST_F(SiteWindowSave, NamesAndNumbersAreStoredAsTyped)
{
    newAnalysis();
    const qint32 key = state().gCurSiteKey;
    type(site().txtFileName, " ");
    type(site().txtVolume, "1.5E3");
    site().optMultiBatch->click();
    type(site().txtActiveLife, "");
    type(site().cmbRiskValue, "2E-5");
    site().cmdUpdateSiteInfo_Click();
    EXPECT_EQ(field("SITEINFO", "FILENAME", key).toString(), " ") << "a blank name is a name";
    EXPECT_EQ(field("SITEINFO", "STATE", key), QVariant(QString(""))) << "an empty text, not NULL";
    EXPECT_EQ(field("SITEINFO", "KORRGION", key).toInt(), -1);
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", key).toDouble(), 1500.0);
    EXPECT_EQ(field("WMUINFO", "ACTVLIFE", key).toDouble(), 0.0);
    EXPECT_EQ(field("WMUINFO", "RISKFACT", key).toDouble(), 2e-5);
    ASSERT_GT(nodeTexts(main(), key).size(), 5);
    EXPECT_EQ(nodeTexts(main(), key)[5], "State: ");
}

TEST_F(SiteWindowSave, UnsavedConstituentsKeepTheMainSaveEnabled)
{
    newAnalysis();
    type(site().txtFileName, "Sludge");
    type(site().txtVolume, "100");
    setConstituentsEdited(true);
    site().cmdUpdateSiteInfo_Click();
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_FALSE(site().cmdUpdateSiteInfo->isEnabled());
    EXPECT_TRUE(main().cmdSave->isEnabled());
    EXPECT_FALSE(main().cmdCopy->isEnabled());
}

TEST_F(SiteWindowSave, CancelChangesPutsTheStoredValuesBack)
{
    db.insertAnalysis(
        1, "Stored",
        {{"CITY", "Gary"}, {"STATE", ""}, {"KORRGION", 0}, {"DLSTDATE", "someday"}, {"COMMENTS", "{\\rtf1 Old\\par}"}},
        {{"WMUTYPE", "LF"}, {"RISKFACT", 1e-4}, {"FLOWRATE", QVariant()}, {"WVOLUNIT", 1}});
    listStoredAnalyses();
    openAnalysis(1);
    frmSiteWMU& w = site();
    type(w.txtCity, "Hammond");
    w.cmbState->setCurrentIndex(4);
    w.cmbRegion->setCurrentIndex(6);
    type(w.txtDelistDate, "1/1/2010");
    type(w.rtfComments, "New");
    w.optSurfaceImpoundment->click();
    type(w.txtVolume, "9");
    type(w.txtFlowRate, "3");
    w.cmbRiskValue->setCurrentIndex(2);
    w.cmbVolumeUnits->setCurrentIndex(2);

    messages.expect("Cancel Changes?", vbNo, "Are you sure you want to Cancel all changes?");
    w.cmdCancel_Click();
    EXPECT_EQ(w.txtCity->text(), "Hammond");
    EXPECT_TRUE(w.cmdCancel->isEnabled());
    EXPECT_FALSE(w.cmdNext->isEnabled());

    messages.expect("Cancel Changes?", vbYes);
    w.cmdCancel_Click();
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(w.txtCity->text(), "Gary");
    EXPECT_EQ(w.cmbState->currentIndex(), -1);
    EXPECT_EQ(w.cmbRegion->currentText(), "1");
    EXPECT_EQ(w.txtDelistDate->text(), "someday") << "as stored";
    EXPECT_EQ(w.rtfComments->toPlainText(), "Old");
    EXPECT_TRUE(w.optLandfill->isChecked());
    EXPECT_TRUE(w.pctLF->isVisibleTo(&w));
    EXPECT_EQ(w.txtVolume->text(), "1000");
    EXPECT_EQ(w.txtFlowRate->text(), "100");
    EXPECT_EQ(w.cmbRiskValue->currentText(), "0.0001");
    EXPECT_EQ(w.cmbVolumeUnits->currentText(), "ft³");
    EXPECT_FALSE(w.cmdUpdateSiteInfo->isEnabled());
    EXPECT_FALSE(w.cmdCancel->isEnabled());
    EXPECT_TRUE(w.cmdNext->isEnabled());
    EXPECT_TRUE(main().cmdCopy->isEnabled());
    EXPECT_TRUE(main().cmdSave->isEnabled()) << "Save stays as the reload left it";
}

TEST_F(SiteWindowSave, CancelChangesOfANewAnalysisRestoresTheDefaults)
{
    newAnalysis();
    fillEveryField();
    messages.expect("Cancel Changes?", vbYes);
    site().cmdCancel_Click();
    frmSiteWMU& w = site();
    EXPECT_EQ(w.txtFileName->text(), "");
    EXPECT_EQ(w.txtCity->text(), "");
    EXPECT_EQ(w.cmbState->currentIndex(), -1);
    EXPECT_EQ(w.cmbRegion->currentIndex(), -1);
    EXPECT_EQ(w.rtfComments->toPlainText(), "");
    EXPECT_TRUE(w.optLandfill->isChecked());
    EXPECT_TRUE(w.optSingleBatch->isChecked());
    EXPECT_EQ(w.txtActiveLife->text(), "1");
    EXPECT_EQ(w.txtVolume->text(), "");
    EXPECT_EQ(w.txtFlowRate->text(), "10");
    EXPECT_EQ(w.cmbVolumeUnits->currentText(), "yd³");
    EXPECT_EQ(w.cmbRiskValue->currentText(), "1E-5");
    EXPECT_EQ(w.cmbHQValue->currentText(), "1.0");
    EXPECT_EQ(state().gRsSiteInfo.editMode(), Recordset::EditMode::AddNew);
}

TEST_F(SiteWindowSave, TheMainWindowsSaveReadsThisWindow)
{
    newAnalysis();
    const qint32 key = state().gCurSiteKey;
    fillEveryField();
    type(site().txtFlowRate, "7.5 m3");
    messages.expect("Invalid Input");
    main().cmdSave_Click();
    EXPECT_EQ(db.count("SITEINFO"), 0);

    type(site().txtFlowRate, "7.5");
    main().cmdSave_Click();
    EXPECT_EQ(field("SITEINFO", "STATE", key).toString(), "OH");
    EXPECT_EQ(field("SITEINFO", "KORRGION", key).toInt(), 9);
    EXPECT_EQ(field("SITEINFO", "COMMENTS", key).toString(), "Four rounds.");
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", key).toDouble(), 7.5);
    EXPECT_EQ(field("WMUINFO", "WVOLUNIT", key).toInt(), 2);
    EXPECT_FALSE(site().cmdUpdateSiteInfo->isEnabled());
    EXPECT_FALSE(site().cmdCancel->isEnabled());
    EXPECT_TRUE(site().cmdNext->isEnabled());
}

// ---- Calculate Delisting Levels ---------------------------------------------------------

class CalculateDelistingLevels : public SiteWindowSave {
protected:
    struct Seen {
        int runs = 0;
        bool barVisible = false;
        int pointer = -1;
        qint32 storedKey = 0;
        QVariant storedVolume;
        std::vector<int> values;
    };

    // A run that refills DelistCOCS for two chemicals and steps the window's bar.
    void installRun()
    {
        siteWindowServices().runDelistingAnalysis = [this](QProgressBar& bar) {
            ProgramState& st = state();
            ++seen.runs;
            seen.barVisible = bar.isVisible();
            seen.pointer = mousePointer(&site());
            seen.storedKey = st.gCurSiteKey;
            seen.storedVolume = st.gRsWmuInfo.value("WASTEVOL");
            ASSERT_TRUE(db.conn().exec("DELETE FROM DelistCOCS WHERE SITEKEY = ?", {st.gCurSiteKey}).ok());
            bar.setRange(0, 2);
            bar.setValue(0);
            for (const char* cas : {"71-43-2", "7440-38-2"}) {
                db.insert("DelistCOCS", {{"SITEKEY", st.gCurSiteKey}, {"CHEMCAS", cas}});
                bar.setValue(bar.value() + 1);
                seen.values.push_back(bar.value());
            }
            bar.hide();
        };
    }

    Seen seen;
};

TEST_F(CalculateDelistingLevels, StoresTheInputsThenRunsWithTheProgressBar)
{
    installRun();
    db.insertAnalysis(1, "Stored", {{"CITY", "Gary"}}, {{"WASTEVOL", 1000.0}});
    listStoredAnalyses();
    openAnalysis(1);
    main().SetToolbarState("Open");
    const QString caption = main().windowTitle();
    frmSiteWMU& w = site();
    type(w.txtFileName, "Renamed");
    type(w.txtVolume, "4000");
    w.Command1_Click();

    EXPECT_EQ(seen.runs, 1);
    EXPECT_TRUE(seen.barVisible);
    EXPECT_EQ(seen.pointer, vbHourglass);
    EXPECT_EQ(seen.storedKey, 1);
    EXPECT_EQ(seen.storedVolume.toDouble(), 4000.0) << "the run reads the values just stored";
    EXPECT_EQ(seen.values, std::vector<int>({1, 2}));
    EXPECT_EQ(db.count("DelistCOCS"), 2);
    EXPECT_FALSE(w.ProgressBar1->isVisibleTo(&w));
    EXPECT_EQ(mousePointer(&w), vbDefault);

    EXPECT_EQ(field("SITEINFO", "FILENAME", 1).toString(), "Renamed");
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", 1).toDouble(), 4000.0);
    EXPECT_EQ(state().gCurFileName, "Renamed");
    EXPECT_TRUE(w.cmdUpdateSiteInfo->isEnabled()) << "the buttons keep their state";
    EXPECT_TRUE(w.cmdCancel->isEnabled());
    EXPECT_TRUE(main().cmdSave->isEnabled());
    EXPECT_EQ(nodeTexts(main(), 1)[0], "Stored") << "the tree keeps its texts";
    EXPECT_EQ(main().windowTitle(), caption);
}

TEST_F(CalculateDelistingLevels, AnImpoundmentNeedsAPositiveFlowRate)
{
    installRun();
    newAnalysis();
    activateSite();
    frmSiteWMU& w = site();
    type(w.txtFileName, "Lagoon");
    type(w.txtVolume, "100");
    w.optSurfaceImpoundment->click();
    const QByteArray before = db.checksum();
    for (const char* rate : {"0", "-3"}) {
        type(w.txtFlowRate, rate);
        w.txtCity->setFocus();
        w.Command1_Click();
        EXPECT_EQ(focused(), w.txtFlowRate) << rate;
        EXPECT_EQ(seen.runs, 0);
        EXPECT_EQ(db.checksum(), before);
    }

    w.optLandfill->click();
    w.Command1_Click();
    EXPECT_EQ(seen.runs, 1) << "a landfill's flow rate is not checked";
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", state().gCurSiteKey).toDouble(), -3.0);
    EXPECT_EQ(field("WMUINFO", "WMUTYPE", state().gCurSiteKey).toString(), "LF");
}

TEST_F(CalculateDelistingLevels, AFailedSaveStartsNoRun)
{
    installRun();
    db.insertAnalysis(1, "Taken");
    listStoredAnalyses();
    newAnalysis();
    frmSiteWMU& w = site();
    type(w.txtVolume, "100");

    messages.expect("Need Site ID", vbOK, kNeedSiteId);
    w.Command1_Click();
    type(w.txtFileName, "Taken");
    messages.expect("Analysis Exists", vbOK, kAnalysisExists);
    w.Command1_Click();
    type(w.txtFileName, "Free");
    type(w.cmbHQValue, "one");
    messages.expect("Invalid Input");
    w.Command1_Click();
    type(w.cmbHQValue, "1");
    type(w.txtVolume, "");
    messages.expect("Update Error", vbOK, kUpdateError);
    w.Command1_Click();
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(seen.runs, 0);
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_FALSE(w.ProgressBar1->isVisibleTo(&w));

    type(w.txtVolume, "100");
    w.Command1_Click();
    EXPECT_EQ(seen.runs, 1);
    EXPECT_EQ(db.count("SITEINFO"), 2);
}

TEST_F(CalculateDelistingLevels, WithoutARunInstalledOnlyTheSaveHappens)
{
    newAnalysis();
    type(site().txtFileName, "Alone");
    type(site().txtVolume, "100");
    site().Command1_Click();
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_FALSE(site().ProgressBar1->isVisibleTo(&site()));
    EXPECT_EQ(mousePointer(&site()), vbDefault);
}
