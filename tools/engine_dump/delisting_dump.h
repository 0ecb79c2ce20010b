#pragma once

#include <QStringList>

// engine_dump delisting DB KEY: the delisting-level run for the analysis KEY of the database
// file DB, then every DelistCOCS column of its rows as CSV. Returns the exit status: 0 stored,
// 2 refused by a check (its message on standard error), 1 failed.
int runDelistingDump(const QStringList& args);
