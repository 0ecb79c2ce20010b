#pragma once

#include "platform/db/result.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "ui/common/table_operations.h"

// The stored site and waste unit inputs of the open analysis as a two-column list of labels and
// values, built when the window loads, for printing.
class frmPrintSiteWMU : public FormWindow, public PrintableTable {
    Q_OBJECT
public:
    frmPrintSiteWMU();

    // Prints the list, the first table of a print command with the dialogs.
    void PrintTable(bool FirstPrint) override;
    bool loadFailed() const override { return m_loadFailed; }

    DataGrid* grdSiteWMUProps;

protected:
    void formLoad() override;

private:
    Status addRows();

    bool m_loadFailed = false;
};
