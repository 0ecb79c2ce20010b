#pragma once

#include "platform/db/result.h"
#include "platform/ui/forms.h"
#include "ui/input/unit_cross_section.h"
#include "ui/main/analysis_host.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <array>
#include <optional>

class Recordset;

// The analysis information window (steps 1 to 3): the petitioner and the waste, the waste
// management unit with its volume, active life and targets, and the commands that store the
// inputs, undo the edits, start the delisting-level calculation and go on to the constituents.
// The controls are the working copy of the open analysis's site and waste unit rows.
class frmSiteWMU : public FormWindow, public SiteInputWindow {
    Q_OBJECT
public:
    frmSiteWMU();

    SiteWindowInputs siteInputs() const override;
    bool checkNumericInputs() override;

    // Click handlers of the step 3 buttons and of the option buttons.
    void cmdUpdateSiteInfo_Click();
    void cmdCancel_Click();
    void Command1_Click();
    void cmdNext_Click();
    void optLandfill_Click();
    void optSurfaceImpoundment_Click();
    void optSingleBatch_Click();
    void optMultiBatch_Click();

    // Step 1.
    QComboBox* cmbRegion;
    QLineEdit* txtPetitionID;
    QLineEdit* txtFileName;
    QLineEdit* txtSiteID;
    QLineEdit* txtFacID1;
    QLineEdit* txtFacID2;
    QLineEdit* txtCity;
    QComboBox* cmbState;
    QLineEdit* txtZipCode;
    QLineEdit* txtWasteDesc;
    QLineEdit* txtWasteCode;
    QLineEdit* txtUserName;
    QLineEdit* txtDelistDate;
    QLineEdit* txtSubmitDate;
    QTextEdit* rtfComments;

    // Step 2.
    UnitCrossSection* pctLF;
    UnitCrossSection* pctSI;
    QGroupBox* fraUnitType;
    QRadioButton* optLandfill;
    QRadioButton* optSurfaceImpoundment;
    QLineEdit* txtVolume;
    QComboBox* cmbVolumeUnits;
    QLineEdit* txtFlowRate;
    QGroupBox* fraActiveLife;
    QRadioButton* optSingleBatch;
    QRadioButton* optMultiBatch;
    std::array<QLabel*, 2> lblActiveLife;
    QLineEdit* txtActiveLife;
    QGroupBox* fraRiskHQ;
    QComboBox* cmbRiskValue;
    QComboBox* cmbHQValue;

    // Headings, separators and the marks of the required fields.
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    std::array<QLabel*, 5> Label19;

    // Step 3.
    QPushButton* cmdUpdateSiteInfo;
    QPushButton* cmdCancel;
    QPushButton* Command1;
    QPushButton* cmdNext;
    QProgressBar* ProgressBar1;

protected:
    void formLoad() override;
    bool queryUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStep1();
    void buildStep2();
    void buildStep3();
    void connectEditTracking();

    Status loadInputs();
    Status loadUnitRow(Recordset& unit);
    void showSiteRow(const Recordset& site, bool delistDateDefault);
    void showNewSiteDefaults();
    void showUnitRow(const Recordset& unit);
    void showNewUnitDefaults();
    void selectState(const QVariant& code);
    void showUnitPicture(bool landfill);
    // A never-saved analysis's unit row holds the unit type shown, as the save writes it.
    void showUnitTypeInPendingRow();
    void keepSmallestSize();

    // Marks the inputs as changed; the change of txtUserName leaves the toolbar alone.
    void markChanged(bool toolbarToo = true);
    void activeLifeChanged();

    // What leaving a checked box does: the number check or the date check.
    void leaveBox(QWidget* box);
    bool passesNumberCheck(QWidget* box);
    void checkDate(QLineEdit* box, bool keepFocus);
    // After the check's message: the box takes the focus back, its text selected.
    void returnFocus(QWidget* box);
    void focusRejected(QWidget* box);
    QWidget* checkedBoxOf(QObject* object) const;

    // The save of steps 1 to 3 in one transaction; reports its own failure.
    bool storeSteps1To3();

    float m_activeLife = 0;    // the remembered active life
    bool m_checking = false;   // a check's message or focus return is under way
    // Why the load stopped: the boxes after that point do not show the stored row, so they are
    // never saved over it.
    std::optional<Error> m_loadFailure;
};
