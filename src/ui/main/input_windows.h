#pragma once

#include "data/analysis_inputs.h"
#include "platform/db/result.h"

#include <QString>

// What the main window needs of the two input windows of the open analysis. Each is a
// FormWindow loaded by name (frmSiteWMU, frmSiteCOCs; see registerFormLoader) that also
// implements the interface below. Their buttons are reached by control name: frmSiteWMU's
// cmdUpdateSiteInfo, cmdCancel and cmdNext, frmSiteCOCs' cmdUpdateSiteCOCs and cmdCancel.
//
// On load each window reads the shared record sets that the main window has just opened on
// gCurSiteKey and sets gAnalysisFormsOpen; frmSiteWMU starts the pending new rows of a
// never-saved analysis (startPendingAnalysisRows); frmSiteCOCs ends its load with its save and
// so in its saved state (Save and Copy as the host's markSaved sets them, the run commands on
// when it holds rows). Both reach the main window only through its AnalysisHost; their close
// question is the host's askToCloseAnalysis.

// The controls of frmSiteWMU as the main window's Save reads them.
struct SiteWindowInputs {
    QString fileName;           // txtFileName
    QString siteId;             // txtSiteID, the petitioner's name
    QString petitionId;         // txtPetitionID
    QString facId1;             // txtFacID1
    QString facId2;             // txtFacID2
    QString city;               // txtCity
    QString stateEntry;         // the chosen entry of cmbState ("AK - Alaska"); empty when none
    QString zipCode;            // txtZipCode
    QString submitDate;         // txtSubmitDate, as shown
    QString delistDate;         // txtDelistDate, as shown
    QString userName;           // txtUserName
    QString comments;           // rtfComments as plain text
    int regionIndex = -1;       // cmbRegion list position, -1 when none is chosen
    QString wasteDesc;          // txtWasteDesc
    QString wasteCode;          // txtWasteCode
    bool landfill = true;       // optLandfill is set
    QString volume;             // txtVolume
    int volumeUnitIndex = -1;   // cmbVolumeUnits list position
    QString flowRate;           // txtFlowRate
    QString activeLife;         // txtActiveLife
    QString riskValue;          // cmbRiskValue, the text shown
    QString hqValue;            // cmbHQValue, the text shown
};

// frmSiteWMU, the analysis information window.
class SiteInputWindow {
public:
    virtual ~SiteInputWindow() = default;

    virtual SiteWindowInputs siteInputs() const = 0;
    // The number check of txtVolume, txtFlowRate, txtActiveLife, cmbRiskValue and cmbHQValue. A box
    // that fails gets the window's "Invalid Input" message and the focus, and the result is false.
    virtual bool checkNumericInputs() = 0;
};

// frmSiteCOCs, the constituent window. The main window's Save checks the grid and takes its rows
// before it stores them, so that no message waits while rows are written.
class ConstituentInputWindow {
public:
    virtual ~ConstituentInputWindow() = default;

    // Shows the window (its save does in every outcome), commits the grid's pending edit and
    // runs the window's duplicate check. On duplicates it shows its "Duplicate" message, takes
    // its edited state (the main window's Save on, Copy and the run commands off) and returns
    // false.
    virtual bool checkConstituentRows() = 0;
    // The grid's rows as the save stores them in place of the SITECOCS rows of gCurSiteKey (and
    // of its GWDelisting rows). Shows nothing and keeps the window's state.
    virtual Result<ConstituentRows> constituentRows() const = 0;
    // The caller has committed the stored rows: the window takes its saved state (the main
    // window's Save off and Copy on, with their toolbar buttons, unless the analysis information
    // window holds unsaved edits; Run Analysis and its toolbar button on when rows are stored).
    virtual void constituentRowsSaved() = 0;
};
