#pragma once

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
    // Rewrites the open analysis's nodes in the list of analyses from the current row of
    // gRsSiteInfo.
    virtual void rewriteOpenAnalysisNodes() = 0;
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
