#pragma once

#include "platform/ui/keyed_tree.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>

#include <array>

// The toolbar's buttons, by their keys.
enum class ToolbarButton {
    NewAnalysis,
    OpenAnalysis,
    SaveAnalysis,
    PrintTable,
    ExportTable,
    ImportAnalysis,
    ExportAnalysis,
    CopyAnalysis,
    DeleteAnalysis,
    SiteInformation,
    SiteCOCs,
    COCs,
    ShowResults,
    RunModel,
    Help,
};
inline constexpr int kToolbarButtons = int(ToolbarButton::Help) + 1;

// The main window's controls: the pane, the menus and the toolbar. The main window builds them;
// the open analysis switches and reads them.
struct MainWindowControls {
    QAction* toolbarButton(ToolbarButton button) const { return toolbar[size_t(button)]; }

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
    std::array<QAction*, kToolbarButtons> toolbar{};
};
