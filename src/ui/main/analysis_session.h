#pragma once

#include "platform/db/result.h"
#include "ui/main/analysis_host.h"
#include "ui/main/main_commands.h"
#include "ui/main/main_window_controls.h"

#include <QString>

struct ProgramState;
class QWidget;

// The caption of the main window while no analysis is open.
QString programTitle();

// The open analysis on the main window: New, Open, Close, Save, Copy and Delete, the state of
// the commands they switch, and the host that the input windows and the runs talk to.
class AnalysisSession : public AnalysisHost {
public:
    // The window is the main window; the controls are its own.
    AnalysisSession(ProgramState& state, QWidget& window, MainWindowControls& controls);
    ~AnalysisSession() override;

    MainCommands& commands() { return m_commands; }
    QWidget& window() const { return m_window; }
    // The tree of stored analyses.
    const KeyedTree& analyses() const { return *m_controls.trvAnalysis; }

    void newAnalysis();
    // Opens the analysis highlighted in the tree, after the open one is closed.
    void openHighlighted();
    // Opens an analysis chosen in the list of the File menu's Open, after the open one is closed.
    void openFromList(const QString& rootKey);
    // Close, after the question whether to save unsaved input.
    void closeAsked();
    // Close of the open analysis; false when it stopped at a failure (already reported).
    bool closeAnalysis();
    // Save: true when everything the input windows hold was stored; a failure is reported.
    bool save();
    void copy();
    void remove();
    // Before unsaved input is discarded, asks whether to save it. False when the user asked for a
    // save that failed: the analysis then stays open.
    bool saveBeforeDiscarding();
    // At the program's end: drops the open analysis's pending rows and what a never-saved
    // analysis stored, and closes its delisting windows.
    void endAtExit();
    void nodeClicked();
    // Close Results Screens: the forward result windows, but those of the surface pathways only
    // for a landfill.
    void closeResultScreens();

    // The key of the highlighted analysis (a detail node gives its root's); 0 when none.
    qint32 highlightedSiteKey() const;
    // The 1-based tree position of the open analysis's root node; 0 when none is open.
    int curNodeIndex() const;

    void markEdited(CommandReach reach) override;
    void markSaved(CommandReach reach) override;
    void markEditsCancelled() override;
    void setRunEnabled(bool enabled) override;
    void constituentRowsStored() override;
    void rewriteOpenAnalysisNodes() override;
    // Also keeps the name under which the analysis is stored on its group in the list.
    void followAnalysisKey() override;
    void setCaption(const QString& caption) override;
    bool askToCloseAnalysis() override;
    void setMousePointer(int pointer) override;
    QPoint paneOrigin() const override;

private:
    enum class OpenRoute { MainWindow, List };
    void openAnalysis(const QString& rootKey, OpenRoute route);
    void failOpening(const Error& error);
    // Drops what a never-saved analysis stored under its key; true when it was never saved.
    Result<bool> discardIfNeverSaved(qint32 siteKey);
    // Cancels the pending rows of the open analysis and closes its record sets.
    void closeRecordsets();
    // Asks whether to save unsaved input, closes the open analysis and opens the one of the group.
    void openAfterClosing(QString rootKey, OpenRoute route);

    ProgramState& m_state;
    QWidget& m_window;
    MainWindowControls& m_controls;
    MainCommands m_commands;
    qint32 m_listedKey = 0;        // the key of the open analysis's tree group
    bool m_startedByNew = false;   // the open analysis was started by New here
};
