#pragma once

#include "core/temp_database.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/main/frmMain.h"
#include "ui/printers.h"
#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include <QPointer>

#include <gtest/gtest.h>

// The main window as start-up shows it, with the real analysis information window and a
// stand-in constituent window whose "Update Site COCs" button tells whether it holds edits.
class SiteWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    frmMain& main() { return *m_main; }
    // Lists in the main window's tree the analyses stored after it started.
    void listStoredAnalyses();
    frmSiteWMU& site();
    bool siteLoaded() const;
    ProgramState& state() { return db.state; }

    // The main window's New, and its Open of a stored analysis.
    void newAnalysis();
    void openAnalysis(qint32 key);
    // Types a text into a box as the user does, replacing what it holds.
    static void type(QWidget* box, const QString& text);
    // Makes the analysis information window the active child window, as a click into it does.
    void activateSite();
    // Moves the focus from `box` to `next` as the Tab key does, and lets queued focus moves run.
    void leave(QWidget* box, QWidget* next);
    QWidget* focused() const;

    QVariant field(const QString& table, const QString& column, qint32 siteKey);
    // The stand-in constituent window's edited state.
    void setConstituentsEdited(bool edited);

    TempDatabase db;
    TempSettingsFolder settingsFolder;
    // Any message box that a test does not script fails it.
    ScriptedMessages messages;

private:
    ScopedProgramState m_scoped{db.state};
    ScriptedFileDialogs m_noFileDialogs;
    QPointer<frmMain> m_main;
};
