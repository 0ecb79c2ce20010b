#pragma once

#include "data/schema.h"
#include "platform/db/connection.h"

// The shipped database: the schema with the rows of the data folder's CSV files.

// The version of the rules by which the data files are read into their tables: the files read,
// their checks and conversions. Raise it with every change of those rules, so that a database
// built by the old ones is built anew.
constexpr qint32 kLoadingRules = 1;

// The tables whose rows come from the data files.
std::vector<const TableDef*> shippedTables();

// What a database is built from, by the content of the data files and the loading rules; never 0,
// the version of a file that has none.
Result<qint32> buildStamp(const QString& dataDir, qint32 rules = kLoadingRules);

// Builds it in the new file `path` (none may stand there), its log merged, with its build stamp as
// its user version, which the program never reads or writes. A row that does not
// fit its table fails the build, naming the file and line; the caller removes what was begun.
Status buildShippedDatabase(const QString& path, const QString& dataDir);

// The schema's statements as the database holds them, to compare one database's layout with another's.
Result<QStringList> schemaStatements(Connection& conn);
