#pragma once

#include "platform/db/result.h"

#include <QString>

// The message-box style of the refusals: exclamation icon and OK button.
inline constexpr int kDelistingRefusalStyle = 48;
// The answer the default observer gives: OK.
inline constexpr int kDelistingAnswerOk = 1;

inline const QString kDelistingRefusalTitle = QStringLiteral("Insufficient Data");

// What a delisting-level run shows the user. The run calls these in the order listed for its
// three endings; the window layer implements them, tools and tests take the defaults, which
// show nothing.
//
//   refused:  disclosureGate, resetResultForms, message, arrowPointers
//   failed:   disclosureGate, resetResultForms, [progress…], arrowPointers, progressHide, failure
//   stored:   disclosureGate, resetResultForms, progressStart(chemicals), progressValue…,
//             progressStart(rows), progressValue…, progressHide, finished, arrowPointers
class DelistingObserver {
public:
    virtual ~DelistingObserver() = default;

    // The disclosure window, modal, when the user wants it.
    virtual void disclosureGate() {}
    // The hourglass on frmMain, frmSiteWMU and frmSiteCOCs; then the result windows of an
    // earlier run unloaded (the window layer knows which).
    virtual void resetResultForms() {}
    // A check refused the run: shows `text` under `title` with the message-box `style` and
    // returns the answer.
    virtual int message(const QString& text, int style, const QString& title)
    {
        (void)text, (void)style, (void)title;
        return kDelistingAnswerOk;
    }
    // The site window's progress bar: minimum 0, value 0 and `maximum`, shown.
    virtual void progressStart(int maximum) { (void)maximum; }
    virtual void progressValue(int value) { (void)value; }
    virtual void progressHide() {}
    // The run failed after its checks and stored nothing; shown as the general error text.
    virtual void failure(const Error& error) { (void)error; }
    // The rows are stored: the site and constituent windows minimised, then the seven
    // delisting windows shown (soil, air noncarcinogens, air carcinogens, surface water
    // noncarcinogens, surface water carcinogens, groundwater noncarcinogens, groundwater
    // carcinogens), each 300 twips further right and down, from 0.
    virtual void finished() {}
    // The arrow pointer on frmMain, frmSiteWMU and frmSiteCOCs, in that order.
    virtual void arrowPointers() {}
};
