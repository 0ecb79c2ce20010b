#pragma once

#include "platform/db/result.h"

#include <QString>

// Message-box styles of the forward run's messages, with the values of the program's message
// boxes: OK button without icon, with the exclamation icon, with the information icon.
enum RunMessageStyle : int { kRunMsgOkOnly = 0, kRunMsgExclamation = 48, kRunMsgInformation = 64 };

inline const QString kInsufficientDataTitle = QStringLiteral("Insufficient Data");
inline const QString kRunFailedTitle = QStringLiteral("Unable to Save");

// What a forward run shows, in the order it happens. The engine shows nothing itself: the user
// interface implements these and does the window work. Every member does nothing by default,
// so a plain RunObserver serves tools and tests.
//
// Orders: disclosureGate first, always. A run that goes on past its constituent count calls
// runStarts once and runEnds once as its last call: after message when a check refuses the
// run, before failure when it fails, after showResults when it succeeds. A failure before
// runStarts (the analysis's rows cannot be read) calls failure alone.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    // Show frmTOVIDisclosure modally when the user wants it, and wait.
    virtual void disclosureGate() {}
    // Hourglass (11) on frmMain, frmSiteWMU and frmSiteCOCs, in this order; then the result
    // windows of an earlier run minimised and unloaded (the window layer knows which).
    virtual void runStarts() {}
    // A constituent row passed its checks: the new value of frmSiteCOCs.ProgressBar1 (0 to 100).
    virtual void progress(float /*value*/) {}
    // A check refused the run: show this message box (OK button only).
    virtual void message(const QString& /*text*/, int /*style*/, const QString& /*title*/) {}
    // The results are stored: minimise frmSiteWMU, then frmSiteCOCs; show frmCusCOC at 0, 0,
    // then frmChngChems and the ten result windows, each 330 twips right of and below the one
    // before.
    virtual void showResults() {}
    // The arrow (1) on frmMain, frmSiteWMU and frmSiteCOCs, in this order.
    virtual void runEnds() {}
    // The run failed and left the results as they were: show the general error text.
    virtual void failure(const Error& /*error*/, const QString& /*title*/) {}
};
