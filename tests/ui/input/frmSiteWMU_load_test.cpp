// The analysis information window as it loads: controls, defaults, stored values, failures,
// the batch rules and the size rule.

#include "site_window_fixture.h"

#include "data/state_list.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"

#include <QDir>
#include <QTest>

namespace {

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

}   // namespace

TEST_F(SiteWindowTest, NewAnalysisShowsTheDefaultsAndStartsPendingRows)
{
    newAnalysis();
    frmSiteWMU& w = site();
    EXPECT_EQ(w.windowTitle(), "Analysis Information and Control Settings (Steps 1 - 3)");
    for (QLineEdit* box :
         {w.txtFileName, w.txtSiteID, w.txtPetitionID, w.txtFacID1, w.txtFacID2, w.txtCity, w.txtZipCode,
          w.txtWasteDesc, w.txtWasteCode, w.txtUserName, w.txtDelistDate, w.txtSubmitDate}) {
        EXPECT_EQ(box->text(), "") << qPrintable(box->objectName());
        EXPECT_EQ(box->maxLength(), 255) << qPrintable(box->objectName());
    }
    EXPECT_EQ(w.txtVolume->text(), "");
    EXPECT_EQ(w.cmbState->currentIndex(), -1);
    EXPECT_EQ(w.cmbRegion->currentIndex(), -1);
    EXPECT_TRUE(w.optLandfill->isChecked());
    EXPECT_TRUE(w.optSingleBatch->isChecked());
    EXPECT_EQ(w.txtActiveLife->text(), "1");
    EXPECT_FALSE(w.txtActiveLife->isEnabled());
    EXPECT_FALSE(w.lblActiveLife[0]->isEnabled());
    EXPECT_FALSE(w.lblActiveLife[1]->isEnabled());
    EXPECT_EQ(w.txtFlowRate->text(), "10");
    EXPECT_EQ(w.cmbVolumeUnits->currentText(), "yd³");
    EXPECT_EQ(w.cmbRiskValue->currentText(), "1E-5");
    EXPECT_EQ(w.cmbHQValue->currentText(), "1.0");
    EXPECT_TRUE(w.pctLF->isVisibleTo(&w));
    EXPECT_FALSE(w.pctSI->isVisibleTo(&w));
    EXPECT_FALSE(w.ProgressBar1->isVisibleTo(&w));
    EXPECT_EQ(w.windowStateCode(), FormWindow::vbMaximized);

    EXPECT_EQ(state().gRsSiteInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_EQ(state().gRsWmuInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);
    // New leaves the window's own save and cancel off, whatever loading marked.
    EXPECT_FALSE(w.cmdUpdateSiteInfo->isEnabled());
    EXPECT_FALSE(w.cmdCancel->isEnabled());
}

TEST_F(SiteWindowTest, ListsHoldTheirEntries)
{
    newAnalysis();
    frmSiteWMU& w = site();
    ASSERT_EQ(w.cmbState->count(), 52);
    for (qint16 i = 0; i < 52; ++i)
        EXPECT_EQ(w.cmbState->itemText(i), GetStateListItem(i).value());
    EXPECT_EQ(w.cmbState->itemText(18), "LA - Lousiana");
    EXPECT_EQ(w.cmbState->itemText(51), "PR - Puerto Rico");
    EXPECT_EQ(items(w.cmbRegion), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(items(w.cmbVolumeUnits), QStringList({"yd³", "ft³", "m³"}));
    EXPECT_EQ(items(w.cmbRiskValue), QStringList({"1E-4", "1E-5", "1E-6"}));
    EXPECT_EQ(items(w.cmbHQValue), QStringList({"0.1", "1.0", "10.0"}));
    EXPECT_FALSE(w.cmbState->isEditable());
    EXPECT_FALSE(w.cmbRegion->isEditable());
    EXPECT_FALSE(w.cmbVolumeUnits->isEditable());
    EXPECT_TRUE(w.cmbRiskValue->isEditable());
    EXPECT_TRUE(w.cmbHQValue->isEditable());
    EXPECT_EQ(w.findChildren<QLabel*>("Label19").size(), 5);
    EXPECT_EQ(w.findChildren<QLabel*>("lblActiveLife").size(), 2);
    for (const char* name : {"cmdUpdateSiteInfo", "cmdCancel", "Command1", "cmdNext", "ProgressBar1", "pctLF", "pctSI",
                             "Line1", "Line2", "Line3", "rtfComments"})
        EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(w.Command1->text(), "Calculate Delisting Levels");
    EXPECT_EQ(w.cmdNext->text(), "To Steps 4-5 >>");
}

TEST_F(SiteWindowTest, StoredAnalysisFillsEveryControl)
{
    db.insertAnalysis(3, "Plating sludge",
                      {{"PETNAME", "Acme Plating"},
                       {"PETID", "KOR-17"},
                       {"FACID1", "1 Mill Road"},
                       {"FACID2", "Suite 4"},
                       {"CITY", "Springfield"},
                       {"STATE", "IL"},
                       {"ZIPCODE", "62701"},
                       {"ANALDATE", " Mar-04-2009 "},
                       {"DLSTDATE", " Jun-30-2009 "},
                       {"USERNAME", "J. Doe"},
                       {"COMMENTS", "line one\nline two"},
                       {"KORRGION", 5},
                       {"WSTEDESC", "Sludge"},
                       {"WSTECODE", "F006"}},
                      {{"WMUTYPE", "SI"},
                       {"WASTEVOL", 1500.5},
                       {"WVOLUNIT", 2},
                       {"ACTVLIFE", 30.0},
                       {"RISKFACT", 1e-5},
                       {"HQFACT", 1.0},
                       {"FLOWRATE", double(float(12.3))}});
    listStoredAnalyses();
    openAnalysis(3);
    frmSiteWMU& w = site();
    EXPECT_EQ(w.txtFileName->text(), "Plating sludge");
    EXPECT_EQ(w.txtSiteID->text(), "Acme Plating");
    EXPECT_EQ(w.txtPetitionID->text(), "KOR-17");
    EXPECT_EQ(w.txtFacID1->text(), "1 Mill Road");
    EXPECT_EQ(w.txtFacID2->text(), "Suite 4");
    EXPECT_EQ(w.txtCity->text(), "Springfield");
    EXPECT_EQ(w.cmbState->currentText(), "IL - Illinois");
    EXPECT_EQ(w.txtZipCode->text(), "62701");
    EXPECT_EQ(w.txtSubmitDate->text(), " Mar-04-2009 ");
    EXPECT_EQ(w.txtDelistDate->text(), " Jun-30-2009 ");
    EXPECT_EQ(w.txtUserName->text(), "J. Doe");
    EXPECT_EQ(w.rtfComments->toPlainText(), "line one\nline two");
    EXPECT_EQ(w.cmbRegion->currentText(), "6");
    EXPECT_EQ(w.txtWasteDesc->text(), "Sludge");
    EXPECT_EQ(w.txtWasteCode->text(), "F006");
    EXPECT_TRUE(w.optSurfaceImpoundment->isChecked());
    EXPECT_FALSE(w.pctLF->isVisibleTo(&w));
    EXPECT_TRUE(w.pctSI->isVisibleTo(&w));
    EXPECT_TRUE(w.optMultiBatch->isChecked());
    EXPECT_TRUE(w.txtActiveLife->isEnabled());
    EXPECT_EQ(w.txtActiveLife->text(), "30");
    EXPECT_EQ(w.txtVolume->text(), "1500.5");
    EXPECT_EQ(w.cmbVolumeUnits->currentText(), "m³");
    EXPECT_EQ(w.txtFlowRate->text(), "12.3");
    EXPECT_EQ(w.cmbRiskValue->currentText(), "1E-05");
    EXPECT_EQ(w.cmbHQValue->currentText(), "1") << "the stored number, not the list's 1.0";
    EXPECT_EQ(state().gRsSiteInfo.editMode(), Recordset::EditMode::None);
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);
}

TEST_F(SiteWindowTest, StoredValuesChooseOptionsAndDefaults)
{
    struct Case {
        QVariantMap site;
        QVariantMap unit;
    };
    const Case cases[] = {
        {{{"DLSTDATE", ""}, {"STATE", ""}, {"KORRGION", -1}},
         {{"WMUTYPE", "LF"}, {"ACTVLIFE", 1.0}, {"FLOWRATE", QVariant()}}},
        {{{"STATE", "Ohio"}, {"COMMENTS", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Rich\\par text\\par}"}},
         {{"WMUTYPE", QVariant()}, {"ACTVLIFE", 1.5}, {"FLOWRATE", 0.0}, {"RISKFACT", 0.0001}}},
        {{{"STATE", "PR"}, {"KORRGION", 0}}, {{"WMUTYPE", "lf"}, {"ACTVLIFE", 0.5}, {"HQFACT", 10.0}}},
    };
    for (int i = 0; i < 3; ++i)
        db.insertAnalysis(i + 1, QStringLiteral("Case %1").arg(i), cases[i].site, cases[i].unit);
    listStoredAnalyses();

    openAnalysis(1);
    EXPECT_EQ(site().txtDelistDate->text(), QDate::currentDate().toString("MMM-dd-yyyy"))
        << "an empty delisting date shows today";
    EXPECT_EQ(site().cmbState->currentIndex(), -1) << "an empty state chooses none";
    EXPECT_EQ(site().cmbRegion->currentIndex(), -1);
    EXPECT_TRUE(site().optLandfill->isChecked());
    EXPECT_TRUE(site().optSingleBatch->isChecked());
    EXPECT_EQ(site().txtFlowRate->text(), "100");

    main().cmdClose_Click();
    openAnalysis(2);
    EXPECT_EQ(site().txtDelistDate->text(), "") << "no delisting date stays empty";
    EXPECT_EQ(site().cmbState->currentIndex(), -1) << "an unknown code chooses none";
    EXPECT_EQ(site().rtfComments->toPlainText(), "Rich\ntext");
    EXPECT_TRUE(site().optSurfaceImpoundment->isChecked());
    EXPECT_TRUE(site().optMultiBatch->isChecked());
    EXPECT_EQ(site().txtActiveLife->text(), "1.5");
    EXPECT_EQ(site().txtFlowRate->text(), "0");
    EXPECT_EQ(site().cmbRiskValue->currentText(), "0.0001");

    main().cmdClose_Click();
    openAnalysis(3);
    EXPECT_EQ(site().cmbState->currentText(), "PR - Puerto Rico");
    EXPECT_EQ(site().cmbRegion->currentText(), "1");
    EXPECT_TRUE(site().optSurfaceImpoundment->isChecked()) << "only LF exactly is a landfill";
    EXPECT_TRUE(site().optSingleBatch->isChecked());
    EXPECT_EQ(site().txtActiveLife->text(), "0.5");
    EXPECT_EQ(site().cmbHQValue->currentText(), "10");
}

TEST_F(SiteWindowTest, AWasteUnitRowWithoutANeededNumberStopsTheLoad)
{
    db.insertAnalysis(1, "No volume", {{"CITY", "Gary"}}, {{"WASTEVOL", QVariant()}, {"ACTVLIFE", 20.0}});
    db.insertAnalysis(2, "No active life", {}, {{"ACTVLIFE", QVariant()}, {"WVOLUNIT", 2}});
    listStoredAnalyses();
    // Without the constituent window, which sets the flag on its own load.
    registerFormLoader("frmSiteCOCs", {});
    messages.expect("Unable to Save", vbOK);
    openAnalysis(1);
    ASSERT_TRUE(messages.done());
    EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
    EXPECT_TRUE(messages.shown()[0].text.contains("WASTEVOL"));
    EXPECT_EQ(messages.shown()[0].style, vbInformation);
    EXPECT_FALSE(uiState().gAnalysisFormsOpen);
    EXPECT_EQ(site().txtCity->text(), "Gary") << "what was filled stays";
    EXPECT_EQ(site().txtActiveLife->text(), "20");
    EXPECT_EQ(site().txtVolume->text(), "");
    EXPECT_NE(site().windowStateCode(), FormWindow::vbMaximized);

    // The boxes the load did not reach never replace the stored row: a save tells why again.
    const QByteArray stored = db.checksum();
    messages.expect("Unable to Save", vbOK);
    main().cmdSave_Click();
    ASSERT_TRUE(messages.done());
    EXPECT_TRUE(messages.shown()[1].text.contains("WASTEVOL"));
    EXPECT_EQ(db.checksum(), stored);

    // Without an active life: One Year Batch and the volume unit are shown before the load stops.
    main().cmdClose_Click();
    messages.expect("Unable to Save", vbOK);
    openAnalysis(2);
    ASSERT_TRUE(messages.done());
    EXPECT_TRUE(messages.shown()[2].text.contains("ACTVLIFE"));
    EXPECT_TRUE(site().optSingleBatch->isChecked());
    EXPECT_EQ(site().cmbVolumeUnits->currentText(), "m³");
    EXPECT_EQ(site().txtActiveLife->text(), "1");
}

TEST_F(SiteWindowTest, BatchOptionsRememberTheActiveLife)
{
    newAnalysis();
    frmSiteWMU& w = site();
    w.optMultiBatch->click();
    EXPECT_EQ(w.txtActiveLife->text(), "50") << "nothing remembered, nothing stored";
    EXPECT_TRUE(w.txtActiveLife->isEnabled());
    EXPECT_TRUE(w.lblActiveLife[0]->isEnabled());
    type(w.txtActiveLife, "25");
    w.optSingleBatch->click();
    EXPECT_EQ(w.txtActiveLife->text(), "1");
    EXPECT_FALSE(w.txtActiveLife->isEnabled());
    EXPECT_FALSE(w.lblActiveLife[1]->isEnabled());
    w.optMultiBatch->click();
    EXPECT_EQ(w.txtActiveLife->text(), "25");
}

TEST_F(SiteWindowTest, MultipleYearBatchFallsBackOnTheStoredActiveLife)
{
    db.insertAnalysis(1, "Stored 1", {}, {{"ACTVLIFE", 1.0}});
    db.insertAnalysis(2, "Stored 40", {}, {{"ACTVLIFE", 40.0}});
    listStoredAnalyses();
    openAnalysis(1);
    site().optMultiBatch->click();
    EXPECT_EQ(site().txtActiveLife->text(), "50");

    messages.expect("Save Changes", vbNo);
    main().cmdClose_Click();
    openAnalysis(2);
    site().optSingleBatch->click();
    type(site().txtVolume, "5");
    site().optMultiBatch->click();
    EXPECT_EQ(site().txtActiveLife->text(), "40") << "remembered when One Year Batch was chosen";
}

TEST_F(SiteWindowTest, TheWindowKeepsItsSmallestSize)
{
    newAnalysis();
    frmSiteWMU& w = site();
    w.setWindowStateCode(FormWindow::vbNormal);
    w.resizeTwips(8000, 6000);
    QCoreApplication::processEvents();   // the rule applies once the window has its new size
    EXPECT_EQ(w.widthTwips(), 11835);
    EXPECT_EQ(w.heightTwips(), 9570);
    w.resizeTwips(13200, 6000);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.widthTwips(), 13200);
    EXPECT_EQ(w.heightTwips(), 9570);
    w.setWindowStateCode(FormWindow::vbMinimized);
    EXPECT_EQ(w.windowStateCode(), FormWindow::vbMinimized);
}

TEST_F(SiteWindowTest, Screenshot)
{
    db.insertAnalysis(1, "Plating sludge 2009",
                      {{"PETNAME", "Acme Plating Co."},
                       {"PETID", "KOR-2009-017"},
                       {"FACID1", "1 Mill Road"},
                       {"CITY", "Springfield"},
                       {"STATE", "IL"},
                       {"ZIPCODE", "62701"},
                       {"ANALDATE", " Mar-04-2009 "},
                       {"DLSTDATE", " Jun-30-2009 "},
                       {"USERNAME", "J. Doe"},
                       {"KORRGION", 4},
                       {"WSTEDESC", "Wastewater treatment sludge"},
                       {"WSTECODE", "F006"},
                       {"COMMENTS", "Sampled in four rounds."}},
                      {{"WASTEVOL", 2000.0}, {"ACTVLIFE", 20.0}});
    listStoredAnalyses();
    openAnalysis(1);
    frmSiteWMU& w = site();
    w.setWindowStateCode(FormWindow::vbNormal);
    w.moveTwips(0, 0);
    w.resizeTwips(11835, 9570);
    w.ProgressBar1->setRange(0, 10);
    w.ProgressBar1->setValue(4);
    w.ProgressBar1->show();
    QCoreApplication::processEvents();

    const QString folder = QStringLiteral(TOVI_BINARY_DIR) + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QImage picture = w.frame()->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/site_window.png")));
    w.optSurfaceImpoundment->click();
    ASSERT_TRUE(w.pctSI->grab().toImage().save(folder + QStringLiteral("/site_window_impoundment.png")));
}
