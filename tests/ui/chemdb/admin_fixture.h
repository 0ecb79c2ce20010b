#pragma once

#include "core/temp_database.h"
#include "ui/chemdb/frmChngDBProps.h"
#include "ui/chemdb/frmPassword.h"
#include "ui/main/frmMain.h"
#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include <QPointer>

#include <gtest/gtest.h>

// The program as start-up shows it, on a database with three chemicals and with per-user
// settings in a temporary folder; the administrator window is reached through the main window.
class AdminTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    frmMain& main() { return *m_main; }
    // Edit COC Database: the administrator window, shown.
    frmPassword& openAdministration();
    // Types the password and clicks Log On.
    void logOn(const QString& password);
    static frmPassword* admin();
    static frmChngDBProps* report();
    // The report's lines, cells joined by TAB.
    static QStringList reportLines();
    static void click(QWidget* button);
    // Closes the administrator window by its close box, answering the summary question.
    void closeAdministration(int answer);

    static QString stored(const QString& key);
    void setField(const QString& cas, const QString& column, const QVariant& value);

    TempSettingsFolder settingsFolder;
    TempDatabase db;
    ScopedProgramState scopedState{db.state};
    ScriptedMessages messages;
    ScriptedFileDialogs files;

private:
    QPointer<frmMain> m_main;
};
