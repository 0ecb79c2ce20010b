#pragma once

#include "data/program_state.h"

#include <QStringList>

// Sub-commands of engine_dump. Each takes the arguments after its name, writes CSV to standard
// output and messages to standard error, and returns the exit status: 0 done, 1 failure or
// wrong arguments, 2 a run that its checks refused.

// forward DB KEY: the forward run of analysis KEY in the database file DB.
int runForwardDump(const QStringList& args);
// delisting DB KEY: the delisting-level run for analysis KEY in the database file DB, then every
// DelistCOCS column of its rows.
int runDelistingDump(const QStringList& args);

// Opens the database of "DB KEY" with analysis KEY open in `state`; prints the usage of
// `command` or the failure and returns false otherwise.
bool openDumpAnalysis(const QStringList& args, const char* command, ProgramState& state);
// Writes the column names and the rows as CSV: numbers as %.17g, NULL as an empty cell, text
// quoted when it holds a comma, a quote or a line end.
void writeCsv(const QueryRows& rows);
// Writes a line to standard error.
void printError(const QString& text);
