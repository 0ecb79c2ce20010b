#pragma once

#include "core/temp_database.h"
#include "fake_windows.h"
#include "ui/command_state.h"
#include "ui/main/frmMain.h"
#include "ui/printers.h"
#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include <QPointer>

#include <gtest/gtest.h>

// A program folder with an empty database, per-user settings in a temporary folder, the fake
// input and result windows, and the main window as start-up shows it.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Start-up: opens the database and shows the main window; a program that does not start ends
    // the test at once.
    frmMain& start();
    frmMain& window() { return *m_window; }
    ProgramState& state() { return db.state; }

    // Selects a node of the tree with the mouse (its group expanded), as a user's click does.
    void clickNode(const QString& key);
    // The analysis information window's inputs for a stored analysis named `name`.
    static SiteWindowInputs inputsNamed(const QString& name);
    // New, typed inputs and Save: returns the new analysis's key.
    qint32 createAnalysis(const QString& name, const QStringList& casNumbers = {});
    QVariant field(const QString& table, const QString& column, qint32 siteKey);
    bool isVisible(const char* formName);

    TempDatabase db;
    TempSettingsFolder settingsFolder;

private:
    ScopedProgramState m_scoped{db.state};
    // Any message box or file dialog that a test does not script fails it.
    ScriptedMessages m_noMessages;
    ScriptedFileDialogs m_noFileDialogs;
    QPointer<frmMain> m_window;
};
