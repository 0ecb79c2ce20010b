#pragma once

#include "data/schema.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/grid_binding.h"

// What the grids that edit chemicals share: the chemical table's and the user's own chemicals'
// columns, and the questions asked before a row is written or rows are deleted.

// A grid of the chemical windows, in their font.
DataGrid* makeChemicalGrid(QWidget* parent, const QString& name);

// Which fields of a record set on `table` hold numbers.
QVector<bool> numberFields(const TableDef& table, const Recordset& rows);

// Captions, widths and formats of a grid bound to the chemical table or to the user's own
// chemicals (name, CAS number, the properties).
void setupChemicalColumns(GridModel& grid);

// The decision before a row is written: a row whose CAS number cell is empty or blank asks the
// user; No discards the row's edit, Yes keeps it in edit for the CAS number.
RowDecision askForCasNumber(const GridModel& grid, int row, int casColumn);

// Asks whether the grid's selected rows are to be deleted and on Yes deletes them.
void deleteSelectedRows(DataGrid& grid, GridBinding& binding);
