#pragma once

#include "data/analysis_rows.h"
#include "platform/db/connection.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "platform/ui/grid_binding.h"
#include "ui/common/table_operations.h"

#include <memory>

// The chemical table COCS, one row per chemical in name order, every property in a column of
// its own, read through a connection of the window's own. Read-only at first; in administrator
// mode the grid takes changed, new and deleted rows, each written to COCS at once.
class frmCOCs : public FormWindow, public PrintableTable, public ExportableTable {
    Q_OBJECT
public:
    frmCOCs();
    ~frmCOCs() override;

    DataGrid* grdCOCs;
    GridBinding* Data1;   // the grid's rows as stored in COCS

    void PrintTable(bool FirstPrint) override;
    void ExportToTable() override;

    // Administrator mode on: the administrator caption, and changes, new rows and deletions
    // allowed; off: the read-only caption and none of them.
    void setAdministratorMode(bool on);
    bool administratorMode() const { return Data1->allowUpdate(); }

    // Asks whether the selected rows are to be deleted and on Yes deletes them from COCS.
    void DeleteSelectedRecords();

    // Commits a pending row edit through the CAS question, as leaving the row does; false when
    // the row stays in edit. With `closing` a row that would stay in edit is discarded.
    bool commitPendingEdit(bool closing = false);

    // Reads COCS again, dropping a pending edit: after the table was replaced under the window.
    void Refresh();

    // The rows of COCS as the window has read and written them, in the grid's order.
    std::vector<TableRow> editedRows();

protected:
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupGrid();
    RowDecision grdCOCs_BeforeUpdate(int row);

    std::unique_ptr<Connection> m_conn;
};

// Reads the chemical-table file at `path` and replaces COCS with its rows on the shared
// connection; an open chemical table window then shows the new rows. The failure, if any, for
// the caller to report.
Status replaceChemicalTableFromFile(const QString& path);
