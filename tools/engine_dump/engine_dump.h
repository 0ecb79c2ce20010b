#pragma once

#include <QStringList>

// Sub-commands of engine_dump. Each takes the arguments after its name, writes CSV to standard
// output and messages to standard error, and returns the exit status: 0 done, 1 failure or
// wrong arguments, 2 a run that its checks refused.

// forward DB KEY: the forward run of analysis KEY in the database file DB.
int runForwardDump(const QStringList& args);

// delisting DB KEY: the delisting-level run for analysis KEY in the database file DB, then every
// DelistCOCS column of its rows.
int runDelistingDump(const QStringList& args);
