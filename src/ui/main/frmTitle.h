#pragma once

#include "data/analysis_file_prompts.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

// The importers' modal title prompt: the name under which an imported analysis is stored.
// One instance, created on first use and kept until unloaded.
class frmTitle : public QDialog {
    Q_OBJECT
public:
    static frmTitle* get();
    static bool isLoaded();
    // Unloads the window through Form_Unload; a window that is not loaded is left alone.
    static void Unload();

    // True when the user gave up the import. Reset when the window is created, kept after it
    // is unloaded.
    static inline bool ImportCancelled = false;

    QLabel* Label1 = nullptr;
    QLineEdit* txtTitle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void cmdOK_Click();
    void cmdCancel_Click();
    void Form_Unload();

protected:
    // The close box always gives up the import.
    void closeEvent(QCloseEvent* event) override;
    // Escape asks as Cancel does.
    void reject() override;

private:
    frmTitle();
    static QPointer<frmTitle>& instance();
};

// The analysis-file operations' questions, through the message service and frmTitle.
class AnalysisFileDialogs : public AnalysisFilePrompts {
public:
    int message(const QString& text, int style, const QString& title) override;
    void generalError(const Error& error, const QString& title) override;
    std::optional<QString> askTitle(const QString& caption, const QString& label, const QString& text) override;
};
