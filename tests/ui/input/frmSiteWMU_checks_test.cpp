// Edit tracking, the number and date checks, To Steps 4-5 and the close question.

#include "site_window_fixture.h"

#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"

#include <QTest>

namespace {

const QString kInvalidInput = QStringLiteral(
    "You have entered an invalid character into this input field.  Please ensure that you have entered only "
    "numbers.");

}   // namespace

class SiteWindowEdits : public SiteWindowTest {
protected:
    void SetUp() override
    {
        SiteWindowTest::SetUp();
        db.insertAnalysis(1, "Stored", {{"USERNAME", "J. Doe"}}, {{"WASTEVOL", 1000.0}, {"ACTVLIFE", 10.0}});
        listStoredAnalyses();
        openAnalysis(1);
        activateSite();
        setSaved();
    }

    // The commands as a save leaves them.
    void setSaved()
    {
        site().cmdUpdateSiteInfo->setEnabled(false);
        site().cmdCancel->setEnabled(false);
        site().cmdNext->setEnabled(true);
        main().cmdSave->setEnabled(false);
        main().toolbarButton(ToolbarButton::SaveAnalysis)->setEnabled(false);
        main().cmdCopy->setEnabled(true);
        main().toolbarButton(ToolbarButton::CopyAnalysis)->setEnabled(true);
    }

    // The seven commands that an edit switches, in the order of the marking.
    std::vector<bool> marks()
    {
        frmSiteWMU& w = site();
        return {w.cmdUpdateSiteInfo->isEnabled(),
                w.cmdCancel->isEnabled(),
                w.cmdNext->isEnabled(),
                main().cmdSave->isEnabled(),
                main().toolbarButton(ToolbarButton::SaveAnalysis)->isEnabled(),
                main().cmdCopy->isEnabled(),
                main().toolbarButton(ToolbarButton::CopyAnalysis)->isEnabled()};
    }
    const std::vector<bool> kSaved = {false, false, true, false, false, true, true};
    const std::vector<bool> kMarked = {true, true, false, true, true, false, false};
};

TEST_F(SiteWindowEdits, EveryEditMarksTheInputsAsChanged)
{
    ASSERT_EQ(marks(), kSaved);
    frmSiteWMU& w = site();
    const std::vector<std::function<void()>> edits = {
        [&] { type(w.txtFileName, "x"); },
        [&] { type(w.txtSiteID, "x"); },
        [&] { type(w.txtFacID1, "x"); },
        [&] { type(w.txtFacID2, "x"); },
        [&] { type(w.txtCity, "x"); },
        [&] { w.cmbState->setCurrentIndex(3); },
        [&] { type(w.txtZipCode, "1"); },
        [&] { type(w.txtDelistDate, "x"); },
        [&] { type(w.txtSubmitDate, "x"); },
        [&] { type(w.txtPetitionID, "x"); },
        [&] { w.cmbRegion->setCurrentIndex(2); },
        [&] { type(w.txtWasteDesc, "x"); },
        [&] { type(w.txtWasteCode, "x"); },
        [&] { type(w.rtfComments, "x"); },
        [&] { w.optSurfaceImpoundment->click(); },
        [&] { type(w.txtVolume, "7"); },
        [&] { w.cmbVolumeUnits->setCurrentIndex(1); },
        [&] { type(w.txtFlowRate, "7"); },
        [&] { w.optSingleBatch->click(); },
        [&] { w.cmbRiskValue->setCurrentIndex(0); },
        [&] { w.cmbHQValue->setCurrentIndex(2); },
        [&] { type(w.cmbHQValue, "0.5"); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        setSaved();
        edits[i]();
        EXPECT_EQ(marks(), kMarked) << "edit " << i;
    }
}

TEST_F(SiteWindowEdits, TabAndShiftTabLeaveTheCommentBoxWithoutTypingIntoIt)
{
    frmSiteWMU& w = site();
    type(w.rtfComments, "Two lines of comment");
    setSaved();
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        w.rtfComments->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w.rtfComments, Qt::Key_Tab, modifiers);
        EXPECT_EQ(w.rtfComments->toPlainText(), "Two lines of comment");
        EXPECT_NE(w.focusWidget(), w.rtfComments);
    }
    EXPECT_EQ(marks(), kSaved);
}

TEST_F(SiteWindowEdits, TheUserNameLeavesTheToolbarAlone)
{
    type(site().txtUserName, "A. N. Other");
    EXPECT_EQ(marks(), std::vector<bool>({true, true, false, true, false, false, true}));
}

TEST_F(SiteWindowEdits, NumberBoxesRefuseWhatIsNoNumber)
{
    frmSiteWMU& w = site();
    w.optMultiBatch->click();
    for (QWidget* box :
         std::initializer_list<QWidget*>{w.txtVolume, w.txtFlowRate, w.txtActiveLife, w.cmbRiskValue, w.cmbHQValue}) {
        // A run holds every one of them in single precision.
        for (const char* refused : {"12a", "1e-50", "3.5E+38", "1E+300"}) {
            type(box, refused);
            messages.expect("Invalid Input", vbOK, kInvalidInput);
            leave(box, w.txtCity);
            ASSERT_TRUE(messages.done()) << refused << " in " << qPrintable(box->objectName());
            EXPECT_EQ(messages.shown().back().style, vbCritical);
            EXPECT_EQ(focused(), box) << "the focus stays in " << qPrintable(box->objectName());
        }
        for (const QString& good :
             {QStringLiteral("1.5E3"), QStringLiteral(" 12 "), QStringLiteral("-4"), QStringLiteral(""),
              QStringLiteral("3.4E+38"), QStringLiteral("1e-30"), QStringLiteral("0")}) {
            type(box, good);
            leave(box, w.txtCity);
            EXPECT_EQ(focused(), w.txtCity) << qPrintable(good);
        }
    }
    // A refused active life is not remembered: the batch options bring back the stored one.
    type(w.txtActiveLife, "1e39");
    messages.expect("Invalid Input");
    leave(w.txtActiveLife, w.txtCity);
    w.optSingleBatch->click();
    w.optMultiBatch->click();
    EXPECT_EQ(w.txtActiveLife->text(), "10");
}

TEST_F(SiteWindowEdits, OpeningATargetListIsNoLeaving)
{
    frmSiteWMU& w = site();
    type(w.cmbRiskValue, "abc");
    w.cmbRiskValue->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    w.cmbRiskValue->showPopup();
    QCoreApplication::processEvents();
    w.cmbRiskValue->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SiteWindowEdits, DateBoxesRewriteADateAndReportOtherText)
{
    frmSiteWMU& w = site();
    type(w.txtSubmitDate, "3/4/2009");
    setSaved();
    leave(w.txtSubmitDate, w.txtCity);
    EXPECT_EQ(w.txtSubmitDate->text(), " Mar-04-2009 ");
    EXPECT_EQ(marks(), kMarked);

    setSaved();
    leave(w.txtSubmitDate, w.txtCity);
    EXPECT_EQ(w.txtSubmitDate->text(), " Mar-04-2009 ");
    EXPECT_EQ(marks(), kMarked) << "a date already in the form marks again";

    type(w.txtDelistDate, "15-Jan-2009");
    leave(w.txtDelistDate, w.txtCity);
    EXPECT_EQ(w.txtDelistDate->text(), " Jan-15-2009 ");

    const QString dateError =
        "TOVI cannot interpret the date that you input.  Please input the date in an acceptable date format.";
    type(w.txtSubmitDate, "soon");
    messages.expect("Date Format Error", vbOK, dateError);
    leave(w.txtSubmitDate, w.txtCity);
    EXPECT_EQ(focused(), w.txtCity) << "the submission date lets the focus go";
    EXPECT_EQ(w.txtSubmitDate->text(), "soon");

    type(w.txtSubmitDate, "");
    setSaved();
    leave(w.txtSubmitDate, w.txtCity);
    EXPECT_EQ(marks(), kSaved) << "an empty box passes without marking";

    type(w.txtDelistDate, "2/30/2009");
    messages.expect("Date Format Error", vbOK, dateError);
    leave(w.txtDelistDate, w.txtCity);
    EXPECT_EQ(focused(), w.txtDelistDate) << "the delisting date takes the focus back";
    EXPECT_EQ(w.txtDelistDate->text(), "2/30/2009");
    ASSERT_TRUE(messages.done());
}

TEST_F(SiteWindowEdits, ToStepsFourAndFiveChecksTheRequiredInputs)
{
    frmSiteWMU& w = site();
    type(w.txtVolume, "");
    type(w.txtFileName, "");
    w.optMultiBatch->click();
    type(w.txtActiveLife, "");
    messages.expect("Necessary Data", vbOK, "Please enter a waste volume before proceeding to Steps 4 and 5.");
    w.cmdNext_Click();
    EXPECT_EQ(focused(), w.txtVolume);

    type(w.txtVolume, "10");
    messages.expect("Necessary Data", vbOK, "Please enter a active life before proceeding to Steps 4 and 5.");
    w.cmdNext_Click();
    EXPECT_EQ(focused(), w.txtActiveLife);

    w.optSingleBatch->click();
    type(w.txtActiveLife, "");
    messages.expect("Need Site ID", vbOK,
                    "Please enter a unique File Name before updating the database.  This name will be used to "
                    "reference the analysis.");
    w.cmdNext_Click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().style, vbExclamation);
    EXPECT_EQ(focused(), w.txtFileName);
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(messages.shown()[0].style, vbCritical);

    // A number box that fails its check stops the button before the required inputs are looked at.
    type(w.txtFileName, "Renamed");
    w.txtVolume->setText("");
    w.cmbHQValue->setEditText("1 0");
    messages.expect("Invalid Input", vbOK, kInvalidInput);
    w.cmdNext_Click();
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(focused(), w.cmbHQValue);
    EXPECT_TRUE(w.frame()->isVisible());

    const QByteArray before = db.checksum();
    w.cmbHQValue->setEditText("1.0");
    w.txtVolume->setText("10");
    w.cmdNext_Click();
    EXPECT_FALSE(w.frame()->isVisible());
    EXPECT_TRUE(Forms::isLoaded("frmSiteWMU"));
    FormWindow* cocs = Forms::find("frmSiteCOCs");
    ASSERT_NE(cocs, nullptr);
    EXPECT_TRUE(cocs->frame()->isVisible());
    EXPECT_EQ(cocs->windowStateCode(), FormWindow::vbMaximized);
    EXPECT_EQ(db.checksum(), before) << "nothing is saved";
}

TEST_F(SiteWindowEdits, ClosingAsksWhetherToCloseTheAnalysis)
{
    messages.expect("Close Analysis", vbNo,
                    "Closing this screen will close this analysis.  Do you still want to continue?");
    EXPECT_FALSE(site().unload());
    EXPECT_TRUE(siteLoaded());
    EXPECT_EQ(state().gCurSiteKey, 1);

    messages.expect("Close Analysis", vbYes);
    EXPECT_TRUE(site().unload()) << "unchanged inputs: no question about saving";
    EXPECT_FALSE(siteLoaded());
    EXPECT_FALSE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_EQ(state().gCurSiteKey, 0);
    EXPECT_FALSE(uiState().gAnalysisFormsOpen);
    ASSERT_TRUE(messages.done());
}

TEST_F(SiteWindowEdits, ClosingChangedInputsOffersToSaveThem)
{
    type(site().txtCity, "Gary");
    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbYes, "Do you want to save your changes?");
    EXPECT_TRUE(site().unload());
    EXPECT_EQ(field("SITEINFO", "CITY", 1).toString(), "Gary");
    EXPECT_EQ(state().gCurSiteKey, 0);

    openAnalysis(1);
    type(site().txtCity, "Hammond");
    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbNo);
    EXPECT_TRUE(site().unload());
    EXPECT_EQ(field("SITEINFO", "CITY", 1).toString(), "Gary");
    ASSERT_TRUE(messages.done());

    // The main window's Close asks the same question once, without the window's own.
    openAnalysis(1);
    type(site().txtCity, "Whiting");
    messages.expect("Save Changes", vbNo);
    main().cmdClose_Click();
    EXPECT_FALSE(siteLoaded());
    EXPECT_EQ(field("SITEINFO", "CITY", 1).toString(), "Gary");
}
