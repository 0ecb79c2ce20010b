// The main window's Save: what it writes, what it refuses, and what a failure leaves.

#include "main_window_fixture.h"

#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/main/analysis_host.h"

namespace {

QVariant valueOf(const FieldValues& values, const QString& field)
{
    for (const auto& [name, value] : values)
        if (name == field)
            return value;
    return QVariant();
}

}   // namespace

TEST(AnalysisSaveValues, TheControlsBecomeTheFieldsInTheirOrder)
{
    SiteWindowInputs in;
    in.fileName = QStringLiteral(" Blank-led name ");
    in.stateEntry = QStringLiteral("LA - Lousiana");
    in.regionIndex = 0;
    in.comments = QStringLiteral("two\nlines");
    in.landfill = false;
    in.volume = QStringLiteral("1.5E3");
    in.volumeUnitIndex = 2;
    in.activeLife = QStringLiteral("");
    in.riskValue = QStringLiteral("1E-5");
    in.hqValue = QStringLiteral("10.0");
    in.flowRate = QStringLiteral("0.1");

    const FieldValues site = siteRowValues(12, in);
    QStringList order;
    for (const auto& [name, value] : site)
        order << name;
    EXPECT_EQ(order,
              QStringList({"SITEKEY", "FILENAME", "PETNAME", "PETID", "FACID1", "FACID2", "CITY", "STATE", "ZIPCODE",
                           "ANALDATE", "DLSTDATE", "USERNAME", "COMMENTS", "KORRGION", "WSTEDESC", "WSTECODE"}));
    EXPECT_EQ(valueOf(site, "SITEKEY").toInt(), 12);
    EXPECT_EQ(valueOf(site, "FILENAME").toString(), " Blank-led name ") << "texts are not trimmed";
    EXPECT_EQ(valueOf(site, "STATE").toString(), "LA");
    EXPECT_EQ(valueOf(site, "KORRGION").toInt(), 0);
    EXPECT_EQ(valueOf(site, "COMMENTS").toString(), "two\nlines");

    const FieldValues unit = unitRowValues(12, in);
    order.clear();
    for (const auto& [name, value] : unit)
        order << name;
    EXPECT_EQ(order, QStringList(
                         {"SITEKEY", "WMUTYPE", "WASTEVOL", "ACTVLIFE", "RISKFACT", "HQFACT", "WVOLUNIT", "FLOWRATE"}));
    EXPECT_EQ(valueOf(unit, "WMUTYPE").toString(), "SI");
    EXPECT_EQ(valueOf(unit, "WASTEVOL").toDouble(), 1500.0);
    EXPECT_EQ(valueOf(unit, "ACTVLIFE").toDouble(), 0.0);
    EXPECT_EQ(valueOf(unit, "RISKFACT").toDouble(), 1e-5);
    EXPECT_EQ(valueOf(unit, "HQFACT").toDouble(), 10.0);
    EXPECT_EQ(valueOf(unit, "WVOLUNIT").toInt(), 2);
    EXPECT_EQ(valueOf(unit, "FLOWRATE").typeId(), QMetaType::Float);
    EXPECT_EQ(valueOf(unit, "FLOWRATE").toFloat(), 0.1f);

    in.stateEntry.clear();
    in.regionIndex = -1;
    in.landfill = true;
    EXPECT_EQ(valueOf(siteRowValues(1, in), "STATE").toString(), "");
    EXPECT_EQ(valueOf(siteRowValues(1, in), "KORRGION").toInt(), -1);
    EXPECT_EQ(valueOf(unitRowValues(1, in), "WMUTYPE").toString(), "LF");
}

TEST_F(MainWindowTest, SaveStoresTheSiteUnitAndConstituentRows)
{
    frmMain& w = start();
    createAnalysis("Sludge", {"7440-38-2"});
    EXPECT_EQ(field("SITEINFO", "STATE", 1), "IL");
    EXPECT_EQ(field("SITEINFO", "KORRGION", 1).toInt(), 4);
    EXPECT_EQ(field("WMUINFO", "WMUTYPE", 1), "LF");
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", 1).toDouble(), 1000.0);
    EXPECT_EQ(field("WMUINFO", "ACTVLIFE", 1).toDouble(), 20.0);
    EXPECT_EQ(field("WMUINFO", "RISKFACT", 1).toDouble(), 1e-5);
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", 1).toDouble(), 10.0);
    EXPECT_EQ(field("SITECOCS", "CHEMCAS", 1), "7440-38-2");

    fakeSite().inputs.flowRate = QStringLiteral("0.1");
    fakeSite().inputs.petitionId = QStringLiteral("P-99");
    editSiteWindow();
    w.cmdSave_Click();
    EXPECT_EQ(field("WMUINFO", "FLOWRATE", 1).toDouble(), double(0.1f)) << "held in single precision";
    EXPECT_EQ(db.count("SITEINFO"), 1) << "a second save changes the stored row";
    EXPECT_EQ(w.trvAnalysis->node("KEY1a")->text(0), "Petition ID: P-99");
}

TEST_F(MainWindowTest, SaveWithoutANameAsksForOneAndWritesNothing)
{
    frmMain& w = start();
    w.cmdNew_Click();
    fakeSite().inputs = inputsNamed("");
    editSiteWindow();
    ScriptedMessages msgs;
    msgs.expect("Need Site ID", vbOK,
                "Please enter a unique File Name before updating the database.  This name will be used to reference "
                "the analysis.");
    w.cmdSave_Click();
    ASSERT_FALSE(msgs.shown().empty());
    EXPECT_EQ(msgs.shown().front().style, vbExclamation);
    EXPECT_EQ(db.count("SITEINFO"), 0);
    EXPECT_EQ(db.count("WMUINFO"), 0);
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_EQ(w.trvAnalysis->nodeAt(1)->text(0), "New Analysis");
}

TEST_F(MainWindowTest, SaveStopsAtAnInvalidNumber)
{
    frmMain& w = start();
    w.cmdNew_Click();
    fakeSite().inputs = inputsNamed("Sludge");
    fakeSite().numbersPass = false;
    editSiteWindow();
    ScriptedMessages msgs;
    msgs.expect("Invalid Input");
    w.cmdSave_Click();
    EXPECT_EQ(db.count("SITEINFO"), 0);
    EXPECT_TRUE(w.cmdSave->isEnabled());
}

TEST_F(MainWindowTest, ARepeatedNameFailsWholeAndTheAnalysisStaysUsable)
{
    db.insertAnalysis(1, "Taken");
    frmMain& w = start();
    w.cmdNew_Click();
    fakeSite().inputs = inputsNamed("taken");   // names compare without letter case
    fakeConstituents().casNumbers = {"50-00-0"};
    editSiteWindow();
    const QByteArray before = db.checksum();
    {
        ScriptedMessages msgs;
        msgs.expect("Unable to Save");
        w.cmdSave_Click();
        ASSERT_EQ(msgs.shown().size(), 1u);
        EXPECT_TRUE(msgs.shown().front().text.startsWith("The program experienced the following error: "));
        EXPECT_TRUE(msgs.shown().front().text.endsWith("Error Number: 100011"))
            << qPrintable(msgs.shown().front().text);
        EXPECT_EQ(msgs.shown().front().style, vbInformation);
    }
    EXPECT_EQ(db.checksum(), before) << "nothing half-written";
    EXPECT_EQ(state().gCurSiteKey, 2);
    EXPECT_TRUE(w.cmdSave->isEnabled()) << "the edits stay unsaved";
    EXPECT_EQ(w.trvAnalysis->node("KEY2")->text(0), "New Analysis");
    EXPECT_EQ(fakeConstituents().savedCalls, 0);
    EXPECT_EQ(state().gRsSiteInfo.recordCount(), 0);
    EXPECT_EQ(state().gRsSiteInfo.editMode(), Recordset::EditMode::AddNew) << "the new rows wait again";

    fakeSite().inputs.fileName = QStringLiteral("Free");
    w.cmdSave_Click();
    EXPECT_EQ(db.count("SITEINFO"), 2);
    EXPECT_EQ(db.count("WMUINFO"), 2);
    EXPECT_EQ(field("SITECOCS", "COUNT(*)", 2).toInt(), 1);
    EXPECT_EQ(w.trvAnalysis->node("KEY2")->text(0), "Free");
    EXPECT_FALSE(w.cmdSave->isEnabled());
}

TEST_F(MainWindowTest, AFailedConstituentSaveRollsBackTheSiteRowsToo)
{
    db.insertAnalysis(1, "One");
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "old"}});
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    fakeSite().inputs = inputsNamed("Renamed");
    fakeConstituents().casNumbers = {"new"};
    fakeConstituents().storeFailure = Error{kErrConversion, QStringLiteral("The grid cannot be stored.")};
    editConstituentWindow();
    const QByteArray before = db.checksum();
    {
        ScriptedMessages msgs;
        msgs.expect("Unable to Save", vbOK,
                    "The program experienced the following error: The grid cannot be stored.\r\nError Number: 100003");
        w.cmdSave_Click();
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(state().gRsSiteInfo.value("FILENAME").toString(), "One") << "the record set shows what is stored";
    EXPECT_EQ(state().gRsSiteCocs.recordCount(), 1);
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.0.35 - RCRA Subtitle D Quarvel Program [One]");
    EXPECT_TRUE(w.cmdSave->isEnabled());

    fakeConstituents().storeFailure.reset();
    w.cmdSave_Click();
    EXPECT_EQ(field("SITEINFO", "FILENAME", 1), "Renamed");
    EXPECT_EQ(field("SITECOCS", "CHEMCAS", 1), "new");
}

TEST_F(MainWindowTest, RefusedConstituentsKeepSaveOnButTheSiteRowsAreStored)
{
    frmMain& w = start();
    w.cmdNew_Click();
    fakeSite().inputs = inputsNamed("Sludge");
    fakeConstituents().unique = false;
    editConstituentWindow();
    {
        ScriptedMessages msgs;
        msgs.expect("Duplicate");
        w.cmdSave_Click();
    }
    EXPECT_EQ(field("SITEINFO", "FILENAME", 1), "Sludge");
    EXPECT_EQ(db.count("SITECOCS"), 0);
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.1.35 - RCRA Subtitle D Quarvel Program [Sludge]");
    EXPECT_TRUE(w.cmdSave->isEnabled());
    EXPECT_FALSE(w.cmdCopy->isEnabled());
    EXPECT_EQ(fakeConstituents().savedCalls, 0);
    EXPECT_FALSE(Forms::find("frmSiteWMU")->findChild<QWidget*>("cmdUpdateSiteInfo")->isEnabled());
}

TEST_F(MainWindowTest, SaveWithNoInputWindowWritesNothingAndMarksSaved)
{
    registerFormLoader("frmSiteWMU", {});
    registerFormLoader("frmSiteCOCs", {});
    db.insertAnalysis(1, "One");
    frmMain& w = start();
    clickNode("KEY1");
    w.cmdOpen_Click();
    EXPECT_EQ(state().gCurSiteKey, 1);
    w.cmdSave->setEnabled(true);
    const QByteArray before = db.checksum();
    w.cmdSave_Click();
    EXPECT_EQ(db.checksum(), before);
    EXPECT_FALSE(w.cmdSave->isEnabled());
    EXPECT_EQ(w.trvAnalysis->node("KEY1")->text(0), "One");
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.1.35 - RCRA Subtitle D Quarvel Program [One]");
}
