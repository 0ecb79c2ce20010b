#pragma once

#include "data/analysis_tables.h"
#include "platform/db/connection.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Whole stored analyses: whether one is stored, copying and deleting them, and dropping
// what a never-saved analysis left under its key.

// The failures of a write of an analysis whose rows another copy of the program changed or
// deleted since this copy read them: changed (kErrRowChanged), or no longer stored (kErrRowGone).
Error analysisChangedElsewhere();
Error analysisGone();
// The failure of a copy or an export of an analysis that has never been stored (kErrNotSaved).
Error analysisNotSaved();

// Whether SITEINFO holds a row for the key.
Result<bool> analysisIsStored(Connection& conn, qint32 siteKey);

// The stored name (FILENAME) of the key's analysis; none when SITEINFO holds no row for it.
Result<std::optional<QString>> storedAnalysisName(Connection& conn, qint32 siteKey);

// The number of stored constituent rows of the key.
Result<int> storedConstituentCount(Connection& conn, qint32 siteKey);

// The name of a copy of `sourceName`: the first of "Copy of X", "Copy of X(1)", "Copy of X(2)", …
// that none of `takenNames` holds, letter case of ASCII letters ignored.
QString copyName(const QString& sourceName, const QStringList& takenNames);

struct CopiedAnalysis {
    qint32 siteKey = 0;
    QString name;
    AnalysisTreeGroup nodes;
};

// Whether the analysis that the list of analyses shows under the key and name is still the one
// stored: fails with kErrRowGone when no analysis has the key any more, and with kErrRowChanged
// when it has another name (another copy of the program renamed it, or gave its key to another).
Status checkListedAnalysis(Connection& conn, qint32 siteKey, const QString& listedName);
// The same for the name stored under the key, none when no analysis has the key.
Status compareListedName(const std::optional<QString>& storedName, const QString& listedName);

// Repeats every stored row of the analysis under the next free key and a new name, in one
// transaction that reads what it copies and takes the new key; `checkSource`, when given, runs
// first inside it, and its failure stores nothing. Fails with kErrNotSaved when the analysis has
// no SITEINFO row.
Result<CopiedAnalysis> copyAnalysis(Connection& conn, qint32 sourceKey,
                                    const std::function<Status()>& checkSource = {});

// Removes every row of the key from SITEINFO, WMUINFO, SITECOCS, DelistCOCS and GWDelisting in
// one transaction, when the analysis stored under it is still the one listed by that name
// (checkListedAnalysis); otherwise nothing.
Status deleteAnalysis(Connection& conn, qint32 siteKey, const QString& listedName);

// Removes what a never-saved analysis may have stored under its key (constituent, delisting and
// groundwater delisting rows) in one transaction.
Status discardUnsavedAnalysis(Connection& conn, qint32 siteKey);
