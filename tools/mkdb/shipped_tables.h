#pragma once

#include "platform/db/connection.h"

// The shipped database: the schema with the rows of the data folder's CSV files.

// Builds it in the new file `path` (none may stand there), its log merged, with the content of
// the data files as its user version, which the program never reads or writes. A row that does not
// fit its table fails the build, naming the file and line; the caller removes what was begun.
Status buildShippedDatabase(const QString& path, const QString& dataDir);

// The schema's statements as the database holds them, to compare one database's layout with another's.
Result<QStringList> schemaStatements(Connection& conn);
