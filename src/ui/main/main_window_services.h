#pragma once

#include <QString>

#include <functional>

class QWidget;

// The answer of the changes notice shown at start-up.
struct ChangesNoticeAnswer {
    bool viewChanges = false;     // "Yes, View Document"
    bool dontShowAgain = false;   // chkShowChanges, "Don't show this dialog again"
};

// What the main window calls in other parts of the program. The program's start-up installs
// them; a command whose service is not installed does nothing.
struct MainWindowServices {
    std::function<void()> runRiskAnalysis;                              // RunRiskAnalysis, the forward run
    std::function<void(const QString& path)> importV1File;              // ImportV1File
    std::function<void(const QString& path)> importV2File;              // ImportV2File
    std::function<void(const QString& path)> exportV2File;              // ExportV2File
    std::function<void()> updateAnalyses;                               // UpdateAnalyses
    std::function<QString(const QString& password)> scramblePassword;   // ScramblePassword
    std::function<void()> replaceChemicalTable;                         // the chemical table from a file
    std::function<void()> showChangeLog;                                // the change log of the chemical table
    std::function<ChangesNoticeAnswer()> showChangesNotice;             // frmTOVIchanges, modal
    std::function<void()> showChangesDocument;                          // frmViewDocuments with TOVIchanges.pdf
    std::function<void(QWidget* parent)> showPrintWindow;               // frmPrint, modal
};

MainWindowServices& mainWindowServices();
