#pragma once

#include "data/schema.h"
#include "platform/db/row_statements.h"

// Runs inside a write's transaction before the row is written; a failure refuses the row.
using RowCheck = std::function<Status(const StoredRow& row, const QVector<bool>& changed)>;

// The statements of `table` edited in place through `conn`, for rows read with the fields of
// `rows`: `check` (when given) first, every value converted to its column before it is written,
// and a deletion one statement over all its rows.
RowStatements tableRowStatements(Connection& conn, const TableDef& table, const Recordset& rows, RowCheck check = {});
