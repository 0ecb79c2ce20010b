// Show/Retile Results, Show Delisting Level Analysis and Close Results Screens.

#include "main_window_fixture.h"

#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"

namespace {

const QStringList kForward = {"frmChngChems",        "frmLimitResults",       "frmTCLPResultsHQ",
                              "frmTCLPResultsRisk",  "frmTCLPResultsScreen",  "frmTotalResultsHQ",
                              "frmTotalResultsRisk", "frmTotalResultsScreen", "frmAggResults",
                              "frmTCSSResults",      "frmExceedResults"};
const QStringList kDelisting = {"frmSoilPathwayDelisting", "frmAirNonCarc", "frmAirCarc", "frmSurfaceWaterNonCarc",
                                "frmSurfaceCarc",          "frmGWNonCarc",  "frmGWCarc"};

QStringList loaded(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        if (Forms::isLoaded(n))
            out << n;
    return out;
}

QStringList positions(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names) {
        FormWindow* f = Forms::find(n);
        out << (f ? QStringLiteral("%1,%2").arg(f->leftTwips()).arg(f->topTwips()) : QStringLiteral("-"));
    }
    return out;
}

}   // namespace

class ResultWindowsTest : public MainWindowTest {
protected:
    frmMain& openAnalysis(const QString& unitType, bool withConstituents = true)
    {
        db.insertAnalysis(1, "One", {}, {{"WMUTYPE", unitType}});
        if (withConstituents)
            db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "A"}});
        frmMain& w = start();
        clickNode("KEY1");
        w.cmdOpen_Click();
        return w;
    }
};

TEST_F(ResultWindowsTest, NothingHappensWithoutAnOpenAnalysis)
{
    db.insertAnalysis(1, "One");
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "A"}});
    frmMain& w = start();
    w.mnuResults_Click();
    w.mnuDelistingLevel_Click();
    w.mnuCloseResults_Click();
    EXPECT_TRUE(resultWindowLog().isEmpty());
}

TEST_F(ResultWindowsTest, ShowRetileReloadsAllElevenInACascade)
{
    frmMain& w = openAnalysis("SI");
    Forms::find("frmSiteCOCs")->hideForm();
    w.mnuResults_Click();
    Forms::find("frmLimitResults")->moveTwips(3000, 150);
    Forms::find("frmAggResults")->setWindowStateCode(FormWindow::vbMinimized);
    Forms::find("frmChngChems")->setWindowStateCode(FormWindow::vbMinimized);
    Forms::unload("frmTCSSResults");
    resultWindowLog().clear();

    w.Toolbar1_ButtonClick("Show Results");
    QStringList expectedLoads;
    for (const QString& n : kForward)
        expectedLoads << "load:" + n;
    EXPECT_EQ(resultWindowLog(), expectedLoads) << "every window is loaded afresh, in table order";
    EXPECT_EQ(positions(kForward), QStringList({"0,0", "330,330", "660,660", "990,990", "1320,1320", "1650,1650",
                                                "1980,1980", "2310,2310", "2640,2640", "2970,2970", "3300,3300"}));
    EXPECT_EQ(Forms::find("frmChngChems")->windowStateCode(), FormWindow::vbNormal);
    EXPECT_EQ(w.mdiArea->activeSubWindow(), Forms::find("frmExceedResults")->frame());
    EXPECT_TRUE(loaded(kDelisting).isEmpty());
}

TEST_F(ResultWindowsTest, ShowRetileNeedsStoredConstituentRows)
{
    frmMain& w = openAnalysis("LF", false);
    w.mnuResults_Click();
    EXPECT_TRUE(resultWindowLog().isEmpty());

    w.mnuDelistingLevel_Click();
    EXPECT_EQ(loaded(kDelisting), kDelisting);
    EXPECT_EQ(positions(kDelisting),
              QStringList({"0,0", "300,300", "600,600", "900,900", "1200,1200", "1500,1500", "1800,1800"}));
    EXPECT_EQ(w.mdiArea->activeSubWindow(), Forms::find("frmGWCarc")->frame());
    EXPECT_TRUE(loaded(kForward).isEmpty());
}

TEST_F(ResultWindowsTest, CloseResultsKeepsTheSurfaceWindowsOfAnImpoundment)
{
    frmMain& w = openAnalysis("SI");
    w.mnuResults_Click();
    w.mnuDelistingLevel_Click();
    w.mnuCloseResults->trigger();
    EXPECT_EQ(loaded(kForward), QStringList({"frmTotalResultsHQ", "frmTotalResultsRisk", "frmTotalResultsScreen"}));
    EXPECT_EQ(loaded(kDelisting), kDelisting);
}

TEST_F(ResultWindowsTest, CloseResultsClosesAllForALandfill)
{
    frmMain& w = openAnalysis("LF");
    w.mnuResults_Click();
    w.mnuCloseResults_Click();
    EXPECT_TRUE(loaded(kForward).isEmpty());
}

TEST_F(ResultWindowsTest, CloseResultsOfANeverSavedAnalysisClosesAll)
{
    frmMain& w = start();
    w.cmdNew_Click();
    for (const QString& n : kForward)
        loadForm(n)->showForm();
    w.mnuCloseResults_Click();
    EXPECT_TRUE(loaded(kForward).isEmpty());
}

TEST_F(ResultWindowsTest, CloseUnloadsTheForwardWindowsAndTheMainWindowTheRest)
{
    frmMain& w = openAnalysis("LF");
    w.mnuResults_Click();
    w.mnuDelistingLevel_Click();
    w.cmdClose_Click();
    EXPECT_TRUE(loaded(kForward).isEmpty());
    EXPECT_EQ(loaded(kDelisting), kDelisting) << "Close leaves the delisting levels";
    w.close();
    EXPECT_TRUE(loaded(kDelisting).isEmpty());
}
