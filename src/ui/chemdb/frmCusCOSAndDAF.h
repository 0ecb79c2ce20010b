#pragma once

#include "platform/db/connection.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "platform/ui/grid_binding.h"
#include "ui/common/table_operations.h"

#include <QLabel>

#include <memory>

// The user's own chemicals (Cus_COCS) above the user's own DAF rows (Cus_DAFs), both edited in
// place through a connection of the window's own: a changed or new row is written when the
// user leaves it or closes the window, and rows selected whole are deleted with the Delete key.
class frmCusCOSAndDAF : public FormWindow, public PrintableTable, public ExportableTable {
    Q_OBJECT
public:
    frmCusCOSAndDAF();
    ~frmCusCOSAndDAF() override;

    DataGrid* SSDBGrid1;   // the chemicals, caption bar "Constituents"
    DataGrid* SSDBGrid2;   // the DAF rows, caption bar "DAFs"
    GridBinding* Data1;
    GridBinding* Data2;

    // Prints the chemicals, then the DAF rows, as one print command.
    void PrintTable(bool FirstPrint) override;
    // Asks for a file and writes the chemicals to it.
    void ExportToTable() override;

protected:
    void formLoad() override;
    bool queryUnload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindChemicals(Recordset rows);
    void bindDafs(Recordset rows);
    void SetupGrids();
    // Reads a table again after a failed write left the grid's rows unlike the stored ones.
    void rereadChemicals();
    void rereadDafs();
    RowDecision SSDBGrid1_BeforeUpdate(int row);
    // Escape on a grid: undoes the current cell's edit of the row in edit, or, where that cell
    // has none, the whole row's.
    void undoEdit(DataGrid& grid);

    QLabel* m_chemicalsCaption;
    QLabel* m_dafsCaption;
    std::unique_ptr<Connection> m_conn;
    bool m_writeRefused = false;   // a row write was refused since closing cleared it
};
