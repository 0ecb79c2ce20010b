#pragma once

#include "data/analysis_tables.h"
#include "platform/ui/common_dialog.h"
#include "ui/main/main_window_controls.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

struct ProgramState;
class AnalysisSession;
class QMdiSubWindow;
class QVBoxLayout;

// The main window: the tree of stored analyses, the analysis commands as buttons, menu items
// and toolbar buttons, and the area that holds every child window. The open analysis itself is
// the session's business; the window builds the controls and passes their commands on.
class frmMain : public QMainWindow, public MainWindowControls {
    Q_OBJECT
public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // The main window while it exists, else nullptr.
    static frmMain* instance();

    // The window's load: runs once, while the SITEINFO record set holds every stored analysis.
    void MDIForm_Load();

    AnalysisSession& session() { return *m_session; }

    // Sets the enabled state of the commands for an action: "Open", "New", "Close", "Save" or
    // "Delete"; any other text changes nothing.
    void SetToolbarState(const QString& action);

    // The analysis tree as the importers and Update Analyses use it: adds one analysis's nine
    // nodes at the end (false when its key is listed already).
    bool addAnalysisGroup(const AnalysisTreeGroup& group);
    // The key of the highlighted analysis (a detail node gives its root's); 0 when none.
    qint32 highlightedSiteKey() const;
    // The 1-based tree position of the open analysis's root node; 0 when none is open.
    int curNodeIndex() const;

    // Command handlers, run by their buttons, menu items and toolbar buttons.
    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void cmdCopy_Click();
    void cmdDelete_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdUpdateAnalyses_Click();
    void trvAnalysis_NodeClick();
    void Toolbar1_ButtonClick(const QString& key);
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuPrint_Click();
    void mnuExportTable_Click();
    void mnuRunAnalysis_Click();
    void mnuSiteInfo_Click();
    void mnuShowSiteCOCs_Click();
    void mnuShowCOCs_Click();
    void mnuEditCOCDAF_Click();
    void mnuResults_Click();
    void mnuDelistingLevel_Click();
    void mnuCloseResults_Click();
    // The information windows and the disclosure toggle.
    void mnuAcknowledgements_Click();
    void mnuObjective_Click();
    void mnuMission_Click();
    void mnuProc_Click();
    void mnuAbout_Click();
    void mnuDisclosure_Click();
    void mnuFontLegend_Click();
    // Documents and help.
    void lblWEXT_Click(int index);
    void lblUM_Click();
    void lblWEXT_MouseMove(int index);
    void lblUM_MouseMove();
    void mnuTOVIChanges_Click();
    void mnuHelpFile_Click();
    // The Administration menu's commands: Import Latest Database, Edit COC Database, View
    // Changes to COCs.
    void mnuUpdateDB_Click();
    void mnuEditDB_Click();
    void mnuViewChanges_Click();

    // The program's one file dialog.
    CommonDialog cdbOpen;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows an input window of the open analysis maximised.
    void showInputWindow(const QString& name);

    void buildPane();
    void buildMenus();
    void buildToolbar();
    // Ctrl+F4 closes the active child window, Ctrl+F6 and Ctrl+Tab move to the next one and with
    // Shift to the previous one, Alt+F4 closes the main window.
    void buildWindowKeys();
    // Makes the next or previous shown child window the active one.
    void stepChildWindow(bool forward);
    // Makes a child window the active one, restored when it is minimised.
    void activateChildWindow(QMdiSubWindow* child);
    QSize defaultSize() const;
    void addInstruction(QWidget* control, const QString& text);
    void buildDocumentLabels(QVBoxLayout* layout);
    void connectDocumentCommands();
    // The hand pointer over a document label, read from its file at every move.
    void showHandPointer();
    // A mouse event on a document label; true when it was handled.
    bool documentLabelEvent(QObject* watched, QEvent* event);
    void fillWindowMenu();
    void connectInformationItems();

    // False when the user asked for a save that failed: the program then stays open.
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();

    ProgramState& m_state;
    QHash<QObject*, QString> m_instructions;
    std::unique_ptr<AnalysisSession> m_session;
    bool m_unloaded = false;
};
