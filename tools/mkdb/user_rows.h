#pragma once

#include "data/schema.h"
#include "platform/db/connection.h"

// What the user made in a database: the analyses with their results, the user's own chemicals
// and DAFs, and the change log of the chemical table.

// The tables that hold them.
const std::vector<const TableDef*>& carriedTables();

// Copies those rows of `from` into the empty tables of `to`, in one transaction, in stored
// order. A table or column that `from` lacks is passed over and a column that `to` lacks is
// dropped; every value is converted to its column's kind, and one that cannot be fails the
// whole copy, naming the table and the column.
Status carryUserRows(Connection& from, Connection& to);
