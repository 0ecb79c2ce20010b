#pragma once

#include "platform/db/result.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "ui/common/table_operations.h"

class Connection;

// The read-only list of the user's own chemicals (Cus_COCS) above the list of the user's own
// DAF rows (Cus_DAFs): every row of both tables, read once when the window loads.
class frmCusCOC : public FormWindow, public PrintableTable {
    Q_OBJECT
public:
    frmCusCOC();

    DataGrid* SSOleDBGrid1;   // the chemicals
    DataGrid* SSOleDBGrid2;   // the DAF rows

    // Prints the chemical list, then the DAF list, as one print command.
    void PrintTable(bool FirstPrint) override;
    bool loadFailed() const override { return m_loadFailed; }

protected:
    void formLoad() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Status loadRows();
    Status loadChemicals(Connection& conn);
    Status loadDafs(Connection& conn);

    bool m_loadFailed = false;
};
