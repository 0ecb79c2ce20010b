#pragma once

#include "data/analysis_rows.h"
#include "platform/db/row_statements.h"

#include <QString>

#include <vector>

// Every row of COCS in stored order.
Result<std::vector<TableRow>> readChemicalTable(Connection& conn);

// The image of COCS that the administrator's edits are later compared with: every row in
// name order (ties in stored order), read once into memory.
Result<std::vector<TableRow>> snapshotChemicalTable(Connection& conn);

// Writes every row of COCS, in stored order, as a chemical-table file. The file appears only
// when it is complete; a failure leaves no file behind.
Status exportChemicalTable(Connection& conn, const QString& path);

// Reads and checks the whole chemical-table file first, then, in one transaction, deletes every
// row of COCS and inserts the file's rows in file order. A file with a row without CAS number or
// with a CAS number twice (letter case and blanks at either end ignored) is refused; a refused
// file or a failed write leaves COCS exactly as it was.
Status replaceChemicalTable(Connection& conn, const QString& path);

// Fails when a row of the chemical table `table` other than `rowid` holds the CAS number
// (letter case and blanks at either end ignored); rowid 0 stands for a row not yet stored.
Status checkCasIsUnique(Connection& conn, const TableDef& table, const QVariant& cas, qint64 rowid);

// The statements of COCS edited in place through `conn`, for rows read with the fields of `rows`:
// a new or changed CAS number that another row holds is refused, so a row's other values can
// always be written.
RowStatements chemicalTableRowStatements(Connection& conn, const Recordset& rows);
