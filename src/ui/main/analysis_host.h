#pragma once

#include "data/analysis_inputs.h"
#include "platform/db/result.h"

#include <QPoint>
#include <QString>

// How far a change of the main window's Save and Copy commands reaches: the pane's buttons
// alone, or their toolbar buttons too.
enum class CommandReach { Buttons, ButtonsAndToolbar };

// What the input windows of the open analysis and the runs ask of the main window. The main
// window installs it for its lifetime; without a main window there is none.
class AnalysisHost {
public:
    virtual ~AnalysisHost() = default;

    // The open analysis holds edits that are not stored: Save on, Copy off.
    virtual void markEdited(CommandReach reach) = 0;
    // Its edits are stored: Save off, Copy on.
    virtual void markSaved(CommandReach reach) = 0;
    // The analysis information window dropped its edits: Copy on, Save as it stands.
    virtual void markEditsCancelled() = 0;
    // Run Analysis and its toolbar button.
    virtual void setRunEnabled(bool enabled) = 0;
    // The constituent window has stored the open analysis's rows. When they hold no results (a
    // save that changed the rows cleared them), the result windows that Close Results Screens
    // closes close, so that none shows results that are no longer stored.
    virtual void constituentRowsStored() = 0;
    // Rewrites the open analysis's nodes in the list of analyses from the current row of
    // gRsSiteInfo.
    virtual void rewriteOpenAnalysisNodes() = 0;
    // A save has stored the open analysis: a new analysis's key, taken by its first save, may
    // differ from the provisional one that its group in the list and the shown key carry, and
    // they follow it.
    virtual void followAnalysisKey() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // An input window's close request: unless the main window is closing the analysis itself,
    // asks whether to close the analysis (and whether to save it) and closes it. False when the
    // user keeps the window open.
    virtual bool askToCloseAnalysis() = 0;
    // The mouse pointer over the main window, by its pointer code (vbHourglass, vbArrow, …).
    virtual void setMousePointer(int pointer) = 0;
    // The top left corner of the pane of analyses in the main window.
    virtual QPoint paneOrigin() const = 0;
};

// The main window's host; nullptr while there is none.
AnalysisHost* analysisHost();
void setAnalysisHost(AnalysisHost* host);

// The forward run as the main window's Run Analysis starts it (RunRiskAnalysis); nothing when the
// program has not installed it.
void startRiskAnalysis();
// The disclosure before a forward or delisting-level run, modal, when disclosureWanted(); the run
// goes on whatever the user chose.
void showDisclosureBeforeRun();

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

// The SITEINFO row of the analysis from the analysis information window's controls.
FieldValues siteRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
// The WMUINFO row: numbers are the leading numbers of their texts; the flow rate is held in
// single precision.
FieldValues unitRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
