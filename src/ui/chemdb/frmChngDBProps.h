#pragma once

#include "data/chemical_change_log.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "ui/common/table_operations.h"

// The report of changed chemical-table values: one line per changed value, from a change
// summary or from the stored change log. Created and shown by its first line.
class frmChngDBProps : public FormWindow, public PrintableTable, public ExportableTable {
    Q_OBJECT
public:
    frmChngDBProps();

    // Adds a line to the report, loading and showing the window when it is not loaded.
    static void addChangeLine(const ChemicalChange& change);

    void PrintTable(bool FirstPrint) override;
    void ExportToTable() override;

    DataGrid* grdChngChems;

protected:
    void formLoad() override;
};

// Adds every line of the stored change log to the report; a failure is reported.
void showChangeLog();
