#pragma once

#include "core/temp_database.h"
#include "ui/input/frmSiteCOCs.h"
#include "ui/printers.h"
#include "ui/scripted_services.h"

#include <QLineEdit>

#include <gtest/gtest.h>

// A chemical table row: name, CAS number, ORGANIC (invalid: NULL), DAFLF, DAFSI, class, and a
// few properties with values of their own.
QVariantMap chemicalRow(const QString& name, const QString& cas, const QVariant& organic, double dafLf, double dafSi,
                        const QString& carcNon = QStringLiteral("Carcinogen"));

// A database with a chemical table, the user's own chemicals and analysis 1 ("Plating") holding
// two stored constituents with results of an earlier run, and groundwater delisting rows of
// analyses 1 and 2; the shared constituent rows are open on analysis 1.
class SiteCocsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The shared record set on an analysis's stored constituent rows, as the main window's Open
    // leaves it.
    void openAnalysis(qint32 key);
    // Loads the window (as the main window does) and shows it.
    frmSiteCOCs& load();
    // Unloads the window as the main window's Close does, without its question.
    void unload();
    frmSiteCOCs& window() { return *m_window; }
    GridModel& grid() { return m_window->grdSiteCOCs->grid(); }

    // Types into a cell as the user does: its editor opens and the text replaces its content.
    QLineEdit* type(int row, int column, const QString& text);
    // Enter in the current cell.
    void enter();
    void tick(int row, int column, bool on);
    // The value of a field of the analysis's stored constituent rows, in stored order.
    QVariant stored(int index, const QString& field, qint32 key = 1);
    qint64 storedCount(qint32 key = 1);

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope{db.state};
    frmSiteCOCs* m_window = nullptr;
};
