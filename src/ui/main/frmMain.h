#pragma once

#include "data/analysis_tables.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/keyed_tree.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>

#include <array>
#include <vector>

struct ProgramState;
class QVBoxLayout;

// The main window: the tree of stored analyses, the analysis commands as buttons, menu items
// and toolbar buttons, and the area that holds every child window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // The main window while it exists, else nullptr.
    static frmMain* instance();

    // The window's load: runs once, while the SITEINFO record set holds every stored analysis.
    void MDIForm_Load();

    // Sets the enabled state of the commands for an action: "Open", "New", "Close", "Save" or
    // "Delete"; any other text changes nothing.
    void SetToolbarState(const QString& action);
    // The toolbar button at a 1-based position, separators counted (6, 9, 12, 17 and 19).
    QAction* toolbarButton(int position) const;

    // Saves and closes the open analysis, as the input windows' close questions ask. The save
    // is true when everything the input windows hold was stored.
    bool SaveCurAnalysis();
    void CloseCurAnalysis();
    // An input window's close request: unless the main window is closing the analysis itself,
    // asks whether to close the analysis (and whether to save it) and closes it. False when the
    // user keeps the window open.
    static bool inputWindowQueryUnload();

    // The analysis tree as the importers and Update Analyses use it: adds one analysis's nine
    // nodes at the end (false when its key is listed already).
    bool addAnalysisGroup(const AnalysisTreeGroup& group);
    // The key of the highlighted analysis (a detail node gives its root's); 0 when none.
    qint32 highlightedSiteKey() const;
    // The 1-based tree position of the open analysis's root node; 0 when none is open.
    int curNodeIndex() const;
    // Rewrites the nine node texts of the open analysis from the current row of gRsSiteInfo.
    void rewriteOpenAnalysisNodes();
    // After a save of the site and unit rows was rolled back: reads the open analysis's rows
    // again and starts the pending new rows of a never-saved analysis again.
    void reopenAfterFailedSave(bool siteAdding, bool unitAdding);

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

    // Left pane.
    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    KeyedTree* trvAnalysis = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdUpdateAnalyses = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QLabel*, 13> lblWEXT{};
    QLabel* lblUM = nullptr;
    QTextEdit* rtfInstructions = nullptr;
    QLineEdit* txtCurSiteKey = nullptr;
    QMdiArea* mdiArea = nullptr;
    QToolBar* Toolbar1 = nullptr;
    // The program's one file dialog.
    CommonDialog cdbOpen;

    // Menus and their items.
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExportTable = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuEditCOCDAF = nullptr;
    QMenu* mnuAnalysis = nullptr;
    QAction* mnuSiteInfo = nullptr;
    QAction* mnuShowSiteCOCs = nullptr;
    QAction* mnuShowCOCs = nullptr;
    QAction* mnuResults = nullptr;
    QAction* mnuDelistingLevel = nullptr;
    QAction* mnuRunAnalysis = nullptr;
    QMenu* mnuWindow = nullptr;
    QAction* mnuCloseResults = nullptr;
    QMenu* mnuAdmin = nullptr;
    QMenu* mnuDocuments = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuTOVIinfo = nullptr;
    QAction* mnuAcknowledgements = nullptr;
    QAction* mnuObjective = nullptr;
    QAction* mnuMission = nullptr;
    QAction* mnuProc = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDisclosure = nullptr;
    QAction* mnuFontLegend = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows an input window of the open analysis maximised.
    void showInputWindow(const QString& name);
    friend class frmOpenAnalyses;
    enum class OpenRoute { MainWindow, List };

    void buildPane();
    void buildMenus();
    void buildToolbar();
    void buildCommandStates();
    // Ctrl+F4 closes the active child window, Ctrl+F6 and Ctrl+Tab move to the next one, Alt+F4
    // closes the main window.
    void buildWindowKeys();
    QSize defaultSize() const;
    void addInstruction(QWidget* control, const QString& text);
    void buildDocumentLabels(QVBoxLayout* layout);
    void connectDocumentCommands();
    // The hand pointer over a document label, read from its file at every move.
    void showHandPointer();
    // A mouse event on a document label; true when it was handled.
    bool documentLabelEvent(QObject* watched, QEvent* event);
    void fillTree(Recordset& siteInfo);
    void fillWindowMenu();
    void connectInformationItems();

    // False when the user asked for a save that failed: the program then stays open.
    bool MDIForm_QueryUnload();
    // Before unsaved input is discarded, asks whether to save it. False when the user asked for a
    // save that failed: the analysis then stays open.
    bool saveBeforeDiscarding();
    // Save: true when everything the input windows hold was stored; a failure is reported.
    bool saveOpenAnalysis();
    void MDIForm_Unload();

    // Close of the open analysis; false when it stopped at a failure (already reported).
    bool closeAnalysis();
    // Drops what a never-saved analysis stored under its key; true when it was never saved.
    Result<bool> discardIfNeverSaved(qint32 siteKey);
    void openAnalysis(const QString& rootKey, OpenRoute route);
    void failOpening(const Error& error);
    Status openSharedRecordsets(qint32 siteKey);
    QString highlightedRootKey() const;

    ProgramState& m_state;
    std::vector<QAction*> m_toolbar;
    QHash<QObject*, QString> m_instructions;

    struct CommandRow;
    std::vector<CommandRow> m_commandRows;
    bool m_unloaded = false;
};
